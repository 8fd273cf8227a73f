#pragma once

#include <string>
#include <vector>

#include "tour/core/form_result.h"
#include "tour/core/tour_host.h"

namespace tour {

// The forms run's files and lines. Only skinned forms have rows, tables and pictures; a form
// that could not be made or faulted has its line, in forms.md too.

// One row per skinned form, style and control under a fixed header (forms.csv).
std::string formsCsv(const std::vector<FormResult>& results);

// A table per skinned form and style, worst controls first, headed with the form, the style and
// what the pixels were read on; the lines of the forms not skinned; the picture (forms.md).
std::string formsMarkdown(const std::vector<FormResult>& results, const std::string& pictureName);

// Each skinned form before and after the skin, side by side, a pair per form and style, labelled
// (forms.png).
Picture formsPicture(const std::vector<FormResult>& results, SheetPainter& painter);

// One line on a form in a style: what the skin did to it, or why it was not skinned.
std::string formLine(const FormResult& result);

// The controls of a form, worst first: unreadable after, then patches, then those with refused
// calls, then by lowest contrast after, those that show no text last; else in the host's order.
std::vector<const ControlResult*> worstFirst(const FormResult& result);

}  // namespace tour
