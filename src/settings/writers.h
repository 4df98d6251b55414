#pragma once
// The moments that write the configuration file, one function each. Each
// writes its keys in the order given, as one complete replacement of the
// file: a failed write leaves the old file whole and says why, for the
// caller to tell the user.
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

// A save of the configuration file and the content backup, each with its
// own outcome so that the user can be told which file failed.
struct SaveResult {
  files::IoResult configuration;
  files::IoResult contentBackup;
  bool ok() const { return configuration.ok() && contentBackup.ok(); }
};

// The main window is closing. Before the call the caller has stored the
// edit box font (字体*), the window's 窗口状态 and the three view states in
// `settings`; `normalGeometry` is the window's last normal, on-screen
// placement. Creates the run folder when the configuration file does not
// exist yet, and writes the caret as 起始选择位置, the font, the geometry
// (with 记住窗口), the run state, the view states and this run counted in
// 运行次数; with 退出保存 it replaces the content backup with the worksheet
// text and writes the sheet's file name and changed mark (文件名称, 内容已改). `settings` stays as
// it is, so that a save tried again (or again after the user went back to the sheet) counts the run
// once.
SaveResult SaveAtExit(const Settings& settings, const SettingsFiles& files,
                      const Geometry& normalGeometry, int caret, std::string_view worksheetText);

// With 退出保存 the sheet is also kept while the program runs: the content
// backup with its caret (起始选择位置), file name and changed mark (from
// `settings`), which start-up restores after a crash. Creates the run folder
// when it is missing.
SaveResult SaveRunningBackup(const Settings& settings, const SettingsFiles& files, int caret,
                             std::string_view worksheetText);

// The exit window's "记住设置": the close behaviour (退出设置) is kept at once.
files::IoResult SaveCloseBehaviour(const Settings& settings, const SettingsFiles& files);

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
