#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "bytes.h"
#include "host/core/rgb_channels.h"

namespace package_test {

// One image of an .ico as its directory entry and bitmap header describe it.
struct IcoImage {
  // Directory entry.
  int width = 0, height = 0, colourCount = 0, planes = 0, bitCount = 0;
  std::uint32_t bytesInRes = 0, offset = 0;
  // Bitmap header.
  std::uint32_t headerSize = 0, compression = 0, coloursUsed = 0;
  std::int32_t bitmapWidth = 0, bitmapHeight = 0;
  int bitmapPlanes = 0, bitmapBitCount = 0;
  std::vector<host::RgbChannels> palette;
  std::size_t colourBits = 0, maskBits = 0;  // offsets in the file

  std::size_t paletteEntries() const { return coloursUsed ? coloursUsed : 1u << bitmapBitCount; }
  std::size_t colourStride() const { return (width * bitmapBitCount + 31) / 32 * 4; }
  std::size_t maskStride() const { return (width + 31) / 32 * 4; }
  std::size_t pixelBytes() const { return (colourStride() + maskStride()) * height; }
};

struct IcoFile {
  int reserved = 0, type = 0;
  std::vector<IcoImage> images;
  Bytes data;

  // Palette index of pixel (x, y), y counted from the top (rows are stored bottom up).
  int colourIndex(const IcoImage& image, int x, int y) const {
    std::size_t row = image.colourBits + (image.height - 1 - y) * image.colourStride();
    int bit = x * image.bitmapBitCount;
    int shift = 8 - image.bitmapBitCount - bit % 8;
    return (data.at(row + bit / 8) >> shift) & ((1 << image.bitmapBitCount) - 1);
  }
  bool transparent(const IcoImage& image, int x, int y) const {
    std::size_t row = image.maskBits + (image.height - 1 - y) * image.maskStride();
    return (data.at(row + x / 8) >> (7 - x % 8)) & 1;
  }
  host::RgbChannels colour(const IcoImage& image, int x, int y) const {
    return image.palette.at(colourIndex(image, x, y));
  }
};

inline IcoImage readIcoImage(const Bytes& data, std::size_t entry) {
  IcoImage image;
  image.width = data.at(entry) ? data.at(entry) : 256;
  image.height = data.at(entry + 1) ? data.at(entry + 1) : 256;
  image.colourCount = data.at(entry + 2);
  image.planes = u16(data, entry + 4);
  image.bitCount = u16(data, entry + 6);
  image.bytesInRes = u32(data, entry + 8);
  image.offset = u32(data, entry + 12);
  std::size_t at = image.offset;
  image.headerSize = u32(data, at);
  image.bitmapWidth = i32(data, at + 4);
  image.bitmapHeight = i32(data, at + 8);
  image.bitmapPlanes = u16(data, at + 12);
  image.bitmapBitCount = u16(data, at + 14);
  image.compression = u32(data, at + 16);
  image.coloursUsed = u32(data, at + 32);
  at += image.headerSize;
  for (std::size_t i = 0; i < image.paletteEntries(); ++i, at += 4)
    image.palette.push_back({data.at(at + 2), data.at(at + 1), data.at(at)});
  image.colourBits = at;
  image.maskBits = at + image.colourStride() * image.height;
  return image;
}

inline IcoFile readIco(const std::string& path) {
  IcoFile file;
  file.data = readFile(path);
  file.reserved = u16(file.data, 0);
  file.type = u16(file.data, 2);
  int count = u16(file.data, 4);
  for (int i = 0; i < count; ++i) file.images.push_back(readIcoImage(file.data, 6 + 16 * i));
  return file;
}

}  // namespace package_test
