#include "tour/tour_run.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QWidget>
#include <memory>
#include <stdexcept>

#include "host/error.h"
#include "host/qt/convert.h"
#include "host/qt/qt_host.h"
#include "testbench/form1.h"
#include "tour/capturing_host.h"
#include "tour/window_readback.h"

namespace tour {
namespace {

using host::qt::toQString;

Frame grab(QWidget& window) {
  return {window.grab().toImage(), window.windowTitle()};
}

// A point on the button's face well clear of its centred caption, its border and the focus
// frame, in the window's coordinates.
QPoint facePoint(const QWidget& button) {
  const QRect area = button.geometry();
  return {area.left() + 10, area.center().y()};
}

QColor colourAt(const QImage& image, QPoint point) {
  const qreal ratio = image.devicePixelRatio();
  return image.pixelColor(qRound(point.x() * ratio), qRound(point.y() * ratio));
}

class Tour {
 public:
  Tour() : capturing_(qtHost_) {
    qtHost_.setRefusalObserver([this](const host::HostError&) { ++refused_; });
    capturing_.setAfterYield([this] { result_.yields.push_back(grab(window())); });
  }

  TourResult run(const std::function<void(const Press&)>& progress) {
    load();
    for (int number = 1; number <= kPresses; ++number) {
      result_.presses.push_back(press(number));
      progress(result_.presses.back());
    }
    return std::move(result_);
  }

 private:
  void load() {
    host::Project project = testbench::ProyectoForm1();
    // Form1 runs on the capturing host, so that its yields are seen.
    project.createCode = [this](host::FormsHost&, host::FormRef form) {
      return std::make_unique<testbench::Form1>(capturing_, form);
    };
    form_ = qtHost_.createForm(*project.startupForm);
    qtHost_.attachCode(form_, project);
    showActive(window());
    result_.frames.push_back(grab(window()));
    buttons_ = command1Buttons();
  }

  Press press(int number) {
    refused_ = 0;
    probar().click();
    settle();
    Press outcome{number, window().windowTitle(), {}, refused_};
    result_.frames.push_back(grab(window()));
    for (const host::ControlRef button : buttons_) {
      outcome.buttons.push_back(stateOf(button, result_.frames.back().image));
    }
    return outcome;
  }

  ButtonState stateOf(host::ControlRef button, const QImage& frame) {
    ButtonState state;
    state.button = QStringLiteral("Command1(%1) %2")
                       .arg(read(button, u"Index").value_or(-1))
                       .arg(toQString(readText(button, u"Caption")));
    state.style = read(button, u"Style");
    state.appearance = read(button, u"Appearance");
    state.backColor = read(button, u"BackColor");
    state.foreColor = read(button, u"ForeColor");
    state.painted = colourAt(frame, facePoint(*qtHost_.widget(button)));
    state.colorBoton = state.painted == kColorBoton;
    return state;
  }

  std::optional<std::int32_t> read(host::ControlRef control, host::TextView member) {
    try {
      return qtHost_.getProperty(control, member).asInt32();
    } catch (const host::HostError&) {
      return std::nullopt;
    }
  }

  host::Text readText(host::ControlRef control, host::TextView member) {
    try {
      return qtHost_.getProperty(control, member).asText();
    } catch (const host::HostError&) {
      return {};
    }
  }

  // The members of Command1, in the host's order, chosen as the test methods choose them.
  std::vector<host::ControlRef> command1Buttons() {
    std::vector<host::ControlRef> buttons;
    for (const host::ControlRef control : qtHost_.controlsOf(form_)) {
      if (qtHost_.typeName(control) == u"CommandButton" &&
          readText(control, u"Name") == u"Command1")
        buttons.push_back(control);
    }
    return buttons;
  }

  QWidget& window() const { return *qtHost_.widget(form_); }

  QAbstractButton& probar() const { return probarButton(qtHost_, form_); }

  host::qt::QtHost qtHost_;
  CapturingHost capturing_;
  host::FormRef form_;
  std::vector<host::ControlRef> buttons_;
  TourResult result_;
  int refused_ = 0;
};

}  // namespace

void settle() {
  QCoreApplication::sendPostedEvents();
  QAbstractEventDispatcher* dispatcher = QCoreApplication::eventDispatcher();
  for (int round = 0; round < 100 && dispatcher->processEvents(QEventLoop::AllEvents); ++round) {
  }
}

QAbstractButton& probarButton(const host::qt::QtHost& host, host::FormRef form) {
  auto* button = qobject_cast<QAbstractButton*>(host.widget(host.control(form, u"cmdProbar")));
  if (!button) throw std::runtime_error("Form1 has no button cmdProbar");
  return *button;
}

TourResult runTour(const std::function<void(const Press&)>& progress) {
  Tour tour;
  return tour.run(progress);
}

}  // namespace tour
