#include "app/number_window.h"

#include <memory>

#include "app/kit_window.h"
#include "app/non_gbk_filter.h"
#include "app/sheet_session.h"
#include "app/win_text.h"
#include "sheet/chinese_numerals.h"
#include "sheet/engine_options.h"
#include "sheet/number_field.h"

namespace tl::app {

namespace {

enum : int { kNumber = 10, kUpperCase, kAmount };

// The two outputs are read-only but take the focus, so that their text can
// be selected and copied.
constexpr ControlRow kControls[] = {
    {ControlKind::Label, "数值(&V)", 12, 14, 60, 20, -1},
    {ControlKind::Field, "", 74, 10, 274, 24, kNumber},
    {ControlKind::Label, "大写(&U)", 12, 48, 60, 20, -1},
    {ControlKind::Field, "", 74, 44, 274, 24, kUpperCase, {}, ES_READONLY},
    {ControlKind::Label, "金额(&M)", 12, 82, 60, 20, -1},
    {ControlKind::Field, "", 74, 78, 274, 24, kAmount, {}, ES_READONLY},
};

constexpr WindowDesign kWindow{"数值转大写", 360, 114, kControls};

struct NumberWindow {};

void Convert(HWND window) {
  const sheet::NumberInWords words =
      sheet::ConvertNumberField(Gbk(ControlText(GetDlgItem(window, kNumber))));
  SetDlgItemTextW(window, kUpperCase, Wide(words.upperCase).c_str());
  SetDlgItemTextW(window, kAmount, Wide(words.amount).c_str());
}

LRESULT CALLBACK NumberWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    Convert(window);
    return 0;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == kNumber && HIWORD(wParam) == EN_CHANGE) {
    Convert(window);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void OpenNumberWindow(HWND owner, ToolWindows& tools, SheetSession& session) {
  HWND window = OpenToolWindow(owner, tools, Tool::NumberConversion, kWindow, NumberWindowProc,
                               std::make_unique<NumberWindow>());
  if (!window) return;
  HWND number = GetDlgItem(window, kNumber);
  const engine::ThousandsSeparator grouping =
      sheet::EngineOptionsFrom(session.Settings()).thousandsSeparator;
  SetWindowTextW(number, Wide(sheet::NumberFieldStart(session.Edit(), grouping)).c_str());
  Convert(window);
  SetFocus(number);
  SendMessageW(number, EM_SETSEL, 0, -1);
}

}  // namespace tl::app
