#pragma once
// The contract every EditBox satisfies, as a typed test suite. A box type is
// checked by instantiating the suite with a factory:
//
//   struct MyBoxFactory {
//     static std::unique_ptr<tl::sheet::EditBox> Make();  // an empty box
//   };
//   INSTANTIATE_TYPED_TEST_SUITE_P(My, EditBoxContract, ::testing::Types<MyBoxFactory>);
//
// Texts are GBK bytes; "×" is A1 C1, "∟" is A8 4E (its second byte is "N").
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sheet/seams/edit_box.h"

namespace tl::sheet {

// What the handler saw at each content-changed notification.
struct Seen {
  std::string text;
  std::size_t caret;
  std::size_t selection;
};

template <class Factory>
class EditBoxContract : public ::testing::Test {
 protected:
  void SetUp() override {
    box_ = Factory::Make();
    box_->SetContentChangedHandler([this] {
      seen_.push_back({std::string(box_->Text()), box_->Caret(), box_->SelectionLength()});
    });
  }
  // Sets the text and forgets its notification.
  void Load(std::string_view text) {
    box_->SetText(text);
    seen_.clear();
  }
  EditBox& Box() { return *box_; }

  std::unique_ptr<EditBox> box_;
  std::vector<Seen> seen_;
};

TYPED_TEST_SUITE_P(EditBoxContract);

TYPED_TEST_P(EditBoxContract, SetTextResetsCaretAndNotifiesOnceAfterTheChange) {
  this->Load("abc");
  this->Box().SetCaret(2);
  this->Box().SetSelectionLength(1);
  this->Box().SetText("1+2\r\n3");
  EXPECT_EQ(this->Box().Text(), "1+2\r\n3");
  EXPECT_EQ(this->Box().Caret(), 0u);
  EXPECT_EQ(this->Box().SelectionLength(), 0u);
  ASSERT_EQ(this->seen_.size(), 1u);
  EXPECT_EQ(this->seen_[0].text, "1+2\r\n3");
  EXPECT_EQ(this->seen_[0].caret, 0u);
}

TYPED_TEST_P(EditBoxContract, ReplaceSelectionLeavesTheCaretAfterTheInsertedText) {
  struct Case {
    std::string text;
    std::size_t caret;
    std::size_t selection;
    std::string inserted;
    std::string expected;
    std::size_t expectedCaret;
  };
  const Case cases[] = {
      {"1+2", 3, 0, "=3", "1+2=3", 5},   {"1+2\r\n4", 1, 1, "×", "1×2\r\n4", 3},
      {"1+2\r\n4", 3, 2, "", "1+24", 3}, {"", 0, 0, "\r\n", "\r\n", 2},
      {"abc", 0, 3, "x", "x", 1},
  };
  for (const Case& c : cases) {
    this->Load(c.text);
    this->Box().SetCaret(c.caret);
    this->Box().SetSelectionLength(c.selection);
    this->Box().ReplaceSelection(c.inserted);
    EXPECT_EQ(this->Box().Text(), c.expected) << c.text;
    EXPECT_EQ(this->Box().Caret(), c.expectedCaret) << c.text;
    EXPECT_EQ(this->Box().SelectionLength(), 0u) << c.text;
    ASSERT_EQ(this->seen_.size(), 1u) << c.text;
    EXPECT_EQ(this->seen_[0].text, c.expected) << c.text;
    EXPECT_EQ(this->seen_[0].caret, c.expectedCaret) << c.text;
  }
}

TYPED_TEST_P(EditBoxContract, SetCaretKeepsTheSelectionLength) {
  this->Load("123456789");
  this->Box().SetSelectionLength(3);
  this->Box().SetCaret(4);
  EXPECT_EQ(this->Box().Caret(), 4u);
  EXPECT_EQ(this->Box().SelectionLength(), 3u);
  EXPECT_EQ(SelectedText(this->Box()), "567");
  // Near the end the selection ends with the text.
  this->Box().SetCaret(7);
  EXPECT_EQ(SelectedText(this->Box()), "89");
  this->Box().SetCaret(100);
  EXPECT_EQ(this->Box().Caret(), 9u);
  EXPECT_TRUE(this->seen_.empty());
}

TYPED_TEST_P(EditBoxContract, SelectionStartIsMovedOffASecondByte) {
  struct Case {
    std::string text;
    std::size_t requested;
    std::size_t expected;
  };
  const Case cases[] = {
      {"1\xA1\xC1"
       "2",
       2, 1},  // inside "×"
      {"1\xA8\x4E"
       "2",
       2, 1},                       // inside "∟", second byte "N"
      {"\xD6\xD0\xD6\xD0", 3, 2},   // a run of two-byte characters
      {"\xD6\xD0\xD6\xD0", 2, 2},   // already a first byte
      {"a\xA1\xC1\xA1\xC1", 4, 3},  // the second "×"
  };
  for (const Case& c : cases) {
    this->Load(c.text);
    this->Box().SetCaret(c.requested);
    EXPECT_EQ(this->Box().Caret(), c.expected) << c.requested;
  }
}

// A deterministic sequence of edits at spread-out places, checked against a
// plain string after each one: the text, slices and the byte searches.
TYPED_TEST_P(EditBoxContract, LocalAccessAgreesWithTheWholeText) {
  std::string model = "1+1\r\n2+2\r\n3+3\r\n";
  this->Load(model);
  std::uint32_t seed = 12345;
  auto next = [&seed](std::size_t bound) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<std::size_t>((seed >> 8) % (bound + 1));
  };
  const std::string inserts[] = {"=2", "\r\n", "", "x\r\ny", "==", "abc\r"};
  for (int step = 0; step < 300; ++step) {
    const std::size_t start = next(model.size());
    const std::size_t length = next(std::min<std::size_t>(4, model.size() - start));
    const std::string& inserted = inserts[next(5)];
    this->Box().SetCaret(start);
    this->Box().SetSelectionLength(length);
    this->Box().ReplaceSelection(inserted);
    model.replace(start, length, inserted);

    const std::size_t from = next(model.size());
    const std::size_t to = next(model.size());
    ASSERT_EQ(this->Box().Size(), model.size());
    ASSERT_EQ(this->Box().FindBytes("\r\n", from), model.find("\r\n", from)) << step;
    ASSERT_EQ(this->Box().FindBytes("=", from), model.find('=', from)) << step;
    const std::size_t rfind = to < 2 ? std::string::npos : model.rfind("\r\n", to - 2);
    ASSERT_EQ(this->Box().RFindBytes("\r\n", to), rfind) << step;
    ASSERT_EQ(this->Box().Slice(std::min(from, to), std::max(from, to)),
              model.substr(std::min(from, to), std::max(from, to) - std::min(from, to)))
        << step;
    if (step % 10 == 0) {
      ASSERT_EQ(this->Box().Text(), model) << step;
    }
  }
}

// The document's modified flag: set by every change, cleared only on request.
TYPED_TEST_P(EditBoxContract, EveryChangeSetsTheModifiedFlag) {
  EditBox& box = this->Box();
  this->Load("1+1");
  EXPECT_TRUE(box.Modified());
  box.SetModified(false);
  box.SetCaret(1);
  box.SetSelectionLength(1);
  EXPECT_FALSE(box.Modified());
  box.ReplaceSelection("-");
  EXPECT_TRUE(box.Modified());
  box.SetModified(false);
  box.SetText("2");
  EXPECT_TRUE(box.Modified());
}

REGISTER_TYPED_TEST_SUITE_P(EditBoxContract, SetTextResetsCaretAndNotifiesOnceAfterTheChange,
                            ReplaceSelectionLeavesTheCaretAfterTheInsertedText,
                            SetCaretKeepsTheSelectionLength, SelectionStartIsMovedOffASecondByte,
                            LocalAccessAgreesWithTheWholeText, EveryChangeSetsTheModifiedFlag);

}  // namespace tl::sheet
