#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>

#include "host/core/control_record.h"
#include "host/core/member_tables.h"

namespace host::qt {

using ControlType = host::ControlType;
class ButtonLook;
class IndicatorFits;

// What the host keeps of one control besides what every host keeps: its widget, the member
// table of its type, a command button's look, and the host's kept indicator looks.
struct Control : ControlRecord {
  const MemberTableOf<Control>* members = nullptr;  // the type's, looked up once at registering
  QPointer<QWidget> widget;                         // owned by the form widget
  ButtonLook* look = nullptr;                       // a command button's, owned by its widget
  IndicatorFits* indicatorFits = nullptr;           // the host's
  std::uint64_t indicatorLook = 0;  // the serial of the fitted look its palette holds
  bool live() const { return !widget.isNull(); }
};

// Gives assistive technology a name for the control where its widget shows none (a text box)
// and describes every control by its name and index, so that members of a control array that
// share a caption are told apart.
void nameForAssistiveTechnology(const Control& control);

// Places the widget at the control's twips, rounded to logical pixels.
void applyGeometry(Control& control);

// Shows on the widget the record's value of a member it keeps (host/core/record_accessors.h).
void showRecorded(Control& control, Member member);

}  // namespace host::qt
