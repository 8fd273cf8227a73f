#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace tour {

// Where a case starts: the window as it opens (skinned by its load), or after method 10 has
// put the buttons back to the standard look.
enum class Start { Skinned, Standard };
inline constexpr Start kStarts[] = {Start::Skinned, Start::Standard};
QString startName(Start start);

// What one Command1 button shows after a method, read from the window's pixels.
struct ButtonVerdict {
  QString button;  // "Command1(3)"
  QColor face;
  QColor text;
  double contrast = 1.0;  // text against face
  // The window system already had the button's final pixels when the click handler returned.
  bool shownBeforeReturn = false;
  // The button looked the same before the press as after it.
  bool unchanged = false;

  bool colorBoton() const;
  bool readable() const;
};

// One method applied once, through the click of PROBAR, to a freshly loaded Form1.
struct CaseVerdict {
  QString style;
  QString platform;  // the Qt platform the pixels were read on
  Start start = Start::Skinned;
  int method = 0;
  QString title;                       // the window's title after the press
  std::vector<ButtonVerdict> buttons;  // in the host's order
  int refused = 0;                     // host calls refused during the method's press
  QImage picture;                      // the two rows of Command1 buttons afterwards
};

inline constexpr int kMethods = 10;

// Runs every method from every start in each of `styles` (installed Qt style names), each case
// on a form of its own, and calls `progress` after each style and start. A QApplication must
// exist; the application's style is left at the last of `styles`.
std::vector<CaseVerdict> runVerdicts(
    const QStringList& styles,
    const std::function<void(const std::vector<CaseVerdict>&)>& progress);

}  // namespace tour
