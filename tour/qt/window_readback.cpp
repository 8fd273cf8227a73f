#include "tour/window_readback.h"

#include <QDeadlineTimer>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "tour/tour_run.h"

namespace tour {
namespace {

// How long a window system may take to map, activate and paint a window. A window manager
// does it in milliseconds; this is for a loaded machine.
constexpr int kPatienceMs = 5000;
constexpr int kPollMs = 10;

QString platform() {
  return QGuiApplication::platformName();
}

// Runs the event loop until `done` holds or the patience runs out; says whether it held.
template <typename Done>
bool waitFor(const Done& done) {
  const QDeadlineTimer deadline(kPatienceMs);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QEventLoop pause;
    QTimer::singleShot(kPollMs, &pause, &QEventLoop::quit);
    pause.exec();
  }
  return true;
}

QImage comparable(const QImage& image) {
  return image.convertToFormat(QImage::Format_RGB32);
}

int differingPixels(const QImage& first, const QImage& second) {
  int differing = 0;
  for (int y = 0; y < first.height(); ++y) {
    for (int x = 0; x < first.width(); ++x) differing += first.pixel(x, y) != second.pixel(x, y);
  }
  return differing;
}

// Keeps the pointer and the keyboard away from a window: a button under the pointer, or one the
// user presses, would look hovered or held down and give another verdict than the same window
// elsewhere on the screen. Events the window system sends are dropped before Qt sees them.
class InputShield : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    return isInput(event->type()) || QObject::eventFilter(watched, event);
  }

 private:
  static bool isInput(QEvent::Type type) {
    switch (type) {
      case QEvent::Enter:
      case QEvent::Leave:
      case QEvent::MouseMove:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
      case QEvent::TabletPress:
      case QEvent::TabletMove:
      case QEvent::TabletRelease:
        return true;
      default:
        return false;
    }
  }
};

}  // namespace

void showActive(QWidget& window) {
  window.winId();  // makes the window, so that the shield is in place before it shows
  // Owned by the window, so it guards it as long as the window lives.
  window.windowHandle()->installEventFilter(new InputShield(&window));
  window.show();
  window.activateWindow();
  const bool shown = waitFor([&] {
    const QWindow* handle = window.windowHandle();
    return handle && handle->isExposed() && window.isActiveWindow();
  });
  if (!shown) {
    throw ReadBackError(QStringLiteral("the window did not come on screen as the active window "
                                       "within %1 s on the %2 platform, so its pixels cannot be "
                                       "read back reliably; nothing was written")
                            .arg(kPatienceMs / 1000)
                            .arg(platform())
                            .toStdString());
  }
  settle();
}

QImage readBack(QWidget& window) {
  QScreen* screen = window.screen();
  const QImage image = screen ? screen->grabWindow(window.winId()).toImage() : QImage();
  if (image.isNull()) {
    throw ReadBackError(QStringLiteral("the %1 platform cannot read back a window's pixels, so "
                                       "there is nothing to judge; nothing was written")
                            .arg(platform())
                            .toStdString());
  }
  return image;
}

QImage checkedReadBack(QWidget& window) {
  QImage shown;
  QImage painted;
  const bool agreed = waitFor([&] {
    settle();
    shown = comparable(readBack(window));
    painted = comparable(window.grab().toImage());
    return shown == painted;
  });
  if (!agreed && shown.size() != painted.size()) {
    // The offscreen platform does so at a scale factor other than 1.
    throw ReadBackError(QStringLiteral("the %1 platform reads back %2x%3 of the window's %4x%5 "
                                       "pixels, so its pixels cannot be read back reliably; "
                                       "nothing was written")
                            .arg(platform())
                            .arg(shown.width())
                            .arg(shown.height())
                            .arg(painted.width())
                            .arg(painted.height())
                            .toStdString());
  }
  if (!agreed) {
    throw ReadBackError(
        QStringLiteral("%1 of the window's %2 pixels as read back on the %3 platform differ from "
                       "what was painted: it is covered, unmapped or off the screen, so its "
                       "pixels cannot be read back reliably; nothing was written")
            .arg(differingPixels(shown, painted))
            .arg(painted.width() * painted.height())
            .arg(platform())
            .toStdString());
  }
  return shown;
}

ReadBackWatch::ReadBackWatch(QWidget& window) : window_(window) {
  window.windowHandle()->installEventFilter(this);
}

bool ReadBackWatch::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Expose && disturbance_.isEmpty()) {
    disturbance_ = QStringLiteral("the window system asked for part of the window again");
  }
  return QObject::eventFilter(watched, event);
}

void ReadBackWatch::check() const {
  QString disturbance = disturbance_;
  if (disturbance.isEmpty() && !window_.isActiveWindow()) {
    disturbance = QStringLiteral("the window lost the activation");
  }
  if (disturbance.isEmpty()) return;
  throw ReadBackError(QStringLiteral("%1 while a method ran on the %2 platform, so what it showed "
                                     "meanwhile cannot be read back reliably; nothing was written")
                          .arg(disturbance, platform())
                          .toStdString());
}

}  // namespace tour
