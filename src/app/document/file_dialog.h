#pragma once
// The shared file dialog of the file menu over the common dialogs.
#include <windows.h>

#include "sheet/document/document.h"

namespace tl::app {

class WinFileDialog final : public sheet::FileDialog {
 public:
  explicit WinFileDialog(HWND owner) : owner_(owner) {}
  std::optional<std::filesystem::path> Choose(sheet::FileDialogKind kind,
                                              const std::filesystem::path& suggested) override;

 private:
  HWND owner_;
};

}  // namespace tl::app
