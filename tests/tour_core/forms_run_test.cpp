// The forms run on forms whose pixels the test paints from the in-memory host's properties, so
// that what the real CargarSkin sets shows on screen: each control's face is its BackColor where
// the skin set one, else its own colour or the form showing through; its text is its ForeColor.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "host/memory/memory_host.h"
#include "tour/core/forms_program.h"
#include "tour/core/forms_report.h"
#include "tour/core/options.h"
#include "tour/core/staged_output.h"
#include "tour/core/text_format.h"

namespace tour {
namespace {

namespace fs = std::filesystem;
using host::memory::Call;
using host::memory::Operation;

constexpr RgbHex kFormGrey = 0xf0f0f0;  // the form's colour before the skin
constexpr RgbHex kColorFondo = rgbOf(235, 236, 238);
constexpr RgbHex kButtonFace = 0xe1e1e1;

// A control as the test paints it.
struct Painted {
  const char16_t* name;
  const char16_t* type;
  const char* className;
  Area area;
  std::optional<Area> text;    // none: it shows no text
  std::optional<RgbHex> face;  // its own colour; none: the form shows through
};

RgbHex fromColorValue(host::ColorValue value) {
  return rgbOf(value & 0xff, (value >> 8) & 0xff, (value >> 16) & 0xff);
}

// What a test makes the form and its watch do.
struct FormScene {
  std::vector<Painted> controls;
  std::optional<std::string> disturbance;
  std::function<void(host::memory::MemoryHost&)> refusals;
};

class PaintedForm final : public AdoptedForm {
 public:
  explicit PaintedForm(const FormScene& scene) : scene_(scene) {
    host::FormDefinition definition{u"Form1", u"Form1", 0, 0, 0, 0, {}};
    for (const Painted& control : scene.controls) {
      host::ControlDefinition added;
      added.name = control.name;
      added.typeName = control.type;
      definition.controls.push_back(added);
    }
    form_ = host_.addForm(definition);
    if (scene.refusals) scene.refusals(host_);
  }

  host::FormsHost& host() override { return host_; }
  host::FormRef form() override { return form_; }
  std::vector<AdoptedControl> controls() override {
    std::vector<AdoptedControl> controls;
    for (const host::ControlRef control : host_.controlsOf(form_)) {
      controls.push_back({control, painted(control).className});
    }
    return controls;
  }
  Area areaOf(host::ControlRef control) override { return painted(control).area; }
  std::optional<Area> textAreaOf(host::ControlRef control) override {
    return painted(control).text;
  }
  void settle() override {}
  bool waitFor(const std::function<bool()>& done) override { return done(); }
  Picture render() override { return paint(); }
  Picture readBack() override { return paint(); }
  void beginWatch() override {}
  std::optional<std::string> disturbance() override { return scene_.disturbance; }

 private:
  const Painted& painted(host::ControlRef control) const {
    const std::vector<host::ControlRef> all = host_.controlsOf(form_);
    return scene_.controls[static_cast<std::size_t>(std::find(all.begin(), all.end(), control) -
                                                    all.begin())];
  }

  std::optional<RgbHex> colour(host::ControlRef control, host::TextView member) const {
    const std::optional<host::Value> value = host_.property(control, member);
    if (!value) return std::nullopt;
    return fromColorValue(value->asInt32());
  }

  Picture paint() const {
    Picture picture(160, 100,
                    host_.backColor(form_) ? fromColorValue(*host_.backColor(form_)) : kFormGrey);
    for (const host::ControlRef control : host_.controlsOf(form_)) {
      const Painted& shown = painted(control);
      std::optional<RgbHex> face = colour(control, u"BackColor");
      if (!face) face = shown.face;
      if (face) {
        for (int y = shown.area.top; y < shown.area.bottom; ++y) {
          for (int x = shown.area.left; x < shown.area.right; ++x) picture.set(x, y, *face);
        }
      }
      if (!shown.text) continue;
      const RgbHex ink = colour(control, u"ForeColor").value_or(0);
      const int row = (shown.text->top + shown.text->bottom) / 2;
      for (int x = shown.text->left + 1; x < shown.text->right - 1; x += 3)
        picture.set(x, row, ink);
    }
    return picture;
  }

  FormScene scene_;
  host::memory::MemoryHost host_;
  host::FormRef form_;
};

class PaintedEntry : public FormEntry {
 public:
  PaintedEntry(std::string name, FormScene scene)
      : name_(std::move(name)), scene_(std::move(scene)) {}
  std::string name() const override { return name_; }
  Opening open(const std::string&) override { return {std::make_unique<PaintedForm>(scene_), {}}; }

 private:
  std::string name_;
  FormScene scene_;
};

FormResult skinned(const FormScene& scene) {
  PaintedEntry entry("form.ui", scene);
  return skinForm(entry, "painted", "test");
}

const ControlResult& control(const FormResult& result, const std::string& name) {
  for (const ControlResult& found : result.controls) {
    if (found.name == name) return found;
  }
  throw std::out_of_range("no control " + name);
}

// A button, a text box, a label and a check box; the text box refuses its Appearance, and the
// comparison of the label's type name with "TextBox" is refused, which the skin counts as a match.
FormScene fourControls() {
  FormScene scene;
  scene.controls = {
      {u"okButton",
       u"CommandButton",
       "QPushButton",
       {10, 10, 70, 40},
       Area{25, 20, 55, 30},
       kButtonFace},
      {u"nameBox", u"TextBox", "QLineEdit", {80, 10, 150, 40}, Area{84, 20, 140, 30}, 0xffffff},
      {u"nameLabel", u"Label", "QLabel", {10, 50, 70, 70}, Area{12, 54, 68, 66}, std::nullopt},
      {u"agree", u"CheckBox", "QCheckBox", {80, 50, 150, 70}, Area{100, 54, 146, 66}, kFormGrey},
  };
  scene.refusals = [](host::memory::MemoryHost& host) {
    host.refuse(Operation::SetProperty, u"Appearance", "nameBox");
    host.refuse([](const Call& call) {
      return call.operation == Operation::TextEquals &&
             call.arguments ==
                 std::vector{host::Value::text(u"Label"), host::Value::text(u"TextBox")};
    });
  };
  return scene;
}

TEST(Forms, TheSkinsCallsBelongToTheControlTheyWereMadeOn) {
  const FormResult result = skinned(fourControls());
  ASSERT_EQ(result.outcome, FormOutcome::Skinned) << result.reason;
  EXPECT_EQ(result.formCalls, std::vector<std::string>{"BackColor"});
  const struct {
    const char* name;
    std::vector<std::string> calls;
    std::vector<std::string> refused;
  } cases[] = {
      {"okButton", {"ForeColor", "Style", "Appearance", "BackColor"}, {}},
      {"nameBox", {"BackColor", "ForeColor", "BorderStyle"}, {"Appearance"}},
      {"nameLabel",
       {"BackColor", "ForeColor", "BorderStyle", "Appearance"},
       {"type name comparison"}},
      {"agree", {"BackColor", "ForeColor"}, {}},
  };
  for (const auto& [name, calls, refused] : cases) {
    EXPECT_EQ(control(result, name).calls, calls) << name;
    EXPECT_EQ(control(result, name).refused, refused) << name;
  }
}

// A control the skin leaves alone is a patch only where its face, read off the pixels clear of the
// controls on it, is not the form's new colour.
TEST(Forms, APatchIsALeftAloneControlWhoseFaceIsNotTheForms) {
  // Most of the form: its colour is read from what the controls leave of it.
  const Area kBox{5, 5, 150, 95};
  const Area kText{20, 30, 90, 50};
  const Painted kGroupBox{u"l", u"Frame", "QGroupBox", kBox, std::nullopt, std::nullopt};
  const Painted kTextBox{u"t", u"TextBox", "QLineEdit", {20, 24, 140, 80}, std::nullopt, 0xffffff};
  const struct {
    const char* what;
    std::vector<Painted> controls;
    RgbHex face;
    bool patch;
  } cases[] = {
      {"a label that shows the form through",
       {{u"l", u"Label", "QLabel", kBox, kText, std::nullopt}},
       kColorFondo,
       false},
      {"a label that keeps its grey",
       {{u"l", u"Label", "QLabel", kBox, kText, kFormGrey}},
       kFormGrey,
       true},
      {"a label whose text fills it",
       {{u"l", u"Label", "QLabel", kBox, kBox, std::nullopt}},
       kColorFondo,
       false},
      {"a group box that shows the form through, full of its text box",
       {kGroupBox, kTextBox},
       kColorFondo,
       false},
      {"a group box in a group box, full of its text box",
       {{u"o", u"Frame", "QGroupBox", {2, 2, 155, 98}, std::nullopt, std::nullopt},
        kGroupBox,
        kTextBox},
       kColorFondo,
       false},
      {"a group box its text box covers whole",
       {kGroupBox, {u"t", u"TextBox", "QLineEdit", kBox.grown(-4), std::nullopt, 0xffffff}},
       0xffffff,
       true},
      {"a text box the skin coloured apart from the form",
       {{u"l", u"TextBox", "QLineEdit", kBox, kText, 0xffffff}},
       0xffffff,
       false},
  };
  for (const auto& [what, controls, face, patch] : cases) {
    const FormResult result = skinned({controls, {}, {}});
    ASSERT_EQ(result.outcome, FormOutcome::Skinned) << what << ": " << result.reason;
    EXPECT_EQ(result.backgroundAfter, kColorFondo) << what;
    EXPECT_EQ(control(result, "l").after.face, face) << what;
    EXPECT_EQ(control(result, "l").patch, patch) << what;
  }
}

TEST(Forms, TheCsvHasItsHeaderAndARowPerControlTextlessOnesWithoutTextOrContrast) {
  FormScene scene = fourControls();
  scene.refusals = {};
  scene.controls.push_back(
      {u"box", u"Frame", "QGroupBox", {2, 80, 40, 98}, std::nullopt, std::nullopt});
  FormResult result = skinned(scene);
  std::istringstream csv(formsCsv({result}));
  std::string line;
  std::vector<std::string> lines;
  while (std::getline(csv, line)) lines.push_back(line);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0],
            "form,style,control,type,class,face_before,text_before,contrast_before,face_after,"
            "text_after,contrast_after,readable,changed,patch,refused");
  EXPECT_EQ(lines[1],
            "form.ui,painted,okButton,CommandButton,QPushButton,#e1e1e1,#000000,16.06,#4682b4,"
            "#ffffff,4.11,no,yes,no,0");
  EXPECT_EQ(lines[5], "form.ui,painted,box,Frame,QGroupBox,#f0f0f0,,,#ebecee,,,yes,yes,no,0");
  // A name from the user's file may hold anything; a row stays one row.
  EXPECT_EQ(csvField("two\nlines"), "\"two\nlines\"");
}

// A control whose black text (if any) stands on `face` after the skin.
ControlResult ranked(const char* name, RgbHex face, bool text, bool patch = false,
                     int refused = 0) {
  ControlResult control;
  control.name = name;
  control.after = {face, text ? std::optional<RgbHex>(0) : std::nullopt};
  control.patch = patch;
  control.refused.assign(static_cast<std::size_t>(refused), "BackColor");
  return control;
}

TEST(Forms, TheWorstControlsComeFirst) {
  FormResult result;
  result.controls = {
      ranked("no text", 0x404040, false),          ranked("readable", 0xc0c0c0, true),
      ranked("refused", 0xffffff, true, false, 1), ranked("patch", 0xffffff, true, true),
      ranked("less readable", 0x808080, true),     ranked("unreadable", 0x404040, true)};
  std::vector<std::string> order;
  for (const ControlResult* control : worstFirst(result)) order.push_back(control->name);
  EXPECT_EQ(order, (std::vector<std::string>{"unreadable", "patch", "refused", "less readable",
                                             "readable", "no text"}));
}

TEST(Forms, AResultComesBackFromItsBytesAndGarbledBytesGiveNothing) {
  FormResult result;
  result.form = "comdlg32.dll#1540";
  result.style = "themed";
  result.heading = "Themed controls";
  result.backgroundAfter = kColorFondo;
  result.formCalls = {"BackColor"};
  result.formRefused = {"RGB"};
  result.controls = {
      {"ID1",
       "CommandButton",
       "BUTTON",
       {kButtonFace, 0},
       {0x4682b4, 0xffffff},
       {"ForeColor"},
       {"Style"},
       false},
      {"ID2", "Label", "STATIC", {kFormGrey, std::nullopt}, {kFormGrey, 0}, {}, {}, true}};
  result.before = Picture(7, 3, kFormGrey);
  result.before.set(2, 1, 0x123456);
  result.after = Picture(7, 3, kColorFondo);
  const std::string bytes = serializeFormResult(result);
  EXPECT_EQ(deserializeFormResult(bytes), result);
  for (std::size_t size = 0; size < bytes.size(); ++size) {
    ASSERT_FALSE(deserializeFormResult(bytes.substr(0, size))) << "cut at " << size;
  }
  EXPECT_FALSE(deserializeFormResult(bytes + '\0'));
  std::string longRun = bytes;  // the last run, of the picture after, one pixel too long
  longRun[bytes.size() - 8] = 22;
  EXPECT_FALSE(deserializeFormResult(longRun));
  std::string otherFormat = bytes;
  otherFormat[0] ^= 1;
  EXPECT_FALSE(deserializeFormResult(otherFormat));
}

TEST(Forms, FormTakesOneFilePerOption) {
  EXPECT_EQ(takeOptions({"tour", "--form", "a.ui", "--form=b b.ui"}).options->forms,
            (std::vector<std::string>{"a.ui", "b b.ui"}));
  EXPECT_EQ(takeOptions({"tour", "--form"}).error, "--form needs a value");
}

// --- the whole run, through formsInto --------------------------------------------------------

class FakeTourHost final : public TourHost {
 public:
  std::string styleName() override { return "painted"; }
  void useStyle(const std::string&) override {}
  std::string platformName() override { return "test"; }
  std::string verdictsHeading(const std::string& style) override { return style + " on test"; }
  std::unique_ptr<FormWindow> loadForm1(std::function<void()>) override { return nullptr; }
};

class FlatPainter final : public SheetPainter {
 public:
  Picture label(const std::string&, int width, int height, RgbHex background, RgbHex) override {
    return Picture(width, height, background);
  }
  Picture scaled(const Picture&, int width, int height) override { return Picture(width, height); }
};

// A form that cannot be made, and one computed elsewhere that faulted there.
class UnmadeEntry final : public FormEntry {
 public:
  std::string name() const override { return "app.exe#7"; }
  Opening open(const std::string&) override { return {nullptr, "its class MyGrid\nis its own"}; }
};

class FaultedElsewhereEntry final : public FormEntry {
 public:
  std::string name() const override { return "app.exe#8"; }
  Opening open(const std::string&) override { throw std::logic_error("opened here"); }
  FormResult skin(const std::string& style, const std::string&) override {
    FormResult result;
    result.form = name();
    result.style = style;
    result.outcome = FormOutcome::Faulted;
    result.reason = "access violation";
    return result;
  }
};

class ThrowingEntry final : public FormEntry {
 public:
  std::string name() const override { return "app.exe#9"; }
  Opening open(const std::string&) override { throw std::runtime_error("no memory for the grid"); }
};

// Files by their names: what the loader says of each.
class FakeLoader final : public FormsLoader {
 public:
  LoadedFile load(const std::string& path) override {
    const std::string name = fileNameOf(path);
    LoadedFile file;
    if (name == "notes.txt") return {{}, FileRefusal::NotAForm, {}};
    if (name == "broken.ui") return {{}, FileRefusal::Malformed, "not well formed at line 3"};
    if (name == "nodialogs.exe") return file;
    if (name == "throws.ui") throw std::runtime_error("the parser gave up at line 9");
    if (name == "app.exe") {
      file.forms.push_back(std::make_unique<UnmadeEntry>());
      file.forms.push_back(std::make_unique<FaultedElsewhereEntry>());
      file.forms.push_back(std::make_unique<ThrowingEntry>());
    }
    // A fifth control, unreadable before the skin and after it; the form refuses its colour.
    FormScene scene = fourControls();
    scene.controls.push_back({u"applyButton",
                              u"CommandButton",
                              "QPushButton",
                              {10, 75, 70, 95},
                              Area{25, 80, 55, 90},
                              0x404040});
    scene.refusals = [refusals = scene.refusals](host::memory::MemoryHost& host) {
      refusals(host);
      host.refuse(Operation::SetBackColor);
    };
    if (name == "restless.ui") scene.disturbance = "the window lost the activation";
    file.forms.push_back(std::make_unique<PaintedEntry>(name, scene));
    return file;
  }
};

class FormsRun : public testing::Test {
 protected:
  FormsRun() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    root_ = fs::temp_directory_path() / ("forms-run-" + std::to_string(now));
    fs::create_directories(root_ / "folder.ui");
    for (const char* name : {"login.ui", "notes.txt", "broken.ui", "nodialogs.exe", "app.exe",
                             "restless.ui", "throws.ui"}) {
      std::ofstream(root_ / name) << "x";
    }
  }
  ~FormsRun() override { fs::remove_all(root_); }

  std::string path(const std::string& name) const { return (root_ / name).string(); }
  std::string out() const { return path("out"); }

  int run(const std::vector<std::string>& names) {
    std::vector<std::string> files;
    for (const std::string& name : names) files.push_back(path(name));
    FakeLoader loader;
    FakeTourHost host;
    FlatPainter painter;
    stdout_.str({});
    stderr_.str({});
    return formsInto(loader, files, host, painter, out(), {"painted"}, stdout_, stderr_);
  }

  std::vector<std::string> errLines() const {
    std::istringstream text(stderr_.str());
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);) lines.push_back(line);
    return lines;
  }

  std::string file(const std::string& name) const {
    std::ifstream stream(fs::path(out()) / name);
    return {std::istreambuf_iterator<char>(stream), {}};
  }

  fs::path root_;
  std::ostringstream stdout_;
  std::ostringstream stderr_;
};

// Every file is checked before anything is written; each bad one has its line.
TEST_F(FormsRun, EachBadFileHasItsLineStatus2AndNothingIsWritten) {
  const struct {
    std::vector<std::string> files;
    std::vector<std::string> reasons;  // one line per bad file, in order
  } cases[] = {
      {{"absent.ui"}, {"absent.ui: no such file"}},
      {{"folder.ui"}, {"folder.ui: a folder, not a file"}},
      {{"notes.txt"}, {"notes.txt: neither a form nor a program"}},
      {{"broken.ui"}, {"broken.ui: not well formed at line 3"}},
      {{"nodialogs.exe"}, {"nodialogs.exe: holds no forms"}},
      {{"throws.ui"}, {"throws.ui: the parser gave up at line 9"}},
      {{"login.ui", "broken.ui", "absent.ui"},
       {"broken.ui: not well formed at line 3", "absent.ui: no such file"}},
  };
  for (const auto& [files, reasons] : cases) {
    EXPECT_EQ(run(files), 2) << files.back();
    const std::vector<std::string> lines = errLines();
    ASSERT_EQ(lines.size(), reasons.size()) << stderr_.str();
    for (std::size_t at = 0; at < lines.size(); ++at) {
      EXPECT_TRUE(lines[at].starts_with("skinbench-tour: " + root_.string()) &&
                  lines[at].ends_with(reasons[at]))
          << lines[at];
    }
    EXPECT_FALSE(fs::exists(out())) << files.back();
  }
}

TEST_F(FormsRun, AFormNotMadeOrFaultedHasItsLineAndTheOthersAreKept) {
  ASSERT_EQ(run({"app.exe", "login.ui"}), 0) << stderr_.str();
  const std::vector<std::string> lines = errLines();
  ASSERT_EQ(lines.size(), 5u) << stderr_.str();
  EXPECT_EQ(lines[0],
            "skinbench-tour: app.exe#7 in painted: cannot be made: its class MyGrid is its own");
  EXPECT_EQ(lines[1], "skinbench-tour: app.exe#8 in painted: faulted: access violation");
  EXPECT_EQ(lines[2], "skinbench-tour: app.exe#9 in painted: faulted: no memory for the grid");
  EXPECT_EQ(lines[4],
            "skinbench-tour: login.ui in painted: 5 controls, 5 skinned, 2 unreadable after (1 of "
            "them readable before), 0 patches, 3 calls refused");
  const std::string csv = file("forms.csv");
  EXPECT_NE(csv.find("\napp.exe,painted,okButton,"), std::string::npos) << csv;
  EXPECT_NE(csv.find("\nlogin.ui,painted,okButton,"), std::string::npos) << csv;
  EXPECT_EQ(csv.find("app.exe#"), std::string::npos) << csv;
  const std::string markdown = file("forms.md");
  EXPECT_NE(markdown.find("- app.exe#7 in painted: cannot be made: its class MyGrid is its own\n"),
            std::string::npos);
  EXPECT_NE(markdown.find("- app.exe#8 in painted: faulted: access violation\n"),
            std::string::npos);
  EXPECT_TRUE(fs::exists(fs::path(out()) / "forms.png"));
}

TEST_F(FormsRun, AWindowDisturbedWhileTheSkinRanEndsTheRunWithNothingWritten) {
  EXPECT_EQ(run({"login.ui", "restless.ui"}), 1);
  EXPECT_NE(stderr_.str().find("restless.ui in painted: the window lost the activation while the "
                               "skin ran on the test platform"),
            std::string::npos)
      << stderr_.str();
  EXPECT_FALSE(fs::exists(out()));
}

}  // namespace
}  // namespace tour
