#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <stdexcept>

class QWidget;

namespace tour {

// The window's pixels cannot be read back as the window system shows them. Verdicts read off
// such pixels would be wrong, so the tour stops instead.
class ReadBackError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Shows `window`, asks for it to become the active window, as a new window on a desktop does,
// and keeps the user's pointer and keys from it, so that the pointer's place or a key pressed
// cannot change how its buttons look. Then waits (bounded) until the window system has it on screen
// and active and every pending paint is done. Throws ReadBackError when that does not come about.
void showActive(QWidget& window);

// What the window system shows for `window`, read back from the platform: on the offscreen
// platform the backing store as last flushed, on X the window's contents on the server. Throws
// ReadBackError where the platform cannot read a window back.
QImage readBack(QWidget& window);

// readBack() once every pending paint is done, checked against a fresh render of the window.
// While they differ it waits (bounded) for painting to catch up; when they never agree, the
// window is covered, unmapped or off the screen, and it throws ReadBackError.
QImage checkedReadBack(QWidget& window);

// Watches a window between two checked read-backs for what could spoil a read-back taken in
// between without showing in either: the window losing part of its contents (the window system
// asks for a repaint) or losing the activation.
class ReadBackWatch : public QObject {
 public:
  explicit ReadBackWatch(QWidget& window);
  // Throws ReadBackError when anything of the kind happened since the watch began.
  void check() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  QString disturbance_;
};

}  // namespace tour
