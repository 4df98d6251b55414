#pragma once
// The worksheet's Host in the window: the status bar, the clipboard, the
// Enter hold timer on the main window and message boxes.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "sheet/seams/host.h"

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
};

class WinHost final : public sheet::Host {
 public:
  WinHost(HostWindows windows, std::function<void(int)> adjustFontSize)
      : windows_(windows), adjustFontSize_(std::move(adjustFontSize)) {}

  void SetStatusText(std::string_view text) override;
  // Within a menu command the status bar shows the newest text only from
  // time to time: a batch over a large sheet sets it for every line. After
  // half a second it is painted every tenth of a second as progress, and the
  // last text when the command ends.
  void BeginCommand();
  void EndCommand();
  // Shown at once, and again with the time the edits took to reach the
  // control and to be painted once they have (EditsShown, after every batch).
  void ShowElapsed(std::uint64_t startedMs) override;
  void EditsShown();
  // Before a write-out the control is likely to take long over: a notice is
  // painted at once, and once the edits are shown the text it covered comes
  // back (or the time, after Enter).
  void ShowSlowWriteNotice();
  std::string StatusText() override;
  void SetClipboardText(std::string_view text) override;
  std::string ClipboardText() override;
  bool ClipboardFitsGbk() override;
  void StartEnterTimer(int intervalMs) override;
  void StopEnterTimer() override;
  std::uint64_t NowMs() override { return GetTickCount64(); }
  sheet::MessageBoxAnswer ShowMessageBox(const sheet::MessageBoxRequest& request) override;
  void FocusEditBox() override {
    if (!keepFocus_) SetFocus(windows_.editBox);
  }
  // While one lives, the worksheet's requests for the focus are not granted:
  // a tool window whose button acts on the sheet keeps the keyboard.
  class KeepFocus {
   public:
    explicit KeepFocus(WinHost& host) : host_(host), before_(host.keepFocus_) {
      host.keepFocus_ = true;
    }
    ~KeepFocus() { host_.keepFocus_ = before_; }
    KeepFocus(const KeepFocus&) = delete;
    KeepFocus& operator=(const KeepFocus&) = delete;

   private:
    WinHost& host_;
    bool before_;
  };
  // The edit box was made again (word wrap switched).
  void SetEditBox(HWND editBox) { windows_.editBox = editBox; }
  void AdjustFontSize(int points) override { adjustFontSize_(points); }
  void SendKey(int key) override;
  void SendCharacter(sheet::Character character) override;
  bool IsNumLockOn() override { return (GetKeyState(VK_NUMLOCK) & 1) != 0; }

 private:
  void ShowStatus(std::string_view text);
  std::wstring WideClipboardText();

  HostWindows windows_;
  bool inCommand_ = false;
  std::uint64_t commandStart_ = 0;
  std::uint64_t lastShown_ = 0;
  std::string pendingStatus_;
  bool statusPending_ = false;
  std::function<void(int)> adjustFontSize_;
  bool keepFocus_ = false;
  std::optional<std::uint64_t> elapsedSince_;  // the shown time, while edits are pending
  std::optional<std::string> underNotice_;     // the text the slow-write notice covers
};

}  // namespace tl::app
