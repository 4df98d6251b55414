#include "sheet/tools/virtual_keyboard.h"

#include <string>

#include "text/gbk.h"

namespace tl::sheet {

namespace {

using A = KeyAction;

constexpr KeyEffect Insert(std::string_view text) {
  return {A::Insert, text};
}
constexpr KeyEffect Press(std::string_view text) {
  return {A::Press, text};
}
constexpr KeyEffect Do(KeyAction action) {
  return {action};
}
constexpr KeyEffect Run(Command command) {
  return {A::Run, {}, command};
}

constexpr KeyTrigger kRelease = KeyTrigger::Release;

// The toggle button's caption names the layout it switches to.
constexpr std::string_view kToSimple = "简单";
constexpr std::string_view kToScientific = "科学";

// The bracket button's captions, in the order a right-button release
// cycles them; the first is the one a new window shows.
constexpr std::string_view kBracketCaptions[] = {"（）", "（ ", " ）"};

// clang-format off
constexpr KeyboardButton kButtons[] = {
    {1, 1, 1, 1, "2nd", "", Do(A::Second), {}, kRelease},
    {1, 2, 1, 1, "n！", "", Insert("!"), {}},
    {1, 3, 1, 1, "∟", "，", Insert("∟"), Insert(",")},
    {1, 4, 1, 1, kToSimple, "", Do(A::SwitchLayout), {}, kRelease},
    {1, 5, 1, 1, "全清", "", Run(Command::ClearAll), {}},
    {1, 6, 1, 1, "换行", "", Insert("\r\n"), {}},
    {1, 7, 1, 1, "撤销", "", Run(Command::Undo), {}, kRelease},

    {2, 1, 1, 1, "X^2", "√", Insert("^2"), Insert("√")},
    {2, 2, 1, 1, "X^3", "3√", Insert("^3"), Insert("3√")},
    {2, 3, 1, 1, "X^y", "1/X", Insert("^"), {A::InsertInside, "1/()"}},
    {2, 4, 1, 1, "←", "", Do(A::CaretLeft), {}, kRelease},
    {2, 5, 1, 1, "→", "", Do(A::CaretRight), {}, kRelease},
    {2, 6, 1, 1, "取存", "", Run(Command::PasteResult), {}},
    {2, 7, 1, 1, "BACK", "", Do(A::Backspace), {}},

    {3, 1, 1, 1, "sin", "asin", Insert("sin"), Insert("asin")},
    {3, 2, 1, 1, "cos", "acos", Insert("cos"), Insert("acos")},
    {3, 3, 1, 1, "tan", "atan", Insert("tan"), Insert("atan")},
    {3, 4, 1, 1, kBracketCaptions[0], "", Do(A::Brackets), {}},
    {3, 5, 1, 1, "÷", "", Insert("÷"), {}},
    {3, 6, 1, 1, "×", "", Insert("×"), {}},
    {3, 7, 1, 1, "-", "", Insert("-"), {}},

    {4, 1, 1, 1, "sinh", "asinh", Insert("sinh"), Insert("asinh")},
    {4, 2, 1, 1, "cosh", "acosh", Insert("cosh"), Insert("acosh")},
    {4, 3, 1, 1, "tanh", "atanh", Insert("tanh"), Insert("atanh")},
    {4, 4, 1, 1, "7", "", Press("7"), {}},
    {4, 5, 1, 1, "8", "", Press("8"), {}},
    {4, 6, 1, 1, "9", "", Press("9"), {}},
    {4, 7, 2, 1, "+", "", Insert("+"), {}},

    {5, 1, 1, 1, "log", "lg", Insert("log"), Insert("lg")},
    {5, 2, 1, 1, "e", "ln", Insert("e"), Insert("ln")},
    {5, 3, 1, 1, "π", "Rand", Insert("π"), Do(A::Random)},
    {5, 4, 1, 1, "4", "", Press("4"), {}},
    {5, 5, 1, 1, "5", "", Press("5"), {}},
    {5, 6, 1, 1, "6", "", Press("6"), {}},

    {6, 1, 1, 1, "int", "", Insert("int"), {}},
    {6, 4, 1, 1, "1", "", Press("1"), {}},
    {6, 5, 1, 1, "2", "", Press("2"), {}},
    {6, 6, 1, 1, "3", "", Press("3"), {}},
    {6, 7, 2, 1, "=", "", Do(A::Evaluate), {}},

    {7, 4, 1, 2, "0", "", Insert("0"), {}},
    {7, 6, 1, 1, ".", "", Press("."), {}},
};
// clang-format on

bool ShowsSecond(const KeyboardButton& button, const KeyboardState& state) {
  return state.second && !button.secondCaption.empty();
}

// "（ " gives "(", " ）" gives ")", "（）" gives "()".
std::string HalfWidthBrackets(std::string_view caption) {
  return text::ReplaceAll(text::ReplaceAll(text::RemoveSpaces(caption), "（", "("), "）", ")");
}

void InsertWithCaretBack(EditBox& box, std::string_view text, std::size_t back) {
  box.ReplaceSelection(text);
  PlaceCaret(box, box.Caret() - back);
}

// CR LF is one step; so is a two-byte character.
std::size_t CharacterLeft(EditBox& box, std::size_t caret) {
  if (caret >= 2 && box.Slice(caret - 2, caret) == text::kCrLf) return caret - 2;
  return text::PrevChar(box.Text(), caret);
}

std::size_t CharacterRight(EditBox& box, std::size_t caret) {
  if (box.Slice(caret, caret + 2) == text::kCrLf) return caret + 2;
  return text::NextChar(box.Text(), caret);
}

// The evaluation key pressed and released, as the worksheet's own key.
void PressEvaluationKey(KeyboardTarget target) {
  const int modifiers = target.settings.回车换行 ? kCtrl : kNoModifier;
  target.worksheet.OnKeyDown(vk::kReturn, modifiers);
  target.worksheet.OnKeyUp(vk::kReturn, modifiers);
}

KeyboardChange Apply(const KeyEffect& effect, const KeyboardButton& button, KeyboardState& state,
                     KeyboardTarget target) {
  EditBox& box = target.box;
  switch (effect.action) {
    case A::Press:
      target.host.SendCharacter(static_cast<unsigned char>(effect.text[0]));
      break;
    case A::Backspace:
      target.host.SendKey(vk::kBack);
      break;
    case A::Insert:
      box.ReplaceSelection(effect.text);
      break;
    case A::InsertInside:
      InsertWithCaretBack(box, effect.text, 1);
      break;
    case A::Brackets: {
      const std::string brackets = HalfWidthBrackets(KeyCaption(button, state));
      InsertWithCaretBack(box, brackets, brackets == "()" ? 1 : 0);
      break;
    }
    case A::Random:
      box.ReplaceSelection(std::to_string(std::uniform_int_distribution(1, 1000)(state.random)));
      break;
    case A::Evaluate:
      PressEvaluationKey(target);
      break;
    case A::Run:
      target.worksheet.Execute(effect.command);
      break;
    case A::CaretLeft:
      PlaceCaret(box, CharacterLeft(box, box.Caret()));
      break;
    case A::CaretRight:
      PlaceCaret(box, CharacterRight(box, box.Caret()));
      break;
    case A::Second:
      state.second = !state.second;
      return KeyboardChange::Captions;
    case A::SwitchLayout:
      state.scientific = !state.scientific;
      target.settings.键盘模式 = state.scientific;
      return KeyboardChange::Layout;
  }
  return KeyboardChange::None;
}

}  // namespace

std::span<const KeyboardButton> KeyboardButtons() {
  return kButtons;
}

std::string_view KeyCaption(const KeyboardButton& button, const KeyboardState& state) {
  switch (button.normal.action) {
    case A::SwitchLayout:
      return state.scientific ? kToSimple : kToScientific;
    case A::Brackets:
      return kBracketCaptions[state.bracketCycle];
    default:
      return ShowsSecond(button, state) ? button.secondCaption : button.caption;
  }
}

KeyboardChange PressKeyboardButton(std::size_t index, KeyboardState& state, KeyboardTarget target) {
  if (index >= std::size(kButtons)) return KeyboardChange::None;
  const KeyboardButton& button = kButtons[index];
  return Apply(ShowsSecond(button, state) ? button.second : button.normal, button, state, target);
}

KeyboardChange RightReleaseKeyboardButton(std::size_t index, KeyboardState& state) {
  if (index >= std::size(kButtons) || kButtons[index].normal.action != A::Brackets)
    return KeyboardChange::None;
  state.bracketCycle = (state.bracketCycle + 1) % static_cast<int>(std::size(kBracketCaptions));
  return KeyboardChange::Captions;
}

}  // namespace tl::sheet
