#include "settings/load.h"

#include "files/file_io.h"
#include "settings/profile.h"

namespace tl::settings {

using files::ReadWholeFile;

void ReadKeys(Settings& settings, std::string_view content, std::span<const KeyInfo* const> keys) {
  for (const KeyInfo* key : keys) {
    const std::optional<std::string> stored = ReadProfileValue(content, key->section, key->key);
    SetField(settings, *key, stored ? std::optional<std::string_view>(*stored) : std::nullopt);
  }
}

Settings SettingsFromProfile(std::string_view content) {
  Settings settings;
  ReadKeys(settings, content, kLoadOrder);
  return settings;
}

Settings LoadSettings(const SettingsFiles& files) {
  return SettingsFromProfile(ReadWholeFile(files.configuration).bytes);
}

bool KeyStored(const SettingsFiles& files, const KeyInfo& key) {
  return ReadProfileValue(ReadWholeFile(files.configuration).bytes, key.section, key.key)
      .has_value();
}

void ReloadKeys(Settings& settings, const SettingsFiles& files,
                std::span<const KeyInfo* const> keys) {
  ReadKeys(settings, ReadWholeFile(files.configuration).bytes, keys);
}

}  // namespace tl::settings
