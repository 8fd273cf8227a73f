// A dialog made by the platform's dialog manager, adopted as a form: its child windows become
// the form's controls, and the host answers its messages as it answers Form1's.
#include "host/win32/adoption.h"

#include <commctrl.h>

#include <iterator>
#include <limits>
#include <optional>
#include <stdexcept>

#include "host/core/control_record.h"
#include "host/win32/convert.h"
#include "host/win32/dialog_template.h"
#include "host/win32/dpi.h"
#include "host/win32/error_report.h"
#include "host/win32/win32_host.h"

namespace host::win32 {
namespace {

constexpr wchar_t kHolderClass[] = L"SkinbenchDialogHolder";
constexpr DWORD kHolderStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr LONG_PTR kAnyStyle = -1;

// The one table of the Windows type names, tried in order.
struct TypeRow {
  const wchar_t* windowClass;
  LONG_PTR buttonStyle;  // the BUTTON's BS_TYPEMASK part, or kAnyStyle
  const char16_t* typeName;
  ControlType type;
};

constexpr TypeRow kTypeRows[] = {
    {L"BUTTON", BS_PUSHBUTTON, u"CommandButton", ControlType::CommandButton},
    {L"BUTTON", BS_DEFPUSHBUTTON, u"CommandButton", ControlType::CommandButton},
    {L"BUTTON", BS_CHECKBOX, u"CheckBox", ControlType::CheckBox},
    {L"BUTTON", BS_AUTOCHECKBOX, u"CheckBox", ControlType::CheckBox},
    {L"BUTTON", BS_3STATE, u"CheckBox", ControlType::CheckBox},
    {L"BUTTON", BS_AUTO3STATE, u"CheckBox", ControlType::CheckBox},
    {L"BUTTON", BS_RADIOBUTTON, u"OptionButton", ControlType::OptionButton},
    {L"BUTTON", BS_AUTORADIOBUTTON, u"OptionButton", ControlType::OptionButton},
    {L"BUTTON", BS_GROUPBOX, u"Frame", ControlType::Other},
    {L"EDIT", kAnyStyle, u"TextBox", ControlType::TextBox},
    {L"STATIC", kAnyStyle, u"Label", ControlType::Other},
    {L"COMBOBOX", kAnyStyle, u"ComboBox", ControlType::Other},
    {L"LISTBOX", kAnyStyle, u"ListBox", ControlType::Other},
};

// Every class the common controls library has.
constexpr DWORD kEveryCommonControl = ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_USEREX_CLASSES |
                                      ICC_COOL_CLASSES | ICC_INTERNET_CLASSES |
                                      ICC_PAGESCROLLER_CLASS | ICC_NATIVEFNTCTL_CLASS |
                                      ICC_STANDARD_CLASSES | ICC_LINK_CLASS;

// Registers every common-control class in the activation context in force: outside the themed
// controls' context the classic ones, inside it the themed ones. The library is looked up in the
// same context and stays loaded, since its classes go with it.
void registerCommonControls() {
  using Initialise = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  HMODULE library = GetModuleHandleW(L"comctl32.dll");
  if (!library) library = LoadLibraryW(L"comctl32.dll");
  if (!library) return;  // the dialogs that need its classes then say so
  const auto initialise = reinterpret_cast<Initialise>(
      reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")));
  const INITCOMMONCONTROLSEX every{sizeof(INITCOMMONCONTROLSEX), kEveryCommonControl};
  if (initialise) initialise(&every);
}

// Why the dialog manager could not make the dialog. It gives no reason where a class is missing
// (it destroys the half-made dialog, which clears the reason): a class the template names that
// is not registered, looked for where the dialog manager looks, is the likeliest cause.
std::string whyNotMade(const DialogTemplate& dialog, HINSTANCE resources, DWORD error) {
  for (const DialogTemplate::NamedClass& named : dialog.classesNamed()) {
    WNDCLASSEXW found{};
    found.cbSize = sizeof found;
    if (GetClassInfoExW(resources, named.name.c_str(), &found) ||
        GetClassInfoExW(nullptr, named.name.c_str(), &found)) {
      continue;
    }
    const std::string whose =
        named.control ? "the class of its control ID" + std::to_string(*named.control) + ", "
                      : "its class, ";
    return whose + toUtf8(fromWide(named.name.data(), named.name.size())) +
           ", is not registered: " + systemErrorText(ERROR_CANNOT_FIND_WND_CLASS);
  }
  return "the dialog manager could not make it: " + systemErrorText(error);
}

HWND makeHolder(TextView name) {
  static const ATOM atom = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kHolderClass;
    return RegisterClassExW(&windowClass);
  }();
  const Text caption(name);
  const HWND holder =
      atom ? CreateWindowExW(0, kHolderClass, wide(caption), kHolderStyle, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr)
           : nullptr;
  if (!holder) {
    throw std::runtime_error("the window to hold it could not be created: " +
                             systemErrorText(GetLastError()));
  }
  return holder;
}

// The child dialog at the holder's top left corner, the holder's client area its size.
void fitHolder(HWND holder, HWND dialog) {
  RECT outer{};
  GetWindowRect(dialog, &outer);
  SetWindowPos(dialog, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  const SIZE size = windowSizeFor({outer.right - outer.left, outer.bottom - outer.top},
                                  kHolderStyle, 0, dpiOf(holder));
  SetWindowPos(holder, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

double toTwips(LONG pixels, UINT dpi) {
  return static_cast<double>(pixels) * kTwipsPerInch / dpi;
}

// Where the window is on its dialog, as the record keeps it.
void recordPlace(Control& control, HWND dialog) {
  RECT place{};
  GetWindowRect(control.window, &place);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
  control.left = toTwips(place.left, control.dpi);
  control.top = toTwips(place.top, control.dpi);
  control.width = toTwips(place.right - place.left, control.dpi);
  control.height = toTwips(place.bottom - place.top, control.dpi);
}

// A text box's frame as "BorderStyle" and "Appearance" say it: none, flat or sunken.
void recordFrame(Control& control) {
  const LONG_PTR style = GetWindowLongPtrW(control.window, GWL_STYLE);
  const bool sunken = (GetWindowLongPtrW(control.window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
  control.borderStyle = sunken || (style & WS_BORDER) ? 1 : 0;
  control.appearance = sunken || !(style & WS_BORDER) ? 1 : 0;
}

}  // namespace

Text windowClassName(HWND window) {
  wchar_t name[256]{};
  const int length = GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return fromWide(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

AdoptedType adoptedTypeOf(HWND window) {
  const Text className = windowClassName(window);
  const LONG_PTR buttonStyle = GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK;
  for (const TypeRow& row : kTypeRows) {
    if (lstrcmpiW(wide(className), row.windowClass) != 0) continue;
    if (row.buttonStyle == kAnyStyle || row.buttonStyle == buttonStyle) {
      return {row.typeName, row.type};
    }
  }
  return {className, ControlType::Other};
}

FormRef Win32Host::adoptDialog(std::span<const std::byte> dialogTemplate, HINSTANCE resources,
                               TextView name) {
  const DialogTemplate parsed(dialogTemplate);
  if (!parsed.whole()) {
    throw std::runtime_error("its template is cut short (" + std::to_string(dialogTemplate.size()) +
                             " bytes)");
  }
  const bool child = (parsed.style() & WS_CHILD) != 0;
  auto made = std::make_unique<Form>();
  made->host = this;
  made->name = Text(name);
  Form& form = registry_.add(std::move(made));
  std::optional<ThemedControls::Scope> themed;
  if (themed_) themed.emplace(*themed_);
  registerCommonControls();
  const HWND holder = child ? makeHolder(name) : nullptr;
  SetLastError(ERROR_SUCCESS);
  const HWND dialog = CreateDialogIndirectParamW(
      resources, reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()), holder,
      dialogProcedure, reinterpret_cast<LPARAM>(&form));
  if (!dialog) {
    const DWORD error = GetLastError();
    if (holder) DestroyWindow(holder);
    throw std::runtime_error(whyNotMade(parsed, resources, error));
  }
  form.dpi = dpiOf(dialog);
  if (holder) fitHolder(holder, dialog);
  std::size_t position = 0;
  for (HWND window = GetWindow(dialog, GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT)) {
    adoptControl(form, window, position++);
  }
  return form.ref;
}

void Win32Host::adoptControl(Form& form, HWND window, std::size_t position) {
  auto made = std::make_unique<Control>();
  AdoptedType adopted = adoptedTypeOf(window);
  recordAdopted(*made, adopted.type, std::move(adopted.typeName),
                u"ID" + fromUtf8(std::to_string(GetDlgCtrlID(window))));
  made->window = window;
  made->dpi = form.dpi;
  recordPlace(*made, form.window);
  made->tabIndex = static_cast<std::int16_t>(
      std::min<std::size_t>(position, std::numeric_limits<std::int16_t>::max()));
  made->visible = (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
  if (made->type == ControlType::TextBox) recordFrame(*made);
  describeForAssistiveTechnology(*made);
  takeControl(form, std::move(made));
}

// The dialog's procedure is the host's: until the dialog is adopted (its initialisation) the
// dialog manager's defaults answer, then whatever the form's window answers.
INT_PTR CALLBACK Win32Host::dialogProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_INITDIALOG) {
    auto* form = reinterpret_cast<Form*>(l);
    form->window = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, l);
    return TRUE;  // the dialog manager gives the focus
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form || !form->window) return FALSE;
  try {
    const std::optional<LRESULT> answer = form->host->answerShared(*form, message, w, l);
    if (!answer) return FALSE;
    // A colour message's answer is the brush itself; any other goes through the result slot.
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) return *answer;
    SetWindowLongPtrW(window, DWLP_MSGRESULT, *answer);
    return TRUE;
  } catch (const std::exception& error) {
    // Nothing may leave a dialog procedure: the platform's frames are below it.
    OutputDebugStringA(error.what());
    return FALSE;
  }
}

}  // namespace host::win32
