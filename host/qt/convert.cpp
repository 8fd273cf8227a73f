#include "host/qt/convert.h"

#include <QGuiApplication>
#include <array>
#include <optional>

#include "host/core/color_value.h"

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

QColor plainColor(ColorValue value) {
  const RgbChannels channels = plainChannels(value);
  return QColor(channels.red, channels.green, channels.blue);
}

}  // namespace

QColor resolveColor(ColorValue value, const QPalette& palette) {
  if (!isSystemColor(value)) return plainColor(value);
  const auto entry = findSystemColor(systemIndex(value));
  if (!entry) refuseSystemIndex(value);
  return palette.color(entry->group, entry->role);
}

QColor resolveColor(ColorValue value) {
  // Most colours are plain RGB: the application palette is fetched only for a system colour.
  if (!isSystemColor(value)) return plainColor(value);
  return resolveColor(value, QGuiApplication::palette());
}

}  // namespace host::qt
