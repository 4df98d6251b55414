#pragma once
// The worksheet as a document: the file it was last opened from or saved to,
// and the commands of the file menu and of a drop over the EditBox, the Host
// and a file dialog. A failed open leaves the sheet, its file and its
// modified flag as they were; a failed save says why, keeps the sheet
// modified and cancels whatever asked for it, so that no text that could not
// be saved is thrown away.
#include <filesystem>
#include <optional>
#include <string_view>

#include "files/text_file.h"
#include "settings/settings.h"
#include "sheet/edit_box.h"
#include "sheet/host.h"
#include "sheet/worksheet.h"

namespace tl::sheet {

struct Document {
  std::filesystem::path fileName;  // the file last opened or saved; empty for none
  files::FileForm form;            // what Save writes: the form the file was read in
};

enum class FileDialogKind { Open, Save, SaveAs };

// The shared file dialog: filter "文本文件(*.txt)", default extension "txt",
// titled "打开：", "保存：" or "另存为：".
class FileDialog {
 public:
  virtual ~FileDialog() = default;
  // The file the user confirmed, none when the dialog was cancelled.
  // `suggested` is the current file, where the dialog starts (may be empty).
  virtual std::optional<std::filesystem::path> Choose(FileDialogKind kind,
                                                      const std::filesystem::path& suggested) = 0;
};

struct DocumentContext {
  EditBox& box;
  Host& host;
  FileDialog& dialog;
  Document& document;
  const settings::Settings& settings;  // what an opened sheet's results are checked with
  Worksheet& sheet;                    // a new document starts its undo history afresh
};

// The question before the sheet is replaced or the program ends: nothing is
// asked of a sheet that is not modified; Yes saves. True when the command
// must not go on: the user cancelled, or the save was cancelled or failed.
bool SavePrompt(DocumentContext& context);

// Saves to `name`, or with none to the current file, or to a file the dialog
// "保存：" asks for when there is no current file. True when cancelled or
// failed (the failure is reported in a message box).
bool Save(DocumentContext& context, const std::filesystem::path& name = {});

// Reads `name` and makes it the sheet and the current file; on failure says
// why and changes nothing. True on success.
bool Load(DocumentContext& context, const std::filesystem::path& name);

// "&N.新建", "&O.打开", "&S.保存", "&A.另存为". New and Open start a fresh
// undo history.
void NewDocument(DocumentContext& context);
void OpenDocument(DocumentContext& context);
void SaveDocumentAs(DocumentContext& context);

// A file dropped on the window opens as "&O.打开" would open it: it is read
// first (an unreadable one changes nothing), then the save prompt; the undo
// history starts afresh. Dropped
// text (GBK) replaces the sheet as an edit would: the file stays current and
// the sheet is modified.
void DropFile(DocumentContext& context, const std::filesystem::path& name);
void DropText(DocumentContext& context, std::string_view text);

}  // namespace tl::sheet
