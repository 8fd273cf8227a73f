#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace host {

// Every text passed to or from the host: UTF-16, owned by whoever holds it.
using Text = std::u16string;
using TextView = std::u16string_view;

// For messages and test output only; the program itself works in UTF-16 throughout.
std::string toUtf8(TextView text);
Text fromUtf8(std::string_view utf8);

// Decimal digits of a number, with a minus sign where negative and no padding: 7 -> u"7".
Text decimal(std::int64_t number);

}  // namespace host
