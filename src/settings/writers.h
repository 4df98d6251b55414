#pragma once
// The moments that write the configuration file, one function each. Each
// writes its keys in the order given, as one complete replacement of the
// file: a failed write leaves the old file whole. The result is for logs
// and tests; the program reports nothing to the user.
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "files/file_io.h"
#include "settings/files.h"
#include "settings/key_table.h"
#include "settings/settings.h"

namespace tl::settings {

struct KeyWrite {
  const KeyInfo* key;
  std::string value;
};

// The listed keys with their fields' current values.
std::vector<KeyWrite> FieldWrites(const Settings& settings, std::span<const KeyInfo* const> keys);

// Applies the writes in order to the file's text and replaces the file.
// A file that exists but cannot be read is left alone.
files::IoResult WriteKeys(const std::filesystem::path& configuration,
                          std::span<const KeyWrite> writes);

// The options dialog's "确定", after it has copied its controls into `settings`.
files::IoResult SaveOptions(const Settings& settings, const SettingsFiles& files);

// The main window is destroyed. Before the call the caller has stored the
// edit box font (字体*), the window's 窗口状态 and the three view states in
// `settings`; `normalGeometry` is the window's last normal, on-screen
// placement. Creates the run folder when the
// configuration file does not exist yet, records the caret as 起始选择位置,
// writes the font, the geometry (with 记住窗口), the run state and the view
// states, counts this run in 运行次数, and with 退出保存 replaces the content
// backup with the worksheet text.
files::IoResult SaveAtExit(Settings& settings, const SettingsFiles& files,
                           const Geometry& normalGeometry, int caret,
                           std::string_view worksheetText);

// Every close request records whether the virtual keyboard window is open.
files::IoResult SaveCloseRequest(Settings& settings, const SettingsFiles& files, bool keyboardOpen);

// The virtual keyboard window opened (after reading kKeyboardReadOrder).
files::IoResult SaveKeyboardOpened(const SettingsFiles& files);
// The virtual keyboard window closed; `settings` holds its geometry and layout.
files::IoResult SaveKeyboardClosed(const Settings& settings, const SettingsFiles& files);

// The custom window position window shows and writes the four _启动窗口 keys
// as texts (left, top, width, height), exactly as typed.
std::array<std::string, 4> ReadCustomWindowPosition(const SettingsFiles& files);
files::IoResult SaveCustomWindowPosition(const SettingsFiles& files,
                                         const std::array<std::string, 4>& texts);

// Start-up records the running instance's window handle (its 32
// significant bits, as HandleToLong gives them).
files::IoResult SaveWindowHandle(Settings& settings, const SettingsFiles& files, int handle);

}  // namespace tl::settings
