#include "settings/load.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "files/temp_folder.h"
#include "settings/profile.h"

namespace tl::settings {
namespace {

using files::testing::TempFolder;

TEST(LoadSettings, NoRunFolderGivesEveryDefault) {
  TempFolder folder;
  const SettingsFiles files = FilesUnder(folder.path() / "never-created");
  EXPECT_EQ(LoadSettings(files), Settings{});
  // The table's default texts read as the record's initial values.
  EXPECT_EQ(SettingsFromProfile(""), Settings{});
  EXPECT_EQ(SettingsFromProfile("[运行设置]\r\n"), Settings{});
}

TEST(LoadSettings, EveryKeyWithAFieldIsReadOnce) {
  std::multiset<std::pair<std::string_view, std::string_view>> loaded;
  for (const KeyInfo* key : kLoadOrder) loaded.insert({key->section, key->key});
  for (const KeyInfo& key : kKeys) {
    const bool hasField = !std::holds_alternative<std::monostate>(key.field);
    EXPECT_EQ(loaded.count({key.section, key.key}), hasField ? 1u : 0u) << key.key;
  }
}

// Each field gets a value unlike its default and unlike every other field's,
// so a row that fills the wrong field shows up.
std::string DistinctText(const KeyInfo& key, std::size_t n) {
  if (key.type == ValueType::Boolean) return std::string(key.defaultText == "真" ? "假" : "真");
  std::string text = key.type == ValueType::Text ? "宋体" : "";
  text += std::to_string(200 + n);  // 200.. keeps 撤销设置 inside 1..500
  return text;
}

TEST(LoadSettings, EveryFieldComesBackUnderItsOwnKey) {
  std::string content;
  std::vector<std::string> texts;
  for (const KeyInfo& key : kKeys) {
    texts.push_back(DistinctText(key, texts.size()));
    WriteProfileValue(content, key.section, key.key, texts.back());
  }
  const Settings loaded = SettingsFromProfile(content);
  for (std::size_t i = 0; i < std::size(kKeys); ++i) {
    if (std::holds_alternative<std::monostate>(kKeys[i].field)) continue;
    EXPECT_EQ(FieldText(loaded, kKeys[i]), texts[i]) << kKeys[i].key;
    EXPECT_NE(FieldText(Settings{}, kKeys[i]), texts[i]) << kKeys[i].key;
  }
}

TEST(LoadSettings, ReadingRulesOfEachType) {
  const struct {
    const char* content;
    Settings expected;
  } cases[] = {
      {"[运行设置]\r\n乘除替换=1\r\n双击复制=true\r\n动态刷新=\r\n",
       [] {
         Settings s;
         s.乘除替换 = s.双击复制 = s.动态刷新 = false;
         return s;
       }()},
      {"[运行设置]\r\n四舍五入=真\r\n运算精度设置=12abc\r\n窗口状态=\r\n起始选择位置=-7\r\n",
       [] {
         Settings s;
         s.四舍五入 = true;
         s.起始选择位置 = -7;
         return s;
       }()},
      {"[运行设置]\r\n运算精度设置=4.9\r\n运行次数=5000000000\r\n背景颜色=255\r\n",
       [] {
         Settings s;
         s.运算精度设置 = 4;
         s.运行次数 = 5000000000;
         s.背景颜色 = 255;
         return s;
       }()},
      {"[字体设置]\r\n字体名称=  微软雅黑  \r\n字体大小=abc\r\n",
       [] {
         Settings s;
         s.字体名称 = "微软雅黑";
         s.字体大小 = 0;
         return s;
       }()},
      {"[启动窗口位置]\r\n_启动窗口.左边=-20\r\n_启动窗口.高度=300px\r\n",
       [] {
         Settings s;
         s._启动窗口.左边 = -20;
         s._启动窗口.高度 = 300;
         return s;
       }()},
  };
  for (const auto& c : cases) EXPECT_EQ(SettingsFromProfile(c.content), c.expected) << c.content;
}

TEST(LoadSettings, UndoCountIsHeldBetweenOneAndFiveHundred) {
  const struct {
    const char* text;
    int expected;
  } cases[] = {
      {"0", 50},  {"-5", 50},   {"abc", 50},  {"", 50},     {"1", 1},
      {"20", 20}, {"500", 500}, {"501", 500}, {"800", 500}, {"99999999999", 500},
  };
  for (const auto& c : cases) {
    const std::string content = std::string("[运行设置]\r\n撤销设置=") + c.text + "\r\n";
    EXPECT_EQ(SettingsFromProfile(content).撤销设置, c.expected) << c.text;
  }
}

TEST(LoadSettings, KeyWithTrailingSpace) {
  // The file spells the key with its space; white space around names does
  // not count when keys are matched, as with the Windows functions.
  EXPECT_TRUE(SettingsFromProfile("[其他设置]\r\n按esc退出 =真\r\n").按esc退出);
  EXPECT_TRUE(SettingsFromProfile("[其他设置]\r\n按esc退出=真\r\n").按esc退出);
  EXPECT_FALSE(SettingsFromProfile("[运行设置]\r\n按esc退出 =真\r\n").按esc退出);
  EXPECT_FALSE(SettingsFromProfile("[其他设置]\r\n按esc=真\r\n").按esc退出);
}

TEST(LoadSettings, KeyboardOpenKeysOfTheTwoSectionsAreApart) {
  const Settings s = SettingsFromProfile("[键盘窗口设置]\r\n键盘开启=真\r\n");
  EXPECT_FALSE(s.键盘开启);
  EXPECT_TRUE(SettingsFromProfile("[运行设置]\r\n键盘开启=真\r\n").键盘开启);
}

}  // namespace
}  // namespace tl::settings
