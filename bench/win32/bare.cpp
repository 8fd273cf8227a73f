// The floor under the program's start-up on Windows: a bare Win32 program, not the forms host,
// that shows a window "Form1" of the program's client size with the same thirteen standard
// controls, plain, built from a table. It runs until its window is closed; built with
// SKINBENCH_STOP_AT_FIRST_PAINT, it ends right after its first painted frame.
#include <windows.h>

#include <memory>
#include <type_traits>

#include "bench/win32/stop_at_first_paint.h"

namespace {

struct Item {
  const wchar_t* windowClass;
  DWORD style;
  const wchar_t* text;
  int x, y, width, height;
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kButton = kChild | BS_PUSHBUTTON;
constexpr DWORD kCheck = kChild | BS_AUTOCHECKBOX;
constexpr DWORD kRadio = kChild | BS_AUTORADIOBUTTON;
constexpr DWORD kEdit = kChild | ES_AUTOHSCROLL | WS_BORDER;

// Form1's controls in pixels at 96 dpi (twips / 15), in the definition's order.
constexpr Item kItems[] = {
    {L"BUTTON", kButton, L"PROBAR", 360, 216, 137, 41},
    {L"BUTTON", kCheck, L"Check1", 152, 208, 97, 33},
    {L"BUTTON", kCheck, L"Check1", 16, 200, 97, 33},
    {L"BUTTON", kRadio | WS_GROUP, L"Option1", 136, 160, 105, 17},
    {L"BUTTON", kRadio, L"Option1", 8, 160, 105, 17},
    {L"EDIT", kEdit, L"Text1", 136, 112, 105, 25},
    {L"EDIT", kEdit, L"Text1", 16, 112, 105, 25},
    {L"BUTTON", kButton, L"Ejecutar", 160, 0, 145, 41},
    {L"BUTTON", kButton, L"buscar", 0, 0, 145, 41},
    {L"BUTTON", kButton, L"consultar", 312, 0, 145, 41},
    {L"BUTTON", kButton, L"cancelar", 0, 48, 145, 41},
    {L"BUTTON", kButton, L"Guardar", 160, 48, 145, 41},
    {L"BUTTON", kButton, L"Aceptar", 312, 48, 145, 41},
};

constexpr int kClientWidth = 512;
constexpr int kClientHeight = 339;
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW;

struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

Font messageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return Font(CreateFontIndirectW(&metrics.lfMessageFont));
}

LRESULT CALLBACK formProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND createForm(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = formProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"BareForm";
  if (!RegisterClassExW(&windowClass)) return nullptr;
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kWindowStyle, FALSE, 0);
  return CreateWindowExW(0, L"BareForm", L"Form1", kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                         frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                         instance, nullptr);
}

bool addControls(HWND form, HINSTANCE instance, HFONT font) {
  int id = 100;
  for (const Item& item : kItems) {
    HWND control = CreateWindowExW(
        0, item.windowClass, item.text, item.style, item.x, item.y, item.width, item.height, form,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
    if (!control) return false;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  return true;
}

int runLoop(HWND form) {
  MSG message;
  BOOL got;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
    if (IsDialogMessageW(form, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return got < 0 ? 1 : static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
#ifdef SKINBENCH_STOP_AT_FIRST_PAINT
  const bench::win32::StopAtFirstPaint stopper;
  if (!stopper.installed()) return 1;
#endif
  const Font font = messageFont();
  HWND form = createForm(instance);
  if (!form || !addControls(form, instance, font.get())) return 1;
  ShowWindow(form, show);
  return runLoop(form);
}
