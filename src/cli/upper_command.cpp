// `upper`: numbers in Chinese upper-case numerals and as amounts in words, as
// the number conversion window "数值转大写" shows them.
#include "cli/commands.h"
#include "cli/help.h"
#include "sheet/chinese_numerals.h"
#include "text/encoding.h"

namespace tl::cli {

int UpperCommand(const std::vector<std::string_view>& args, Console& console) {
  std::size_t i = 0;
  // Options come first; an argument such as "-3" is a number.
  for (; i < args.size(); ++i) {
    if (args[i] == "--") {
      ++i;
      break;
    }
    if (args[i] == "-h" || args[i] == "--help") {
      console.out << HelpText();
      return kExitSuccess;
    }
    if (args[i].starts_with("--")) {
      return Fail(console, "upper: unknown option '" + std::string(args[i]) + "' (try --help)");
    }
    break;
  }
  if (i == args.size()) return Fail(console, "upper: a NUMBER is required (try --help)");
  for (std::size_t k = i; k < args.size(); ++k) {
    // Checked before anything is printed: a bad argument prints nothing.
    if (!text::IsValidUtf8(args[k])) {
      return Fail(console, "upper: NUMBER " + std::to_string(k - i + 1) + " is not UTF-8");
    }
  }
  for (; i < args.size(); ++i) {
    const sheet::NumberInWords words = sheet::ConvertNumberField(text::Utf8ToGbk(args[i]));
    console.out << text::GbkToUtf8(words.upperCase) << '\t' << text::GbkToUtf8(words.amount)
                << '\n';
  }
  console.out.flush();
  if (!console.out) return Fail(console, "upper: cannot write standard output");
  return kExitSuccess;
}

}  // namespace tl::cli
