// Saving to a full disk: the old file stays whole and the sheet modified.
#include <sys/mount.h>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <csignal>

#include "sheet/document/document_test_support.h"

namespace tl::sheet::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kRoom = 64 * 1024;

// A folder with room for a few kilobytes: a small tmpfs where the test may
// mount one, otherwise a limit on the size of the files this process writes.
class FullDisk {
 public:
  explicit FullDisk(const fs::path& folder) : folder_(folder) {
    mounted_ = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") == 0;
    if (mounted_) return;
    std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &old_);
    const rlimit limited{kRoom, old_.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FullDisk() {
    if (mounted_) {
      ::umount2(folder_.c_str(), MNT_DETACH);
    } else {
      ::setrlimit(RLIMIT_FSIZE, &old_);
    }
  }

 private:
  fs::path folder_;
  bool mounted_ = false;
  rlimit old_{};
};

TEST(Document, ASaveToAFullDiskKeepsTheOldFile) {
  DocumentFixture f;
  fs::create_directory(f.File("disk"));
  FullDisk disk(f.File("disk"));
  const fs::path file = f.File("disk") / "a.txt";
  f.Put(file, "1+1=2\r\n");
  ASSERT_TRUE(Load(f.context, file));
  std::string large;
  while (large.size() < 4 * kRoom) large += "123456789+1=123456790\r\n";
  f.Edit(large);
  EXPECT_TRUE(Save(f.context));
  EXPECT_EQ(f.Read(file), "1+1=2\r\n");
  EXPECT_TRUE(f.box.Modified());
  EXPECT_TRUE(f.LastMessage().starts_with("保存文件失败！")) << f.LastMessage();
  // Nothing is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(f.File("disk")), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace tl::sheet::testing
