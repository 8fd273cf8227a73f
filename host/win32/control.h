#pragma once

#include "host/core/control_record.h"
#include "host/core/member_tables.h"
#include "host/win32/control_window.h"
#include "host/win32/gdi.h"
#include "host/win32/windows_api.h"

namespace host::win32 {

using ControlType = host::ControlType;

// What the host keeps of one control besides what every host keeps: its window, the form's
// dots per inch, what it adds to the window and the member table of its type.
struct Control : ControlRecord {
  const MemberTableOf<Control>* members = nullptr;  // the type's, looked up once at registering
  HWND window = nullptr;     // owned by the form's window; null once that is destroyed
  UINT dpi = 96;             // the form's dots per inch
  ControlWindowHooks hooks;  // what the host adds to the platform's window
  SolidBrush background;     // for the colour messages
  bool live() const { return window != nullptr; }
};

// The control's place in pixels at the form's dots per inch.
struct PixelPlace {
  int left, top, width, height;
};
PixelPlace pixelPlace(const Control& control);

// Places the window at the control's twips, in pixels at the form's dots per inch.
void applyGeometry(const Control& control);

// Shows on the window the record's value of a member it keeps (host/core/record_accessors.h).
void showRecorded(Control& control, Member member);

// Schedules a repaint of the control; it shows at the next paint.
void schedulePaint(const Control& control);

// Tells assistive technology the control's type and describes it by its name (and index), so that
// a screen reader tells apart the two "Check1" boxes; a text box is named so too.
void describeForAssistiveTechnology(Control& control);

// The window's text, and setting it.
Text windowText(HWND window);
void setWindowText(HWND window, const Text& text);

}  // namespace host::win32
