// The press-by-press tour's words: tour.md, and a line per press for the console.
#include "tour/core/reports.h"

#include "tour/core/text_format.h"

namespace tour {
namespace {

std::string number(const std::optional<std::int32_t>& value) {
  return value ? std::to_string(*value) : "refused";
}

std::string colour(const std::optional<std::int32_t>& value) {
  return value ? colourValue(*value) : "refused";
}

std::string row(const std::vector<std::string>& cells) {
  return "| " + joined(cells, " | ") + " |\n";
}

std::string pressSection(const Press& press) {
  std::string text = "## Press " + std::to_string(press.number) + ": " + press.title + "\n\n";
  text += "Host calls refused during the press: " + std::to_string(press.refused) + "\n\n";
  text += row({"Button", "Style", "Appearance", "BackColor", "ForeColor", "Painted", "ColorBoton"});
  text += "|---|---|---|---|---|---|---|\n";
  for (const ButtonState& state : press.buttons) {
    text +=
        row({state.button, number(state.style), number(state.appearance), colour(state.backColor),
             colour(state.foreColor), hexColour(state.painted), yesNo(state.colorBoton)});
  }
  return text + '\n';
}

}  // namespace

std::string tourMarkdown(const TourResult& result, const std::string& styleName) {
  std::string text = "# Tour of the ten test methods\n\n";
  text += "Style: " + styleName +
          ". After each press of PROBAR: the title it left, and each Command1 button as the host "
          "reads it back. Painted is the colour sampled from the button's face, ColorBoton "
          "whether that is RGB(70, 130, 180).\n\n";
  for (const Press& press : result.presses) text += pressSection(press);
  return text;
}

std::string pressLine(const Press& press) {
  int painted = 0;
  for (const ButtonState& state : press.buttons) painted += state.colorBoton ? 1 : 0;
  return "press " + std::to_string(press.number) + " of " + std::to_string(kPresses) + ": " +
         press.title + " (ColorBoton on " + std::to_string(painted) + " of " +
         std::to_string(press.buttons.size()) + " buttons, " + std::to_string(press.refused) +
         " refused)";
}

}  // namespace tour
