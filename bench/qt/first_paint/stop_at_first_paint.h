#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace bench {

// Ends the event loop once `window` has painted its first frame. The window is painted with its
// children and flushed to the window system in one pass; the quit is queued behind that pass.
// Owned by the window, as its child.
class StopAtFirstPaint final : public QObject {
 public:
  explicit StopAtFirstPaint(QWidget& window) : QObject(&window), window_(window) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::Paint) {
      window_.removeEventFilter(this);
      QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                Qt::QueuedConnection);
    }
    return false;
  }

 private:
  QWidget& window_;
};

}  // namespace bench
