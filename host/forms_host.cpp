#include "host/forms_host.h"

#include <limits>
#include <string>

#include "host/error.h"

namespace host {

ColorValue composeRgb(int red, int green, int blue) {
  for (const int component : {red, green, blue}) {
    if (component < 0 || component > 255) {
      throw HostError(
          ErrorCode::InvalidValue,
          "invalid value: colour component " + std::to_string(component) + " is outside 0 to 255");
    }
  }
  return red + 256 * green + 65536 * blue;
}

std::int16_t checkedAdd(std::int16_t left, std::int16_t right) {
  const int sum = int{left} + int{right};
  if (sum < std::numeric_limits<std::int16_t>::min() ||
      sum > std::numeric_limits<std::int16_t>::max()) {
    throw HostError(ErrorCode::Overflow, "overflow: " + std::to_string(left) + " + " +
                                             std::to_string(right) +
                                             " does not fit a 16-bit integer");
  }
  return static_cast<std::int16_t>(sum);
}

}  // namespace host
