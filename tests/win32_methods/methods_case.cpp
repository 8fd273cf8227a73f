// One method applied once, through the click of PROBAR, to a freshly started Form1 on the Win32
// host, and what each Command1 button then shows, read from the window's pixels. From the
// skinned start the window is as it opens; from the standard start method 10 runs first.
// Usage: methods_case.exe skinned|standard METHOD
//        methods_case.exe all   every method from both starts, each in a process of its own,
//                               each case's lines after a line "case<TAB>START<TAB>METHOD"
// Prints one line for the title ("title<TAB>TEXT") and one per Command1 button, in the host's
// order: "button<TAB>Command1(I)<TAB>FACE<TAB>TEXT<TAB>CONTRAST<TAB>SHOWN_AT_ONCE<TAB>UNCHANGED",
// colours as rrggbb, the last two yes or no.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

#include "bench/win32/driven_form1.h"
#include "tour/core/button_colours.h"

namespace {

using tour::Area;
using tour::Picture;

constexpr int kStandardMethod = 10;

template <typename Handle, auto release>
using Owned = std::unique_ptr<std::remove_pointer_t<Handle>,
                              std::integral_constant<decltype(release), release>>;

// What the window has painted, read back through its device context.
Picture capture(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  Picture picture(client.right, client.bottom);
  BITMAPINFO format{};
  format.bmiHeader = {
      sizeof(BITMAPINFOHEADER), picture.width(), -picture.height(), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HDC windowDc = GetDC(window);
  const Owned<HDC, DeleteDC> memory(CreateCompatibleDC(windowDc));
  const Owned<HBITMAP, DeleteObject> bitmap(
      CreateDIBSection(windowDc, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
  bool copied = false;
  if (memory && bitmap) {
    const HGDIOBJ old = SelectObject(memory.get(), bitmap.get());
    copied = BitBlt(memory.get(), 0, 0, picture.width(), picture.height(), windowDc, 0, 0, SRCCOPY);
    GdiFlush();
    SelectObject(memory.get(), old);
  }
  ReleaseDC(window, windowDc);
  if (!copied) throw std::runtime_error("the window's pixels could not be read");
  const auto* pixel = static_cast<const std::uint32_t*>(bits);
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) picture.set(x, y, *pixel++ & 0xffffffu);
  }
  return picture;
}

// Where the button draws its caption: centred in it, in the button's own font, one pixel wider
// all round for the glyphs' edges.
Area captionArea(const bench::win32::Command1Button& button) {
  const HDC dc = GetDC(button.window);
  const HGDIOBJ old =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(button.window, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, button.caption.c_str(), static_cast<int>(button.caption.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(button.window, dc);
  const int centreX = (button.pixels.left + button.pixels.right) / 2;
  const int centreY = (button.pixels.top + button.pixels.bottom) / 2;
  return {centreX - size.cx / 2 - 1, centreY - size.cy / 2 - 1, centreX + (size.cx + 1) / 2 + 1,
          centreY + (size.cy + 1) / 2 + 1};
}

const char* yesNo(bool value) {
  return value ? "yes" : "no";
}

void report(bench::win32::DrivenForm1& form, const Picture& before, const Picture& atReturn,
            const Picture& after) {
  wchar_t title[256]{};
  GetWindowTextW(form.window(), title, 256);
  std::printf("title\t%ls\n", title);
  for (const auto& button : form.command1()) {
    const RECT& r = button.pixels;
    const Area area{r.left, r.top, r.right, r.bottom};
    const auto colours = tour::measureButton(after, area, captionArea(button));
    std::printf("button\tCommand1(%d)\t%06x\t%06x\t%.2f\t%s\t%s\n", button.index,
                static_cast<unsigned>(colours.face), static_cast<unsigned>(colours.text),
                tour::contrastRatio(colours.face, colours.text),
                yesNo(atReturn.samePixels(after, area)), yesNo(before.samePixels(after, area)));
  }
  std::fflush(stdout);
}

using Handle = Owned<HANDLE, CloseHandle>;

// Runs this program for one case and copies what it prints to standard output. Returns the
// case's exit status.
DWORD runCase(const std::wstring& start, int method) {
  wchar_t self[MAX_PATH]{};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring command =
      L"\"" + std::wstring(self) + L"\" " + start + L" " + std::to_wstring(method);
  SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherited, 0)) return GetLastError();
  const Handle reader(readEnd);
  Handle writer(writeEnd);
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = writeEnd;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(self, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return GetLastError();
  }
  const Handle child(process.hProcess), thread(process.hThread);
  writer.reset();
  std::printf("case\t%ls\t%d\n", start.c_str(), method);
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    std::fwrite(buffer, 1, got, stdout);
  }
  std::fflush(stdout);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 1;
  GetExitCodeProcess(process.hProcess, &status);
  return status;
}

int runAll() {
  for (const wchar_t* start : {L"skinned", L"standard"}) {
    for (int method = 1; method <= 10; ++method) {
      const DWORD status = runCase(start, method);
      if (status != 0) {
        std::fprintf(stderr, "the case %ls %d ended with status %lu\n", start, method, status);
        return 1;
      }
    }
  }
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  const std::wstring start = count == 3 ? arguments[1] : L"";
  const int method = count == 3 ? static_cast<int>(std::wcstol(arguments[2], nullptr, 10)) : 0;
  const bool all = count == 2 && std::wstring_view(arguments[1]) == L"all";
  LocalFree(arguments);
  if (all) return runAll();
  if ((start != L"skinned" && start != L"standard") || method < 1 || method > 10) {
    std::fprintf(stderr, "usage: methods_case.exe skinned|standard METHOD (1 to 10), or all\n");
    return 2;
  }
  return bench::win32::runDriven([&](bench::win32::DrivenForm1& form) {
    if (start == L"standard") form.pressFor(kStandardMethod);
    // A click gives PROBAR the focus; giving it beforehand keeps the focus ring of the first
    // button from counting as a change the method made.
    SetFocus(form.probar());
    bench::win32::settle();
    const Picture before = capture(form.window());
    form.pressFor(method);
    const Picture atReturn = capture(form.window());
    bench::win32::settle();
    report(form, before, atReturn, capture(form.window()));
  });
}
