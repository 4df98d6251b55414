#include "edit_box_win.h"

#include <algorithm>

#include "text/gbk.h"
#include "win_text.h"

namespace tl::app {

// Every GBK character is one UTF-16 unit (code page 936 maps into the basic
// plane), so offsets convert by counting characters.
const std::string& WinEditBox::Cache() const {
  if (!cacheValid_) {
    int length = GetWindowTextLengthW(control_);
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(control_, wide.data(), length + 1);
    wide.resize(static_cast<std::size_t>(length));
    cache_ = Gbk(wide);
    cacheValid_ = true;
  }
  return cache_;
}

std::size_t WinEditBox::UnitOf(std::size_t byteOffset) const {
  const std::string& text = Cache();
  std::size_t units = 0;
  for (std::size_t p = 0; p < byteOffset && p < text.size(); p = text::NextChar(text, p)) ++units;
  return units;
}

std::size_t WinEditBox::ByteOf(std::size_t unit) const {
  const std::string& text = Cache();
  std::size_t p = 0;
  for (std::size_t u = 0; u < unit && p < text.size(); ++u) p = text::NextChar(text, p);
  return p;
}

std::string_view WinEditBox::Text() {
  return Cache();
}

void WinEditBox::SetText(std::string_view text) {
  ownEdit_ = true;
  SetWindowTextW(control_, Wide(text).c_str());
  SendMessageW(control_, EM_SETSEL, 0, 0);
  ownEdit_ = false;
  cache_.assign(text);
  cacheValid_ = true;
  NotifyContentChanged();
}

std::size_t WinEditBox::Caret() const {
  DWORD start = 0;
  SendMessageW(control_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return ByteOf(start);
}

std::size_t WinEditBox::SelectionLength() const {
  DWORD start = 0, end = 0;
  SendMessageW(control_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return ByteOf(end) - ByteOf(start);
}

void WinEditBox::Select(std::size_t startByte, std::size_t lengthBytes) {
  const std::string& text = Cache();
  startByte = text::CharStart(text, std::min(startByte, text.size()));
  std::size_t endByte = std::min(startByte + lengthBytes, text.size());
  std::size_t start = UnitOf(startByte);
  std::size_t end = start + UnitOf(endByte) - UnitOf(startByte);
  SendMessageW(control_, EM_SETSEL, start, end);
  SendMessageW(control_, EM_SCROLLCARET, 0, 0);
}

void WinEditBox::SetCaret(std::size_t position) {
  Select(position, SelectionLength());
}

void WinEditBox::SetSelectionLength(std::size_t length) {
  Select(Caret(), length);
}

void WinEditBox::ReplaceSelection(std::string_view text) {
  std::size_t start = Caret();
  std::size_t length = SelectionLength();
  ownEdit_ = true;
  SendMessageW(control_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Wide(text).c_str()));
  ownEdit_ = false;
  if (cacheValid_) cache_.replace(start, length, text);
  NotifyContentChanged();
}

void WinEditBox::OnControlChanged() {
  if (ownEdit_) return;
  cacheValid_ = false;
  NotifyContentChanged();
}

}  // namespace tl::app
