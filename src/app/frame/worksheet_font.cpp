#include "app/frame/worksheet_font.h"

#include <commdlg.h>

#include <cstdint>
#include <string>

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

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

// Whether a font family of this name is installed.
bool IsInstalled(HDC dc, const wchar_t* face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
  bool found = false;
  EnumFontFamiliesExW(dc, &wanted, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

// The face the font dialog opens on: the stored one when it is installed,
// else the family the system draws the sheet with in its place. A missing
// font would otherwise leave the dialog on no face, or on the first of its
// list (a vertical "@" face, say).
std::wstring DialogFace(const LOGFONTW& font) {
  std::wstring face = font.lfFaceName;
  HDC dc = GetDC(nullptr);
  if (!dc) return face;
  if (!IsInstalled(dc, face.c_str())) {
    HFONT handle = CreateFontIndirectW(&font);
    HGDIOBJ old = SelectObject(dc, handle);
    if (const UINT size = GetOutlineTextMetricsW(dc, 0, nullptr); size > 0) {
      std::wstring metrics(size / sizeof(wchar_t) + 1, L'\0');
      auto* outline = reinterpret_cast<OUTLINETEXTMETRICW*>(metrics.data());
      if (GetOutlineTextMetricsW(dc, size, outline)) {
        const auto* family = reinterpret_cast<const wchar_t*>(
            reinterpret_cast<const char*>(outline) +
            reinterpret_cast<std::uintptr_t>(outline->otmpFamilyName));
        if (IsInstalled(dc, family)) face = family;
      }
    }
    SelectObject(dc, old);
    DeleteObject(handle);
  }
  ReleaseDC(nullptr, dc);
  return face;
}

}  // namespace

HFONT CreateWorksheetFont(const settings::Settings& settings, int dpi) {
  LOGFONTW font = LogFontOf(settings, dpi);
  return CreateFontIndirectW(&font);
}

bool ChooseWorksheetFont(HWND owner, settings::Settings& settings, int dpi) {
  LOGFONTW font = LogFontOf(settings, dpi);
  lstrcpynW(font.lfFaceName, DialogFace(font).c_str(), LF_FACESIZE);
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
