// `upper`: numbers in Chinese upper-case numerals and as amounts in words, as
// the number conversion window "数值转大写" shows them.
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "sheet/line/chinese_numerals.h"
#include "text/encoding.h"

namespace tl::cli {

int UpperCommand(const std::vector<std::string_view>& args, Console& console) {
  // Options come first; an argument such as "-3" is a number.
  const Arguments walked = WalkArguments(args, {.command = "upper", .optionsFirst = true});
  if (walked.help) {
    console.out << HelpText();
    return kExitSuccess;
  }
  if (!walked.error.empty()) return Fail(console, walked.error);
  const std::vector<std::string_view>& numbers = walked.positionals;
  if (numbers.empty()) return Fail(console, "upper: a NUMBER is required (try --help)");
  for (std::size_t k = 0; k < numbers.size(); ++k) {
    // Checked before anything is printed: a bad argument prints nothing.
    if (!text::IsValidUtf8(numbers[k])) {
      return Fail(console, "upper: NUMBER " + std::to_string(k + 1) + " is not UTF-8");
    }
  }
  for (const std::string_view number : numbers) {
    const sheet::NumberInWords words = sheet::ConvertNumberField(text::Utf8ToGbk(number));
    console.out << text::GbkToUtf8(words.upperCase) << '\t' << text::GbkToUtf8(words.amount)
                << '\n';
  }
  console.out.flush();
  if (!console.out) return Fail(console, "upper: cannot write standard output");
  return kExitSuccess;
}

}  // namespace tl::cli
