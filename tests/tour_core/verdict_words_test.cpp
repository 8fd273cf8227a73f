#include <gtest/gtest.h>

#include <charconv>

#include "tour/core/reports.h"
#include "tour/core/text_format.h"

namespace tour {
namespace {

constexpr Rgb kSteelBlue = rgbOf(70, 130, 180);
constexpr Rgb kGrey = rgbOf(240, 240, 240);

ButtonVerdict button(int index, Rgb face, Rgb text, double contrast, bool atOnce, bool unchanged) {
  return {"Command1(" + std::to_string(index) + ")", face, text, contrast, atOnce, unchanged};
}

CaseVerdict verdict(Start start, int method, std::vector<ButtonVerdict> buttons, int refused = 0) {
  std::string title = "T";
  title += std::to_string(method);
  return {"Win, style", "offscreen", start, method, title, buttons, refused, {}};
}

// Method 1 turns two of three buttons steel blue; method 10 from the standard start gives the
// standard faces the table names as such.
std::vector<CaseVerdict> verdicts() {
  const ButtonVerdict standard = button(2, kGrey, rgbOf(3, 3, 3), 16.0, false, true);
  return {
      verdict(Start::Skinned, 1,
              {button(0, kSteelBlue, rgbOf(250, 250, 250), 4.1, true, false),
               button(1, kSteelBlue, 0xffffff, 4.12, true, false), standard},
              2),
      verdict(Start::Standard, 1, {button(0, 0x123456, 0x808080, 2.0, false, false)}),
      verdict(Start::Skinned, 10, {standard}),
      verdict(Start::Standard, 10, {standard}),
  };
}

TEST(VerdictWords, SayWhatAPersonSeesPerMethodAndStart) {
  const std::string summary = verdictsSummary(verdicts());
  EXPECT_NE(summary.find("## Win, style style on the offscreen platform\n"), std::string::npos);
  EXPECT_NE(summary.find("| T1 | 2 of 3: steel blue, white text: unreadable (4.10 to 4.12:1), "
                         "shown at once; 1 of 3: standard face, black text: readable (16.00:1), "
                         "no change; 2 calls refused | face #123456, text #808080: unreadable "
                         "(2.00:1), shown after the handler |\n"),
            std::string::npos)
      << summary;
  EXPECT_EQ(progressLine({verdicts()[0], verdicts()[2]}),
            "verdicts for Win, style from skinned: ColorBoton after none; readable after 10; "
            "shown before the handler returned after none (2 refused)");
}

TEST(VerdictWords, WriteOneCsvRowPerButtonWithTheStyleQuoted) {
  const std::string csv = verdictsCsv({verdicts()[0]});
  EXPECT_EQ(csv.substr(0, csv.find('\n') + 1),
            "style,start,method,button,face,text,colorboton,contrast,readable,"
            "shown_before_return,refused\n");
  EXPECT_NE(csv.find("\n\"Win, style\",skinned,1,Command1(0),#4682b4,#fafafa,yes,4.10,no,yes,2\n"),
            std::string::npos)
      << csv;
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 4);
}

}  // namespace
}  // namespace tour

// The reports' contrasts round as to_chars does: the exact binary value, ties to even.
TEST(VerdictWords, WriteContrastsRoundedAsToCharsDoes) {
  std::vector<double> values = {0.0, 1.0, 1.125, 1.375, 4.105, 4.115, 4.495, 4.5, 20.995, 21.0};
  for (int step = 0; step < 200000; ++step) values.push_back(1.0 + step * 0.0001000003);
  for (const double value : values) {
    char expected[64];
    const auto end =
        std::to_chars(expected, expected + sizeof expected, value, std::chars_format::fixed, 2);
    ASSERT_EQ(tour::fixed(value, 2), std::string(expected, end.ptr)) << value;
  }
  EXPECT_EQ(tour::fixed(-0.001, 2), "-0.00");
  EXPECT_EQ(tour::fixed(2.5, 0), "2");
}
