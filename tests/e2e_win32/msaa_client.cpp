// A small screen reader's view of skinbench.exe, through MSAA from another process: starts the
// program, prints the form's accessible tree, checks the thirteen children in tab order (name,
// role, description), ticks a check box and selects an option button through their default
// actions and reads "checked" back, presses PROBAR and waits for the form's name-change event,
// then closes the window. Exits 0 when all holds; otherwise prints what it found, closes the
// program (ends it where it does not close) and exits 1.
// Usage: msaa_client PROGRAM [FIRST_NAME]
//   PROGRAM     a Windows path
//   FIRST_NAME  the name the first control in tab order is expected to have, "Aceptar" unless
//               given: a wrong one shows how the client fails
#include <oleacc.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr GUID kIAccessible{
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
constexpr DWORD kWaitMs = 30000;

struct Expected {
  const wchar_t* name;
  long role;
  const wchar_t* description;
};
// Form1's controls in tab order.
Expected kTabOrder[] = {
    {L"Aceptar", ROLE_SYSTEM_PUSHBUTTON, L"Command1(0)"},
    {L"Guardar", ROLE_SYSTEM_PUSHBUTTON, L"Command1(22)"},
    {L"cancelar", ROLE_SYSTEM_PUSHBUTTON, L"Command1(4)"},
    {L"consultar", ROLE_SYSTEM_PUSHBUTTON, L"Command1(1)"},
    {L"buscar", ROLE_SYSTEM_PUSHBUTTON, L"Command1(2)"},
    {L"Ejecutar", ROLE_SYSTEM_PUSHBUTTON, L"Command1(3)"},
    {L"Text1(0)", ROLE_SYSTEM_TEXT, L"Text1(0)"},
    {L"Text1(1)", ROLE_SYSTEM_TEXT, L"Text1(1)"},
    {L"Option1", ROLE_SYSTEM_RADIOBUTTON, L"Option1(0)"},
    {L"Option1", ROLE_SYSTEM_RADIOBUTTON, L"Option1(1)"},
    {L"Check1", ROLE_SYSTEM_CHECKBUTTON, L"Check1(0)"},
    {L"Check1", ROLE_SYSTEM_CHECKBUTTON, L"Check1(1)"},
    {L"PROBAR", ROLE_SYSTEM_PUSHBUTTON, L"cmdProbar"},
};
constexpr std::size_t kCheck1_0 = 10, kOption1_0 = 8, kOption1_1 = 9, kProbar = 12;

PROCESS_INFORMATION g_program{};
HWND g_form = nullptr;

// Closes the program's window, as a user would, and waits for the program to end; ends it where
// it does not. Its exit status, or none where it had to be ended.
std::optional<DWORD> closeProgram() {
  if (!g_program.hProcess) return std::nullopt;
  if (g_form) PostMessageW(g_form, WM_CLOSE, 0, 0);
  std::optional<DWORD> status;
  if (g_form && WaitForSingleObject(g_program.hProcess, kWaitMs) == WAIT_OBJECT_0) {
    DWORD code = 1;
    GetExitCodeProcess(g_program.hProcess, &code);
    status = code;
  } else {
    TerminateProcess(g_program.hProcess, 1);
    WaitForSingleObject(g_program.hProcess, kWaitMs);
  }
  CloseHandle(g_program.hThread);
  CloseHandle(g_program.hProcess);
  g_program = {};
  return status;
}

// A fault found: what it is, and the program closed, so that nothing outlives the client.
[[noreturn]] void fail(const std::wstring& why) {
  std::fwprintf(stdout, L"FAIL: %ls\n", why.c_str());
  std::fflush(stdout);
  if (g_program.hProcess) {
    const bool closed = closeProgram().has_value();
    std::fwprintf(stdout, L"the program was %ls\n", closed ? L"closed" : L"ended by force");
  }
  std::fflush(stdout);
  std::exit(1);
}

// One reference to an accessible object, released with it.
class Object {
 public:
  explicit Object(IAccessible* object = nullptr) : object_(object) {}
  Object(Object&& other) noexcept : object_(other.object_) { other.object_ = nullptr; }
  Object& operator=(Object&&) = delete;
  ~Object() {
    if (object_) object_->Release();
  }
  IAccessible* operator->() const { return object_; }
  IAccessible* get() const { return object_; }

 private:
  IAccessible* object_;
};

Object clientOf(HWND window) {
  void* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kIAccessible,
                                        &object))) {
    fail(L"no accessible object for a window");
  }
  return Object(static_cast<IAccessible*>(object));
}

VARIANT self() {
  VARIANT child{};
  child.vt = VT_I4;
  child.lVal = CHILDID_SELF;
  return child;
}

std::wstring text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*),
                  const Object& object) {
  BSTR value = nullptr;
  std::wstring result;
  if ((object.get()->*get)(self(), &value) == S_OK && value) result = value;
  SysFreeString(value);
  return result;
}
std::wstring nameOf(const Object& o) {
  return text(&IAccessible::get_accName, o);
}
std::wstring descriptionOf(const Object& o) {
  return text(&IAccessible::get_accDescription, o);
}
std::wstring actionOf(const Object& o) {
  return text(&IAccessible::get_accDefaultAction, o);
}

long numberOf(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*),
              const Object& object) {
  VARIANT value{};
  const HRESULT result = (object.get()->*get)(self(), &value);
  return result == S_OK && value.vt == VT_I4 ? value.lVal : -1;
}
long roleOf(const Object& o) {
  return numberOf(&IAccessible::get_accRole, o);
}
long stateOf(const Object& o) {
  return numberOf(&IAccessible::get_accState, o);
}

std::wstring roleText(long role) {
  wchar_t buffer[64] = L"?";
  GetRoleTextW(static_cast<DWORD>(role), buffer, 64);
  return buffer;
}

std::wstring stateText(long state) {
  std::wstring words;
  for (DWORD bit = 1; bit != 0 && state > 0; bit <<= 1) {
    if (!(static_cast<DWORD>(state) & bit)) continue;
    wchar_t buffer[64] = L"?";
    GetStateTextW(bit, buffer, 64);
    words += (words.empty() ? L"" : L", ") + std::wstring(buffer);
  }
  return words;
}

// The form's children as its client object lists them, each as the window it stands for.
std::vector<HWND> childWindows(const Object& form) {
  long count = 0;
  form->get_accChildCount(&count);
  std::vector<VARIANT> children(static_cast<std::size_t>(count));
  long got = 0;
  if (count > 0 && FAILED(AccessibleChildren(form.get(), 0, count, children.data(), &got))) {
    fail(L"the form's children could not be listed");
  }
  std::vector<HWND> windows;
  for (long i = 0; i < got; ++i) {
    HWND window = nullptr;
    if (children[i].vt == VT_DISPATCH && children[i].pdispVal) {
      IAccessible* child = nullptr;
      children[i].pdispVal->QueryInterface(kIAccessible, reinterpret_cast<void**>(&child));
      if (child) WindowFromAccessibleObject(child, &window);
      if (child) child->Release();
    }
    VariantClear(&children[i]);
    windows.push_back(window);
  }
  return windows;
}

// Whether the object's parent is its window's object, and the middle of where it says it is lies
// on its window, where a hit test finds the object itself.
bool leadsBack(const Object& o, HWND window) {
  HWND found = nullptr;
  if (FAILED(WindowFromAccessibleObject(o.get(), &found)) || found != window) return false;
  long left = 0, top = 0, width = 0, height = 0;
  if (o->accLocation(&left, &top, &width, &height, self()) != S_OK || width <= 0) return false;
  RECT outer{};
  GetWindowRect(window, &outer);
  const POINT middle{left + width / 2, top + height / 2};
  if (!PtInRect(&outer, middle)) return false;
  VARIANT hit{};
  const HRESULT result = o->accHitTest(middle.x, middle.y, &hit);
  return result == S_OK && hit.vt == VT_I4 && hit.lVal == CHILDID_SELF;
}

// Prints the tree and checks each child against the tab order; returns the children's objects.
std::vector<Object> readTree(HWND form) {
  const Object client = clientOf(form);
  std::wprintf(L"%ls \"%ls\"\n", roleText(roleOf(client)).c_str(), nameOf(client).c_str());
  const std::vector<HWND> windows = childWindows(client);
  if (windows.size() != std::size(kTabOrder)) {
    fail(L"the form has " + std::to_wstring(windows.size()) + L" children, not 13");
  }
  std::vector<Object> children;
  for (std::size_t i = 0; i < windows.size(); ++i) {
    if (!windows[i]) fail(L"child " + std::to_wstring(i) + L" stands for no window");
    Object child = clientOf(windows[i]);
    const Expected& want = kTabOrder[i];
    std::wprintf(L"  %2zu %-13ls \"%ls\"  description \"%ls\"  action \"%ls\"  [%ls]\n", i,
                 roleText(roleOf(child)).c_str(), nameOf(child).c_str(),
                 descriptionOf(child).c_str(), actionOf(child).c_str(),
                 stateText(stateOf(child)).c_str());
    if (nameOf(child) != want.name || roleOf(child) != want.role ||
        descriptionOf(child) != want.description) {
      fail(L"child " + std::to_wstring(i) + L" is " + roleText(roleOf(child)) + L" \"" +
           nameOf(child) + L"\" (" + descriptionOf(child) + L"), not " + roleText(want.role) +
           L" \"" + want.name + L"\" (" + want.description + L")");
    }
    if (!leadsBack(child, windows[i])) {
      fail(std::wstring(want.description) + L" does not lead back to its window and place");
    }
    children.push_back(std::move(child));
  }
  return children;
}

// Lets the program's and this thread's messages (the event hook's) run until `done` holds.
template <typename Condition>
bool waitFor(Condition done, DWORD limit = kWaitMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > limit) return false;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
  return true;
}

bool isChecked(const Object& o) {
  const long state = stateOf(o);
  return state >= 0 && (state & STATE_SYSTEM_CHECKED);
}

void doDefaultAction(const Object& o, const wchar_t* what) {
  if (o->accDoDefaultAction(self()) != S_OK) fail(std::wstring(what) + L": no default action");
}

void tickAndSelect(const std::vector<Object>& children) {
  const Object& check = children[kCheck1_0];
  if (isChecked(check) || actionOf(check) != L"Check") fail(L"Check1(0) starts checked");
  doDefaultAction(check, L"Check1(0)");
  if (!waitFor([&] { return isChecked(check); })) fail(L"Check1(0) is not checked after a tick");
  std::wprintf(L"Check1(0) ticked: [%ls], default action now \"%ls\"\n",
               stateText(stateOf(check)).c_str(), actionOf(check).c_str());
  if (actionOf(check) != L"Uncheck") fail(L"a ticked Check1(0) offers no \"Uncheck\"");

  doDefaultAction(children[kOption1_1], L"Option1(1)");
  if (!waitFor([&] { return isChecked(children[kOption1_1]); })) {
    fail(L"Option1(1) is not checked after it was selected");
  }
  if (isChecked(children[kOption1_0])) fail(L"Option1(0) stays checked beside Option1(1)");
  std::wprintf(L"Option1(1) selected: [%ls]\n", stateText(stateOf(children[kOption1_1])).c_str());
}

int g_nameChanges = 0;

void CALLBACK heard(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
  if (window == g_form && object == OBJID_WINDOW && child == CHILDID_SELF) ++g_nameChanges;
}

void pressProbar(const std::vector<Object>& children, DWORD process) {
  const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE,
                                             nullptr, heard, process, 0, WINEVENT_OUTOFCONTEXT);
  if (!hook) fail(L"no event hook");
  doDefaultAction(children[kProbar], L"PROBAR");
  const bool arrived = waitFor([] { return g_nameChanges > 0; });
  // A second event for the same change, if any, arrives right behind the first.
  waitFor([] { return false; }, 500);
  UnhookWinEvent(hook);
  if (!arrived) fail(L"no name-change event for the form after a press of PROBAR");
  std::wprintf(L"PROBAR pressed: %d name-change event(s) for the form, now named \"%ls\"\n",
               g_nameChanges, nameOf(clientOf(g_form)).c_str());
}

HWND waitForForm(DWORD process) {
  HWND form = nullptr;
  const bool shown = waitFor([&] {
    form = FindWindowW(L"SkinbenchForm", L"Form1");
    DWORD owner = 0;
    if (form) GetWindowThreadProcessId(form, &owner);
    return form && owner == process && IsWindowVisible(form);
  });
  if (!shown) fail(L"no window Form1 of the program appeared");
  return form;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2 || argc > 3) fail(L"usage: msaa_client PROGRAM [FIRST_NAME]");
  if (argc == 3) kTabOrder[0].name = argv[2];
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &g_program)) {
    fail(L"the program did not start");
  }
  const DWORD process = g_program.dwProcessId;
  g_form = waitForForm(process);
  {
    const std::vector<Object> children = readTree(g_form);
    tickAndSelect(children);
    pressProbar(children, process);
  }
  const std::optional<DWORD> status = closeProgram();
  CoUninitialize();
  if (!status) fail(L"no end after close");
  if (*status != 0) fail(L"the program ended with status " + std::to_wstring(*status));
  std::wprintf(L"PASSED: the tree, a tick, a selection and the name-change event\n");
  return 0;
}
