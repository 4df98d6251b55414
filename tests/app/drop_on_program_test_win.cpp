// A drag from this process onto the real program's window: OLE delivers the
// drop to the target the program registered when it started.
#include <gtest/gtest.h>

#include <ole2.h>
#include <shlobj.h>

#include <cstring>
#include <fstream>

#include "app/program_process_win.h"

namespace tl::app::testing {
namespace {

namespace fs = std::filesystem;

// Lets go of the drag at once: the drop happens over whatever window is
// under the cursor.
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

// Drags `bytes` as clipboard format `format` onto the middle of `window`.
DWORD DragOnto(HWND window, UINT format, const void* bytes, std::size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(memory), bytes, size);
  GlobalUnlock(memory);
  OpenClipboard(nullptr);
  EmptyClipboard();
  SetClipboardData(format, memory);
  CloseClipboard();
  IDataObject* data = nullptr;
  if (FAILED(OleGetClipboard(&data))) return DROPEFFECT_NONE;
  RECT r;
  GetWindowRect(window, &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  DropAtOnce source;
  DWORD effect = DROPEFFECT_NONE;
  DoDragDrop(data, &source, DROPEFFECT_COPY, &effect);
  data->Release();
  return effect;
}

std::vector<char> FileList(const std::wstring& file) {
  std::vector<char> block(sizeof(DROPFILES));
  auto* header = reinterpret_cast<DROPFILES*>(block.data());
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  const auto* bytes = reinterpret_cast<const char*>(file.c_str());
  block.insert(block.end(), bytes, bytes + (file.size() + 1) * sizeof(wchar_t));
  block.insert(block.end(), sizeof(wchar_t), '\0');
  return block;
}

bool WaitForText(const ProgramProcess& program, std::wstring_view start) {
  for (int i = 0; i < 100; ++i, Sleep(50))
    if (program.EditText().starts_with(start)) return true;
  return false;
}

TEST(DropOnProgram, AFileOpensAndTextReplacesTheSheet) {
  ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
  ProgramFolder folder;
  folder.WriteConfiguration("[运行设置]\r\n退出设置=1\r\n动态刷新=假\r\n");
  const fs::path file = folder.Executable().parent_path() / L"拖入.txt";
  std::ofstream(file, std::ios::binary) << "6*7=42\r\n";
  ProgramProcess program(folder);
  ASSERT_NE(program.MainWindow(), nullptr);

  const std::vector<char> files = FileList(file.wstring());
  EXPECT_EQ(DragOnto(program.EditBox(), CF_HDROP, files.data(), files.size()),
            static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_TRUE(WaitForText(program, L"6*7=42\r\n"));
  EXPECT_EQ(program.Title(), L"Tallyline - " + file.wstring());

  const wchar_t text[] = L"1+1\r\n2+2";
  DragOnto(program.EditBox(), CF_UNICODETEXT, text, sizeof text);
  EXPECT_TRUE(WaitForText(program, L"1+1\r\n2+2"));
  EXPECT_EQ(program.Title(), L"Tallyline - " + file.wstring());
  EXPECT_TRUE(program.Close());
  OleUninitialize();
}

}  // namespace
}  // namespace tl::app::testing
