#pragma once
// The Host of the command line and the tests: the status text and the
// clipboard are kept in memory, the clock is advanced by the caller, the
// Enter hold timer only records when it is due, message boxes take their
// answers from a queue, and sent keys wait in a queue for the caller.
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "sheet/host.h"
#include "sheet/keys.h"

namespace tl::sheet {

class HeadlessHost final : public Host {
 public:
  void SetStatusText(std::string_view text) override {
    previousStatus_ = std::move(status_);
    status_ = text;
  }
  std::string StatusText() override { return status_; }
  // The message the last one replaced (what a batch showed before its count).
  const std::string& PreviousStatusText() const { return previousStatus_; }
  void SetClipboardText(std::string_view text) override { clipboard_ = text; }
  std::string ClipboardText() override { return clipboard_; }

  void StartEnterTimer(int intervalMs) override;
  void StopEnterTimer() override { timerInterval_.reset(); }
  std::uint64_t NowMs() override { return now_; }

  // Answers with the oldest queued answer, or with the request's default
  // answer when none is queued; every request is kept.
  MessageBoxAnswer ShowMessageBox(const MessageBoxRequest& request) override;

  void FocusEditBox() override { ++focusRequests_; }
  void AdjustFontSize(int points) override { fontSizeChange_ += points; }
  // Sent keys wait in a queue until the caller presses them (DeliverSentKeys
  // in key_delivery.h).
  void SendKey(int key) override { sentKeys_.push_back({key, 0}); }
  void SendCharacter(Character character) override { sentKeys_.push_back({0, character}); }
  bool IsNumLockOn() override { return numLockOn_; }

  // Moves the clock on and returns how many ticks of the Enter hold timer
  // fell due meanwhile; the caller delivers them to the worksheet.
  int AdvanceClock(std::uint64_t ms);
  bool EnterTimerRunning() const { return timerInterval_.has_value(); }

  // What the keyboard itself does on a key press before the worksheet sees
  // it: NumLock switches its state.
  void KeyPressed(int key);
  void SetNumLock(bool on) { numLockOn_ = on; }
  // A sent key press: a key by its code, or the key that types a character.
  struct SentKey {
    int key = 0;
    Character character = 0;  // when not 0, the key is the character's
  };
  // The oldest sent key not yet pressed.
  std::optional<SentKey> TakeSentKey();

  void QueueAnswer(MessageBoxAnswer answer) { answers_.push_back(answer); }
  const std::vector<MessageBoxRequest>& MessageBoxes() const { return messageBoxes_; }
  int FocusRequests() const { return focusRequests_; }
  int FontSizeChange() const { return fontSizeChange_; }

 private:
  std::string status_;
  std::string previousStatus_;
  std::string clipboard_;
  std::uint64_t now_ = 0;
  std::optional<std::uint64_t> timerInterval_;
  std::uint64_t nextTick_ = 0;
  std::deque<MessageBoxAnswer> answers_;
  std::vector<MessageBoxRequest> messageBoxes_;
  int focusRequests_ = 0;
  int fontSizeChange_ = 0;
  std::deque<SentKey> sentKeys_;
  bool numLockOn_ = true;
};

}  // namespace tl::sheet
