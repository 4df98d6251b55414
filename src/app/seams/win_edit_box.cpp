#include "app/seams/win_edit_box.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "app/kit/win_text.h"
#include "app/seams/control_layout.h"
#include "app/seams/non_gbk_filter.h"
#include "text/gbk.h"

namespace tl::app {

// Every GBK character is one UTF-16 unit (code page 936 maps into the basic
// plane), so offsets convert by counting characters.
const std::string& WinEditBox::Cache() const {
  if (!cacheValid_) {
    cache_ = Gbk(ControlText(control_));
    cacheValid_ = true;
    unitStarts_.clear();
  }
  return cache_;
}

namespace {
// UTF-16 units of the bytes [from, to) of a GBK text; `from` starts a character.
std::size_t UnitsBetween(const std::string& text, std::size_t from, std::size_t to) {
  std::size_t units = 0;
  for (std::size_t p = from; p < to && p < text.size(); p = text::NextChar(text, p)) ++units;
  return units;
}
}  // namespace

std::size_t WinEditBox::UnitOf(const std::string& text, std::size_t byteOffset) const {
  return UnitsBetween(text, 0, byteOffset);
}

std::size_t WinEditBox::ByteOf(std::size_t unit) const {
  const std::string& text = Cache();
  if (unitStarts_.empty()) {
    unitStarts_.push_back(0);
    std::size_t units = 0;
    for (std::size_t p = 0; p < text.size();) {
      p = text::NextChar(text, p);
      if (++units % kUnitStep == 0) unitStarts_.push_back(p);
    }
  }
  const std::size_t step = std::min(unit / kUnitStep, unitStarts_.size() - 1);
  std::size_t p = unitStarts_[step];
  for (std::size_t u = step * kUnitStep; u < unit && p < text.size(); ++u)
    p = text::NextChar(text, p);
  return p;
}

std::string_view WinEditBox::Text() {
  return Cache();
}

void WinEditBox::SetText(std::string_view text) {
  if (batchDepth_ > 0) {
    if (!batchChanged_) controlText_ = Cache();
    cache_.assign(text);
    unitStarts_.clear();
    batchChanged_ = true;
    editFrom_ = 0;
    selectionStart_ = selectionLength_ = 0;
    selectionMoved_ = true;
  } else {
    // Opening a file: the control lays the whole text out at once.
    if (slowWriteNotice_ && ControlLayoutLooksSlow(text, 0, text.size())) slowWriteNotice_();
    ownEdit_ = true;
    SetWindowTextW(control_, Wide(text).c_str());
    SendMessageW(control_, EM_SETSEL, 0, 0);
    ownEdit_ = false;
    cache_.assign(text);
    cacheValid_ = true;
    unitStarts_.clear();
  }
  NotifyContentChanged();
}

std::size_t WinEditBox::Caret() const {
  if (batchDepth_ > 0) return selectionStart_;
  DWORD start = 0;
  SendMessageW(control_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return ByteOf(start);
}

std::size_t WinEditBox::SelectionLength() const {
  if (batchDepth_ > 0) return selectionLength_;
  DWORD start = 0, end = 0;
  SendMessageW(control_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  return ByteOf(end) - ByteOf(start);
}

void WinEditBox::Select(std::size_t startByte, std::size_t lengthBytes) {
  const std::string& text = Cache();
  selectionStart_ = text::CharStart(text, std::min(startByte, text.size()));
  selectionLength_ = std::min(selectionStart_ + lengthBytes, text.size()) - selectionStart_;
  if (batchDepth_ > 0)
    selectionMoved_ = true;
  else
    ApplySelection();
}

void WinEditBox::ApplySelection(std::optional<std::size_t> caretAfterReplacement) {
  const std::string& text = Cache();
  std::size_t start = UnitOf(text, selectionStart_);
  std::size_t end = start + UnitsBetween(text, selectionStart_, selectionStart_ + selectionLength_);
  // A replacement leaves the caret behind what it wrote, scrolled into view.
  if (start == end && caretAfterReplacement == start) return;
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
  if (batchDepth_ > 0) {
    if (!batchChanged_) {
      controlText_ = Cache();
      editFrom_ = start;
    }
    cache_.replace(start, length, text);
    unitStarts_.clear();
    batchChanged_ = true;
    editFrom_ = std::min(editFrom_, start);
    selectionStart_ = start + text.size();
    selectionLength_ = 0;
    selectionMoved_ = true;
  } else {
    ownEdit_ = true;
    SendMessageW(control_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Wide(text).c_str()));
    ownEdit_ = false;
    if (cacheValid_) cache_.replace(start, length, text);
    unitStarts_.clear();
  }
  NotifyContentChanged();
}

void WinEditBox::SetControl(HWND control) {
  control_ = control;
  cacheValid_ = false;
}

bool WinEditBox::OnControlChanged() {
  if (ownEdit_) return false;
  // A character without a GBK form would be one "?" in the cache for one or
  // two units in the control: it goes before the worksheet sees the text.
  std::wstring wide = ControlText(control_);
  cache_ = Gbk(wide);
  bool removed = false;
  if (Wide(cache_) != wide) {  // what GBK cannot hold comes back changed
    ownEdit_ = true;
    removed = RemoveNonGbkCharacters(control_, wide);
    ownEdit_ = false;
    cache_ = Gbk(wide);
  }
  cacheValid_ = true;
  unitStarts_.clear();
  NotifyContentChanged();
  return removed;
}

void WinEditBox::BeginBatch() {
  if (batchDepth_++ > 0) return;
  Cache();
  DWORD start = 0, end = 0;
  SendMessageW(control_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  selectionStart_ = ByteOf(start);
  selectionLength_ = ByteOf(end) - selectionStart_;
  controlSelection_ = {start, end};
  batchChanged_ = selectionMoved_ = false;
}

void WinEditBox::EndBatch() {
  // The batch stays open while it is written out: our own messages to the
  // control pass through its hook, which must not start another.
  if (batchDepth_ == 1) Flush();
  --batchDepth_;
}

// One replacement of the range between the common start and the common end
// of what the control holds and what the cache holds. The common start goes
// no further than the batch's first edit: inside a run of equal characters
// (empty lines) it could run on to the end of the text, and a replacement
// there would scroll the view to the end.
void WinEditBox::Flush() {
  std::optional<std::size_t> caretAfterReplacement;
  if (batchChanged_ && cache_ == controlText_)
    batchChanged_ = false;  // a refresh that changed nothing
  if (batchChanged_) {
    const std::string& now = cache_;
    const std::string& before = controlText_;
    std::size_t prefix = 0;
    const std::size_t limit = std::min(now.size(), before.size());
    while (prefix < std::min(limit, editFrom_) && now[prefix] == before[prefix]) ++prefix;
    prefix = text::CharStart(now, prefix);
    std::size_t suffix = 0;
    while (suffix < limit - prefix &&
           now[now.size() - 1 - suffix] == before[before.size() - 1 - suffix])
      ++suffix;
    // Both ends of the replaced range must start characters in both texts.
    while (suffix > 0 &&
           (text::CharStart(now, now.size() - suffix) != now.size() - suffix ||
            text::CharStart(before, before.size() - suffix) != before.size() - suffix))
      --suffix;
    if (slowWriteNotice_ && ControlLayoutLooksSlow(now, prefix, now.size() - suffix))
      slowWriteNotice_();
    std::size_t from = UnitOf(before, prefix);
    std::size_t to = from + UnitsBetween(before, prefix, before.size() - suffix);
    ownEdit_ = true;
    // Each selection costs the control a pass over the caret's line, which
    // on a line of many thousand characters takes seconds under Wine.
    if (controlSelection_ != std::pair{from, to}) SendMessageW(control_, EM_SETSEL, from, to);
    const std::wstring inserted = Wide({now.data() + prefix, now.size() - suffix - prefix});
    SendMessageW(control_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(inserted.c_str()));
    caretAfterReplacement = from + inserted.size();
    ownEdit_ = false;
    controlText_.clear();
    controlText_.shrink_to_fit();
    batchChanged_ = false;
  }
  if (selectionMoved_) ApplySelection(caretAfterReplacement);
  selectionMoved_ = false;
}

}  // namespace tl::app
