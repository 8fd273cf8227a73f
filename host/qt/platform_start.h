#pragma once

#include <string>

namespace host::qt {

// Guards the opening of Qt's platform (X11, Wayland, offscreen, ...), which happens inside the
// QApplication constructor: make one right before the QApplication and call opened() right
// after it. Meanwhile Qt's messages are held back. Should no platform open, Qt would abort with
// advice that does not apply ("reinstalling may fix this"); instead the process ends with one
// line on standard error that names what failed and what to do, and status 1. Once a platform
// is open, the messages held back go out as they would have.
class PlatformStart {
 public:
  // `program` starts the line and the suggested command; argc and argv are the ones the
  // QApplication gets, read for Qt's -platform and -display.
  PlatformStart(std::string program, int argc, char** argv);
  ~PlatformStart();
  PlatformStart(const PlatformStart&) = delete;
  PlatformStart& operator=(const PlatformStart&) = delete;

  void opened();

 private:
  bool open_ = false;
};

}  // namespace host::qt
