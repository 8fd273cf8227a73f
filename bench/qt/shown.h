#pragma once

#include <QWidget>

namespace bench {

// Shows a window for the length of a benchmark and hides it again, settled both times, so that
// only one window at a time takes part in painting.
class Shown {
 public:
  explicit Shown(QWidget& window);
  ~Shown();
  Shown(const Shown&) = delete;
  Shown& operator=(const Shown&) = delete;

 private:
  QWidget& window_;
};

}  // namespace bench
