#pragma once
// Where `run` writes the evaluated text: to standard output as it comes, or
// to a file replaced in one step once all of it is written.
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

#include "files/file_io.h"

namespace tl::cli {

class RunOutput {
 public:
  explicit RunOutput(std::ostream& out) : out_(&out) {}
  explicit RunOutput(const std::filesystem::path& file) : file_(std::in_place, file) {}

  // Bytes gather here; Drain writes them once there are enough of them.
  std::string& Buffer() { return buffer_; }
  void Drain();
  // Writes the rest and replaces the file.
  files::IoResult Finish();

 private:
  void Write();
  std::ostream* out_ = nullptr;
  std::optional<files::FileReplacement> file_;
  std::string buffer_;
};

}  // namespace tl::cli
