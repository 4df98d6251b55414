#include "main_window.h"

#include <commctrl.h>

#include <string>

#include "layout.h"
#include "win_text.h"

namespace tl::app {

namespace {

constexpr int kEditBoxId = 100;
constexpr int kStatusBarId = 101;
// The edit box is created holding 388 empty lines.
constexpr int kCreatedLines = 388;

// What the main window owns, reached through GWLP_USERDATA.
struct MainWindow {
  HWND window = nullptr;
  HWND editBox = nullptr;
  HWND statusBar = nullptr;
  HFONT font = nullptr;
  ViewFlags view;
};

MainWindow* StateOf(HWND window) {
  return reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void SetStatus(MainWindow& state, std::string_view gbk) {
  SendMessageW(state.statusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Wide(gbk).c_str()));
}

// The default UI font under Wine has no CJK glyphs: name one that has them.
HFONT CreateWorksheetFont() {
  return CreateFontW(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, L"WenQuanYi Zen Hei");
}

void Layout(MainWindow& state) {
  RECT window;
  GetWindowRect(state.window, &window);
  RECT client;
  GetClientRect(state.window, &client);
  int part = client.right - client.left;
  SendMessageW(state.statusBar, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&part));
  SendMessageW(state.statusBar, WM_SIZE, 0, 0);
  Rect r = EditBoxRect(window.right - window.left, window.bottom - window.top, state.view);
  MoveWindow(state.editBox, r.left, r.top, r.width, r.height, TRUE);
}

bool MsgCreate(HWND window, const CREATESTRUCTW* create) {
  auto* state = new MainWindow;
  state->window = window;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
  HINSTANCE instance = create->hInstance;
  state->editBox = CreateWindowExW(
      WS_EX_CLIENTEDGE, L"EDIT", L"",
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
          ES_AUTOHSCROLL | ES_NOHIDESEL | ES_WANTRETURN,
      0, 0, 0, 0, window, reinterpret_cast<HMENU>(kEditBoxId), instance, nullptr);
  state->statusBar =
      CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                      window, reinterpret_cast<HMENU>(kStatusBarId), instance, nullptr);
  if (!state->editBox || !state->statusBar) return false;
  state->font = CreateWorksheetFont();
  SendMessageW(state->editBox, WM_SETFONT, reinterpret_cast<WPARAM>(state->font), TRUE);
  SendMessageW(state->statusBar, WM_SETFONT, reinterpret_cast<WPARAM>(state->font), TRUE);
  SendMessageW(state->editBox, EM_SETLIMITTEXT, 0, 0);
  std::wstring lines;
  for (int i = 0; i < kCreatedLines; ++i) lines += L"\r\n";
  SetWindowTextW(state->editBox, lines.c_str());
  Layout(*state);
  SetStatus(*state, "   [提示]_初始化完毕，请输入表达式!");
  SetFocus(state->editBox);
  return true;
}

void MsgDestroy(HWND window) {
  MainWindow* state = StateOf(window);
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  if (state) {
    DeleteObject(state->font);
    delete state;
  }
  PostQuitMessage(0);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return MsgCreate(window, reinterpret_cast<const CREATESTRUCTW*>(lParam)) ? 0 : -1;
    case WM_SIZE:
      if (MainWindow* state = StateOf(window)) Layout(*state);
      return 0;
    case WM_SETFOCUS:
      if (MainWindow* state = StateOf(window)) SetFocus(state->editBox);
      return 0;
    case WM_DESTROY:
      MsgDestroy(window);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

HWND CreateMainWindow(HINSTANCE instance) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kMainWindowClass;
  if (!RegisterClassExW(&windowClass)) return nullptr;
  int width = GetSystemMetrics(SM_CXSCREEN) / 2;
  int height = GetSystemMetrics(SM_CYSCREEN) / 2;
  return CreateWindowExW(0, kMainWindowClass, L"Tallyline", WS_OVERLAPPEDWINDOW, width / 2,
                         height / 2, width, height, nullptr, nullptr, instance, nullptr);
}

}  // namespace tl::app
