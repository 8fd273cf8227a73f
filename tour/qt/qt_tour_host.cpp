#include "tour/verdicts_run.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <cmath>

#include "host/error.h"
#include "host/qt/convert.h"
#include "host/qt/qt_host.h"
#include "testbench/form1.h"
#include "tour/button_colours.h"
#include "tour/tour_run.h"
#include "tour/window_readback.h"

namespace testbench {

// The tour picks the method a press runs by presetting the number of the last one.
struct Form1Acceso {
  static std::int16_t& MetodoActual(Form1& form) { return form.MetodoActual; }
};

}  // namespace testbench

namespace tour {
namespace {

constexpr int kStandardMethod = 10;
constexpr int kPictureMargin = 4;

QRect devicePixels(const QImage& image, const QRect& logical) {
  const qreal ratio = image.devicePixelRatio();
  return QRect(qRound(logical.x() * ratio), qRound(logical.y() * ratio),
               qRound(logical.width() * ratio), qRound(logical.height() * ratio));
}

bool samePixels(const QImage& first, const QImage& second, const QRect& area) {
  return first.copy(devicePixels(first, area)) == second.copy(devicePixels(second, area));
}

// Where the button draws its caption: centred, as both the style and the host draw it.
QRect captionRect(const QAbstractButton& button) {
  QRect caption = button.fontMetrics().boundingRect(button.text());
  caption.moveCenter(button.geometry().center());
  return caption.adjusted(-1, -1, 1, 1);
}

// One method on a fresh Form1: loads it, shows it, optionally applies method 10 first, then
// presses PROBAR once for the method and reads what each Command1 button shows.
class Case {
 public:
  Case(const QString& style, Start start, int method)
      : verdict_{style, QGuiApplication::platformName(), start, method, {}, {}, 0, {}} {
    qtHost_.setRefusalObserver([this](const host::HostError&) { ++refused_; });
  }

  CaseVerdict run() {
    load();
    if (verdict_.start == Start::Standard) {
      press(kStandardMethod);
      settle();
    }
    // Before and after are checked against a fresh render; what the click's handler left on
    // screen when it returned cannot be, so the watch makes sure nothing spoilt it.
    const QImage before = checkedReadBack(window());
    const ReadBackWatch watch(window());
    refused_ = 0;
    QImage atReturn;
    // Connected after the host's own handler, so it runs the moment that handler returns.
    const auto atClick = QObject::connect(&probar(), &QAbstractButton::clicked, &probar(),
                                          [&] { atReturn = readBack(window()); });
    press(verdict_.method);
    QObject::disconnect(atClick);
    const QImage after = checkedReadBack(window());
    watch.check();
    verdict_.refused = refused_;
    verdict_.title = window().windowTitle();
    read(before, atReturn, after);
    return std::move(verdict_);
  }

 private:
  void load() {
    const host::Project project = testbench::ProyectoForm1();
    form_ = qtHost_.createForm(*project.startupForm);
    qtHost_.attachCode(form_, project);
    showActive(window());
  }

  void press(int method) {
    auto& form1 = dynamic_cast<testbench::Form1&>(*qtHost_.code(form_));
    testbench::Form1Acceso::MetodoActual(form1) = static_cast<std::int16_t>(method - 1);
    probar().click();
  }

  void read(const QImage& before, const QImage& atReturn, const QImage& after) {
    QRect rows;
    for (const host::ControlRef control : qtHost_.controlsOf(form_)) {
      auto* button = qobject_cast<QAbstractButton*>(qtHost_.widget(control));
      if (!button || button->objectName() != QStringLiteral("Command1")) continue;
      const QRect area = button->geometry();
      const ButtonColours colours = measureButton(after, area, captionRect(*button));
      ButtonVerdict verdict;
      verdict.button = QStringLiteral("Command1(%1)").arg(index(control));
      verdict.face = colours.face;
      verdict.text = colours.text;
      // Kept to the two decimals it is reported with, so that "readable" agrees with the figure.
      verdict.contrast = std::round(contrastRatio(colours.face, colours.text) * 100) / 100;
      verdict.shownBeforeReturn = samePixels(atReturn, after, area);
      verdict.unchanged = samePixels(before, after, area);
      verdict_.buttons.push_back(verdict);
      rows |= area;
    }
    const QMargins margin(kPictureMargin, kPictureMargin, kPictureMargin, kPictureMargin);
    verdict_.picture = after.copy(devicePixels(after, (rows + margin) & window().rect()));
  }

  int index(host::ControlRef control) { return qtHost_.getProperty(control, u"Index").asInt32(); }

  QWidget& window() const { return *qtHost_.widget(form_); }

  QAbstractButton& probar() const { return probarButton(qtHost_, form_); }

  host::qt::QtHost qtHost_;
  host::FormRef form_;
  CaseVerdict verdict_;
  int refused_ = 0;
};

}  // namespace

QString startName(Start start) {
  return start == Start::Skinned ? QStringLiteral("skinned") : QStringLiteral("standard");
}

bool ButtonVerdict::colorBoton() const {
  return face == kColorBoton;
}

bool ButtonVerdict::readable() const {
  return contrast >= kReadableContrast;
}

std::vector<CaseVerdict> runVerdicts(
    const QStringList& styles,
    const std::function<void(const std::vector<CaseVerdict>&)>& progress) {
  std::vector<CaseVerdict> verdicts;
  for (const QString& style : styles) {
    QApplication::setStyle(style);
    for (const Start start : kStarts) {
      std::vector<CaseVerdict> group;
      for (int method = 1; method <= kMethods; ++method) {
        group.push_back(Case(style, start, method).run());
      }
      progress(group);
      verdicts.insert(verdicts.end(), group.begin(), group.end());
    }
  }
  return verdicts;
}

}  // namespace tour
