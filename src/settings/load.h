#pragma once
// Filling `Settings` from the configuration file. A missing run folder or
// file is normal and gives the defaults; nothing is ever reported.
#include <span>
#include <string_view>

#include "settings/files.h"
#include "settings/key_table.h"
#include "settings/settings.h"

namespace tl::settings {

// Sets each listed key's field from the configuration text, in list order.
void ReadKeys(Settings& settings, std::string_view content, std::span<const KeyInfo* const> keys);

// Every key of a configuration text, in start-up order.
Settings SettingsFromProfile(std::string_view content);

// Start-up: the configuration file's settings. A file that is missing or
// cannot be read gives the defaults.
Settings LoadSettings(const SettingsFiles& files);

// Whether the configuration file holds the key: a stored value, not the
// default a missing key reads as.
bool KeyStored(const SettingsFiles& files, const KeyInfo& key);

// Reads some keys again from the file, as the virtual keyboard does when it
// opens (kKeyboardReadOrder) and the options dialog does for 自动折回.
void ReloadKeys(Settings& settings, const SettingsFiles& files,
                std::span<const KeyInfo* const> keys);

}  // namespace tl::settings
