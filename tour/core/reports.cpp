#include "tour/core/reports.h"

#include <algorithm>
#include <iterator>
#include <set>

#include "tour/core/contact_sheet.h"
#include "tour/core/text_format.h"

namespace tour {
namespace {

std::vector<std::string> stylesOf(const std::vector<CaseVerdict>& verdicts) {
  std::vector<std::string> styles;
  for (const CaseVerdict& verdict : verdicts) {
    if (std::find(styles.begin(), styles.end(), verdict.style) == styles.end()) {
      styles.push_back(verdict.style);
    }
  }
  return styles;
}

const CaseVerdict* find(const std::vector<CaseVerdict>& verdicts, const std::string& style,
                        Start start, int method) {
  for (const CaseVerdict& verdict : verdicts) {
    if (verdict.style == style && verdict.start == start && verdict.method == method) {
      return &verdict;
    }
  }
  return nullptr;
}

// The faces of the standard look: what method 10 leaves, from the standard start.
std::set<RgbHex> standardFaces(const std::vector<CaseVerdict>& verdicts, const std::string& style) {
  std::set<RgbHex> faces;
  if (const CaseVerdict* reset = find(verdicts, style, Start::Standard, kMethods)) {
    for (const ButtonVerdict& button : reset->buttons) faces.insert(button.face);
  }
  return faces;
}

std::string faceWords(const ButtonVerdict& button, const std::set<RgbHex>& standard) {
  if (button.colorBoton()) return "steel blue";
  if (standard.contains(button.face)) return "standard face";
  return "face " + hexColour(button.face);
}

// White or black also when a few glyph pixels fall just short of full coverage.
std::string textWords(const ButtonVerdict& button) {
  constexpr int kNear = 8;
  const RgbHex text = button.text;
  if (std::min({redOf(text), greenOf(text), blueOf(text)}) >= 255 - kNear) return "white text";
  if (std::max({redOf(text), greenOf(text), blueOf(text)}) <= kNear) return "black text";
  return "text " + hexColour(text);
}

std::string whenWords(const ButtonVerdict& button) {
  if (button.unchanged) return "no change";
  return button.shownBeforeReturn ? "shown at once" : "shown after the handler";
}

// Buttons that look alike to a person: the same words, the contrast as a range.
struct Look {
  std::string face, text, when;
  bool readable = false;
  int count = 0;
  double lowest = 0, highest = 0;

  bool sameAs(const Look& other) const {
    return face == other.face && text == other.text && when == other.when &&
           readable == other.readable;
  }
  std::string words() const {
    std::string contrast = fixed(lowest, 2);
    if (highest != lowest) contrast += " to " + fixed(highest, 2);
    return face + ", " + text + ": " + (readable ? "readable" : "unreadable") + " (" + contrast +
           ":1), " + when;
  }
};

std::vector<Look> looksOf(const CaseVerdict& verdict, const std::set<RgbHex>& standard) {
  std::vector<Look> looks;
  for (const ButtonVerdict& button : verdict.buttons) {
    Look look{faceWords(button, standard), textWords(button), whenWords(button), button.readable()};
    auto same = std::find_if(looks.begin(), looks.end(),
                             [&](const Look& other) { return other.sameAs(look); });
    if (same == looks.end()) {
      look.lowest = look.highest = button.contrast;
      same = looks.insert(looks.end(), look);
    }
    ++same->count;
    same->lowest = std::min(same->lowest, button.contrast);
    same->highest = std::max(same->highest, button.contrast);
  }
  return looks;
}

// The words for a case: one phrase when every button looks alike, else each phrase with how many
// buttons look like that.
std::string caseWords(const CaseVerdict& verdict, const std::set<RgbHex>& standard) {
  const std::vector<Look> looks = looksOf(verdict, standard);
  std::vector<std::string> parts;
  for (const Look& look : looks) {
    parts.push_back(looks.size() == 1
                        ? look.words()
                        : std::to_string(look.count) + " of " +
                              std::to_string(verdict.buttons.size()) + ": " + look.words());
  }
  if (verdict.refused > 0) parts.push_back(std::to_string(verdict.refused) + " calls refused");
  return joined(parts, "; ");
}

// Headed with the style and what the pixels were read on, as the style's first case has it.
std::string styleTable(const std::vector<CaseVerdict>& verdicts, const std::string& style) {
  const std::set<RgbHex> standard = standardFaces(verdicts, style);
  const auto first = std::find_if(verdicts.begin(), verdicts.end(),
                                  [&](const CaseVerdict& v) { return v.style == style; });
  std::string text =
      "## " + first->heading + "\n\n| Method | From skinned | From standard |\n|---|---|---|\n";
  for (int method = 1; method <= kMethods; ++method) {
    const CaseVerdict* skinned = find(verdicts, style, Start::Skinned, method);
    const CaseVerdict* reset = find(verdicts, style, Start::Standard, method);
    if (!skinned || !reset) continue;
    text += "| " + skinned->title + " | " + caseWords(*skinned, standard) + " | " +
            caseWords(*reset, standard) + " |\n";
  }
  return text + '\n';
}

bool everyButton(const CaseVerdict& verdict, bool (*holds)(const ButtonVerdict&)) {
  return !verdict.buttons.empty() &&
         std::all_of(verdict.buttons.begin(), verdict.buttons.end(), holds);
}

bool colorBotonOnAll(const CaseVerdict& verdict) {
  return everyButton(verdict, [](const ButtonVerdict& b) { return b.colorBoton(); });
}

bool readableOnAll(const CaseVerdict& verdict) {
  return everyButton(verdict, [](const ButtonVerdict& b) { return b.readable(); });
}

// Some button changed, and each that did showed its new look before the handler returned: the
// table's "shown at once" and never "shown after the handler".
bool shownAtOnce(const CaseVerdict& verdict) {
  return !everyButton(verdict, [](const ButtonVerdict& b) { return b.unchanged; }) &&
         everyButton(verdict,
                     [](const ButtonVerdict& b) { return b.unchanged || b.shownBeforeReturn; });
}

std::string methodList(const std::vector<CaseVerdict>& group, bool (*holds)(const CaseVerdict&)) {
  std::vector<std::string> methods;
  for (const CaseVerdict& verdict : group) {
    if (holds(verdict)) methods.push_back(std::to_string(verdict.method));
  }
  return methods.empty() ? "none" : joined(methods, " ");
}

constexpr const char* kVerdictsHeading = "# Verdicts: each method on its own\n\n";

}  // namespace

std::string verdictsCsv(const std::vector<CaseVerdict>& verdicts) {
  std::string text =
      "style,start,method,button,face,text,colorboton,contrast,readable,shown_before_return,"
      "refused\n";
  for (const CaseVerdict& verdict : verdicts) {
    for (const ButtonVerdict& button : verdict.buttons) {
      text +=
          joined({csvField(verdict.style), startName(verdict.start), std::to_string(verdict.method),
                  button.button, hexColour(button.face), hexColour(button.text),
                  yesNo(button.colorBoton()), fixed(button.contrast, 2), yesNo(button.readable()),
                  yesNo(button.shownBeforeReturn), std::to_string(verdict.refused)},
                 ",") +
          '\n';
    }
  }
  return text;
}

std::string verdictsSummary(const std::vector<CaseVerdict>& verdicts) {
  std::string text = kVerdictsHeading;
  for (const std::string& style : stylesOf(verdicts)) text += styleTable(verdicts, style);
  return text;
}

std::string verdictsMarkdown(const std::vector<CaseVerdict>& verdicts,
                             const std::string& pictureName) {
  std::string text = kVerdictsHeading;
  text +=
      "Each method applied once, through the click of PROBAR, to a freshly loaded Form1: from "
      "*skinned*, the window as it opens; from *standard*, after method 10 has put the buttons "
      "back to the standard look. Read from the window's pixels for each Command1 button: the "
      "face (the commonest colour inside its border), the text colour, and their contrast ratio "
      "(WCAG; readable from 4.5). *Shown at once*: the window system already had the button's "
      "final look when the click handler returned; *shown after the handler*: only the repaint "
      "that followed showed it; *no change*: the button looked the same before the press. "
      "Each button on its own is in verdicts.csv.\n\n";
  for (const std::string& style : stylesOf(verdicts)) text += styleTable(verdicts, style);
  text += "![The Command1 buttons after each method, by style and start](" + pictureName + ")\n";
  return text;
}

Picture verdictsPicture(const std::vector<CaseVerdict>& verdicts, SheetPainter& painter) {
  const std::vector<std::string> styles = stylesOf(verdicts);
  std::vector<Frame> frames;
  for (int method = 1; method <= kMethods; ++method) {
    for (const std::string& style : styles) {
      for (const Start start : kStarts) {
        const CaseVerdict* verdict = find(verdicts, style, start, method);
        if (!verdict) continue;
        frames.push_back({verdict->picture, style + ", from " + startName(start) + ": method " +
                                                std::to_string(method)});
      }
    }
  }
  return contactSheet(frames, static_cast<int>(styles.size() * std::size(kStarts)), painter);
}

std::string progressLine(const std::vector<CaseVerdict>& group) {
  if (group.empty()) return {};
  int refused = 0;
  for (const CaseVerdict& verdict : group) refused += verdict.refused;
  return "verdicts for " + group.front().style + " from " + startName(group.front().start) +
         ": ColorBoton after " + methodList(group, colorBotonOnAll) + "; readable after " +
         methodList(group, readableOnAll) + "; shown before the handler returned after " +
         methodList(group, shownAtOnce) + " (" + std::to_string(refused) + " refused)";
}

}  // namespace tour
