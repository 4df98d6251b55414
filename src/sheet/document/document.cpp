#include "sheet/document/document.h"

#include <string>
#include <system_error>

#include "files/file_io.h"
#include "sheet/document/document_file.h"
#include "sheet/worksheet/stale_results.h"
#include "sheet/worksheet/worksheet.h"
#include "text/encoding.h"

namespace tl::sheet {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSaveQuestion = "文件已经被修改，是否保存？";
constexpr std::string_view kQuestionTitle = "询问";
constexpr std::string_view kOpenFailed = "打开文件失败！";
constexpr std::string_view kSaveFailed = "保存文件失败！";
constexpr std::string_view kErrorTitle = "错误";
constexpr std::string_view kSaved = "   [提示]_文件已保存";

// The GBK text of a file name, for messages.
std::string FileNameText(const fs::path& name) {
  return text::Utf16ToGbk(name.u16string());
}

// "打开文件失败！", the file and the reason, with the stop icon.
void ShowFailure(Host& host, std::string_view what, const fs::path& name, std::string_view reason) {
  MessageBoxRequest request;
  request.text = std::string(what) + "\r\n\r\n" + FileNameText(name) + "\r\n" + std::string(reason);
  request.title = kErrorTitle;
  request.icon = MessageBoxIcon::Error;
  host.ShowMessageBox(request);
}

// Why the file cannot be read as a document; empty when it can.
std::string ReadFailure(const fs::path& name, const files::FileContent& content) {
  if (!content.exists) return "文件不存在。";
  if (content.error.empty()) return {};
  std::error_code ignored;
  if (fs::is_directory(name, ignored)) return "这是一个文件夹，不是文件。";
  return "无法读取文件（" + content.error + "）。";
}

// The document in `name`, or none after the open-failure message.
std::optional<DocumentText> ReadFile(DocumentContext& c, const fs::path& name) {
  files::FileContent content = files::ReadWholeFile(name);
  std::string reason = ReadFailure(name, content);
  std::optional<DocumentText> read;
  if (reason.empty()) {
    read = ReadDocument(std::move(content.bytes));
    reason = read->error;
  }
  if (reason.empty()) return read;
  ShowFailure(c.host, kOpenFailed, name, reason);
  return std::nullopt;
}

void TakeDocument(DocumentContext& c, const fs::path& name, const DocumentText& read) {
  c.box.SetText(read.text);
  c.box.SetModified(false);
  c.sheet.StartNewHistory();
  c.document = {name, read.form};
  // The file's form and the stale results in one message: neither hides the other.
  c.host.SetStatusText(OpenedWithStaleResults(OpenedMessage(read), c.box.Text(), c.settings));
}

// Why `bytes` could not be written to `name`; empty on success. The old file
// stays whole on any failure.
std::string WriteFailure(const fs::path& name, std::string_view bytes) {
  if (files::IsReadOnly(name)) return "文件是只读的。";
  const files::IoResult written = files::WriteWholeFile(name, bytes);
  if (written.ok()) return {};
  std::string reason = "无法写入文件（" + written.error + "）。";
  if (files::FileExists(name)) reason += "原来的文件没有改变。";
  return reason;
}

// Every line break made CR LF: a lone CR or LF as well.
std::string WithCrLf(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t p = 0; p < text.size(); ++p) {
    const char c = text[p];
    if (c != '\r' && c != '\n') {
      result += c;
      continue;
    }
    result += "\r\n";
    if (c == '\r' && p + 1 < text.size() && text[p + 1] == '\n') ++p;
  }
  return result;
}

}  // namespace

bool SavePrompt(DocumentContext& c) {
  if (!c.box.Modified()) return false;
  MessageBoxRequest request;
  request.text = kSaveQuestion;
  request.title = kQuestionTitle;
  request.buttons = MessageBoxButtons::YesNoCancel;
  request.icon = MessageBoxIcon::Question;
  request.defaultAnswer = MessageBoxAnswer::Yes;
  switch (c.host.ShowMessageBox(request)) {
    case MessageBoxAnswer::No:
      return false;
    case MessageBoxAnswer::Yes:
      return Save(c);
    default:
      return true;
  }
}

bool Save(DocumentContext& c, const fs::path& name) {
  fs::path target = name.empty() ? c.document.fileName : name;
  if (target.empty()) {
    std::optional<fs::path> chosen = c.dialog.Choose(FileDialogKind::Save, {});
    if (!chosen) return true;
    target = *chosen;
  }
  const std::string reason =
      WriteFailure(target, WriteDocument(std::string(c.box.Text()), c.document.form));
  if (!reason.empty()) {
    ShowFailure(c.host, kSaveFailed, target, reason);
    return true;
  }
  c.box.SetModified(false);
  c.document.fileName = target;
  c.host.SetStatusText(kSaved);
  return false;
}

bool Load(DocumentContext& c, const fs::path& name) {
  const std::optional<DocumentText> read = ReadFile(c, name);
  if (read) TakeDocument(c, name, *read);
  return read.has_value();
}

void NewDocument(DocumentContext& c) {
  if (SavePrompt(c)) return;
  c.box.SetText(EmptySheetText());
  c.box.SetModified(false);
  c.sheet.StartNewHistory();
  c.document = {};
}

void OpenDocument(DocumentContext& c) {
  if (SavePrompt(c)) return;
  if (std::optional<fs::path> chosen = c.dialog.Choose(FileDialogKind::Open, c.document.fileName))
    Load(c, *chosen);
}

void SaveDocumentAs(DocumentContext& c) {
  if (std::optional<fs::path> chosen = c.dialog.Choose(FileDialogKind::SaveAs, c.document.fileName))
    Save(c, *chosen);
}

void DropFile(DocumentContext& c, const fs::path& name) {
  const std::optional<DocumentText> read = ReadFile(c, name);
  if (read && !SavePrompt(c)) TakeDocument(c, name, *read);
}

void DropText(DocumentContext& c, std::string_view text) {
  c.box.SetText(WithCrLf(text.substr(0, text.find('\0'))));
}

}  // namespace tl::sheet
