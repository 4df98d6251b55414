#include "app/seams/win_host.h"

#include <commctrl.h>

#include <cstring>
#include <iterator>
#include <vector>

#include "app/kit/win_text.h"
#include "sheet/worksheet/status_messages.h"
#include "text/encoding.h"

namespace tl::app {

namespace {
constexpr std::uint64_t kProgressAfterMs = 500;
constexpr std::uint64_t kProgressEveryMs = 100;
constexpr DWORD kScreenFlushMs = 60;
}  // namespace

void WinHost::ShowStatus(std::string_view text) {
  SendMessageW(windows_.statusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
}

void WinHost::SetStatusText(std::string_view text) {
  elapsedSince_.reset();
  underNotice_.reset();
  if (!inCommand_) {
    ShowStatus(text);
    return;
  }
  pendingStatus_.assign(text);
  statusPending_ = true;
  const std::uint64_t now = NowMs();
  if (now - commandStart_ < kProgressAfterMs || now - lastShown_ < kProgressEveryMs) return;
  ShowStatus(pendingStatus_);
  UpdateWindow(windows_.statusBar);  // the message loop waits for the command
  lastShown_ = now;
  statusPending_ = false;
}

void WinHost::BeginCommand() {
  inCommand_ = true;
  commandStart_ = lastShown_ = NowMs();
  statusPending_ = false;
}

void WinHost::EndCommand() {
  inCommand_ = false;
  if (statusPending_) ShowStatus(pendingStatus_);
  statusPending_ = false;
}

void WinHost::ShowElapsed(std::uint64_t startedMs) {
  SetStatusText(sheet::msg::Elapsed(NowMs() - startedMs));
  elapsedSince_ = startedMs;
}

void WinHost::EditsShown() {
  if (!elapsedSince_ && !underNotice_) return;
  // Painted now, so that the time shown counts it: on a very long line the
  // control takes seconds over it.
  UpdateWindow(windows_.editBox);
  if (elapsedSince_) {
    SetStatusText(sheet::msg::Elapsed(NowMs() - *elapsedSince_));
  } else {
    ShowStatus(*underNotice_);
    underNotice_.reset();
  }
}

void WinHost::ShowSlowWriteNotice() {
  if (!underNotice_) underNotice_ = StatusText();
  ShowStatus(sheet::msg::kUpdatingEditBox);
  // Painted now: the control's write-out blocks the message loop. Wine puts
  // what a window painted on the screen only once the program has been busy
  // for 50 ms since it last waited for a message, so it is painted once more
  // after that.
  UpdateWindow(windows_.statusBar);
  Sleep(kScreenFlushMs);
  InvalidateRect(windows_.statusBar, nullptr, FALSE);
  UpdateWindow(windows_.statusBar);
}

std::string WinHost::StatusText() {
  if (inCommand_ && statusPending_) return pendingStatus_;
  auto length = LOWORD(SendMessageW(windows_.statusBar, SB_GETTEXTLENGTHW, 0, 0));
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(windows_.statusBar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()));
  text.resize(length);
  return Gbk(text);
}

void WinHost::SetClipboardText(std::string_view text) {
  std::wstring wide = Wide(text);
  if (!OpenClipboard(windows_.main)) return;
  EmptyClipboard();
  std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    std::memcpy(GlobalLock(memory), wide.c_str(), bytes);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
  }
  CloseClipboard();
}

std::wstring WinHost::WideClipboardText() {
  std::wstring text;
  if (!OpenClipboard(windows_.main)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = wide;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

std::string WinHost::ClipboardText() {
  return Gbk(WideClipboardText());
}

bool WinHost::ClipboardFitsGbk() {
  const std::wstring wide = WideClipboardText();
  return text::FitsGbk({reinterpret_cast<const char16_t*>(wide.data()), wide.size()});
}

void WinHost::StartEnterTimer(int intervalMs) {
  SetTimer(windows_.main, kEnterTimerId, static_cast<UINT>(intervalMs), nullptr);
}

void WinHost::StopEnterTimer() {
  KillTimer(windows_.main, kEnterTimerId);
}

namespace {

using sheet::MessageBoxAnswer;
using sheet::MessageBoxButtons;
using sheet::MessageBoxIcon;

struct ButtonsRow {
  MessageBoxButtons buttons;
  UINT type;
  std::size_t count;
  MessageBoxAnswer answers[3];  // in button order
};

constexpr ButtonsRow kButtons[] = {
    {MessageBoxButtons::Ok, MB_OK, 1, {MessageBoxAnswer::Ok}},
    {MessageBoxButtons::OkCancel, MB_OKCANCEL, 2, {MessageBoxAnswer::Ok, MessageBoxAnswer::Cancel}},
    {MessageBoxButtons::YesNo, MB_YESNO, 2, {MessageBoxAnswer::Yes, MessageBoxAnswer::No}},
    {MessageBoxButtons::YesNoCancel,
     MB_YESNOCANCEL,
     3,
     {MessageBoxAnswer::Yes, MessageBoxAnswer::No, MessageBoxAnswer::Cancel}},
    {MessageBoxButtons::CancelTryContinue,
     MB_CANCELTRYCONTINUE,
     3,
     {MessageBoxAnswer::Cancel, MessageBoxAnswer::TryAgain, MessageBoxAnswer::Continue}},
};

struct IconRow {
  MessageBoxIcon icon;
  UINT type;
};

constexpr IconRow kIcons[] = {
    {MessageBoxIcon::None, 0},
    {MessageBoxIcon::Information, MB_ICONINFORMATION},
    {MessageBoxIcon::Question, MB_ICONQUESTION},
    {MessageBoxIcon::Warning, MB_ICONWARNING},
    {MessageBoxIcon::Error, MB_ICONERROR},
};

struct AnswerRow {
  int id;
  MessageBoxAnswer answer;
};

constexpr AnswerRow kAnswers[] = {
    {IDYES, MessageBoxAnswer::Yes},           {IDNO, MessageBoxAnswer::No},
    {IDCANCEL, MessageBoxAnswer::Cancel},     {IDTRYAGAIN, MessageBoxAnswer::TryAgain},
    {IDCONTINUE, MessageBoxAnswer::Continue},
};

constexpr UINT kDefaultButtons[] = {MB_DEFBUTTON1, MB_DEFBUTTON2, MB_DEFBUTTON3};

}  // namespace

UINT MessageBoxStyle(const sheet::MessageBoxRequest& request) {
  UINT type = 0;
  for (const IconRow& row : kIcons)
    if (row.icon == request.icon) type |= row.type;
  for (const ButtonsRow& row : kButtons) {
    if (row.buttons != request.buttons) continue;
    std::size_t defaultButton = 0;
    for (std::size_t i = 0; i < row.count; ++i)
      if (row.answers[i] == request.defaultAnswer) defaultButton = i;
    type |= row.type | kDefaultButtons[defaultButton];
  }
  return type;
}

sheet::MessageBoxAnswer WinHost::ShowMessageBox(const sheet::MessageBoxRequest& request) {
  int id = MessageBoxW(windows_.main, Wide(request.text).c_str(), Wide(request.title).c_str(),
                       MessageBoxStyle(request));
  for (const AnswerRow& row : kAnswers)
    if (row.id == id) return row.answer;
  return MessageBoxAnswer::Ok;
}

namespace {

INPUT KeyInput(WORD key, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = flags;
  return input;
}

INPUT UnicodeInput(wchar_t c, DWORD flags) {
  INPUT input = KeyInput(0, KEYEVENTF_UNICODE | flags);
  input.ki.wScan = c;
  return input;
}

// The modifiers VkKeyScanEx names in its high byte, each with its key.
struct ShiftState {
  int bit;
  WORD key;
};
constexpr ShiftState kShiftStates[] = {{1, VK_SHIFT}, {2, VK_CONTROL}, {4, VK_MENU}};

std::vector<INPUT> CharacterInputs(wchar_t c) {
  const SHORT scan = VkKeyScanExW(c, GetKeyboardLayout(0));
  if (scan == -1) return {UnicodeInput(c, 0), UnicodeInput(c, KEYEVENTF_KEYUP)};
  const int shift = HIBYTE(scan);
  std::vector<INPUT> inputs;
  for (const ShiftState& s : kShiftStates)
    if (shift & s.bit) inputs.push_back(KeyInput(s.key, 0));
  inputs.push_back(KeyInput(LOBYTE(scan), 0));
  inputs.push_back(KeyInput(LOBYTE(scan), KEYEVENTF_KEYUP));
  for (auto s = std::rbegin(kShiftStates); s != std::rend(kShiftStates); ++s)
    if (shift & s->bit) inputs.push_back(KeyInput(s->key, KEYEVENTF_KEYUP));
  return inputs;
}

}  // namespace

void WinHost::SendCharacter(sheet::Character character) {
  // The key that types it on the current layout, with the modifiers it
  // needs; a character no key types goes as itself.
  std::string gbk;
  if (character > 0xFF) gbk += static_cast<char>(character >> 8);
  gbk += static_cast<char>(character & 0xFF);
  const std::wstring wide = Wide(gbk);
  if (wide.size() != 1) return;
  std::vector<INPUT> inputs = CharacterInputs(wide[0]);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void WinHost::SendKey(int key) {
  // A press and a release through the input queue; NumLock goes as the
  // extended key the keyboard sends for it.
  const DWORD extended = key == VK_NUMLOCK ? KEYEVENTF_EXTENDEDKEY : 0;
  INPUT inputs[2] = {KeyInput(static_cast<WORD>(key), extended),
                     KeyInput(static_cast<WORD>(key), extended | KEYEVENTF_KEYUP)};
  SendInput(2, inputs, sizeof(INPUT));
}

}  // namespace tl::app
