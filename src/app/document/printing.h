#pragma once
// "&P.打印": the system print dialog, then every page of the worksheet text
// in 宋体 at about 12 points on the printer, with its number.
#include <windows.h>

#include <string_view>
#include <vector>

#include "sheet/document/print_layout.h"
#include "sheet/seams/host.h"

namespace tl::app {

// What a device context prints of a text: its font, the frame and the pages.
class PrintLayout {
 public:
  PrintLayout(HDC dc, std::string_view text);
  ~PrintLayout();
  PrintLayout(const PrintLayout&) = delete;
  PrintLayout& operator=(const PrintLayout&) = delete;

  std::size_t PageCount() const { return pages_.size(); }
  // Draws page `index` (0-based) with its number on `dc`.
  void DrawPage(HDC dc, std::size_t index) const;

 private:
  HFONT font_ = nullptr;
  sheet::PageFrame frame_;
  std::vector<sheet::PrintedPage> pages_;
};

// Prints `text` as the document `title` after the print dialog owned by
// `owner`. With no printer installed, or when the job fails, a message says
// so; a cancelled dialog does nothing.
void PrintWorksheet(HWND owner, sheet::Host& host, std::string_view text,
                    const std::wstring& title);

}  // namespace tl::app
