#include "cli/input_file.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "files/file_io.h"

namespace tl::cli {

namespace {

namespace fs = std::filesystem;

// Whole inputs are read a mebibyte at a time, pieces 64 KiB at a time.
constexpr std::size_t kWholeReadSize = std::size_t{1} << 20;
constexpr std::size_t kReadSize = std::size_t{64} << 10;

std::string TooLarge(std::string_view name, std::size_t limit) {
  const bool mebibytes = limit % (std::size_t{1} << 20) == 0;
  return InputName(name) + " holds more than " +
         (mebibytes ? std::to_string(limit >> 20) + " MiB" : std::to_string(limit) + " bytes") +
         ", the most tallyline-cli takes";
}

// Appends everything `in` holds; false when it holds more than `limit` bytes.
// `expected` bytes are read in one go, without a zero-filled reserve.
bool ReadAll(std::istream& in, std::size_t expected, std::size_t limit, std::string& bytes) {
  if (expected > 0) {
    bytes.resize(expected);
    in.read(bytes.data(), static_cast<std::streamsize>(expected));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (!in || in.peek() == std::char_traits<char>::eof()) return true;
  }
  for (;;) {
    const std::size_t used = bytes.size();
    bytes.resize(used + kWholeReadSize);
    in.read(bytes.data() + used, static_cast<std::streamsize>(kWholeReadSize));
    bytes.resize(used + static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > limit) return false;
    if (!in) return true;
  }
}

}  // namespace

std::string InputName(std::string_view name) {
  return name == "-" ? "standard input" : "'" + std::string(name) + "'";
}

InputBytes ReadInput(std::string_view name, std::istream& standardInput, std::size_t limit) {
  InputBytes input;
  if (name == "-") {
    if (!ReadAll(standardInput, 0, limit, input.bytes)) input.error = TooLarge(name, limit);
    if (standardInput.bad()) input.error = "cannot read standard input";
    if (!input.error.empty()) input.bytes = {};
    return input;
  }
  const files::ResolvedPath target =
      files::ResolveLinks(fs::path(std::u8string(name.begin(), name.end())));
  if (!target.error.empty()) {
    input.error = InputName(name) + ": " + target.error;
    return input;
  }
  const fs::path& path = target.path;
  std::error_code failure;
  const fs::file_status status = fs::status(path, failure);
  if (status.type() == fs::file_type::not_found) {
    input.error = InputName(name) + ": no such file";
    return input;
  }
  if (failure) {
    input.error = "cannot read " + InputName(name) + ": " + failure.message();
    return input;
  }
  if (fs::is_directory(status)) {
    input.error = InputName(name) + " is a folder, not a file";
    return input;
  }
  std::size_t expected = 0;
  if (fs::is_regular_file(status)) {
    const std::uintmax_t size = fs::file_size(path, failure);
    if (!failure && size > limit) {
      input.error = TooLarge(name, limit);
      return input;
    }
    if (!failure) expected = static_cast<std::size_t>(size);
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    input.error = "cannot open " + InputName(name) + " for reading";
    return input;
  }
  if (!ReadAll(in, expected, limit, input.bytes)) input.error = TooLarge(name, limit);
  if (in.bad()) input.error = "cannot read " + InputName(name);
  if (!input.error.empty()) input.bytes = {};
  return input;
}

InputPieces::InputPieces(std::string_view name, std::istream& standardInput, std::size_t heldLimit)
    : name_(name) {
  // Whatever is no regular file is read whole, which also says what is
  // wrong with a missing file, a folder or a broken link.
  std::error_code failure;
  const files::ResolvedPath target =
      files::ResolveLinks(fs::path(std::u8string(name.begin(), name.end())));
  isHeld_ = name == "-" || !target.error.empty() || !fs::is_regular_file(target.path, failure);
  if (isHeld_) {
    held_ = ReadInput(name, standardInput, heldLimit);
    error_ = held_.error;
    return;
  }
  file_.open(target.path, std::ios::binary);
  if (!file_) error_ = "cannot open " + InputName(name) + " for reading";
}

std::string_view InputPieces::Next() {
  if (!error_.empty()) return {};
  std::string_view piece;
  if (isHeld_) {
    piece = std::string_view(held_.bytes).substr(heldOffset_, kReadSize);
    heldOffset_ += piece.size();
  } else {
    buffer_.resize(kReadSize);
    file_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    if (file_.bad()) {
      error_ = "cannot read " + InputName(name_);
      return {};
    }
    piece = std::string_view(buffer_).substr(0, static_cast<std::size_t>(file_.gcount()));
  }
  bytesRead_ += piece.size();
  if (piece.empty()) {
    if (firstReadingOver_ && bytesRead_ != firstReading_) {
      error_ = InputName(name_) + " changed while it was read";
    }
    firstReading_ = bytesRead_;
    firstReadingOver_ = true;
  }
  return piece;
}

void InputPieces::Rewind() {
  if (!error_.empty()) return;
  bytesRead_ = 0;
  heldOffset_ = 0;
  if (!isHeld_) {
    file_.clear();
    file_.seekg(0);
    if (!file_) error_ = "cannot read " + InputName(name_) + " again";
  }
}

void InputPieces::Close() {
  if (file_.is_open()) file_.close();
  held_ = {};
}

}  // namespace tl::cli
