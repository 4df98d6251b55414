// Drops: a drag from this process onto the running program, through the
// target it registered when it started, and the target's refusals.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstring>
#include <fstream>

#include "app/document/drop_target.h"
#include "app/program_process_win.h"

namespace tl::app::testing {
namespace {

// Puts `bytes` on the clipboard as `format`; OLE's data object of the
// clipboard is then what is dragged.
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

// A DROPFILES block naming `file` and one more.
std::vector<char> FileList(const std::wstring& file) {
  std::vector<char> block(sizeof(DROPFILES));
  auto* header = reinterpret_cast<DROPFILES*>(block.data());
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  for (const std::wstring& name : {file, std::wstring(L"C:\\second.txt")}) {
    const auto* bytes = reinterpret_cast<const char*>(name.c_str());
    block.insert(block.end(), bytes, bytes + (name.size() + 1) * sizeof(wchar_t));
  }
  block.insert(block.end(), sizeof(wchar_t), '\0');
  return block;
}

// Lets go of the drag at once, over the window under the cursor.
class DropAtOnce final : public IDropSource {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    *object = id == IID_IUnknown || id == IID_IDropSource ? this : nullptr;
    return *object ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL, DWORD) override {
    return ++asked_ > 2 ? DRAGDROP_S_DROP : S_OK;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

 private:
  int asked_ = 0;
};

DWORD DragOnto(HWND window, IDataObject* data) {
  RECT r;
  GetWindowRect(window, &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  DropAtOnce source;
  DWORD effect = DROPEFFECT_NONE;
  DoDragDrop(data, &source, DROPEFFECT_COPY, &effect);
  data->Release();
  return effect;
}

bool WaitForText(const ProgramProcess& program, std::wstring_view start) {
  for (int i = 0; i < 100; ++i, Sleep(50))
    if (program.EditText().starts_with(start)) return true;
  return false;
}

class DropTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
  void TearDown() override { OleUninitialize(); }
};

TEST_F(DropTest, TheFirstFileOpensAndTextReplacesTheSheet) {
  ProgramFolder folder;
  folder.WriteConfiguration("[运行设置]\r\n退出设置=1\r\n动态刷新=假\r\n");
  const std::filesystem::path file = folder.Executable().parent_path() / L"拖入.txt";
  std::ofstream(file, std::ios::binary) << "6*7=42\r\n";
  ProgramProcess program(folder);
  ASSERT_NE(program.MainWindow(), nullptr);

  const std::vector<char> files = FileList(file.wstring());
  EXPECT_EQ(DragOnto(program.EditBox(), ClipboardWith(CF_HDROP, files.data(), files.size())),
            static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_TRUE(WaitForText(program, L"6*7=42\r\n"));
  EXPECT_EQ(program.Title(), L"Tallyline - " + file.wstring());

  const wchar_t text[] = L"1+1\r\n2+2";
  DragOnto(program.EditBox(), ClipboardWith(CF_UNICODETEXT, text, sizeof text));
  EXPECT_TRUE(WaitForText(program, L"1+1\r\n2+2"));
  EXPECT_EQ(program.Title(), L"Tallyline - " + file.wstring());
  EXPECT_TRUE(program.Close());
}

// Data that is neither files nor text, and any drop while a modal window
// has the window disabled, are refused.
TEST_F(DropTest, TheTargetRefusesOtherDataAndDropsUnderAModalWindow) {
  const char other[] = "neither files nor text";
  const wchar_t text[] = L"1+1";
  struct Case {
    UINT format;
    const void* bytes;
    std::size_t size;
    bool enabled;
  };
  for (const Case c :
       {Case{CF_DIF, other, sizeof other, true}, Case{CF_UNICODETEXT, text, sizeof text, false}}) {
    IDataObject* data = ClipboardWith(c.format, c.bytes, c.size);
    HWND window =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    EnableWindow(window, c.enabled);
    auto* target = new DropTarget(window, WM_APP);
    DWORD effect = DROPEFFECT_COPY;
    target->DragEnter(data, MK_LBUTTON, {1, 1}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_NONE)) << c.enabled;
    target->Drop(data, MK_LBUTTON, {1, 1}, &effect);
    MSG message;
    EXPECT_FALSE(PeekMessageW(&message, window, WM_APP, WM_APP, PM_REMOVE)) << c.enabled;
    target->Release();
    DestroyWindow(window);
    data->Release();
  }
}

}  // namespace
}  // namespace tl::app::testing
