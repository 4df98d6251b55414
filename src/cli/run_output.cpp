#include "cli/run_output.h"

namespace tl::cli {

namespace {
constexpr std::size_t kWriteBytes = std::size_t{64} << 10;
}  // namespace

void RunOutput::Drain() {
  if (buffer_.size() >= kWriteBytes) Write();
}

void RunOutput::Write() {
  if (out_) {
    out_->write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  } else {
    file_->Write(buffer_);
  }
  buffer_.clear();
}

files::IoResult RunOutput::Finish() {
  Write();
  if (!out_) return file_->Commit();
  out_->flush();
  if (!*out_) return {"cannot write standard output"};
  return {};
}

}  // namespace tl::cli
