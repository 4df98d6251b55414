#pragma once
// The options every subcommand takes: --config FILE and --set KEY=VALUE.
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

// Takes --config or --set at args[i], leaving i on its value.
// Returns false when args[i] is not one of them; sets `error` when it is but
// is malformed.
bool TakeCommonOption(const std::vector<std::string_view>& args, std::size_t& i,
                      CommonOptions& options, std::string& error);

// The settings the options describe: the configuration file (a missing file
// gives the defaults), then each override. `error` names an override whose
// key is unknown or a configuration file that cannot be read.
settings::Settings LoadCommonSettings(const CommonOptions& options, std::string& error);

// Sets one setting from its configuration key and its value as the file
// writes it. False when no setting has that key.
bool SetByKey(settings::Settings& settings, std::string_view key, std::string_view value);

}  // namespace tl::cli
