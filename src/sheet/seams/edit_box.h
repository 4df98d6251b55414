#pragma once
// The worksheet edit box as the worksheet sees it: the only way the worksheet
// touches its text. The in-memory box (memory_edit_box.h) and the window's
// adapter over the EDIT control both satisfy this contract, and one contract
// test suite runs against both.
//
// - Positions are 0-based byte offsets into the GBK text; line breaks are CR LF.
// - SetText(t) replaces the whole text, puts the caret and the selection at 0,
//   then delivers exactly one content-changed notification before returning.
// - Caret() is the selection start. SetCaret(p) keeps the current selection
//   length (shortened where it would run past the end).
// - ReplaceSelection(t) leaves the caret just after the inserted text with an
//   empty selection, then delivers one content-changed notification. It is not
//   entered in the control's own undo.
// - A selection start that falls on the second byte of a two-byte character is
//   moved back to that character's first byte.
// - Views returned by Text() and Slice() stay valid until the next call of a
//   member that is not const.
// - Keys: the box moves the caret and the selection for the arrows, Home and
//   End, deletes for Delete and Backspace, types characters, and handles the
//   clipboard keys Ctrl+Insert, Shift+Delete and Shift+Insert itself. Every
//   menu shortcut (the command table's, Ctrl+A/C/X/V/Z included) is taken by
//   the accelerators before the box sees it.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace tl::sheet {

class EditBox {
 public:
  virtual ~EditBox() = default;

  // The whole text.
  virtual std::string_view Text() = 0;
  virtual void SetText(std::string_view text) = 0;
  virtual std::size_t Caret() const = 0;
  virtual void SetCaret(std::size_t position) = 0;
  virtual std::size_t SelectionLength() const = 0;
  virtual void SetSelectionLength(std::size_t length) = 0;
  virtual void ReplaceSelection(std::string_view text) = 0;

  // Local access for operations that work on one line. The defaults read
  // Text(); a box whose whole text is costly to produce overrides them.
  virtual std::size_t Size() { return Text().size(); }
  // The bytes [begin, end), clamped to the text.
  virtual std::string_view Slice(std::size_t begin, std::size_t end);
  // Byte searches: the first occurrence starting at or after `from`, and the
  // last one ending at or before `end`; npos when there is none. They compare
  // bytes only, so callers search for bytes below 0x40 (CR, LF, "=", space),
  // which are never the second byte of a two-byte character.
  virtual std::size_t FindBytes(std::string_view needle, std::size_t from);
  virtual std::size_t RFindBytes(std::string_view needle, std::size_t end);

  // The content-changed notification goes to one handler (the worksheet).
  // Implementations call NotifyContentChanged after every change; the window
  // adapter also calls it for the control's own edits.
  void SetContentChangedHandler(std::function<void()> handler) { handler_ = std::move(handler); }
  void NotifyContentChanged() {
    modified_ = true;
    ++revision_;
    if (handler_) handler_();
  }
  // Counts the changes so far: a text that changed has a new revision.
  std::uint64_t Revision() const { return revision_; }

  bool Modified() const { return modified_; }
  void SetModified(bool modified) { modified_ = modified; }

 private:
  std::function<void()> handler_;
  bool modified_ = false;
  std::uint64_t revision_ = 0;
};

// The caret with an empty selection.
inline void PlaceCaret(EditBox& box, std::size_t position) {
  box.SetSelectionLength(0);
  box.SetCaret(position);
}

// The byte at `position`, or 0 outside the text.
inline char ByteAt(EditBox& box, std::size_t position) {
  const std::string_view byte = box.Slice(position, position + 1);
  return byte.empty() ? '\0' : byte[0];
}

// The selected bytes.
inline std::string_view SelectedText(EditBox& box) {
  const std::size_t start = box.Caret();
  return box.Slice(start, start + box.SelectionLength());
}

}  // namespace tl::sheet
