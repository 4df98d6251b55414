#include "settings/option_controls.h"

#include <gtest/gtest.h>

#include <set>

#include "settings/load.h"

namespace tl::settings {
namespace {

using O = Option;

const ControlState& StateOf(const OptionsForm& form, Option option) {
  return form[IndexOf(option)];
}

TEST(OptionsForm, LoadOrderCoversEveryControlButTheTwoTheWindowDefines) {
  std::multiset<Option> loaded(OptionsLoadOrder().begin(), OptionsLoadOrder().end());
  for (const OptionControl& control : OptionControls()) {
    const bool definedByWindow = control.option == O::CutExcess || control.option == O::Skin;
    EXPECT_EQ(loaded.count(control.option), definedByWindow ? 0u : 1u)
        << static_cast<int>(control.option);
  }
}

struct LoadRow {
  Option option;
  ControlState state;  // text, selection, checked and enabled as loaded
};

TEST(OptionsForm, LoadShowsTheSettings) {
  Settings settings = SettingsFromProfile(
      "[运行设置]\r\n退出设置=5\r\n小数类型=假\r\n撤销设置=120\r\n动态刷新=假\r\n启用皮肤="
      "真\r\n运算精度设置=4\r\n"
      "[其他设置]\r\n角度制选中=3\r\n逗号千分割=2\r\n回车换行=真\r\n自动折回=真\r\n"
      "[热键设置]\r\n热键状态=真\r\n辅助快捷键=123\r\n全屏功能快捷键=4\r\n全屏辅助快捷键=99\r\n");
  settings.双击时智能粘贴 = true;
  // The file says otherwise: 自动折回 is read again from it.
  const OptionsForm form = LoadOptionsForm(settings, "[其他设置]\r\n自动折回=假\r\n");
  const LoadRow rows[] = {
      {O::PadZeros, {.checked = true}},
      {O::RoundLast, {.checked = false}},
      {O::CutExcess, {.checked = false}},
      {O::CloseAsk, {.checked = false}},  // 5 has no radio
      {O::Gradians, {.checked = true}},
      {O::Thousands, {.selection = 2}},
      {O::EnterMode, {.selection = 1}},
      {O::HotKeyKey, {.selection = 11, .enabled = true}},
      {O::FullScreenModifier, {.selection = 3, .enabled = false}},  // Alt
      {O::FullScreenKey, {.selection = -1, .enabled = false}},      // not a function key
      {O::UndoCount, {.text = "120"}},
      {O::WordWrap, {.checked = false}},
      {O::Skin, {.checked = false}},  // not loaded
      {O::SmartPaste, {.checked = true}},
      {O::LiveRefresh, {.checked = false}},
      {O::LiveMode, {.checked = false}},
  };
  for (const LoadRow& row : rows)
    EXPECT_EQ(StateOf(form, row.option), row.state) << static_cast<int>(row.option);
  EXPECT_FALSE(settings.自动折回);
}

struct CopyRow {
  const char* what;
  void (*edit)(OptionsForm&);
  bool (*holds)(const Settings&);
};

ControlState& At(OptionsForm& form, Option option) {
  return form[IndexOf(option)];
}

TEST(OptionsForm, ConfirmCopiesTheControls) {
  const CopyRow rows[] = {
      {"直接删除超出部分 stores 小数类型 false",
       [](OptionsForm& f) {
         At(f, O::RoundLast).checked = false;
         At(f, O::CutExcess).checked = true;
       },
       [](const Settings& s) { return !s.小数类型; }},
      {"no close radio stores 2", [](OptionsForm& f) { At(f, O::CloseAsk).checked = false; },
       [](const Settings& s) { return s.退出设置 == 2; }},
      {"no angle radio keeps the unit", [](OptionsForm& f) { At(f, O::Degrees).checked = false; },
       [](const Settings& s) { return s.角度制选中 == 3; }},
      {"Alt stores 4", [](OptionsForm& f) { At(f, O::FullScreenModifier).selection = 3; },
       [](const Settings& s) { return s.全屏功能快捷键 == 4; }},
      {"an empty drop list keeps its setting",
       [](OptionsForm& f) { At(f, O::FullScreenKey).selection = -1; },
       [](const Settings& s) { return s.全屏辅助快捷键 == 115; }},
      {"ctrl加回车键计算", [](OptionsForm& f) { At(f, O::EnterMode).selection = 1; },
       [](const Settings& s) { return s.回车换行; }},
      {"a number is truncated", [](OptionsForm& f) { At(f, O::Decimals).text = "7.9abc"; },
       [](const Settings& s) { return s.运算精度设置 == 7; }},
      {"实时计算 off wins over 动态刷新 on",
       [](OptionsForm& f) {
         At(f, O::LiveRefresh).checked = true;
         At(f, O::LiveMode).checked = false;
       },
       [](const Settings& s) { return !s.动态刷新; }},
      {"实时计算 on wins over 动态刷新 off",
       [](OptionsForm& f) {
         At(f, O::LiveRefresh).checked = false;
         At(f, O::LiveMode).checked = true;
       },
       [](const Settings& s) { return s.动态刷新; }},
      {"the adding option is the key 按esc退出 ",
       [](OptionsForm& f) { At(f, O::AddLastResult).checked = true; },
       [](const Settings& s) { return s.按esc退出; }},
      {"启用皮肤 follows its box, which opens unchecked", [](OptionsForm&) {},
       [](const Settings& s) { return !s.启用皮肤; }},
  };
  for (const CopyRow& row : rows) {
    Settings settings;
    settings.小数类型 = true;
    settings.角度制选中 = 3;
    settings.全屏辅助快捷键 = 115;
    settings.启用皮肤 = true;
    OptionsForm form = LoadOptionsForm(settings, "");
    row.edit(form);
    CopyOptionsForm(form, settings);
    EXPECT_TRUE(row.holds(settings)) << row.what;
  }
}

TEST(OptionsForm, ConfirmingUnchangedKeepsEverySetting) {
  Settings settings = SettingsFromProfile(
      "[运行设置]\r\n退出设置=1\r\n笔记本用户=真\r\n撤销设置=77\r\n乘除替换=假\r\n小数类型=假\r\n"
      "[其他设置]\r\n分数类型=1\r\n角度制选中=2\r\n逗号千分割=1\r\n允许多开=真\r\n"
      "按esc退出 =真\r\n[热键设置]\r\n热键状态=真\r\n辅助功能快捷键=2\r\n辅助快捷键=120\r\n");
  settings.双击时智能粘贴 = true;
  const Settings before = settings;
  CopyOptionsForm(LoadOptionsForm(settings, ""), settings);
  EXPECT_EQ(settings, before);
}

TEST(OptionsForm, UndoFieldGuards) {
  const std::pair<const char*, const char*> rows[] = {
      {"800", "500"}, {"500", "500"}, {"1e3", "500"}, {"499.9", "499.9"}, {"x", "x"}, {"", ""},
  };
  for (const auto& [typed, shown] : rows) EXPECT_EQ(LimitUndoField(typed), shown) << typed;
  EXPECT_TRUE(UndoFieldRefuses(U'-'));
  EXPECT_FALSE(UndoFieldRefuses(U'5'));
}

}  // namespace
}  // namespace tl::settings
