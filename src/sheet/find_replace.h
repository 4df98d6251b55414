#pragma once
// Find and replace on the worksheet text: the remembered search and
// replacement texts and case option, the searches of the menu items
// "&N.查找下一个" (F3) and "&P.查找上一个" (Shift+F3), and what the buttons of
// the window "查找和替换" do with the window's fields. The window and the
// command line's replay both drive a FindReplace: the window hands over its
// fields on every button and when it closes; the replay keeps a FindFields of
// its own, started from Remembered(), as the fields of a window it never shows.
//
// Searches are double-byte aware: a match starts and ends on character
// boundaries. A search that finds no match says so in the status bar; an
// empty search text searches nothing and says nothing.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "sheet/edit_box.h"
#include "sheet/host.h"

namespace tl::sheet {

// A special character typed as a token: the drop-down item, and what "#" and
// the item stand for in a field.
struct FindToken {
  std::string_view item;  // "换行符": the token is "#换行符"
  std::string_view replacement;
};
inline constexpr std::array<FindToken, 3> kFindTokens = {{
    {"换行符", "\r\n"},
    {"空格符", " "},
    {"制表符", "\t"},
}};

// What choosing the token's drop-down item appends to a field: "#换行符".
std::string FindTokenText(const FindToken& token);

// The field with every token replaced, in the order of kFindTokens.
std::string ReplaceFindTokens(std::string_view field);

// The window's fields as typed (tokens not replaced) and its check box.
struct FindFields {
  std::string search;       // "查找文本："
  std::string replacement;  // "替换文本："
  bool matchCase = false;   // "区分大小写"
  bool operator==(const FindFields&) const = default;
};

enum class FindDirection { Forward, Backward };

class FindReplace {
 public:
  // What the window shows when it opens; empty texts and no case at start.
  const FindFields& Remembered() const { return remembered_; }
  // The window closed: its fields are kept as typed.
  void WindowClosed(const FindFields& fields) { remembered_ = fields; }

  // The menu items: a search with the remembered values as they stand.
  void FindNext(EditBox& box, Host& host) { Find(FindDirection::Forward, false, box, host); }
  void FindPrevious(EditBox& box, Host& host) { Find(FindDirection::Backward, false, box, host); }

  // "下一个" and "上一个": remember the search text (tokens replaced) and the
  // case option, then search.
  void Next(const FindFields& fields, EditBox& box, Host& host);
  void Previous(const FindFields& fields, EditBox& box, Host& host);
  // "替换": remember both texts and the case option, search forward and
  // replace the match with the replacement text.
  void Replace(const FindFields& fields, EditBox& box, Host& host);
  // "替换全部": remember as "替换"; every occurrence in the whole text,
  // matching case exactly, then the result becomes the text (the caret goes
  // to 0). Returns how many were replaced.
  std::size_t ReplaceAll(const FindFields& fields, EditBox& box, Host& host);
  // "替换选中": every occurrence within the selection, matching case exactly;
  // nothing when the selection or the search field is empty. The remembered
  // values stay. Returns how many were replaced.
  std::size_t ReplaceInSelection(const FindFields& fields, EditBox& box, Host& host);

  // The search itself with the remembered values: the first match after the
  // selection (forward) or the last one ending at or before its start
  // (backward); when there is none, the selection start moves to 0 and the
  // text is searched forward once more from two bytes before the selection's
  // length. A match is selected and, with `replaceAfter`, replaced; no match
  // is reported with msg::NotFound. Returns whether a match was found.
  bool Find(FindDirection direction, bool replaceAfter, EditBox& box, Host& host);

 private:
  void RememberSearch(const FindFields& fields);

  FindFields remembered_;
};

// Search helpers over GBK text. `ignoreCase` folds ASCII letters only, never
// the second byte of a two-byte character. A needle that ends in half a
// two-byte character matches nothing.
std::size_t FindText(std::string_view text, std::string_view needle, std::size_t from,
                     bool ignoreCase);
std::size_t RFindText(std::string_view text, std::string_view needle, std::size_t end,
                      bool ignoreCase);
// Every occurrence replaced, exact case, scanning on after each replacement;
// `count` receives the number of replacements.
std::string ReplaceEvery(std::string_view text, std::string_view from, std::string_view to,
                         std::size_t& count);

}  // namespace tl::sheet
