#include "host/win32/dialog_template.h"

#include <cstdint>
#include <cstring>

namespace host::win32 {
namespace {

constexpr std::size_t kPlainHeader = 18;     // style, extended style, count, place and size
constexpr std::size_t kExtendedHeader = 26;  // version, signature, help id, then as above
constexpr std::size_t kExtendedStyleAt = 12;
constexpr std::size_t kExtendedCountAt = 16;
constexpr std::size_t kPlainCountAt = 8;
constexpr std::size_t kPlainItemBeforeId = 16;     // style, extended style, place and size
constexpr std::size_t kExtendedItemBeforeId = 20;  // help id, then as above
constexpr std::size_t kFontExtras = 4;             // weight, italic, character set

// Reads a template front to back; a read past its end gives zeros and leaves it no longer sound.
class Cursor {
 public:
  Cursor(std::span<const std::byte> bytes, std::size_t at) : bytes_(bytes), at_(at) {}

  bool sound() const { return sound_ && at_ <= bytes_.size(); }

  template <class Value>
  Value read() {
    Value value{};
    if (at_ + sizeof value > bytes_.size()) {
      sound_ = false;
      return value;
    }
    std::memcpy(&value, bytes_.data() + at_, sizeof value);
    at_ += sizeof value;
    return value;
  }

  void skip(std::size_t count) { at_ += count; }
  // Each control starts at a multiple of four bytes from the template's start.
  void align() { at_ = (at_ + 3) & ~std::size_t{3}; }

  // A text up to its terminating zero.
  std::wstring text() {
    std::wstring text;
    for (WORD c = read<WORD>(); sound() && c != 0; c = read<WORD>())
      text += static_cast<wchar_t>(c);
    return text;
  }

  // A name, or a number (0xFFFF and the number), or none (0): the name, else empty.
  std::wstring name() {
    const WORD first = read<WORD>();
    if (first == 0) return {};
    if (first == 0xFFFF) {
      read<WORD>();
      return {};
    }
    return static_cast<wchar_t>(first) + text();
  }

 private:
  std::span<const std::byte> bytes_;
  std::size_t at_;
  bool sound_ = true;
};

}  // namespace

DialogTemplate::DialogTemplate(std::span<const std::byte> bytes) : bytes_(bytes) {
  Cursor start(bytes, 0);
  extended_ = start.read<WORD>() == 1 && start.read<WORD>() == 0xFFFF;
  if (bytes.size() < (extended_ ? kExtendedHeader : kPlainHeader)) return;
  Cursor style(bytes, extended_ ? kExtendedStyleAt : 0);
  style_ = style.read<DWORD>();
  Cursor count(bytes, extended_ ? kExtendedCountAt : kPlainCountAt);
  controls_ = count.read<WORD>();
  whole_ = true;
}

std::vector<DialogTemplate::NamedClass> DialogTemplate::classesNamed() const {
  std::vector<NamedClass> classes;
  if (!whole_) return classes;
  Cursor at(bytes_, extended_ ? kExtendedHeader : kPlainHeader);
  at.name();  // the menu
  if (std::wstring own = at.name(); !own.empty()) classes.push_back({std::move(own), {}});
  at.text();  // the caption
  if (style_ & DS_SETFONT) {
    at.read<WORD>();  // the point size
    if (extended_) at.skip(kFontExtras);
    at.text();  // the typeface
  }
  for (WORD control = 0; control < controls_ && at.sound(); ++control) {
    at.align();
    at.skip(extended_ ? kExtendedItemBeforeId : kPlainItemBeforeId);
    const long id = extended_ ? static_cast<long>(at.read<std::int32_t>()) : at.read<WORD>();
    std::wstring className = at.name();
    at.name();  // the caption
    // The dialog manager skips the creation data in whole words.
    at.skip(at.read<WORD>() / 2 * 2);
    if (!at.sound()) break;
    if (!className.empty()) classes.push_back({std::move(className), id});
  }
  return classes;
}

}  // namespace host::win32
