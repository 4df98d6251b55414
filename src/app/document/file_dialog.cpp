#include "app/document/file_dialog.h"

#include <commdlg.h>

#include <string>

namespace tl::app {

namespace {

// Room for the longest path Windows takes.
constexpr DWORD kPathRoom = 32768;

const wchar_t* TitleOf(sheet::FileDialogKind kind) {
  switch (kind) {
    case sheet::FileDialogKind::Open:
      return L"打开：";
    case sheet::FileDialogKind::Save:
      return L"保存：";
    case sheet::FileDialogKind::SaveAs:
      return L"另存为：";
  }
  return L"";
}

}  // namespace

// Open asks for a file that exists; the save dialogs ask before they let an
// existing file be replaced. Both start in the current file's folder.
std::optional<std::filesystem::path> WinFileDialog::Choose(sheet::FileDialogKind kind,
                                                           const std::filesystem::path& suggested) {
  static constexpr wchar_t kFilter[] = L"文本文件(*.txt)\0*.txt\0";
  const bool open = kind == sheet::FileDialogKind::Open;
  std::wstring file(kPathRoom, L'\0');
  if (!open) suggested.filename().wstring().copy(file.data(), kPathRoom - 1);
  const std::wstring folder = suggested.parent_path().wstring();
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner_;
  dialog.lpstrFilter = kFilter;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = kPathRoom;
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrTitle = TitleOf(kind);
  dialog.lpstrDefExt = L"txt";
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR |
                 (open ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
  const BOOL confirmed = open ? GetOpenFileNameW(&dialog) : GetSaveFileNameW(&dialog);
  if (!confirmed) return std::nullopt;
  return std::filesystem::path(file.c_str());
}

}  // namespace tl::app
