#pragma once

#include <QWidget>
#include <cstdint>
#include <span>
#include <vector>

#include "host/core/control_type.h"
#include "host/qt/control.h"

namespace host::qt {

// What a widget of a form made elsewhere is to the program: the type name it sees, and the
// control type whose members it has.
struct AdoptedKind {
  const char* className;  // the widget's class, as Qt names it
  TextView typeName;
  ControlType type;
};

// The one table of the classes the host knows by another name. A widget of any other class,
// a class derived from one of these included, keeps its class name as its type name and has the
// members every control has.
std::span<const AdoptedKind> adoptedKinds();

// Takes `widget` in as `control`: its record from the widget (kind, object name as "Name", place
// in twips, what it shows), at `tabIndex` in the form's tab order; a command button gets the
// look the host paints it with in place of its own painting.
void adoptWidget(Control& control, QWidget& widget, std::int16_t tabIndex);

// `controls`, widgets inside `window`, in the order of the window's focus chain, which holds
// every widget inside it: the form's tab order. Any not on the chain come last, in the order
// given.
std::vector<QWidget*> inTabOrder(QWidget& window, const std::vector<QWidget*>& controls);

}  // namespace host::qt
