#include "sheet/key_delivery.h"

#include <optional>
#include <string_view>

#include "text/gbk.h"

namespace tl::sheet {

namespace {
struct Punctuation {
  char plain;
  char shifted;
  int key;
};

constexpr Punctuation kPunctuation[] = {
    {'-', '_', vk::kOemMinus},       {'=', '+', vk::kOemPlus},
    {'[', '{', vk::kOemOpenBracket}, {']', '}', vk::kOemCloseBracket},
    {'\\', '|', vk::kOemBackslash},  {';', ':', vk::kOemSemicolon},
    {'\'', '"', vk::kOemQuote},      {',', '<', vk::kOemComma},
    {'.', '>', vk::kOemPeriod},      {'/', '?', vk::kOemSlash},
    {'`', '~', vk::kOemTilde},
};

// The shifted characters of the digit keys 0..9.
constexpr std::string_view kShiftedDigits = ")!@#$%^&*(";
}  // namespace

KeyStroke StrokeFor(Character character) {
  if (character > 0xFF) return {vk::kProcessKey, kNoModifier, character};
  const char c = static_cast<char>(character);
  if (c == '\n') return {vk::kReturn, kNoModifier, '\r'};
  if (c == vk::kBack) return {vk::kBack, kNoModifier, character};
  if (c == '\t') return {vk::kTab, kNoModifier, character};
  if (c == ' ') return {vk::kSpace, kNoModifier, character};
  if (c >= 'a' && c <= 'z')
    return {vk::Letter(static_cast<char>(c - 'a' + 'A')), kNoModifier, character};
  if (c >= 'A' && c <= 'Z') return {vk::Letter(c), kShift, character};
  if (c >= '0' && c <= '9') return {vk::Digit(c - '0'), kNoModifier, character};
  if (const std::size_t digit = kShiftedDigits.find(c); digit != std::string_view::npos) {
    return {vk::Digit(static_cast<int>(digit)), kShift, character};
  }
  for (const Punctuation& p : kPunctuation) {
    if (c == p.plain) return {p.key, kNoModifier, character};
    if (c == p.shifted) return {p.key, kShift, character};
  }
  return {0, kNoModifier, character};
}

namespace {
// Sent keys pressed for one key press at most; the worksheet sends two.
constexpr int kMostSentKeys = 16;

KeyDownOutcome KeyDownOnly(Worksheet& worksheet, MemoryEditBox& box, HeadlessHost& host,
                           const KeyStroke& stroke) {
  if (stroke.key != 0) {
    host.KeyPressed(stroke.key);
    if (const std::optional<Command> command =
            CommandByShortcut({stroke.modifiers, stroke.key}, worksheet.Options())) {
      worksheet.OnShortcutKey(stroke.key);
      return {command, worksheet.Execute(*command)};
    }
    if (!worksheet.OnKeyDown(stroke.key, stroke.modifiers)) {
      box.DefaultKeyDown(stroke.key, stroke.modifiers, host);
    }
  }
  if (stroke.character != 0 && !worksheet.OnCharacter(stroke.character)) {
    box.DefaultCharacter(stroke.character);
  }
  return {};
}
}  // namespace

KeyDownOutcome KeyDown(Worksheet& worksheet, MemoryEditBox& box, HeadlessHost& host,
                       const KeyStroke& stroke) {
  const KeyDownOutcome outcome = KeyDownOnly(worksheet, box, host, stroke);
  // The keys the worksheet sent (NumLock used as a delete key) arrive after
  // this key's character, as the window's input queue delivers them.
  DeliverSentKeys(worksheet, box, host);
  return outcome;
}

void DeliverSentKeys(Worksheet& worksheet, MemoryEditBox& box, HeadlessHost& host) {
  for (int pressed = 0; pressed < kMostSentKeys; ++pressed) {
    const std::optional<HeadlessHost::SentKey> sent = host.TakeSentKey();
    if (!sent) return;
    // Backspace types its character; NumLock types none.
    const KeyStroke stroke =
        sent->character != 0
            ? StrokeFor(sent->character)
            : KeyStroke{sent->key, kNoModifier, sent->key == vk::kBack ? Character{vk::kBack} : 0};
    KeyDownOnly(worksheet, box, host, stroke);
    KeyUp(worksheet, stroke);
  }
}

void KeyUp(Worksheet& worksheet, const KeyStroke& stroke) {
  if (stroke.key != 0) worksheet.OnKeyUp(stroke.key, stroke.modifiers);
}

void PressKey(Worksheet& worksheet, MemoryEditBox& box, HeadlessHost& host,
              const KeyStroke& stroke) {
  KeyDown(worksheet, box, host, stroke);
  KeyUp(worksheet, stroke);
}

void TypeText(Worksheet& worksheet, MemoryEditBox& box, HeadlessHost& host, std::string_view text) {
  for (std::size_t p = 0; p < text.size(); p = text::NextChar(text, p)) {
    if (text[p] == '\r') continue;
    Character character = static_cast<unsigned char>(text[p]);
    if (text::CharLength(text, p) == 2) {
      character = character << 8 | static_cast<unsigned char>(text[p + 1]);
    }
    PressKey(worksheet, box, host, StrokeFor(character));
  }
}

void AdvanceClock(Worksheet& worksheet, HeadlessHost& host, std::uint64_t ms) {
  for (int ticks = host.AdvanceClock(ms); ticks > 0; --ticks) worksheet.OnEnterTimer();
}

}  // namespace tl::sheet
