#include "sheet/tools/find_replace.h"

#include <gtest/gtest.h>

#include "sheet/seams/headless_host.h"
#include "sheet/seams/memory_edit_box.h"
#include "text/gbk.h"

namespace tl::sheet {
namespace {

// Test texts mark the selection with "[" and "]", or an empty selection with
// "|"; the texts themselves hold none of the three.
void LoadSelection(EditBox& box, std::string_view marked) {
  std::string text;
  std::size_t start = 0;
  std::size_t end = 0;
  for (const char c : marked) {
    if (c == '[' || c == '|') {
      start = end = text.size();
    } else if (c == ']') {
      end = text.size();
    } else {
      text += c;
    }
  }
  box.SetText(text);
  box.SetCaret(start);
  box.SetSelectionLength(end - start);
}

std::string ShowSelection(EditBox& box) {
  std::string text(box.Text());
  const std::size_t start = box.Caret();
  const std::size_t length = box.SelectionLength();
  if (length == 0) return text.insert(start, "|");
  return text.insert(start + length, "]").insert(start, "[");
}

// Bytes that look like a match only across the halves of two-byte characters:
// "啊" is B0 A1; "∟" is A8 4E, whose second byte is "N".
constexpr char kTwoAh[] = "\xB0\xA1\xB0\xA1";
constexpr char kAhMiddle[] = "\xA1\xB0";
constexpr char kFractionBar[] = "\xA8N";

TEST(FindReplace, TokensBecomeTheirCharacters) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"a#空格符b", "a b"},
      {"#换行符#制表符x", "\r\n\tx"},
      {"#空格", "#空格"},  // not a whole token
      {"##空格符", "# "},
  };
  for (const auto& [field, expected] : cases) EXPECT_EQ(ReplaceFindTokens(field), expected);
}

struct SearchCase {
  std::string text;
  std::string needle;
  std::size_t position;  // `from` for FindText, `end` for RFindText
  bool ignoreCase;
  std::size_t expected;
};

TEST(FindReplace, SearchesNeverSplitATwoByteCharacter) {
  const std::string bar(kFractionBar);
  const SearchCase forward[] = {
      {kTwoAh, kAhMiddle, 0, false, text::npos},
      {bar + "N", "N", 0, false, 2},
      {bar + "n", "n", 0, true, 2},  // the N inside "∟" is not a letter
      {bar, "n", 0, true, text::npos},
      {"\xA8n", kFractionBar, 0, true, text::npos},  // a second byte is never folded
      {"x" + bar, "X" + bar, 0, true, 0},
      {"a\xB0\xA1", "a\xB0", 0, false, text::npos},  // would end inside "啊"
      {"abcabc", "abc", 1, false, 3},
      {"\xB0\xA1x", "x", 1, false, 2},  // from a second byte: the next character
      {"abc", "abc", 4, false, text::npos},
  };
  for (const SearchCase& c : forward) {
    EXPECT_EQ(FindText(c.text, c.needle, c.position, c.ignoreCase), c.expected)
        << c.text << " / " << c.needle;
  }
  const SearchCase backward[] = {
      {kTwoAh, kAhMiddle, 4, false, text::npos},
      {bar + "N", "N", 3, false, 2},
      {bar + "x", "N", 3, true, text::npos},
      {"abcABC", "abc", 6, true, 3},
      {"abcabc", "abc", 5, false, 0},  // the second ends after byte 5
      {"a\xB0\xA1", "a\xB0", 3, false, text::npos},
  };
  for (const SearchCase& c : backward) {
    EXPECT_EQ(RFindText(c.text, c.needle, c.position, c.ignoreCase), c.expected)
        << c.text << " / " << c.needle;
  }
}

struct FindCase {
  std::string_view before;
  std::string_view search;  // as typed in the field
  bool matchCase;
  FindDirection direction;
  std::string_view after;
};

TEST(FindReplace, FindSelectsTheMatchAndWrapsFromTheTop) {
  const FindCase cases[] = {
      // The selected match is stepped over.
      {"1+[1]+1", "1", true, FindDirection::Forward, "1+1+[1]"},
      {"1+1+[1]", "1", true, FindDirection::Backward, "1+[1]+1"},
      {"|x1", "1", true, FindDirection::Forward, "x[1]"},
      // Nothing further: the selection goes to the top, keeping its length,
      // and the text is searched again from two bytes short of that length.
      {"1+[1]+2", "1", true, FindDirection::Forward, "[1]+1+2"},
      {"x|y abc abc", "abc", true, FindDirection::Backward, "xy [abc] abc"},
      {"[abc]def", "abc", true, FindDirection::Forward, "[abc]def"},
      {"abc-[abc]", "abc", true, FindDirection::Forward, "abc-[abc]"},
      {"hello w[or]ld", "zz", true, FindDirection::Forward, "[he]llo world"},
      {"ab [cdef] ab", "ab", true, FindDirection::Forward, "ab cdef [ab]"},
      {"xxab [cdef]", "ab", true, FindDirection::Forward, "xx[ab] cdef"},  // again from byte 2
      {"ab [cdef]", "ab", true, FindDirection::Forward, "[ab c]def"},      // byte 0 is passed over
      // Case and tokens.
      {"|ABC abc", "abc", true, FindDirection::Forward, "ABC [abc]"},
      {"|ABC abc", "abc", false, FindDirection::Forward, "[ABC] abc"},
      {"|xa b", "a#空格符b", true, FindDirection::Forward, "x[a b]"},
      {"|1\r\n2", "#换行符", true, FindDirection::Forward, "1[\r\n]2"},
      // Two-byte characters.
      {"|\xB0\xA1\xB0\xA1", "\xA1\xB0", true, FindDirection::Forward, "|\xB0\xA1\xB0\xA1"},
      {"|\xA8NN", "N", true, FindDirection::Forward, "\xA8N[N]"},
  };
  for (const FindCase& c : cases) {
    MemoryEditBox box;
    HeadlessHost host;
    FindReplace finder;
    LoadSelection(box, c.before);
    const FindFields fields{std::string(c.search), "", c.matchCase};
    if (c.direction == FindDirection::Forward) {
      finder.Next(fields, box, host);
    } else {
      finder.Previous(fields, box, host);
    }
    EXPECT_EQ(ShowSelection(box), c.after) << c.before << " / " << c.search;
    EXPECT_EQ(host.FocusRequests(), 1);
  }
}

TEST(FindReplace, TheMenuSearchesUseTheRememberedTextsAsTheyStand) {
  MemoryEditBox box;
  HeadlessHost host;
  FindReplace finder;
  EXPECT_EQ(finder.Remembered(), FindFields{});
  LoadSelection(box, "|x");
  EXPECT_FALSE(finder.Find(FindDirection::Forward, false, box, host));  // nothing to find yet
  EXPECT_EQ(ShowSelection(box), "|x");

  // A button converts the tokens; closing the window keeps the fields as typed,
  // so the next menu search looks for the token literally.
  LoadSelection(box, "|a b a#空格符b A B");
  finder.Next({"a#空格符b", "r", false}, box, host);
  EXPECT_EQ(ShowSelection(box), "[a b] a#空格符b A B");
  EXPECT_EQ(finder.Remembered(), (FindFields{"a b", "", false}));
  finder.FindNext(box, host);
  EXPECT_EQ(ShowSelection(box), "a b a#空格符b [A B]");
  finder.FindPrevious(box, host);
  EXPECT_EQ(ShowSelection(box), "[a b] a#空格符b A B");
  finder.WindowClosed({"a#空格符b", "r", true});
  EXPECT_EQ(finder.Remembered(), (FindFields{"a#空格符b", "r", true}));
  finder.FindNext(box, host);
  EXPECT_EQ(ShowSelection(box), "a b [a#空格符b] A B");
}

TEST(FindReplace, ReplaceTakesTheNextMatchAfterTheSelection) {
  MemoryEditBox box;
  HeadlessHost host;
  FindReplace finder;
  const FindFields fields{"ab", "Z", true};
  LoadSelection(box, "|ab ab");
  finder.Replace(fields, box, host);
  EXPECT_EQ(ShowSelection(box), "Z| ab");
  finder.Replace(fields, box, host);
  EXPECT_EQ(ShowSelection(box), "Z Z|");
  finder.Replace(fields, box, host);  // no match left: the caret goes to the top
  EXPECT_EQ(ShowSelection(box), "|Z Z");

  LoadSelection(box, "[ab] ab");
  finder.Replace(fields, box, host);
  EXPECT_EQ(ShowSelection(box), "ab Z|");

  LoadSelection(box, "|1,2");
  finder.Replace({",", "#换行符", true}, box, host);
  EXPECT_EQ(ShowSelection(box), "1\r\n|2");
  EXPECT_EQ(finder.Remembered(), (FindFields{",", "\r\n", true}));
}

struct ReplaceAllCase {
  std::string_view before;
  FindFields fields;
  std::string_view after;
  std::size_t count;
};

TEST(FindReplace, ReplaceAllMatchesCaseExactlyAndPutsTheCaretAtTheTop) {
  const ReplaceAllCase cases[] = {
      {"1×2×|3", {"×", "*", true}, "|1*2*3", 2},
      {"a|a", {"a", "aa", true}, "|aaaa", 2},  // the replacement is not searched again
      {"aaa", {"aa", "a", true}, "|aa", 1},
      {"Ab ab AB", {"ab", "x", false}, "|Ab x AB", 1},
      {"1 2|", {"#空格符", "#换行符", true}, "|1\r\n2", 1},
      {"\xB0\xA1\xB0\xA1", {"\xA1\xB0", "x", true}, "|\xB0\xA1\xB0\xA1", 0},
      {"a\xB0\xA1", {"a\xB0", "x", true}, "|a\xB0\xA1", 0},
      {"x[y]z", {"", "q", true}, "x[y]z", 0},  // an empty search text changes nothing
  };
  for (const ReplaceAllCase& c : cases) {
    MemoryEditBox box;
    HeadlessHost host;
    FindReplace finder;
    LoadSelection(box, c.before);
    EXPECT_EQ(finder.ReplaceAll(c.fields, box, host), c.count) << c.before;
    EXPECT_EQ(ShowSelection(box), c.after) << c.before;
    EXPECT_EQ(finder.Remembered().search, ReplaceFindTokens(c.fields.search));
    EXPECT_EQ(finder.Remembered().replacement, ReplaceFindTokens(c.fields.replacement));
    EXPECT_EQ(host.FocusRequests(), 1);
  }
}

TEST(FindReplace, ReplaceInSelectionStaysInsideTheSelection) {
  const ReplaceAllCase cases[] = {
      {"a-a-[a-a]-a", {"a", "b", true}, "a-a-b-b|-a", 2},
      {"a[ba]b", {"ab", "X", true}, "aba|b", 0},  // matches across the edges do not count
      {"[x y]", {"#空格符", "#制表符", true}, "x\ty|", 1},
      {"[A a]", {"a", "b", false}, "A b|", 1},
      {"[abc]", {"zz", "y", true}, "abc|", 0},  // the selection is replaced by itself
      {"a|a", {"a", "b", true}, "a|a", 0},      // no selection
      {"[aa]", {"", "b", true}, "[aa]", 0},     // no search text
  };
  for (const ReplaceAllCase& c : cases) {
    MemoryEditBox box;
    HeadlessHost host;
    FindReplace finder;
    finder.WindowClosed({"kept", "also kept", true});
    LoadSelection(box, c.before);
    EXPECT_EQ(finder.ReplaceInSelection(c.fields, box, host), c.count) << c.before;
    EXPECT_EQ(ShowSelection(box), c.after) << c.before;
    EXPECT_EQ(finder.Remembered(), (FindFields{"kept", "also kept", true}));
  }
}

}  // namespace
}  // namespace tl::sheet
