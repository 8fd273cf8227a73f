#include "tour/win32/dialog_file.h"

#include <cstring>
#include <fstream>

#include "host/text.h"
#include "host/win32/convert.h"
#include "host/win32/error_report.h"
#include "tour/core/staged_output.h"

namespace tour::win32 {
namespace {

using host::win32::systemErrorText;

// A program begins with the old executable header, whose last field says where the PE header
// with its signature lies.
bool looksLikeProgram(const std::string& path) {
  constexpr std::size_t kPeHeaderAt = 0x3C;
  std::ifstream file(pathFromUtf8(path), std::ios::binary);
  char header[64]{};
  if (!file.read(header, sizeof header) || header[0] != 'M' || header[1] != 'Z') return false;
  std::uint32_t peHeader = 0;
  std::memcpy(&peHeader, header + kPeHeaderAt, sizeof peHeader);
  char signature[4]{};
  return file.seekg(peHeader) && file.read(signature, sizeof signature) &&
         std::memcmp(signature, "PE\0\0", sizeof signature) == 0;
}

// The whole path: a bare name would be looked for along the system's search path, and could be
// a system library of the same name rather than the file named.
std::wstring fullPath(const std::string& path) {
  const host::Text given = host::fromUtf8(path);
  const DWORD size = GetFullPathNameW(host::win32::wide(given), 0, nullptr, nullptr);
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(host::win32::wide(given), size, full.data(), nullptr);
  if (length == 0 || length >= size) return std::wstring(host::win32::wide(given));
  full.resize(length);
  return full;
}

}  // namespace

std::string DialogName::shown() const {
  if (text.empty()) return std::to_string(number);
  return host::toUtf8(host::win32::fromWide(text.data(), text.size()));
}

DialogFile::DialogFile(const std::string& path) {
  if (!looksLikeProgram(path)) {
    refuse(FileRefusal::NotAForm, "neither a form nor a program");
    return;
  }
  // Mapped as data, as the file lies: nothing of it is run, and a file of the other bitness
  // loads as well; the system's resource functions find their way in it all the same. (Mapped
  // as an image resource instead, a file named as one of Wine's own libraries, "comdlg32.dll",
  // gives that library's resources rather than its own.)
  module_.reset(LoadLibraryExW(fullPath(path).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  if (!module_) {
    refuse(FileRefusal::Malformed,
           "a program the system cannot load: " + systemErrorText(GetLastError()));
    return;
  }
  SetLastError(ERROR_SUCCESS);
  if (!EnumResourceNamesW(module(), RT_DIALOG, collect, reinterpret_cast<LONG_PTR>(this))) {
    const DWORD error = GetLastError();
    if (error == ERROR_RESOURCE_DATA_NOT_FOUND || error == ERROR_RESOURCE_TYPE_NOT_FOUND) {
      refuse(FileRefusal::NoForms, "a program with no dialogs");
    } else {
      refuse(FileRefusal::Malformed, "its resources cannot be read: " + systemErrorText(error));
    }
  } else if (dialogs_.empty()) {
    refuse(FileRefusal::NoForms, "a program with no dialogs");
  }
}

std::span<const std::byte> DialogFile::templateOf(const DialogName& dialog) const {
  const LPCWSTR name = dialog.text.empty() ? MAKEINTRESOURCEW(dialog.number) : dialog.text.c_str();
  const HRSRC found = FindResourceW(module(), name, RT_DIALOG);
  const HGLOBAL loaded = found ? LoadResource(module(), found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return {};
  return {static_cast<const std::byte*>(bytes), SizeofResource(module(), found)};
}

void DialogFile::refuse(FileRefusal refusal, std::string reason) {
  refusal_ = refusal;
  reason_ = std::move(reason);
  dialogs_.clear();
}

BOOL CALLBACK DialogFile::collect(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR self) {
  auto& file = *reinterpret_cast<DialogFile*>(self);
  if (IS_INTRESOURCE(name)) {
    file.dialogs_.push_back({static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)), {}});
  } else {
    file.dialogs_.push_back({0, name});
  }
  return TRUE;
}

}  // namespace tour::win32
