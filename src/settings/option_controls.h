#pragma once
// The options dialog "快捷设置" as data: every control once, with its group,
// kind, caption, the setting it edits and its tooltip. The window creates its
// controls from this table (the table order is the Tab order), loads them
// with LoadOptionsForm and copies them back with CopyOptionsForm; the states
// in between are an OptionsForm, one ControlState per control.
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "settings/settings.h"

namespace tl::settings {

enum class Option {
  Notebook,  // 过程设置
  PasteAfterBreak,
  BreakAfterResult,
  CloseAsk,  // 退出设置
  CloseExit,
  CloseToTray,
  DoubleClickCopy,  // 其他设置
  TimesDivide,
  IgnoreChinese,
  EdgeHiding,
  RememberWindow,
  SpaceSeparated,
  RememberContent,
  MultipleInstances,
  ResultToClipboard,
  AlwaysOnTop,
  UndoCount,  // 撤销
  EnterMode,  // 计算方式
  Decimals,   // 小数保留设置
  PadZeros,   // 小数处理方式
  RoundLast,
  CutExcess,
  DecimalForm,  // 分数选择
  FractionForm,
  MixedForm,
  Degrees,  // 角度类型
  Radians,
  Gradians,
  Thousands,  // (no group)
  IgnoreSeparators,
  HotKeyEnabled,  // 呼出和隐藏
  HotKeyModifier,
  HotKeyKey,
  FullScreenEnabled,  // 普通和全屏
  FullScreenModifier,
  FullScreenKey,
  SmartPaste,  // 其他功能
  Skin,
  LiveRefresh,
  AutoReplace,
  PairedBrackets,
  WordWrap,
  AddLastResult,
  LiveMode,  // beside the buttons, below the panel
  Count
};

inline constexpr std::size_t kOptionCount = static_cast<std::size_t>(Option::Count);

constexpr std::size_t IndexOf(Option option) {
  return static_cast<std::size_t>(option);
}

// The groups in panel order. Sections are the tabs "常用功能", "值设置",
// "快捷键", "特色功能"; the button row lies outside the scrolled panel.
enum class OptionGroup {
  Process,
  Close,
  Other,
  Undo,
  EnterMode,
  DecimalPlaces,
  DecimalHandling,
  FractionChoice,
  AngleUnit,
  Thousands,
  ShowHide,
  FullScreen,
  Features,
  ButtonRow,
  Count
};

inline constexpr int kButtonRow = -1;  // the section of the group below the panel

struct GroupInfo {
  OptionGroup group;
  std::string_view caption;  // GBK; empty: the controls stand without a group box
  int section;               // 0..3, or kButtonRow
  bool halfWidth;            // shares its row with the half-width group that follows
  int columns;               // controls side by side
  // Radios: the value stored when none is checked; none: the setting stays.
  std::optional<int> noneChecked = std::nullopt;
};

enum class OptionKind { CheckBox, Radio, DropList, NumberField };

struct DropItem {
  std::string_view caption;  // GBK
  int value;                 // what the setting holds for it
};

// The setting a control edits: a flag or a number.
using OptionField = std::variant<bool Settings::*, int Settings::*>;

struct OptionControl {
  Option option;
  OptionKind kind;
  std::string_view caption;  // GBK; a number field's label; empty for a drop list
  OptionGroup group;
  OptionField field;
  int value = 0;  // a radio: the value it stands for (a flag: 0 false, 1 true)
  std::span<const DropItem> items = {};
  std::string_view tooltip = {};      // GBK; empty for none
  Option enabledBy = Option::Count;   // the check box that enables it
  bool reread = false;                // its key is read again from the file first
  std::string_view initialText = {};  // a number field's text before loading
};

std::span<const GroupInfo> OptionGroups();
const GroupInfo& GroupOf(OptionGroup group);
std::span<const OptionControl> OptionControls();
const OptionControl& ControlOf(Option option);

// The order in which opening the dialog loads its controls. "直接删除超出部分"
// and "启用皮肤" are not loaded: they open as the window defines them.
std::span<const Option> OptionsLoadOrder();

struct ControlState {
  bool checked = false;
  int selection = -1;     // a drop list's chosen item, -1 for none
  std::string text = {};  // a number field's text (GBK)
  bool enabled = true;
  bool operator==(const ControlState&) const = default;
};

using OptionsForm = std::array<ControlState, kOptionCount>;

// Opening the dialog: the controls as the window defines them, then loaded
// from `settings` in load order. On the way 自动折回 is read again from
// `configuration` (the file's text) into `settings`.
OptionsForm LoadOptionsForm(Settings& settings, std::string_view configuration);

// "确定": every control back into `settings`, in table order, so that
// "实时计算" has the last word on 动态刷新. A drop list with nothing chosen
// and a radio group with nothing checked that has no value for that leave
// their setting as it was.
void CopyOptionsForm(const OptionsForm& form, Settings& settings);

// The undo field loses the focus: a number above 500 becomes "500".
std::string LimitUndoField(std::string_view text);

// The undo field refuses a typed "-".
constexpr bool UndoFieldRefuses(char32_t character) {
  return character == U'-';
}

}  // namespace tl::settings
