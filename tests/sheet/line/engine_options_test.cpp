#include "sheet/line/engine_options.h"

#include <gtest/gtest.h>

namespace tl::sheet {
namespace {

using engine::AngleMode;
using engine::FractionForm;
using engine::ThousandsSeparator;

TEST(EngineOptions, StoredIntegersBecomeNamedValues) {
  struct Case {
    int stored;  // the same integer in all three settings
    FractionForm fractionForm;
    AngleMode angleMode;
    ThousandsSeparator separator;
  } const cases[] = {
      {0, FractionForm::Decimal, AngleMode::Gradians, ThousandsSeparator::None},
      {1, FractionForm::Fraction, AngleMode::Degrees, ThousandsSeparator::Semicolon},
      {2, FractionForm::Mixed, AngleMode::Radians, ThousandsSeparator::Comma},
      {3, FractionForm::Decimal, AngleMode::Gradians, ThousandsSeparator::None},
  };
  for (const Case& c : cases) {
    settings::Settings stored;
    stored.分数类型 = c.stored;
    stored.角度制选中 = c.stored;
    stored.逗号千分割 = c.stored;
    const engine::Options options = EngineOptionsFrom(stored);
    EXPECT_EQ(options.fractionForm, c.fractionForm) << c.stored;
    EXPECT_EQ(options.angleMode, c.angleMode) << c.stored;
    EXPECT_EQ(options.thousandsSeparator, c.separator) << c.stored;
  }
}

}  // namespace
}  // namespace tl::sheet
