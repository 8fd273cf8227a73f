#include <gtest/gtest.h>

#include "host/core/contrast.h"
#include "tests/win32/capture.h"
#include "tests/win32/form1_window.h"

namespace winbench {
namespace {

using host::Value;

COLORREF scaled(COLORREF colour, int percent) {
  return RGB(GetRValue(colour) * 100 / percent, GetGValue(colour) * 100 / percent,
             GetBValue(colour) * 100 / percent);
}

host::RgbChannels rgb(COLORREF colour) {
  return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

class Win32Painting : public ::testing::Test {
 protected:
  void set(std::u16string_view name, std::optional<std::int16_t> index, std::u16string_view member,
           const Value& value) {
    form1.host().setProperty(form1.control(name, index), member, value);
  }
  void refresh(std::u16string_view name, std::optional<std::int16_t> index) {
    form1.host().callMethod(form1.control(name, index), u"Refresh", {});
  }
  RECT place(std::u16string_view name, std::optional<std::int16_t> index) const {
    return form1.placeOf(form1.child(name, index));
  }

  Form1Window form1;
};

// "buscar" (Command1(2)) lies at 0, 0, 145 x 41 pixels.
TEST_F(Win32Painting, DrawsAGraphicalButtonsFaceTextAndFlatBorderInItsColours) {
  const Capture shown(form1.window());
  EXPECT_EQ(shown.at(20, 5), kColorBoton);
  EXPECT_EQ(shown.at(0, 20), scaled(kColorBoton, 170)) << "a one-pixel border, darker";
  EXPECT_EQ(shown.at(1, 20), kColorBoton);
  EXPECT_GT(shown.count(place(u"Command1", 2), kBlanco), 20) << "white text";
  EXPECT_EQ(shown.at(200, 300), kColorFondo) << "the form's background";
}

// The skin's background, set before the form was first shown, shows with it; one set after shows
// at the next paint.
TEST_F(Win32Painting, RepaintsTheFormInABackColourSetOnceItIsShown) {
  constexpr COLORREF kOlive = RGB(128, 128, 0);
  form1.host().setBackColor(form1.form(), static_cast<host::ColorValue>(kOlive));
  form1.settle();
  EXPECT_EQ(Capture(form1.window()).at(200, 300), kOlive);
}

TEST_F(Win32Painting, RaisesAThreeDButtonOnWholePixelsAndShowsSystemColours) {
  set(u"Command1", 2, u"Appearance", Value::int16(1));
  set(u"Command1", 2, u"BackColor", Value::int32(host::systemColor(COLOR_HIGHLIGHT)));
  refresh(u"Command1", 2);
  const Capture shown(form1.window());
  const COLORREF face = GetSysColor(COLOR_HIGHLIGHT);
  EXPECT_EQ(shown.at(20, 20), face);
  EXPECT_EQ(shown.at(144, 20), RGB(0, 0, 0)) << "black shadow, right";
  EXPECT_EQ(shown.at(20, 40), RGB(0, 0, 0)) << "black shadow, bottom";
  EXPECT_EQ(shown.at(143, 20), scaled(face, 200)) << "dark edge inside it";
  EXPECT_GT(host::luminance(rgb(shown.at(0, 20))), host::luminance(rgb(face))) << "light edge";
}

// Pressed, the face darkens and the bevel turns round; disabled, the text is the platform's grey.
TEST_F(Win32Painting, ShowsAGraphicalButtonPressedAndDisabled) {
  set(u"Command1", 2, u"Appearance", Value::int16(1));
  SendMessageW(form1.child(u"Command1", 2), BM_SETSTATE, TRUE, 0);
  refresh(u"Command1", 2);
  const Capture pressed(form1.window());
  EXPECT_EQ(pressed.at(20, 20), scaled(kColorBoton, 115));
  EXPECT_EQ(pressed.at(0, 20), RGB(0, 0, 0)) << "the shadow above and left";
  SendMessageW(form1.child(u"Command1", 2), BM_SETSTATE, FALSE, 0);
  set(u"Command1", 2, u"Enabled", Value::boolean(false));
  refresh(u"Command1", 2);
  const Capture disabled(form1.window());
  EXPECT_EQ(disabled.count(place(u"Command1", 2), kBlanco), 0);
  EXPECT_GT(disabled.count(place(u"Command1", 2), GetSysColor(COLOR_GRAYTEXT)), 20);
}

// A change shows at the next paint; "Refresh" paints at once. A standard button keeps the
// platform's face whatever "BackColor" says.
TEST_F(Win32Painting, LeavesAStandardButtonsFaceToThePlatform) {
  set(u"Command1", 2, u"Style", Value::int16(0));
  set(u"Command1", 2, u"BackColor", Value::int32(RGB(255, 0, 0)));
  EXPECT_EQ(Capture(form1.window()).at(20, 5), kColorBoton) << "not before the next paint";
  refresh(u"Command1", 2);
  const Capture shown(form1.window());
  EXPECT_EQ(shown.at(20, 5), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(shown.count(place(u"Command1", 2), RGB(255, 0, 0)), 0);
  EXPECT_EQ(form1.host().getProperty(form1.control(u"Command1", 2), u"BackColor"),
            Value::int32(RGB(255, 0, 0)));
}

TEST_F(Win32Painting, ColoursTextBoxesCheckBoxesAndOptionButtons) {
  constexpr COLORREF kYellow = RGB(255, 255, 0), kBlue = RGB(0, 0, 255);
  constexpr COLORREF kGreen = RGB(0, 255, 0), kRed = RGB(255, 0, 0);
  for (const auto& [name, index] : {std::pair{u"Text1", 0}, {u"Check1", 0}, {u"Option1", 1}}) {
    set(name, static_cast<std::int16_t>(index), u"BackColor", Value::int32(kYellow));
    set(name, static_cast<std::int16_t>(index), u"ForeColor", Value::int32(kBlue));
  }
  set(u"Text1", 1, u"BackColor", Value::int32(kGreen));
  set(u"Text1", 1, u"ForeColor", Value::int32(kRed));
  form1.host().refresh(form1.form());
  const Capture shown(form1.window());
  for (const auto& [name, index] : {std::pair{u"Text1", 0}, {u"Check1", 0}, {u"Option1", 1}}) {
    SCOPED_TRACE(host::toUtf8(name));
    const RECT area = place(name, static_cast<std::int16_t>(index));
    EXPECT_GT(shown.count(area, kYellow), 100);
    EXPECT_GT(shown.count(area, kBlue), 5);
  }
  EXPECT_GT(shown.count(place(u"Text1", 1), kGreen), 100);
  EXPECT_GT(shown.count(place(u"Text1", 1), kRed), 5);
}

// Text1(0) lies at 16, 112: skinned flat with a single line, or sunken in 3-D.
TEST_F(Win32Painting, FramesATextBoxFlatSunkenOrNot) {
  const Capture flat(form1.window());
  const COLORREF line = flat.at(16, 124);
  EXPECT_EQ(flat.at(120, 124), line);
  EXPECT_NE(line, kBlanco);
  EXPECT_EQ(flat.at(17, 124), kBlanco) << "one pixel wide";
  set(u"Text1", 0, u"Appearance", Value::int16(1));
  refresh(u"Text1", 0);
  const Capture sunken(form1.window());
  EXPECT_EQ(sunken.at(16, 124), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(sunken.at(17, 124), GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(sunken.at(120, 124), GetSysColor(COLOR_BTNHIGHLIGHT));
  // From sunken to none only the extended style changes.
  set(u"Text1", 0, u"BorderStyle", Value::int16(0));
  refresh(u"Text1", 0);
  EXPECT_EQ(Capture(form1.window()).at(16, 124), kBlanco) << "no frame";
}

// The focused "Aceptar" (312, 48 to 457, 89, flat) draws its ring two pixels wide, three pixels
// in from each edge, with face on both sides of it, standing out from any face.
TEST_F(Win32Painting, DrawsTheFocusRingAtLeastThreeToOneAgainstTheFace) {
  for (const COLORREF face : {kColorBoton, kBlanco, RGB(128, 128, 128), RGB(20, 20, 20)}) {
    set(u"Command1", 0, u"BackColor", Value::int32(static_cast<host::ColorValue>(face)));
    refresh(u"Command1", 0);
    const Capture shown(form1.window());
    const COLORREF ring = shown.at(312 + 20, 48 + 3);
    EXPECT_GE(host::contrast(rgb(ring), rgb(face)), 3.0) << std::hex << face;
    // Pixels 1 to 5 in from the left, right, top and bottom edges.
    for (int in = 1; in <= 5; ++in) {
      SCOPED_TRACE(::testing::Message() << std::hex << face << std::dec << ", " << in << " in");
      const COLORREF wanted = in == 3 || in == 4 ? ring : face;
      EXPECT_EQ(shown.at(312 + in, 48 + 20), wanted);
      EXPECT_EQ(shown.at(456 - in, 48 + 20), wanted);
      EXPECT_EQ(shown.at(312 + 20, 48 + in), wanted);
      EXPECT_EQ(shown.at(312 + 20, 88 - in), wanted);
    }
  }
}

// Held down, the face darkens, and the ring is chosen on the face shown: mid grey pressed is dark
// enough that white stands out more on it, where black would on the face at rest.
TEST_F(Win32Painting, ChoosesTheFocusRingOfAHeldDownButtonOnItsPressedFace) {
  const COLORREF grey = RGB(128, 128, 128);
  set(u"Command1", 0, u"BackColor", Value::int32(static_cast<host::ColorValue>(grey)));
  SendMessageW(form1.child(u"Command1", 0), BM_SETSTATE, TRUE, 0);
  refresh(u"Command1", 0);
  const Capture shown(form1.window());
  const COLORREF pressed = shown.at(312 + 20, 48 + 1);
  ASSERT_EQ(pressed, scaled(grey, 115));
  ASSERT_GT(host::contrast(rgb(kBlanco), rgb(pressed)), host::contrast({0, 0, 0}, rgb(pressed)));
  EXPECT_EQ(shown.at(312 + 20, 48 + 3), kBlanco);
}

}  // namespace
}  // namespace winbench
