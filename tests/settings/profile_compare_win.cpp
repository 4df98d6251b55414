// Our reader and writer against GetPrivateProfileStringA and
// WritePrivateProfileStringA on the same files (system code page 936).
//
// Differences allowed on purpose, each pinned by a test below:
// - Bytes of the file. We change only the value after the "=" of the key
//   written (or add one line, or a section header and one line) and keep
//   every other byte; Wine rewrites the whole file: blank lines dropped,
//   white space around names and "=" removed, a new key's name trimmed
//   ("按esc退出 " is written "按esc退出"). The files therefore compare by
//   what both functions read from them, and byte for byte only when the
//   file is already in that plain form.
// - A long value cut inside a double-byte character: Windows returns 10239
//   bytes whose last one is undefined; we stop before the character.
// - A value holding a line break: Windows writes it and the file gains a
//   line (a key can be smuggled in); we cut the value at the break.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "files/file_io.h"
#include "files/temp_folder.h"
#include "settings/profile.h"

namespace tl::settings {
namespace {

namespace fs = std::filesystem;
using files::ReadWholeFile;
using files::WriteWholeFile;

constexpr char kMissing[] = "\x01missing";

std::string WindowsRead(const fs::path& file, const std::string& section, const std::string& key) {
  std::vector<char> buffer(kValueLimit, '\0');
  ::GetPrivateProfileStringA(section.c_str(), key.c_str(), kMissing, buffer.data(),
                             static_cast<DWORD>(buffer.size()), file.string().c_str());
  return std::string(buffer.data());
}

std::string OurRead(const std::string& content, const std::string& section,
                    const std::string& key) {
  return ReadProfileValue(content, section, key).value_or(kMissing);
}

struct Query {
  std::string section;
  std::string key;
};

// Every file below is asked for every one of these.
const std::vector<Query>& Queries() {
  static const std::vector<Query> queries = {
      {"s", "k"},
      {"S", "K"},
      {" s ", " k "},
      {"s", "a"},
      {"s", "b"},
      {"s", "x"},
      {"s", "y"},
      {"s", "q1"},
      {"s", "q2"},
      {"s", "q3"},
      {"s", "empty"},
      {"s", "noeq"},
      {"s", "; c"},
      {"t", "k"},
      {"t", "z"},
      {"new", "n"},
      {"运行设置", "撤销设置"},
      {"运行设置", "按esc退出 "},
      {"运行设置", "按esc退出"},
      {"其他设置", "字体名称"},
      {"其他设置", "未知键"},
      {"癩", "k"},
      {"s", "癆"},
      {"s", "癮"},
      {"s", "ideo"},
      {"s", "Mixed Case Key"},
      {"s", "αβ"},
      {"s", "ΑΒ"},
      {"s", "ａｂ"},
      {"s", "аб"},
  };
  return queries;
}

const std::vector<std::string>& Files() {
  static const std::vector<std::string> files = {
      "[s]\r\nk=1\r\na=2\r\n[t]\r\nk=3\r\n",
      "  [ S ]  \r\n  K  =  spaced value  \r\n\ta\t=\ttabbed\t\r\n",
      "[s]\r\nk=1\r\nk=2\r\n[s]\r\nb=3\r\n[S]\r\nk=4\r\n",
      "[s]\r\nq1=\"quoted\"\r\nq2='single'\r\nq3=\"open\r\nempty=\r\nnoeq\r\n; c=comment\r\n",
      "k=before\r\n[s]\r\nx=1\rY=2\nb=3",
      "[运行设置]\r\n撤销设置=120\r\n按esc退出 =真\r\n[其他设置]\r\n字体名称=宋体\r\n未知键=保留 "
      "的 值\r\n",
      "[运行设置]\r\n按esc退出=假\r\n撤销设置 = 汉字12 \r\n",
      "[癩]\r\nk=bracket\r\n[s]\r\n癆=upper\r\n癮=lower\r\n",
      "[t]\r\n[s癩\r\nk=no header\r\n",
      "[s]\r\nideo=　x　\r\nMIXED case KEY=mixed\r\n",
      // Letters beyond ASCII keep their case: Greek, full-width, Cyrillic.
      "[s]\r\nΑΒ=greek\r\nＡＢ=full width\r\nАБ=cyrillic\r\n",
      "",
  };
  return files;
}

struct Write {
  std::string section;
  std::string key;
  std::string value;
};

const std::vector<Write>& Writes() {
  static const std::vector<Write> writes = {
      {"s", "k", "written"},          {"S", "B", "2"},
      {"new", "n", "新的值"},         {"运行设置", "按esc退出 ", "真"},
      {"运行设置", "撤销设置", "30"}, {"t", "z", "  padded  "},
      {"s", "noeq", "now"},           {"癩", "k", "再写"},
      {"s", "癮", "lower again"},
  };
  return writes;
}

class ProfileCompare : public ::testing::Test {
 protected:
  fs::path Place(const std::string& content) {
    std::wstring name = L"f";
    name += std::to_wstring(count_++);
    name += L".ini";
    const fs::path path = folder_.path() / name;
    EXPECT_TRUE(WriteWholeFile(path, content).ok());
    return path;
  }

 private:
  files::testing::TempFolder folder_;
  int count_ = 0;
};

TEST_F(ProfileCompare, ReadingMatchesTheWindowsFunction) {
  for (const std::string& content : Files()) {
    const fs::path file = Place(content);
    for (const Query& q : Queries()) {
      EXPECT_EQ(OurRead(content, q.section, q.key), WindowsRead(file, q.section, q.key))
          << content << " / " << q.section << " / " << q.key;
    }
  }
}

TEST_F(ProfileCompare, WrittenFilesReadTheSame) {
  for (const std::string& content : Files()) {
    const fs::path theirs = Place(content);
    std::string ours = content;
    for (const Write& w : Writes()) {
      ASSERT_TRUE(::WritePrivateProfileStringA(w.section.c_str(), w.key.c_str(), w.value.c_str(),
                                               theirs.string().c_str()));
      WriteProfileValue(ours, w.section, w.key, w.value);
    }
    const fs::path oursFile = Place(ours);
    for (const Query& q : Queries()) {
      const std::string expected = WindowsRead(theirs, q.section, q.key);
      EXPECT_EQ(WindowsRead(oursFile, q.section, q.key), expected)
          << content << " / " << q.section << " / " << q.key;
      EXPECT_EQ(OurRead(ours, q.section, q.key), expected)
          << content << " / " << q.section << " / " << q.key;
    }
  }
}

TEST_F(ProfileCompare, PlainFilesComeOutByteForByte) {
  const std::string content = "[s]\r\nk=1\r\n[运行设置]\r\n撤销设置=50\r\n";
  const fs::path theirs = Place(content);
  std::string ours = content;
  const Write writes[] = {
      {"s", "k", "2"}, {"s", "j", "3"}, {"运行设置", "运行次数", "2"}, {"新节", "键", "值"}};
  for (const Write& w : writes) {
    ::WritePrivateProfileStringA(w.section.c_str(), w.key.c_str(), w.value.c_str(),
                                 theirs.string().c_str());
    WriteProfileValue(ours, w.section, w.key, w.value);
  }
  EXPECT_EQ(ours, ReadWholeFile(theirs).bytes);
}

TEST_F(ProfileCompare, AllowedDifferences) {
  // Untouched lines: we keep them, Wine normalises them.
  const std::string spaced = "[s]\r\n  a  =  1  \r\n\r\nb=2\r\n";
  const fs::path theirs = Place(spaced);
  std::string ours = spaced;
  ::WritePrivateProfileStringA("s", "b", "3", theirs.string().c_str());
  WriteProfileValue(ours, "s", "b", "3");
  EXPECT_EQ(ours, "[s]\r\n  a  =  1  \r\n\r\nb=3\r\n");
  EXPECT_NE(ReadWholeFile(theirs).bytes, ours);

  // A line break in a value.
  const fs::path broken = Place("[s]\r\n");
  ::WritePrivateProfileStringA("s", "k", "a\r\nb=c", broken.string().c_str());
  EXPECT_EQ(WindowsRead(broken, "s", "b"), "c");
  std::string guarded = "[s]\r\n";
  WriteProfileValue(guarded, "s", "k", "a\r\nb=c");
  EXPECT_EQ(OurRead(guarded, "s", "b"), kMissing);
  EXPECT_EQ(OurRead(guarded, "s", "k"), "a");
}

TEST_F(ProfileCompare, LongValues) {
  std::string wide;
  for (int i = 0; i < 6000; ++i) wide += "汉";
  const std::string values[] = {std::string(12000, 'a'), std::string(10239, 'b'), "a" + wide, wide};
  for (const std::string& value : values) {
    const std::string content = "[s]\r\nk=" + value + "\r\n";
    const std::string theirs = WindowsRead(Place(content), "s", "k");
    const std::string ours = OurRead(content, "s", "k");
    if (value == wide) {
      // Windows: 10238 bytes of characters and one undefined byte, which
      // the zero-filled buffer turns into the end of the text.
      EXPECT_EQ(ours.size(), kValueLimit - 2);
      EXPECT_EQ(theirs.substr(0, ours.size()), ours);
    } else {
      EXPECT_EQ(ours, theirs);
    }
  }
}

}  // namespace
}  // namespace tl::settings
