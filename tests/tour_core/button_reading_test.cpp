#include <gtest/gtest.h>

#include "tests/tour_core/sample_button.h"
#include "tour/core/button_colours.h"
#include "tour/core/contact_sheet.h"

namespace tour {
namespace {

using sample::kSteelBlue;
constexpr RgbHex kWhite = 0xffffff;
constexpr RgbHex kBlack = 0x000000;
constexpr RgbHex kBlend = 0xa0c0e0;  // glyph edges: text blended into the face

using sample::kButton;
using sample::kCaption;

void fill(Picture& picture, const Area& area, RgbHex colour) {
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) picture.set(x, y, colour);
  }
}

// A button of 60 x 30 pixels at (10, 5) on a grey window: a border `bevel` pixels deep (light
// top and left, dark bottom and right, as a raised 3-D button has it), the face, a dotted focus
// frame 3 pixels inside, and a caption whose few fully covered glyph pixels are white and the
// many at their edges blends of white and face.
Picture buttonPicture(RgbHex face, int bevel) {
  Picture picture(80, 40, 0xf0f0f0);
  fill(picture, kButton, 0x404040);
  fill(picture, {10, 5, 69, 34}, 0xffffff);
  fill(picture, kButton.grown(-bevel), face);
  for (int x = 13; x < 67; x += 2) picture.set(x, 8, kBlack), picture.set(x, 31, kBlack);
  for (int x = 30; x < 50; ++x) {
    picture.set(x, 19, x % 3 == 0 ? kWhite : kBlend);
    picture.set(x, 20, kBlend);
  }
  return picture;
}

TEST(ButtonReading, ReadsTheFaceAndTheFullyCoveredGlyphsOfFlatAndBevelledButtons) {
  for (const int bevel : {1, 2}) {
    const ButtonColours colours =
        measureButton(buttonPicture(kSteelBlue, bevel), kButton, kCaption);
    EXPECT_EQ(colours.face, kSteelBlue) << bevel;
    EXPECT_EQ(colours.text, kWhite) << bevel;
  }
}

// A face in two shades, light above and dark below, as some looks draw it, with light text on
// the dark half: the text is what stands out from its own row, not from the face as a whole.
TEST(ButtonReading, ReadsTextAgainstTheShadeOfItsOwnRow) {
  Picture picture(80, 40, 0xf0f0f0);
  fill(picture, {kButton.left, kButton.top, kButton.right, 20}, rgbOf(230, 230, 230));
  fill(picture, {kButton.left, 20, kButton.right, kButton.bottom}, rgbOf(60, 60, 60));
  for (int x = 30; x < 50; x += 2) picture.set(x, 21, rgbOf(200, 200, 200));
  EXPECT_EQ(measureButton(picture, kButton, kCaption).text, rgbOf(200, 200, 200));
}

TEST(ButtonReading, ACaptionOutsideTheButtonReadsAsTheFace) {
  const ButtonColours colours = measureButton(buttonPicture(kSteelBlue, 1), kButton, {0, 0, 5, 5});
  EXPECT_EQ(colours.text, colours.face);
}

TEST(ButtonReading, ContrastIsTheWcagRatioEitherWayRound) {
  EXPECT_NEAR(contrastRatio(kWhite, kBlack), 21.0, 1e-9);
  EXPECT_NEAR(contrastRatio(kSteelBlue, kWhite), 4.11, 0.005);
  EXPECT_DOUBLE_EQ(contrastRatio(kSteelBlue, kWhite), contrastRatio(kWhite, kSteelBlue));
}

TEST(ButtonReading, PixelsCompareOnlyWithinTheAreaAndNeverAcrossSizes) {
  const Picture before = buttonPicture(kSteelBlue, 1);
  Picture after = before;
  after.set(0, 0, kBlack);
  EXPECT_TRUE(before.samePixels(after, kButton));
  EXPECT_FALSE(before.samePixels(after, {0, 0, 1, 1}));
  EXPECT_FALSE(before.samePixels(Picture(), kButton));  // a read-back that never came
}

// Labels from a painter that fills the band, so that a band drawn over the frame's outline shows.
class BandPainter final : public SheetPainter {
 public:
  Picture label(const std::string&, int width, int height, RgbHex background, RgbHex) override {
    return Picture(width, height, background);
  }
  Picture scaled(const Picture& picture, int width, int height) override {
    return Picture(width, height, picture.at(0, 0));
  }
};

TEST(ContactSheet, OutlinesEachPictureWhollyAndScalesThroughThePainter) {
  BandPainter painter;
  const std::vector<Frame> frames(3, Frame{Picture(20, 10, kSteelBlue), "x"});
  const Picture sheet = contactSheet(frames, 2, painter, 0.5);
  const Area first = SheetLayout{10, 5, 3, 2}.pictureArea(0);
  EXPECT_EQ(sheet.width(), 12 + 2 * (10 + 12));
  EXPECT_EQ(sheet.at(first.left, first.top), kSteelBlue);
  EXPECT_EQ(sheet.at(first.right + 1, first.top), rgbOf(244, 244, 244));
  for (int x = first.left - 1; x <= first.right; ++x) {
    EXPECT_EQ(sheet.at(x, first.top - 1), rgbOf(160, 160, 160)) << x;
    EXPECT_EQ(sheet.at(x, first.bottom), rgbOf(160, 160, 160)) << x;
  }
}

}  // namespace
}  // namespace tour
