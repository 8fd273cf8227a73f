#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tour/core/tour_host.h"

namespace tour {

inline constexpr int kFailed = 1;    // the tour failed, or could not trust its read-backs
inline constexpr int kUnusable = 2;  // bad options, an unknown style or a folder it cannot write

// Writes "skinbench-tour: MESSAGE" as one line on `err`; gives `status`.
int complain(std::ostream& err, int status, const std::string& message);

// The whole tour into `folder`: the press-by-press tour in the host's current style, then each
// method on its own in each of `verdictStyles`; progress on `err`, the summary on `out` once all
// six files are in place (tour.png, method9.png, tour.md, verdicts.csv, verdicts.md,
// verdicts.png). Nothing is written unless all six are. Gives the exit status.
int tourInto(TourHost& host, SheetPainter& painter, const std::string& folder,
             const std::vector<std::string>& verdictStyles, std::ostream& out, std::ostream& err);

}  // namespace tour
