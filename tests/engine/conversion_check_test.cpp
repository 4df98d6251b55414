#include "engine/conversion_check.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/front_test_helpers.h"
#include "engine/messages.h"
#include "engine/prepare.h"

namespace tl::engine {
namespace {

TEST(InspectShownResult, DetectsTheNextForm) {
  struct FormCase {
    std::string shown;  // the text after the last "=", as typed
    FractionForm next;
    std::size_t length;
  };
  const FormCase cases[] = {
      {"1.25", FractionForm::Fraction, 4},  // decimal -> fraction
      {"5∟4", FractionForm::Mixed, 4},      // fraction -> mixed number
      {"1∟1∟4", FractionForm::Decimal, 7},  // mixed number -> decimal
      {"3", FractionForm::Fraction, 1},     {"1,234.5", FractionForm::Fraction, 7},
      {"1;234", FractionForm::Fraction, 5}, {"-0.5", FractionForm::Fraction, 4},
      {"-1∟2", FractionForm::Mixed, 5},     {"∟∟", FractionForm::Decimal, 4},
  };
  for (const auto& c : cases) {
    const auto result = InspectShownResult(PrepareExpression(c.shown));
    ASSERT_TRUE(std::holds_alternative<ShownResult>(result)) << c.shown << MessageOf(result);
    EXPECT_EQ(std::get<ShownResult>(result).detected, c.next) << c.shown;
    EXPECT_EQ(std::get<ShownResult>(result).length, c.length) << c.shown;
  }
}

TEST(InspectShownResult, RefusesWhatIsNotAShownResult) {
  struct RefusalCase {
    std::string prepared;
    std::string_view message;
  };
  const RefusalCase cases[] = {
      {"1+2 ", msg::kComputeFirst},  // not computed yet
      {"1+2= ", msg::kComputeFirst},
      {"3+4 ", msg::kComputeFirst},
      {"1.5e+020 ", msg::kComputeFirst},
      {"5×10^3 ", msg::kComputeFirst},
      {"中 ", msg::kComputeFirst},
      {"\x81\x31 ", msg::kComputeFirst},  // a two-byte character with a digit second byte
      {"1\xA8", msg::kComputeFirst},      // a lone lead byte
      {"1∟2∟3∟4 ", msg::kFractionFormat},
      {"1∟2∟3∟4∟x ", msg::kComputeFirst},  // the character scan comes first
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MessageOf(InspectShownResult(c.prepared)), c.message) << c.prepared;
  }
}

TEST(CheckShownResult, PreparesTheTypedTextFirst) {
  struct CheckCase {
    std::string shown;
    Status status;
    std::string text;
    FractionForm next;
  };
  const CheckCase cases[] = {
      {" \xA1\xA1 ", Status::Empty, "", FractionForm::Decimal},  // spaces, the ideographic one too
      {"１∟２", Status::Result, "", FractionForm::Mixed},
      {"1+2", Status::Message, std::string(msg::kComputeFirst), FractionForm::Decimal},
  };
  for (const auto& c : cases) {
    const ShownResultCheck check = CheckShownResult(c.shown);
    EXPECT_EQ(check.status, c.status) << c.shown;
    EXPECT_EQ(check.text, c.text) << c.shown;
    EXPECT_EQ(check.next, c.next) << c.shown;
  }
}

}  // namespace
}  // namespace tl::engine
