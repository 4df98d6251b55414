#include "sheet/help_content.h"

namespace tl::sheet::help {

namespace {

using enum ExampleAction;

// How a line is evaluated and written back.
constexpr HelpExample kLineExamples[] = {
    {"1+2×3", "1+2×3=7"},
    {"单价3×数量4", "单价3×数量4=12"},
    {"５×（２＋３）", "５×（２＋３）=25"},
};
constexpr HelpExample kChainExamples[] = {
    {"1+2=3×4", "1+2=3×4=12"},
};
constexpr HelpExample kRefreshExamples[] = {
    {"1+25+3=6+1+2+3=12", "1+25+3=29+1+2+3=35", {}, Refresh},
};
constexpr HelpExample kLiveExamples[] = {
    {"1+2*3", "1+2×3=7", {}, Type},
};

constexpr Paragraph kEvaluation[] = {
    {"工作表的每一行是一道算式，行里可以夹着汉字说明和空格。在行中任意位置按回车键，"
     "Tallyline 计算这一行，把“=”和结果写在行尾，光标停在结果后面：",
     kLineExamples},
    {"全角的数字和符号照常计算。计算出错时这一行不变，状态栏说明原因（例如"
     "“除法运算错误！”）；只有一个数的行（“押金 3000”也是）不计算。两个数之间只隔着汉字"
     "说明时（“第1笔 1.5×2”）这一行不计算，状态栏显示“缺少必要的运算符！”。"},
    {"回车键的其他用法：按住不放（约 0.35 秒）只换行；光标在已算好的结果后面、下面还有行时，"
     "回车键换到下一行；Ctrl+回车插入换行。选项“ctrl加回车键计算”把回车和 Ctrl+回车对调。"},
    {"在结果后面直接输入数字会自动另起一行。Ctrl+R 在光标处粘贴上一次的结果；选项“到粘贴板”"
     "把每个新结果复制到剪贴板，“运算后换行”在计算后换行。"},
};

constexpr Paragraph kChains[] = {
    {"在结果后面接着写运算符和数，就从这个结果继续算，一行可以接成一条链：", kChainExamples},
    {"改了链中的数以后，在这一行按回车键或 F5（刷新行），整条链按新的数重算：", kRefreshExamples},
    {"刷新失败时这一行保持原样，状态栏显示“刷新失败,表达式有错误！”。"},
    {"改了数却忘了刷新，写着的结果就不对了。查找菜单的“检查结果”（F6）把每个结果和它前面的算式"
     "对一遍，选中光标后面第一个过期的结果，状态栏说出现在的值和一共有几处；再按 F6 到下一处，"
     "到末尾后从头开始。检查不改动工作表。打开文件时也检查一遍，有过期的结果时状态栏会提示。"},
};

constexpr Paragraph kLiveAndBatch[] = {
    {"实时计算（编辑菜单的“实时计算”，Ctrl+G）打开时，每松开一个键就计算光标所在的行，"
     "结果随输入出现在行尾，光标留在原处（输入的 * 显示为 ×）：",
     kLiveExamples},
    {"关闭实时计算后按回车键才计算，状态栏提示下一步。这时“记录”（Ctrl+H）把每个结果记下，"
     "“累加器”（Ctrl+M）对记下的结果求和、相乘、求平均、最大值或最小值。"},
    {"批量运算（编辑菜单的“批量运算”）从第一行到最后一行逐行计算整个工作表，适合粘贴进来的一列"
     "算式：已有结果的行刷新，出错的行保持原样，后面的行照常计算；算完后状态栏显示计算了几行、"
     "其中几行出错。"},
};

constexpr Section kIntro[] = {
    {"一、计算一行", kEvaluation},
    {"二、连续计算和刷新", kChains},
    {"三、实时计算和批量运算", kLiveAndBatch},
};

constexpr HelpExample kPrecedenceExamples[] = {
    {"2+3×4^2", "2+3×4^2=50"},
    {"2^3^2", "2^3^2=64"},
    {"-2^2", "-2^2=4"},
};
constexpr Paragraph kOperatorIntro[] = {
    {"先算函数和负号，再算 !、%、‰，然后 ^ 和 √，然后 ×、÷、\\，最后 + 和 -；"
     "同一级从左往右算，括号里的先算。负号连着后面的数：",
     kPrecedenceExamples},
};

constexpr HelpExample kBareArgument[] = {
    {"sin30+1", "sin30+1=1.5"},
};
constexpr Paragraph kFunctionIntro[] = {
    {"函数名不分大小写。一个参数的函数可以不加括号，这时只取紧跟的一个数：", kBareArgument},
    {"多个参数的函数必须加括号，参数用逗号分隔（全角的“，”也可以）。三角函数的角度单位由选项"
     "“角度类型”决定，默认是角度制。数和函数名之间的乘号可以省略（2cos60 就是 2×cos60），"
     "但 s 或 m 开头的函数名（sin、sqr、sum、max、min 等）前面要写乘号：2×sin30。"},
};

constexpr HelpExample kNumberExamples[] = {
    {".5+1", ".5+1=1.5"},
    {"2π", "2π=6.28318530718"},
    {"2e", "2e=5.436563656918"},
};
constexpr HelpExample kFractionExamples[] = {
    {"1∟2+1∟4", "1∟2+1∟4=0.75"},
    {"1∟2+1∟4", "1∟2+1∟4=3∟4", "分数类型=1"},
    {"3∟1∟5+1", "3∟1∟5+1=4∟1∟5", "分数类型=2"},
};
constexpr Paragraph kNumbers[] = {
    {"小数点前的 0 可以省略。π 和 e 是常数（输入 pi 会变成 π），写在数后面表示相乘：",
     kNumberExamples},
    {"分数用“∟”分隔（连按两次 + 输入）：1∟2 是二分之一，3∟1∟5 是三又五分之一。"
     "结果默认写成小数；选项“分数类型”为 1（分数）或 2（带分数）时，由分数算出的结果写成分数：",
     kFractionExamples},
    {"算式里有小数或函数时结果总是小数。右键菜单的“分数转换”把这一行的结果在小数、分数、"
     "带分数之间轮换。"},
};

constexpr HelpExample kPrecisionExamples[] = {
    {"1÷8", "1÷8=0.13", "运算精度设置=2"},
    {"2.5+0.5", "2.5+0.5=3.00", "小数类型=假 运算精度设置=2"},
};
constexpr HelpExample kGroupingExamples[] = {
    {"1234567.5+0", "1234567.5+0=1,234,567.5", "逗号千分割=2"},
    {"1234567.5+0", "1234567.5+0=1;234;567.5", "逗号千分割=1"},
    {"1,000+1", "1,000+1=1,001", "逗号千分割=2"},
};
constexpr HelpExample kLargeExamples[] = {
    {"2^70", "2^70=1.180591620717×10^021"},
};
constexpr HelpExample kAngleExamples[] = {
    {"sin(180)", "sin(180)=0"},
    {"sin(π÷2)", "sin(π÷2)=1", "角度制选中=2"},
    {"asin(1)", "asin(1)=100", "角度制选中=3"},
};
constexpr Paragraph kResults[] = {
    {"下面方括号里是设置的名字和值（在“选项”窗口里设置，Ctrl+K）。运算精度设置：保留几位小数，"
     "默认 12 位，四舍五入；Ctrl+0 到 Ctrl+9 直接设定。小数类型为假时补足位数：",
     kPrecisionExamples},
    {"逗号千分割：结果按千位分组，1 用“;”分组，2 用“,”分组；分组的数也可以直接输入：",
     kGroupingExamples},
    {"很大或很小的数写成“×10^”的形式：", kLargeExamples},
    {"角度制选中：1 角度制，2 弧度制，3 百分度。角度制和百分度下整直角的倍数算得精确，"
     "tan(90) 报错：",
     kAngleExamples},
};

constexpr Section kNumberSections[] = {
    {"六、数、常数和分数", kNumbers},
    {"七、结果的写法", kResults},
};

constexpr Paragraph kRewriteIntro[] = {
    {"输入时，光标前刚输入的字符会改写成键盘上没有的符号。选项“乘除替换”（默认打开）"
     "把 * 和 / 显示为 × 和 ÷；选项“按大键盘5，6，9，0时，替换对应的字符”把大键盘的"
     " 1、5、6、9、0 写成 !、%、^、(、)。"},
};

constexpr Paragraph kKeyboardIntro[] = {
    {"工作表里的按键：回车 计算；Ctrl+回车 换行；Ctrl+0 到 Ctrl+9 设定小数位数；"
     "Ctrl+- 和 Ctrl+= 缩小、放大字号（Ctrl+鼠标滚轮也可以）；双击选中一个数；"
     "按住 Alt 选中文字后松开鼠标，把选中的文字复制到下一行；右键打开右键菜单"
     "（插入函数、求和、数值转大写、视图等）。菜单的快捷键："},
};

constexpr Paragraph kFiles[] = {
    {"设置保存在程序所在文件夹的“Tallyline运行文件\\Tallyline配置文件.ini”里。选项"
     "“退出保存”打开时，工作表的内容在下次启动时恢复。文件菜单可以把工作表存为文本文件、"
     "打开文本文件和打印。"},
    {"帮助窗口的文字可以选中后用 Ctrl+C 复制，Ctrl+A 全选，Esc 关闭。"},
};

constexpr Section kClosing[] = {
    {"十、文件和设置", kFiles},
};

constexpr Entry kBinaryOperators[] = {
    {"+", {}, "加", {"1+2", "1+2=3"}},
    {"-", {}, "减", {"5-8", "5-8=-3"}},
    {"×", "× 或 *", "乘", {"2×3", "2×3=6"}},
    {"÷", "÷ 或 /", "除", {"7÷2", "7÷2=3.5"}},
    {"\\", {}, "整除，舍去小数", {"7\\2", "7\\2=3"}},
    {"^", {}, "乘方", {"2^10", "2^10=1024"}},
    {"√", {}, "开方，左边是次数", {"3√8", "3√8=2"}},
    {"( )", "( ) [ ] { }", "括号，数和括号之间可以省略乘号", {"5(1+2)", "5(1+2)=15"}},
};

constexpr Entry kFunctionEntries[] = {
    {"sin", {}, "正弦", {"sin(30)", "sin(30)=0.5"}},
    {"cos", {}, "余弦", {"cos(60)", "cos(60)=0.5"}},
    {"tan", {}, "正切", {"tan(45)", "tan(45)=1"}},
    {"sqr", "sqr 或 √", "平方根", {"√16", "√16=4"}},
    {"asin", {}, "反正弦", {"asin(0.5)", "asin(0.5)=30"}},
    {"acos", {}, "反余弦", {"acos(0.5)", "acos(0.5)=60"}},
    {"atan", {}, "反正切", {"atan(1)", "atan(1)=45"}},
    {"sinh", {}, "双曲正弦", {"sinh(1)", "sinh(1)=1.175201193644"}},
    {"cosh", {}, "双曲余弦", {"cosh(1)", "cosh(1)=1.543080634815"}},
    {"tanh", {}, "双曲正切", {"tanh(1)", "tanh(1)=0.761594155956"}},
    {"asinh", {}, "反双曲正弦", {"asinh(1)", "asinh(1)=0.88137358702"}},
    {"acosh", {}, "反双曲余弦，参数不小于 1", {"acosh(2)", "acosh(2)=1.316957896925"}},
    {"atanh", {}, "反双曲正切，参数在 -1 和 1 之间", {"atanh(0.5)", "atanh(0.5)=0.549306144334"}},
    {"abs", {}, "绝对值", {"abs(-5)", "abs(-5)=5"}},
    {"exp", {}, "e 的乘方", {"exp(1)", "exp(1)=2.718281828459"}},
    {"int", {}, "取整，舍去小数", {"int(3.7)", "int(3.7)=3"}},
    {"ln", {}, "自然对数", {"ln(e^2)", "ln(e^2)=2"}},
    {"lg", {}, "常用对数", {"lg(1000)", "lg(1000)=3"}},
    {"~", "-", "负号", {"2×-3", "2×-3=-6"}},
    {"%", {}, "百分之", {"5×50%", "5×50%=2.5"}},
    {"‰", {}, "千分之", {"500‰", "500‰=0.5"}},
    {"!", {}, "阶乘，1 到 150 的整数", {"5!", "5!=120"}},
    {"log", {}, "对数，底数在前", {"log(2,8)", "log(2,8)=3"}},
    {"max", {}, "最大值", {"max(3,9,4)", "max(3,9,4)=9"}},
    {"min", {}, "最小值", {"min(3,9,4)", "min(3,9,4)=3"}},
    {"sum", {}, "求和", {"sum(1,2,3.5)", "sum(1,2,3.5)=6.5"}},
    {"if", {}, "按位置取值，第一个参数是位置", {"if(2,10,20,30)", "if(2,10,20,30)=20"}},
    {"tjfx",
     {},
     "统计，第一个参数选统计量：1 最小值，2 最大值，3 极差，4 和，5 平均值，6 方差，"
     "7 标准差，8 平均值的标准误差，9 中位数",
     {"tjfx(5,1,2,3,4)", "tjfx(5,1,2,3,4)=2.5"}},
};

}  // namespace

std::span<const Section> IntroSections() {
  return kIntro;
}
std::span<const Section> NumberSections() {
  return kNumberSections;
}
std::span<const Section> ClosingSections() {
  return kClosing;
}
std::span<const Paragraph> OperatorIntro() {
  return kOperatorIntro;
}
std::span<const Paragraph> FunctionIntro() {
  return kFunctionIntro;
}
std::span<const Paragraph> RewriteIntro() {
  return kRewriteIntro;
}
std::span<const Paragraph> KeyboardIntro() {
  return kKeyboardIntro;
}
std::span<const Entry> BinaryOperators() {
  return kBinaryOperators;
}

const Entry* FunctionEntry(std::string_view engineName) {
  for (const Entry& entry : kFunctionEntries)
    if (entry.name == engineName) return &entry;
  return nullptr;
}

}  // namespace tl::sheet::help
