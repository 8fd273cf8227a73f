#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "tour/core/tour_host.h"

class QWidget;

namespace tour::qt {

// How long a window system may take to map, activate and paint a window. A window manager
// does it in milliseconds; this is for a loaded machine.
inline constexpr int kPatienceMs = 5000;

// Runs the event loop until `done` holds or the patience runs out; says whether it held.
bool waitFor(const std::function<bool()>& done);

// Shows `window`, asks for it to become the active window, as a new window on a desktop does,
// and keeps the user's pointer and keys from it, so that the pointer's place or a key pressed
// cannot change how its buttons look. Then waits (bounded) until the window system has it on screen
// and active and every pending paint is done. Throws ReadBackError when that does not come about.
void showActive(QWidget& window);

// What the window system shows for `window`, read back from the platform: on the offscreen
// platform the backing store as last flushed, on X the window's contents on the server. Throws
// ReadBackError where the platform cannot read a window back.
QImage readBack(QWidget& window);

// Watches a window between two checked read-backs for what could spoil a read-back taken in
// between without showing in either: the window losing part of its contents (the window system
// asks for a repaint) or losing the activation.
class ReadBackWatch : public QObject {
 public:
  explicit ReadBackWatch(QWidget& window);
  // What happened since the watch began, in a few words; nothing when the window stayed sound.
  std::optional<std::string> disturbance() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  QString disturbance_;
};

}  // namespace tour::qt
