// The file menu through replay: the document's own commands, with the paths
// the file dialog is given.
#include <gtest/gtest.h>

#include "cli/cli_test_support.h"
#include "cli/commands.h"

namespace tl::cli {
namespace {

using testing::Utf8;

std::string WithFolder(std::string script, const std::string& folder) {
  for (std::size_t p = script.find("DIR"); p != std::string::npos; p = script.find("DIR", p))
    script.replace(p, 3, folder);
  return script;
}

TEST(ReplayFiles, FilesComeBackAsTheyWere) {
  const struct {
    const char* name;
    std::string file;  // a.txt before the script
    const char8_t* script;
    const char8_t* text;  // the sheet's text at the end, as print shows it
    std::string saved;    // b.txt after the script
  } cases[] = {
      {"a GBK sheet edited and saved is GBK", "\xD0\xA1 1+1=2\r\n",
       u8"open \"DIR/a.txt\"\ntype \"合计\"\nsave-as \"DIR/b.txt\"\n", u8"合计小 1+1=2\\r\\n",
       "\xBA\xCF\xBC\xC6\xD0\xA1 1+1=2\r\n"},
      {"a GBK 3脳2 is never multiplied",
       "3\xC3\x97"
       "2",
       u8"set 动态刷新 假\nopen \"DIR/a.txt\"\nkey End\nkey Enter\nkey Ctrl+S\n"
       u8"save-as \"DIR/b.txt\"\n",
       u8"3脳2=32",
       "3\xC3\x97"
       "2=32"},  // 忽略汉字: the hanzi is left out
      {"undo after Open never shows the sheet before it", "1+1=2",
       u8"text \"9*9\"\nanswer no\nopen \"DIR/a.txt\"\nkey Ctrl+Z\nkey Ctrl+Z\nkey Ctrl+S\n"
       u8"save-as \"DIR/b.txt\"\n",
       u8"1+1=2", "1+1=2"},
      {"undo after New neither", "",
       u8"text \"9*9\"\nanswer no\ncommand \"&N.新建\"\nkey Ctrl+Z\nkey Ctrl+A\nkey Delete\n"
       u8"type \"7\"\nsave \"DIR/b.txt\"\n",
       u8"7", "7"},
      {"a 0x00 byte is read as a space",
       std::string("1+1=2\0"
                   "3*3\r\n\x1A",
                   12),
       u8"open \"DIR/a.txt\"\nsave-as \"DIR/b.txt\"\n", u8"1+1=2 3*3\\r\\n\\x1A",
       "1+1=2 3*3\r\n\x1A"},
  };
  for (const auto& c : cases) {
    testing::ScratchFolder folder;
    if (!c.file.empty()) testing::WriteFile(folder / "a.txt", c.file);
    const testing::Invocation run =
        testing::Invoke(ReplayCommand, {"-"},
                        WithFolder(Utf8(c.script), folder.path().generic_string()) + "print\n");
    EXPECT_EQ(run.status, kExitSuccess) << c.name << ": " << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "text: \"" + Utf8(c.text) + "\"") << c.name;
    EXPECT_EQ(testing::ReadFile(folder / "b.txt"), c.saved) << c.name;
  }
}

TEST(ReplayFiles, TheOpenStatusCountsTheReplacedBytes) {
  testing::ScratchFolder folder;
  testing::WriteFile(folder / "a.txt", std::string("\0\0"
                                                   "1\n",
                                                   4));
  const testing::Invocation run = testing::Invoke(
      ReplayCommand, {"-"}, "open \"" + (folder / "a.txt").generic_string() + "\"\nprint\n");
  EXPECT_NE(
      run.out.find(Utf8(u8"status: \"   [提示]_文件已打开（GBK 编码，LF 换行），保存时保持此格式；"
                        u8"2 个 0x00 字节已替换为空格\"")),
      std::string::npos)
      << run.out;
}

}  // namespace
}  // namespace tl::cli
