#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "host/definition.h"

// Expected trace lines of the skin on the in-memory host, in the host's own line format
// ("set Text1(0).BackColor 16777215"). Each helper gives the lines of one piece of the routine,
// so that a test builds the whole expected trace from readable parts.
namespace support {

using Lines = std::vector<std::string>;

// The palette as the trace shows it (32-bit decimal).
inline constexpr int kColorFondo = 15658219;
inline constexpr int kColorBoton = 11829830;
inline constexpr int kColorTextoBoton = 16777215;
inline constexpr int kColorFondoTexto = 16777215;
inline constexpr int kColorTexto = 3025446;

// Appends `more` to `lines` and returns `lines`, so that parts read as one list.
Lines& append(Lines& lines, const Lines& more);
Lines concat(std::initializer_list<Lines> parts);

// One trace as one text, a line each: gtest then shows a line diff when two traces differ.
std::string joined(const Lines& lines);

// The line of a call that failed with the host's deliberate refusal, or with another error.
std::string refused(const std::string& line);
std::string failed(const std::string& line, const std::string& codeName);

// `lines` with the first line equal to `line` marked as refused by the host.
Lines markRefused(Lines lines, const std::string& line);

// "Command1(3)" for a member of a control array, "cmdProbar" for a single control.
std::string targetOf(const host::ControlDefinition& control);

// The five palette compositions, in palette order.
Lines paletteLines();
// Palette, the form's background, and obtaining and starting the enumeration.
Lines skinStartLines(const std::string& form);
std::string advanceLine(const std::string& form);
std::string flagLine(bool quitar3D);

// The comparisons made for a current type name: up to and including the first match, or all
// four when none matches.
Lines comparisonLines(const std::string& currentType);
// The assignments (and the Quitar3D test) of the rule for `ruleType` on `target`; none for a
// type that has no rule.
Lines ruleLines(const std::string& target, const std::string& ruleType, bool quitar3D);
// Type name read, comparisons and rule for one control whose type name reads as `typeName`.
Lines controlLines(const std::string& target, const std::string& typeName, bool quitar3D);

// A whole call of the skin on `form` when the host refuses nothing.
Lines skinTrace(const host::FormDefinition& form, bool quitar3D);

}  // namespace support
