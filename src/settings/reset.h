#pragma once
// The menu command "&E.重置设置": after the user's Yes, the worksheet font,
// the main window and the main options go back to their initial values and
// the configuration files are deleted. The save at exit later writes its
// keys again; every other key then reads its default at the next start.
#include <string_view>

#include "files/file_io.h"
#include "settings/files.h"
#include "settings/settings.h"

namespace tl::settings {

// The question the caller asks first (Yes/No, exclamation icon, owned by the
// main window).
inline constexpr std::string_view kResetQuestion = "重置后设置将丢失，是否继续!";
inline constexpr std::string_view kResetTitle = "重置设置";

// Where the caller puts the main window, and the edge-hiding hold it sets.
inline constexpr Geometry kResetWindow{150, 150, 800, 400};
inline constexpr int kResetEdgeHideHold = 30;

struct ResetResult {
  bool applied = false;            // false: the answer was not Yes and nothing changed
  tl::files::IoResult files;       // deleting the configuration files
  Geometry window = kResetWindow;  // where the caller puts the main window
};

// Sets the font fields and 背景颜色 (the caller applies them to the edit
// box) and the reset options, and deletes the backup settings file, the content
// backup and the configuration file.
ResetResult ResetSettings(Settings& settings, const SettingsFiles& files, bool answeredYes);

}  // namespace tl::settings
