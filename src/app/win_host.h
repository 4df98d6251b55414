#pragma once
// The worksheet's Host in the window: the status bar, the clipboard, the
// Enter hold timer on the main window, message boxes and the menus.
#include <windows.h>

#include <functional>

#include "app/menus.h"
#include "sheet/host.h"

namespace tl::app {

inline constexpr UINT_PTR kEnterTimerId = 1;

// The MessageBoxW style for a request: its buttons, its icon, and as the
// default button the one that gives the requested default answer (the
// first when none does).
UINT MessageBoxStyle(const sheet::MessageBoxRequest& request);

struct HostWindows {
  HWND main = nullptr;
  HWND editBox = nullptr;
  HWND statusBar = nullptr;
  const Menus* menus = nullptr;
};

class WinHost final : public sheet::Host {
 public:
  WinHost(HostWindows windows, std::function<void(int)> adjustFontSize,
          std::function<bool(sheet::Command)> available)
      : windows_(windows),
        adjustFontSize_(std::move(adjustFontSize)),
        available_(std::move(available)) {}

  void SetStatusText(std::string_view text) override;
  std::string StatusText() override;
  void SetClipboardText(std::string_view text) override;
  std::string ClipboardText() override;
  void StartEnterTimer(int intervalMs) override;
  void StopEnterTimer() override;
  std::uint64_t NowMs() override { return GetTickCount64(); }
  sheet::MessageBoxAnswer ShowMessageBox(const sheet::MessageBoxRequest& request) override;
  void FocusEditBox() override { SetFocus(windows_.editBox); }
  void AdjustFontSize(int points) override { adjustFontSize_(points); }
  void SetMenuItemState(sheet::Command item, sheet::MenuItemState state) override;
  void SendKey(int key) override;
  void SendCharacter(sheet::Character character) override;
  bool IsNumLockOn() override { return (GetKeyState(VK_NUMLOCK) & 1) != 0; }

 private:
  HostWindows windows_;
  std::function<void(int)> adjustFontSize_;
  std::function<bool(sheet::Command)> available_;  // commands whose behaviour is built
};

}  // namespace tl::app
