#include "bench/win32/driven_form1.h"

#include <cstdio>
#include <exception>
#include <memory>
#include <stdexcept>
#include <utility>

#include "host/error.h"
#include "host/win32/start.h"
#include "testbench/form1.h"
#include "testbench/form1_acceso.h"

namespace bench::win32 {
namespace {

constexpr int kTwipsPerInch = 1440;

struct Session {
  std::function<void(DrivenForm1&)> script;
  host::FormsHost* host = nullptr;
  host::FormRef form;
  testbench::Form1* code = nullptr;
  UINT_PTR timer = 0;
  bool ran = false;
  std::string failure;
};

Session* session = nullptr;

BOOL CALLBACK findShownWindow(HWND window, LPARAM found) {
  if (!IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

HWND shownWindowOfThisThread() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), findShownWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

BOOL CALLBACK findProbar(HWND child, LPARAM found) {
  wchar_t text[16]{};
  GetWindowTextW(child, text, 16);
  if (std::wstring_view(text) != L"PROBAR") return TRUE;
  *reinterpret_cast<HWND*>(found) = child;
  return FALSE;
}

// A timer message comes only when nothing else is pending: by then the shown window has had its
// first paint.
void CALLBACK runScript(HWND, UINT, UINT_PTR, DWORD) {
  HWND window = shownWindowOfThisThread();
  if (!window || session->ran) return;
  KillTimer(nullptr, session->timer);
  session->ran = true;
  try {
    DrivenForm1 form(*session->host, session->form, *session->code, window);
    session->script(form);
  } catch (const host::HostError& error) {
    session->failure = "the host refused a call: " + std::string(error.what());
  } catch (const std::exception& error) {
    session->failure = std::string(error.what());
  }
  PostMessageW(window, WM_CLOSE, 0, 0);
}

}  // namespace

DrivenForm1::DrivenForm1(host::FormsHost& host, host::FormRef form, testbench::Form1& code,
                         HWND window)
    : host_(host), form_(form), code_(code), window_(window), probar_(nullptr) {
  EnumChildWindows(window, findProbar, reinterpret_cast<LPARAM>(&probar_));
  if (!probar_) throw std::runtime_error("Form1 has no button captioned PROBAR");
  const HDC screen = GetDC(window);
  dpi_ = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(window, screen);
}

void DrivenForm1::pressFor(int method) {
  testbench::Form1Acceso::MetodoActual(code_) = static_cast<std::int16_t>(method - 1);
  SendMessageW(probar_, BM_CLICK, 0, 0);
}

int DrivenForm1::pixels(host::ControlRef control, const char16_t* member) const {
  const double twips = host_.getProperty(control, member).asNumber();
  return static_cast<int>(twips * dpi_ / kTwipsPerInch + 0.5);
}

std::vector<Command1Button> DrivenForm1::command1() const {
  std::vector<Command1Button> buttons;
  host::Enumerator position = host_.startEnumeration(host_.controls(form_));
  for (; !position.atEnd(); host_.advance(position)) {
    const host::ControlRef control = position.current;
    if (host_.typeName(control) != u"CommandButton" ||
        host_.getProperty(control, u"Name").asText() != u"Command1") {
      continue;
    }
    Command1Button button;
    button.control = control;
    button.index = host_.getProperty(control, u"Index").asInt32();
    const host::Text caption = host_.getProperty(control, u"Caption").asText();
    button.caption.assign(caption.begin(), caption.end());
    const int left = pixels(control, u"Left");
    const int top = pixels(control, u"Top");
    button.pixels = {left, top, left + pixels(control, u"Width"), top + pixels(control, u"Height")};
    const POINT centre{(button.pixels.left + button.pixels.right) / 2,
                       (button.pixels.top + button.pixels.bottom) / 2};
    button.window = ChildWindowFromPointEx(window_, centre, CWP_SKIPINVISIBLE);
    buttons.push_back(std::move(button));
  }
  return buttons;
}

void settle() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

int runDriven(const std::function<void(DrivenForm1&)>& script) {
  Session state;
  state.script = script;
  session = &state;
  host::Project project = testbench::ProyectoForm1();
  project.iconPath = "#1";
  auto createForm1 = std::move(project.createCode);
  project.createCode = [&](host::FormsHost& host, host::FormRef form) {
    auto code = createForm1(host, form);
    state.host = &host;
    state.form = form;
    state.code = dynamic_cast<testbench::Form1*>(code.get());
    state.timer = SetTimer(nullptr, 0, 0, runScript);
    return code;
  };
  const int status = host::win32::start(project);
  session = nullptr;
  if (!state.ran) state.failure = "the window never came up";
  if (!state.failure.empty()) {
    std::fprintf(stderr, "%s\n", state.failure.c_str());
    return status == 0 ? 1 : status;
  }
  return status;
}

}  // namespace bench::win32
