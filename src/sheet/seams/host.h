#pragma once
// Everything the worksheet needs from the platform besides the edit box: the
// status bar, the clipboard, the Enter hold timer, a millisecond clock,
// message boxes, the edit box's focus and font size, and synthetic key
// presses. The window implements it over Win32; the
// command line and the tests use HeadlessHost.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "sheet/seams/command.h"
#include "sheet/seams/keys.h"
#include "sheet/worksheet/status_messages.h"

namespace tl::sheet {

enum class MessageBoxButtons { Ok, OkCancel, YesNo, YesNoCancel, CancelTryContinue };
enum class MessageBoxIcon { None, Information, Question, Warning, Error };
enum class MessageBoxAnswer { Ok, Cancel, Yes, No, TryAgain, Continue };

struct MessageBoxRequest {
  std::string text;
  std::string title;
  MessageBoxButtons buttons = MessageBoxButtons::Ok;
  MessageBoxIcon icon = MessageBoxIcon::None;
  MessageBoxAnswer defaultAnswer = MessageBoxAnswer::Ok;  // the button Enter would press
};

class Host {
 public:
  virtual ~Host() = default;

  // The status bar's text (its only part).
  virtual void SetStatusText(std::string_view text) = 0;
  virtual std::string StatusText() = 0;
  // The caret-position message of a line and column (both from 1). A host
  // that shows no status text as it comes (a batch run) may keep the two
  // numbers and write the text only when StatusText asks for it.
  virtual void SetCaretPositionStatus(std::size_t line, std::size_t column) {
    SetStatusText(msg::CaretPosition(line, column));
  }

  // The time an evaluation has taken since `startedMs`. A host whose edits
  // reach the screen only after the worksheet returns counts them in.
  virtual void ShowElapsed(std::uint64_t startedMs) {
    SetStatusText(msg::Elapsed(NowMs() - startedMs));
  }

  // Clipboard text (GBK).
  virtual void SetClipboardText(std::string_view text) = 0;
  virtual std::string ClipboardText() = 0;
  // False when the clipboard's text holds a character that GBK cannot hold
  // (an emoji), which ClipboardText gives as "?".
  virtual bool ClipboardFitsGbk() { return true; }

  // The Enter hold timer: (re)started with an interval, ticks call
  // Worksheet::OnEnterTimer until it is stopped.
  virtual void StartEnterTimer(int intervalMs) = 0;
  virtual void StopEnterTimer() = 0;

  // Milliseconds from any fixed point.
  virtual std::uint64_t NowMs() = 0;

  virtual MessageBoxAnswer ShowMessageBox(const MessageBoxRequest& request) = 0;

  // Gives the worksheet edit box the keyboard focus.
  virtual void FocusEditBox() = 0;
  // Changes the worksheet font size by `points` (Ctrl+"-", Ctrl+"=").
  virtual void AdjustFontSize(int points) = 0;

  // The keyboard, for NumLock used as a delete key and for the virtual
  // keyboard: a key press (down and up) that reaches the worksheet after the
  // current event, like the user's own; the key press that types a character
  // through the keyboard layout (Shift and the like held as the layout needs
  // them); and the NumLock state. A host that takes no key presses (a batch
  // run) keeps these defaults: nothing is sent and NumLock stays on.
  virtual void SendKey(int /*key*/) {}
  virtual void SendCharacter(Character /*character*/) {}
  virtual bool IsNumLockOn() { return true; }
};

}  // namespace tl::sheet
