#include "app/frame/worksheet_font.h"

#include <commdlg.h>

#include "app/kit/dpi.h"
#include "app/kit/win_text.h"

namespace tl::app {

namespace {

LOGFONTW LogFontOf(const settings::Settings& s, int dpi) {
  LOGFONTW font{};
  font.lfHeight = -MulDiv(s.字体大小 > 0 ? s.字体大小 : 1, dpi, 72);
  font.lfWeight = s.字体加粗 ? FW_BOLD : FW_NORMAL;
  font.lfItalic = s.字体倾斜;
  font.lfUnderline = s.字体下划线;
  font.lfStrikeOut = s.字体删除线;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = CLEARTYPE_QUALITY;
  lstrcpynW(font.lfFaceName, Wide(s.字体名称).c_str(), LF_FACESIZE);
  return font;
}

}  // namespace

HFONT CreateWorksheetFont(const settings::Settings& settings, int dpi) {
  LOGFONTW font = LogFontOf(settings, dpi);
  return CreateFontIndirectW(&font);
}

bool ChooseWorksheetFont(HWND owner, settings::Settings& settings, int dpi) {
  LOGFONTW font = LogFontOf(settings, dpi);
  CHOOSEFONTW choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = owner;
  choose.lpLogFont = &font;
  choose.rgbColors = settings.字体颜色;
  choose.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  if (!ChooseFontW(&choose)) return false;
  settings.字体名称 = Gbk(font.lfFaceName);
  settings.字体大小 = choose.iPointSize / 10;
  settings.字体加粗 = font.lfWeight >= FW_BOLD;
  settings.字体倾斜 = font.lfItalic != 0;
  settings.字体下划线 = font.lfUnderline != 0;
  settings.字体删除线 = font.lfStrikeOut != 0;
  settings.字体颜色 = choose.rgbColors;
  return true;
}

}  // namespace tl::app
