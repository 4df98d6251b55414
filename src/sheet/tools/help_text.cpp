#include "sheet/tools/help_text.h"

#include <span>

#include "engine/engine.h"
#include "settings/settings.h"
#include "sheet/seams/command.h"
#include "sheet/tools/help_content.h"
#include "sheet/worksheet/input_rewrites.h"

namespace tl::sheet {

namespace {

using help::Entry;
using help::Paragraph;
using help::Section;

constexpr std::string_view kBreak = "\r\n";

// The caption as the menu shows it, without its access key: "&N.新建" is 新建.
std::string_view Shown(std::string_view caption) {
  if (caption.size() > 3 && caption[0] == '&' && caption[2] == '.') return caption.substr(3);
  return caption;
}

char AccessKey(std::string_view caption) {
  const char key = caption.size() > 1 ? caption[1] : ' ';
  return key >= 'a' && key <= 'z' ? static_cast<char>(key - 'a' + 'A') : key;
}

// The operators are the entries whose name is a sign; the rest are functions.
bool IsOperator(const engine::FunctionName& function) {
  const char first = function.name.front();
  return !(first >= 'a' && first <= 'z');
}

class Writer {
 public:
  void Line(std::string_view text = {}) {
    text_ += text;
    text_ += kBreak;
  }
  void Title(std::string_view title) {
    Line();
    Line(title);
  }
  void Example(const HelpExample& example) {
    std::string line = "    ";
    if (!example.settings.empty()) {
      line += "[";
      line += example.settings;
      line += "]  ";
    }
    line += ExampleText(example);
    Line(line);
    examples_.push_back(example);
  }
  void Paragraphs(std::span<const Paragraph> paragraphs) {
    for (const Paragraph& paragraph : paragraphs) {
      if (!paragraph.text.empty()) Line(paragraph.text);
      for (const HelpExample& example : paragraph.examples) Example(example);
    }
  }
  void Sections(std::span<const Section> sections) {
    for (const Section& section : sections) {
      Title(section.title);
      Paragraphs(section.paragraphs);
    }
  }
  void EntryRow(const Entry& entry) {
    std::string line = "  ";
    line += entry.written.empty() ? entry.name : entry.written;
    line += "\t";
    line += entry.meaning;
    line += "：";
    line += ExampleText(entry.example);
    Line(line);
    examples_.push_back(entry.example);
  }
  // A name the help has no entry for is still listed.
  void FunctionRow(const engine::FunctionName& function) {
    if (const Entry* entry = help::FunctionEntry(function.name))
      EntryRow(*entry);
    else
      Line(std::string("  ") + std::string(function.name));
  }
  void Rewrites(std::string_view heading, std::span<const RewriteRule> rules) {
    Line(heading);
    for (const RewriteRule& rule : rules) {
      std::string line = "  ";
      line += rule.typed;
      line += "\t→ ";
      line += rule.becomes;
      Line(line);
    }
  }
  const std::string& Text() const { return text_; }
  const std::vector<HelpExample>& Examples() const { return examples_; }

  static std::string ExampleText(const HelpExample& example) {
    std::string text;
    switch (example.action) {
      case ExampleAction::Enter:
        return std::string(example.shown);
      case ExampleAction::Refresh:
        text = example.line;
        text += "  按 F5 →  ";
        break;
      case ExampleAction::Type:
        text = "输入 ";
        text += example.line;
        text += "  →  ";
        break;
    }
    text += example.shown;
    return text;
  }

 private:
  std::string text_;
  std::vector<HelpExample> examples_;
};

void WriteOperators(Writer& writer) {
  writer.Title("四、运算符");
  writer.Paragraphs(help::OperatorIntro());
  for (const Entry& entry : help::BinaryOperators()) writer.EntryRow(entry);
  for (const engine::FunctionName& function : engine::FunctionNames())
    if (IsOperator(function)) writer.FunctionRow(function);
}

void WriteFunctions(Writer& writer) {
  writer.Title("五、函数");
  writer.Paragraphs(help::FunctionIntro());
  for (const engine::FunctionName& function : engine::FunctionNames())
    if (!IsOperator(function)) writer.FunctionRow(function);
}

void WriteRewrites(Writer& writer) {
  writer.Title("八、输入改写");
  writer.Paragraphs(help::RewriteIntro());
  writer.Rewrites("选项“按同一个字符时，自动替换对应的字符”打开时：", kDoubledKeys);
  writer.Rewrites("任何时候：", kTypingRules);
  writer.Rewrites("选项“笔记本”打开时（另外 = 写成 +，] 写成 ×，[ 写成 ÷）：", kNotebookKeys);
}

// Whether the row's key runs the row's command with 乘除替换 on or off: a
// key on two rows (Ctrl+E) runs one of them in each case.
bool RunsCommand(const CommandEntry& row) {
  for (const bool signs : {true, false}) {
    settings::Settings settings;
    settings.乘除替换 = signs;
    if (CommandByShortcut(row.shortcut, settings) == row.command) return true;
  }
  return false;
}

// Each menu of the menu bar with the shortcuts of its items.
void WriteShortcuts(Writer& writer) {
  writer.Title("九、快捷键");
  writer.Paragraphs(help::KeyboardIntro());
  for (const MenuEntry& menu : MenuTable()) {
    if (menu.parent || menu.caption.empty()) continue;
    std::string heading(Shown(menu.caption));
    heading += "菜单（Alt+";
    heading += AccessKey(menu.caption);
    heading += "）：";
    writer.Line(heading);
    for (const CommandEntry& row : CommandTable()) {
      if (row.menu != menu.menu || row.shortcut.key == 0 || !RunsCommand(row)) continue;
      std::string line = "  ";
      line += Shown(row.caption);
      line += "\t";
      line += ShortcutText(row.shortcut);
      writer.Line(line);
    }
  }
}

// The help as the writer makes it: the text and the examples it showed.
Writer WriteHelp() {
  Writer writer;
  writer.Line("Tallyline 帮助");
  writer.Sections(help::IntroSections());
  WriteOperators(writer);
  WriteFunctions(writer);
  writer.Sections(help::NumberSections());
  WriteRewrites(writer);
  WriteShortcuts(writer);
  writer.Sections(help::ClosingSections());
  return writer;
}

}  // namespace

std::vector<HelpExample> HelpExamples() {
  return WriteHelp().Examples();
}

std::string HelpText() {
  return WriteHelp().Text();
}

}  // namespace tl::sheet
