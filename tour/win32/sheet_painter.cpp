#include "tour/win32/sheet_painter.h"

#include "host/text.h"
#include "host/win32/convert.h"
#include "host/win32/dpi.h"
#include "host/win32/gdi.h"

namespace tour::win32 {
namespace {

using host::win32::Bitmap;
using host::win32::MemoryDc;
using host::win32::Selection;

COLORREF colourRefOf(Rgb colour) {
  return RGB(redOf(colour), greenOf(colour), blueOf(colour));
}

// A top-down 32-bit bitmap of `width` x `height` selected into a memory device context.
class Surface {
 public:
  Surface(int width, int height) : width_(width), height_(height), dc_(nullptr) {
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    bitmap_.reset(CreateDIBSection(dc_.get(), &format, DIB_RGB_COLORS, &bits_, nullptr, 0));
    if (bitmap_) selected_ = SelectObject(dc_.get(), bitmap_.get());
  }
  ~Surface() {
    if (selected_) SelectObject(dc_.get(), selected_);
  }
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  bool ready() const { return dc_.get() && bits_ && selected_; }
  HDC dc() const { return dc_.get(); }
  std::uint32_t* bits() const { return static_cast<std::uint32_t*>(bits_); }

  void fill(const Picture& picture) const {
    std::uint32_t* pixel = bits();
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) *pixel++ = picture.at(x, y);
    }
  }
  Picture picture() const {
    GdiFlush();
    Picture picture(width_, height_);
    const std::uint32_t* pixel = bits();
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) picture.set(x, y, *pixel++ & 0xffffffu);
    }
    return picture;
  }

 private:
  int width_, height_;
  MemoryDc dc_;
  Bitmap bitmap_;
  void* bits_ = nullptr;
  HGDIOBJ selected_ = nullptr;
};

}  // namespace

Picture GdiSheetPainter::label(const std::string& text, int width, int height, Rgb background,
                               Rgb ink) {
  Picture band(width, height, background);
  const Surface surface(width, height);
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
  const Surface from(picture.width(), picture.height());
  const Surface to(width, height);
  if (!from.ready() || !to.ready()) return Picture(width, height);
  from.fill(picture);
  SetStretchBltMode(to.dc(), HALFTONE);
  SetBrushOrgEx(to.dc(), 0, 0, nullptr);
  StretchBlt(to.dc(), 0, 0, width, height, from.dc(), 0, 0, picture.width(), picture.height(),
             SRCCOPY);
  return to.picture();
}

}  // namespace tour::win32
