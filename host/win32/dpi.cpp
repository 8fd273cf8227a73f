#include "host/win32/dpi.h"

namespace host::win32 {
namespace {

// Entry points of newer systems, looked up once; null where the system lacks them.
template <class Function>
Function user32Function(const char* name) {
  const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

struct NewerApi {
  UINT(WINAPI* getDpiForWindow)
  (HWND) = user32Function<decltype(getDpiForWindow)>("GetDpiForWindow");
  BOOL(WINAPI* parametersForDpi)
  (UINT, UINT, void*, UINT,
   UINT) = user32Function<decltype(parametersForDpi)>("SystemParametersInfoForDpi");
  int(WINAPI* metricForDpi)(int, UINT) =
      user32Function<decltype(metricForDpi)>("GetSystemMetricsForDpi");
  BOOL(WINAPI* adjustForDpi)
  (RECT*, DWORD, BOOL, DWORD,
   UINT) = user32Function<decltype(adjustForDpi)>("AdjustWindowRectExForDpi");
  BOOL(WINAPI* nonClientScaling)
  (HWND) = user32Function<decltype(nonClientScaling)>("EnableNonClientDpiScaling");
  UINT(WINAPI* dpiForSystem)() = user32Function<decltype(dpiForSystem)>("GetDpiForSystem");
};

const NewerApi& api() {
  static const NewerApi functions;
  return functions;
}

UINT systemDpi() {
  if (api().dpiForSystem) {
    if (const UINT dpi = api().dpiForSystem()) return dpi;
  }
  const WindowDc screen(nullptr);
  const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
  return dpi > 0 ? static_cast<UINT>(dpi) : kStandardDpi;
}

}  // namespace

UINT dpiOf(HWND window) {
  if (api().getDpiForWindow && window) {
    if (const UINT dpi = api().getDpiForWindow(window)) return dpi;
  }
  return systemDpi();
}

Font messageFont(UINT dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (api().parametersForDpi &&
      api().parametersForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi)) {
    return Font(CreateFontIndirectW(&metrics.lfMessageFont));
  }
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    return Font(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  }
  // The system gave the font at its own resolution.
  metrics.lfMessageFont.lfHeight =
      MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi), static_cast<int>(systemDpi()));
  return Font(CreateFontIndirectW(&metrics.lfMessageFont));
}

int systemMetric(int index, UINT dpi) {
  if (api().metricForDpi) return api().metricForDpi(index, dpi);
  return MulDiv(GetSystemMetrics(index), static_cast<int>(dpi), static_cast<int>(systemDpi()));
}

SIZE windowSizeFor(SIZE client, DWORD style, DWORD exStyle, UINT dpi) {
  RECT frame{0, 0, client.cx, client.cy};
  if (!api().adjustForDpi || !api().adjustForDpi(&frame, style, FALSE, exStyle, dpi)) {
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  }
  return {frame.right - frame.left, frame.bottom - frame.top};
}

void scaleNonClientArea(HWND window) {
  if (api().nonClientScaling) api().nonClientScaling(window);
}

}  // namespace host::win32
