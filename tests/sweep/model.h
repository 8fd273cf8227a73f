#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "replay.h"

namespace sweep {

// Form1's controls as the statements see them: how the trace names each one, its type name, its
// "Name" and where it stands (the moves of method 8 change "Left").
struct Control {
  std::string target;
  std::string type;
  std::string name;
  double left = 0;
  double top = 0;
};

// The statements that the load handler, CargarSkin, AplicarMetodo and the test cycle run on
// Form1, written from the rules of the program (the skin's type rules, the table of test
// methods, the caption of a press) and from its skip rules. Walked over a recorded trace, it
// checks that the trace holds exactly these calls. Compared with the clean run, this is what a
// failed call takes away or changes:
//   - the rest of its own statement: after a refused "Left" get of a move, that move's "Top" get
//     and "Move"; after a refused "type" of a selection test, its comparisons and "Name" get;
//     after a refused "controls", the enumeration's start;
//   - a failed test counts as met (a comparison of type names, the Quitar3D test, a selection
//     test), so the steps it guards run, on a control that would not have had them;
//   - a failed start of the enumeration: every control's calls, replaced by one turn of the loop
//     body with no control ("-"), whose calls fail for want of one (yields excepted), and no
//     advance; a failed advance: the calls of the controls not yet visited;
//   - a failed read leaves the variable as it was: a colour whose composition failed stays 0,
//     and a control whose type name cannot be read gets the skin rule of the one before it;
//   - a failed "Move" leaves the control where it was, which the next move starts from;
//   - in the test cycle, which does not skip, a failed caption set ends the press (nothing of it
//     follows the caption) and goes to the host; the next press runs the following method.
class Model {
 public:
  explicit Model(Replay& replay);

  void load();
  void press();
  void skin(bool quitar3D = true);
  void method(int n);

  int metodoActual() const { return metodoActual_; }
  // Presses whose caption set failed: the only errors that may reach the host.
  int failedCaptions() const { return failedCaptions_; }

 private:
  void forEachControl(const std::function<void(Control*)>& body);
  bool test(std::initializer_list<std::string> lines, bool value);

  Replay& replay_;
  std::vector<Control> controls_;
  int metodoActual_ = 0;
  int presses_ = 0;
  int failedCaptions_ = 0;
  std::string phase_;
};

// The caption a press writes for method n, as the person at the screen reads it.
std::string captionOf(int n);

}  // namespace sweep
