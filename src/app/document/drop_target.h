#pragma once
// The main window as an OLE drop target for files and text. A drop only
// copies what was dropped and posts `message` to the window: the window then
// opens it (perhaps asking to save first) after the drag has ended, so that
// the program the drag came from is not held up by our questions.
#include <windows.h>

#include <ole2.h>

#include <filesystem>
#include <optional>
#include <string>

namespace tl::app {

struct Dropped {
  std::optional<std::filesystem::path> file;  // the first of the files dropped
  std::optional<std::string> text;            // GBK
};

class DropTarget final : public IDropTarget {
 public:
  DropTarget(HWND window, UINT message) : window_(window), message_(message) {}

  // What the last drop brought, once.
  Dropped Take();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                      DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point,
                                 DWORD* effect) override;

 private:
  ~DropTarget() = default;  // through Release only

  HWND window_;
  UINT message_;
  ULONG references_ = 1;
  bool accepting_ = false;  // the data being dragged is something we take
  Dropped dropped_;
};

// Registers `window` as a drop target posting `message`; null when OLE
// could not take it. RevokeDropTarget undoes it.
DropTarget* RegisterDropTarget(HWND window, UINT message);
void RevokeDropTarget(HWND window, DropTarget* target);

}  // namespace tl::app
