#include "tour/win32/dialog_file.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

#include "host/text.h"
#include "host/win32/convert.h"
#include "host/win32/error_report.h"
#include "tour/core/staged_output.h"

namespace tour::win32 {
namespace {

using host::win32::systemErrorText;

// What a file's headers say it is: not a program (no old executable header, or no PE header
// where it says), a program whose headers or sections run past the end of the file, or one whole.
enum class Shape { NotAProgram, CutShort, Whole };

template <class Header>
bool readInto(std::ifstream& file, Header& header) {
  return static_cast<bool>(file.read(reinterpret_cast<char*>(&header), sizeof header));
}

Shape shapeOf(const std::string& path) {
  std::ifstream file(pathFromUtf8(path), std::ios::binary);
  IMAGE_DOS_HEADER old{};
  DWORD signature = 0;
  if (!readInto(file, old) || old.e_magic != IMAGE_DOS_SIGNATURE || !file.seekg(old.e_lfanew) ||
      !readInto(file, signature) || signature != IMAGE_NT_SIGNATURE) {
    return Shape::NotAProgram;
  }
  IMAGE_FILE_HEADER header{};
  if (!readInto(file, header) || !file.seekg(header.SizeOfOptionalHeader, std::ios::cur)) {
    return Shape::CutShort;
  }
  std::uint64_t end = 0;
  for (WORD at = 0; at < header.NumberOfSections; ++at) {
    IMAGE_SECTION_HEADER section{};
    if (!readInto(file, section)) return Shape::CutShort;
    end = std::max<std::uint64_t>(end,
                                  std::uint64_t{section.PointerToRawData} + section.SizeOfRawData);
  }
  file.seekg(0, std::ios::end);
  return static_cast<std::uint64_t>(file.tellg()) < end ? Shape::CutShort : Shape::Whole;
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
  const Shape shape = shapeOf(path);
  if (shape == Shape::NotAProgram) {
    refuse(FileRefusal::NotAForm, "neither a form nor a program");
    return;
  }
  if (shape == Shape::CutShort) {
    refuse(FileRefusal::Malformed,
           "a program cut short: its headers or sections run past the end of the file");
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
