#pragma once
// The one record of option values. Every persisted field is named by its
// configuration key and starts at the value a missing key reads as; the
// section of each key is listed in key_table.h. Texts are GBK bytes.
#include <cstdint>
#include <string>

namespace tl::settings {

// A window rectangle in pixels.
struct Geometry {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Geometry&) const = default;
};

// The 启动窗口位置 keys "_启动窗口.左边" ... "_启动窗口.高度": the field
// `settings._启动窗口.左边` reads exactly as its key.
struct StartWindow {
  int 左边 = 0;
  int 顶边 = 0;
  int 宽度 = 0;
  int 高度 = 0;
  bool operator==(const StartWindow&) const = default;
};

struct Settings {
  // 运行设置
  int 窗口状态 = 0;                   // 3 maximized, anything else normal
  bool 键盘开启 = false;              // the virtual keyboard was open at the last close request
  int 窗口代号 = 0;                   // the running instance's window handle (32 significant bits)
  std::uint32_t 背景颜色 = 16777215;  // COLORREF 0x00BBGGRR
  int 退出设置 = 0;                   // 0 ask, 1 exit, 2 hide to the tray
  int 撤销设置 = 50;                  // undo snapshots, 1..500 after loading
  std::int64_t 运行次数 = 1;
  int 运算精度设置 = 12;  // decimals of results
  bool 四舍五入 = false;
  bool 笔记本用户 = false;
  bool 换行粘贴结果 = false;
  bool 空格分式 = false;
  bool 小数类型 = true;  // true round the last digit, false pad with zeros
  bool 边缘隐藏 = false;
  bool 乘除替换 = true;
  bool 双击复制 = true;
  bool 动态刷新 = true;
  bool 启用皮肤 = false;
  bool 忽略千分符 = false;
  int 起始选择位置 = 0;   // caret restored with the content backup
  std::string 文件名称;   // with the content backup: the sheet's file (GBK), empty for none
  bool 内容已改 = false;  // with the content backup: changed since its file was read or written
  int 皮肤滑块条 = 100;   // read and kept, no effect
  bool 加载特效 = false;  // read and kept, no effect

  // 窗口状态设置
  bool 状态栏状态 = true;
  bool 菜单栏状态 = true;
  bool 标题栏状态 = true;

  // 启动窗口位置
  StartWindow _启动窗口;

  // 其他设置
  bool 允许多开 = false;
  bool 窗口前置 = false;
  bool 结果到粘贴板 = false;
  bool 运算换行变量 = false;
  int 角度制选中 = 1;  // 1 degrees, 2 radians, 3 gradians
  bool 回车换行 = false;
  bool 记住窗口 = true;
  int 逗号千分割 = 0;  // 0 none, 1 ";", 2 ","
  bool 退出保存 = false;
  int 分数类型 = 0;  // 0 decimal, 1 fraction, 2 mixed number
  bool 成对括号 = false;
  bool 自动折回 = false;
  bool 自动替换 = false;
  bool 按esc退出 = false;  // key "按esc退出 " (with its trailing space)
  bool 忽略汉字 = false;

  // 热键设置
  bool 热键状态 = false;
  int 辅助功能快捷键 = 0;  // 0 none, 1 Ctrl, 2 Shift
  int 辅助快捷键 = 112;    // virtual-key code, 112..123 = F1..F12
  bool 全屏快捷键 = false;
  int 全屏功能快捷键 = 0;  // 0 none, 1 Ctrl, 2 Shift, 4 Alt
  int 全屏辅助快捷键 = 112;

  // 字体设置 (the worksheet font)
  bool 字体加粗 = false;
  bool 字体倾斜 = false;
  bool 字体删除线 = false;
  bool 字体下划线 = false;
  std::string 字体名称 = "Times New Roman";
  std::uint32_t 字体颜色 = 0;
  int 字体大小 = 14;

  // 键盘窗口设置 (its 键盘开启 key is only ever written, so it has no field)
  int 键盘宽度 = 540;
  int 键盘高度 = 285;
  int 键盘左边 = 285;
  int 键盘顶边 = 285;
  bool 键盘模式 = true;  // true scientific layout, false simple

  // Not a key: the options dialog's "双击时智能粘贴", kept while the program runs.
  bool 双击时智能粘贴 = false;

  bool operator==(const Settings&) const = default;
};

}  // namespace tl::settings
