// The verdicts' runs on a window whose pixels the test paints: one Command1 button, its face and
// caption in chosen colours, and whatever the window watch is made to report.
#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>

#include "host/memory/memory_host.h"
#include "tests/tour_core/sample_button.h"
#include "tour/core/reports.h"
#include "tour/core/tour_run.h"

namespace tour {
namespace {

using sample::kButton;
using sample::kCaption;

// What the test window shows and what its watch says.
struct Scene {
  RgbHex face = 0;
  RgbHex text = 0;  // the caption's glyphs
  Area caption;     // where the button says its caption is drawn
  std::optional<std::string> disturbance;
};

Scene showing(RgbHex face, RgbHex text, Area caption = kCaption) {
  Scene scene;
  scene.face = face;
  scene.text = text;
  scene.caption = caption;
  return scene;
}

Scene disturbed(const std::string& disturbance) {
  Scene scene;
  scene.disturbance = disturbance;
  return scene;
}

Picture painted(const Scene& scene) {
  Picture picture(80, 40, 0xf0f0f0);
  for (int y = kButton.top; y < kButton.bottom; ++y) {
    for (int x = kButton.left; x < kButton.right; ++x) picture.set(x, y, scene.face);
  }
  for (int x = kCaption.left + 2; x < kCaption.right - 2; x += 2) picture.set(x, 20, scene.text);
  return picture;
}

class PaintedWindow final : public FormWindow {
 public:
  explicit PaintedWindow(const Scene& scene) : scene_(scene), picture_(painted(scene)) {
    host::ControlDefinition button;
    button.name = u"Command1";
    button.index = 0;
    button.typeName = u"CommandButton";
    form_ = host_.addForm({u"Form1", u"Form1", 0, 0, 0, 0, {button}});
  }

  host::FormsHost& host() override { return host_; }
  std::vector<host::ControlRef> controls() override { return host_.controlsOf(form_); }
  void pressNext() override {}
  void pressFor(int) override {}
  Picture pressForReadingAtReturn(int) override { return picture_; }
  void settle() override {}
  bool waitFor(const std::function<bool()>& done) override { return done(); }
  int patienceSeconds() const override { return 0; }
  std::string title() override { return "Prueba"; }
  Picture render() override { return picture_; }
  Picture readBack() override { return picture_; }
  void beginWatch() override {}
  std::optional<std::string> disturbance() override { return scene_.disturbance; }
  Area areaOf(host::ControlRef) override { return kButton; }
  Area captionOf(host::ControlRef) override { return scene_.caption; }
  int refused() const override { return 0; }
  void resetRefused() override {}

 private:
  Scene scene_;
  Picture picture_;
  host::memory::MemoryHost host_;
  host::FormRef form_;
};

class PaintedHost final : public TourHost {
 public:
  explicit PaintedHost(Scene scene) : scene_(std::move(scene)) {}
  std::string styleName() override { return "painted"; }
  void useStyle(const std::string&) override {}
  std::string platformName() override { return "test"; }
  std::string verdictsHeading(const std::string& style) override { return style + " on test"; }
  std::unique_ptr<FormWindow> loadForm1(std::function<void()>) override {
    return std::make_unique<PaintedWindow>(scene_);
  }

 private:
  Scene scene_;
};

std::vector<CaseVerdict> judge(const Scene& scene) {
  PaintedHost host(scene);
  return runVerdicts(host, {"painted"}, [](const std::vector<CaseVerdict>&) {});
}

// The first button's "text,colorboton,contrast,readable" in verdicts.csv.
std::string csvFields(const std::vector<CaseVerdict>& verdicts) {
  std::istringstream csv(verdictsCsv(verdicts));
  std::string header, row, field;
  std::getline(csv, header);
  std::getline(csv, row);
  std::istringstream fields(row);
  std::vector<std::string> parts;
  while (std::getline(fields, field, ',')) parts.push_back(field);
  return parts.size() < 9 ? row : parts[5] + "," + parts[6] + "," + parts[7] + "," + parts[8];
}

// Text a person cannot see measures 1.00:1, whatever the face; a contrast that prints as 4.50 is
// readable, as 4.50 is.
TEST(TourRun, JudgesEachButtonByTheContrastItPrints) {
  using sample::kSteelBlue;
  constexpr RgbHex kJustUnder = rgbOf(70, 119, 193);  // white on it: 4.4976:1
  const struct {
    const char* what;
    Scene scene;
    const char* fields;
  } cases[] = {
      {"white text", showing(kSteelBlue, 0xffffff), "#ffffff,yes,4.11,no"},
      {"a contrast just under 4.5", showing(kJustUnder, 0xffffff), "#ffffff,no,4.50,yes"},
      {"text in the face's colour", showing(kSteelBlue, kSteelBlue), "#4682b4,yes,1.00,no"},
      {"a light face's colour", showing(0xf0f0f0, 0xf0f0f0), "#f0f0f0,no,1.00,no"},
      {"no caption", showing(kSteelBlue, 0xffffff, Area{40, 20, 40, 20}), "#4682b4,yes,1.00,no"},
  };
  for (const auto& [what, scene, fields] : cases) {
    const std::vector<CaseVerdict> verdicts = judge(scene);
    ASSERT_EQ(verdicts.size(), 2u * kMethods) << what;
    EXPECT_EQ(csvFields(verdicts), fields) << what;
  }
}

// Nothing is judged off pixels that could not be checked: where the window's watch saw it lose
// the activation while a method ran, the run stops and says so.
TEST(TourRun, StopsWhereTheWindowLostTheActivationWhileAMethodRan) {
  try {
    judge(disturbed("the window lost the activation"));
    ADD_FAILURE() << "judged";
  } catch (const ReadBackError& error) {
    EXPECT_NE(std::string(error.what())
                  .find("the window lost the activation while a method ran on the test platform"),
              std::string::npos)
        << error.what();
  }
}

}  // namespace
}  // namespace tour
