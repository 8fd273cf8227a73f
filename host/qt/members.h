#pragma once

#include <QWidget>
#include <optional>
#include <span>

#include "host/control_accessors.h"
#include "host/qt/control.h"

namespace host::qt {

using Property = PropertyOf<Control>;
using Method = MethodOf<Control>;

// The members of one control type, looked up by name when the program calls them.
struct MemberTable : MemberTableOf<Control> {};

const MemberTable& membersOf(ControlType type);

using host::controlTypeNamed;

// Creates the widget of a control type, as a child of `parent`, with the host's defaults.
QWidget* createWidget(Control& control, QWidget* parent);

}  // namespace host::qt
