#include "tour/win32/console.h"

#include <cstdio>
#include <iostream>

#include "host/win32/windows_api.h"
// After windows.h, which it needs.
#include <shlobj.h>

namespace tour::win32 {
namespace {

bool isConsole(DWORD which) {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(which), &mode) != 0;
}

}  // namespace

Console::Console() {
  SetConsoleOutputCP(CP_UTF8);
  DWORD processes[2]{};
  const bool alone = GetConsoleProcessList(processes, 2) == 1;
  ownConsole_ = alone && isConsole(STD_INPUT_HANDLE) && isConsole(STD_OUTPUT_HANDLE);
}

std::filesystem::path Console::defaultFolder() const {
  wchar_t documents[MAX_PATH]{};
  if (!ownConsole_ || FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, documents))) {
    return ".";
  }
  return std::filesystem::path(documents) / L"skinbench-tour";
}

void Console::holdOpen() const {
  if (!ownConsole_) return;
  std::cout << "Press Enter to close this window." << std::endl;
  std::getchar();
}

}  // namespace tour::win32
