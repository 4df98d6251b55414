#include "settings/key_table.h"

#include "settings/values.h"

namespace tl::settings {

namespace {
template <typename... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <typename... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;  // clang does not deduce it for aggregates yet
}  // namespace

std::string FieldText(const Settings& settings, const KeyInfo& info) {
  return std::visit(
      Overloaded{
          [](std::monostate) { return std::string(); },
          [&](bool Settings::*field) { return BooleanText(settings.*field); },
          [&](int Settings::*field) { return DecimalText(settings.*field); },
          [&](std::int64_t Settings::*field) { return DecimalText(settings.*field); },
          [&](std::uint32_t Settings::*field) { return DecimalText(settings.*field); },
          [&](std::string Settings::*field) { return settings.*field; },
          [&](int StartWindow::*field) { return DecimalText(settings._启动窗口.*field); },
      },
      info.field);
}

void SetField(Settings& settings, const KeyInfo& info, std::optional<std::string_view> stored) {
  const std::string_view text = stored ? *stored : info.defaultText;
  const auto integer = [&] {
    const int value = ReadInteger(text);
    return info.adjust ? info.adjust(value) : value;
  };
  std::visit(Overloaded{
                 [](std::monostate) {},
                 [&](bool Settings::*field) { settings.*field = ReadBoolean(text); },
                 [&](int Settings::*field) { settings.*field = integer(); },
                 [&](std::int64_t Settings::*field) { settings.*field = ReadCounter(text); },
                 [&](std::uint32_t Settings::*field) { settings.*field = ReadColour(text); },
                 [&](std::string Settings::*field) { settings.*field = text; },
                 [&](int StartWindow::*field) { settings._启动窗口.*field = integer(); },
             },
             info.field);
}

}  // namespace tl::settings
