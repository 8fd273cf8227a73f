#include "host/text.h"

namespace host {
namespace {

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

void appendUtf16(Text& out, char32_t cp) {
  if (cp < 0x10000) {
    out += static_cast<char16_t>(cp);
  } else {
    cp -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (cp >> 10));
    out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
  }
}

constexpr char32_t kReplacement = 0xFFFD;

// How many bytes a sequence starting with `lead` has; 0 for a byte that starts none (a
// continuation byte, or C0, C1 and F5 to FF, which only ever start invalid forms).
int sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead < 0xE0) return 2;
  if (lead >= 0xE0 && lead < 0xF0) return 3;
  if (lead >= 0xF0 && lead < 0xF5) return 4;
  return 0;
}

bool isContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

struct Decoded {
  char32_t codePoint;
  std::size_t length;
};

// Decodes the sequence at utf8[at]. A malformed one (cut short, overlong, an encoded surrogate,
// beyond U+10FFFF) gives one replacement character for its first byte only, so that the
// characters after it survive.
Decoded decodeAt(std::string_view utf8, std::size_t at) {
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  constexpr Decoded kMalformed{kReplacement, 1};
  const auto lead = static_cast<unsigned char>(utf8[at]);
  const int length = sequenceLength(lead);
  if (length == 0 || at + length > utf8.size()) return kMalformed;
  char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
  for (int k = 1; k < length; ++k) {
    const auto byte = static_cast<unsigned char>(utf8[at + k]);
    if (!isContinuation(byte)) return kMalformed;
    cp = (cp << 6) | (byte & 0x3F);
  }
  const bool surrogate = cp >= 0xD800 && cp < 0xE000;
  if (cp < kSmallest[length] || surrogate || cp > 0x10FFFF) return kMalformed;
  return {cp, static_cast<std::size_t>(length)};
}

}  // namespace

std::string toUtf8(TextView text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t unit = text[i];
    if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000) {
      unit = 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (unit >= 0xD800 && unit < 0xE000) {
      unit = kReplacement;  // a lone surrogate
    }
    appendUtf8(out, unit);
  }
  return out;
}

Text fromUtf8(std::string_view utf8) {
  Text out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const Decoded decoded = decodeAt(utf8, i);
    appendUtf16(out, decoded.codePoint);
    i += decoded.length;
  }
  return out;
}

Text decimal(std::int64_t number) {
  const std::string digits = std::to_string(number);
  return Text(digits.begin(), digits.end());
}

}  // namespace host
