#pragma once
// How the worksheet text goes onto printed pages: margins on the paper, the
// lines wrapped to the width between them, as many lines a page as fit, and
// the page number below them. Sizes are in the printer's pixels; the widths
// of characters come from the caller, who measures them in the printer's
// font.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tl::sheet {

// The paper as a printer describes it, in its pixels.
struct Paper {
  int width = 0;  // the whole sheet; 0 when unknown (the printable area is the page)
  int height = 0;
  int offsetX = 0;  // where the printable area starts on the sheet
  int offsetY = 0;
  int printableWidth = 0;
  int printableHeight = 0;
  int dpiX = 96;
  int dpiY = 96;
};

// Places on the page, in the printable area's pixels.
struct PageFrame {
  int left = 0;  // the text: from the top left, lines of `lineHeight`
  int top = 0;
  int right = 0;
  int bottom = 0;
  int numberTop = 0;  // the line of the page number, centred between left and right
  int lineHeight = 1;
};

// Margins of 2 cm from the paper's edges, or the printable area's own edge
// where that lies further in.
PageFrame FrameOf(const Paper& paper, int lineHeight);

using PrintedPage = std::vector<std::string>;
// The width of one character (GBK) in the printer's font.
using CharacterWidth = std::function<int(std::string_view character)>;

// The text's lines split at every line break, tabs made spaces up to the
// next of every eighth column, each line wrapped between characters where it
// would pass the frame's right edge, in pages of as many lines as the frame
// holds (at least one). Empty lines at the end are left out; there is always
// one page.
std::vector<PrintedPage> LayOutPages(std::string_view text, const PageFrame& frame,
                                     const CharacterWidth& widthOf);

// "第 2 页，共 5 页".
std::string PageNumberText(std::size_t number, std::size_t count);

}  // namespace tl::sheet
