#include "app/document/drop_target.h"

#include <shellapi.h>

#include <utility>

#include "app/kit/win_text.h"

namespace tl::app {

namespace {

FORMATETC Format(CLIPFORMAT format) {
  return {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

bool Offers(IDataObject* data, CLIPFORMAT format) {
  FORMATETC wanted = Format(format);
  return data && data->QueryGetData(&wanted) == S_OK;
}

std::optional<std::filesystem::path> FirstFile(HGLOBAL memory) {
  auto drop = static_cast<HDROP>(memory);
  if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) == 0) return std::nullopt;
  std::wstring name(DragQueryFileW(drop, 0, nullptr, 0) + 1, L'\0');
  DragQueryFileW(drop, 0, name.data(), static_cast<UINT>(name.size()));
  return std::filesystem::path(name.c_str());
}

// The text of CF_UNICODETEXT, or of CF_TEXT in the system's code page.
std::string TextOf(HGLOBAL memory, bool unicode) {
  const void* locked = GlobalLock(memory);
  if (!locked) return {};
  std::wstring wide;
  if (unicode) {
    wide = static_cast<const wchar_t*>(locked);
  } else {
    const auto* narrow = static_cast<const char*>(locked);
    wide.resize(MultiByteToWideChar(CP_ACP, 0, narrow, -1, nullptr, 0));
    MultiByteToWideChar(CP_ACP, 0, narrow, -1, wide.data(), static_cast<int>(wide.size()));
    wide = wide.c_str();
  }
  GlobalUnlock(memory);
  return Gbk(wide);
}

// What `data` holds that we take: files first, then text.
Dropped Read(IDataObject* data) {
  Dropped dropped;
  for (const CLIPFORMAT format :
       {CLIPFORMAT{CF_HDROP}, CLIPFORMAT{CF_UNICODETEXT}, CLIPFORMAT{CF_TEXT}}) {
    FORMATETC wanted = Format(format);
    STGMEDIUM medium{};
    if (data->GetData(&wanted, &medium) != S_OK) continue;
    if (format == CF_HDROP) {
      dropped.file = FirstFile(medium.hGlobal);
    } else if (std::string text = TextOf(medium.hGlobal, format == CF_UNICODETEXT); !text.empty()) {
      dropped.text = std::move(text);
    }
    ReleaseStgMedium(&medium);
    if (dropped.file || dropped.text) break;
  }
  return dropped;
}

}  // namespace

Dropped DropTarget::Take() {
  return std::exchange(dropped_, {});
}

HRESULT DropTarget::QueryInterface(REFIID id, void** object) {
  if (id == IID_IUnknown || id == IID_IDropTarget) {
    *object = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG DropTarget::AddRef() {
  return ++references_;
}

ULONG DropTarget::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT DropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  // Nothing is taken while a modal window (a question, a file dialog) has
  // the window disabled: the drop would replace the sheet under it.
  accepting_ = IsWindowEnabled(window_) &&
               (Offers(data, CF_HDROP) || Offers(data, CF_UNICODETEXT) || Offers(data, CF_TEXT));
  *effect = accepting_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  return S_OK;
}

HRESULT DropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
  *effect = accepting_ ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  return S_OK;
}

HRESULT DropTarget::DragLeave() {
  accepting_ = false;
  return S_OK;
}

HRESULT DropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  const bool accepting = std::exchange(accepting_, false);
  dropped_ = accepting ? Read(data) : Dropped{};
  const bool taken = dropped_.file || dropped_.text;
  *effect = taken ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  if (taken) PostMessageW(window_, message_, 0, 0);
  return S_OK;
}

DropTarget* RegisterDropTarget(HWND window, UINT message) {
  if (FAILED(OleInitialize(nullptr))) return nullptr;
  auto* target = new DropTarget(window, message);
  if (SUCCEEDED(RegisterDragDrop(window, target))) return target;
  target->Release();
  OleUninitialize();
  return nullptr;
}

void RevokeDropTarget(HWND window, DropTarget* target) {
  if (!target) return;
  RevokeDragDrop(window);
  target->Release();
  OleUninitialize();
}

}  // namespace tl::app
