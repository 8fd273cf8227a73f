#pragma once

#include <QColor>

namespace host::qt {

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
double luminance(const QColor& colour);
// Contrast ratio of two colours, 1 (none) to 21 (black on white).
double contrast(const QColor& a, const QColor& b);
// Whether black stands out more against the colour than white does.
bool isLight(const QColor& colour);
// Black or white, whichever stands out more against `ground`: at least 4.58:1 on any colour.
QColor strongestAgainst(const QColor& ground);

}  // namespace host::qt
