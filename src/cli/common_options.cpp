#include "cli/common_options.h"

#include "files/file_io.h"
#include "settings/files.h"
#include "settings/key_table.h"
#include "settings/load.h"
#include "text/encoding.h"

namespace tl::cli {

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

bool IsCommonOption(std::string_view name) {
  return name == "--config" || name == "--set";
}

std::string TakeCommonOption(std::string_view name, std::string_view value,
                             CommonOptions& options) {
  if (name == "--config") {
    options.configFile = std::filesystem::path(std::u8string(value.begin(), value.end()));
    return {};
  }
  const std::size_t equals = value.find('=');
  if (equals == std::string_view::npos) {
    return "--set takes KEY=VALUE, not '" + std::string(value) + "'";
  }
  options.overrides.emplace_back(text::Utf8ToGbk(value.substr(0, equals)),
                                 text::Utf8ToGbk(value.substr(equals + 1)));
  return {};
}

bool SetByKey(settings::Settings& settings, std::string_view key, std::string_view value) {
  // Keys compare as the configuration file compares them: white space around
  // them does not count ("按esc退出 " keeps a trailing space in the file).
  for (const settings::KeyInfo& info : settings::kKeys) {
    if (Trim(info.key) != Trim(key) || std::holds_alternative<std::monostate>(info.field)) continue;
    settings::SetField(settings, info, Trim(value));
    return true;
  }
  return false;
}

settings::Settings LoadCommonSettings(const CommonOptions& options, std::string& error) {
  std::filesystem::path file = options.configFile;
  if (file.empty()) file = settings::FilesUnder(settings::ProgramDirectory()).configuration;
  files::FileContent content = files::ReadWholeFile(file);
  settings::Settings result;
  if (!content.error.empty()) {
    error = "cannot read the configuration file: " + content.error;
    return result;
  }
  if (!options.configFile.empty() && !content.exists) {
    error = "no such configuration file";
    return result;
  }
  result = settings::SettingsFromProfile(content.bytes);
  for (const auto& [key, value] : options.overrides) {
    if (!SetByKey(result, key, value)) {
      error = "unknown setting '" + text::GbkToUtf8(key) + "'";
      return result;
    }
  }
  return result;
}

}  // namespace tl::cli
