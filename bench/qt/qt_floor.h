#pragma once

#include <QWidget>
#include <vector>

#include "host/qt/members.h"
#include "host/qt/qt_host.h"

namespace bench {

// The floor under the program's routines on a form: the same changes made by typed calls on
// the widgets themselves, in the same order and one palette change per colour, as the host
// makes them, with no names looked up and no values converted.
class QtFloor {
 public:
  QtFloor(host::qt::QtHost& host, host::FormRef form);

  void cargarSkin() const;      // what CargarSkin changes
  void aplicarMetodo1() const;  // what AplicarMetodo(1) changes

 private:
  struct Item {
    host::qt::ControlType type;
    QWidget* widget;
    bool command1;
  };
  QWidget* window_;
  std::vector<Item> items_;
};

}  // namespace bench
