#include "sheet/seams/memory_edit_box.h"

#include <algorithm>
#include <cstring>

#include "sheet/seams/edit_operations.h"
#include "text/gbk.h"

namespace tl::sheet {

namespace {
constexpr std::size_t npos = std::string_view::npos;
constexpr std::size_t kMinimumGap = 64;

// Bytes below 0x40 are never the second byte of a two-byte character.
bool IsBoundaryByte(char c) {
  return static_cast<unsigned char>(c) < 0x40;
}
}  // namespace

MemoryEditBox::MemoryEditBox(std::string text)
    : buffer_(std::move(text)), gapStart_(buffer_.size()) {
  buffer_.resize(buffer_.capacity());
  gapEnd_ = buffer_.size();
}

char MemoryEditBox::At(std::size_t position) const {
  return position < gapStart_ ? buffer_[position] : buffer_[position + (gapEnd_ - gapStart_)];
}

void MemoryEditBox::MoveGap(std::size_t position) {
  if (position < gapStart_) {
    const std::size_t count = gapStart_ - position;
    std::memmove(&buffer_[gapEnd_ - count], &buffer_[position], count);
    gapStart_ -= count;
    gapEnd_ -= count;
  } else if (position > gapStart_) {
    const std::size_t count = position - gapStart_;
    std::memmove(&buffer_[gapStart_], &buffer_[gapEnd_], count);
    gapStart_ += count;
    gapEnd_ += count;
  }
}

void MemoryEditBox::Splice(std::size_t begin, std::size_t end, std::string_view inserted) {
  MoveGap(end);
  gapStart_ = begin;
  if (gapEnd_ - gapStart_ < inserted.size()) {
    // Grow the gap in proportion to the text, so that growing stays amortised.
    const std::size_t tail = buffer_.size() - gapEnd_;
    const std::size_t gap = inserted.size() + kMinimumGap + LogicalSize() / 2;
    std::string grown(gapStart_ + gap + tail, '\0');
    std::memcpy(grown.data(), buffer_.data(), gapStart_);
    std::memcpy(grown.data() + gapStart_ + gap, buffer_.data() + gapEnd_, tail);
    buffer_ = std::move(grown);
    gapEnd_ = gapStart_ + gap;
  }
  if (inserted.empty()) return;
  std::memcpy(&buffer_[gapStart_], inserted.data(), inserted.size());
  gapStart_ += inserted.size();
}

std::string_view MemoryEditBox::Text() {
  MoveGap(LogicalSize());
  return std::string_view(buffer_.data(), gapStart_);
}

void MemoryEditBox::SetText(std::string_view text) {
  buffer_.assign(text);
  gapStart_ = gapEnd_ = text.size();
  selectionStart_ = selectionLength_ = 0;
  activeEndIsStart_ = false;
  NotifyContentChanged();
}

std::size_t MemoryEditBox::SnapToCharStart(std::size_t position) const {
  const std::size_t size = LogicalSize();
  if (position >= size) return size;
  std::size_t start = position;
  while (start > 0 && !IsBoundaryByte(At(start - 1))) --start;
  for (;;) {
    const std::size_t length =
        start + 1 < size && text::FormsPair(At(start), At(start + 1)) ? 2 : 1;
    if (start + length > position) return start;
    start += length;
  }
}

void MemoryEditBox::SetCaret(std::size_t position) {
  selectionStart_ = SnapToCharStart(std::min(position, LogicalSize()));
  selectionLength_ = std::min(selectionLength_, LogicalSize() - selectionStart_);
}

void MemoryEditBox::SetSelectionLength(std::size_t length) {
  selectionLength_ = std::min(length, LogicalSize() - selectionStart_);
  activeEndIsStart_ = false;
}

void MemoryEditBox::ReplaceSelection(std::string_view text) {
  Splice(selectionStart_, selectionStart_ + selectionLength_, text);
  // In a text that is not valid GBK a lone first byte before the selection
  // pairs with the first inserted byte, and the end of the inserted text may
  // then fall inside a character: the caret goes to that character's start.
  selectionStart_ = SnapToCharStart(selectionStart_ + text.size());
  selectionLength_ = 0;
  activeEndIsStart_ = false;
  NotifyContentChanged();
}

std::string_view MemoryEditBox::Slice(std::size_t begin, std::size_t end) {
  const std::size_t size = LogicalSize();
  begin = std::min(begin, size);
  end = std::clamp(end, begin, size);
  if (begin < gapStart_ && end > gapStart_) {
    // The range spans the gap: move the gap to its nearer end.
    MoveGap(gapStart_ - begin < end - gapStart_ ? begin : end);
  }
  const std::size_t offset = begin < gapStart_ ? 0 : gapEnd_ - gapStart_;
  return std::string_view(buffer_.data() + begin + offset, end - begin);
}

std::size_t MemoryEditBox::FindBytes(std::string_view needle, std::size_t from) {
  const std::size_t size = LogicalSize();
  if (needle.empty()) return from <= size ? from : npos;
  if (from < gapStart_) {
    const std::size_t hit = std::string_view(buffer_.data(), gapStart_).find(needle, from);
    if (hit != npos) return hit;
    // Occurrences that start before the gap and end after it.
    const std::size_t first = std::max(from, gapStart_ - std::min(gapStart_, needle.size() - 1));
    for (std::size_t start = first; start < gapStart_ && start + needle.size() <= size; ++start) {
      std::size_t i = 0;
      while (i < needle.size() && At(start + i) == needle[i]) ++i;
      if (i == needle.size()) return start;
    }
  }
  const std::size_t after = std::max(from, gapStart_);
  const std::string_view tail(buffer_.data() + gapEnd_, buffer_.size() - gapEnd_);
  const std::size_t hit = tail.find(needle, after - gapStart_);
  return hit == npos ? npos : hit + gapStart_;
}

std::size_t MemoryEditBox::RFindBytes(std::string_view needle, std::size_t end) {
  end = std::min(end, LogicalSize());
  if (needle.size() > end) return npos;
  if (end > gapStart_) {
    const std::string_view tail(buffer_.data() + gapEnd_, end - gapStart_);
    const std::size_t hit = tail.rfind(needle);
    if (hit != npos) return hit + gapStart_;
    // Occurrences that start before the gap and end after it.
    const std::size_t last = std::min(gapStart_, end - needle.size() + 1);
    for (std::size_t start = last; start-- > 0 && start + needle.size() > gapStart_;) {
      std::size_t i = 0;
      while (i < needle.size() && At(start + i) == needle[i]) ++i;
      if (i == needle.size()) return start;
    }
  }
  const std::size_t before = std::min(end, gapStart_);
  return std::string_view(buffer_.data(), before).rfind(needle);
}

// ---- The control's own key handling -------------------------------------

std::size_t MemoryEditBox::PreviousPosition(std::size_t position) const {
  if (position == 0) return 0;
  if (position >= 2 && At(position - 2) == '\r' && At(position - 1) == '\n') return position - 2;
  return SnapToCharStart(position - 1);
}

std::size_t MemoryEditBox::NextPosition(std::size_t position) const {
  const std::size_t size = LogicalSize();
  if (position >= size) return size;
  if (At(position) == '\r' && position + 1 < size && At(position + 1) == '\n') return position + 2;
  return position +
         (position + 1 < size && text::FormsPair(At(position), At(position + 1)) ? 2 : 1);
}

std::size_t MemoryEditBox::LineStartOf(std::size_t position) {
  const std::size_t lineBreak = RFindBytes(text::kCrLf, position);
  return lineBreak == npos ? 0 : lineBreak + 2;
}

std::size_t MemoryEditBox::LineEndOf(std::size_t position) {
  const std::size_t lineBreak = FindBytes(text::kCrLf, LineStartOf(position));
  return lineBreak == npos ? LogicalSize() : lineBreak;
}

std::size_t MemoryEditBox::VerticalMove(std::size_t position, bool down) {
  const std::size_t start = LineStartOf(position);
  const std::size_t column = position - start;
  std::size_t target;
  if (down) {
    const std::size_t end = LineEndOf(position);
    if (end == LogicalSize()) return position;
    target = end + 2;
  } else {
    if (start == 0) return position;
    target = LineStartOf(start - 2);
  }
  return SnapToCharStart(std::min(target + column, LineEndOf(target)));
}

void MemoryEditBox::MoveCaret(std::size_t target, bool extend) {
  // A selection set by the program may end inside a character; the caret
  // moved from that end still lands on a character's first byte.
  target = SnapToCharStart(target);
  if (!extend) {
    selectionStart_ = target;
    selectionLength_ = 0;
    activeEndIsStart_ = false;
    return;
  }
  const std::size_t end = selectionStart_ + selectionLength_;
  const std::size_t anchor = activeEndIsStart_ ? end : selectionStart_;
  selectionStart_ = std::min(anchor, target);
  selectionLength_ = std::max(anchor, target) - selectionStart_;
  activeEndIsStart_ = target < anchor;
}

void MemoryEditBox::DeleteAround(bool forward) {
  if (selectionLength_ == 0) {
    const std::size_t from = forward ? selectionStart_ : PreviousPosition(selectionStart_);
    const std::size_t to = forward ? NextPosition(selectionStart_) : selectionStart_;
    if (from == to) return;
    selectionStart_ = from;
    selectionLength_ = to - from;
  }
  ReplaceSelection({});
}

void MemoryEditBox::DefaultKeyDown(int key, int modifiers, Host& host) {
  const bool shift = (modifiers & kShift) != 0;
  const bool ctrl = (modifiers & kCtrl) != 0;
  const std::size_t end = selectionStart_ + selectionLength_;
  const std::size_t active = activeEndIsStart_ ? selectionStart_ : end;
  switch (key) {
    case vk::kLeft:
      MoveCaret(shift || selectionLength_ == 0 ? PreviousPosition(active) : selectionStart_, shift);
      return;
    case vk::kRight:
      MoveCaret(shift || selectionLength_ == 0 ? NextPosition(active) : end, shift);
      return;
    case vk::kUp:
    case vk::kDown:
      MoveCaret(VerticalMove(active, key == vk::kDown), shift);
      return;
    case vk::kHome:
      MoveCaret(ctrl ? 0 : LineStartOf(active), shift);
      return;
    case vk::kEnd:
      MoveCaret(ctrl ? LogicalSize() : LineEndOf(active), shift);
      return;
    case vk::kDelete:
      if (shift) {
        CutSelection(*this, host);
      } else {
        DeleteAround(true);
      }
      return;
    case vk::kInsert:
      if (ctrl) CopySelection(*this, host);
      if (shift) PasteClipboard(*this, host);
      return;
    default:
      break;
  }
  if (modifiers != kCtrl) return;
  switch (key) {
    case 'A':
      SelectAll(*this);
      break;
    case 'C':
      CopySelection(*this, host);
      break;
    case 'X':
      CutSelection(*this, host);
      break;
    case 'V':
      PasteClipboard(*this, host);
      break;
    default:
      break;
  }
}

void MemoryEditBox::DefaultCharacter(Character character) {
  if (character == vk::kBack) {
    DeleteAround(false);
  } else if (character == '\r' || character == '\n') {
    ReplaceSelection(text::kCrLf);
  } else if (character == '\t' || (character >= 0x20 && character != 0x7F && character < 0x80)) {
    const char byte = static_cast<char>(character);
    ReplaceSelection(std::string_view(&byte, 1));
  } else if (character > 0xFF) {
    const char pair[2] = {static_cast<char>(character >> 8), static_cast<char>(character & 0xFF)};
    ReplaceSelection(std::string_view(pair, 2));
  }
}

}  // namespace tl::sheet
