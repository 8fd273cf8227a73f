#include "host/win32/form_class.h"

#include <stdexcept>

#include "host/win32/dpi.h"

namespace host::win32 {
namespace {

struct RegisteredClass {
  ATOM atom = 0;
  std::wstring iconName;
  Icon large, compact;  // kept while the process runs, as the class is
};

// The named icon group at the size of a system metric at `dpi`. For no name, or one the
// executable has no icon by, a copy of the system's default icon, which the form then owns as it
// owns one of its own.
Icon loadIcon(const std::wstring& name, int widthMetric, int heightMetric, UINT dpi) {
  const int width = systemMetric(widthMetric, dpi), height = systemMetric(heightMetric, dpi);
  if (!name.empty()) {
    if (const HANDLE named =
            LoadImageW(GetModuleHandleW(nullptr), name.c_str(), IMAGE_ICON, width, height, 0)) {
      return Icon(static_cast<HICON>(named));
    }
  }
  const HICON standard = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_WINLOGO));
  return Icon(static_cast<HICON>(CopyImage(standard, IMAGE_ICON, width, height, 0)));
}

}  // namespace

const std::wstring& registerFormClass(WNDPROC procedure, const std::wstring& iconName,
                                      UINT systemDpi) {
  static const RegisteredClass registered = [procedure, &iconName, systemDpi] {
    RegisteredClass made;
    made.iconName = iconName;
    if (!iconName.empty()) {
      made.large = loadIcon(iconName, SM_CXICON, SM_CYICON, systemDpi);
      made.compact = loadIcon(iconName, SM_CXSMICON, SM_CYSMICON, systemDpi);
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hIcon = made.large.get();
    windowClass.hIconSm = made.compact.get();
    windowClass.lpszClassName = kFormClass;
    made.atom = RegisterClassExW(&windowClass);
    return made;
  }();
  if (!registered.atom) throw std::runtime_error("the form's window class could not be registered");
  return registered.iconName;
}

bool needsOwnIcons(const Form& form, const std::wstring& classIcon, UINT systemDpi) {
  if (form.iconName != classIcon) return true;
  return !form.iconName.empty() && form.dpi != systemDpi;
}

void showOwnIcons(Form& form) {
  // The window lets go of the icons it shows before they are destroyed.
  Icon large = loadIcon(form.iconName, SM_CXICON, SM_CYICON, form.dpi);
  Icon compact = loadIcon(form.iconName, SM_CXSMICON, SM_CYSMICON, form.dpi);
  // The small one first: given the large one alone, the system makes a small one from it, and
  // converts both again when the real small one follows.
  SendMessageW(form.window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(compact.get()));
  SendMessageW(form.window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large.get()));
  form.bigIcon = std::move(large);
  form.smallIcon = std::move(compact);
}

LRESULT iconShown(HWND window, WPARAM size) {
  if (const LRESULT own = DefWindowProcW(window, WM_GETICON, size, 0)) return own;
  const int which = size == ICON_BIG ? GCLP_HICON : GCLP_HICONSM;
  return static_cast<LRESULT>(GetClassLongPtrW(window, which));
}

}  // namespace host::win32
