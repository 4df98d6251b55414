#pragma once
// When the running backup of the sheet (退出保存) falls due: a quiet delay
// after the last change, so that a write never comes between keys, and never
// while a worksheet event or command is under way (a modal question inside
// one lets the window's timer tick). The window asks on every tick of a
// timer; the changes are counted by the edit box (EditBox::Revision).
#include <cstdint>

namespace tl::sheet {

class BackupSchedule {
 public:
  static constexpr std::uint64_t kQuietMs = 3000;
  static constexpr std::uint64_t kTickMs = 500;  // how often the window asks

  // `revision`: the sheet as it stands, which needs no backup (it is the
  // one start-up restored or made).
  explicit BackupSchedule(std::uint64_t revision = 0) : seen_(revision), saved_(revision) {}

  // True when the sheet of `revision` should be written now. `busy`: a
  // worksheet event or command is under way.
  bool Due(std::uint64_t now, std::uint64_t revision, bool busy);

  // The outcome of the write Due asked for. A failed write is tried again
  // after another quiet delay. True when the failure is news to report: the
  // first after a write that worked.
  bool Attempted(std::uint64_t now, std::uint64_t revision, bool written);

 private:
  std::uint64_t seen_;            // the revision the last tick saw
  std::uint64_t lastChange_ = 0;  // when a tick first saw it
  std::uint64_t saved_;           // the revision the backup holds
  bool failing_ = false;
};

}  // namespace tl::sheet
