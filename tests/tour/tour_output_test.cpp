#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>
#include <array>
#include <memory>
#include <sstream>

#include "tests/tour/tour_process.h"
#include "tour/core/contact_sheet.h"

namespace {

using tour_test::TempFolder;

const QSize kWindow(512, 339);  // Form1's client area in pixels
constexpr int kFrames = 11;     // the load, then presses 1 to 10
constexpr int kYields = 24;     // method 9: four per Command1 button
using tour_test::kColorBoton;

// The Command1 buttons in the host's order, with their left and top in twips.
struct Button {
  const char* name;
  int left, top;
};
constexpr std::array<Button, 6> kCommand1{{{"Command1(3) Ejecutar", 2400, 0},
                                           {"Command1(2) buscar", 0, 0},
                                           {"Command1(1) consultar", 4680, 0},
                                           {"Command1(4) cancelar", 0, 720},
                                           {"Command1(22) Guardar", 2400, 720},
                                           {"Command1(0) Aceptar", 4680, 720}}};

// A point on the left of a button's face, clear of its caption and border.
QPoint facePoint(const Button& button) {
  return {button.left / 15 + 12, button.top / 15 + 20};
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) result.push_back(line);
  return result;
}

// One press's section of tour.md: its heading and the rows of its button table.
struct Section {
  std::string heading;
  std::string refused;
  std::vector<std::string> rows;
};

std::vector<Section> sectionsOf(const std::string& markdown) {
  std::vector<Section> sections;
  for (const std::string& line : lines(markdown)) {
    if (line.rfind("## Press ", 0) == 0) sections.push_back({line, {}, {}});
    if (sections.empty()) continue;
    if (line.rfind("Host calls refused", 0) == 0) sections.back().refused = line;
    if (line.rfind("| Command1(", 0) == 0) sections.back().rows.push_back(line);
  }
  return sections;
}

// One run of the tour, into a folder that does not exist yet, shared by every test here.
class TourOutput : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = std::make_unique<TempFolder>();
    out_ = folder_->path() / "new" / "tour";
    run_ = tour_test::runTour({"--out", out_.string(), "--style", "Fusion"});
  }
  static void TearDownTestSuite() { folder_.reset(); }

  static QImage image(const char* name) {
    return QImage(QString::fromStdString((out_ / name).string()));
  }

  static std::unique_ptr<TempFolder> folder_;
  static std::filesystem::path out_;
  static tour_test::Run run_;
};

std::unique_ptr<TempFolder> TourOutput::folder_;
std::filesystem::path TourOutput::out_;
tour_test::Run TourOutput::run_;

TEST_F(TourOutput, CreatesTheFolderAndWritesExactlyTheSixFiles) {
  ASSERT_EQ(run_.status, 0) << run_.err;
  EXPECT_EQ(tour_test::entriesOf(out_),
            (std::set<std::string>{"method9.png", "tour.md", "tour.png", "verdicts.csv",
                                   "verdicts.md", "verdicts.png"}));
}

// The verdicts keep to the style named: 2 starts, 10 methods, 6 buttons, and the header.
TEST_F(TourOutput, VerdictsInTheNamedStyleOnly) {
  const auto csv = lines(tour_test::readFile(out_ / "verdicts.csv"));
  ASSERT_EQ(csv.size(), 1u + 2 * 10 * 6);
  for (std::size_t at = 1; at < csv.size(); ++at) EXPECT_EQ(csv[at].rfind("Fusion,", 0), 0u);
}

TEST_F(TourOutput, ContactSheetIsAGridOfElevenWindowFrames) {
  const QImage sheet = image("tour.png");
  ASSERT_FALSE(sheet.isNull());
  const tour::SheetLayout layout{kWindow.width(), kWindow.height(), kFrames, 4};
  EXPECT_EQ(sheet.size(), QSize(layout.width(), layout.height()));
  EXPECT_EQ(layout.rows(), 3);
}

// Frame 0 is the load (skinned), frame k press k: presses 1 to 9 leave ColorBoton on every face,
// press 10 the platform style's own face.
TEST_F(TourOutput, ContactSheetShowsEachFrameInItsCell) {
  const QImage sheet = image("tour.png");
  const tour::SheetLayout layout{kWindow.width(), kWindow.height(), kFrames, 4};
  for (int frame = 0; frame < kFrames; ++frame) {
    const QPoint origin(layout.pictureArea(frame).left, layout.pictureArea(frame).top);
    for (const Button& button : kCommand1) {
      const QColor face = sheet.pixelColor(origin + facePoint(button));
      EXPECT_EQ(face == kColorBoton, frame != 10)
          << "frame " << frame << ", " << button.name << ": " << face.name().toStdString();
    }
  }
}

TEST_F(TourOutput, FilmStripHoldsTheTwentyFourYieldsOfMethodNine) {
  const QImage strip = image("method9.png");
  ASSERT_FALSE(strip.isNull());
  const QSize half = kWindow * 0.5;
  const tour::SheetLayout layout{half.width(), half.height(), kYields, kYields};
  EXPECT_EQ(strip.size(), QSize(layout.width(), layout.height()));
  EXPECT_EQ(layout.rows(), 1);
}

TEST_F(TourOutput, TableHasTheTitleOfEachPressInOrder) {
  const auto sections = sectionsOf(tour_test::readFile(out_ / "tour.md"));
  ASSERT_EQ(sections.size(), 10u);
  for (std::size_t press = 1; press <= sections.size(); ++press) {
    const std::string number = std::to_string(press);
    EXPECT_EQ(
        sections[press - 1].heading.rfind("## Press " + number + ": Prueba " + number + ": ", 0),
        0u)
        << sections[press - 1].heading;
  }
  EXPECT_EQ(sections[0].heading,
            "## Press 1: Prueba 1: Style+Appearance+Color (igual a CargarSkin)");
  EXPECT_EQ(sections[8].heading, "## Press 9: Prueba 9: DoEvents entre cada asignacion");
  EXPECT_EQ(sections[9].heading, "## Press 10: Prueba 10: Reset a estandar (para comparar)");
}

TEST_F(TourOutput, TableRowsMatchTheEndStateOfEachPress) {
  const std::string styled = " | 1 | 0 | 0x00B48246 | 0x00FFFFFF | #4682b4 | yes |";
  const std::string standard = " | 0 | 1 | 0x8000000F | 0x80000012 | ";
  const auto sections = sectionsOf(tour_test::readFile(out_ / "tour.md"));
  ASSERT_EQ(sections.size(), 10u);
  for (std::size_t press = 1; press <= 10; ++press) {
    const Section& section = sections[press - 1];
    EXPECT_EQ(section.refused, "Host calls refused during the press: 0") << section.heading;
    ASSERT_EQ(section.rows.size(), kCommand1.size()) << section.heading;
    for (std::size_t at = 0; at < kCommand1.size(); ++at) {
      const std::string prefix = std::string("| ") + kCommand1[at].name;
      const std::string& row = section.rows[at];
      if (press < 10) {
        EXPECT_EQ(row, prefix + styled) << section.heading;
      } else {
        EXPECT_EQ(row.rfind(prefix + standard, 0), 0u) << row;
        EXPECT_EQ(row.substr(row.size() - 7), " | no |") << row;
      }
    }
  }
}

TEST_F(TourOutput, StandardOutputCarriesTheTable) {
  EXPECT_EQ(run_.out.rfind(tour_test::readFile(out_ / "tour.md"), 0), 0u);
}

TEST_F(TourOutput, StandardErrorHasOneProgressLinePerMethod) {
  std::vector<std::string> progress;
  for (const std::string& line : lines(run_.err)) {
    if (line.rfind("skinbench-tour: press ", 0) == 0) progress.push_back(line);
  }
  ASSERT_EQ(progress.size(), 10u) << run_.err;
  EXPECT_EQ(progress[0].rfind("skinbench-tour: press 1 of 10: Prueba 1: ", 0), 0u);
  EXPECT_EQ(progress[9].rfind("skinbench-tour: press 10 of 10: Prueba 10: ", 0), 0u);
}

}  // namespace
