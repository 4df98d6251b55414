#include "settings/writers.h"

#include <gtest/gtest.h>

#include "files/temp_folder.h"
#include "settings/load.h"
#include "settings/profile.h"
#include "settings/reset.h"

namespace tl::settings {
namespace {

namespace fs = std::filesystem;
using files::CreateFolder;
using files::FileExists;
using files::ReadWholeFile;
using files::WriteWholeFile;
using files::testing::TempFolder;

std::string FileText(const fs::path& path) {
  return ReadWholeFile(path).bytes;
}

// A program folder with a run folder, optionally holding a configuration.
struct Installation {
  TempFolder folder;
  SettingsFiles files = FilesUnder(folder.path());

  explicit Installation(std::string_view configuration = {}) {
    if (configuration.empty()) return;
    CreateFolder(files.runFolder);
    WriteWholeFile(files.configuration, configuration);
  }
};

TEST(SaveAtExit, FreshInstallationGetsTheExitKeys) {
  Installation app;
  ASSERT_FALSE(FileExists(app.files.runFolder));
  Settings settings = LoadSettings(app.files);
  ASSERT_EQ(settings, Settings{});
  const Geometry normal{320, 200, 640, 400};

  ASSERT_TRUE(SaveAtExit(settings, app.files, normal, 7, "1+1=2\r\n").ok());
  EXPECT_EQ(FileText(app.files.configuration),
            "[字体设置]\r\n字体加粗=假\r\n字体倾斜=假\r\n字体删除线=假\r\n字体下划线=假\r\n"
            "字体名称=Times New Roman\r\n字体颜色=0\r\n字体大小=14\r\n"
            "[启动窗口位置]\r\n_启动窗口.左边=320\r\n_启动窗口.顶边=200\r\n"
            "_启动窗口.宽度=640\r\n_启动窗口.高度=400\r\n"
            "[运行设置]\r\n起始选择位置=7\r\n退出设置=0\r\n撤销设置=50\r\n四舍五入=假\r\n"
            "窗口状态=0\r\n动态刷新=真\r\n忽略千分符=假\r\n启用皮肤=假\r\n运行次数=2\r\n"
            "[窗口状态设置]\r\n标题栏状态=真\r\n菜单栏状态=真\r\n状态栏状态=真\r\n");
  // 退出保存 is off: no content backup.
  EXPECT_FALSE(FileExists(app.files.contentBackup));

  const Settings next = LoadSettings(app.files);
  EXPECT_EQ(next.运行次数, 2);
  EXPECT_EQ(next.起始选择位置, 7);
  EXPECT_EQ(next._启动窗口, (StartWindow{320, 200, 640, 400}));
}

TEST(SaveAtExit, WorksheetBackupAndForgottenGeometry) {
  Installation app("[启动窗口位置]\r\n_启动窗口.左边=5\r\n");
  Settings settings = LoadSettings(app.files);
  settings.退出保存 = true;
  settings.记住窗口 = false;
  settings.菜单栏状态 = false;
  settings.文件名称 = "C:\\账目=1.txt";
  settings.内容已改 = true;
  const std::string sheet = "1+1=2\r\n汉字\r\n";
  ASSERT_TRUE(SaveAtExit(settings, app.files, {1, 2, 3, 4}, 3, sheet).ok());
  EXPECT_EQ(FileText(app.files.contentBackup), sheet);
  const Settings next = LoadSettings(app.files);
  EXPECT_EQ(next._启动窗口, (StartWindow{5, 0, 0, 0}));
  EXPECT_FALSE(next.菜单栏状态);
  EXPECT_TRUE(next.标题栏状态);
  EXPECT_EQ(next.文件名称, "C:\\账目=1.txt");
  EXPECT_TRUE(next.内容已改);
}

TEST(SaveRunningBackup, KeepsTheSheetAndItsCaretForTheNextStart) {
  Installation app;  // no run folder yet
  Settings settings;
  settings.文件名称 = "a.txt";
  settings.内容已改 = true;
  ASSERT_TRUE(SaveRunningBackup(settings, app.files, 5, "1+1=2\r\n").ok());
  EXPECT_EQ(FileText(app.files.contentBackup), "1+1=2\r\n");
  EXPECT_EQ(LoadSettings(app.files).起始选择位置, 5);
  EXPECT_EQ(LoadSettings(app.files).文件名称, "a.txt");

  // A sheet that cannot be written keeps the caret of the one before.
  fs::remove(app.files.contentBackup);
  fs::create_directory(app.files.contentBackup);
  settings.文件名称 = "b.txt";
  const SaveResult blocked = SaveRunningBackup(settings, app.files, 9, "2\r\n");
  EXPECT_FALSE(blocked.ok());
  EXPECT_TRUE(blocked.configuration.ok());
  EXPECT_EQ(LoadSettings(app.files).起始选择位置, 5);
  EXPECT_EQ(LoadSettings(app.files).文件名称, "a.txt");
}

TEST(ResetSettings, ThenSaveAtExitLeavesPrecisionOut) {
  Installation app("[运行设置]\r\n运算精度设置=8\r\n退出保存=真\r\n[其他设置]\r\n分数类型=2\r\n");
  WriteWholeFile(app.files.contentBackup, "sheet");
  WriteWholeFile(app.files.backupSettings, "old");
  Settings settings = LoadSettings(app.files);
  settings.字体加粗 = true;
  settings.退出保存 = true;

  const ResetResult declined = ResetSettings(settings, app.files, false);
  EXPECT_FALSE(declined.applied);
  EXPECT_EQ(settings.运算精度设置, 8);
  EXPECT_TRUE(FileExists(app.files.configuration));

  const ResetResult reset = ResetSettings(settings, app.files, true);
  EXPECT_TRUE(reset.applied);
  EXPECT_TRUE(reset.files.ok());
  EXPECT_EQ(settings.运算精度设置, 13);
  EXPECT_FALSE(settings.字体加粗);
  EXPECT_FALSE(settings.退出保存);
  EXPECT_EQ(settings.分数类型, 2);  // not part of the reset
  EXPECT_EQ(reset.window, kResetWindow);
  for (const fs::path& path :
       {app.files.configuration, app.files.contentBackup, app.files.backupSettings}) {
    EXPECT_FALSE(FileExists(path)) << path;
  }

  ASSERT_TRUE(SaveAtExit(settings, app.files, reset.window, 0, "sheet").ok());
  const std::string content = FileText(app.files.configuration);
  EXPECT_FALSE(ReadProfileValue(content, "运行设置", "运算精度设置"));
  EXPECT_EQ(ReadProfileValue(content, "启动窗口位置", "_启动窗口.宽度"), "800");
  EXPECT_EQ(ReadProfileValue(content, "运行设置", "运行次数"), "2");
  const Settings next = LoadSettings(app.files);
  EXPECT_EQ(next.运算精度设置, 12);
  EXPECT_EQ(next.分数类型, 0);
}

TEST(SaveOptions, WritesTheDialogKeysInOrder) {
  Installation app("[运行设置]\r\n");
  Settings settings;
  settings.撤销设置 = 0;  // kept as typed; start-up makes it 50
  settings.按esc退出 = true;
  settings.全屏功能快捷键 = 4;
  ASSERT_TRUE(SaveOptions(settings, app.files).ok());
  EXPECT_EQ(FileText(app.files.configuration),
            "[运行设置]\r\n双击复制=真\r\n乘除替换=真\r\n撤销设置=0\r\n边缘隐藏=假\r\n"
            "小数类型=真\r\n运算精度设置=12\r\n空格分式=假\r\n笔记本用户=假\r\n换行粘贴结果=假\r\n"
            "[其他设置]\r\n自动替换=假\r\n自动折回=假\r\n成对括号=假\r\n分数类型=0\r\n"
            "角度制选中=1\r\n窗口前置=假\r\n结果到粘贴板=假\r\n运算换行变量=假\r\n逗号千分割=0\r\n"
            "回车换行=假\r\n记住窗口=真\r\n允许多开=假\r\n退出保存=假\r\n按esc退出 =真\r\n"
            "忽略汉字=假\r\n"
            "[热键设置]\r\n热键状态=假\r\n辅助功能快捷键=0\r\n辅助快捷键=112\r\n全屏快捷键=假\r\n"
            "全屏功能快捷键=4\r\n全屏辅助快捷键=112\r\n");
  EXPECT_EQ(LoadSettings(app.files).撤销设置, 50);
}

TEST(Writers, RoundTripKeepsCommentsUnknownKeysAndChineseValues) {
  const std::string original =
      "; 计算器的设置\r\n"
      "[运行设置]\r\n"
      "双击复制=假\r\n乘除替换=真\r\n撤销设置=120\r\n边缘隐藏=假\r\n小数类型=真\r\n"
      "运算精度设置=4\r\n空格分式=假\r\n笔记本用户=真\r\n换行粘贴结果=假\r\n"
      "起始选择位置=15\r\n退出设置=2\r\n四舍五入=假\r\n窗口状态=3\r\n动态刷新=假\r\n"
      "忽略千分符=假\r\n启用皮肤=假\r\n运行次数=41\r\n"
      "旧版本的键=保留 这个 值\r\n"
      "\r\n"
      "[我的插件]\r\n颜色=红色\r\nname = value with spaces  \r\n"
      "\r\n"
      "[其他设置]\r\n自动替换=真\r\n自动折回=假\r\n成对括号=假\r\n分数类型=1\r\n角度制选中=2\r\n"
      "窗口前置=假\r\n结果到粘贴板=假\r\n运算换行变量=假\r\n逗号千分割=2\r\n回车换行=真\r\n"
      "记住窗口=真\r\n允许多开=假\r\n退出保存=假\r\n按esc退出 =假\r\n忽略汉字=真\r\n"
      "[热键设置]\r\n热键状态=真\r\n辅助功能快捷键=1\r\n辅助快捷键=115\r\n全屏快捷键=假\r\n"
      "全屏功能快捷键=0\r\n全屏辅助快捷键=112\r\n"
      "[字体设置]\r\n字体加粗=真\r\n字体倾斜=假\r\n字体删除线=假\r\n字体下划线=假\r\n"
      "字体名称=宋体\r\n字体颜色=255\r\n字体大小=16\r\n"
      "[启动窗口位置]\r\n_启动窗口.左边=100\r\n_启动窗口.顶边=80\r\n_启动窗口.宽度=900\r\n"
      "_启动窗口.高度=500\r\n"
      "[窗口状态设置]\r\n标题栏状态=真\r\n菜单栏状态=假\r\n状态栏状态=真\r\n";
  Installation app(original);
  Settings settings = LoadSettings(app.files);

  ASSERT_TRUE(SaveOptions(settings, app.files).ok());
  EXPECT_EQ(FileText(app.files.configuration), original);

  ASSERT_TRUE(SaveAtExit(settings, app.files, {100, 80, 900, 500}, 15, "").ok());
  std::string expected = original;
  expected.replace(expected.find("运行次数=41"), std::string("运行次数=41").size(), "运行次数=42");
  EXPECT_EQ(FileText(app.files.configuration), expected);
}

TEST(Writers, KeyboardCloseRequestPositionAndHandle) {
  Installation app("[运行设置]\r\n");
  Settings settings;

  ASSERT_TRUE(SaveKeyboardOpened(app.files).ok());
  settings.键盘宽度 = 310;
  settings.键盘左边 = -4;
  settings.键盘模式 = false;
  ASSERT_TRUE(SaveKeyboardClosed(settings, app.files).ok());
  ASSERT_TRUE(SaveCloseRequest(settings, app.files, true).ok());
  ASSERT_TRUE(SaveWindowHandle(settings, app.files, -2147155000).ok());
  settings.退出设置 = 2;
  ASSERT_TRUE(SaveCloseBehaviour(settings, app.files).ok());
  ASSERT_TRUE(SaveCustomWindowPosition(app.files, {" 12", "abc", "800", ""}).ok());

  EXPECT_EQ(FileText(app.files.configuration),
            "[运行设置]\r\n键盘开启=真\r\n窗口代号=-2147155000\r\n退出设置=2\r\n"
            "[键盘窗口设置]\r\n键盘开启=假\r\n键盘宽度=310\r\n键盘高度=285\r\n"
            "键盘左边=-4\r\n键盘顶边=285\r\n键盘模式=假\r\n"
            "[启动窗口位置]\r\n_启动窗口.左边= 12\r\n_启动窗口.顶边=abc\r\n"
            "_启动窗口.宽度=800\r\n_启动窗口.高度=\r\n");
  // The texts come back trimmed, as the Windows functions read them.
  EXPECT_EQ(ReadCustomWindowPosition(app.files),
            (std::array<std::string, 4>{"12", "abc", "800", ""}));

  Settings reopened;
  ReloadKeys(reopened, app.files, kKeyboardReadOrder);
  EXPECT_EQ(reopened.键盘宽度, 310);
  EXPECT_EQ(reopened.键盘左边, -4);
  EXPECT_FALSE(reopened.键盘模式);
  const Settings next = LoadSettings(app.files);
  EXPECT_TRUE(next.键盘开启);
  EXPECT_EQ(next.窗口代号, -2147155000);
  EXPECT_EQ(next.退出设置, 2);
  EXPECT_EQ(next._启动窗口, (StartWindow{12, 0, 800, 0}));

  // Into a file without them, the keyboard's keys go in the order written.
  Installation fresh("[运行设置]\r\n");
  ASSERT_TRUE(SaveKeyboardClosed(settings, fresh.files).ok());
  EXPECT_EQ(FileText(fresh.files.configuration),
            "[运行设置]\r\n[键盘窗口设置]\r\n键盘宽度=310\r\n键盘高度=285\r\n键盘左边=-4\r\n"
            "键盘顶边=285\r\n键盘开启=假\r\n键盘模式=假\r\n");
}

TEST(Writers, CustomPositionDefaultsToZeroTexts) {
  Installation app;
  EXPECT_EQ(ReadCustomWindowPosition(app.files), (std::array<std::string, 4>{"0", "0", "0", "0"}));
}

TEST(Writers, FailuresLeaveTheFilesAlone) {
  Installation app;
  Settings settings;
  // Without a run folder only the save at exit writes (it creates the folder).
  EXPECT_FALSE(SaveOptions(settings, app.files).ok());
  EXPECT_FALSE(FileExists(app.files.runFolder));

  // A configuration that exists but cannot be read is never rebuilt.
  CreateFolder(app.files.configuration);
  EXPECT_FALSE(SaveCloseRequest(settings, app.files, false).ok());
  EXPECT_TRUE(fs::is_directory(app.files.configuration));
}

}  // namespace
}  // namespace tl::settings
