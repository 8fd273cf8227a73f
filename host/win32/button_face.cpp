#include "host/win32/button_face.h"

#include <algorithm>

#include "host/win32/convert.h"
#include "host/win32/dpi.h"

namespace host::win32 {
namespace {

constexpr int kFocusBand = 3;  // bands in from the edge

COLORREF darker(COLORREF colour, int percent) {
  const auto scale = [percent](int channel) { return channel * 100 / percent; };
  return RGB(scale(GetRValue(colour)), scale(GetGValue(colour)), scale(GetBValue(colour)));
}

COLORREF lighter(COLORREF colour) {
  const auto halfwayToWhite = [](int channel) { return channel + (255 - channel) / 2; };
  return RGB(halfwayToWhite(GetRValue(colour)), halfwayToWhite(GetGValue(colour)),
             halfwayToWhite(GetBValue(colour)));
}

// The bands along the edges of a button, `width` device pixels each.
class Bands {
 public:
  Bands(HDC dc, const RECT& area, int width) : dc_(dc), area_(area), width_(width) {}

  // Band `ring` (0 the outermost): top and left in one colour, bottom and right in another.
  void fill(int ring, COLORREF topLeft, COLORREF bottomRight) const {
    RECT outer = area_;
    InflateRect(&outer, -ring * width_, -ring * width_);
    if (outer.right - outer.left < 2 * width_ || outer.bottom - outer.top < 2 * width_) return;
    rectangle({outer.left, outer.top, outer.right, outer.top + width_}, topLeft);
    rectangle({outer.left, outer.top + width_, outer.left + width_, outer.bottom - width_},
              topLeft);
    rectangle({outer.left, outer.bottom - width_, outer.right, outer.bottom}, bottomRight);
    rectangle({outer.right - width_, outer.top + width_, outer.right, outer.bottom - width_},
              bottomRight);
  }

  void rectangle(const RECT& area, COLORREF colour) const {
    SetBkColor(dc_, colour);
    ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
  }

  int width() const { return width_; }

 private:
  HDC dc_;
  RECT area_;
  int width_;
};

void paintFace(const Bands& bands, const RECT& area, COLORREF face, bool raised, bool pressed) {
  bands.rectangle(area, face);
  if (!raised) {
    const COLORREF border = darker(face, 170);
    bands.fill(0, border, border);
    return;
  }
  // Raised: a light edge above and left, a black shadow and a dark edge inside it below and
  // right. Pressed: the same turned round.
  const COLORREF light = lighter(face), dark = darker(face, 200), shadow = RGB(0, 0, 0);
  if (pressed) {
    bands.fill(0, shadow, light);
    bands.fill(1, dark, face);
  } else {
    bands.fill(0, light, shadow);
    bands.fill(1, face, dark);
  }
}

void paintCaption(const DRAWITEMSTRUCT& item, const Control& control, int shift) {
  const Text caption = windowText(item.hwndItem);
  const bool enabled = !(item.itemState & ODS_DISABLED);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
  const Selection selected(item.hDC, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, enabled ? resolveColor(control.foreColor) : GetSysColor(COLOR_GRAYTEXT));
  RECT area = item.rcItem;
  OffsetRect(&area, shift, shift);
  UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (item.itemState & ODS_NOACCEL) format |= DT_HIDEPREFIX;
  DrawTextW(item.hDC, wide(caption), static_cast<int>(caption.size()), &area, format);
}

}  // namespace

void paintGraphicalButton(const DRAWITEMSTRUCT& item, const Control& control, UINT dpi) {
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const COLORREF base = resolveColor(control.backColor);
  const COLORREF face = pressed ? darker(base, 115) : base;
  const Bands bands(item.hDC, item.rcItem,
                    std::max(1, MulDiv(1, static_cast<int>(dpi), kStandardDpi)));
  paintFace(bands, item.rcItem, face, control.appearance == 1, pressed);
  paintCaption(item, control, pressed ? bands.width() : 0);
  if (item.itemState & ODS_FOCUS) {
    const COLORREF ring = colorrefOf(strongestAgainst(channelsOf(face)));
    bands.fill(kFocusBand, ring, ring);
    bands.fill(kFocusBand + 1, ring, ring);
  }
}

}  // namespace host::win32
