#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QStyleFactory>
#include <array>
#include <cctype>
#include <map>
#include <memory>
#include <sstream>
#include <tuple>

#include "tests/tour/tour_process.h"
#include "tour/core/contact_sheet.h"

namespace {

using tour_test::TempFolder;

constexpr int kMethods = 10;
constexpr std::array<const char*, 2> kStarts{"skinned", "standard"};
// The Command1 buttons in the host's order.
constexpr std::array<const char*, 6> kButtons{"Command1(3)", "Command1(2)",  "Command1(1)",
                                              "Command1(4)", "Command1(22)", "Command1(0)"};
const QSize kPicture(461, 93);  // the two rows of Command1 buttons and a margin
using tour_test::kColorBoton;

// Whether each method, 1 to 10, leaves ColorBoton on the faces, from each start.
const std::map<std::string, std::string> kColorBotonAfter{{"skinned", "yyyyyyyyyn"},
                                                          {"standard", "yyyynnyyyn"}};

struct Row {
  std::string style, start;
  int method = 0;
  std::string button, face, text, colorboton, contrast, readable, shown, refused;
};

std::vector<Row> rowsOf(const std::string& csv, std::string& header) {
  std::istringstream lines(csv);
  std::getline(lines, header);
  std::vector<Row> rows;
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    Row row;
    std::string method;
    for (std::string* field :
         {&row.style, &row.start, &method, &row.button, &row.face, &row.text, &row.colorboton,
          &row.contrast, &row.readable, &row.shown, &row.refused}) {
      std::getline(fields, *field, ',');
    }
    row.method = std::stoi(method);
    rows.push_back(row);
  }
  return rows;
}

std::string yes(bool value) {
  return value ? "yes" : "no";
}

// One run in every installed style, shared by the tests here.
class TourVerdicts : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = std::make_unique<TempFolder>();
    run_ = tour_test::runTour({"--out", folder_->path().string()});
    rows_ = rowsOf(tour_test::readFile(folder_->path() / "verdicts.csv"), header_);
    for (const QString& style : QStyleFactory::keys()) styles_.push_back(style.toStdString());
  }
  static void TearDownTestSuite() { folder_.reset(); }

  static std::unique_ptr<TempFolder> folder_;
  static tour_test::Run run_;
  static std::string header_;
  static std::vector<Row> rows_;
  static std::vector<std::string> styles_;
};

std::unique_ptr<TempFolder> TourVerdicts::folder_;
tour_test::Run TourVerdicts::run_;
std::string TourVerdicts::header_;
std::vector<Row> TourVerdicts::rows_;
std::vector<std::string> TourVerdicts::styles_;

TEST_F(TourVerdicts, OneRowPerStyleStartMethodAndButtonInOrder) {
  ASSERT_EQ(run_.status, 0) << run_.err;
  EXPECT_EQ(header_,
            "style,start,method,button,face,text,colorboton,contrast,readable,"
            "shown_before_return,refused");
  ASSERT_EQ(rows_.size(), styles_.size() * kStarts.size() * kMethods * kButtons.size());
  auto row = rows_.begin();
  for (const std::string& style : styles_) {
    for (const char* start : kStarts) {
      for (int method = 1; method <= kMethods; ++method) {
        for (const char* button : kButtons) {
          EXPECT_EQ(std::tie(row->style, row->start, row->method, row->button),
                    std::tie(style, start, method, button));
          ++row;
        }
      }
    }
  }
}

// Faces, text and contrast as a person would read them off the screen, in every style.
TEST_F(TourVerdicts, ColorBotonAndReadabilityFollowEachMethod) {
  for (const Row& row : rows_) {
    const std::string where = row.style + " " + row.start + " " + std::to_string(row.method);
    const bool colorBoton = kColorBotonAfter.at(row.start)[row.method - 1] == 'y';
    EXPECT_EQ(row.colorboton, yes(colorBoton)) << where << " " << row.button;
    EXPECT_EQ(row.face == "#4682b4", colorBoton) << where;
    if (colorBoton) {
      EXPECT_EQ(row.text + " " + row.contrast, "#ffffff 4.11") << where;
    }
    EXPECT_EQ(row.readable, yes(std::stod(row.contrast) >= 4.5)) << where;
    EXPECT_EQ(row.refused, "0") << where;
    // Method 5 from the standard look: the style's own face, and the white text on it.
    if (row.start == "standard" && row.method == 5) {
      EXPECT_EQ(row.readable, "no") << where;
      EXPECT_GE(QColor(QString::fromStdString(row.text)).lightness(), 0xf0) << where;
    }
  }
}

// From the standard look each change is visible: the repaints of methods 2, 3 and 9 show it
// before the handler returns, method 1 only after.
TEST_F(TourVerdicts, ShownBeforeTheHandlerReturnedOnlyAfterARepaint) {
  const std::map<int, std::string> expected{{1, "no"}, {2, "yes"}, {3, "yes"}, {9, "yes"}};
  for (const Row& row : rows_) {
    if (row.start != "standard" || !expected.count(row.method)) continue;
    EXPECT_EQ(row.shown, expected.at(row.method)) << row.style << " method " << row.method;
  }
}

// When a person sees each method's result, by start, as verdicts.md words it: a cell is the
// words of each look with how many buttons look so. From the skinned window nothing changes but
// the focus ring, which method 7 passes from Aceptar to Guardar as it disables the focused button.
const std::map<std::string, std::array<std::string, kMethods>> kWhen{
    {"skinned",
     {"no change", "no change", "no change", "no change", "no change", "no change",
      "4 no change; 2 shown after the handler", "no change", "no change",
      "shown after the handler"}},
    {"standard",
     {"shown after the handler", "shown at once", "shown at once", "shown after the handler",
      "shown after the handler", "shown after the handler", "shown after the handler",
      "shown after the handler", "shown at once", "no change"}}};

// "4 of 6: steel blue, ..., no change; 2 of 6: ..., shown at once" gives
// "4 no change; 2 shown at once"; a cell of one look gives its last words alone.
std::string whenOf(const std::string& cell) {
  std::string when;
  std::istringstream looks(cell);
  for (std::string look; std::getline(looks, look, ';');) {
    look.erase(0, look.find_first_not_of(' '));
    if (look.find(" calls refused") != std::string::npos) continue;
    if (!when.empty()) when += "; ";
    if (std::isdigit(static_cast<unsigned char>(look[0])))
      when += look.substr(0, look.find(' ') + 1);
    when += look.substr(look.rfind(", ") + 2);
  }
  return when;
}

TEST_F(TourVerdicts, WordsSayWhenEachMethodShows) {
  const std::string markdown = tour_test::readFile(folder_->path() / "verdicts.md");
  std::istringstream lines(markdown);
  std::string style;
  int rows = 0;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("## ", 0) == 0) style = line;
    if (line.rfind("| Prueba ", 0) != 0) continue;
    std::vector<std::string> cells;
    std::istringstream fields(line.substr(2));
    for (std::string cell; std::getline(fields, cell, '|');) cells.push_back(cell);
    ASSERT_EQ(cells.size(), 3u) << line;
    const int method = std::stoi(cells[0].substr(std::string("Prueba ").size()));
    for (std::size_t start = 0; start < kStarts.size(); ++start) {
      const std::string& cell = cells[start + 1];
      EXPECT_EQ(whenOf(cell.substr(1, cell.size() - 2)),
                kWhen.at(kStarts[start])[static_cast<std::size_t>(method - 1)])
          << style << ", method " << method << " from " << kStarts[start];
    }
    ++rows;
  }
  EXPECT_EQ(rows, static_cast<int>(styles_.size()) * kMethods);
}

TEST_F(TourVerdicts, TablesAndPictureCoverEveryStyle) {
  const std::string markdown = tour_test::readFile(folder_->path() / "verdicts.md");
  for (const std::string& style : styles_) {
    // The test runs offscreen; the heading names where the pixels were read.
    EXPECT_NE(markdown.find("## " + style + " style on the offscreen platform\n"),
              std::string::npos)
        << style;
  }
  const QImage sheet(QString::fromStdString((folder_->path() / "verdicts.png").string()));
  const int columns = static_cast<int>(styles_.size() * kStarts.size());
  const tour::SheetLayout layout{kPicture.width(), kPicture.height(), columns * kMethods, columns};
  ASSERT_EQ(sheet.size(), QSize(layout.width(), layout.height()));
  // A row per method, a column per style and start: the first button's face in each cell.
  for (int method = 1; method <= kMethods; ++method) {
    for (int column = 0; column < columns; ++column) {
      const char* start = kStarts[column % kStarts.size()];
      const tour::Area cell = layout.pictureArea((method - 1) * columns + column);
      const QPoint face = QPoint(cell.left, cell.top) + QPoint(12, 20);
      EXPECT_EQ(sheet.pixelColor(face) == kColorBoton,
                kColorBotonAfter.at(start)[method - 1] == 'y')
          << "method " << method << ", column " << column;
    }
  }
}

TEST_F(TourVerdicts, SummaryFollowsTheTourTableOnStandardOutput) {
  const std::string table = tour_test::readFile(folder_->path() / "tour.md");
  ASSERT_EQ(run_.out.rfind(table, 0), 0u);
  const std::string summary = run_.out.substr(table.size());
  const std::string markdown = tour_test::readFile(folder_->path() / "verdicts.md");
  EXPECT_EQ(summary.rfind("# Verdicts", 0), 0u) << summary;
  std::istringstream lines(markdown);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("| ", 0) == 0) {
      EXPECT_NE(summary.find(line + "\n"), std::string::npos) << line;
    }
  }
}

}  // namespace
