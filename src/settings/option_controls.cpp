#include "settings/option_controls.h"

#include "settings/key_table.h"
#include "settings/load.h"
#include "settings/values.h"
#include "text/number_text.h"

namespace tl::settings {

namespace {

using G = OptionGroup;
using K = OptionKind;
using O = Option;

// clang-format off
constexpr GroupInfo kGroups[] = {
    {G::Process, "过程设置", 0, true, 1},
    {G::Close, "退出设置", 0, true, 1, 2},
    {G::Other, "其他设置", 0, false, 4},
    {G::Undo, "撤销", 0, false, 1},
    {G::EnterMode, "计算方式", 1, true, 1},
    {G::DecimalPlaces, "小数保留设置", 1, true, 1},
    {G::DecimalHandling, "小数处理方式", 1, false, 2, 0},
    {G::FractionChoice, "分数选择", 1, true, 1, 0},
    {G::AngleUnit, "角度类型", 1, true, 1},
    {G::Thousands, "", 1, false, 1},
    {G::ShowHide, "呼出和隐藏", 2, false, 3},
    {G::FullScreen, "普通和全屏", 2, false, 3},
    {G::Features, "其他功能", 3, false, 1},
    {G::ButtonRow, "", kButtonRow, false, 1},
};

constexpr DropItem kEnterModes[] = {{"回车键计算", 0}, {"ctrl加回车键计算", 1}};
constexpr DropItem kSeparators[] = {{"无千分符号", 0}, {"“；”代表千分符", 1}, {"“，”代表千分符", 2}};
constexpr DropItem kHotKeyModifiers[] = {{"空", 0}, {"Ctrl", 1}, {"Shift", 2}};
// The full-screen key compares the whole modifier state, in which Alt is 4.
constexpr DropItem kFullScreenModifiers[] = {{"空", 0}, {"Ctrl", 1}, {"Shift", 2}, {"Alt", 4}};
constexpr DropItem kFunctionKeys[] = {
    {"F1", 112}, {"F2", 113}, {"F3", 114}, {"F4", 115}, {"F5", 116}, {"F6", 117},
    {"F7", 118}, {"F8", 119}, {"F9", 120}, {"F10", 121}, {"F11", 122}, {"F12", 123},
};

constexpr OptionControl kControls[] = {
    {O::Notebook, K::CheckBox, "笔记本", G::Process, &Settings::笔记本用户, 0, {}, "笔记本电脑使用"},
    {O::PasteAfterBreak, K::CheckBox, "换行后粘贴", G::Process, &Settings::换行粘贴结果, 0, {},
     "进行给出计算结果，然后换一行再粘贴刚刚的结果"},
    {O::BreakAfterResult, K::CheckBox, "运算后换行", G::Process, &Settings::运算换行变量, 0, {},
     "先进行运算,算出结果再换行"},
    {O::CloseAsk, K::Radio, "询问", G::Close, &Settings::退出设置, 0, {}, "关闭窗口时询问"},
    {O::CloseExit, K::Radio, "直接退出", G::Close, &Settings::退出设置, 1, {}, "关闭窗口时直接退出"},
    {O::CloseToTray, K::Radio, "置托盘", G::Close, &Settings::退出设置, 2, {},
     "当关闭窗口时后台运行不退出"},
    {O::DoubleClickCopy, K::CheckBox, "双击复制", G::Other, &Settings::双击复制},
    {O::TimesDivide, K::CheckBox, "乘除替换", G::Other, &Settings::乘除替换},
    {O::IgnoreChinese, K::CheckBox, "忽略汉字", G::Other, &Settings::忽略汉字, 0, {},
     "忽略当前行公式中的汉字"},
    {O::EdgeHiding, K::CheckBox, "边缘隐藏", G::Other, &Settings::边缘隐藏, 0, {},
     "把窗口移到屏幕边缘，鼠标离开后窗口就隐藏在边缘"},
    {O::RememberWindow, K::CheckBox, "记住窗口", G::Other, &Settings::记住窗口, 0, {},
     "下次打开程序时还保持上次的窗口大小和位置"},
    {O::SpaceSeparated, K::CheckBox, "空格分式", G::Other, &Settings::空格分式, 0, {},
     "在一行可以将两个算式分开，计算互不影响"},
    {O::RememberContent, K::CheckBox, "记住内容", G::Other, &Settings::退出保存, 0, {},
     "打开程序时还有上次的计算内容"},
    {O::MultipleInstances, K::CheckBox, "窗口多开", G::Other, &Settings::允许多开, 0, {},
     "允许运行多个Tallyline"},
    {O::ResultToClipboard, K::CheckBox, "到粘贴板", G::Other, &Settings::结果到粘贴板, 0, {},
     "运算结果复制到粘贴板"},
    {O::AlwaysOnTop, K::CheckBox, "窗口前置", G::Other, &Settings::窗口前置, 0, {},
     "始终在屏幕前方，不会被其他窗口挡住"},
    {.option = O::UndoCount, .kind = K::NumberField, .caption = "撤销最大次数：", .group = G::Undo,
     .field = &Settings::撤销设置, .initialText = "20"},
    {O::EnterMode, K::DropList, "", G::EnterMode, &Settings::回车换行, 0, kEnterModes, "计算方式"},
    {O::Decimals, K::NumberField, "保留位数：", G::DecimalPlaces, &Settings::运算精度设置, 0, {},
     "舍入位数"},
    {O::PadZeros, K::Radio, "不足位数时添零", G::DecimalHandling, &Settings::小数类型, 0, {},
     "按位数，当位数不足时添加零补足位数"},
    {O::RoundLast, K::Radio, "末位四舍五入", G::DecimalHandling, &Settings::小数类型, 1, {},
     "按位数，当多于位数的零时四舍五入"},
    {.option = O::CutExcess, .kind = K::Radio, .caption = "直接删除超出部分",
     .group = G::DecimalHandling, .field = &Settings::小数类型, .value = 0},
    {O::DecimalForm, K::Radio, "小数", G::FractionChoice, &Settings::分数类型, 0, {},
     "结果为小数时直接显示"},
    {O::FractionForm, K::Radio, "分数", G::FractionChoice, &Settings::分数类型, 1, {},
     "结果为小数时转为分数显示"},
    {O::MixedForm, K::Radio, "带分数", G::FractionChoice, &Settings::分数类型, 2, {},
     "结果为小数时转为带分数显示"},
    {O::Degrees, K::Radio, "角度制", G::AngleUnit, &Settings::角度制选中, 1, {}, "输入默认为角度制"},
    {O::Radians, K::Radio, "弧度制", G::AngleUnit, &Settings::角度制选中, 2, {}, "输入默认为弧度制"},
    {O::Gradians, K::Radio, "百分度", G::AngleUnit, &Settings::角度制选中, 3},
    {O::Thousands, K::DropList, "", G::Thousands, &Settings::逗号千分割, 0, kSeparators},
    {O::IgnoreSeparators, K::CheckBox, "忽略千分符", G::Thousands, &Settings::忽略千分符, 0, {},
     "忽略表达式中的千分符，在进行多参数函数计算的时候，表达式将不能进行正常的计算"},
    {O::HotKeyEnabled, K::CheckBox, "启用", G::ShowHide, &Settings::热键状态, 0, {},
     "启用显示和隐藏窗口快捷键"},
    {.option = O::HotKeyModifier, .kind = K::DropList, .caption = {}, .group = G::ShowHide,
     .field = &Settings::辅助功能快捷键, .items = kHotKeyModifiers, .enabledBy = O::HotKeyEnabled},
    {.option = O::HotKeyKey, .kind = K::DropList, .caption = {}, .group = G::ShowHide,
     .field = &Settings::辅助快捷键, .items = kFunctionKeys, .enabledBy = O::HotKeyEnabled},
    {O::FullScreenEnabled, K::CheckBox, "启用", G::FullScreen, &Settings::全屏快捷键, 0, {},
     "启用打开全屏和关闭全屏快捷键"},
    {.option = O::FullScreenModifier, .kind = K::DropList, .caption = {}, .group = G::FullScreen,
     .field = &Settings::全屏功能快捷键, .items = kFullScreenModifiers,
     .enabledBy = O::FullScreenEnabled},
    {.option = O::FullScreenKey, .kind = K::DropList, .caption = {}, .group = G::FullScreen,
     .field = &Settings::全屏辅助快捷键, .items = kFunctionKeys, .enabledBy = O::FullScreenEnabled},
    {O::SmartPaste, K::CheckBox, "双击时智能粘贴", G::Features, &Settings::双击时智能粘贴},
    {.option = O::Skin, .kind = K::CheckBox, .caption = "启用皮肤", .group = G::Features,
     .field = &Settings::启用皮肤},
    {O::LiveRefresh, K::CheckBox, "动态刷新(实时显示计算结果)", G::Features, &Settings::动态刷新},
    {O::AutoReplace, K::CheckBox, "按同一个字符时，自动替换对应的字符", G::Features,
     &Settings::自动替换, 0, {}, "当按键盘上++，**等字符时，自动替换相应的字符"},
    {O::PairedBrackets, K::CheckBox, "按大键盘5，6，9，0时，替换对应的字符", G::Features,
     &Settings::成对括号, 0, {}, "不用按shift，大键盘上的！%^（）等字符就可以直接输入"},
    {.option = O::WordWrap, .kind = K::CheckBox, .caption = "当前行字数超过编辑框时，自动折回",
     .group = G::Features, .field = &Settings::自动折回,
     .tooltip = "当行长度大于编辑框宽度时自动折回，多出的在第二行显示", .reread = true},
    {O::AddLastResult, K::CheckBox, "行首按运算符时，先添加上一次的值", G::Features,
     &Settings::按esc退出, 0, {}, "再行首按加减乘除前面自动自动添加上次的计算结果"},
    {O::LiveMode, K::CheckBox, "实时计算", G::ButtonRow, &Settings::动态刷新},
};

constexpr Option kControlLoadOrder[] = {
    O::SmartPaste, O::IgnoreChinese, O::AlwaysOnTop, O::Notebook, O::EnterMode,
    O::IgnoreSeparators, O::Thousands, O::PasteAfterBreak,
    O::CloseAsk, O::CloseExit, O::CloseToTray,
    O::Degrees, O::Radians, O::Gradians,
    O::DecimalForm, O::FractionForm, O::MixedForm,
    O::DoubleClickCopy, O::PairedBrackets, O::LiveMode,
    O::HotKeyEnabled, O::FullScreenEnabled, O::EdgeHiding, O::PadZeros, O::RoundLast, O::Decimals,
    O::MultipleInstances, O::RememberContent, O::ResultToClipboard, O::BreakAfterResult,
    O::SpaceSeparated, O::RememberWindow, O::HotKeyModifier, O::HotKeyKey, O::AddLastResult,
    O::TimesDivide, O::WordWrap, O::FullScreenModifier, O::FullScreenKey, O::AutoReplace,
    O::UndoCount, O::LiveRefresh,
};
// clang-format on

static_assert(std::size(kGroups) == static_cast<std::size_t>(OptionGroup::Count));
static_assert(std::size(kControls) == kOptionCount);

consteval bool RowsFollowTheirEnums() {
  for (std::size_t i = 0; i < std::size(kControls); ++i)
    if (IndexOf(kControls[i].option) != i) return false;
  for (std::size_t i = 0; i < std::size(kGroups); ++i)
    if (static_cast<std::size_t>(kGroups[i].group) != i) return false;
  return true;
}
static_assert(RowsFollowTheirEnums());

int FieldValue(const Settings& settings, const OptionField& field) {
  if (auto flag = std::get_if<bool Settings::*>(&field)) return settings.**flag ? 1 : 0;
  if (auto number = std::get_if<int Settings::*>(&field)) return settings.**number;
  return 0;
}

void SetFieldValue(Settings& settings, const OptionField& field, int value) {
  if (auto flag = std::get_if<bool Settings::*>(&field)) settings.** flag = value != 0;
  if (auto number = std::get_if<int Settings::*>(&field)) settings.** number = value;
}

// The configuration key of a flag field.
const KeyInfo* KeyOf(const OptionField& field) {
  const auto flag = std::get_if<bool Settings::*>(&field);
  for (const KeyInfo& key : kKeys) {
    const auto keyFlag = std::get_if<bool Settings::*>(&key.field);
    if (flag && keyFlag && *keyFlag == *flag) return &key;
  }
  return nullptr;
}

int ItemIndexOf(std::span<const DropItem> items, int value) {
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].value == value) return static_cast<int>(i);
  return -1;
}

void LoadControl(const OptionControl& control, const Settings& settings, OptionsForm& form) {
  ControlState& state = form[IndexOf(control.option)];
  const int value = FieldValue(settings, control.field);
  switch (control.kind) {
    case OptionKind::CheckBox:
      state.checked = value != 0;
      break;
    case OptionKind::Radio:
      state.checked = value == control.value;
      break;
    case OptionKind::DropList:
      state.selection = ItemIndexOf(control.items, value);
      break;
    case OptionKind::NumberField:
      state.text = DecimalText(value);
      break;
  }
  for (const OptionControl& other : kControls)
    if (other.enabledBy == control.option) form[IndexOf(other.option)].enabled = state.checked;
}

void CopyRadioGroup(const OptionsForm& form, OptionGroup group, Settings& settings) {
  const OptionControl* first = nullptr;
  for (const OptionControl& control : kControls) {
    if (control.group != group || control.kind != OptionKind::Radio) continue;
    if (!first) first = &control;
    if (form[IndexOf(control.option)].checked) {
      SetFieldValue(settings, control.field, control.value);
      return;
    }
  }
  if (first && GroupOf(group).noneChecked)
    SetFieldValue(settings, first->field, *GroupOf(group).noneChecked);
}

bool FirstRadioOfGroup(const OptionControl& control) {
  for (const OptionControl& other : kControls)
    if (other.group == control.group && other.kind == OptionKind::Radio) return &other == &control;
  return false;
}

// The controls as the window defines them, before anything is loaded.
OptionsForm InitialOptionsForm() {
  OptionsForm form;
  for (const OptionControl& control : kControls)
    form[IndexOf(control.option)].text = std::string(control.initialText);
  return form;
}

}  // namespace

std::span<const GroupInfo> OptionGroups() {
  return kGroups;
}

const GroupInfo& GroupOf(OptionGroup group) {
  return kGroups[static_cast<std::size_t>(group)];
}

std::span<const OptionControl> OptionControls() {
  return kControls;
}

const OptionControl& ControlOf(Option option) {
  return kControls[IndexOf(option)];
}

std::span<const Option> OptionsLoadOrder() {
  return kControlLoadOrder;
}

OptionsForm LoadOptionsForm(Settings& settings, std::string_view configuration) {
  OptionsForm form = InitialOptionsForm();
  for (Option option : kControlLoadOrder) {
    const OptionControl& control = ControlOf(option);
    if (control.reread) {
      if (const KeyInfo* key = KeyOf(control.field)) ReadKeys(settings, configuration, {&key, 1});
    }
    LoadControl(control, settings, form);
  }
  return form;
}

void CopyOptionsForm(const OptionsForm& form, Settings& settings) {
  for (const OptionControl& control : kControls) {
    const ControlState& state = form[IndexOf(control.option)];
    switch (control.kind) {
      case OptionKind::CheckBox:
        SetFieldValue(settings, control.field, state.checked ? 1 : 0);
        break;
      case OptionKind::Radio:
        if (FirstRadioOfGroup(control)) CopyRadioGroup(form, control.group, settings);
        break;
      case OptionKind::DropList:
        if (state.selection >= 0 &&
            static_cast<std::size_t>(state.selection) < control.items.size())
          SetFieldValue(settings, control.field,
                        control.items[static_cast<std::size_t>(state.selection)].value);
        break;
      case OptionKind::NumberField:
        SetFieldValue(settings, control.field, ReadInteger(state.text));
        break;
    }
  }
}

std::string LimitUndoField(std::string_view text) {
  if (text::TextToNumber(text) > 500) return "500";
  return std::string(text);
}

}  // namespace tl::settings
