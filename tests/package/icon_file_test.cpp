#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "ico_reader.h"

namespace package_test {
namespace {

const std::string kSteelBlue = "#4682b4";
const std::string kWhite = "#ffffff";
const std::string kBlack = "#000000";

// A colour as #rrggbb, compared so that a failure shows it.
std::string hex(host::RgbChannels colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
  return text;
}

struct Expected {
  int size, bits, colours;
};
// The icon group's images, in the file's order.
constexpr Expected kImages[] = {{32, 1, 2}, {32, 4, 16}, {16, 4, 16}};

class IconFile : public testing::Test {
 protected:
  IcoFile ico = readIco(SKINBENCH_ICON_DIR "/skinbench.ico");
};

TEST_F(IconFile, DirectoryHoldsExactlyTheThreeImagesInOrder) {
  EXPECT_EQ(ico.reserved, 0);
  EXPECT_EQ(ico.type, 1);  // icon, not cursor
  ASSERT_EQ(ico.images.size(), std::size(kImages));
  for (std::size_t i = 0; i < std::size(kImages); ++i) {
    SCOPED_TRACE("image " + std::to_string(i));
    const IcoImage& image = ico.images[i];
    EXPECT_EQ(image.width, kImages[i].size);
    EXPECT_EQ(image.height, kImages[i].size);
    EXPECT_EQ(image.bitCount, kImages[i].bits);
    EXPECT_EQ(image.colourCount, kImages[i].colours);
    EXPECT_EQ(image.planes, 1);
  }
}

TEST_F(IconFile, ImagesFillTheFileWithoutGapsOrOverlaps) {
  std::size_t expectedOffset = 6 + 16 * ico.images.size();
  for (const IcoImage& image : ico.images) {
    EXPECT_EQ(image.offset, expectedOffset);
    expectedOffset += image.bytesInRes;
  }
  EXPECT_EQ(expectedOffset, ico.data.size());
}

TEST_F(IconFile, EachBitmapHeaderAgreesWithItsEntryAndSize) {
  for (const IcoImage& image : ico.images) {
    SCOPED_TRACE(std::to_string(image.width) + "x" + std::to_string(image.bitCount));
    EXPECT_EQ(image.headerSize, 40u);
    EXPECT_EQ(image.bitmapWidth, image.width);
    EXPECT_EQ(image.bitmapHeight, 2 * image.height);  // colour bits and mask together
    EXPECT_EQ(image.bitmapPlanes, 1);
    EXPECT_EQ(image.bitmapBitCount, image.bitCount);
    EXPECT_EQ(image.compression, 0u);
    EXPECT_EQ(image.paletteEntries(), std::size_t{1} << image.bitCount);
    // Header, palette, colour bits and AND mask, nothing more and nothing less.
    EXPECT_EQ(image.bytesInRes, 40 + 4 * image.paletteEntries() + image.pixelBytes());
  }
}

TEST_F(IconFile, MaskCutsTheCornersAndKeepsTheRest) {
  for (const IcoImage& image : ico.images) {
    SCOPED_TRACE(std::to_string(image.width) + "x" + std::to_string(image.bitCount));
    int last = image.width - 1;
    for (auto [x, y] : {std::pair{0, 0}, {last, 0}, {0, last}, {last, last}}) {
      EXPECT_TRUE(ico.transparent(image, x, y));
      // A masked pixel must have colour 0, or it would show inverted on the desktop.
      EXPECT_EQ(ico.colourIndex(image, x, y), 0);
    }
    int opaque = 0;
    for (int y = 0; y < image.height; ++y)
      for (int x = 0; x < image.width; ++x) opaque += !ico.transparent(image, x, y);
    EXPECT_GT(opaque, image.width * image.height * 9 / 10);
  }
}

TEST_F(IconFile, SixteenColourImagesShowASteelBlueButtonWithAWhiteBar) {
  for (const IcoImage& image : {ico.images[1], ico.images[2]}) {
    SCOPED_TRACE(image.width);
    int s = image.width;
    EXPECT_EQ(hex(ico.colour(image, s / 2, s / 2)), kWhite);            // the bar, in the middle
    EXPECT_EQ(hex(ico.colour(image, s / 2, s * 11 / 32)), kSteelBlue);  // the face above it
    EXPECT_EQ(hex(ico.colour(image, s / 8, s / 2)), kSteelBlue);        // the face left of it
    const host::RgbChannels tile = ico.colour(image, s / 2, s / 16);
    EXPECT_GT(tile.red + tile.green + tile.blue, 3 * 200);  // a light tile around the button
  }
}

TEST_F(IconFile, TwoColourImageIsBlackAndWhiteWithTheSameShape) {
  const IcoImage& mono = ico.images[0];
  ASSERT_EQ(mono.palette.size(), 2u);
  EXPECT_EQ(hex(mono.palette[0]), kBlack);
  EXPECT_EQ(hex(mono.palette[1]), kWhite);
  EXPECT_EQ(hex(ico.colour(mono, 16, 16)), kWhite);  // bar
  EXPECT_EQ(hex(ico.colour(mono, 4, 16)), kBlack);   // button
  EXPECT_EQ(hex(ico.colour(mono, 16, 2)), kWhite);   // tile
  const IcoImage& colour = ico.images[1];
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x)
      EXPECT_EQ(ico.transparent(mono, x, y), ico.transparent(colour, x, y)) << x << "," << y;
}

}  // namespace
}  // namespace package_test
