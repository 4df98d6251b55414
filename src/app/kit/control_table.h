#pragma once
// Controls as data: each window lists its controls in one table, in Tab
// order, and one loop creates them, gives them the dialog font and their
// tooltips, and places them again when the window's DPI changes.
#include <windows.h>

#include <span>
#include <string_view>

namespace tl::app {

enum class ControlKind {
  Label,          // static text
  Field,          // one-line edit field
  Button,         // push button
  DefaultButton,  // the push button Enter presses
  CheckBox,
  Radio,  // automatic radio button; the group starts at the row with WS_GROUP
  GroupBox,
  DropList,   // combo box with a drop-down list
  List,       // list box
  TextPanel,  // read-only multi-line text with a vertical scroll bar
  Tabs,       // a tab strip; the window adds its tabs
  Pane,       // a child that holds controls of its own and passes their notifications up
  VScrollBar,
};

struct ControlRow {
  ControlKind kind;
  std::string_view caption;       // GBK
  int x, y, width, height;        // in the client area, at 96 DPI
  int id;                         // -1 for a label nobody addresses
  std::string_view tooltip = {};  // GBK; empty for none
  DWORD style = 0;                // added to the kind's own styles
};

// Creates the controls as children of `parent` in table order (the Tab
// order), with the dialog font at `dpi`, and a tooltip window for those
// that have one (`balloon`: balloon tooltips).
void CreateControls(HWND parent, std::span<const ControlRow> controls, int dpi,
                    bool balloon = false);

// Moves and resizes the table's controls and gives them the font for `dpi`.
void PlaceControls(HWND parent, std::span<const ControlRow> controls, int dpi);

// The id of the table's default button, 0 when it has none.
int DefaultButtonId(std::span<const ControlRow> controls);

}  // namespace tl::app
