// Replacing a file: the new content goes to a temporary file beside the file,
// which then takes the file's place in one step.
#include <fstream>
#include <system_error>

#include "files/file_io.h"
#include "files/replace_steps.h"

namespace tl::files {

namespace fs = std::filesystem;

namespace {
IoResult SetPermissions(const fs::path& path, fs::perms permissions) {
  std::error_code failure;
  fs::permissions(path, permissions, failure);
  if (failure) return {"cannot set the file's permissions: " + failure.message()};
  return {};
}
}  // namespace

FileReplacement::FileReplacement(const fs::path& path) : file_(std::make_unique<NewFile>()) {
  // The new file goes beside the file a link leads to, where moving it over
  // that file is one step, and the link stays.
  const ResolvedPath target = ResolveLinks(path);
  if (!target.error.empty()) {
    failure_ = {target.error};
    return;
  }
  target_ = target.path;
  std::error_code failure;
  const fs::file_status old = fs::status(target_, failure);
  keepPermissions_ = !failure && fs::is_regular_file(old);
  permissions_ = old.permissions();
  temporary_ = TemporaryPathFor(target_);
  if (keepPermissions_) {
    // The temporary file takes the old file's permissions while it is still
    // empty (and writable by its owner until the content is in), so that the
    // new content is never readable by more people than the old was.
    if (!std::ofstream(temporary_, std::ios::binary)) {
      Fail({"cannot create the file"});
      return;
    }
    if (!Fail(SetPermissions(temporary_, permissions_ | fs::perms::owner_write)).ok()) return;
  }
  Fail(file_->Create(temporary_));
}

FileReplacement::~FileReplacement() {
  if (!done_) {
    file_.reset();
    std::error_code ignored;
    if (!temporary_.empty()) fs::remove(temporary_, ignored);
  }
}

IoResult FileReplacement::Fail(IoResult result) {
  if (!result.ok() && failure_.ok()) failure_ = result;
  return failure_;
}

IoResult FileReplacement::Write(std::string_view bytes) {
  if (!failure_.ok() || bytes.empty()) return failure_;
  return Fail(file_->Write(bytes));
}

IoResult FileReplacement::Commit() {
  if (!failure_.ok()) return failure_;
  if (!Fail(file_->Close()).ok()) return failure_;
  if (keepPermissions_ && !Fail(SetPermissions(temporary_, permissions_)).ok()) return failure_;
  if (!Fail(MoveOver(temporary_, target_)).ok()) return failure_;
  done_ = true;
  return {};
}

IoResult WriteWholeFile(const fs::path& path, std::string_view bytes) {
  FileReplacement replacement(path);
  replacement.Write(bytes);
  return replacement.Commit();
}

}  // namespace tl::files
