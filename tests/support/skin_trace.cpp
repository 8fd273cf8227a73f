#include "tests/support/skin_trace.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "host/text.h"

namespace support {
namespace {

// The rules' type names in the order the skin compares them.
constexpr std::array<const char*, 4> kComparedTypes = {"TextBox", "CheckBox", "OptionButton",
                                                       "CommandButton"};

std::string set(const std::string& target, const std::string& member, int value) {
  return "set " + target + "." + member + " " + std::to_string(value);
}

}  // namespace

Lines& append(Lines& lines, const Lines& more) {
  lines.insert(lines.end(), more.begin(), more.end());
  return lines;
}

Lines concat(std::initializer_list<Lines> parts) {
  Lines lines;
  for (const Lines& part : parts) append(lines, part);
  return lines;
}

std::string joined(const Lines& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

std::string refused(const std::string& line) {
  return failed(line, "refused");
}

std::string failed(const std::string& line, const std::string& codeName) {
  return line + " !" + codeName;
}

Lines markRefused(Lines lines, const std::string& line) {
  const auto found = std::find(lines.begin(), lines.end(), line);
  if (found == lines.end()) throw std::logic_error("no line \"" + line + "\" to mark");
  *found = refused(line);
  return lines;
}

std::string targetOf(const host::ControlDefinition& control) {
  std::string target = host::toUtf8(control.name);
  if (control.index) target.append("(").append(std::to_string(*control.index)).append(")");
  return target;
}

Lines paletteLines() {
  return {"rgb 235 236 238", "rgb 70 130 180", "rgb 255 255 255", "rgb 255 255 255",
          "rgb 38 42 46"};
}

Lines skinStartLines(const std::string& form) {
  Lines lines = paletteLines();
  return append(lines, {"backcolor " + form + " " + std::to_string(kColorFondo), "controls " + form,
                        "start " + form});
}

std::string advanceLine(const std::string& form) {
  return "advance " + form;
}

std::string flagLine(bool quitar3D) {
  return quitar3D ? "flag True" : "flag False";
}

Lines comparisonLines(const std::string& currentType) {
  Lines lines;
  for (const char* type : kComparedTypes) {
    lines.push_back("equals \"" + currentType + "\" \"" + type + "\"");
    if (currentType == type) break;
  }
  return lines;
}

Lines ruleLines(const std::string& c, const std::string& ruleType, bool quitar3D) {
  if (ruleType == "TextBox") {
    Lines lines = {set(c, "BackColor", kColorFondoTexto), set(c, "ForeColor", kColorTexto),
                   flagLine(quitar3D)};
    if (quitar3D) append(lines, {set(c, "BorderStyle", 1), set(c, "Appearance", 0)});
    return lines;
  }
  if (ruleType == "CheckBox" || ruleType == "OptionButton") {
    return {set(c, "BackColor", kColorFondo), set(c, "ForeColor", kColorTexto)};
  }
  if (ruleType == "CommandButton") {
    Lines lines = {set(c, "ForeColor", kColorTextoBoton), flagLine(quitar3D)};
    if (quitar3D) {
      append(lines,
             {set(c, "Style", 1), set(c, "Appearance", 0), set(c, "BackColor", kColorBoton)});
    }
    return lines;
  }
  return {};
}

Lines controlLines(const std::string& target, const std::string& typeName, bool quitar3D) {
  Lines lines = {"type " + target};
  append(lines, comparisonLines(typeName));
  return append(lines, ruleLines(target, typeName, quitar3D));
}

Lines skinTrace(const host::FormDefinition& form, bool quitar3D) {
  const std::string name = host::toUtf8(form.name);
  Lines lines = skinStartLines(name);
  for (const host::ControlDefinition& control : form.controls) {
    append(lines, controlLines(targetOf(control), host::toUtf8(control.typeName), quitar3D));
    lines.push_back(advanceLine(name));
  }
  return lines;
}

}  // namespace support
