#include "app/frame/hot_key.h"

namespace tl::app {

int RegisterShowHideHotKey(HWND window, const settings::Settings& settings) {
  // One hot key at a time: the kept id is unregistered before a new one.
  constexpr int kId = 33001;
  UINT modifiers = settings.辅助功能快捷键 == 1   ? MOD_CONTROL
                   : settings.辅助功能快捷键 == 2 ? MOD_SHIFT
                                                  : 0;
  if (!RegisterHotKey(window, kId, modifiers | MOD_NOREPEAT,
                      static_cast<UINT>(settings.辅助快捷键)))
    return 0;
  return kId;
}

void UnregisterShowHideHotKey(HWND window, int id) {
  if (id != 0) UnregisterHotKey(window, id);
}

}  // namespace tl::app
