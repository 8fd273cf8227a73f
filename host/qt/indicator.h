#pragma once

#include <QAbstractButton>

namespace host::qt {

// Fits a check box's or option button's indicator to the background and label colours the
// program gave the box, whatever the theme: the indicator's fill and its boundary stand out on
// the background, and the mark stands out on the fill.
void fitIndicator(QAbstractButton& box);

}  // namespace host::qt
