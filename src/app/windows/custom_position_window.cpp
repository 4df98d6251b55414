#include "app/windows/custom_position_window.h"

#include <array>
#include <string>

#include "app/kit/kit_window.h"
#include "app/kit/win_text.h"
#include "app/kit/window_geometry.h"
#include "settings/values.h"
#include "settings/writers.h"
#include "sheet/document/write_reports.h"
#include "text/number_text.h"

namespace tl::app {

namespace {

enum : int { kFirstField = 10, kOk = IDOK, kCancel = IDCANCEL };

// Each field follows its label, so that Tab walks the fields in order.
constexpr ControlRow kControls[] = {
    {ControlKind::Label, "左边", 16, 18, 50, 22, -1, {}, SS_RIGHT},
    {ControlKind::Field, "", 76, 16, 120, 24, kFirstField},
    {ControlKind::Label, "顶边", 16, 52, 50, 22, -1, {}, SS_RIGHT},
    {ControlKind::Field, "", 76, 50, 120, 24, kFirstField + 1},
    {ControlKind::Label, "宽度", 16, 86, 50, 22, -1, {}, SS_RIGHT},
    {ControlKind::Field, "", 76, 84, 120, 24, kFirstField + 2},
    {ControlKind::Label, "高度", 16, 120, 50, 22, -1, {}, SS_RIGHT},
    {ControlKind::Field, "", 76, 118, 120, 24, kFirstField + 3},
    {ControlKind::DefaultButton, "确定", 16, 156, 86, 28, kOk},
    {ControlKind::Button, "取消", 110, 156, 86, 28, kCancel},
};

constexpr WindowDesign kWindow{"自定义窗口位置(请勿超出屏幕！)", 212, 200, kControls};

struct PositionWindow {
  const settings::SettingsFiles& files;
  sheet::Host& host;
  bool confirmed = false;
};

std::string FieldText(HWND window, int index) {
  HWND field = GetDlgItem(window, kFirstField + index);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(field)), L'\0');
  GetWindowTextW(field, text.data(), static_cast<int>(text.size()) + 1);
  return Gbk(text);
}

// Read as the configuration reads it: a number beyond int stops at its limit.
int FieldNumber(HWND window, int index) {
  return settings::ReadInteger(FieldText(window, index));
}

void UpdateOkButton(HWND window) {
  Rect r{FieldNumber(window, 0), FieldNumber(window, 1), FieldNumber(window, 2),
         FieldNumber(window, 3)};
  bool ok =
      CustomPositionAcceptable(r, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  EnableWindow(GetDlgItem(window, kOk), ok);
}

void Create(HWND window, PositionWindow& state) {
  std::array<std::string, 4> texts = settings::ReadCustomWindowPosition(state.files);
  for (int i = 0; i < 4; ++i)
    SetWindowTextW(GetDlgItem(window, kFirstField + i),
                   Wide(texts[static_cast<std::size_t>(i)]).c_str());
  UpdateOkButton(window);
  SetFocus(GetDlgItem(window, kFirstField + 1));  // "顶边"
}

void Confirm(HWND window, PositionWindow& state) {
  std::array<std::string, 4> texts;
  for (int i = 0; i < 4; ++i) texts[static_cast<std::size_t>(i)] = FieldText(window, i);
  sheet::ReportWrite(state.host, settings::SaveCustomWindowPosition(state.files, texts));
  state.confirmed = true;
  EndModal(window);
}

LRESULT CALLBACK PositionWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = KitState<PositionWindow>(window);
  if (!state) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_CREATE:
      Create(window, *state);
      return 0;
    case WM_COMMAND: {
      int id = LOWORD(wParam);
      if (id >= kFirstField && id < kFirstField + 4 && HIWORD(wParam) == EN_CHANGE)
        UpdateOkButton(window);
      else if (id == kOk && IsWindowEnabled(GetDlgItem(window, kOk)))
        Confirm(window, *state);
      else if (id == kCancel)
        EndModal(window);
      return 0;
    }
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

bool EditCustomWindowPosition(HWND owner, const settings::SettingsFiles& files, sheet::Host& host) {
  PositionWindow state{files, host};
  RunModal(owner, kWindow, PositionWindowProc, &state);
  return state.confirmed;
}

}  // namespace tl::app
