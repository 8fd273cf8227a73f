#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "host/core/rgb_channels.h"
#include "host/definition.h"

// The tests' one statement of what the program asks of its host: the skin's palette and type
// rules, the ten test methods' steps, the caption of a press, and the skip rules that decide what
// a failed call takes away. Written from the program's rules and never from its code, so that a
// fault in the program shows as a difference. Its statements go to a Script: a writer that makes
// the expected trace, or the sweep's walk over a recorded one.
//
// Compared with a run where nothing fails, a failed call:
//   - abandons the rest of its own statement: after a refused "Left" get of a move, that move's
//     "Top" get and "Move"; after a refused "type" of a selection test, its comparisons and "Name"
//     get; after a refused "controls", the enumeration's start;
//   - counts as met when it is a test (a comparison of type names, the Quitar3D test, a selection
//     test), so the steps it guards run, on a control that would not have had them;
//   - when it starts the enumeration, replaces every control's calls by one turn of the loop body
//     with no control ("-"), whose calls fail for want of one (reading its type name and yields
//     excepted), and no advance; when it advances, drops the controls not yet visited;
//   - leaves a variable it would have set as it was: a colour whose composition failed stays 0,
//     and a control whose type name cannot be read gets the skin rule of the one before it;
//   - when it moves, leaves the control where it was, which the next move starts from;
//   - when it sets the caption of a press, which does not skip, ends the press and reaches the
//   host.
namespace support {

using Lines = std::vector<std::string>;

// A colour's value as the host packs its channels: 0x00BBGGRR.
constexpr std::int32_t valueOf(host::RgbChannels colour) {
  return colour.red + 256 * colour.green + 65536 * colour.blue;
}

// The skin's palette, in the order it is composed.
enum Paint { kFondo, kBoton, kTextoBoton, kFondoTexto, kTexto, kPaints };
inline constexpr std::array<host::RgbChannels, kPaints> kPalette = {{
    {235, 236, 238},  // kFondo
    {70, 130, 180},   // kBoton
    {255, 255, 255},  // kTextoBoton
    {255, 255, 255},  // kFondoTexto
    {38, 42, 46},     // kTexto
}};
inline constexpr std::int32_t kColorFondo = valueOf(kPalette[kFondo]);
inline constexpr std::int32_t kColorBoton = valueOf(kPalette[kBoton]);
inline constexpr std::int32_t kColorTextoBoton = valueOf(kPalette[kTextoBoton]);

// A control as the statements see it: how the trace names it ("Command1(3)"), its type name, its
// "Name" and where it stands (the moves of method 8 change "left").
struct Control {
  std::string target;
  std::string type;
  std::string name;
  std::optional<std::int16_t> index;
  double left = 0;
  double top = 0;
  // Whether the test methods work on it.
  bool selected() const { return type == "CommandButton" && name == "Command1"; }
};
std::vector<Control> controlsOf(const host::FormDefinition& form);

// Where the statements go.
class Script {
 public:
  virtual ~Script() = default;
  // Makes the calls of one statement, given as the trace writes them, up to the first that fails;
  // returns whether every one succeeded.
  virtual bool statement(std::initializer_list<std::string> lines) = 0;
  // What the program is doing now ("press 3, method 3, Text1(0)"), for messages.
  virtual void where(const std::string& /*context*/) {}
};

class Oracle {
 public:
  Oracle(Script& script, const host::FormDefinition& form);

  void load();   // Form1's load handler
  void press();  // one press of "PROBAR"
  void skin(bool quitar3D = true);
  void method(int n);

  int metodoActual() const { return metodoActual_; }
  // Presses whose caption set failed: the only errors that may reach the host.
  int failedCaptions() const { return failedCaptions_; }

 private:
  using Colours = std::array<std::int32_t, kPaints>;

  void compose(Paint paint, Colours& colours);
  void forEachControl(const std::function<void(Control*)>& body);
  bool test(std::initializer_list<std::string> lines, bool value);

  Script& script_;
  std::string form_;
  std::vector<Control> controls_;
  int metodoActual_ = 0;
  int presses_ = 0;
  int failedCaptions_ = 0;
  std::string phase_;
};

// Says whether the host refuses a call, from its line as the trace writes it without a mark
// ("set C.Style 1"). Called once per call, in order, so it may count.
using LineRule = std::function<bool(const std::string& line)>;
LineRule lineIs(std::string line);
LineRule startsWith(std::string prefix);
LineRule nth(LineRule rule, int n);  // only the nth call that `rule` names
LineRule anyOf(std::vector<LineRule> rules);

// The trace that `run` makes on `form` in the in-memory host when it refuses the calls that
// `refusals` names: a refused call ends in " !refused", a call on no control in " !no object".
Lines expectedTrace(const host::FormDefinition& form, const std::function<void(Oracle&)>& run,
                    const LineRule& refusals = {});
Lines skinTrace(const host::FormDefinition& form, bool quitar3D = true,
                const LineRule& refusals = {});

// One trace as one text, a line each: gtest then shows a line diff when two traces differ.
std::string joined(const Lines& lines);
std::string refused(const std::string& line);

}  // namespace support
