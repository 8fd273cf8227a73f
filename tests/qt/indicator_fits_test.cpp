// The looks the Qt host fits to check and option indicators and keeps: one kept from the light
// theme must not be given out once the application's palette is dark, and a box going back to
// earlier colours gets their look back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QStyle>
#include <vector>

#include "form1_window.h"
#include "host/qt/indicator.h"
#include "pixels.h"

namespace {

// A background on which a light theme's indicator turns black and a dark theme's keeps its own.
constexpr host::ColorValue kDarkGround = 0x00303030;
constexpr host::ColorValue kSkinGround = 0x00EEECEB;

// The indicator colours of the check box and the option button once their background, first
// the skin's light one, is dark.
std::vector<QRgb> indicatorsOnDarkGround(qtbench::Form1Window& w) {
  std::vector<QRgb> colours;
  for (const char16_t* name : {u"Check1", u"Option1"}) {
    for (const host::ColorValue ground : {kSkinGround, kDarkGround}) {
      w.host().setProperty(w.control(name, 0), u"BackColor", host::Value::int32(ground));
    }
    const QPalette& palette = w.widget(name, 0).palette();
    for (const auto role : {QPalette::Base, QPalette::Text, QPalette::Window}) {
      colours.push_back(palette.color(role).rgba());
    }
  }
  return colours;
}

TEST(IndicatorFits, AfterTheThemeTurnsDarkAKeptLookIsTheOneFittedAfresh) {
  qtbench::Form1Window w;
  const std::vector<QRgb> light = indicatorsOnDarkGround(w);
  QPalette dark(QColor(53, 53, 53), QColor(45, 45, 45));
  dark.setColor(QPalette::Base, QColor(30, 30, 30));
  QApplication::setPalette(dark);
  const std::vector<QRgb> kept = indicatorsOnDarkGround(w);
  qtbench::Form1Window fresh;
  const std::vector<QRgb> fitted = indicatorsOnDarkGround(fresh);
  QApplication::setPalette(QApplication::style()->standardPalette());
  EXPECT_NE(light, fitted) << "the themes give the same look: the case proves nothing";
  EXPECT_EQ(kept, fitted);
}

// A box back on colours it had before shows their indicator again, not the one fitted to the
// colours between.
TEST(IndicatorFits, ABoxBackOnEarlierColoursShowsTheirIndicatorAgain) {
  qtbench::Form1Window w;
  for (const char16_t* name : {u"Check1", u"Option1"}) {
    SCOPED_TRACE(host::toUtf8(name));
    std::vector<QImage> shown;
    for (const host::ColorValue ground : {kSkinGround, kDarkGround, kSkinGround}) {
      w.host().setProperty(w.control(name, 0), u"BackColor", host::Value::int32(ground));
      shown.push_back(qtbench::shown(w.widget(name, 0)));
    }
    EXPECT_FALSE(shown[1] == shown[0]) << "the grounds give the same look: the case proves nothing";
    EXPECT_TRUE(shown[2] == shown[0]) << "the indicator keeps the dark ground's look";
  }
}

// A box skips setting a look its palette holds, known by the look's serial: a look fitted after
// the theme changed must not carry a serial some box holds from before.
TEST(IndicatorFits, ALookFittedAfterTheThemeChangedHasASerialNeverGivenBefore) {
  host::qt::IndicatorFits fits;
  const auto fit = [] { return host::qt::IndicatorFits::Look{}; };
  const std::uint64_t before = fits.lookFor({}, fit).serial;
  QApplication::setPalette(QPalette(QColor(53, 53, 53)));
  const std::uint64_t after = fits.lookFor({}, fit).serial;
  QApplication::setPalette(QApplication::style()->standardPalette());
  EXPECT_NE(after, before);
}

}  // namespace
