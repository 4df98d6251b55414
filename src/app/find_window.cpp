#include "app/find_window.h"

#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "app/kit_window.h"
#include "app/non_gbk_filter.h"
#include "app/sheet_session.h"
#include "app/tool_windows.h"
#include "app/win_text.h"
#include "sheet/typed_signs.h"

namespace tl::app {

namespace {

enum : int {
  kSearch = 10,
  kClearSearch,
  kSearchTokens,
  kReplacement,
  kClearReplacement,
  kReplacementTokens,
  kSwap,
  kMatchCase,
  kPrevious,
  kNext,
  kReplace,
  kReplaceAll,
  kReplaceSelection,
};

constexpr ControlRow kControls[] = {
    {ControlKind::Label, "查找文本(&F)：", 12, 14, 90, 20, -1},
    {ControlKind::Field, "", 104, 10, 196, 24, kSearch},
    {ControlKind::Button, "×", 304, 10, 24, 24, kClearSearch, "清空查找文本"},
    {ControlKind::DropList, "", 332, 10, 84, 120, kSearchTokens, "插入特殊字符"},
    {ControlKind::Label, "替换文本(&T)：", 12, 48, 90, 20, -1},
    {ControlKind::Field, "", 104, 44, 196, 24, kReplacement},
    {ControlKind::Button, "×", 304, 44, 24, 24, kClearReplacement, "清空替换文本"},
    {ControlKind::DropList, "", 332, 44, 84, 120, kReplacementTokens, "插入特殊字符"},
    {ControlKind::Button, "↑↓(&W)", 104, 78, 76, 26, kSwap, "交换查找文本和替换文本"},
    {ControlKind::CheckBox, "区分大小写(&C)", 196, 80, 140, 22, kMatchCase},
    {ControlKind::Button, "上一个(&P)", 12, 116, 76, 28, kPrevious},
    {ControlKind::DefaultButton, "下一个(&N)", 94, 116, 76, 28, kNext},
    {ControlKind::Button, "替换(&R)", 176, 116, 76, 28, kReplace},
    {ControlKind::Button, "替换全部(&A)", 258, 116, 76, 28, kReplaceAll},
    {ControlKind::Button, "替换选中(&S)", 340, 116, 76, 28, kReplaceSelection},
};

constexpr WindowDesign kWindow{"查找和替换", 428, 156, kControls};

// The buttons that act on the search text, disabled while it is empty.
constexpr int kSearchButtons[] = {kPrevious, kNext, kReplace, kReplaceAll, kReplaceSelection};

struct FindWindow {
  SheetSession& session;
};

std::wstring FieldText(HWND window, int id) {
  return ControlText(GetDlgItem(window, id));
}

sheet::FindFields FieldsOf(HWND window) {
  return {Gbk(FieldText(window, kSearch)), Gbk(FieldText(window, kReplacement)),
          IsDlgButtonChecked(window, kMatchCase) == BST_CHECKED};
}

void UpdateButtons(HWND window) {
  const bool searchable = GetWindowTextLengthW(GetDlgItem(window, kSearch)) > 0;
  for (int id : kSearchButtons) EnableWindow(GetDlgItem(window, id), searchable);
}

void FocusSearchField(HWND window) {
  HWND search = GetDlgItem(window, kSearch);
  SetFocus(search);
  SendMessageW(search, EM_SETSEL, 0, -1);
}

void PressButton(HWND window, FindWindow& state, int id);

// The fields type "×" and "÷" for "*" and "/" as the worksheet does, and
// take F3 and Shift+F3 as "下一个" and "上一个".
LRESULT CALLBACK FieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR data) {
  auto* state = reinterpret_cast<FindWindow*>(data);
  if (message == WM_CHAR) {
    if (auto sign =
            sheet::TypedSign(static_cast<sheet::Character>(wParam), state->session.Settings())) {
      SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Wide(*sign).c_str()));
      return 0;
    }
  } else if (message == WM_KEYDOWN && wParam == VK_F3) {
    PressButton(GetParent(field), *state, GetKeyState(VK_SHIFT) < 0 ? kPrevious : kNext);
    return 0;
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(field, FieldProc, 0);
  }
  return DefSubclassProc(field, message, wParam, lParam);
}

void Create(HWND window, FindWindow& state) {
  for (int list : {kSearchTokens, kReplacementTokens})
    for (const sheet::FindToken& token : sheet::kFindTokens)
      SendMessageW(GetDlgItem(window, list), CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(Wide(token.item).c_str()));
  const sheet::FindFields& remembered = state.session.Find().Remembered();
  SetDlgItemTextW(window, kSearch, Wide(remembered.search).c_str());
  SetDlgItemTextW(window, kReplacement, Wide(remembered.replacement).c_str());
  CheckDlgButton(window, kMatchCase, remembered.matchCase ? BST_CHECKED : BST_UNCHECKED);
  for (int field : {kSearch, kReplacement})
    SetWindowSubclass(GetDlgItem(window, field), FieldProc, 0, reinterpret_cast<DWORD_PTR>(&state));
  UpdateButtons(window);
}

// "上一个", "下一个" and "替换" can be pressed again and again: the window
// keeps the keyboard, while the worksheet shows the match (its selection
// stays visible without the focus). The whole-text buttons give the
// worksheet the focus.
void PressButton(HWND window, FindWindow& state, int id) {
  if (!IsWindowEnabled(GetDlgItem(window, id))) return;
  const sheet::FindFields fields = FieldsOf(window);
  state.session.Act([&](sheet::Worksheet& worksheet, WinEditBox& edit, WinHost& host) {
    sheet::FindReplace& find = worksheet.Find();
    if (id == kReplaceAll) {
      find.ReplaceAll(fields, edit, host);
    } else if (id == kReplaceSelection) {
      find.ReplaceInSelection(fields, edit, host);
    } else {
      WinHost::KeepFocus keep(host);
      if (id == kPrevious) find.Previous(fields, edit, host);
      if (id == kNext) find.Next(fields, edit, host);
      if (id == kReplace) find.Replace(fields, edit, host);
    }
  });
}

// A choice in a drop-down list: an item picked from the open list, or one
// reached with the arrow keys while it is closed.
void ChooseToken(HWND window, int listId, int fieldId, int notification) {
  HWND list = GetDlgItem(window, listId);
  const bool open = SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) != 0;
  if (notification != CBN_CLOSEUP && (notification != CBN_SELCHANGE || open)) return;
  const LRESULT item = SendMessageW(list, CB_GETCURSEL, 0, 0);
  if (item < 0 || item >= static_cast<LRESULT>(sheet::kFindTokens.size())) return;
  SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  HWND field = GetDlgItem(window, fieldId);
  const std::wstring token = Wide(sheet::FindTokenText(sheet::kFindTokens[item]));
  const int end = GetWindowTextLengthW(field);
  SendMessageW(field, EM_SETSEL, end, end);
  SendMessageW(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(token.c_str()));
  SetFocus(field);
}

void FieldChanged(HWND window, int id) {
  HWND field = GetDlgItem(window, id);
  std::wstring text = ControlText(field);
  if (RemoveNonGbkCharacters(field, text)) MessageBeep(MB_OK);
  if (id == kSearch) UpdateButtons(window);
}

void Swap(HWND window) {
  const std::wstring search = FieldText(window, kSearch);
  SetDlgItemTextW(window, kSearch, FieldText(window, kReplacement).c_str());
  SetDlgItemTextW(window, kReplacement, search.c_str());
}

void Clear(HWND window, int fieldId) {
  SetDlgItemTextW(window, fieldId, L"");
  SetFocus(GetDlgItem(window, fieldId));
}

void MsgCommand(HWND window, FindWindow& state, int id, int notification) {
  switch (id) {
    case kSearch:
    case kReplacement:
      if (notification == EN_CHANGE) FieldChanged(window, id);
      break;
    case kSearchTokens:
      ChooseToken(window, id, kSearch, notification);
      break;
    case kReplacementTokens:
      ChooseToken(window, id, kReplacement, notification);
      break;
    case kClearSearch:
      Clear(window, kSearch);
      break;
    case kClearReplacement:
      Clear(window, kReplacement);
      break;
    case kSwap:
      Swap(window);
      break;
    default:
      for (int button : kSearchButtons)
        if (id == button) PressButton(window, state, id);
      break;
  }
}

LRESULT CALLBACK FindWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = KitState<FindWindow>(window);
  if (!state) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_CREATE:
      Create(window, *state);
      return 0;
    case WM_COMMAND:
      MsgCommand(window, *state, LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_DESTROY:
      // The fields as typed, for the next time the window opens.
      state->session.Find().WindowClosed(FieldsOf(window));
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

void OpenFindWindow(HWND owner, ToolWindows& tools, SheetSession& session) {
  HWND window = OpenToolWindow(owner, tools, Tool::Find, kWindow, FindWindowProc,
                               std::make_unique<FindWindow>(FindWindow{session}));
  if (window) FocusSearchField(window);
}

}  // namespace tl::app
