#include "cli/replay_session.h"

#include "cli/common_options.h"
#include "cli/print_quote.h"
#include "sheet/key_delivery.h"
#include "text/encoding.h"
#include "text/gbk.h"

namespace tl::cli {

namespace {

std::string ArgumentCountText(std::size_t fewest, std::size_t most) {
  const bool unlimited = most == static_cast<std::size_t>(-1);
  const bool one = fewest == 1 && (most == 1 || unlimited);
  std::string count = std::to_string(fewest);
  if (unlimited) {
    count = "at least " + count;
  } else if (most != fewest) {
    count += (most == fewest + 1 ? " or " : " to ") + std::to_string(most);
  }
  return count + (one ? " argument" : " arguments");
}

}  // namespace

const ReplaySession::Handler ReplaySession::kHandlers[] = {
    {"set", 2, 2, &ReplaySession::SetSetting},
    {"text", 1, 1, &ReplaySession::SetText},
    {"caret", 1, 1, &ReplaySession::PlaceCaret},
    {"select", 2, 2, &ReplaySession::SelectRange},
    {"type", 1, 1, &ReplaySession::TypeText},
    {"key", 1, 1, &ReplaySession::PressKey},
    {"hold", 2, 2, &ReplaySession::HoldKey},
    {"down", 1, 1, &ReplaySession::SingleKeyDown},
    {"up", 1, 1, &ReplaySession::SingleKeyUp},
    {"command", 1, 1, &ReplaySession::RunMenuCommand},
    {"answer", 1, 1, &ReplaySession::QueueAnswer},
    {"clock", 1, 1, &ReplaySession::AdvanceClock},
    {"print", 0, 0, &ReplaySession::PrintState},
    {"lbutton-down", 0, 0, &ReplaySession::PressLeftButton},
    {"lbutton-up", 0, 1, &ReplaySession::ReleaseLeftButton},
    {"dblclick", 0, 0, &ReplaySession::DoubleClick},
    {"accumulator", 1, kAnyNumber, &ReplaySession::RunAccumulator},
    {"find", 2, 3, &ReplaySession::FindCommand},
    {"replace", 2, 3, &ReplaySession::ReplaceCommand},
    {"replace-all", 2, 3, &ReplaySession::ReplaceAllCommand},
    {"replace-selection", 2, 3, &ReplaySession::ReplaceSelectionCommand},
    {"open", 1, 1, &ReplaySession::OpenFile},
    {"save", 1, 1, &ReplaySession::SaveFile},
    {"save-as", 1, 1, &ReplaySession::SaveFileAs},
};

ReplaySession::ReplaySession(settings::Settings settings)
    : settings_(std::move(settings)), worksheet_(box_, host_, settings_) {}

std::string ReplaySession::Execute(Words words, std::ostream& out) {
  if (words.empty()) return {};
  const std::string_view name = words[0].text;
  for (const Handler& handler : kHandlers) {
    if (words[0].quoted || name != handler.name) continue;
    const std::size_t given = words.size() - 1;
    if (given < handler.fewestArguments || given > handler.mostArguments) {
      return std::string(name) + " takes " +
             ArgumentCountText(handler.fewestArguments, handler.mostArguments);
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

std::string ReplaySession::SingleKeyDown(Words args, std::ostream&) {
  const std::optional<KeyPress> press = ParseSingleKey(args[0].text, heldModifiers_);
  if (!press) return NotOneKey(args[0]);
  heldModifiers_ = press->downModifiers;
  return KeyDown(*press);
}

std::string ReplaySession::SingleKeyUp(Words args, std::ostream&) {
  const std::optional<KeyPress> press = ParseSingleKey(args[0].text, heldModifiers_);
  if (!press) return NotOneKey(args[0]);
  heldModifiers_ = press->upModifiers;
  KeyUp(*press);
  return {};
}

std::string ReplaySession::NotOneKey(const ScriptWord& word) {
  return "'" + text::GbkToUtf8(word.text) +
         "' is not one key (Ctrl, Shift and Alt go down and up " + "by themselves)";
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
  const sheet::KeyDownOutcome outcome =
      sheet::KeyDown(worksheet_, box_, host_, {press.key, press.downModifiers, press.character});
  if (outcome.shortcut && outcome.result == sheet::CommandResult::NotBuilt)
    return ExecuteMenuCommand(*outcome.shortcut);
  return {};
}

void ReplaySession::KeyUp(const KeyPress& press) {
  sheet::KeyUp(worksheet_, {press.key, press.upModifiers, press.character});
}

std::string ReplaySession::ExecuteMenuCommand(sheet::Command command) {
  if (RunDocumentCommand(command)) return {};
  if (worksheet_.Execute(command) == sheet::CommandResult::NotBuilt) return NotBuilt(command);
  return {};
}

std::string ReplaySession::NotBuilt(sheet::Command command) {
  return "the menu command \"" + text::GbkToUtf8(sheet::CaptionOf(command)) + "\" is not built yet";
}

}  // namespace tl::cli
