#pragma once
// A document over the in-memory box and the headless host, with a file dialog
// that answers from a queue, in a fresh folder.
#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "files/file_io.h"
#include "files/temp_folder.h"
#include "sheet/document.h"
#include "sheet/headless_host.h"
#include "sheet/memory_edit_box.h"
#include "sheet/worksheet.h"

namespace tl::sheet::testing {

class QueuedFileDialog final : public FileDialog {
 public:
  std::optional<std::filesystem::path> Choose(FileDialogKind kind,
                                              const std::filesystem::path&) override {
    asked.push_back(kind);
    if (answers.empty()) return std::nullopt;
    std::optional<std::filesystem::path> answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::deque<std::optional<std::filesystem::path>> answers;  // none: cancelled
  std::vector<FileDialogKind> asked;
};

struct DocumentFixture {
  files::testing::TempFolder folder;
  MemoryEditBox box;
  HeadlessHost host;
  QueuedFileDialog dialog;
  Document document;
  settings::Settings settings;
  Worksheet sheet{box, host, settings};
  DocumentContext context{box, host, dialog, document, settings, sheet};

  std::filesystem::path File(const char* name) const { return folder.path() / name; }
  static void Put(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string Read(const std::filesystem::path& path) {
    return files::ReadWholeFile(path).bytes;
  }
  // A modified sheet holding `text`.
  void Edit(std::string_view text) { box.SetText(text); }
  // The text of the last message box, empty when none was shown.
  std::string LastMessage() const {
    return host.MessageBoxes().empty() ? std::string() : host.MessageBoxes().back().text;
  }
};

}  // namespace tl::sheet::testing
