#include "sheet/document/document.h"

#include <gtest/gtest.h>

#include "sheet/document/document_file.h"
#include "sheet/document/document_test_support.h"
#include "sheet/worksheet/worksheet.h"

namespace tl::sheet::testing {
namespace {

namespace fs = std::filesystem;
using Answer = MessageBoxAnswer;

std::string Utf8(const char8_t* s) {
  return reinterpret_cast<const char*>(s);
}

TEST(Document, SavePromptAnswersDecideWhetherNewOpenAndExitGoOn) {
  enum class Asker { New, Open, Exit };
  struct Reply {
    const char* name;
    Answer answer;
    bool dialogConfirms;  // the save dialog after Yes
    bool goesOn;
    bool saved;
  };
  const Reply replies[] = {
      {"yes, saved", Answer::Yes, true, true, true},
      {"yes, save dialog cancelled", Answer::Yes, false, false, false},
      {"no", Answer::No, false, true, false},
      {"cancel", Answer::Cancel, false, false, false},
  };
  for (const Asker asker : {Asker::New, Asker::Open, Asker::Exit}) {
    for (const Reply& r : replies) {
      DocumentFixture f;
      f.Edit("1+1=2");
      f.host.QueueAnswer(r.answer);
      if (r.dialogConfirms) f.dialog.answers.push_back(f.File("kept.txt"));
      f.dialog.answers.push_back(std::nullopt);  // the open dialog is cancelled
      bool wentOn = false;
      switch (asker) {
        case Asker::New:
          NewDocument(f.context);
          wentOn = f.box.Text() == EmptySheetText();
          break;
        case Asker::Open:
          OpenDocument(f.context);
          wentOn = !f.dialog.asked.empty() && f.dialog.asked.back() == FileDialogKind::Open;
          break;
        case Asker::Exit:
          wentOn = !SavePrompt(f.context);
          break;
      }
      const std::string row = std::to_string(static_cast<int>(asker)) + " " + r.name;
      ASSERT_EQ(f.host.MessageBoxes().size(), 1u) << row;
      EXPECT_EQ(f.host.MessageBoxes()[0].text, "文件已经被修改，是否保存？") << row;
      EXPECT_EQ(f.host.MessageBoxes()[0].title, "询问") << row;
      EXPECT_EQ(f.host.MessageBoxes()[0].buttons, MessageBoxButtons::YesNoCancel) << row;
      EXPECT_EQ(wentOn, r.goesOn) << row;
      EXPECT_EQ(f.Read(f.File("kept.txt")), r.saved ? "1+1=2" : "") << row;
      if (!r.goesOn) {
        EXPECT_EQ(f.box.Text(), "1+1=2") << row;
      }
    }
  }
}

TEST(Document, AnUnmodifiedSheetIsReplacedWithoutAQuestion) {
  DocumentFixture f;
  f.Put(f.File("a.txt"), "2*3=6\r\n");
  ASSERT_TRUE(Load(f.context, f.File("a.txt")));
  NewDocument(f.context);
  EXPECT_TRUE(f.host.MessageBoxes().empty());
  EXPECT_EQ(f.box.Text(), EmptySheetText());
  EXPECT_FALSE(f.box.Modified());
  EXPECT_TRUE(f.document.fileName.empty());
}

// Save asks for a name only while the sheet has none; Save As always asks
// and the file it saves to becomes the sheet's.
TEST(Document, SaveAsksForANameOnlyWhenTheSheetHasNone) {
  DocumentFixture f;
  f.Edit("1+1=2");
  f.dialog.answers = {f.File("a.txt"), f.File("b.txt")};
  EXPECT_FALSE(Save(f.context));
  EXPECT_EQ(f.document.fileName, f.File("a.txt"));
  EXPECT_FALSE(f.box.Modified());
  EXPECT_EQ(f.host.StatusText(), "   [提示]_文件已保存");
  EXPECT_EQ(f.Read(f.File("a.txt")), "1+1=2");  // exactly the sheet's bytes
  SaveDocumentAs(f.context);
  EXPECT_EQ(f.document.fileName, f.File("b.txt"));
  f.Edit("总计 7");
  EXPECT_FALSE(Save(f.context));
  EXPECT_EQ(f.dialog.asked,
            (std::vector<FileDialogKind>{FileDialogKind::Save, FileDialogKind::SaveAs}));
  EXPECT_EQ(f.Read(f.File("b.txt")), "总计 7");
  EXPECT_EQ(f.Read(f.File("a.txt")), "1+1=2");
}

// A file opened and saved gives back its own form: UTF-8 and LF stay, and
// plain ASCII is GBK, so that Chinese typed into it is saved as GBK.
TEST(Document, FilesAreSavedInTheFormTheyWereOpenedIn) {
  struct Case {
    std::string bytes;
    std::string typed;  // put before the text
    std::string saved;
  };
  const Case cases[] = {
      {Utf8(u8"\uFEFF总计\n÷3\n"), "", Utf8(u8"\uFEFF总计\n÷3\n")},
      {"1+1\n", "总计", "总计1+1\n"},
  };
  for (const Case& c : cases) {
    DocumentFixture f;
    f.Put(f.File("doc.txt"), c.bytes);
    ASSERT_TRUE(Load(f.context, f.File("doc.txt"))) << f.LastMessage();
    EXPECT_FALSE(f.box.Modified());
    f.box.ReplaceSelection(c.typed);
    EXPECT_FALSE(Save(f.context));
    EXPECT_EQ(f.Read(f.File("doc.txt")), c.saved) << c.bytes;
  }
}

// Each 0x00 is read as a space (never a second byte) and counted; 0x1A is text.
TEST(Document, NothingAfterANulByteIsLost) {
  const DocumentText read = ReadDocument(std::string("\xD6\0\xD0\x1A\0\n", 6));
  EXPECT_EQ(read.text, "\xD6 \xD0\x1A \r\n");
  EXPECT_EQ(
      OpenedMessage(read),
      "   [提示]_文件已打开（GBK 编码，LF 换行），保存时保持此格式；2 个 0x00 字节已替换为空格");
}

TEST(Document, AFailedOpenChangesNothing) {
  struct Case {
    const char* name;
    std::string bytes;  // written to the file unless `folder`
    bool folder;
    std::string reason;  // part of the message
  };
  const Case cases[] = {
      {"missing", "", false, "文件不存在"},
      {"folder", "", true, "文件夹"},
      {"utf-8 beyond gbk", Utf8(u8"1+1\n2+2\n\U0001F600=3\n"), false, "第 3 行"},
      {"utf-16",
       "\xFF\xFE"
       "1\0",
       false, "UTF-16"},
  };
  for (const Case& c : cases) {
    DocumentFixture f;
    f.Put(f.File("a.txt"), "5*5\r\n");
    ASSERT_TRUE(Load(f.context, f.File("a.txt")));
    f.Edit("5*5=25\r\n");
    const fs::path target = f.File("b.txt");
    if (c.folder) fs::create_directory(target);
    if (!c.folder && !c.bytes.empty()) f.Put(target, c.bytes);
    EXPECT_FALSE(Load(f.context, target)) << c.name;
    EXPECT_EQ(f.box.Text(), "5*5=25\r\n") << c.name;
    EXPECT_TRUE(f.box.Modified()) << c.name;
    EXPECT_EQ(f.document.fileName, f.File("a.txt")) << c.name;
    const MessageBoxRequest& shown = f.host.MessageBoxes().back();
    EXPECT_TRUE(shown.text.starts_with("打开文件失败！")) << c.name;
    EXPECT_NE(shown.text.find(c.reason), std::string::npos) << c.name << ": " << shown.text;
    EXPECT_EQ(shown.title, "错误") << c.name;
    EXPECT_EQ(shown.icon, MessageBoxIcon::Error) << c.name;
  }
}

// A failed save says so, keeps the old file whole and the sheet modified,
// and the command that asked for it does not go on.
TEST(Document, AFailedSaveKeepsTheOldFileAndCancelsTheCommand) {
  struct Case {
    const char* name;
    void (*block)(const fs::path& file);
  };
  const Case cases[] = {
      {"read-only file",
       [](const fs::path& file) { fs::permissions(file, fs::perms::owner_read); }},
      {"folder gone", [](const fs::path& file) { fs::remove_all(file.parent_path()); }},
  };
  for (const Case& c : cases) {
    DocumentFixture f;
    fs::create_directory(f.File("d"));
    const fs::path file = f.File("d") / "a.txt";
    f.Put(file, "old\r\n");
    ASSERT_TRUE(Load(f.context, file));
    f.Edit("new\r\n");
    c.block(file);
    f.host.QueueAnswer(Answer::Yes);
    NewDocument(f.context);
    EXPECT_EQ(f.box.Text(), "new\r\n") << c.name;
    EXPECT_TRUE(f.box.Modified()) << c.name;
    EXPECT_EQ(f.document.fileName, file) << c.name;
    EXPECT_TRUE(f.LastMessage().starts_with("保存文件失败！")) << c.name << f.LastMessage();
    if (files::FileExists(file)) {
      EXPECT_EQ(f.Read(file), "old\r\n") << c.name;
      fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
    }
  }
}

TEST(Document, DropsReplaceTheSheet) {
  DocumentFixture f;
  f.Put(f.File("a.txt"), "1+2=3\r\n");
  f.Put(f.File("b.txt"), "4+4=8\r\n");
  ASSERT_TRUE(Load(f.context, f.File("a.txt")));

  // Text is an edit of the open document; line breaks become CR LF.
  DropText(f.context, "9*9\n10");
  EXPECT_EQ(f.box.Text(), "9*9\r\n10");
  EXPECT_TRUE(f.box.Modified());
  EXPECT_EQ(f.document.fileName, f.File("a.txt"));

  // A folder fails as an open does.
  DropFile(f.context, f.folder.path());
  EXPECT_EQ(f.box.Text(), "9*9\r\n10");
  EXPECT_TRUE(f.LastMessage().starts_with("打开文件失败！"));

  // A file opens, after the question the modified sheet asks.
  f.host.QueueAnswer(Answer::No);
  DropFile(f.context, f.File("b.txt"));
  EXPECT_EQ(f.host.MessageBoxes().back().text, "文件已经被修改，是否保存？");
  EXPECT_EQ(f.box.Text(), "4+4=8\r\n");
  EXPECT_EQ(f.document.fileName, f.File("b.txt"));
  EXPECT_FALSE(f.box.Modified());
  EXPECT_EQ(f.Read(f.File("a.txt")), "1+2=3\r\n");
  // Its undo history starts afresh.
  f.sheet.Execute(Command::Undo);
  EXPECT_EQ(f.box.Text(), "4+4=8\r\n");
}

// An opened file is checked as "&R.检查结果" checks the sheet, which only
// reads it: the file stays unmodified.
TEST(Document, OpeningSaysHowManyResultsAreStale) {
  DocumentFixture f;
  f.Put(f.File("doc.txt"), "1+1=2\r\n2*3=7\r\n5-1=3");
  ASSERT_TRUE(Load(f.context, f.File("doc.txt"))) << f.LastMessage();
  EXPECT_EQ(f.host.StatusText(),
            "   [提示]_文件中有 2 处结果已过期，按 F6 查看；文件已打开（GBK 编码，CR LF 换行）");
  Worksheet worksheet(f.box, f.host, f.settings);
  const std::uint64_t revision = f.box.Revision();
  worksheet.Execute(Command::CheckResults);
  EXPECT_EQ(f.box.SelectionLength(), 1u);
  EXPECT_EQ(f.box.Revision(), revision);
  EXPECT_FALSE(f.box.Modified());
}

}  // namespace
}  // namespace tl::sheet::testing
