#include <gtest/gtest.h>

#include "app/program_process_win.h"

namespace tl::app::testing {
namespace {

TEST(Program, StartsWithItsWindowAndFirstMessageThenCloses) {
  ProgramFolder folder;
  folder.WriteConfiguration("[运行设置]\r\n退出设置=1\r\n");
  ProgramProcess program(folder);
  ASSERT_NE(program.MainWindow(), nullptr) << "tallyline.exe showed no main window";
  wchar_t title[64];
  GetWindowTextW(program.MainWindow(), title, 64);
  EXPECT_STREQ(title, L"Tallyline");
  EXPECT_EQ(program.StatusText(), L"   [提示]_初始化完毕，请输入表达式!");
  ASSERT_NE(program.EditBox(), nullptr);
  EXPECT_EQ(program.EditText().size(), 388u * 2);
  EXPECT_TRUE(program.Close());
}

}  // namespace
}  // namespace tl::app::testing
