#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tour/core/tour_host.h"
#include "tour/core/tour_result.h"
#include "tour/core/verdicts.h"

namespace tour {

// Loads Form1 on `host` and presses PROBAR ten times through the button's own click, rendering
// the window after the load, after each press and after each yield. Calls `progress` after each
// press.
TourResult runTour(TourHost& host, const std::function<void(const Press&)>& progress);

// Runs every method from every start in each of `styles` (the host's style names), each case on
// a Form1 of its own, and calls `progress` after each style and start. The host is left in the
// last of `styles`. Throws ReadBackError where the pixels cannot be trusted.
std::vector<CaseVerdict> runVerdicts(
    TourHost& host, const std::vector<std::string>& styles,
    const std::function<void(const std::vector<CaseVerdict>&)>& progress);

// The window read back once every pending paint is done, checked against a fresh rendering.
// While they differ it waits (bounded) for painting to catch up; when they never agree, the
// window is covered, unmapped or off the screen, and it throws ReadBackError.
Picture checkedReadBack(ShownWindow& window, const std::string& platform);

}  // namespace tour
