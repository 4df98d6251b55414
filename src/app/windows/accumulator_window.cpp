#include "app/windows/accumulator_window.h"

#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "app/kit/dpi.h"
#include "app/kit/kit_window.h"
#include "app/kit/win_text.h"
#include "app/seams/non_gbk_filter.h"
#include "app/seams/sheet_session.h"

namespace tl::app {

namespace {

enum : int {
  kAvailable = 10,  // list 1
  kAdd,
  kAddAll,
  kRemove,
  kRemoveAll,
  kChosen,  // list 2
  kOperation,
  kNote,
  kClearRecords,
  kOk = IDOK,
  kCancel = IDCANCEL,
};

constexpr ControlRow kControls[] = {
    {ControlKind::Label, "可选记录(&L)：", 12, 10, 180, 18, -1},
    {ControlKind::List, "", 12, 30, 180, 160, kAvailable},
    {ControlKind::Button, ">", 200, 48, 40, 26, kAdd, "添加"},
    {ControlKind::Button, ">>", 200, 82, 40, 26, kAddAll, "全部添加"},
    {ControlKind::Button, "<", 200, 116, 40, 26, kRemove, "移除"},
    {ControlKind::Button, "<<", 200, 150, 40, 26, kRemoveAll, "全部移除"},
    {ControlKind::Label, "已选记录(&H)：", 248, 10, 180, 18, -1},
    {ControlKind::List, "", 248, 30, 180, 160, kChosen},
    {ControlKind::Label, "运算(&O)：", 12, 204, 64, 20, -1},
    {ControlKind::DropList, "", 78, 200, 100, 150, kOperation,
     "请选择要对结果进行的操作，默认累加"},
    {ControlKind::Label, "备注(&E)：", 194, 204, 62, 20, -1},
    {ControlKind::Field, "", 258, 200, 170, 24, kNote,
     "备注计算结果，需要勾选快捷设置里的忽略汉字，否则无效"},
    {ControlKind::Button, "清空记录(&D)", 12, 240, 100, 28, kClearRecords},
    {ControlKind::DefaultButton, "确定", 254, 240, 84, 28, kOk},
    {ControlKind::Button, "取消", 344, 240, 84, 28, kCancel},
};

constexpr WindowDesign kWindow{"累加器", 440, 280, kControls, true};

struct AccumulatorWindow {
  SheetSession& session;
  HWND itemTip = nullptr;                        // the balloon that shows a list item in full
  std::vector<sheet::AccumulatorRecord> listed;  // the records the lists show
};

HWND Item(HWND window, int id) {
  return GetDlgItem(window, id);
}

// Removes the item from one list and adds it, text and sequence number, at
// the end of the other.
void MoveItem(HWND from, HWND to, int index) {
  const auto length = SendMessageW(from, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return;
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(from, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  const LRESULT sequence = SendMessageW(from, LB_GETITEMDATA, index, 0);
  SendMessageW(from, LB_DELETESTRING, index, 0);
  const LRESULT added = SendMessageW(to, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageW(to, LB_SETITEMDATA, added, sequence);
}

// The selected item; the one after it is selected next, so that the button
// can be pressed again for it.
void MoveSelected(HWND window, int fromId, int toId) {
  HWND from = Item(window, fromId);
  const auto index = static_cast<int>(SendMessageW(from, LB_GETCURSEL, 0, 0));
  if (index == LB_ERR) return;
  MoveItem(from, Item(window, toId), index);
  const auto left = static_cast<int>(SendMessageW(from, LB_GETCOUNT, 0, 0));
  if (left > 0) SendMessageW(from, LB_SETCURSEL, index < left ? index : left - 1, 0);
}

void MoveAll(HWND window, int fromId, int toId) {
  HWND from = Item(window, fromId);
  while (SendMessageW(from, LB_GETCOUNT, 0, 0) > 0) MoveItem(from, Item(window, toId), 0);
}

// The one tool of the item balloon: the window itself, placed by hand.
TOOLINFOW ItemTool(HWND window) {
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = window;
  return tool;
}

void HideItemTip(AccumulatorWindow& state) {
  TOOLINFOW tool = ItemTool(GetParent(state.itemTip));
  SendMessageW(state.itemTip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

// The item under the mouse in a balloon 30 pixels right of and 8 above it.
void ShowItemTip(HWND list, AccumulatorWindow& state, LPARAM at) {
  POINT mouse{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(mouse.x, mouse.y));
  if (HIWORD(hit) != 0) return;  // outside every item
  const auto length = SendMessageW(list, LB_GETTEXTLEN, LOWORD(hit), 0);
  if (length == LB_ERR) return;
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(list, LB_GETTEXT, LOWORD(hit), reinterpret_cast<LPARAM>(text.data()));
  TOOLINFOW tool = ItemTool(GetParent(list));
  tool.lpszText = text.data();
  SendMessageW(state.itemTip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  ClientToScreen(list, &mouse);
  const int dpi = KitDpi(GetParent(list));
  SendMessageW(state.itemTip, TTM_TRACKPOSITION, 0,
               MAKELPARAM(mouse.x + Scaled(30, dpi), mouse.y - Scaled(8, dpi)));
  SendMessageW(state.itemTip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, list, 0};
  TrackMouseEvent(&leave);
}

LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR data) {
  auto* state = reinterpret_cast<AccumulatorWindow*>(data);
  switch (message) {
    case WM_LBUTTONUP:
      ShowItemTip(list, *state, lParam);
      break;
    case WM_LBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_MOUSELEAVE:
      HideItemTip(*state);
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(list, ListProc, 0);
      break;
    default:
      break;
  }
  return DefSubclassProc(list, message, wParam, lParam);
}

HWND CreateItemTip(HWND window) {
  HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP | TTS_BALLOON, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  TOOLINFOW tool = ItemTool(window);
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.lpszText = const_cast<wchar_t*>(L"");
  SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, Scaled(400, KitDpi(window)));
  return tip;
}

void AddRecord(HWND list, const sheet::AccumulatorRecord& record) {
  const std::wstring text = Wide(sheet::AccumulatorItemText(record));
  const LRESULT added = SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  SendMessageW(list, LB_SETITEMDATA, added, record.sequence);
}

const sheet::AccumulatorRecord* Find(const std::vector<sheet::AccumulatorRecord>& records,
                                     int sequence) {
  for (const sheet::AccumulatorRecord& record : records)
    if (record.sequence == sequence) return &record;
  return nullptr;
}

// The lists show the accumulator's records: a chosen record still recorded
// stays in list 2, in its place; every other record is in list 1.
void FillLists(HWND window, AccumulatorWindow& state) {
  const std::vector<sheet::AccumulatorRecord>& records = state.session.Sheet().Accumulator();
  HWND available = Item(window, kAvailable);
  HWND chosen = Item(window, kChosen);
  std::vector<int> kept;
  const auto count = static_cast<int>(SendMessageW(chosen, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const auto sequence = static_cast<int>(SendMessageW(chosen, LB_GETITEMDATA, i, 0));
    const sheet::AccumulatorRecord* was = Find(state.listed, sequence);
    const sheet::AccumulatorRecord* now = Find(records, sequence);
    if (was && now && *was == *now) kept.push_back(sequence);
  }
  const auto selected = SendMessageW(available, LB_GETCURSEL, 0, 0);
  for (HWND list : {available, chosen}) SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (int sequence : kept) AddRecord(chosen, *Find(records, sequence));
  for (const sheet::AccumulatorRecord& record : records)
    if (std::find(kept.begin(), kept.end(), record.sequence) == kept.end())
      AddRecord(available, record);
  if (selected != LB_ERR) SendMessageW(available, LB_SETCURSEL, selected, 0);
  state.listed = records;
}

void Create(HWND window, AccumulatorWindow& state) {
  FillLists(window, state);
  for (const sheet::AccumulatorOperationEntry& entry : sheet::AccumulatorOperations())
    SendMessageW(Item(window, kOperation), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(Wide(entry.caption).c_str()));
  SendMessageW(Item(window, kOperation), CB_SETCURSEL, 0, 0);
  // The note is offered where its tooltip says it works.
  EnableWindow(Item(window, kNote), state.session.Settings().忽略汉字);
  state.itemTip = CreateItemTip(window);
  for (int list : {kAvailable, kChosen})
    SetWindowSubclass(Item(window, list), ListProc, 0, reinterpret_cast<DWORD_PTR>(&state));
}

void Close(HWND window) {
  SendMessageW(window, WM_CLOSE, 0, 0);
}

// "确定": nothing while list 2 is empty; otherwise the records of list 2,
// in list order, combined on a new line below the caret's, and the window
// closes.
void Confirm(HWND window, AccumulatorWindow& state) {
  HWND chosen = Item(window, kChosen);
  const auto count = static_cast<int>(SendMessageW(chosen, LB_GETCOUNT, 0, 0));
  if (count <= 0) return;
  std::vector<int> sequences;
  for (int i = 0; i < count; ++i)
    sequences.push_back(static_cast<int>(SendMessageW(chosen, LB_GETITEMDATA, i, 0)));
  const auto operationIndex =
      static_cast<std::size_t>(SendMessageW(Item(window, kOperation), CB_GETCURSEL, 0, 0));
  const auto operations = sheet::AccumulatorOperations();
  const sheet::AccumulatorOperation operation = operationIndex < operations.size()
                                                    ? operations[operationIndex].operation
                                                    : sheet::AccumulatorOperation::Sum;
  const std::string note = Gbk(ControlText(Item(window, kNote)));
  if (auto text = state.session.Sheet().BuildAccumulatorText(operation, note, sequences))
    state.session.Act([&text](sheet::Worksheet& worksheet, WinEditBox&, WinHost&) {
      worksheet.InsertAccumulatorResult(*text);
    });
  SheetSession& session = state.session;  // the window's state goes as it closes
  Close(window);
  session.Host().FocusEditBox();
}

void ClearRecords(HWND window, AccumulatorWindow& state) {
  state.session.Act(
      [](sheet::Worksheet& worksheet, WinEditBox&, WinHost&) { worksheet.ClearRecords(); });
  for (int list : {kAvailable, kChosen}) SendMessageW(Item(window, list), LB_RESETCONTENT, 0, 0);
  Close(window);
}

void NoteChanged(HWND window) {
  HWND note = Item(window, kNote);
  std::wstring text = ControlText(note);
  if (RemoveNonGbkCharacters(note, text)) MessageBeep(MB_OK);
}

void MsgCommand(HWND window, AccumulatorWindow& state, int id, int notification) {
  switch (id) {
    case kAvailable:
      if (notification == LBN_DBLCLK) MoveAll(window, kAvailable, kChosen);
      break;
    case kChosen:
      if (notification == LBN_DBLCLK) MoveAll(window, kChosen, kAvailable);
      break;
    case kAdd:
      MoveSelected(window, kAvailable, kChosen);
      break;
    case kAddAll:
      MoveAll(window, kAvailable, kChosen);
      break;
    case kRemove:
      MoveSelected(window, kChosen, kAvailable);
      break;
    case kRemoveAll:
      MoveAll(window, kChosen, kAvailable);
      break;
    case kNote:
      if (notification == EN_CHANGE) NoteChanged(window);
      break;
    case kClearRecords:
      ClearRecords(window, state);
      break;
    case kOk:
      Confirm(window, state);
      break;
    case kCancel:
      Close(window);
      break;
    default:
      break;
  }
}

LRESULT CALLBACK AccumulatorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = KitState<AccumulatorWindow>(window);
  if (!state) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_CREATE:
      Create(window, *state);
      return 0;
    case WM_COMMAND:
      MsgCommand(window, *state, LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) HideItemTip(*state);
      return DefWindowProcW(window, message, wParam, lParam);
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

void FollowAccumulatorRecords(const ToolWindows& tools, const SheetSession& session) {
  HWND window = tools[Tool::Accumulator];
  AccumulatorWindow* open = window ? KitState<AccumulatorWindow>(window) : nullptr;
  if (open && open->listed != session.Sheet().Accumulator()) FillLists(window, *open);
}

void OpenAccumulatorWindow(HWND owner, ToolWindows& tools, SheetSession& session) {
  if (session.Settings().动态刷新) return;
  const bool fresh = !tools[Tool::Accumulator];
  HWND window =
      OpenToolWindow(owner, tools, Tool::Accumulator, kWindow, AccumulatorWindowProc,
                     std::make_unique<AccumulatorWindow>(AccumulatorWindow{session, nullptr, {}}));
  if (!window || !fresh) return;
  HWND available = GetDlgItem(window, kAvailable);
  SendMessageW(available, LB_SETCURSEL, 0, 0);
  SetFocus(available);
}

}  // namespace tl::app
