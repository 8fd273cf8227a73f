#include "host/qt/start.h"

#include <QApplication>
#include <QIcon>

#include "host/qt/qt_host.h"

namespace host::qt {

int start(const Project& project, int argc, char** argv) {
  return start(project, argc, argv, {});
}

int start(const Project& project, int argc, char** argv,
          const std::function<void(QWidget& window)>& beforeShow) {
  QApplication application(argc, argv);
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
  return QApplication::exec();
}

}  // namespace host::qt
