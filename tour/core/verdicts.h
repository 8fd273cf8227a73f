#pragma once

#include <string>
#include <vector>

#include "tour/core/picture.h"

namespace tour {

// The colour the skin routine gives the buttons: RGB(70, 130, 180).
inline constexpr RgbHex kColorBoton = rgbOf(70, 130, 180);

// Where a case starts: the window as it opens (skinned by its load), or after method 10 has
// put the buttons back to the standard look.
enum class Start { Skinned, Standard };
inline constexpr Start kStarts[] = {Start::Skinned, Start::Standard};
std::string startName(Start start);

inline constexpr int kMethods = 10;

// The contrast of text on a face as the reports give it, to two decimals, so that "readable"
// agrees with the figure printed: 4.497 is "4.50", and readable.
double reportedContrast(RgbHex face, RgbHex text);

// What one Command1 button shows after a method, read from the window's pixels.
struct ButtonVerdict {
  std::string button;  // "Command1(3)"
  RgbHex face = 0;
  RgbHex text = 0;
  double contrast = 1.0;  // text against face: reportedContrast()
  // The window system already had the button's final pixels when the click handler returned.
  bool shownBeforeReturn = false;
  // The button looked the same before the press as after it.
  bool unchanged = false;

  bool colorBoton() const { return face == kColorBoton; }
  bool readable() const;
};

// One method applied once, through the click of PROBAR, to a freshly loaded Form1.
struct CaseVerdict {
  std::string style;
  std::string heading;  // the style and what the pixels were read on, as the reports head its table
  Start start = Start::Skinned;
  int method = 0;
  std::string title;                   // the window's title after the press
  std::vector<ButtonVerdict> buttons;  // in the host's order
  int refused = 0;                     // host calls refused during the method's press
  Picture picture;                     // the two rows of Command1 buttons afterwards
};

}  // namespace tour
