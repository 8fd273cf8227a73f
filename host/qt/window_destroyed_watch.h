#pragma once

#include <QAbstractNativeEventFilter>

class QWidget;

namespace host::qt {

// Ends the event loop, with status 0 as a close does, once another client has destroyed the
// window's X window (`xdotool windowclose` does, rather than asking the window manager to close
// it). Qt does not notice that by itself, and the process would run on without a window.
class WindowDestroyedWatch final : public QAbstractNativeEventFilter {
 public:
  explicit WindowDestroyedWatch(const QWidget& window) : window_(window) {}

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  const QWidget& window_;
};

}  // namespace host::qt
