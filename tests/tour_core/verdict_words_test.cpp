#include <gtest/gtest.h>

#include <charconv>

#include "tests/tour_core/sample_button.h"
#include "tour/core/reports.h"
#include "tour/core/text_format.h"

namespace tour {
namespace {

using sample::kSteelBlue;
constexpr RgbHex kGrey = rgbOf(240, 240, 240);

ButtonVerdict button(int index, RgbHex face, RgbHex text, double contrast, bool atOnce,
                     bool unchanged) {
  return {"Command1(" + std::to_string(index) + ")", face, text, contrast, atOnce, unchanged};
}

CaseVerdict verdict(Start start, int method, std::vector<ButtonVerdict> buttons, int refused = 0) {
  std::string title = "T";
  title += std::to_string(method);
  return {
      "Win, style", "Win, style on the test platform", start, method, title, buttons, refused, {}};
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
  EXPECT_EQ(summary.find("## Win, style on the test platform\n"), summary.find("## "));
  EXPECT_NE(summary.find("| T1 | 2 of 3: steel blue, white text: unreadable (4.10 to 4.12:1), "
                         "shown at once; 1 of 3: standard face, black text: readable (16.00:1), "
                         "no change; 2 calls refused | face #123456, text #808080: unreadable "
                         "(2.00:1), shown after the handler |\n"),
            std::string::npos)
      << summary;
}

// Every word a cell can say of one button, each boundary on both sides: white and black text
// within 8 of full, other colours by their value; readable from 4.50:1; when the button showed
// its new look.
TEST(VerdictWords, SayEachButtonsFaceTextContrastAndWhen) {
  const ButtonVerdict standard = button(0, kGrey, 0, 18.1, false, true);
  const struct {
    ButtonVerdict button;
    const char* words;
    const char* csv;  // "colorboton,contrast,readable,shown_before_return"
  } cases[] = {
      {button(0, kSteelBlue, 0xffffff, 4.11, true, false),
       "steel blue, white text: unreadable (4.11:1), shown at once", "yes,4.11,no,yes"},
      {button(0, kSteelBlue, rgbOf(247, 247, 247), 4.0, false, false),
       "steel blue, white text: unreadable (4.00:1), shown after the handler", "yes,4.00,no,no"},
      {button(0, kSteelBlue, rgbOf(246, 255, 255), 4.0, false, true),
       "steel blue, text #f6ffff: unreadable (4.00:1), no change", "yes,4.00,no,no"},
      {button(0, kSteelBlue, rgbOf(255, 0, 0), 1.5, true, false),
       "steel blue, text #ff0000: unreadable (1.50:1), shown at once", "yes,1.50,no,yes"},
      {button(0, kSteelBlue, rgbOf(255, 255, 0), 3.0, true, false),
       "steel blue, text #ffff00: unreadable (3.00:1), shown at once", "yes,3.00,no,yes"},
      {button(0, kSteelBlue, rgbOf(0, 255, 255), 3.5, true, false),
       "steel blue, text #00ffff: unreadable (3.50:1), shown at once", "yes,3.50,no,yes"},
      {button(0, kGrey, rgbOf(8, 8, 8), 4.5, true, false),
       "standard face, black text: readable (4.50:1), shown at once", "no,4.50,yes,yes"},
      {button(0, kGrey, rgbOf(9, 8, 8), 4.49, true, false),
       "standard face, text #090808: unreadable (4.49:1), shown at once", "no,4.49,no,yes"},
      {button(0, kGrey, rgbOf(0, 0, 255), 4.51, true, false),
       "standard face, text #0000ff: readable (4.51:1), shown at once", "no,4.51,yes,yes"},
      {button(0, 0x123456, rgbOf(128, 0, 0), 1.0, false, true),
       "face #123456, text #800000: unreadable (1.00:1), no change", "no,1.00,no,no"},
  };
  for (const auto& [tried, words, csv] : cases) {
    const std::vector<CaseVerdict> verdicts = {
        verdict(Start::Skinned, 1, {tried}), verdict(Start::Standard, 1, {tried}),
        verdict(Start::Skinned, 10, {standard}), verdict(Start::Standard, 10, {standard})};
    const std::string row = "| T1 | " + std::string(words) + " | " + words + " |\n";
    EXPECT_NE(verdictsSummary(verdicts).find(row), std::string::npos)
        << row << verdictsSummary(verdicts);
    EXPECT_NE(verdictsCsv(verdicts).find(std::string(",") + csv + ",0\n"), std::string::npos)
        << csv << "\n"
        << verdictsCsv(verdicts);
  }
}

// The console's line on a style and start lists the methods after which every button shows
// ColorBoton, every button is readable, and the buttons that changed were all shown before the
// handler returned: a method that changed nothing is not among them.
TEST(VerdictWords, SayAfterWhichMethodsTheButtonsShowEachVerdict) {
  const ButtonVerdict atOnce = button(0, kSteelBlue, 0xffffff, 4.11, true, false);
  const ButtonVerdict after = button(1, kSteelBlue, 0xffffff, 4.11, false, false);
  const ButtonVerdict same = button(2, kSteelBlue, 0xffffff, 4.11, true, true);
  const ButtonVerdict sameFlashed = button(3, kSteelBlue, 0xffffff, 4.11, false, true);
  const ButtonVerdict standard = button(4, kGrey, 0, 4.5, true, false);
  const std::vector<CaseVerdict> group = {
      verdict(Start::Skinned, 1, {atOnce, atOnce}),
      verdict(Start::Skinned, 2, {atOnce, after}),
      verdict(Start::Skinned, 3, {same, same}),
      verdict(Start::Skinned, 4, {same, atOnce}),
      verdict(Start::Skinned, 5, {sameFlashed, atOnce}),
      verdict(Start::Skinned, 6, {standard}, 3),
      verdict(Start::Skinned, 7, {standard, atOnce}),
      verdict(Start::Skinned, 8, {}),
      verdict(Start::Skinned, 9, {sameFlashed, after}),
  };
  EXPECT_EQ(progressLine(group),
            "verdicts for Win, style from skinned: ColorBoton after 1 2 3 4 5 9; readable after 6; "
            "shown before the handler returned after 1 4 5 6 7 (3 refused)");
  EXPECT_EQ(progressLine({verdict(Start::Standard, 1, {same}), verdict(Start::Standard, 2, {})}),
            "verdicts for Win, style from standard: ColorBoton after 1; readable after none; "
            "shown before the handler returned after none (0 refused)");
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
