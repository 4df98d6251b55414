#pragma once
// The worksheet edit box in memory: the command line's worksheet and the
// tests'. The text lives in a gap buffer whose gap follows the edits, so that a
// pass that writes into every line (batch evaluation) costs each line, not the
// whole text; Text() closes the gap, Slice() and the searches do not need to.
//
// Besides the contract of EditBox it does what the EDIT control does by itself
// with the keys and characters the worksheet lets through, so that a replayed
// key sequence edits it as the window would.
#include <cstddef>
#include <string>
#include <string_view>

#include "sheet/seams/edit_box.h"
#include "sheet/seams/keys.h"

namespace tl::sheet {

class Host;

class MemoryEditBox final : public EditBox {
 public:
  // Takes the text over; room it has reserved is where the text grows first.
  explicit MemoryEditBox(std::string text = {});

  std::string_view Text() override;
  void SetText(std::string_view text) override;
  std::size_t Caret() const override { return selectionStart_; }
  void SetCaret(std::size_t position) override;
  std::size_t SelectionLength() const override { return selectionLength_; }
  void SetSelectionLength(std::size_t length) override;
  void ReplaceSelection(std::string_view text) override;

  std::size_t Size() override { return LogicalSize(); }
  std::string_view Slice(std::size_t begin, std::size_t end) override;
  std::size_t FindBytes(std::string_view needle, std::size_t from) override;
  std::size_t RFindBytes(std::string_view needle, std::size_t end) override;

  // The control's own handling of a key down: arrows, Home, End (Ctrl: text
  // start and end), Delete, Shift+arrows extending the selection, Ctrl+A,
  // Ctrl+C / Ctrl+Insert, Ctrl+X / Shift+Delete, Ctrl+V / Shift+Insert.
  // In the program Ctrl+A, Ctrl+C, Ctrl+X and Ctrl+V never get here: they
  // are menu shortcuts, which key delivery (key_delivery.h) turns into menu
  // commands first, as the window's accelerators do. Ctrl+Insert,
  // Shift+Delete and Shift+Insert stay the box's own.
  void DefaultKeyDown(int key, int modifiers, Host& host);
  // The control's own handling of a character: Backspace (8), a line break
  // for CR or LF, a tab, and every printable character typed over the
  // selection. Other control characters are ignored.
  void DefaultCharacter(Character character);

 private:
  std::size_t LogicalSize() const { return buffer_.size() - (gapEnd_ - gapStart_); }
  char At(std::size_t position) const;
  void MoveGap(std::size_t position);
  void Splice(std::size_t begin, std::size_t end, std::string_view inserted);
  std::size_t SnapToCharStart(std::size_t position) const;
  std::size_t PreviousPosition(std::size_t position) const;
  std::size_t NextPosition(std::size_t position) const;
  std::size_t LineStartOf(std::size_t position);
  std::size_t LineEndOf(std::size_t position);
  std::size_t VerticalMove(std::size_t position, bool down);
  void MoveCaret(std::size_t target, bool extend);
  void DeleteAround(bool forward);

  std::string buffer_;  // the text with a gap [gapStart_, gapEnd_)
  std::size_t gapStart_ = 0;
  std::size_t gapEnd_ = 0;
  std::size_t selectionStart_ = 0;
  std::size_t selectionLength_ = 0;
  // Which end of the selection Shift+arrows move.
  bool activeEndIsStart_ = false;
};

}  // namespace tl::sheet
