// The form's window: building it and its controls, its window procedure, and the message
// dispatch shared by the event loop and the yield.
#include <algorithm>
#include <numeric>
#include <optional>
#include <stdexcept>

#include "host/core/member_calls.h"
#include "host/win32/button_face.h"
#include "host/win32/control_window.h"
#include "host/win32/convert.h"
#include "host/win32/dpi.h"
#include "host/win32/error_report.h"
#include "host/win32/form.h"
#include "host/win32/form_class.h"
#include "host/win32/members.h"
#include "host/win32/win32_host.h"

namespace host::win32 {
namespace {

constexpr DWORD kFormStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = 0;

HINSTANCE module() {
  return GetModuleHandleW(nullptr);
}

// A window that could not be made ends the start: which one, and why as the system tells it.
[[noreturn]] void notCreated(const std::string& whose, DWORD lastError) {
  throw std::runtime_error(whose + " could not be created: " + systemErrorText(lastError));
}

void setStyleBit(HWND window, LONG_PTR bit, bool on) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  const LONG_PTR wanted = on ? style | bit : style & ~bit;
  if (wanted != style) SetWindowLongPtrW(window, GWL_STYLE, wanted);
}

// Each control starts a group of its own, but an option button that follows one of its own
// array in tab order joins that one's group, so that the arrow keys move between the two.
bool joinsGroup(const Control* before, const Control& control) {
  return before && control.type == ControlType::OptionButton &&
         before->type == ControlType::OptionButton && before->name == control.name;
}

void joinOptionGroups(const std::vector<Control*>& chain) {
  const Control* before = nullptr;
  for (const Control* control : chain) {
    setStyleBit(control->window, WS_GROUP, !joinsGroup(before, *control));
    before = control;
  }
}

// The outer size of the form's window at `dpi`, around its client area.
SIZE formWindowSize(const Form& form, UINT dpi) {
  const SIZE client{toPixels(form.clientWidth, dpi), toPixels(form.clientHeight, dpi)};
  return windowSizeFor(client, kFormStyle, kFormExStyle, dpi);
}

}  // namespace

// --- building --------------------------------------------------------------------------------

FormRef Win32Host::createForm(const FormDefinition& definition, const std::string& iconName) {
  auto made = std::make_unique<Form>();
  made->host = this;
  made->name = definition.name;
  made->clientWidth = definition.clientWidth;
  made->clientHeight = definition.clientHeight;
  const Text iconText = fromUtf8(iconName);
  made->iconName.assign(wide(iconText), iconText.size());
  // Made at its size and with its class's icon at the system's dots per inch, and sized again, or
  // given icons of its own, only where the window turns out to be shown at others.
  const UINT systemDpi = dpiOf(nullptr);
  const std::wstring& classIcon = registerFormClass(formProcedure, made->iconName, systemDpi);
  Form& form = registry_.add(std::move(made));
  const Text caption = definition.caption;
  const SIZE size = formWindowSize(form, systemDpi);
  CreateWindowExW(kFormExStyle, kFormClass, wide(caption), kFormStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                  size.cx, size.cy, nullptr, nullptr, module(), &form);
  const DWORD lastError = GetLastError();
  // Where no display can be opened (under Wine), the handle given back can be that of a window
  // already destroyed again.
  if (!form.window || !IsWindow(form.window)) notCreated("the form's window", lastError);
  form.dpi = dpiOf(form.window);
  form.font = messageFont(form.dpi);
  if (needsOwnIcons(form, classIcon, systemDpi)) showOwnIcons(form);
  if (form.dpi != systemDpi) applyFormGeometry(form);
  // Made in tab order, the windows are stacked as the keyboard goes through them (a new child
  // window goes below its siblings), so that none needs moving, and each option button joins the
  // group of the one before it as it is made; the form then lists its controls in the
  // definition's order.
  const auto& items = definition.controls;
  std::vector<std::size_t> order(items.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&items](std::size_t a, std::size_t b) {
    return items[a].tabIndex < items[b].tabIndex;
  });
  {
    std::optional<ThemedControls::Scope> themed;
    if (themed_) themed.emplace(*themed_);
    const Control* before = nullptr;
    for (const std::size_t i : order) before = &createControl(form, items[i], i, before);
  }
  std::vector<ControlRef> listed(items.size());
  for (std::size_t k = 0; k < order.size(); ++k) listed[order[k]] = form.controls[k];
  form.controls = std::move(listed);
  return form.ref;
}

Control& Win32Host::createControl(Form& form, const ControlDefinition& definition,
                                  std::size_t position, const Control* before) {
  auto made = std::make_unique<Control>();
  recordDefinition(*made, definition);
  describeForAssistiveTechnology(*made);
  const int id = kFirstControlId + static_cast<int>(position);
  made->dpi = form.dpi;
  made->window =
      createWindow(*made, form.window, id, definition.caption, !joinsGroup(before, *made));
  if (!made->window) notCreated("the window of " + describe(*made), GetLastError());
  Control& control = takeControl(form, std::move(made));
  SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(form.font.get()), FALSE);
  applyStoredSettings(control, definition);
  return control;
}

// The form takes a control whose window is made: its record, and the host's procedure in front
// of the platform's, through which the host finds the control by its window.
Control& Win32Host::takeControl(Form& form, std::unique_ptr<Control> made) {
  Control& control = registerControl(form, std::move(made));
  control.hooks.control = control.ref;
  hookControlWindow(control.window, control.hooks);
  return control;
}

void Win32Host::applyFormGeometry(Form& form) {
  const SIZE outer = formWindowSize(form, form.dpi);
  SetWindowPos(form.window, nullptr, 0, 0, outer.cx, outer.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The keyboard goes through the controls in their window order, so the windows are stacked in
// tab order.
void Win32Host::threadTabOrder(Form& form) {
  const std::vector<Control*> chain = tabChain(form);
  HWND previous = HWND_TOP;
  for (const Control* control : chain) {
    SetWindowPos(control->window, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous = control->window;
  }
  joinOptionGroups(chain);
}

void Win32Host::focusFirstInTabOrder(Form& form) {
  for (HWND child = GetWindow(form.window, GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED)) {
      form.focus = child;
      if (GetActiveWindow() == form.window) SetFocus(child);
      return;
    }
  }
}

namespace {

void applyFont(Form& form, const std::vector<HWND>& children) {
  Font font = messageFont(form.dpi);
  for (const HWND child : children) {
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  }
  form.font = std::move(font);  // the controls let go of the old one first
}

}  // namespace

// --- messages --------------------------------------------------------------------------------

LRESULT CALLBACK Win32Host::formProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
    form->window = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    scaleNonClientArea(window);
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form || !form->window) return DefWindowProcW(window, message, w, l);
  try {
    return form->host->onMessage(*form, message, w, l);
  } catch (const std::exception& error) {
    // Nothing may leave a window procedure: the platform's frames are below it.
    OutputDebugStringA(error.what());
    return DefWindowProcW(window, message, w, l);
  }
}

LRESULT Win32Host::onMessage(Form& form, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_ACTIVATE:
      onActivate(form, w);
      return 0;
    case WM_SETFOCUS:
      if (form.focus && IsWindow(form.focus)) SetFocus(form.focus);
      return 0;
    case WM_GETICON:
      return iconShown(form.window, w);
    case WM_DPICHANGED:
      onDpiChanged(form, HIWORD(w), *reinterpret_cast<const RECT*>(l));
      return 0;
    case WM_SETTINGCHANGE:
      if (w == SPI_SETNONCLIENTMETRICS) {
        std::vector<HWND> children;
        for (const ControlRef ref : form.controls) children.push_back(controlOf(ref).window);
        applyFont(form, children);
      }
      break;
    default:
      if (const std::optional<LRESULT> answer = answerShared(form, message, w, l)) return *answer;
      break;
  }
  return DefWindowProcW(form.window, message, w, l);
}

// What the form's window and an adopted dialog answer alike: the form's background, its
// controls' colours, the buttons the host draws, the clicks, the system's colours changing and
// the window's end. None where the platform's own handling follows.
std::optional<LRESULT> Win32Host::answerShared(Form& form, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(form.window, &client);
      FillRect(reinterpret_cast<HDC>(w), &client,
               form.background.get(resolveColor(form.backColor)));
      return 1;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      if (const Control* control = controlAt(reinterpret_cast<HWND>(l))) {
        return onColorMessage(reinterpret_cast<HDC>(w), control->window);
      }
      break;
    case WM_DRAWITEM: {
      // Only buttons: an owner-drawn list or label of an adopted dialog is not the host's to draw.
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(l);
      const Control* control = controlAt(item.hwndItem);
      if (control && item.CtlType == ODT_BUTTON) {
        paintGraphicalButton(item, *control, form.dpi);
        return TRUE;
      }
      break;
    }
    case WM_COMMAND:
      onCommand(form, w, l);
      return 0;
    case WM_SYSCOLORCHANGE:
      RedrawWindow(form.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      break;
    case WM_DESTROY:
      onDestroy(form);
      return 0;
    default:
      break;
  }
  return std::nullopt;
}

// Text boxes, check boxes and option buttons ask their parent for their colours before they
// paint: the text and its background in the control's colours, the rest in its brush.
LRESULT Win32Host::onColorMessage(HDC dc, HWND child) {
  Control& control = *controlAt(child);
  const COLORREF background = resolveColor(control.backColor);
  SetTextColor(dc, resolveColor(control.foreColor));
  SetBkColor(dc, background);
  SetBkMode(dc, OPAQUE);
  return reinterpret_cast<LRESULT>(control.background.get(background));
}

void Win32Host::onCommand(Form& form, WPARAM w, LPARAM l) {
  const Control* control = controlAt(reinterpret_cast<HWND>(l));
  if (!control || HIWORD(w) != BN_CLICKED || control->type == ControlType::TextBox) return;
  deliver(form, Event::Click, control->name);
}

// The focus goes back to the control that had it when the window was left, or, the first
// time, to the first control in tab order.
void Win32Host::onActivate(Form& form, WPARAM w) {
  if (LOWORD(w) == WA_INACTIVE) {
    const HWND focused = GetFocus();
    if (focused && IsChild(form.window, focused)) form.focus = focused;
    return;
  }
  if (HIWORD(w) == 0 && form.focus && IsWindow(form.focus)) SetFocus(form.focus);
}

void Win32Host::onDpiChanged(Form& form, UINT dpi, const RECT& suggested) {
  form.dpi = dpi;
  std::vector<HWND> children;
  for (const ControlRef ref : form.controls) {
    Control& control = controlOf(ref);
    children.push_back(control.window);
    control.dpi = dpi;
    applyGeometry(control);
  }
  applyFont(form, children);
  // The class's icons are made for the system's dots per inch.
  if (!form.iconName.empty() || form.bigIcon) showOwnIcons(form);
  const SIZE outer = formWindowSize(form, dpi);
  SetWindowPos(form.window, nullptr, suggested.left, suggested.top, outer.cx, outer.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Host::onDestroy(Form& form) {
  for (const ControlRef ref : form.controls) {
    if (Control* control = registry_.find(ref)) control->window = nullptr;
  }
  form.window = nullptr;
  if (closed_) closed_(form.ref);
}

Control* Win32Host::controlAt(HWND window) const {
  const ControlWindowHooks* hooks = window ? hooksOf(window) : nullptr;
  if (!hooks) return nullptr;
  Control* control = registry_.find(hooks->control);
  return control && control->window == window ? control : nullptr;
}

Form* Win32Host::formAt(HWND window) const {
  for (const auto& form : registry_.forms()) {
    if (form->window && form->window == window) return form.get();
  }
  return nullptr;
}

// --- dispatch --------------------------------------------------------------------------------

void Win32Host::dispatch(MSG& message) {
  const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root && formAt(root) && IsDialogMessageW(root, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

void Win32Host::handlePendingEvents() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // The event loop ends the program once the handler that yielded has returned.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    dispatch(message);
  }
}

}  // namespace host::win32
