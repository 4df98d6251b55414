#pragma once
// The written part of the help: its paragraphs and examples, and what the
// help says about each operator and function. sheet/tools/help_text.cpp puts them
// together with the lists it makes from the program's tables.
#include <span>
#include <string_view>

#include "sheet/tools/help_text.h"

namespace tl::sheet::help {

// A line of prose (none when empty) and the examples shown below it.
struct Paragraph {
  std::string_view text;
  std::span<const HelpExample> examples = {};
};

struct Section {
  std::string_view title;
  std::span<const Paragraph> paragraphs;
};

// One operator or function: how it is written, what it does, an example.
struct Entry {
  std::string_view name;     // the engine's name; for the binary operators the typed sign
  std::string_view written;  // how the help writes it, when not as `name`
  std::string_view meaning;
  HelpExample example;
};

// The sections before the lists, those between the lists and those after.
std::span<const Section> IntroSections();
std::span<const Section> NumberSections();
std::span<const Section> ClosingSections();

std::span<const Paragraph> OperatorIntro();
std::span<const Paragraph> FunctionIntro();
std::span<const Paragraph> RewriteIntro();
std::span<const Paragraph> KeyboardIntro();

// The binary operators, which the engine keeps in no table.
std::span<const Entry> BinaryOperators();
// What the help says about an entry of the engine's function table; null for
// a name it has nothing on.
const Entry* FunctionEntry(std::string_view engineName);

}  // namespace tl::sheet::help
