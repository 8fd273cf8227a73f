#include "tour/win32/console.h"

#include <cstdio>

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

void Console::holdOpen() {
  if (!ownConsole_) return;
  out_ << "Press Enter to close this window." << std::endl;
  std::getchar();
}

Console::HandleBuffer::int_type Console::HandleBuffer::overflow(int_type character) {
  if (traits_type::eq_int_type(character, traits_type::eof()))
    return traits_type::not_eof(character);
  pending_.push_back(traits_type::to_char_type(character));
  if (character == '\n') sync();
  return character;
}

std::streamsize Console::HandleBuffer::xsputn(const char* text, std::streamsize count) {
  pending_.append(text, static_cast<std::size_t>(count));
  if (pending_.find('\n') != std::string::npos) sync();
  return count;
}

int Console::HandleBuffer::sync() {
  const HANDLE handle = GetStdHandle(which_);
  std::size_t written = 0;
  while (written < pending_.size() && handle && handle != INVALID_HANDLE_VALUE) {
    DWORD now = 0;
    const auto left = static_cast<DWORD>(pending_.size() - written);
    if (!WriteFile(handle, pending_.data() + written, left, &now, nullptr) || now == 0) break;
    written += now;
  }
  const bool all = written == pending_.size();
  pending_.clear();
  return all ? 0 : -1;
}

}  // namespace tour::win32
