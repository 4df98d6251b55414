// The drop target takes files and text as a drag brings them: from a data
// object, here the one OLE makes of the clipboard.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>

#include "app/drop_target.h"

namespace tl::app {
namespace {

constexpr UINT kDropped = WM_APP + 1;

// Puts `bytes` on the clipboard as `format` and returns OLE's data object of
// the clipboard.
IDataObject* ClipboardWith(UINT format, const void* bytes, std::size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(memory), bytes, size);
  GlobalUnlock(memory);
  OpenClipboard(nullptr);
  EmptyClipboard();
  SetClipboardData(format, memory);
  CloseClipboard();
  IDataObject* data = nullptr;
  OleGetClipboard(&data);
  return data;
}

// A DROPFILES block listing `files`.
std::vector<char> FileList(std::initializer_list<std::wstring> files) {
  std::vector<char> block(sizeof(DROPFILES));
  auto* header = reinterpret_cast<DROPFILES*>(block.data());
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  for (const std::wstring& file : files) {
    const auto* bytes = reinterpret_cast<const char*>(file.c_str());
    block.insert(block.end(), bytes, bytes + (file.size() + 1) * sizeof(wchar_t));
  }
  block.insert(block.end(), sizeof(wchar_t), '\0');
  return block;
}

struct Outcome {
  DWORD enterEffect;
  DWORD dropEffect;
  bool posted;
  Dropped dropped;
};

// A drag of `data` entering and dropped on a window (disabled, as under a
// modal window, when `enabled` is false).
Outcome DragAndDrop(IDataObject* data, bool enabled = true) {
  HWND window =
      CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  EnableWindow(window, enabled);
  auto* target = new DropTarget(window, kDropped);
  Outcome outcome{};
  outcome.enterEffect = outcome.dropEffect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  target->DragEnter(data, MK_LBUTTON, {5, 5}, &outcome.enterEffect);
  target->Drop(data, MK_LBUTTON, {5, 5}, &outcome.dropEffect);
  MSG message;
  outcome.posted = PeekMessageW(&message, window, kDropped, kDropped, PM_REMOVE);
  outcome.dropped = target->Take();
  target->Release();
  DestroyWindow(window);
  data->Release();
  return outcome;
}

class DropTargetTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
  void TearDown() override { OleUninitialize(); }
};

TEST_F(DropTargetTest, TakesTheFirstFileOrTheTextAndRefusesTheRest) {
  const std::vector<char> files = FileList({L"C:\\甲.txt", L"C:\\b.txt"});
  const Outcome file = DragAndDrop(ClipboardWith(CF_HDROP, files.data(), files.size()));
  EXPECT_EQ(file.enterEffect, static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_TRUE(file.posted);
  ASSERT_TRUE(file.dropped.file.has_value());
  EXPECT_EQ(file.dropped.file->wstring(), L"C:\\甲.txt");
  EXPECT_FALSE(file.dropped.text.has_value());

  const wchar_t text[] = L"1×2\r\n";
  const Outcome typed = DragAndDrop(ClipboardWith(CF_UNICODETEXT, text, sizeof text));
  EXPECT_EQ(typed.dropEffect, static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_EQ(typed.dropped.text, std::optional<std::string>("1×2\r\n"));
  const Outcome underDialog = DragAndDrop(ClipboardWith(CF_UNICODETEXT, text, sizeof text), false);
  EXPECT_EQ(underDialog.dropEffect, static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_FALSE(underDialog.posted);

  const char picture[] = "not a file list nor text";
  const Outcome other = DragAndDrop(ClipboardWith(CF_DIF, picture, sizeof picture));
  EXPECT_EQ(other.enterEffect, static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(other.dropEffect, static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_FALSE(other.posted);
}

}  // namespace
}  // namespace tl::app
