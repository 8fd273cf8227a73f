#include "tour/verdicts_report.h"

#include <QSet>
#include <QStringList>
#include <algorithm>

#include "tour/contact_sheet.h"

namespace tour {
namespace {

QString yesNo(bool value) {
  return value ? QStringLiteral("yes") : QStringLiteral("no");
}

QString hex(const QColor& colour) {
  return colour.name(QColor::HexRgb);
}

QString csvField(const QString& text) {
  if (!text.contains(u',') && !text.contains(u'"')) return text;
  return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

QStringList stylesOf(const std::vector<CaseVerdict>& verdicts) {
  QStringList styles;
  for (const CaseVerdict& verdict : verdicts) {
    if (!styles.contains(verdict.style)) styles.append(verdict.style);
  }
  return styles;
}

const CaseVerdict* find(const std::vector<CaseVerdict>& verdicts, const QString& style, Start start,
                        int method) {
  for (const CaseVerdict& verdict : verdicts) {
    if (verdict.style == style && verdict.start == start && verdict.method == method) {
      return &verdict;
    }
  }
  return nullptr;
}

// The faces of the standard look: what method 10 leaves, from the standard start.
QSet<QRgb> standardFaces(const std::vector<CaseVerdict>& verdicts, const QString& style) {
  QSet<QRgb> faces;
  if (const CaseVerdict* reset = find(verdicts, style, Start::Standard, kMethods)) {
    for (const ButtonVerdict& button : reset->buttons) faces.insert(button.face.rgb());
  }
  return faces;
}

QString faceWords(const ButtonVerdict& button, const QSet<QRgb>& standard) {
  if (button.colorBoton()) return QStringLiteral("steel blue");
  if (standard.contains(button.face.rgb())) return QStringLiteral("standard face");
  return QStringLiteral("face ") + hex(button.face);
}

// White or black also when a few glyph pixels fall just short of full coverage.
QString textWords(const ButtonVerdict& button) {
  constexpr int kNear = 8;
  const QColor& text = button.text;
  if (std::min({text.red(), text.green(), text.blue()}) >= 255 - kNear) {
    return QStringLiteral("white text");
  }
  if (std::max({text.red(), text.green(), text.blue()}) <= kNear) {
    return QStringLiteral("black text");
  }
  return QStringLiteral("text ") + hex(text);
}

QString whenWords(const ButtonVerdict& button) {
  if (button.unchanged) return QStringLiteral("no change");
  return button.shownBeforeReturn ? QStringLiteral("shown at once")
                                  : QStringLiteral("shown after the handler");
}

// Buttons that look alike to a person: the same words, the contrast as a range.
struct Look {
  QString face, text, when;
  bool readable;
  int count = 0;
  double lowest = 0, highest = 0;

  QString words() const {
    QString contrast = QString::number(lowest, 'f', 2);
    if (highest != lowest) contrast += QStringLiteral(" to ") + QString::number(highest, 'f', 2);
    return QStringLiteral("%1, %2: %3 (%4:1), %5")
        .arg(face, text, readable ? QStringLiteral("readable") : QStringLiteral("unreadable"),
             contrast, when);
  }
};

std::vector<Look> looksOf(const CaseVerdict& verdict, const QSet<QRgb>& standard) {
  std::vector<Look> looks;
  for (const ButtonVerdict& button : verdict.buttons) {
    Look look{faceWords(button, standard), textWords(button), whenWords(button), button.readable()};
    auto same = std::find_if(looks.begin(), looks.end(), [&](const Look& other) {
      return other.face == look.face && other.text == look.text && other.when == look.when &&
             other.readable == look.readable;
    });
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
QString caseWords(const CaseVerdict& verdict, const QSet<QRgb>& standard) {
  const std::vector<Look> looks = looksOf(verdict, standard);
  QStringList parts;
  for (const Look& look : looks) {
    parts.append(looks.size() == 1 ? look.words()
                                   : QStringLiteral("%1 of %2: %3")
                                         .arg(look.count)
                                         .arg(verdict.buttons.size())
                                         .arg(look.words()));
  }
  if (verdict.refused > 0) parts.append(QStringLiteral("%1 calls refused").arg(verdict.refused));
  return parts.join(QStringLiteral("; "));
}

// Headed with the style and the platform the pixels were read on: one run reads them all on one.
QString styleTable(const std::vector<CaseVerdict>& verdicts, const QString& style) {
  const QSet<QRgb> standard = standardFaces(verdicts, style);
  QString text = QStringLiteral(
                     "## %1 style on the %2 platform\n\n| Method | From skinned | From standard "
                     "|\n|---|---|---|\n")
                     .arg(style, verdicts.front().platform);
  for (int method = 1; method <= kMethods; ++method) {
    const CaseVerdict* skinned = find(verdicts, style, Start::Skinned, method);
    const CaseVerdict* reset = find(verdicts, style, Start::Standard, method);
    if (!skinned || !reset) continue;
    text += QStringLiteral("| %1 | %2 | %3 |\n")
                .arg(skinned->title, caseWords(*skinned, standard), caseWords(*reset, standard));
  }
  return text + u'\n';
}

QString methodList(const std::vector<CaseVerdict>& group, bool (*holds)(const ButtonVerdict&)) {
  QStringList methods;
  for (const CaseVerdict& verdict : group) {
    bool all = !verdict.buttons.empty();
    for (const ButtonVerdict& button : verdict.buttons) all = all && holds(button);
    if (all) methods.append(QString::number(verdict.method));
  }
  return methods.isEmpty() ? QStringLiteral("none") : methods.join(u' ');
}

}  // namespace

QByteArray verdictsCsv(const std::vector<CaseVerdict>& verdicts) {
  QString text = QStringLiteral(
      "style,start,method,button,face,text,colorboton,contrast,readable,shown_before_return,"
      "refused\n");
  for (const CaseVerdict& verdict : verdicts) {
    for (const ButtonVerdict& button : verdict.buttons) {
      text += QStringList{csvField(verdict.style),
                          startName(verdict.start),
                          QString::number(verdict.method),
                          button.button,
                          hex(button.face),
                          hex(button.text),
                          yesNo(button.colorBoton()),
                          QString::number(button.contrast, 'f', 2),
                          yesNo(button.readable()),
                          yesNo(button.shownBeforeReturn),
                          QString::number(verdict.refused)}
                  .join(u',') +
              u'\n';
    }
  }
  return text.toUtf8();
}

QString verdictsSummary(const std::vector<CaseVerdict>& verdicts) {
  QString text = QStringLiteral("# Verdicts: each method on its own\n\n");
  for (const QString& style : stylesOf(verdicts)) text += styleTable(verdicts, style);
  return text;
}

QString verdictsMarkdown(const std::vector<CaseVerdict>& verdicts, const QString& pictureName) {
  QString text = QStringLiteral("# Verdicts: each method on its own\n\n");
  text += QStringLiteral(
      "Each method applied once, through the click of PROBAR, to a freshly loaded Form1: from "
      "*skinned*, the window as it opens; from *standard*, after method 10 has put the buttons "
      "back to the standard look. Read from the window's pixels for each Command1 button: the "
      "face (the commonest colour inside its border), the text colour, and their contrast ratio "
      "(WCAG; readable from 4.5). *Shown at once*: the window system already had the button's "
      "final look when the click handler returned; *shown after the handler*: only the repaint "
      "that followed showed it; *no change*: the button looked the same before the press. "
      "Each button on its own is in verdicts.csv.\n\n");
  for (const QString& style : stylesOf(verdicts)) text += styleTable(verdicts, style);
  text += QStringLiteral("![The Command1 buttons after each method, by style and start](%1)\n")
              .arg(pictureName);
  return text;
}

QImage verdictsPicture(const std::vector<CaseVerdict>& verdicts) {
  const QStringList styles = stylesOf(verdicts);
  std::vector<Frame> frames;
  for (int method = 1; method <= kMethods; ++method) {
    for (const QString& style : styles) {
      for (const Start start : kStarts) {
        const CaseVerdict* verdict = find(verdicts, style, start, method);
        if (!verdict) continue;
        frames.push_back(
            {verdict->picture,
             QStringLiteral("%1, from %2: method %3").arg(style, startName(start)).arg(method)});
      }
    }
  }
  return contactSheet(frames, static_cast<int>(styles.size() * std::size(kStarts)));
}

QString progressLine(const std::vector<CaseVerdict>& group) {
  if (group.empty()) return {};
  int refused = 0;
  for (const CaseVerdict& verdict : group) refused += verdict.refused;
  return QStringLiteral(
             "verdicts for %1 from %2: ColorBoton after %3; readable after %4; shown before the "
             "handler returned after %5 (%6 refused)")
      .arg(group.front().style, startName(group.front().start),
           methodList(group, [](const ButtonVerdict& b) { return b.colorBoton(); }),
           methodList(group, [](const ButtonVerdict& b) { return b.readable(); }),
           methodList(group, [](const ButtonVerdict& b) { return b.shownBeforeReturn; }))
      .arg(refused);
}

}  // namespace tour
