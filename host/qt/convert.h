#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

#include "host/text.h"
#include "host/value.h"

namespace host::qt {

inline QString toQString(TextView text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

inline Text fromQString(const QString& text) {
  return Text(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()));
}

// The colour a colour value stands for: 0x00BBGGRR, or a system colour (top bit set) taken from
// `palette`. Raises InvalidValue for a system colour index we do not know or stray high bits.
QColor resolveColor(ColorValue value, const QPalette& palette);
// The same, with system colours taken from the application palette.
QColor resolveColor(ColorValue value);

// Twips to logical pixels and back: 15 twips to the pixel at 96 dots per inch.
inline constexpr double kTwipsPerPixel = 15.0;
inline int toPixels(double twips) {
  return qRound(twips / kTwipsPerPixel);
}

}  // namespace host::qt
