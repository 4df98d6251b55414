// The file menu in the real program: its questions and dialogs answered the
// way a person answers them, found by their titles.
#include <gtest/gtest.h>

#include <fstream>

#include "app/frame/menus.h"
#include "app/kit/win_text.h"
#include "app/program_process_win.h"

namespace tl::app::testing {
namespace {

using sheet::Command;
namespace fs = std::filesystem;

constexpr int kFileNameCombo = 0x47C;  // the common dialog's file name box (cmb13)
constexpr int kFileNameEdit = 0x480;   // its older form (edt1)
constexpr int kMessageText = 0xFFFF;   // a message box's text

void Put(const fs::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// Types `file` into the dialog's file name box and presses its OK button.
void ConfirmFileDialog(HWND dialog, const fs::path& file) {
  if (!SetDlgItemTextW(dialog, kFileNameCombo, file.c_str()))
    SetDlgItemTextW(dialog, kFileNameEdit, file.c_str());
  PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
}

void Press(HWND box, int button) {
  PostMessageW(box, WM_COMMAND, button, 0);
}

std::wstring MessageText(HWND box) {
  wchar_t text[1024] = L"";
  GetDlgItemTextW(box, kMessageText, text, 1024);
  return text;
}

bool WaitForFile(const fs::path& file) {
  for (int i = 0; i < 100 && !fs::exists(file); ++i) Sleep(50);
  return fs::exists(file);
}

class DocumentWindowTest : public ::testing::Test {
 protected:
  DocumentWindowTest() { folder.WriteConfiguration("[运行设置]\r\n退出设置=1\r\n动态刷新=假\r\n"); }
  fs::path Document(const wchar_t* name) const { return folder.Executable().parent_path() / name; }

  ProgramFolder folder;
};

TEST_F(DocumentWindowTest, SaveAsksForANameThenWritesTheSheetsBytes) {
  ProgramProcess program(folder);
  program.Type(L"1+1");
  program.Press(VK_RETURN);
  program.PostCommand(CommandId(Command::Save));
  HWND dialog = program.WaitForWindow(L"保存：");
  ASSERT_NE(dialog, nullptr);
  ConfirmFileDialog(dialog, Document(L"算式"));  // the dialog adds ".txt"
  const fs::path file = Document(L"算式.txt");
  ASSERT_TRUE(WaitForFile(file));
  Sleep(200);
  EXPECT_EQ(ProgramFolder::Read(file), Gbk(program.EditText()));
  EXPECT_EQ(ProgramFolder::Read(file).substr(0, 7), "1+1=2\r\n");
  EXPECT_EQ(program.Title(), L"Tallyline - " + file.wstring());
  EXPECT_TRUE(program.Close());  // saved: nothing to ask
}

// Cancel keeps the program; No ends it without saving.
TEST_F(DocumentWindowTest, ExitAsksToSaveAModifiedSheet) {
  ProgramProcess program(folder);
  program.Type(L"7");
  for (const int answer : {IDCANCEL, IDNO}) {
    program.PostCommand(CommandId(Command::Exit));
    HWND question = program.WaitForWindow(L"询问");
    ASSERT_NE(question, nullptr) << answer;
    EXPECT_EQ(MessageText(question), L"文件已经被修改，是否保存？");
    Press(question, answer);
    EXPECT_EQ(program.WaitForExit(answer == IDNO ? 10000 : 1000), answer == IDNO) << answer;
  }
}

TEST_F(DocumentWindowTest, OpenRefusesWhatItCannotHoldAndKeepsUtf8AsItCame) {
  Put(Document(L"emoji.txt"), reinterpret_cast<const char*>(u8"1+1=2 \U0001F600\n"));
  Put(Document(L"utf8.txt"), reinterpret_cast<const char*>(u8"总计\n1+1=2\n"));
  ProgramProcess program(folder);
  const std::wstring before = program.EditText();

  program.PostCommand(CommandId(Command::Open));
  HWND dialog = program.WaitForWindow(L"打开：");
  ASSERT_NE(dialog, nullptr);
  ConfirmFileDialog(dialog, Document(L"emoji.txt"));
  HWND failure = program.WaitForWindow(L"错误");
  ASSERT_NE(failure, nullptr);
  const std::wstring message = MessageText(failure);
  EXPECT_EQ(message.substr(0, 7), L"打开文件失败！");
  EXPECT_NE(message.find(L"第 1 行"), std::wstring::npos) << Gbk(message);
  Press(failure, IDOK);
  EXPECT_EQ(program.EditText(), before);
  EXPECT_EQ(program.Title(), L"Tallyline");

  program.PostCommand(CommandId(Command::Open));
  dialog = program.WaitForWindow(L"打开：");
  ASSERT_NE(dialog, nullptr);
  ConfirmFileDialog(dialog, Document(L"utf8.txt"));
  for (int i = 0; i < 100 && program.EditText() == before; ++i) Sleep(50);
  EXPECT_EQ(program.EditText(), L"总计\r\n1+1=2\r\n");
  EXPECT_EQ(program.Title(), L"Tallyline - " + Document(L"utf8.txt").wstring());
  EXPECT_NE(program.StatusText().find(L"UTF-8"), std::wstring::npos);

  program.Type(L"2*3");  // at the start of the first line
  program.Command(CommandId(Command::Save));
  EXPECT_EQ(ProgramFolder::Read(Document(L"utf8.txt")),
            reinterpret_cast<const char*>(u8"2×3总计\n1+1=2\n"));
  EXPECT_TRUE(program.Close());
}

TEST_F(DocumentWindowTest, PrintingWithoutAPrinterSaysSo) {
  ProgramProcess program(folder);
  program.PostCommand(CommandId(Command::Print));
  HWND box = program.WaitForWindow(L"打印");
  ASSERT_NE(box, nullptr);
  EXPECT_NE(MessageText(box).find(L"没有安装打印机"), std::wstring::npos) << Gbk(MessageText(box));
  Press(box, IDOK);
  EXPECT_TRUE(program.Close());
}

}  // namespace
}  // namespace tl::app::testing
