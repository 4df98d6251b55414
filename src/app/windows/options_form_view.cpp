#include "app/windows/options_form_view.h"

#include "app/kit/win_text.h"
#include "app/windows/options_rows.h"

namespace tl::app {

namespace {

using settings::ControlState;
using settings::Option;
using settings::OptionControl;
using settings::OptionKind;

bool IsChecked(HWND button) {
  return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void ShowControl(HWND control, const OptionControl& option, const ControlState& state) {
  switch (option.kind) {
    case OptionKind::CheckBox:
    case OptionKind::Radio:
      SendMessageW(control, BM_SETCHECK, state.checked ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case OptionKind::DropList:
      SendMessageW(control, CB_RESETCONTENT, 0, 0);
      for (const settings::DropItem& item : option.items)
        SendMessageW(control, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(Wide(item.caption).c_str()));
      SendMessageW(control, CB_SETCURSEL, static_cast<WPARAM>(state.selection), 0);
      break;
    case OptionKind::NumberField:
      SetWindowTextW(control, Wide(state.text).c_str());
      break;
  }
  EnableWindow(control, state.enabled);
}

ControlState ReadControl(HWND control, const OptionControl& option) {
  ControlState state;
  state.enabled = IsWindowEnabled(control) != FALSE;
  switch (option.kind) {
    case OptionKind::CheckBox:
    case OptionKind::Radio:
      state.checked = IsChecked(control);
      break;
    case OptionKind::DropList:
      state.selection = static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0));
      break;
    case OptionKind::NumberField:
      state.text = WindowTextGbk(control);
      break;
  }
  return state;
}

void SetTabStop(HWND control, bool on) {
  LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
  style = on ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP);
  SetWindowLongPtrW(control, GWL_STYLE, style);
}

}  // namespace

HWND OptionWindow(HWND window, HWND panel, Option option) {
  if (HWND control = GetDlgItem(panel, ControlId(option))) return control;
  return GetDlgItem(window, ControlId(option));
}

void ShowOptionsForm(HWND window, HWND panel, const settings::OptionsForm& form) {
  for (const OptionControl& option : settings::OptionControls())
    ShowControl(OptionWindow(window, panel, option.option), option,
                form[settings::IndexOf(option.option)]);
  SetRadioTabStops(window, panel);
}

settings::OptionsForm ReadOptionsForm(HWND window, HWND panel) {
  settings::OptionsForm form;
  for (const OptionControl& option : settings::OptionControls())
    form[settings::IndexOf(option.option)] =
        ReadControl(OptionWindow(window, panel, option.option), option);
  return form;
}

void SetRadioTabStops(HWND window, HWND panel) {
  for (const settings::GroupInfo& group : settings::OptionGroups()) {
    HWND first = nullptr;
    bool anyChecked = false;
    for (const OptionControl& option : settings::OptionControls()) {
      if (option.group != group.group || option.kind != OptionKind::Radio) continue;
      HWND radio = OptionWindow(window, panel, option.option);
      if (!first) first = radio;
      anyChecked = anyChecked || IsChecked(radio);
      SetTabStop(radio, IsChecked(radio));
    }
    if (first && !anyChecked) SetTabStop(first, true);
  }
}

std::string WindowTextGbk(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return Gbk(text);
}

}  // namespace tl::app
