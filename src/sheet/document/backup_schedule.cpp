#include "sheet/document/backup_schedule.h"

namespace tl::sheet {

bool BackupSchedule::Due(std::uint64_t now, std::uint64_t revision, bool busy) {
  if (revision != seen_) {
    seen_ = revision;
    lastChange_ = now;
    return false;
  }
  return revision != saved_ && !busy && now - lastChange_ >= kQuietMs;
}

bool BackupSchedule::Attempted(std::uint64_t now, std::uint64_t revision, bool written) {
  const bool news = !written && !failing_;
  failing_ = !written;
  if (written)
    saved_ = revision;
  else
    lastChange_ = now;
  return news;
}

}  // namespace tl::sheet
