#include "settings/writers.h"

#include <limits>

#include "settings/profile.h"
#include "settings/values.h"

namespace tl::settings {

using files::CreateFolder;
using files::FileContent;
using files::FileExists;
using files::IoResult;
using files::ReadWholeFile;
using files::WriteWholeFile;

std::vector<KeyWrite> FieldWrites(const Settings& settings, std::span<const KeyInfo* const> keys) {
  std::vector<KeyWrite> writes;
  writes.reserve(keys.size());
  for (const KeyInfo* key : keys) writes.push_back({key, FieldText(settings, *key)});
  return writes;
}

IoResult WriteKeys(const std::filesystem::path& configuration, std::span<const KeyWrite> writes) {
  FileContent file = ReadWholeFile(configuration);
  // Never rebuild a file from nothing because it could not be read.
  if (!file.error.empty()) return {file.error, file.cause};
  std::string content = file.bytes;
  for (const KeyWrite& write : writes) {
    WriteProfileValue(content, write.key->section, write.key->key, write.value);
  }
  if (file.exists && content == file.bytes) return {};
  return WriteWholeFile(configuration, content);
}

IoResult SaveOptions(const Settings& settings, const SettingsFiles& files) {
  return WriteKeys(files.configuration, FieldWrites(settings, kOptionsWriteOrder));
}

SaveResult SaveAtExit(const Settings& settings, const SettingsFiles& files,
                      const Geometry& normalGeometry, int caret, std::string_view worksheetText) {
  IoResult folder;
  if (!FileExists(files.configuration)) folder = CreateFolder(files.runFolder);

  Settings saved = settings;
  saved.起始选择位置 = caret;
  if (saved.运行次数 < std::numeric_limits<std::int64_t>::max()) ++saved.运行次数;
  std::vector<KeyWrite> writes = FieldWrites(saved, kExitFontOrder);
  if (saved.记住窗口) {
    saved._启动窗口 = {normalGeometry.left, normalGeometry.top, normalGeometry.width,
                       normalGeometry.height};
    for (KeyWrite& write : FieldWrites(saved, kStartWindowOrder)) writes.push_back(write);
  }
  for (KeyWrite& write : FieldWrites(saved, kExitStateOrder)) writes.push_back(write);
  if (saved.退出保存)
    for (KeyWrite& write : FieldWrites(saved, kExitDocumentOrder)) writes.push_back(write);
  SaveResult result;
  result.configuration = folder.ok() ? WriteKeys(files.configuration, writes) : folder;
  if (saved.退出保存) result.contentBackup = WriteWholeFile(files.contentBackup, worksheetText);
  return result;
}

SaveResult SaveRunningBackup(const Settings& settings, const SettingsFiles& files, int caret,
                             std::string_view worksheetText) {
  SaveResult result;
  result.contentBackup = CreateFolder(files.runFolder);
  if (result.contentBackup.ok())
    result.contentBackup = WriteWholeFile(files.contentBackup, worksheetText);
  // The caret and the file go with the text they belong to, or not at all.
  if (!result.contentBackup.ok()) return result;
  std::vector<KeyWrite> writes{{kCaretKey, DecimalText(caret)}};
  for (KeyWrite& write : FieldWrites(settings, kExitDocumentOrder)) writes.push_back(write);
  result.configuration = WriteKeys(files.configuration, writes);
  return result;
}

IoResult SaveCloseBehaviour(const Settings& settings, const SettingsFiles& files) {
  const KeyWrite write{kCloseBehaviourKey, FieldText(settings, *kCloseBehaviourKey)};
  return WriteKeys(files.configuration, {&write, 1});
}

IoResult SaveCloseRequest(Settings& settings, const SettingsFiles& files, bool keyboardOpen) {
  settings.键盘开启 = keyboardOpen;
  const KeyWrite write{kKeyboardAtCloseKey, BooleanText(keyboardOpen)};
  return WriteKeys(files.configuration, {&write, 1});
}

IoResult SaveKeyboardOpened(const SettingsFiles& files) {
  const KeyWrite write{kKeyboardOpenKey, BooleanText(true)};
  return WriteKeys(files.configuration, {&write, 1});
}

IoResult SaveKeyboardClosed(const Settings& settings, const SettingsFiles& files) {
  std::vector<KeyWrite> writes = FieldWrites(settings, kKeyboardWriteOrder);
  writes.push_back({kKeyboardOpenKey, BooleanText(false)});
  writes.push_back({kKeyboardModeKey, FieldText(settings, *kKeyboardModeKey)});
  return WriteKeys(files.configuration, writes);
}

std::array<std::string, 4> ReadCustomWindowPosition(const SettingsFiles& files) {
  const std::string content = ReadWholeFile(files.configuration).bytes;
  std::array<std::string, 4> texts;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const KeyInfo& key = *kStartWindowOrder[i];
    texts[i] =
        ReadProfileValue(content, key.section, key.key).value_or(std::string(key.defaultText));
  }
  return texts;
}

IoResult SaveCustomWindowPosition(const SettingsFiles& files,
                                  const std::array<std::string, 4>& texts) {
  std::vector<KeyWrite> writes;
  for (std::size_t i = 0; i < texts.size(); ++i) writes.push_back({kStartWindowOrder[i], texts[i]});
  return WriteKeys(files.configuration, writes);
}

IoResult SaveWindowHandle(Settings& settings, const SettingsFiles& files, int handle) {
  settings.窗口代号 = handle;
  const KeyWrite write{kWindowHandleKey, DecimalText(handle)};
  return WriteKeys(files.configuration, {&write, 1});
}

}  // namespace tl::settings
