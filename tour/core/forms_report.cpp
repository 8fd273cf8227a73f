#include "tour/core/forms_report.h"

#include <algorithm>
#include <limits>

#include "tour/core/contact_sheet.h"
#include "tour/core/text_format.h"

namespace tour {
namespace {

// Names and reasons come from the user's files: on one line, whatever they hold.
std::string oneLine(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return text;
}

// A table cell: on one line, a bar kept from ending the cell.
std::string cell(const std::string& text) {
  std::string escaped;
  for (const char c : oneLine(text)) escaped += c == '|' ? std::string("\\|") : std::string(1, c);
  return escaped;
}

std::string counted(std::size_t count, const std::string& one, const std::string& many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string contrastText(const Reading& reading) {
  const std::optional<double> contrast = reading.contrast();
  return contrast ? fixed(*contrast, 2) : std::string();
}

std::string textColour(const Reading& reading) {
  return reading.text ? hexColour(*reading.text) : std::string();
}

bool unreadable(const ControlResult& control) {
  return !control.after.readable();
}

std::string heading(const FormResult& result) {
  return result.form + ": " + (result.heading.empty() ? result.style : result.heading);
}

std::string summary(const FormResult& result) {
  std::size_t skinned = 0, unreadableAfter = 0, readableBefore = 0, patches = 0;
  std::size_t refused = result.formRefused.size();
  for (const ControlResult& control : result.controls) {
    skinned += control.skinned();
    unreadableAfter += unreadable(control);
    readableBefore += unreadable(control) && control.before.readable();
    patches += control.patch;
    refused += control.refused.size();
  }
  return counted(result.controls.size(), "control", "controls") + ", " + std::to_string(skinned) +
         " skinned, " + std::to_string(unreadableAfter) + " unreadable after (" +
         std::to_string(readableBefore) + " of them readable before), " +
         counted(patches, "patch", "patches") + ", " +
         counted(refused, "call refused", "calls refused");
}

std::string readingWords(const Reading& reading) {
  if (!reading.text) return hexColour(reading.face) + ", no text";
  return hexColour(reading.face) + ", text " + hexColour(*reading.text) + " (" +
         contrastText(reading) + ":1)";
}

std::string row(const std::vector<std::string>& cells) {
  return "| " + joined(cells, " | ") + " |\n";
}

std::string backgroundWords(const std::optional<RgbHex>& colour) {
  return colour ? hexColour(*colour) : "hidden by its controls";
}

std::string formTable(const FormResult& result) {
  std::string text = "## " + cell(heading(result)) + "\n\n" + summary(result) + ".\n\n";
  text += "Form background " + backgroundWords(result.backgroundBefore) + " before, " +
          backgroundWords(result.backgroundAfter) + " after; the skin set on the form: " +
          (result.formCalls.empty() ? "nothing" : cell(joined(result.formCalls, ", ")));
  if (!result.formRefused.empty()) text += "; refused: " + cell(joined(result.formRefused, ", "));
  text += ".\n\n";
  text += row({"Control", "Type", "Class", "Before", "After", "Readable", "Changed", "Patch",
               "Calls", "Refused"});
  text += "|---|---|---|---|---|---|---|---|---|---|\n";
  for (const ControlResult* control : worstFirst(result)) {
    text += row({cell(control->name), cell(control->typeName), cell(control->className),
                 readingWords(control->before), readingWords(control->after),
                 yesNo(control->after.readable()), yesNo(control->changed()), yesNo(control->patch),
                 cell(joined(control->calls, ", ")), cell(joined(control->refused, ", "))});
  }
  return text + '\n';
}

// Worst first; the sort is stable, so equals keep the host's order.
bool worse(const ControlResult& a, const ControlResult& b) {
  if (unreadable(a) != unreadable(b)) return unreadable(a);
  if (a.patch != b.patch) return a.patch;
  if (a.refused.empty() != b.refused.empty()) return !a.refused.empty();
  constexpr double kNoText = std::numeric_limits<double>::infinity();
  return a.after.contrast().value_or(kNoText) < b.after.contrast().value_or(kNoText);
}

constexpr const char* kIntro =
    "# The skin on the forms\n\n"
    "Each form skinned by CargarSkin (Quitar3D true, SkinPreview -1), as Form1's load skins "
    "Form1, in each style, and each control read off the window's pixels before and after: its "
    "face, its text colour and their contrast ratio (WCAG; readable from 4.5:1; a control that "
    "shows no text has none). *Changed*: its face or text colour differs. *Patch*: the skin "
    "asked nothing of it, yet its face now differs from the form's background. *Calls*: what "
    "the skin set on it that the host took; *Refused*: the calls on it that the host refused. "
    "Worst first: unreadable after, then patches, then controls with refused calls, then the "
    "lowest contrast after, controls that show no text last. Each control on its own is in "
    "forms.csv.\n\n";

}  // namespace

std::vector<const ControlResult*> worstFirst(const FormResult& result) {
  std::vector<const ControlResult*> order;
  for (const ControlResult& control : result.controls) order.push_back(&control);
  std::stable_sort(order.begin(), order.end(),
                   [](const ControlResult* a, const ControlResult* b) { return worse(*a, *b); });
  return order;
}

std::string formsCsv(const std::vector<FormResult>& results) {
  std::string text =
      "form,style,control,type,class,face_before,text_before,contrast_before,face_after,"
      "text_after,contrast_after,readable,changed,patch,refused\n";
  for (const FormResult& result : results) {
    if (result.outcome != FormOutcome::Skinned) continue;
    for (const ControlResult& control : result.controls) {
      text += joined({csvField(result.form), csvField(result.style), csvField(control.name),
                      csvField(control.typeName), csvField(control.className),
                      hexColour(control.before.face), textColour(control.before),
                      contrastText(control.before), hexColour(control.after.face),
                      textColour(control.after), contrastText(control.after),
                      yesNo(control.after.readable()), yesNo(control.changed()),
                      yesNo(control.patch), std::to_string(control.refused.size())},
                     ",") +
              '\n';
    }
  }
  return text;
}

std::string formsMarkdown(const std::vector<FormResult>& results, const std::string& pictureName) {
  std::string text = kIntro;
  std::string notSkinned;
  for (const FormResult& result : results) {
    if (result.outcome == FormOutcome::Skinned) {
      text += formTable(result);
    } else {
      notSkinned += "- " + formLine(result) + "\n";
    }
  }
  if (!notSkinned.empty()) text += "## Not skinned\n\n" + notSkinned + '\n';
  return text + "![Each form before and after the skin, by style](" + pictureName + ")\n";
}

Picture formsPicture(const std::vector<FormResult>& results, SheetPainter& painter) {
  std::vector<Picture> sheets;
  for (const FormResult& result : results) {
    if (result.outcome != FormOutcome::Skinned) continue;
    const std::string name = oneLine(result.form) + " in " + result.style;
    sheets.push_back(contactSheet(
        {{result.before, name + ": before"}, {result.after, name + ": after"}}, 2, painter));
  }
  return stackedSheets(sheets);
}

std::string formLine(const FormResult& result) {
  const std::string name = oneLine(result.form) + " in " + result.style + ": ";
  switch (result.outcome) {
    case FormOutcome::Skinned:
      return name + summary(result);
    case FormOutcome::NotMade:
      return name + "cannot be made: " + oneLine(result.reason);
    case FormOutcome::Faulted:
      return name + "faulted: " + oneLine(result.reason);
    case FormOutcome::Untrusted:
      break;
  }
  return name + oneLine(result.reason);
}

}  // namespace tour
