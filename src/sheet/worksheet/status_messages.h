#pragma once
// Every status message the worksheet writes itself (the engine's diagnostics
// are in engine/messages.h). A status message is three spaces, the bracketed
// category, "_" and the text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tl::sheet::msg {

inline constexpr std::string_view kStarted = "   [提示]_初始化完毕，请输入表达式!";
inline constexpr std::string_view kPressCtrlEnter = "   [提示]_ 按“CTRL+回车键”计算!";
inline constexpr std::string_view kEditedPressEnter = "   [提示]_ 表达式修改完毕短按“回车键”刷新！";
inline constexpr std::string_view kTypedPressEnter = "   [提示]_ 输入完毕按“回车键”计算!";
inline constexpr std::string_view kRefreshed = "   [提示]_表达式已刷新！";
inline constexpr std::string_view kRefreshFailed = "   [提示]_刷新失败,表达式有错误！";
inline constexpr std::string_view kNoOperator = "   [提示]_没有检测到操作符，请继续输入！";

// "&R.检查结果" (F6) and the check after an open.
inline constexpr std::string_view kAllResultsHold = "   [提示]_所有结果都与算式相符";
// "   [提示]_第 3 行的结果已过期，现为 6（共 2 处）".
std::string StaleResult(std::size_t line, std::string_view now, std::size_t count);
// "   [提示]_文件中有 2 处结果已过期，按 F6 查看", and its text without the
// category, for joining to another message.
std::string StaleResultsInFile(std::size_t count);
std::string StaleResultsNote(std::size_t count);

// Characters that GBK cannot hold (an emoji) never enter the worksheet: a
// typed one is dropped, a clipboard text holding one is not pasted.
inline constexpr std::string_view kCharacterRefused =
    "   [提示]_文档只能保存 GBK 字符，表情符号等字符已忽略！";
inline constexpr std::string_view kPasteRefused =
    "   [提示]_剪贴板中有表情符号等 GBK 以外的字符，未粘贴！";

// Shown before a write-out the window's edit control is likely to take long
// over (a very long line, a very large text), while it cannot repaint.
inline constexpr std::string_view kUpdatingEditBox = "   [提示]_正在更新编辑框，请稍候…";

// The clearing question of "&O.清空累加器".
inline constexpr std::string_view kClearAccumulatorQuestion = "是否清空累加器！";
inline constexpr std::string_view kClearAccumulatorTitle = "警告";

// "   [运算完成]_用时 0.016 秒": the seconds by the number-text rule.
std::string Elapsed(std::uint64_t milliseconds);
// "   [运算完成]_已计算 12 行，其中 1 行出错": the end of "&F.批量运算".
std::string BatchDone(std::size_t evaluated, std::size_t failed);
// "   [提示]_找不到“abc”": a search found no match.
std::string NotFound(std::string_view searched);
// "   [当前位置] _ 行: 3,列: 5".
std::string CaretPosition(std::size_t line, std::size_t column);

}  // namespace tl::sheet::msg
