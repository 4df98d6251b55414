#include "sheet/find_replace.h"

#include "sheet/status_messages.h"
#include "text/gbk.h"

namespace tl::sheet {

namespace {

constexpr std::size_t npos = text::npos;
constexpr char kTokenMark = '#';

// True when the last byte starts a two-byte character that the text cuts off:
// every match of such a needle would end inside a character.
bool EndsInHalfCharacter(std::string_view needle) {
  if (needle.empty()) return false;
  const std::size_t last = needle.size() - 1;
  return text::IsLeadByte(needle[last]) && text::CharStart(needle, last) == last;
}

// The first character start at or after `position`.
std::size_t CharStartAtOrAfter(std::string_view text, std::size_t position) {
  if (position >= text.size()) return position;
  const std::size_t start = text::CharStart(text, position);
  return start < position ? text::NextChar(text, start) : start;
}

}  // namespace

std::string FindTokenText(const FindToken& token) {
  return kTokenMark + std::string(token.item);
}

std::string ReplaceFindTokens(std::string_view field) {
  std::string out(field);
  for (const FindToken& token : kFindTokens) {
    out = text::ReplaceAll(out, FindTokenText(token), token.replacement);
  }
  return out;
}

std::size_t FindText(std::string_view text, std::string_view needle, std::size_t from,
                     bool ignoreCase) {
  if (needle.empty() || EndsInHalfCharacter(needle) || from > text.size()) return npos;
  const std::size_t start = CharStartAtOrAfter(text, from);
  if (!ignoreCase) return text::Find(text, needle, start);
  // Lowering ASCII letters at character starts keeps every byte's role, so the
  // folded copies match at the same offsets.
  return text::Find(text::ToLowerAscii(text), text::ToLowerAscii(needle), start);
}

std::size_t RFindText(std::string_view text, std::string_view needle, std::size_t end,
                      bool ignoreCase) {
  if (needle.empty() || EndsInHalfCharacter(needle)) return npos;
  if (!ignoreCase) return text::RFind(text, needle, end);
  return text::RFind(text::ToLowerAscii(text), text::ToLowerAscii(needle), end);
}

std::string ReplaceEvery(std::string_view text, std::string_view from, std::string_view to,
                         std::size_t& count) {
  count = 0;
  std::string out;
  out.reserve(text.size());
  std::size_t position = 0;
  // The scan goes on after each inserted replacement, so a replacement that
  // contains the search text is never searched again.
  for (std::size_t hit; (hit = FindText(text, from, position, false)) != npos;) {
    out.append(text.substr(position, hit - position)).append(to);
    position = hit + from.size();
    ++count;
  }
  out.append(text.substr(position));
  return out;
}

void FindReplace::RememberSearch(const FindFields& fields) {
  remembered_.search = ReplaceFindTokens(fields.search);
  remembered_.matchCase = fields.matchCase;
}

bool FindReplace::Find(FindDirection direction, bool replaceAfter, EditBox& box, Host& host) {
  host.FocusEditBox();
  const std::string& needle = remembered_.search;
  if (needle.empty()) return false;
  const bool ignoreCase = !remembered_.matchCase;
  const std::size_t start = box.Caret();
  const std::size_t length = box.SelectionLength();
  std::size_t hit = direction == FindDirection::Forward
                        ? FindText(box.Text(), needle, start + length, ignoreCase)
                        : RFindText(box.Text(), needle, start, ignoreCase);
  if (hit == npos) {
    // The wrap: the selection moves to the top keeping its length, and the
    // search starts again two bytes short of the old selection's length.
    box.SetCaret(0);
    hit = FindText(box.Text(), needle, length >= 2 ? length - 2 : 0, ignoreCase);
    if (hit == npos) {
      host.SetStatusText(msg::NotFound(needle));
      return false;
    }
  }
  box.SetCaret(hit);
  box.SetSelectionLength(needle.size());
  if (replaceAfter) box.ReplaceSelection(remembered_.replacement);
  return true;
}

void FindReplace::Next(const FindFields& fields, EditBox& box, Host& host) {
  RememberSearch(fields);
  Find(FindDirection::Forward, false, box, host);
}

void FindReplace::Previous(const FindFields& fields, EditBox& box, Host& host) {
  RememberSearch(fields);
  Find(FindDirection::Backward, false, box, host);
}

void FindReplace::Replace(const FindFields& fields, EditBox& box, Host& host) {
  RememberSearch(fields);
  remembered_.replacement = ReplaceFindTokens(fields.replacement);
  Find(FindDirection::Forward, true, box, host);
}

std::size_t FindReplace::ReplaceAll(const FindFields& fields, EditBox& box, Host& host) {
  RememberSearch(fields);
  remembered_.replacement = ReplaceFindTokens(fields.replacement);
  host.FocusEditBox();
  if (remembered_.search.empty()) return 0;
  std::size_t count = 0;
  const std::string replaced =
      ReplaceEvery(box.Text(), remembered_.search, remembered_.replacement, count);
  box.SetText(replaced);
  return count;
}

std::size_t FindReplace::ReplaceInSelection(const FindFields& fields, EditBox& box, Host& host) {
  if (box.SelectionLength() == 0 || fields.search.empty()) return 0;
  std::size_t count = 0;
  const std::string replaced = ReplaceEvery(SelectedText(box), ReplaceFindTokens(fields.search),
                                            ReplaceFindTokens(fields.replacement), count);
  box.ReplaceSelection(replaced);
  host.FocusEditBox();
  return count;
}

}  // namespace tl::sheet
