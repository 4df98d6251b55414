#include "sheet/headless_host.h"

#include "sheet/keys.h"

namespace tl::sheet {

void HeadlessHost::StartEnterTimer(int intervalMs) {
  timerInterval_ = static_cast<std::uint64_t>(intervalMs > 0 ? intervalMs : 1);
  nextTick_ = now_ + *timerInterval_;
}

MessageBoxAnswer HeadlessHost::ShowMessageBox(const MessageBoxRequest& request) {
  messageBoxes_.push_back(request);
  if (answers_.empty()) return request.defaultAnswer;
  const MessageBoxAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

int HeadlessHost::AdvanceClock(std::uint64_t ms) {
  const std::uint64_t until = now_ + ms;
  int ticks = 0;
  while (timerInterval_ && nextTick_ <= until) {
    ++ticks;
    nextTick_ += *timerInterval_;
  }
  now_ = until;
  return ticks;
}

void HeadlessHost::KeyPressed(int key) {
  if (key == vk::kNumLock) numLockOn_ = !numLockOn_;
}

std::optional<HeadlessHost::SentKey> HeadlessHost::TakeSentKey() {
  if (sentKeys_.empty()) return std::nullopt;
  const SentKey key = sentKeys_.front();
  sentKeys_.pop_front();
  return key;
}

}  // namespace tl::sheet
