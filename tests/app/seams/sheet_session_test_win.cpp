// The door into the worksheet over a real edit box whose replacements are
// slow, as the system control's are on a very long line under Wine.
#include "app/seams/sheet_session.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>
#include <string>

#include "sheet/seams/edit_box.h"
#include "sheet/seams/keys.h"

namespace tl::app {
namespace {

constexpr DWORD kReplaceMs = 300;

WNDPROC controlProc = nullptr;
HWND statusBar = nullptr;
std::wstring statusWhileReplacing;

std::wstring Status(HWND bar) {
  wchar_t text[256] = {};
  SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  return text;
}

LRESULT CALLBACK SlowEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == EM_REPLACESEL || message == WM_SETTEXT) {
    statusWhileReplacing = Status(statusBar);
    Sleep(kReplaceMs);
  }
  return CallWindowProcW(controlProc, edit, message, wParam, lParam);
}

// Enter behind "1+2": the time shown counts the control's replacement in.
TEST(SheetSession, TheTimeShownForEnterCountsTheControlsEdits) {
  HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 200, nullptr, nullptr,
                                nullptr, nullptr);
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_MULTILINE, 0, 0, 400, 150, parent,
                              nullptr, nullptr, nullptr);
  HWND bar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD, 0, 0, 0, 0, parent, nullptr,
                             nullptr, nullptr);
  statusBar = bar;
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

// A write-out the control is likely to take long over (a line of 20,000
// characters or more) is announced before it, and the status bar shows
// again what it showed once the control is done.
TEST(SheetSession, ASlowWriteOutIsAnnouncedFirst) {
  struct Row {
    std::size_t lineLength;
    bool announced;
  };
  for (const Row row : {Row{19000, false}, Row{21000, true}}) {
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 200, nullptr, nullptr,
                                  nullptr, nullptr);
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_MULTILINE | ES_AUTOHSCROLL, 0, 0,
                                400, 150, parent, nullptr, nullptr, nullptr);
    statusBar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD, 0, 0, 0, 0, parent, nullptr,
                                nullptr, nullptr);
    controlProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SlowEditProc)));
    settings::Settings settings;
    const std::string line(row.lineLength, 'a');
    SheetSession session(
        {parent, edit, statusBar}, [](int) {}, settings,
        [&](WinEditBox& box) { box.SetText(line + "\r\n"); });
    session.Host().SetStatusText("   [提示]_before");
    session.Act([&](sheet::Worksheet&, WinEditBox& box, WinHost&) {
      sheet::PlaceCaret(box, line.size());
      box.ReplaceSelection("=1");
    });
    EXPECT_EQ(statusWhileReplacing == L"   [提示]_正在更新编辑框，请稍候…", row.announced)
        << row.lineLength;
    EXPECT_EQ(Status(statusBar), L"   [提示]_before") << row.lineLength;
    // The whole text at once, as opening a file sets it.
    statusWhileReplacing.clear();
    session.Edit().SetText("1+1\r\n" + line);
    EXPECT_EQ(statusWhileReplacing == L"   [提示]_正在更新编辑框，请稍候…", row.announced)
        << row.lineLength << " set whole";
    DestroyWindow(parent);
  }
}

}  // namespace
}  // namespace tl::app
