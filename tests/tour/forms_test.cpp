// skinbench-tour --form on a Designer form made for the tests, offscreen in Fusion: which widgets
// are the form's controls and what they are called, the colours the skin leaves on them as the
// pixels show, and the files the run refuses.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>

#include "tests/tour/tour_process.h"

namespace {

namespace fs = std::filesystem;
using tour_test::TempFolder;

using FormRow = std::map<std::string, std::string>;

std::vector<std::string> fields(const std::string& line) {
  std::vector<std::string> cells;
  std::istringstream stream(line);
  for (std::string cell; std::getline(stream, cell, ',');) cells.push_back(cell);
  return cells;
}

// forms.csv's rows by their header's names; no field of this form holds a comma.
std::vector<FormRow> rowsOf(const std::string& csv) {
  std::istringstream stream(csv);
  std::string line;
  std::getline(stream, line);
  const std::vector<std::string> header = fields(line);
  std::vector<FormRow> rows;
  while (std::getline(stream, line)) {
    const std::vector<std::string> cells = fields(line);
    FormRow row;
    for (std::size_t at = 0; at < header.size(); ++at) {
      row[header[at]] = at < cells.size() ? cells[at] : "";
    }
    rows.push_back(row);
  }
  return rows;
}

// One run on the sample form, shared by the tests here, with a designer plugin where Qt looks
// for plugins that the run must not load.
class SampleForm : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = std::make_unique<TempFolder>();
    out_ = folder_->path() / "out";
    setenv("QT_PLUGIN_PATH", SKINBENCH_TRAP_PLUGINS, 1);
    run_ = tour_test::runTour(
        {"--form", SKINBENCH_SAMPLE_FORM, "--style", "Fusion", "--out", out_.string()});
    unsetenv("QT_PLUGIN_PATH");
    rows_ = rowsOf(tour_test::readFile(out_ / "forms.csv"));
  }
  static void TearDownTestSuite() { folder_.reset(); }

  static const FormRow& row(const std::string& control) {
    for (const FormRow& row : rows_) {
      if (row.at("control") == control) return row;
    }
    throw std::runtime_error("no row for " + control);
  }

  static std::unique_ptr<TempFolder> folder_;
  static fs::path out_;
  static tour_test::Run run_;
  static std::vector<FormRow> rows_;
};

std::unique_ptr<TempFolder> SampleForm::folder_;
fs::path SampleForm::out_;
tour_test::Run SampleForm::run_;
std::vector<FormRow> SampleForm::rows_;

TEST_F(SampleForm, WritesTheThreeFilesAndLoadsNoPlugin) {
  ASSERT_EQ(run_.status, 0) << run_.err;
  EXPECT_EQ(tour_test::entriesOf(out_),
            (std::set<std::string>{"forms.csv", "forms.md", "forms.png"}));
  EXPECT_EQ(run_.err.find("trap plugin loaded"), std::string::npos) << run_.err;
}

// The file's own widgets in its tab order (its tab stops put saveButton before nameEdit): not
// the form's window, nor Qt's inner widgets, nor a label that does not show; the button box's
// buttons by the box and their text without its mnemonic mark ("&Yes").
TEST_F(SampleForm, ControlsAreTheFilesWidgetsInItsTabOrder) {
  const std::vector<std::string> expected = {
      "nameLabel Label QLabel",
      "notesEdit TextBox QTextEdit",
      "logEdit TextBox QPlainTextEdit",
      "rememberBox CheckBox QCheckBox",
      "dayOption OptionButton QRadioButton",
      "saveButton CommandButton QPushButton",
      "nameEdit TextBox QLineEdit",
      "optionsGroup Frame QGroupBox",
      "groupLabel Label QLabel",
      "countSpin QSpinBox QSpinBox",
      "sizeCombo ComboBox QComboBox",
      "colourList ListBox QListWidget",
      "fileView ListBox QListView",
      "loginPanel QWidget LoginPanel (as QWidget)",
      "buttonBox QDialogButtonBox QDialogButtonBox",
      "buttonBox.Yes CommandButton QPushButton",
      "buttonBox.OK CommandButton QPushButton",
      "buttonBox.Cancel CommandButton QPushButton",
  };
  std::vector<std::string> seen;
  for (const FormRow& row : rows_) {
    EXPECT_EQ(row.at("form") + " " + row.at("style"), "sample.ui Fusion");
    seen.push_back(row.at("control") + " " + row.at("type") + " " + row.at("class"));
  }
  EXPECT_EQ(seen, expected);
}

// What the skin leaves on screen: ColorBoton and white text on every push button, its text
// colours on the text boxes and boxes, and a patch where a label keeps the ground it stands on.
TEST_F(SampleForm, ShowsTheSkinsColoursAndPatchesAsThePixelsHaveThem) {
  struct Cell {
    const char* control;
    const char* column;
    const char* value;
  };
  const Cell cells[] = {
      {"saveButton", "face_after", "#4682b4"},
      {"saveButton", "text_after", "#ffffff"},
      {"buttonBox.OK", "face_after", "#4682b4"},
      {"buttonBox.Cancel", "face_after", "#4682b4"},
      {"nameEdit", "text_after", "#262a2e"},
      {"logEdit", "text_after", "#262a2e"},
      {"rememberBox", "face_after", "#ebecee"},
      {"rememberBox", "text_after", "#262a2e"},
      {"dayOption", "text_after", "#262a2e"},
      {"nameLabel", "face_after", "#ebecee"},
      {"nameLabel", "patch", "no"},
      {"groupLabel", "patch", "yes"},
      {"optionsGroup", "patch", "yes"},
      {"saveButton", "patch", "no"},
  };
  for (const Cell& cell : cells) {
    EXPECT_EQ(row(cell.control).at(cell.column), cell.value) << cell.control << " " << cell.column;
  }
  // The form opens with the focus on its window: a caret would be the darkest text of the first
  // control in tab order.
  EXPECT_NE(row("notesEdit").at("text_after"), "#000000");
  // The label in the group box shows the group box's own ground, which the skin left alone.
  EXPECT_EQ(row("groupLabel").at("face_after"), row("optionsGroup").at("face_after"));
  EXPECT_EQ(row("groupLabel").at("face_after"), row("groupLabel").at("face_before"));
}

// A file that gives no form: its name (a folder where it ends in "/"), its bytes (none: it is not
// there), and the words of its one line.
struct BadFile {
  const char* name;
  std::optional<std::string> bytes;
  const char* says;
};

TEST(FormsRefused, EachBadFileInOneLineWithStatusTwoAndNothingWritten) {
  using namespace std::string_literals;
  const BadFile files[] = {
      {"none.ui", std::nullopt, "none.ui: no such file"},
      {"forms.ui/", "", "forms.ui/: a folder, not a file"},
      {"a.png", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR"s, "a.png: not a Designer form: not XML"},
      {"a.exe", "MZ\x90\0\3\0\0\0PE\0\0"s, "a.exe: not a Designer form: not XML"},
      {"cut.ui", "<ui version=\"4.0\"><widget class=\"QWidget\">", "cut.ui: malformed XML: "},
      {"page.ui", "<html><body/></html>",
       "page.ui: not a Designer form: its root element is <html>, not <ui>"},
      {"old.ui", "<ui version=\"3.0\"><widget class=\"QWidget\"/></ui>",
       "old.ui: Qt's loader cannot build the form: This file was created using Designer from "
       "Qt-3.0"},
  };
  for (const BadFile& file : files) {
    const TempFolder folder;
    const fs::path path = folder.path() / file.name, out = folder.path() / "out";
    if (path.filename().empty()) fs::create_directory(path);
    if (file.bytes && !path.filename().empty())
      std::ofstream(path, std::ios::binary) << *file.bytes;
    const tour_test::Run run = tour_test::runTour({"--form", path.string(), "--out", out.string()});
    EXPECT_EQ(run.status, 2) << file.name;
    EXPECT_NE(run.err.find(file.says), std::string::npos) << run.err;
    // One line, the tour's: Qt's loader does not say it again in its own words.
    EXPECT_EQ(run.err.find("skinbench-tour: "), run.err.rfind("skinbench-tour: ")) << run.err;
    EXPECT_EQ(run.err.find("Designer: "), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "") << file.name;
    EXPECT_FALSE(fs::exists(out)) << file.name;
  }
}

}  // namespace
