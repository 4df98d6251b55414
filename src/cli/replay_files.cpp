// The file menu in a replay: the document's own commands over the in-memory
// box, with the file dialog answered by the script.
#include <utility>

#include "cli/replay_session.h"
#include "text/encoding.h"

namespace tl::cli {

namespace {

namespace fs = std::filesystem;

// A script word (GBK) as a path.
fs::path PathOf(const ScriptWord& word) {
  const std::string utf8 = text::GbkToUtf8(word.text);
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

std::optional<fs::path> ReplaySession::ScriptFileDialog::Choose(sheet::FileDialogKind,
                                                                const fs::path&) {
  return std::exchange(answer, std::nullopt);
}

bool ReplaySession::RunDocumentCommand(sheet::Command command, const fs::path& chosen) {
  using sheet::Command;
  if (command != Command::New && command != Command::Open && command != Command::Save &&
      command != Command::SaveAs)
    return false;
  if (!chosen.empty()) dialog_.answer = chosen;
  sheet::DocumentContext context{box_, host_, dialog_, document_, settings_, worksheet_};
  if (command == Command::New) sheet::NewDocument(context);
  if (command == Command::Open) sheet::OpenDocument(context);
  if (command == Command::Save) sheet::Save(context);
  if (command == Command::SaveAs) sheet::SaveDocumentAs(context);
  dialog_.answer.reset();  // a path the dialog was not asked for stays unused
  return true;
}

std::string ReplaySession::OpenFile(Words args, std::ostream&) {
  RunDocumentCommand(sheet::Command::Open, PathOf(args[0]));
  return {};
}

std::string ReplaySession::SaveFile(Words args, std::ostream&) {
  RunDocumentCommand(sheet::Command::Save, PathOf(args[0]));
  return {};
}

std::string ReplaySession::SaveFileAs(Words args, std::ostream&) {
  RunDocumentCommand(sheet::Command::SaveAs, PathOf(args[0]));
  return {};
}

}  // namespace tl::cli
