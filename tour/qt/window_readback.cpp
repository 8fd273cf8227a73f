#include "tour/qt/window_readback.h"

#include <QDeadlineTimer>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "driver/qt/form1_driver.h"

namespace tour::qt {
namespace {

constexpr int kPollMs = 10;

QString platform() {
  return QGuiApplication::platformName();
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

bool waitFor(const std::function<bool()>& done) {
  const QDeadlineTimer deadline(kPatienceMs);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QEventLoop pause;
    QTimer::singleShot(kPollMs, &pause, &QEventLoop::quit);
    pause.exec();
  }
  return true;
}

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
  driver::qt::settle();
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

ReadBackWatch::ReadBackWatch(QWidget& window) : window_(window) {
  window.windowHandle()->installEventFilter(this);
  // Activation that is lost and won back before the method ends shows only as it goes.
  window.installEventFilter(this);
}

bool ReadBackWatch::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Expose && disturbance_.isEmpty()) {
    disturbance_ = QStringLiteral("the window system asked for part of the window again");
  }
  if (event->type() == QEvent::WindowDeactivate && disturbance_.isEmpty()) {
    disturbance_ = QStringLiteral("the window lost the activation");
  }
  return QObject::eventFilter(watched, event);
}

std::optional<std::string> ReadBackWatch::disturbance() const {
  if (!disturbance_.isEmpty()) return disturbance_.toStdString();
  if (!window_.isActiveWindow()) return "the window lost the activation";
  return std::nullopt;
}

}  // namespace tour::qt
