#include "app/menus.h"

#include <gtest/gtest.h>

namespace tl::app {
namespace {

using sheet::Command;

std::wstring Caption(HMENU menu, UINT item, UINT by) {
  wchar_t text[80] = {};
  GetMenuStringW(menu, item, text, 80, by);
  return text;
}

TEST(Menus, BarHasTheFiveMenusWithCaptionsAndShortcuts) {
  Menus menus = BuildMenus();
  ASSERT_EQ(GetMenuItemCount(menus.bar), 5);
  const wchar_t* bar[] = {L"&F.文件", L"&E.编辑", L"&S.查找", L"&K.设置", L"&H.关于"};
  for (UINT i = 0; i < 5; ++i) EXPECT_EQ(Caption(menus.bar, i, MF_BYPOSITION), bar[i]);
  const struct {
    Command command;
    const wchar_t* caption;
  } items[] = {
      {Command::BatchEvaluate, L"&F.批量运算"}, {Command::RefreshLine, L"&w.刷新行\tF5"},
      {Command::Undo, L"&z.撤消\tCtrl+Z"},      {Command::FindPrevious, L"&P.查找上一个\tShift+F3"},
      {Command::Exit, L"&X.退出\tCtrl+Q"},      {Command::CheckResults, L"&R.检查结果\tF6"},
  };
  for (const auto& item : items)
    EXPECT_EQ(Caption(menus.bar, CommandId(item.command), MF_BYCOMMAND), item.caption);
  DestroyMenus(menus);
}

TEST(Menus, ContextMenuHasItsTwoSubmenusInPlace) {
  Menus menus = BuildMenus();
  // "&Z.撤消", then "&L.插入函数" with its 16 templates.
  int count = GetMenuItemCount(menus.context);
  int insert = -1, view = -1;
  for (int i = 0; i < count; ++i) {
    std::wstring caption = Caption(menus.context, static_cast<UINT>(i), MF_BYPOSITION);
    if (caption == L"&L.插入函数") insert = i;
    if (caption == L"&Q.视图") view = i;
  }
  ASSERT_GT(insert, 0);
  EXPECT_EQ(Caption(menus.context, static_cast<UINT>(insert - 1), MF_BYPOSITION), L"&Z.撤消");
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(menus.context, insert)), 16);
  ASSERT_EQ(view, count - 1);
  EXPECT_EQ(Caption(GetSubMenu(menus.context, view), 4, MF_BYPOSITION), L"全屏");
  EXPECT_EQ(Caption(menus.tray, 0, MF_BYPOSITION), L"打开计算器");
  DestroyMenus(menus);
}

// The opening menu gets its states; a left-out item leaves every menu and
// comes back in its place.
TEST(Menus, StatesAreShownAsAMenuOpens) {
  Menus menus = BuildMenus();
  HMENU edit = GetSubMenu(menus.bar, 1);
  bool copyCompatibleShown = false;
  const auto state = [&copyCompatibleShown](Command command) {
    sheet::MenuItemState item;
    item.enabled = command != Command::PasteResult;
    item.checked = command == Command::LiveMode;
    item.shown = command != Command::CopyCompatible || copyCompatibleShown;
    return item;
  };
  const auto stateOf = [](HMENU menu, Command command) {
    return GetMenuState(menu, CommandId(command), MF_BYCOMMAND);
  };
  ShowMenuStates(menus, edit, state);
  EXPECT_TRUE(stateOf(edit, Command::PasteResult) & MF_GRAYED);
  EXPECT_FALSE(stateOf(edit, Command::Paste) & MF_GRAYED);
  EXPECT_TRUE(stateOf(edit, Command::LiveMode) & MF_CHECKED);
  EXPECT_FALSE(stateOf(edit, Command::Record) & MF_CHECKED);
  for (HMENU root : {menus.bar, menus.context})
    EXPECT_EQ(stateOf(root, Command::CopyCompatible), static_cast<UINT>(-1));
  EXPECT_FALSE(stateOf(menus.context, Command::PasteResult) & MF_GRAYED) << "not opened yet";
  ShowMenuStates(menus, menus.context, state);
  EXPECT_TRUE(stateOf(menus.context, Command::PasteResult) & MF_GRAYED);

  copyCompatibleShown = true;
  ShowMenuStates(menus, edit, state);
  for (HMENU menu : {edit, menus.context}) {
    int copy = -1;
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
      if (GetMenuItemID(menu, i) == CommandId(Command::Copy)) copy = i;
    ASSERT_GE(copy, 0);
    EXPECT_EQ(GetMenuItemID(menu, copy + 1), CommandId(Command::CopyCompatible));
  }
  DestroyMenus(menus);
}

TEST(Menus, AcceleratorsGiveCtrlEToTheFirstRow) {
  HACCEL table = BuildAccelerators();
  ACCEL entries[64];
  int n = CopyAcceleratorTableW(table, entries, 64);
  int ctrlE = 0;
  for (int i = 0; i < n; ++i) {
    if (entries[i].key == 'E' && (entries[i].fVirt & FCONTROL)) {
      ++ctrlE;
      EXPECT_EQ(entries[i].cmd, CommandId(Command::CopyCompatible));
    }
  }
  EXPECT_EQ(ctrlE, 1);
  DestroyAcceleratorTable(table);
}

}  // namespace
}  // namespace tl::app
