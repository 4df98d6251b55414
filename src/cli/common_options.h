#pragma once
// The options eval, run and replay take: --config FILE and --set KEY=VALUE.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"

namespace tl::cli {

struct CommonOptions {
  std::filesystem::path configFile;                            // empty: the program's own
  std::vector<std::pair<std::string, std::string>> overrides;  // GBK key and value, in order
};

bool IsCommonOption(std::string_view name);

// Takes the value of --config or --set; returns what is wrong with it, or
// nothing.
std::string TakeCommonOption(std::string_view name, std::string_view value, CommonOptions& options);

// The settings the options describe: the configuration file (a missing file
// gives the defaults), then each override. `error` names an override whose
// key is unknown or a configuration file that cannot be read.
settings::Settings LoadCommonSettings(const CommonOptions& options, std::string& error);

// Sets one setting from its configuration key and its value as the file
// writes it. False when no setting has that key.
bool SetByKey(settings::Settings& settings, std::string_view key, std::string_view value);

}  // namespace tl::cli
