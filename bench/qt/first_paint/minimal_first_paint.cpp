#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include "bench/qt/first_paint/stop_at_first_paint.h"

// The floor under the program's start-up: a minimal Qt Widgets program that shows a window of
// the program's size with the same thirteen widgets, plain, and ends after its first frame.
namespace {

enum class Kind { Button, Line, Check, Radio };

struct Item {
  Kind kind;
  const char* text;
  int x, y, width, height;
};

constexpr Item kItems[] = {
    {Kind::Button, "PROBAR", 360, 216, 137, 41}, {Kind::Check, "Check1", 152, 208, 97, 33},
    {Kind::Check, "Check1", 16, 200, 97, 33},    {Kind::Radio, "Option1", 136, 160, 105, 17},
    {Kind::Radio, "Option1", 8, 160, 105, 17},   {Kind::Line, "Text1", 136, 112, 105, 25},
    {Kind::Line, "Text1", 16, 112, 105, 25},     {Kind::Button, "Ejecutar", 160, 0, 145, 41},
    {Kind::Button, "buscar", 0, 0, 145, 41},     {Kind::Button, "consultar", 312, 0, 145, 41},
    {Kind::Button, "cancelar", 0, 48, 145, 41},  {Kind::Button, "Guardar", 160, 48, 145, 41},
    {Kind::Button, "Aceptar", 312, 48, 145, 41},
};

QWidget* make(const Item& item, QWidget* parent) {
  switch (item.kind) {
    case Kind::Button:
      return new QPushButton(item.text, parent);
    case Kind::Line:
      return new QLineEdit(item.text, parent);
    case Kind::Check:
      return new QCheckBox(item.text, parent);
    case Kind::Radio:
      return new QRadioButton(item.text, parent);
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("Form1");
  window.setFixedSize(512, 339);
  for (const Item& item : kItems)
    make(item, &window)->setGeometry(item.x, item.y, item.width, item.height);
  new bench::StopAtFirstPaint(window);
  window.show();
  return QApplication::exec();
}
