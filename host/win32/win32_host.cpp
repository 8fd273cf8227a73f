#include "host/win32/win32_host.h"

#include "host/win32/convert.h"
#include "host/win32/error_report.h"
#include "host/win32/members.h"

namespace host::win32 {

Win32Host::Win32Host(ControlLook look)
    : HostCore(
          [this](Event event, TextView source, const HostError& error) {
            reportToStandardErrorAndDebugger(applicationName_, event, source, error);
          },
          membersOf),
      themed_(look == ControlLook::Themed ? std::make_unique<ThemedControls>() : nullptr) {}

Win32Host::~Win32Host() {
  closed_ = nullptr;
  // The program's code goes first: it may still refer to the windows.
  registry_.releaseCode();
  for (const auto& form : registry_.forms()) {
    if (form->window) DestroyWindow(GetAncestor(form->window, GA_ROOT));
  }
}

void Win32Host::setClosedHandler(std::function<void(FormRef)> closed) {
  closed_ = std::move(closed);
}

void Win32Host::setApplicationName(std::string name) {
  applicationName_ = std::move(name);
}

HWND Win32Host::window(FormRef form) const {
  return formOf(form).window;
}
HWND Win32Host::window(ControlRef control) const {
  return controlOf(control).window;
}
HWND Win32Host::shownWindow(FormRef form) const {
  return GetAncestor(formOf(form).window, GA_ROOT);
}

// --- the platform's side of the forms host ---------------------------------------------------

// Assistive technology hears that the form's name changed. Some systems' own handling of a new
// window text raises the same event for the same object, so there it arrives twice, back to
// back; that is accepted: the event carries no text, a client that hears both reads the same new
// name, and telling the systems apart would make the host behave differently on each.
void Win32Host::showCaption(Form& form, TextView caption) {
  setWindowText(form.window, Text(caption));
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, form.window, OBJID_WINDOW, CHILDID_SELF);
}

void Win32Host::showBackColor(Form& form, ColorValue color) {
  resolveColor(color);  // refuses a colour we cannot show before anything changes
  form.backColor = color;
  // Until the form is first shown there is nothing to repaint: showing it paints it whole.
  if (IsWindowVisible(form.window)) {
    RedrawWindow(form.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
  }
}

void Win32Host::repaintNow(Form& form) {
  RedrawWindow(form.window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace host::win32
