#include "tour/win32/sheet_painter.h"

#include "host/text.h"
#include "host/win32/convert.h"
#include "host/win32/dpi.h"
#include "host/win32/gdi.h"
#include "tour/win32/dib.h"

namespace tour::win32 {
namespace {

using host::win32::Selection;

COLORREF colourRefOf(RgbHex colour) {
  return RGB(redOf(colour), greenOf(colour), blueOf(colour));
}

}  // namespace

Picture GdiSheetPainter::label(const std::string& text, int width, int height, RgbHex background,
                               RgbHex ink) {
  Picture band(width, height, background);
  const Dib surface(width, height);
  if (!surface.ready()) return band;
  surface.fill(band);
  const host::win32::Font font = host::win32::messageFont(96);
  const Selection selected(surface.dc(), font.get());
  SetBkMode(surface.dc(), TRANSPARENT);
  SetTextColor(surface.dc(), colourRefOf(ink));
  RECT area{0, 0, width, height};
  const host::Text wideText = host::fromUtf8(text);
  DrawTextW(surface.dc(), host::win32::wide(wideText), static_cast<int>(wideText.size()), &area,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  return surface.picture();
}

Picture GdiSheetPainter::scaled(const Picture& picture, int width, int height) {
  const Dib from(picture.width(), picture.height());
  const Dib to(width, height);
  if (!from.ready() || !to.ready()) return Picture(width, height);
  from.fill(picture);
  SetStretchBltMode(to.dc(), HALFTONE);
  SetBrushOrgEx(to.dc(), 0, 0, nullptr);
  StretchBlt(to.dc(), 0, 0, width, height, from.dc(), 0, 0, picture.width(), picture.height(),
             SRCCOPY);
  return to.picture();
}

}  // namespace tour::win32
