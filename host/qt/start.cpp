#include "host/qt/start.h"

#include <QApplication>
#include <QIcon>
#include <cstdlib>
#include <iostream>
#include <string_view>

#include "host/qt/platform_start.h"
#include "host/qt/qt_host.h"
#include "host/qt/window_destroyed_watch.h"

namespace host::qt {
namespace {

bool environmentSet(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

bool platformArgument(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "-platform" || argument == "--platform") return true;
  }
  return false;
}

// Qt would abort without a display to connect to. Where a platform is named (-platform or
// QT_QPA_PLATFORM), that choice decides and Qt reports for itself.
bool displayOrPlatformGiven(int argc, char** argv) {
  return environmentSet("DISPLAY") || environmentSet("WAYLAND_DISPLAY") ||
         environmentSet("QT_QPA_PLATFORM") || platformArgument(argc, argv);
}

}  // namespace

int start(const Project& project, int argc, char** argv) {
  return start(project, argc, argv, {});
}

int start(const Project& project, int argc, char** argv,
          const std::function<void(QWidget& window)>& beforeShow) {
  if (!displayOrPlatformGiven(argc, argv)) {
    std::cerr << project.applicationName
              << " needs a display, and neither DISPLAY nor WAYLAND_DISPLAY is set; run it in a "
                 "virtual X server with: xvfb-run -a "
              << project.applicationName << " (Debian package xvfb)" << std::endl;
    return 1;
  }
  PlatformStart platform(project.applicationName, argc, argv);
  QApplication application(argc, argv);
  platform.opened();
  QApplication::setApplicationName(QString::fromStdString(project.applicationName));
  QApplication::setApplicationVersion(QString::fromStdString(project.version));
  if (!project.iconPath.empty()) {
    QApplication::setWindowIcon(QIcon(QString::fromStdString(project.iconPath)));
  }
  QtHost host;
  const FormRef form = host.createForm(*project.startupForm);
  host.attachCode(form, project);
  QWidget& window = *host.widget(form);
  if (beforeShow) beforeShow(window);
  window.show();
  WindowDestroyedWatch watch(window);
  application.installNativeEventFilter(&watch);
  return QApplication::exec();
}

}  // namespace host::qt
