#include "app/document/printing.h"

#include <cderr.h>
#include <commdlg.h>
#include <winspool.h>

#include <map>

#include "app/kit/win_text.h"

namespace tl::app {

namespace {

constexpr int kPoints = 12;  // the worksheet's 16 pixels at 96 DPI
constexpr std::string_view kNoPrinter =
    "没有安装打印机，无法打印。\r\n请先在系统中添加一台打印机。";

HFONT CreatePrinterFont(HDC dc) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(kPoints, GetDeviceCaps(dc, LOGPIXELSY), 72);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = GB2312_CHARSET;
  lstrcpyW(font.lfFaceName, L"宋体");
  return CreateFontIndirectW(&font);
}

sheet::Paper PaperOf(HDC dc) {
  return {GetDeviceCaps(dc, PHYSICALWIDTH),   GetDeviceCaps(dc, PHYSICALHEIGHT),
          GetDeviceCaps(dc, PHYSICALOFFSETX), GetDeviceCaps(dc, PHYSICALOFFSETY),
          GetDeviceCaps(dc, HORZRES),         GetDeviceCaps(dc, VERTRES),
          GetDeviceCaps(dc, LOGPIXELSX),      GetDeviceCaps(dc, LOGPIXELSY)};
}

void TextAt(HDC dc, int x, int y, std::string_view gbk) {
  const std::wstring wide = Wide(gbk);
  TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

int TextWidth(HDC dc, const std::wstring& wide) {
  SIZE size{};
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  return size.cx;
}

void ShowPrintFailure(sheet::Host& host, std::string_view text) {
  sheet::MessageBoxRequest request;
  request.text = text;
  request.title = "打印";
  request.icon = text == kNoPrinter ? sheet::MessageBoxIcon::Warning : sheet::MessageBoxIcon::Error;
  host.ShowMessageBox(request);
}

// The document on the printer, page by page; false when the printer refused.
bool RunJob(HDC dc, std::string_view text, const std::wstring& title) {
  const PrintLayout layout(dc, text);
  DOCINFOW document{};
  document.cbSize = sizeof document;
  document.lpszDocName = title.c_str();
  if (StartDocW(dc, &document) <= 0) return false;
  for (std::size_t page = 0; page < layout.PageCount(); ++page) {
    if (StartPage(dc) <= 0) {
      AbortDoc(dc);
      return false;
    }
    layout.DrawPage(dc, page);
    if (EndPage(dc) <= 0) {
      AbortDoc(dc);
      return false;
    }
  }
  return EndDoc(dc) > 0;
}

// Whether the system knows any printer: without one the print dialog has
// nothing to offer (and some systems show a warning of their own).
bool PrinterInstalled() {
  DWORD needed = 0;
  DWORD count = 0;
  EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed,
                &count);
  return needed > 0;
}

}  // namespace

PrintLayout::PrintLayout(HDC dc, std::string_view text) : font_(CreatePrinterFont(dc)) {
  const HGDIOBJ old = SelectObject(dc, font_);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  frame_ = sheet::FrameOf(PaperOf(dc), metrics.tmHeight + metrics.tmExternalLeading);
  std::map<std::string, int, std::less<>> widths;  // each character is measured once
  pages_ = sheet::LayOutPages(text, frame_, [&](std::string_view character) {
    auto known = widths.find(character);
    if (known == widths.end())
      known = widths.emplace(std::string(character), TextWidth(dc, Wide(character))).first;
    return known->second;
  });
  SelectObject(dc, old);
}

PrintLayout::~PrintLayout() {
  DeleteObject(font_);
}

void PrintLayout::DrawPage(HDC dc, std::size_t index) const {
  const HGDIOBJ old = SelectObject(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  int y = frame_.top;
  for (const std::string& line : pages_[index]) {
    TextAt(dc, frame_.left, y, line);
    y += frame_.lineHeight;
  }
  const std::string number = sheet::PageNumberText(index + 1, pages_.size());
  const int width = TextWidth(dc, Wide(number));
  TextAt(dc, (frame_.left + frame_.right - width) / 2, frame_.numberTop, number);
  SelectObject(dc, old);
}

void PrintWorksheet(HWND owner, sheet::Host& host, std::string_view text,
                    const std::wstring& title) {
  if (!PrinterInstalled()) {
    ShowPrintFailure(host, kNoPrinter);
    return;
  }
  PRINTDLGW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.Flags =
      PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOWARNING;
  if (!PrintDlgW(&dialog)) {
    const DWORD error = CommDlgExtendedError();
    if (error == PDERR_NODEFAULTPRN || error == PDERR_PRINTERNOTFOUND || error == PDERR_NODEVICES) {
      ShowPrintFailure(host, kNoPrinter);
    } else if (error != 0) {
      ShowPrintFailure(host, "打印失败！\r\n打印对话框出错（" + std::to_string(error) + "）。");
    }
  } else {
    if (!RunJob(dialog.hDC, text, title))
      ShowPrintFailure(host, "打印失败！\r\n打印机拒绝了这项打印任务。");
    DeleteDC(dialog.hDC);
  }
  if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
}

}  // namespace tl::app
