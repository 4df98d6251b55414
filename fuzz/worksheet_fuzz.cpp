// A fuzzed text, then a fuzzed sequence of events and commands: keys,
// characters, Enter, a held Enter, refresh, batch, fraction conversion, undo,
// redo. Invariants: positions stay in range and never split a two-byte
// character at the caret; undo after a single typed character restores the
// text before it; nothing crashes or hangs.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sheet/seams/headless_host.h"
#include "sheet/seams/key_delivery.h"
#include "sheet/seams/memory_edit_box.h"
#include "sheet/worksheet/worksheet.h"
#include "text/gbk.h"

namespace {

using namespace tl::sheet;

constexpr Command kCommands[] = {Command::RefreshLine,
                                 Command::BatchEvaluate,
                                 Command::FractionConversion,
                                 Command::Undo,
                                 Command::Redo,
                                 Command::LiveMode,
                                 Command::RepairDocument,
                                 Command::PasteResult,
                                 Command::SelectAll,
                                 Command::Cut,
                                 Command::Paste};

constexpr char kTyped[] = "0123456789+-*/^().=,% \n\b";
constexpr const char* kSymbols[] = {"\xA1\xC1", "\xA1\xC2", "\xA8\x4E", "\xA1\xCC", "\xA6\xD0"};
constexpr int kKeys[] = {vk::kLeft, vk::kRight,  vk::kUp,   vk::kDown,  vk::kHome,
                         vk::kEnd,  vk::kDelete, vk::kBack, vk::kReturn};

void CheckPositions(MemoryEditBox& box) {
  std::string_view text = box.Text();
  std::size_t caret = box.Caret();
  if (caret > text.size() || caret + box.SelectionLength() > text.size()) std::abort();
  if (tl::text::CharStart(text, caret) != caret) std::abort();
}

// Undo right after one plain digit restores the text before it. A digit
// typed behind a shown result first breaks the line (two changes, two
// snapshots), so a few undos may be needed.
void CheckUndo(Worksheet& sheet, MemoryEditBox& box, HeadlessHost& host,
               const tl::settings::Settings& settings) {
  if (settings.动态刷新) return;  // a live refresh is a second change
  std::string before(box.Text());
  PressKey(sheet, box, host, StrokeFor('5'));
  if (box.Text() == before) return;
  for (int undo = 0; undo < 3 && box.Text() != before; ++undo) sheet.Execute(Command::Undo);
  if (box.Text() != before) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  std::size_t textSize = std::min<std::size_t>(data[0] * 4u, size - 1);
  std::string_view text(reinterpret_cast<const char*>(data + 1), textSize);
  std::string_view ops(reinterpret_cast<const char*>(data + 1 + textSize), size - 1 - textSize);

  tl::settings::Settings settings;
  settings.动态刷新 = (data[0] & 1) != 0;
  HeadlessHost host;
  MemoryEditBox box{std::string(text)};
  Worksheet sheet(box, host, settings);
  for (std::size_t i = 0; i + 1 < ops.size() && i < 400; i += 2) {
    auto op = static_cast<std::uint8_t>(ops[i]);
    auto arg = static_cast<std::uint8_t>(ops[i + 1]);
    switch (op % 8) {
      case 0:
        PressKey(sheet, box, host,
                 StrokeFor(static_cast<unsigned char>(kTyped[arg % (sizeof kTyped - 1)])));
        break;
      case 1: {
        const char* symbol = kSymbols[arg % 5];
        Character c =
            static_cast<unsigned char>(symbol[0]) * 256u + static_cast<unsigned char>(symbol[1]);
        if (!sheet.OnCharacter(c)) box.DefaultCharacter(c);
        break;
      }
      case 2:
        PressKey(sheet, box, host, {kKeys[arg % 9], (arg & 0x80) ? kShift : kNoModifier, 0});
        break;
      case 3:
        KeyDown(sheet, box, host, {vk::kReturn, kNoModifier, 0});
        AdvanceClock(sheet, host, 350u * (arg % 4));
        KeyUp(sheet, {vk::kReturn, kNoModifier, 0});
        break;
      case 4:
        sheet.Execute(kCommands[arg % (sizeof kCommands / sizeof kCommands[0])]);
        break;
      case 5:
        PlaceCaret(box, box.Size() ? arg * 7u % (box.Size() + 1) : 0);
        break;
      case 6:
        box.SetSelectionLength(arg % 9);
        break;
      case 7:
        CheckUndo(sheet, box, host, settings);
        break;
    }
    CheckPositions(box);
  }
  return 0;
}
