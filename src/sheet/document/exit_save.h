#pragma once
// The save at exit, with the user's say when a file cannot be written.
#include "settings/files.h"
#include "settings/settings.h"
#include "settings/writers.h"
#include "sheet/seams/edit_box.h"
#include "sheet/seams/host.h"

namespace tl::sheet {

enum class ExitSave {
  Saved,
  ExitAnyway,   // a file could not be written and the user chose to exit
  BackToSheet,  // ... and the user chose to go back to the sheet
};

// The question when the save at exit failed: each failed file with its path
// and why, and the three ways on: try again, continue (exit without saving)
// or cancel (go back to the sheet).
MessageBoxRequest ExitSaveQuestion(const settings::SaveResult& result,
                                   const settings::SettingsFiles& files);

// Writes the configuration and, with 退出保存, the sheet (settings::SaveAtExit)
// and asks while a file cannot be written; trying again writes both again.
ExitSave SaveAtExitAsking(Host& host, EditBox& box, const settings::Settings& settings,
                          const settings::SettingsFiles& files,
                          const settings::Geometry& normalGeometry);

}  // namespace tl::sheet
