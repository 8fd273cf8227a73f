#include "host/qt/convert.h"

#include <array>
#include <optional>
#include <string>

#include <QGuiApplication>

#include "host/error.h"

namespace host::qt {
namespace {

struct SystemColor {
  std::uint8_t index;
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};

// The usual system colour indices and the palette entries that play their part in Qt.
constexpr std::array kSystemColors{
    SystemColor{0, QPalette::Active, QPalette::Mid},                 // scroll bar
    SystemColor{1, QPalette::Active, QPalette::Window},              // desktop
    SystemColor{2, QPalette::Active, QPalette::Highlight},           // active caption
    SystemColor{3, QPalette::Inactive, QPalette::Highlight},         // inactive caption
    SystemColor{4, QPalette::Active, QPalette::Window},              // menu
    SystemColor{5, QPalette::Active, QPalette::Base},                // window background
    SystemColor{6, QPalette::Active, QPalette::Dark},                // window frame
    SystemColor{7, QPalette::Active, QPalette::WindowText},          // menu text
    SystemColor{8, QPalette::Active, QPalette::Text},                // window text
    SystemColor{9, QPalette::Active, QPalette::HighlightedText},     // caption text
    SystemColor{12, QPalette::Active, QPalette::Window},             // application workspace
    SystemColor{13, QPalette::Active, QPalette::Highlight},          // highlight
    SystemColor{14, QPalette::Active, QPalette::HighlightedText},    // highlighted text
    SystemColor{15, QPalette::Active, QPalette::Button},             // button face
    SystemColor{16, QPalette::Active, QPalette::Dark},               // button shadow
    SystemColor{17, QPalette::Disabled, QPalette::Text},             // grey text
    SystemColor{18, QPalette::Active, QPalette::ButtonText},         // button text
    SystemColor{19, QPalette::Inactive, QPalette::HighlightedText},  // inactive caption text
    SystemColor{20, QPalette::Active, QPalette::Light},              // 3-D highlight
    SystemColor{21, QPalette::Active, QPalette::Shadow},             // 3-D dark shadow
    SystemColor{22, QPalette::Active, QPalette::Midlight},           // 3-D light
    SystemColor{23, QPalette::Active, QPalette::ToolTipText},        // tooltip text
    SystemColor{24, QPalette::Active, QPalette::ToolTipBase},        // tooltip background
};

std::optional<SystemColor> findSystemColor(std::uint32_t index) {
  for (const SystemColor& entry : kSystemColors) {
    if (entry.index == index) return entry;
  }
  return std::nullopt;
}

[[noreturn]] void invalid(ColorValue value, const char* why) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08X", static_cast<unsigned>(value));
  throw HostError(ErrorCode::InvalidValue, std::string("invalid value: colour ") + hex + " " + why);
}

QColor plainColor(ColorValue value) {
  const auto bits = static_cast<std::uint32_t>(value);
  if ((bits & 0xFF000000u) != 0) invalid(value, "has bits set above blue");
  return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                static_cast<int>((bits >> 16) & 0xFF));
}

}  // namespace

QColor resolveColor(ColorValue value, const QPalette& palette) {
  const auto bits = static_cast<std::uint32_t>(value);
  if ((bits & 0x80000000u) == 0) return plainColor(value);
  if ((bits & 0x7FFFFF00u) != 0) invalid(value, "is not a system colour");
  const auto entry = findSystemColor(bits & 0xFFu);
  if (!entry) invalid(value, "names a system colour index this host does not know");
  return palette.color(entry->group, entry->role);
}

QColor resolveColor(ColorValue value) {
  // Most colours are plain RGB: the application palette is fetched only for a system colour.
  if ((static_cast<std::uint32_t>(value) & 0x80000000u) == 0) return plainColor(value);
  return resolveColor(value, QGuiApplication::palette());
}

}  // namespace host::qt
