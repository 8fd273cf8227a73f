#include "host/win32/win32_host.h"

#include "host/member_calls.h"
#include "host/win32/convert.h"
#include "host/win32/error_report.h"
#include "host/win32/form.h"

namespace host::win32 {

Win32Host::Win32Host(ControlLook look)
    : themed_(look == ControlLook::Themed ? std::make_unique<ThemedControls>() : nullptr) {
  reportError_ = [this](Event event, TextView source, const HostError& error) {
    reportToStandardErrorAndDebugger(applicationName_, event, source, error);
  };
}

Win32Host::~Win32Host() {
  closed_ = nullptr;
  // The program's code goes first: it may still refer to the windows.
  for (auto& form : forms_) form->code.reset();
  for (auto& form : forms_) {
    if (form->window) DestroyWindow(form->window);
  }
}

void Win32Host::setErrorReporter(ErrorReporter reporter) {
  reportError_ = std::move(reporter);
}

void Win32Host::setRefusalObserver(std::function<void(const HostError&)> observer) {
  observeRefusal_ = std::move(observer);
}

void Win32Host::setClosedHandler(std::function<void(FormRef)> closed) {
  closed_ = std::move(closed);
}

void Win32Host::setApplicationName(std::string name) {
  applicationName_ = std::move(name);
}

void Win32Host::attachCode(FormRef ref, const Project& project) {
  Form& form = formOf(ref);
  form.code = project.createCode(*this, ref);
  form.handlers = form.code->handlers();
  for (const HandlerBinding& binding : form.handlers) {
    if (binding.event == Event::Load && binding.source == form.name) {
      run(Event::Load, binding.source, binding.handler);
    }
  }
  focusFirstInTabOrder(form);
}

void Win32Host::run(Event event, TextView source, const std::function<void()>& handler) {
  try {
    handler();
  } catch (const HostError& error) {
    reportError_(event, source, error);
  } catch (const std::exception& error) {
    reportError_(event, source, HostError(ErrorCode::InvalidValue, error.what()));
  }
}

// --- looking things up -----------------------------------------------------------------------

Win32Host::Form& Win32Host::formOf(FormRef ref) const {
  if (ref.id < 1 || ref.id > forms_.size() || !forms_[ref.id - 1]->window) {
    refuse(ErrorCode::NoObject, "no object: the form reference is empty");
  }
  return *forms_[ref.id - 1];
}

Control& Win32Host::controlOf(ControlRef ref) const {
  if (ref.id < 1 || ref.id > controls_.size() || !controls_[ref.id - 1]->window) {
    refuse(ErrorCode::NoObject, "no object: the control reference is empty");
  }
  return *controls_[ref.id - 1];
}

void Win32Host::refuse(ErrorCode code, const std::string& message) const {
  throw HostError(code, message);
}

template <class F>
auto Win32Host::guarded(F&& operation) const -> decltype(operation()) {
  try {
    return operation();
  } catch (const HostError& error) {
    if (observeRefusal_) observeRefusal_(error);
    throw;
  }
}

HWND Win32Host::window(FormRef form) const {
  return formOf(form).window;
}
HWND Win32Host::window(ControlRef control) const {
  return controlOf(control).window;
}
FormCode* Win32Host::code(FormRef form) const {
  return formOf(form).code.get();
}
std::vector<ControlRef> Win32Host::controlsOf(FormRef form) const {
  return formOf(form).controls;
}

ControlRef Win32Host::control(FormRef form, TextView name,
                              std::optional<std::int16_t> index) const {
  for (const ControlRef ref : formOf(form).controls) {
    const Control& candidate = controlOf(ref);
    if (candidate.name == name && candidate.index == index) return ref;
  }
  return {};
}

// --- FormsHost -------------------------------------------------------------------------------

// Assistive technology hears that the form's name changed. Some systems' own handling of a new
// window text raises the same event for the same object, so there it arrives twice, back to
// back; that is accepted: the event carries no text, a client that hears both reads the same new
// name, and telling the systems apart would make the host behave differently on each.
void Win32Host::setCaption(FormRef form, TextView caption) {
  guarded([&] {
    const HWND window = formOf(form).window;
    setWindowText(window, Text(caption));
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_WINDOW, CHILDID_SELF);
  });
}

void Win32Host::setBackColor(FormRef form, ColorValue color) {
  guarded([&] {
    Form& target = formOf(form);
    try {
      resolveColor(color);
    } catch (const HostError& error) {
      throw HostError(error.code(), toUtf8(target.name) + ".BackColor: " + error.what());
    }
    target.backColor = color;
    RedrawWindow(target.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
  });
}

ControlCollection Win32Host::controls(FormRef form) {
  formOf(form);
  return ControlCollection{form};
}

void Win32Host::refresh(FormRef form) {
  RedrawWindow(formOf(form).window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

Enumerator Win32Host::startEnumeration(const ControlCollection& collection) {
  const Form& form = formOf(collection.form);
  Enumerator enumerator{collection.form, 0, {}};
  if (!form.controls.empty()) enumerator.current = form.controls.front();
  return enumerator;
}

void Win32Host::advance(Enumerator& enumerator) {
  const Form& form = formOf(enumerator.form);
  const std::uint32_t next = enumerator.position + 1;
  enumerator.current = next < form.controls.size() ? form.controls[next] : ControlRef{};
  enumerator.position = next;
}

Text Win32Host::typeName(ControlRef control) {
  if (control.empty()) return {};
  return guarded([&] { return controlOf(control).typeName; });
}

Value Win32Host::getProperty(ControlRef ref, TextView name) {
  return guarded([&] { return getMember(controlOf(ref), name); });
}

void Win32Host::setProperty(ControlRef ref, TextView name, const Value& value) {
  guarded([&] { setMember(controlOf(ref), name, value); });
}

void Win32Host::callMethod(ControlRef ref, TextView name, std::span<const Value> arguments) {
  guarded([&] { callMember(controlOf(ref), name, arguments); });
}

ColorValue Win32Host::rgb(int red, int green, int blue) {
  return composeRgb(red, green, blue);
}

bool Win32Host::textEquals(TextView left, TextView right) {
  return left == right;
}

bool Win32Host::flagSet(Boolean flag) {
  return static_cast<bool>(flag);
}

}  // namespace host::win32
