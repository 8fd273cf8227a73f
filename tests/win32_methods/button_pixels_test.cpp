#include "tests/win32_methods/button_pixels.h"

#include <gtest/gtest.h>

namespace win32_methods {
namespace {

constexpr Rgb kSteelBlue = 0x4682b4;
constexpr Rgb kWhite = 0xffffff;
constexpr Rgb kBlack = 0x000000;
constexpr Rgb kBorder = 0x404040;

// A button of 60 x 30 pixels at (10, 5): a dark one-pixel border, the face, a caption of full
// white glyph pixels with blended edges, and a dotted focus rectangle 3 pixels inside.
Picture buttonPicture(Rgb face) {
  Picture picture{80, 40, std::vector<Rgb>(80 * 40, 0xf0f0f0)};
  const auto set = [&](int x, int y, Rgb colour) {
    picture.pixels[static_cast<std::size_t>(y * 80 + x)] = colour;
  };
  for (int y = 5; y < 35; ++y) {
    for (int x = 10; x < 70; ++x) {
      const bool edge = y == 5 || y == 34 || x == 10 || x == 69;
      set(x, y, edge ? kBorder : face);
    }
  }
  for (int x = 13; x < 67; x += 2) set(x, 8, kBlack), set(x, 31, kBlack);
  for (int x = 30; x < 50; ++x) {
    set(x, 19, (x % 3 == 0) ? kWhite : 0xa0c0e0);  // glyph pixels and their blended edges
    set(x, 20, 0xa0c0e0);
  }
  return picture;
}

const Area kButton{10, 5, 70, 35};
const Area kCaption{28, 17, 52, 23};

TEST(ButtonPixels, ReadsTheFaceAndTheFullyCoveredGlyphPixels) {
  const ButtonColours colours = measureButton(buttonPicture(kSteelBlue), kButton, kCaption);
  EXPECT_EQ(colours.face, kSteelBlue);
  EXPECT_EQ(colours.text, kWhite);
}

TEST(ButtonPixels, ACaptionOutsideTheButtonReadsAsTheFace) {
  const ButtonColours colours = measureButton(buttonPicture(kSteelBlue), kButton, Area{0, 0, 5, 5});
  EXPECT_EQ(colours.text, colours.face);
}

TEST(ButtonPixels, ContrastFollowsTheWcagFormula) {
  EXPECT_NEAR(contrastRatio(kWhite, kBlack), 21.0, 1e-9);
  EXPECT_NEAR(contrastRatio(kSteelBlue, kWhite), 4.11, 0.005);
  EXPECT_DOUBLE_EQ(contrastRatio(kSteelBlue, kWhite), contrastRatio(kWhite, kSteelBlue));
  EXPECT_DOUBLE_EQ(contrastRatio(kSteelBlue, kSteelBlue), 1.0);
}

TEST(ButtonPixels, ComparesOnlyTheGivenArea) {
  const Picture before = buttonPicture(kSteelBlue);
  Picture after = before;
  after.pixels[0] = kBlack;
  EXPECT_TRUE(before.samePixels(after, kButton));
  EXPECT_FALSE(before.samePixels(after, Area{0, 0, 1, 1}));
}

}  // namespace
}  // namespace win32_methods
