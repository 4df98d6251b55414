#pragma once
// Line breaks of the worksheet text: the consistency check and repair run
// before an unrecognised character is reported, and the line/column count
// of the caret-position message.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sheet/seams/edit_box.h"

namespace tl::sheet {

// Splitting the text at CR and at LF (no trailing empty piece) gives
// inconsistent counts: not exactly one CR piece more than LF pieces.
bool LineBreaksInconsistent(std::string_view text);

// Every CR removed, every LF made CR LF, every tab made a space.
std::string RepairLineBreaks(std::string_view text);

// A point of the text known to start a line, with the CR LF pairs before it.
struct LineBreakMark {
  std::size_t position = 0;
  std::size_t breaks = 0;
};

struct CaretPlace {
  std::size_t line = 0;    // 1-based
  std::size_t column = 0;  // bytes of the line up to and including the byte at the caret
  bool operator==(const CaretPlace&) const = default;
};

// The text up to and including the byte at the caret, split at CR LF with no
// trailing empty piece: the number of pieces and the length of the last one.
// None for an empty text. `mark` (at or before the caret's line) saves
// counting the lines before it.
std::optional<CaretPlace> LocateCaret(EditBox& box, std::size_t caret, LineBreakMark mark = {});

// `mark` moved on to `position`, a line start at or after it.
LineBreakMark AdvanceMark(EditBox& box, LineBreakMark mark, std::size_t position);

// LocateCaret from call to call: while the text stays the same (its
// revision), the count starts from the line the last caret stood on, so that
// a move costs the lines it passes over, not the whole text before it.
class CaretLocator {
 public:
  std::optional<CaretPlace> Locate(EditBox& box, std::size_t caret);

 private:
  std::uint64_t revision_ = 0;
  bool counted_ = false;
  LineBreakMark mark_;  // the start of the last caret's line
};

}  // namespace tl::sheet
