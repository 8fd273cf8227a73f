#pragma once

#include "host/win32/gdi.h"
#include "tour/core/picture.h"

namespace tour::win32 {

// A top-down 32-bit picture in memory that GDI draws into, selected into a memory device context
// of its own for as long as it lives.
class Dib {
 public:
  // `compatibleWith` is the device context whose pixels it takes; none for the screen's.
  Dib(int width, int height, HDC compatibleWith = nullptr);
  ~Dib();
  Dib(const Dib&) = delete;
  Dib& operator=(const Dib&) = delete;

  bool ready() const { return dc_.get() && bits_ && selected_; }
  HDC dc() const { return dc_.get(); }

  // Puts `picture`, of the same size, into the bitmap.
  void fill(const Picture& picture) const;
  // What the bitmap holds, once GDI has finished drawing into it.
  Picture picture() const;

 private:
  int width_, height_;
  host::win32::MemoryDc dc_;
  host::win32::Bitmap bitmap_;
  void* bits_ = nullptr;
  HGDIOBJ selected_ = nullptr;
};

}  // namespace tour::win32
