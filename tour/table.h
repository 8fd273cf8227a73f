#pragma once

#include <QString>

#include "tour/tour_run.h"

namespace tour {

// The verdict of the tour as Markdown: per press the title it left, how many host calls were
// refused, and a table of the Command1 buttons (the properties read back, the colour painted on
// the face and whether that is ColorBoton).
QString verdictTable(const TourResult& result, const QString& styleName);

}  // namespace tour
