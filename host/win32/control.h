#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "host/handles.h"
#include "host/value.h"
#include "host/win32/control_window.h"
#include "host/win32/gdi.h"
#include "host/win32/windows_api.h"

namespace host::win32 {

enum class ControlType { CommandButton, TextBox, CheckBox, OptionButton };
struct MemberTable;

// What the host keeps of one control besides its window: the values the platform does not hold
// in the program's terms (twips, colour values, the numeric settings such as "Style").
struct Control {
  ControlRef ref;
  FormRef form;
  ControlType type{};
  const MemberTable* members = nullptr;  // the type's, looked up once at creation
  Text typeName;
  Text name;
  std::optional<std::int16_t> index;
  HWND window = nullptr;  // owned by the form's window; null once that is destroyed
  double left = 0, top = 0, width = 0, height = 0;  // twips
  UINT dpi = 96;                                    // the form's dots per inch
  ColorValue backColor = 0;
  ColorValue foreColor = 0;
  std::int16_t style = 0;
  std::int16_t appearance = 1;
  std::int16_t borderStyle = 1;
  std::int16_t tabIndex = 0;
  bool visible = true;
  ControlWindowHooks hooks;               // what the host adds to the platform's window
  SolidBrush background;                  // for the colour messages
  std::function<void()> tabIndexChanged;  // the form re-threads its tab order
};

// "Command1(3)" or "cmdProbar", for messages and assistive technology.
std::string describe(const Control& control);

// Places the window at the control's twips, in pixels at the form's dots per inch.
void applyGeometry(const Control& control);

// Schedules a repaint of the control; it shows at the next paint.
void schedulePaint(const Control& control);

// The window's text, and setting it.
Text windowText(HWND window);
void setWindowText(HWND window, const Text& text);

}  // namespace host::win32
