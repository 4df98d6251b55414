#include "app/options_apply.h"

#include "app/hot_key.h"
#include "app/word_wrap.h"
#include "sheet/live_mode.h"

namespace tl::app {

void ApplyOptions(MainWindow& state) {
  const settings::Settings& s = state.settings;
  SetWindowPos(state.window, s.窗口前置 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // The adding option shares its key with the old "Esc closes the window".
  state.escClosesWindow = !s.按esc退出;
  UnregisterShowHideHotKey(state.window, state.hotKeyId);
  state.hotKeyId = s.热键状态 ? RegisterShowHideHotKey(state.window, s) : 0;
  ApplyWordWrap(state);
  if (s.边缘隐藏)
    SetTimer(state.window, kEdgeHideTimerId, 100, nullptr);
  else
    KillTimer(state.window, kEdgeHideTimerId);
  if (state.session)
    state.session->Act([&state, live = s.动态刷新](sheet::Worksheet& sheet, auto&, auto&) {
      sheet::SetLiveMode(sheet, state.settings, live);
    });
}

}  // namespace tl::app
