#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "host/handles.h"

class QAbstractButton;
namespace host::qt {
class QtHost;
}

namespace tour {

// One picture of the window and the title it had at that moment.
struct Frame {
  QImage image;
  QString title;
};

// What one Command1 button holds after a press: its properties as the host reads them back
// (empty where the host refused the read) and the colour painted on its face.
struct ButtonState {
  QString button;  // "Command1(3) Ejecutar"
  std::optional<std::int32_t> style;
  std::optional<std::int32_t> appearance;
  std::optional<std::int32_t> backColor;
  std::optional<std::int32_t> foreColor;
  QColor painted;
  bool colorBoton = false;  // the face shows RGB(70, 130, 180)
};

struct Press {
  int number = 0;  // 1 to 10
  QString title;   // the window's title after the press
  std::vector<ButtonState> buttons;
  int refused = 0;  // host calls refused during the press
};

struct TourResult {
  std::vector<Frame> frames;  // after the load, then after each press
  std::vector<Frame> yields;  // after each yield of method 9
  std::vector<Press> presses;
};

inline constexpr int kPresses = 10;
inline const QColor kColorBoton(70, 130, 180);

// Loads Form1 on the Qt host, shows it and presses PROBAR ten times through the button's own
// click, capturing the window after the load, after each press and after each yield. Calls
// `progress` after each press. A QApplication must exist.
TourResult runTour(const std::function<void(const Press&)>& progress);

// Runs every event that is waiting, painting included, until none is left.
void settle();

// The button PROBAR of a Form1 loaded on `host`; throws where the form has none.
QAbstractButton& probarButton(const host::qt::QtHost& host, host::FormRef form);

}  // namespace tour
