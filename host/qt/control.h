#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "host/control_members.h"
#include "host/handles.h"
#include "host/value.h"

namespace host::qt {

using ControlType = host::ControlType;
struct MemberTable;

// What the host keeps of one control besides its widget: the values that Qt does not hold in
// the program's terms (twips, colour values, the numeric settings such as "Style" and
// "Appearance").
struct Control {
  ControlRef ref;
  FormRef form;
  ControlType type{};
  const MemberTable* members = nullptr;  // the type's, looked up once at creation
  Text typeName;
  Text name;
  std::optional<std::int16_t> index;
  QPointer<QWidget> widget;                         // owned by the form widget
  double left = 0, top = 0, width = 0, height = 0;  // twips
  ColorValue backColor = 0;
  ColorValue foreColor = 0;
  std::int16_t style = 0;
  std::int16_t appearance = 1;
  std::int16_t borderStyle = 1;
  std::int16_t tabIndex = 0;
  bool visible = true;
  std::function<void()> tabIndexChanged;  // the form re-threads its tab chain
};

// "Command1(3)" or "cmdProbar", for messages.
std::string describe(const Control& control);

// Gives assistive technology a name for the control where its widget shows none (a text box)
// and describes every control by its name and index, so that members of a control array that
// share a caption are told apart.
void nameForAssistiveTechnology(const Control& control);

// Places the widget at the control's twips, rounded to logical pixels.
void applyGeometry(Control& control);

}  // namespace host::qt
