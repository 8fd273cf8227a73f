#include "host/qt/start.h"

#include <QApplication>

namespace host::qt {

int start(const Project&, int argc, char** argv) {
  QApplication application(argc, argv);
  return 0;
}

}  // namespace host::qt
