#pragma once
// The options dialog's controls as an OptionsForm: shown in the controls,
// read back from them.
#include <windows.h>

#include <string>

#include "settings/option_controls.h"

namespace tl::app {

// The control of an option: on the panel, or (for "实时计算") in the window.
HWND OptionWindow(HWND window, HWND panel, settings::Option option);

// Gives the drop lists their items, then shows the form.
void ShowOptionsForm(HWND window, HWND panel, const settings::OptionsForm& form);
settings::OptionsForm ReadOptionsForm(HWND window, HWND panel);

// Tab enters each radio group at its checked radio, or its first when none
// is checked.
void SetRadioTabStops(HWND window, HWND panel);

// A control's text as GBK.
std::string WindowTextGbk(HWND control);

}  // namespace tl::app
