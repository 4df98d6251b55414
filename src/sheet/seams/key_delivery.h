#pragma once
// Key presses delivered to a worksheet over the in-memory edit box as the
// window delivers them: a menu shortcut becomes its menu command, as the
// window's accelerators make it, and reaches neither the worksheet's key
// handling nor the box; any other key goes key down, character, key up, with
// the edit box's own handling of whatever the worksheet does not swallow.
// The command-line replay and the tests type through these.
#include <cstdint>
#include <optional>
#include <string_view>

#include "sheet/seams/headless_host.h"
#include "sheet/seams/memory_edit_box.h"
#include "sheet/worksheet/worksheet.h"

namespace tl::sheet {

struct KeyStroke {
  int key = 0;  // 0: a character from an input method, with no key
  int modifiers = kNoModifier;
  Character character = 0;  // the character the key types, 0 for none
};

// What a key down came to: the menu command its shortcut ran, if any, and
// what the worksheet made of that command.
struct KeyDownOutcome {
  std::optional<Command> shortcut;
  CommandResult result = CommandResult::Done;
};

// The stroke that types `character` on a US keyboard (Shift where needed):
// printable ASCII, "\n" as Enter, Backspace (8) and Tab; a two-byte character
// comes from an input method.
KeyStroke StrokeFor(Character character);

// The keyboard reacts first (NumLock switches). A menu shortcut runs its
// command and types nothing. Otherwise key down, then the character the key
// types, each passed on to the edit box unless the worksheet swallows it;
// then the keys the worksheet sent through the host meanwhile
// (DeliverSentKeys).
KeyDownOutcome KeyDown(Worksheet& worksheet, MemoryEditBox& box, HeadlessHost& host,
                       const KeyStroke& stroke);
void KeyUp(Worksheet& worksheet, const KeyStroke& stroke);
// Key down, character, key up.
void PressKey(Worksheet& worksheet, MemoryEditBox& box, HeadlessHost& host,
              const KeyStroke& stroke);
// Every character of a GBK text pressed in turn ("\r" is skipped, "\n" is Enter).
void TypeText(Worksheet& worksheet, MemoryEditBox& box, HeadlessHost& host, std::string_view text);
// Presses, in order, every key sent through the host (SendKey, SendCharacter),
// including those sent while these are pressed, as the window's input queue
// would deliver them.
void DeliverSentKeys(Worksheet& worksheet, MemoryEditBox& box, HeadlessHost& host);
// Moves the host's clock on, delivering the Enter hold timer's ticks.
void AdvanceClock(Worksheet& worksheet, HeadlessHost& host, std::uint64_t ms);

}  // namespace tl::sheet
