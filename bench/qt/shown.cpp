#include "bench/qt/shown.h"

#include "driver/qt/form1_driver.h"

namespace bench {

Shown::Shown(QWidget& window) : window_(window) {
  window_.show();
  driver::qt::settle();
}

Shown::~Shown() {
  window_.hide();
  driver::qt::settle();
}

}  // namespace bench
