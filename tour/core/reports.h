#pragma once

#include <string>
#include <vector>

#include "tour/core/tour_host.h"
#include "tour/core/tour_result.h"
#include "tour/core/verdicts.h"

namespace tour {

// The press-by-press tour as Markdown (tour.md): per press the title it left, how many host
// calls were refused, and a table of the Command1 buttons (the properties read back, the colour
// painted on the face and whether that is ColorBoton).
std::string tourMarkdown(const TourResult& result, const std::string& styleName);

// One line on a press of the tour, for the console.
std::string pressLine(const Press& press);

// One row per style, start, method and Command1 button, under a fixed header (verdicts.csv).
std::string verdictsCsv(const std::vector<CaseVerdict>& verdicts);

// Per style, a table with a row per method and a column per start that says in a few words what
// a person sees.
std::string verdictsSummary(const std::vector<CaseVerdict>& verdicts);

// The summary with a heading, a key, and the picture `pictureName` under the tables
// (verdicts.md).
std::string verdictsMarkdown(const std::vector<CaseVerdict>& verdicts,
                             const std::string& pictureName);

// The two rows of Command1 buttons after every case: a row per method, a column per style and
// start, each picture labelled (verdicts.png).
Picture verdictsPicture(const std::vector<CaseVerdict>& verdicts, SheetPainter& painter);

// One line on the cases of one style and start: after which methods every button shows
// ColorBoton, is readable, and was shown before the click handler returned.
std::string progressLine(const std::vector<CaseVerdict>& group);

}  // namespace tour
