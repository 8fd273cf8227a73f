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
// methods, the caption of a press) and from its skip rules:
//   - a statement stops at its first failing call;
//   - a failed test counts as met (a comparison of type names, the Quitar3D test, the
//     selection test of a method);
//   - a failed start of the enumeration runs the loop body once with no control ("-"), and
//     nothing advances it; a failed advance ends the loop;
//   - a failed read keeps the variable's previous value (a colour stays 0, the skin's current
//     type name stays that of the control before);
//   - in the test cycle, which does not skip, a failed caption set ends the press and goes to
//     the host.
// Walked over a recorded trace, it checks that the trace holds exactly these calls.
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
