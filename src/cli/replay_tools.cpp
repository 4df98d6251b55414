// Replay commands for the mouse at the caret and for the buttons of the
// accumulator and find windows, which the replay never shows.
#include <algorithm>
#include <vector>

#include "cli/replay_session.h"
#include "sheet/tools/accumulator.h"
#include "text/encoding.h"

namespace tl::cli {

namespace {

std::string QuotedUtf8(const ScriptWord& word) {
  return "'" + text::GbkToUtf8(word.text) + "'";
}

}  // namespace

std::string ReplaySession::PressLeftButton(Words, std::ostream&) {
  worksheet_.OnLeftButtonDown();
  // The press lands on the caret: the edit box leaves nothing selected.
  sheet::PlaceCaret(box_, box_.Caret());
  worksheet_.ShowCaretPosition();
  return {};
}

std::string ReplaySession::ReleaseLeftButton(Words args, std::ostream&) {
  int modifiers = sheet::kNoModifier;
  if (!args.empty()) {
    if (args[0].quoted || args[0].text != "Alt") {
      return "lbutton-up takes Alt or nothing, not " + QuotedUtf8(args[0]);
    }
    modifiers = sheet::kAlt;
  }
  worksheet_.OnLeftButtonUp(modifiers);
  return {};
}

std::string ReplaySession::DoubleClick(Words args, std::ostream& out) {
  // Win32 delivers a double-click as press, release, double-click, release.
  PressLeftButton(args, out);
  worksheet_.OnLeftButtonUp(sheet::kNoModifier);
  worksheet_.OnDoubleClick();
  worksheet_.OnLeftButtonUp(sheet::kNoModifier);
  return {};
}

std::string ReplaySession::RunAccumulator(Words args, std::ostream& out) {
  const std::string_view button = args[0].quoted ? std::string_view{} : args[0].text;
  if (button == "ok") return ChooseRecords(args.subspan(1));
  if (button != "clear" && button != "list") {
    return "accumulator takes ok, clear or list, not " + QuotedUtf8(args[0]);
  }
  if (args.size() > 1) return "accumulator " + std::string(button) + " takes 0 arguments";
  if (button == "list") return ListRecords(out);
  worksheet_.ClearRecords();
  return {};
}

// accumulator ok "OPERATION" ["NOTE"] [SEQ...]: the chosen records as list 2
// holds them, then "确定".
std::string ReplaySession::ChooseRecords(Words args) {
  if (args.empty()) return "accumulator ok takes an operation";
  const auto operation = sheet::AccumulatorOperationByCaption(args[0].text);
  if (!operation) return "accumulator ok: no operation has the caption " + QuotedUtf8(args[0]);
  std::size_t next = 1;
  std::string_view note;
  if (next < args.size() && args[next].quoted) note = args[next++].text;
  const std::size_t records = worksheet_.Accumulator().size();
  std::vector<int> chosen;
  if (next == args.size()) {
    // No SEQ: every record, in order.
    for (const sheet::AccumulatorRecord& record : worksheet_.Accumulator()) {
      chosen.push_back(record.sequence);
    }
  }
  for (; next < args.size(); ++next) {
    int sequence = 0;
    if (!ParseNumber(args[next], sequence)) return NotANumber(args[next]);
    // List 2 can only hold records that exist, each once.
    if (sequence < 1 || static_cast<std::size_t>(sequence) > records) {
      return "no record has the sequence number " + std::to_string(sequence);
    }
    if (std::ranges::find(chosen, sequence) != chosen.end()) {
      return "record " + std::to_string(sequence) + " is chosen twice";
    }
    chosen.push_back(sequence);
  }
  if (const auto built = worksheet_.BuildAccumulatorText(*operation, note, chosen)) {
    worksheet_.InsertAccumulatorResult(*built);
  }
  return {};
}

std::string ReplaySession::ListRecords(std::ostream& out) {
  for (const sheet::AccumulatorRecord& record : worksheet_.Accumulator()) {
    out << text::GbkToUtf8(sheet::AccumulatorItemText(record)) << '\n';
  }
  return {};
}

std::string ReplaySession::FillFindFields(Words texts, Words options) {
  if (!options.empty() && (options[0].quoted || options[0].text != "case")) {
    return "expected case or nothing, not " + QuotedUtf8(options[0]);
  }
  findFields_.search = texts[0].text;
  if (texts.size() > 1) findFields_.replacement = texts[1].text;
  findFields_.matchCase = !options.empty();
  return {};
}

// The buttons are disabled while the search field is empty.
std::string ReplaySession::FindCommand(Words args, std::ostream&) {
  const std::string_view direction = args[1].quoted ? std::string_view{} : args[1].text;
  if (direction != "next" && direction != "previous") {
    return "find takes next or previous, not " + QuotedUtf8(args[1]);
  }
  if (std::string error = FillFindFields(args.first(1), args.subspan(2)); !error.empty()) {
    return error;
  }
  if (findFields_.search.empty()) return {};
  if (direction == "next") {
    worksheet_.Find().Next(findFields_, box_, host_);
  } else {
    worksheet_.Find().Previous(findFields_, box_, host_);
  }
  return {};
}

std::string ReplaySession::ReplaceCommand(Words args, std::ostream&) {
  if (std::string error = FillFindFields(args.first(2), args.subspan(2)); !error.empty()) {
    return error;
  }
  if (!findFields_.search.empty()) worksheet_.Find().Replace(findFields_, box_, host_);
  return {};
}

std::string ReplaySession::ReplaceAllCommand(Words args, std::ostream&) {
  if (std::string error = FillFindFields(args.first(2), args.subspan(2)); !error.empty()) {
    return error;
  }
  if (!findFields_.search.empty()) worksheet_.Find().ReplaceAll(findFields_, box_, host_);
  return {};
}

std::string ReplaySession::ReplaceSelectionCommand(Words args, std::ostream&) {
  if (std::string error = FillFindFields(args.first(2), args.subspan(2)); !error.empty()) {
    return error;
  }
  if (!findFields_.search.empty()) worksheet_.Find().ReplaceInSelection(findFields_, box_, host_);
  return {};
}

}  // namespace tl::cli
