// The one place that compiles the PNG encoder: Debian's header-only stb_image_write, found on a
// system include path of its own so that its warnings stay its own.
#include <cstdint>
#include <string>
#include <vector>

#include "tour/core/staged_output.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO  // files are written by our code, with wide paths on Windows
#include <stb_image_write.h>

namespace tour {
namespace {

constexpr int kChannels = 3;

void append(void* context, void* data, int size) {
  const auto* bytes = static_cast<const char*>(data);
  static_cast<std::string*>(context)->append(bytes, static_cast<std::size_t>(size));
}

}  // namespace

std::string encodePng(const Picture& picture) {
  if (picture.empty()) return {};
  std::vector<unsigned char> rows;
  rows.reserve(picture.pixels().size() * kChannels);
  for (const RgbHex pixel : picture.pixels()) {
    rows.push_back(static_cast<unsigned char>(redOf(pixel)));
    rows.push_back(static_cast<unsigned char>(greenOf(pixel)));
    rows.push_back(static_cast<unsigned char>(blueOf(pixel)));
  }
  std::string png;
  const int written = stbi_write_png_to_func(append, &png, picture.width(), picture.height(),
                                             kChannels, rows.data(), picture.width() * kChannels);
  return written ? png : std::string();
}

}  // namespace tour
