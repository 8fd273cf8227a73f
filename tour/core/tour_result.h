#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tour/core/picture.h"

namespace tour {

// One picture of the window and the title it had at that moment.
struct Frame {
  Picture image;
  std::string title;
};

// What one Command1 button holds after a press: its properties as the host reads them back
// (empty where the host refused the read) and the colour painted on its face.
struct ButtonState {
  std::string button;  // "Command1(3) Ejecutar"
  std::optional<std::int32_t> style;
  std::optional<std::int32_t> appearance;
  std::optional<std::int32_t> backColor;
  std::optional<std::int32_t> foreColor;
  RgbHex painted = 0;
  bool colorBoton = false;  // the face shows RGB(70, 130, 180)
};

struct Press {
  int number = 0;     // 1 to 10
  std::string title;  // the window's title after the press
  std::vector<ButtonState> buttons;
  int refused = 0;  // host calls refused during the press
};

// The press-by-press tour: Form1 loaded once and PROBAR pressed ten times.
struct TourResult {
  std::vector<Frame> frames;  // after the load, then after each press
  std::vector<Frame> yields;  // after each yield of method 9
  std::vector<Press> presses;
};

inline constexpr int kPresses = 10;

}  // namespace tour
