#include <gtest/gtest.h>

#include <limits>

#include "host/text.h"

namespace {

using host::fromUtf8;
using host::toUtf8;

TEST(TextUtf8, RoundTripKeepsAccentsAndSymbols) {
  for (const std::string sample : {"Prueba 1: Style+Appearance+Color (igual a CargarSkin)",
                                   "Descripción, añadir, Ñandú, ¿qué?, ü", "€ 10", "tab\tend",
                                   "\xF0\x9F\x98\x80 four bytes", ""}) {
    EXPECT_EQ(toUtf8(fromUtf8(sample)), sample);
  }
}

TEST(TextUtf8, DecodesToTheRightUtf16Units) {
  EXPECT_EQ(fromUtf8("ñ"), u"\u00F1");
  EXPECT_EQ(fromUtf8("€"), u"\u20AC");
  EXPECT_EQ(fromUtf8("\xF0\x9F\x98\x80"), u"\U0001F600");
  EXPECT_EQ(toUtf8(u"Canción"), "Canción");
}

TEST(TextUtf8, MalformedInputBecomesReplacementWithoutEatingTheNextCharacter) {
  EXPECT_EQ(fromUtf8("a\xC3"
                     "b"),
            u"a\uFFFDb");                                      // lead byte without its continuation
  EXPECT_EQ(fromUtf8("\xC3"), u"\uFFFD");                      // cut short at the end
  EXPECT_EQ(fromUtf8("\x80x"), u"\uFFFDx");                    // stray continuation byte
  EXPECT_EQ(fromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");            // overlong form of '/'
  EXPECT_EQ(fromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // an encoded surrogate
  EXPECT_EQ(fromUtf8("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");  // beyond U+10FFFF
  EXPECT_EQ(toUtf8(u"\xD800x"), "\xEF\xBF\xBDx");                        // lone surrogate
}

TEST(TextDecimal, WritesPlainDigits) {
  EXPECT_EQ(host::decimal(0), u"0");
  EXPECT_EQ(host::decimal(7), u"7");
  EXPECT_EQ(host::decimal(10), u"10");
  EXPECT_EQ(host::decimal(-32768), u"-32768");
  EXPECT_EQ(host::decimal(std::numeric_limits<std::int64_t>::min()), u"-9223372036854775808");
}

}  // namespace
