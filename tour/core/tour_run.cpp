#include "tour/core/tour_run.h"

#include <utility>

#include "host/error.h"
#include "host/text.h"
#include "tour/core/button_colours.h"

namespace tour {
namespace {

constexpr int kStandardMethod = 10;
constexpr int kPictureMargin = 4;

// A property of a control as a number, or nothing where the host refuses the read.
std::optional<std::int32_t> readNumber(host::FormsHost& host, host::ControlRef control,
                                       host::TextView member) {
  try {
    return host.getProperty(control, member).asInt32();
  } catch (const host::HostError&) {
    return std::nullopt;
  }
}

host::Text readText(host::FormsHost& host, host::ControlRef control, host::TextView member) {
  try {
    return host.getProperty(control, member).asText();
  } catch (const host::HostError&) {
    return {};
  }
}

// The members of Command1, in the host's order, chosen as the test methods choose them.
std::vector<host::ControlRef> command1Buttons(FormWindow& window) {
  std::vector<host::ControlRef> buttons;
  for (const host::ControlRef control : window.controls()) {
    if (window.host().typeName(control) == u"CommandButton" &&
        readText(window.host(), control, u"Name") == u"Command1") {
      buttons.push_back(control);
    }
  }
  return buttons;
}

std::string indexOf(FormWindow& window, host::ControlRef control) {
  return std::to_string(readNumber(window.host(), control, u"Index").value_or(-1));
}

// A point on the button's face well clear of its centred caption, its border and the focus
// frame.
RgbHex facePixel(const Picture& frame, const Area& button) {
  return frame.at(button.left + 10, button.top + (button.height() - 1) / 2);
}

class PressTour {
 public:
  explicit PressTour(TourHost& host) : host_(host) {}

  TourResult run(const std::function<void(const Press&)>& progress) {
    window_ = host_.loadForm1([this] { result_.yields.push_back(frame()); });
    result_.frames.push_back(frame());
    buttons_ = command1Buttons(*window_);
    for (int number = 1; number <= kPresses; ++number) {
      result_.presses.push_back(press(number));
      progress(result_.presses.back());
    }
    return std::move(result_);
  }

 private:
  Frame frame() { return {window_->render(), window_->title()}; }

  Press press(int number) {
    window_->resetRefused();
    window_->pressNext();
    window_->settle();
    Press outcome{number, window_->title(), {}, window_->refused()};
    result_.frames.push_back(frame());
    for (const host::ControlRef button : buttons_) {
      outcome.buttons.push_back(stateOf(button, result_.frames.back().image));
    }
    return outcome;
  }

  ButtonState stateOf(host::ControlRef button, const Picture& frame) {
    host::FormsHost& host = window_->host();
    ButtonState state;
    state.button = "Command1(" + indexOf(*window_, button) + ") " +
                   host::toUtf8(readText(host, button, u"Caption"));
    state.style = readNumber(host, button, u"Style");
    state.appearance = readNumber(host, button, u"Appearance");
    state.backColor = readNumber(host, button, u"BackColor");
    state.foreColor = readNumber(host, button, u"ForeColor");
    state.painted = facePixel(frame, window_->areaOf(button));
    state.colorBoton = state.painted == kColorBoton;
    return state;
  }

  TourHost& host_;
  std::unique_ptr<FormWindow> window_;
  std::vector<host::ControlRef> buttons_;
  TourResult result_;
};

// One method on a fresh Form1: loads it, optionally applies method 10 first, then presses
// PROBAR once for the method and reads what each Command1 button shows.
class Case {
 public:
  Case(TourHost& host, const std::string& style, Start start, int method)
      : verdict_{style, host.verdictsHeading(style), start, method, {}, {}, 0, {}},
        platform_(host.platformName()),
        window_(host.loadForm1()) {}

  CaseVerdict run() {
    if (verdict_.start == Start::Standard) {
      window_->pressFor(kStandardMethod);
      window_->settle();
    }
    // Before and after are checked against a fresh rendering; what the click's handler left on
    // screen when it returned cannot be, so the watch makes sure nothing spoilt it.
    const Picture before = checkedReadBack(*window_, platform_);
    window_->beginWatch();
    window_->resetRefused();
    const Picture atReturn = window_->pressForReadingAtReturn(verdict_.method);
    const Picture after = checkedReadBack(*window_, platform_);
    checkWatch();
    verdict_.refused = window_->refused();
    verdict_.title = window_->title();
    read(before, atReturn, after);
    return std::move(verdict_);
  }

 private:
  void checkWatch() {
    const std::optional<std::string> disturbance = window_->disturbance();
    if (!disturbance) return;
    throw ReadBackError(*disturbance + " while a method ran on the " + platform_ +
                        " platform, so what it showed meanwhile cannot be read back reliably; "
                        "nothing was written");
  }

  void read(const Picture& before, const Picture& atReturn, const Picture& after) {
    Area rows;
    for (const host::ControlRef button : command1Buttons(*window_)) {
      const Area area = window_->areaOf(button);
      const ButtonColours colours = measureButton(after, area, window_->captionOf(button));
      ButtonVerdict verdict;
      verdict.button = "Command1(" + indexOf(*window_, button) + ")";
      verdict.face = colours.face;
      verdict.text = colours.text;
      verdict.contrast = reportedContrast(colours.face, colours.text);
      verdict.shownBeforeReturn = atReturn.samePixels(after, area);
      verdict.unchanged = before.samePixels(after, area);
      verdict_.buttons.push_back(verdict);
      rows = rows.united(area);
    }
    verdict_.picture = after.copy(rows.grown(kPictureMargin));
  }

  CaseVerdict verdict_;
  std::string platform_;
  std::unique_ptr<FormWindow> window_;
};

}  // namespace

TourResult runTour(TourHost& host, const std::function<void(const Press&)>& progress) {
  return PressTour(host).run(progress);
}

std::vector<CaseVerdict> runVerdicts(
    TourHost& host, const std::vector<std::string>& styles,
    const std::function<void(const std::vector<CaseVerdict>&)>& progress) {
  std::vector<CaseVerdict> verdicts;
  for (const std::string& style : styles) {
    host.useStyle(style);
    for (const Start start : kStarts) {
      std::vector<CaseVerdict> group;
      for (int method = 1; method <= kMethods; ++method) {
        group.push_back(Case(host, style, start, method).run());
      }
      progress(group);
      verdicts.insert(verdicts.end(), group.begin(), group.end());
    }
  }
  return verdicts;
}

Picture checkedReadBack(ShownWindow& window, const std::string& platform) {
  Picture shown;
  Picture painted;
  const bool agreed = window.waitFor([&] {
    window.settle();
    shown = window.readBack();
    painted = window.render();
    return shown == painted;
  });
  if (agreed) return shown;
  if (shown.width() != painted.width() || shown.height() != painted.height()) {
    // The offscreen platform does so at a scale factor other than 1.
    throw ReadBackError("the " + platform + " platform reads back " +
                        std::to_string(shown.width()) + "x" + std::to_string(shown.height()) +
                        " of the window's " + std::to_string(painted.width()) + "x" +
                        std::to_string(painted.height()) +
                        " pixels, so its pixels cannot be read back reliably; nothing was written");
  }
  throw ReadBackError(std::to_string(shown.differingPixels(painted)) + " of the window's " +
                      std::to_string(painted.width() * painted.height()) +
                      " pixels as read back on the " + platform +
                      " platform differ from what was painted: it is covered, unmapped or off the "
                      "screen, so its pixels cannot be read back reliably; nothing was written");
}

}  // namespace tour
