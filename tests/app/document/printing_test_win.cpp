// Printing drawn into an enhanced metafile standing in for a printer: what
// a page holds, in which font and where.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/document/printing.h"
#include "app/kit/win_text.h"

namespace tl::app {
namespace {

struct Drawn {
  std::wstring fontFace;
  LONG fontHeight = 0;
  std::vector<std::wstring> texts;
  std::vector<POINTL> places;
};

int CALLBACK Collect(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM lParam) {
  auto* drawn = reinterpret_cast<Drawn*>(lParam);
  if (record->iType == EMR_EXTCREATEFONTINDIRECTW) {
    const auto* font = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record);
    drawn->fontFace = font->elfw.elfLogFont.lfFaceName;
    drawn->fontHeight = font->elfw.elfLogFont.lfHeight;
  }
  if (record->iType == EMR_EXTTEXTOUTW) {
    const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
    const auto* chars = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) +
                                                         text->emrtext.offString);
    drawn->texts.emplace_back(chars, text->emrtext.nChars);
    drawn->places.push_back(text->emrtext.ptlReference);
  }
  return 1;
}

// Page `index` of `text` as a metafile on the screen's resolution records it.
Drawn DrawPage(std::string_view text, std::size_t index, std::size_t* pageCount) {
  HDC dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
  {
    const PrintLayout layout(dc, text);
    *pageCount = layout.PageCount();
    layout.DrawPage(dc, index);
  }
  HENHMETAFILE metafile = CloseEnhMetaFile(dc);
  Drawn drawn;
  EnumEnhMetaFile(nullptr, metafile, Collect, &drawn, nullptr);
  DeleteEnhMetaFile(metafile);
  return drawn;
}

TEST(Printing, PagesHoldTheWrappedLinesInSimSunAndTheirNumber) {
  std::string text;
  for (int i = 1; i <= 100; ++i) text += std::to_string(i) + "+1=" + std::to_string(i + 1) + "\r\n";
  const std::string longLine(400, '9');
  text = "总计：" + longLine + "\r\n" + text + "\r\n\r\n\r\n";
  std::size_t pages = 0;
  const Drawn first = DrawPage(text, 0, &pages);

  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(first.fontFace, L"宋体");
  EXPECT_EQ(first.fontHeight, -MulDiv(12, dpi, 72));  // 12 points, 16 pixels at 96 DPI

  // The long line wraps into pieces that start at the left margin, the
  // numbered lines follow one a line lower each, the page number closes.
  ASSERT_GE(first.texts.size(), 10u);
  std::wstring joined;
  std::size_t i = 0;
  for (; i < first.texts.size() && first.texts[i].find(L'+') == std::wstring::npos; ++i) {
    joined += first.texts[i];
    EXPECT_EQ(first.places[i].x, first.places[0].x);
  }
  EXPECT_GE(i, 2u) << "the long line did not wrap";
  EXPECT_EQ(joined, Wide("总计：" + longLine));
  EXPECT_EQ(first.texts[i], L"1+1=2");
  for (std::size_t k = 1; k < first.texts.size(); ++k)
    EXPECT_GT(first.places[k].y, first.places[k - 1].y) << k;
  EXPECT_EQ(first.texts.back(), L"第 1 页，共 " + std::to_wstring(pages) + L" 页");

  // The last page ends with the last line: the empty lines after it are left out.
  const Drawn last = DrawPage(text, pages - 1, &pages);
  ASSERT_GE(last.texts.size(), 2u);
  EXPECT_EQ(last.texts[last.texts.size() - 2], L"100+1=101");
  EXPECT_GE(pages, 3u);
}

}  // namespace
}  // namespace tl::app
