#pragma once
// Key codes and modifier states as the worksheet receives them: Windows
// virtual-key codes as plain integers, so that the window, the command-line
// replay and the tests speak the same codes without <windows.h>.

namespace tl::sheet {

// Modifier state: a bit set. "Ctrl" in a rule means a state of exactly kCtrl.
inline constexpr int kNoModifier = 0;
inline constexpr int kCtrl = 1;
inline constexpr int kShift = 2;
inline constexpr int kAlt = 4;

// Virtual-key codes lie below this.
inline constexpr int kKeyCodes = 256;

namespace vk {
inline constexpr int kBack = 8;
inline constexpr int kTab = 9;
inline constexpr int kReturn = 13;
inline constexpr int kShift = 16;
inline constexpr int kControl = 17;
inline constexpr int kMenu = 18;  // Alt
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
inline constexpr int kEnd = 35;
inline constexpr int kHome = 36;
inline constexpr int kLeft = 37;
inline constexpr int kUp = 38;
inline constexpr int kRight = 39;
inline constexpr int kDown = 40;
inline constexpr int kInsert = 45;
inline constexpr int kDelete = 46;
inline constexpr int k0 = 48;  // main-keyboard digits 48..57, letters 65..90 ('A'..'Z')
inline constexpr int kA = 65;
inline constexpr int kNumpad0 = 96;  // keypad digits 96..105
inline constexpr int kMultiply = 106;
inline constexpr int kAdd = 107;
inline constexpr int kSubtract = 109;
inline constexpr int kDecimal = 110;
inline constexpr int kDivide = 111;
inline constexpr int kF1 = 112;  // F1..F12 are 112..123
inline constexpr int kNumLock = 144;
inline constexpr int kOemSemicolon = 186;     // ; :
inline constexpr int kOemPlus = 187;          // = +
inline constexpr int kOemComma = 188;         // , <
inline constexpr int kOemMinus = 189;         // - _
inline constexpr int kOemPeriod = 190;        // . >
inline constexpr int kOemSlash = 191;         // / ?
inline constexpr int kOemTilde = 192;         // ` ~
inline constexpr int kOemOpenBracket = 219;   // [ {
inline constexpr int kOemBackslash = 220;     // \ |
inline constexpr int kOemCloseBracket = 221;  // ] }
inline constexpr int kOemQuote = 222;         // ' "
inline constexpr int kProcessKey = 229;       // a character composed by an input method

inline constexpr int Letter(char upper) {
  return upper;
}
inline constexpr int Digit(int digit) {
  return k0 + digit;
}
inline constexpr int Function(int n) {
  return kF1 + n - 1;
}
}  // namespace vk

// A typed character: an ASCII byte, or a GBK two-byte character as
// lead byte * 256 + second byte.
using Character = unsigned;

}  // namespace tl::sheet
