#pragma once

#include <QWidget>
#include <optional>
#include <span>

#include "host/core/control_type.h"
#include "host/core/member_tables.h"
#include "host/qt/control.h"

namespace host::qt {

// The members of one control type, looked up by name when the program calls them.
const MemberTableOf<Control>& membersOf(ControlType type);

using host::controlTypeNamed;

// Creates the widget of a control type, as a child of `parent`, with the host's defaults.
QWidget* createWidget(Control& control, QWidget* parent);

}  // namespace host::qt
