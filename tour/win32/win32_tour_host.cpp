#include "tour/win32/win32_tour_host.h"

#include "host/text.h"
#include "host/win32/convert.h"
#include "host/win32/windows_api.h"
#include "tour/win32/win32_form_window.h"

namespace tour::win32 {
namespace {

using host::win32::ControlLook;

// A function of a system library, looked up at run time: it may not be there (Wine's version
// is there only under Wine; the theme library is not on every system).
template <typename Function>
Function systemFunction(const wchar_t* library, const char* name) {
  HMODULE module = GetModuleHandleW(library);
  if (!module) module = LoadLibraryW(library);
  if (!module) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

std::string windowsVersion() {
  struct VersionInfo {
    ULONG size, major, minor, build, platform;
    WCHAR servicePack[128];
  };
  using GetVersion = LONG(WINAPI*)(VersionInfo*);
  const auto getVersion = systemFunction<GetVersion>(L"ntdll.dll", "RtlGetVersion");
  VersionInfo version{sizeof(VersionInfo), 0, 0, 0, 0, {}};
  if (!getVersion || getVersion(&version) != 0) return "Windows";
  return "Windows " + std::to_string(version.major) + "." + std::to_string(version.minor) +
         ", build " + std::to_string(version.build);
}

std::string utf8(const std::wstring& text) {
  return host::toUtf8(host::win32::fromWide(text.data(), text.size()));
}

// A name as a heading gives it: "light" is "Light".
std::string capitalised(std::string name) {
  if (!name.empty() && name[0] >= 'a' && name[0] <= 'z') {
    name[0] = static_cast<char>(name[0] - 'a' + 'A');
  }
  return name;
}

// "(theme: Light, Blue)": the theme file's name and its colour scheme, or "(no theme)".
std::string activeTheme() {
  using GetThemeName = HRESULT(WINAPI*)(LPWSTR, int, LPWSTR, int, LPWSTR, int);
  const auto getName = systemFunction<GetThemeName>(L"uxtheme.dll", "GetCurrentThemeName");
  wchar_t file[MAX_PATH]{};
  wchar_t colour[MAX_PATH]{};
  if (!getName || FAILED(getName(file, MAX_PATH, colour, MAX_PATH, nullptr, 0)) || !*file) {
    return "(no theme)";
  }
  std::wstring name(file);
  const std::size_t slash = name.find_last_of(L"\\/");
  if (slash != std::wstring::npos) name.erase(0, slash + 1);
  const std::size_t dot = name.rfind(L'.');
  if (dot != std::wstring::npos) name.erase(dot);
  std::string words = capitalised(utf8(name));
  if (*colour) words += ", " + capitalised(utf8(colour));
  return "(theme: " + words + ")";
}

}  // namespace

std::string systemName() {
  using WineVersion = const char*(__cdecl*)();
  const auto wineVersion = systemFunction<WineVersion>(L"ntdll.dll", "wine_get_version");
  const std::string system = wineVersion ? "Wine " + std::string(wineVersion()) : windowsVersion();
  return system + " " + activeTheme();
}

std::string Win32TourHost::styleName() {
  return look_ == ControlLook::Themed ? kStyles[1] : kStyles[0];
}

void Win32TourHost::useStyle(const std::string& style) {
  look_ = style == kStyles[1] ? ControlLook::Themed : ControlLook::Classic;
}

std::string Win32TourHost::platformName() {
  if (platform_.empty()) platform_ = systemName();
  return platform_;
}

std::string Win32TourHost::verdictsHeading(const std::string& style) {
  return capitalised(style) + " controls, read on " + platformName();
}

std::unique_ptr<FormWindow> Win32TourHost::loadForm1(std::function<void()> afterYield) {
  return std::make_unique<Win32FormWindow>(look_, std::move(afterYield));
}

}  // namespace tour::win32
