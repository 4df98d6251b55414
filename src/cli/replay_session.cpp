#include "cli/replay_session.h"

#include <charconv>

#include "cli/common_options.h"
#include "cli/print_quote.h"
#include "sheet/key_delivery.h"
#include "text/encoding.h"
#include "text/gbk.h"

namespace tl::cli {

namespace {

template <class Number>
bool ParseNumber(const ScriptWord& word, Number& number) {
  const std::string& digits = word.text;
  const char* end = digits.data() + digits.size();
  const auto [stop, failure] = std::from_chars(digits.data(), end, number);
  return !digits.empty() && failure == std::errc() && stop == end;
}

std::string NotANumber(const ScriptWord& word) {
  return "'" + text::GbkToUtf8(word.text) + "' is not a number";
}

}  // namespace

const ReplaySession::Handler ReplaySession::kHandlers[] = {
    {"set", 2, &ReplaySession::SetSetting},     {"text", 1, &ReplaySession::SetText},
    {"caret", 1, &ReplaySession::PlaceCaret},   {"select", 2, &ReplaySession::SelectRange},
    {"type", 1, &ReplaySession::TypeText},      {"key", 1, &ReplaySession::PressKey},
    {"hold", 2, &ReplaySession::HoldKey},       {"command", 1, &ReplaySession::RunMenuCommand},
    {"answer", 1, &ReplaySession::QueueAnswer}, {"clock", 1, &ReplaySession::AdvanceClock},
    {"print", 0, &ReplaySession::PrintState},
};

ReplaySession::ReplaySession(settings::Settings settings)
    : settings_(std::move(settings)), worksheet_(box_, host_, settings_) {}

std::string ReplaySession::Execute(Words words, std::ostream& out) {
  if (words.empty()) return {};
  const std::string_view name = words[0].text;
  for (const Handler& handler : kHandlers) {
    if (words[0].quoted || name != handler.name) continue;
    if (words.size() - 1 != handler.arguments) {
      return std::string(name) + " takes " + std::to_string(handler.arguments) +
             (handler.arguments == 1 ? " argument" : " arguments");
    }
    return (this->*handler.run)(words.subspan(1), out);
  }
  return "unknown command '" + text::GbkToUtf8(name) + "'";
}

std::string ReplaySession::SetSetting(Words args, std::ostream&) {
  if (!SetByKey(settings_, args[0].text, args[1].text)) {
    return "unknown setting '" + text::GbkToUtf8(args[0].text) + "'";
  }
  return {};
}

std::string ReplaySession::SetText(Words args, std::ostream&) {
  box_.SetText(args[0].text);
  return {};
}

std::string ReplaySession::PlaceCaret(Words args, std::ostream&) {
  std::size_t position = 0;
  if (!ParseNumber(args[0], position)) return NotANumber(args[0]);
  sheet::PlaceCaret(box_, position);
  return {};
}

std::string ReplaySession::SelectRange(Words args, std::ostream&) {
  std::size_t start = 0;
  std::size_t length = 0;
  if (!ParseNumber(args[0], start)) return NotANumber(args[0]);
  if (!ParseNumber(args[1], length)) return NotANumber(args[1]);
  sheet::PlaceCaret(box_, start);
  box_.SetSelectionLength(length);
  return {};
}

std::string ReplaySession::TypeText(Words args, std::ostream&) {
  const std::string_view typed = args[0].text;
  for (std::size_t p = 0; p < typed.size(); p = text::NextChar(typed, p)) {
    // A line break is typed with Enter alone.
    if (typed[p] == '\r') continue;
    sheet::Character character = static_cast<unsigned char>(typed[p]);
    if (text::CharLength(typed, p) == 2) {
      character = character << 8 | static_cast<unsigned char>(typed[p + 1]);
    }
    const KeyPress press = PressFor(character);
    if (std::string error = KeyDown(press); !error.empty()) return error;
    KeyUp(press);
  }
  return {};
}

std::string ReplaySession::PressKey(Words args, std::ostream&) {
  const std::optional<KeyPress> press = ParseKeyName(args[0].text);
  if (!press) return "unknown key '" + text::GbkToUtf8(args[0].text) + "'";
  if (std::string error = KeyDown(*press); !error.empty()) return error;
  KeyUp(*press);
  return {};
}

std::string ReplaySession::HoldKey(Words args, std::ostream&) {
  const std::optional<KeyPress> press = ParseKeyName(args[0].text);
  if (!press) return "unknown key '" + text::GbkToUtf8(args[0].text) + "'";
  std::uint64_t ms = 0;
  if (!ParseNumber(args[1], ms)) return NotANumber(args[1]);
  if (std::string error = KeyDown(*press); !error.empty()) return error;
  sheet::AdvanceClock(worksheet_, host_, ms);
  KeyUp(*press);
  return {};
}

std::string ReplaySession::RunMenuCommand(Words args, std::ostream&) {
  const std::optional<sheet::Command> command = sheet::CommandByCaption(args[0].text);
  if (!command) return "no menu command has the caption \"" + text::GbkToUtf8(args[0].text) + "\"";
  return ExecuteMenuCommand(*command);
}

std::string ReplaySession::QueueAnswer(Words args, std::ostream&) {
  static constexpr std::pair<std::string_view, sheet::MessageBoxAnswer> kAnswers[] = {
      {"yes", sheet::MessageBoxAnswer::Yes},
      {"no", sheet::MessageBoxAnswer::No},
      {"cancel", sheet::MessageBoxAnswer::Cancel},
      {"ok", sheet::MessageBoxAnswer::Ok},
  };
  for (const auto& [name, answer] : kAnswers) {
    if (args[0].text == name) {
      host_.QueueAnswer(answer);
      return {};
    }
  }
  return "answer takes yes, no, cancel or ok, not '" + text::GbkToUtf8(args[0].text) + "'";
}

std::string ReplaySession::AdvanceClock(Words args, std::ostream&) {
  std::uint64_t ms = 0;
  if (!ParseNumber(args[0], ms)) return NotANumber(args[0]);
  sheet::AdvanceClock(worksheet_, host_, ms);
  return {};
}

std::string ReplaySession::PrintState(Words, std::ostream& out) {
  out << "text: " << QuoteForPrint(box_.Text()) << '\n'
      << "caret: " << box_.Caret() << ' ' << box_.SelectionLength() << '\n'
      << "status: " << QuoteForPrint(host_.StatusText()) << '\n'
      << "clipboard: " << QuoteForPrint(host_.ClipboardText()) << '\n';
  return {};
}

std::string ReplaySession::KeyDown(const KeyPress& press) {
  if (press.key != 0) {
    // The window's accelerators turn a shortcut into its menu command; the
    // key down then reaches neither the worksheet nor the box, and types no
    // character.
    if (const auto command = sheet::CommandByShortcut({press.downModifiers, press.key})) {
      return ExecuteMenuCommand(*command);
    }
    if (!worksheet_.OnKeyDown(press.key, press.downModifiers)) {
      box_.DefaultKeyDown(press.key, press.downModifiers, host_);
    }
  }
  if (press.character != 0 && !worksheet_.OnCharacter(press.character)) {
    box_.DefaultCharacter(press.character);
  }
  return {};
}

void ReplaySession::KeyUp(const KeyPress& press) {
  if (press.key != 0) worksheet_.OnKeyUp(press.key, press.upModifiers);
}

std::string ReplaySession::ExecuteMenuCommand(sheet::Command command) {
  if (worksheet_.Execute(command) == sheet::CommandResult::NotBuilt) {
    return "the menu command \"" + text::GbkToUtf8(sheet::CaptionOf(command)) +
           "\" is not built yet";
  }
  return {};
}

}  // namespace tl::cli
