// The door into the worksheet over a real edit box whose replacements are
// slow, as the system control's are on a very long line under Wine.
#include "app/seams/sheet_session.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>
#include <string>

#include "sheet/seams/keys.h"

namespace tl::app {
namespace {

constexpr DWORD kReplaceMs = 300;

WNDPROC controlProc = nullptr;

LRESULT CALLBACK SlowEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == EM_REPLACESEL) Sleep(kReplaceMs);
  return CallWindowProcW(controlProc, edit, message, wParam, lParam);
}

std::wstring Status(HWND bar) {
  wchar_t text[256] = {};
  SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  return text;
}

// Enter behind "1+2": the time shown counts the control's replacement in.
TEST(SheetSession, TheTimeShownForEnterCountsTheControlsEdits) {
  HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 200, nullptr, nullptr,
                                nullptr, nullptr);
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_MULTILINE, 0, 0, 400, 150, parent,
                              nullptr, nullptr, nullptr);
  HWND bar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD, 0, 0, 0, 0, parent, nullptr,
                             nullptr, nullptr);
  controlProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SlowEditProc)));
  settings::Settings settings;
  settings.动态刷新 = false;
  SheetSession session(
      {parent, edit, bar}, [](int) {}, settings, [](WinEditBox& box) { box.SetText("1+2"); });
  SendMessageW(edit, EM_SETSEL, 3, 3);
  session.OnKeyDown(sheet::vk::kReturn, 0);
  session.OnKeyUp(sheet::vk::kReturn, 0);
  ASSERT_EQ(session.Edit().Text().substr(0, 5), "1+2=3");
  const std::wstring shown = Status(bar);
  const std::wstring prefix = L"   [运算完成]_用时 ";
  ASSERT_EQ(shown.substr(0, prefix.size()), prefix);
  EXPECT_GE(std::stod(shown.substr(prefix.size())), kReplaceMs / 1000.0 * 0.9) << shown;
  DestroyWindow(parent);
}

}  // namespace
}  // namespace tl::app
