#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

#include "tour/verdicts_run.h"

namespace tour {

// One row per style, start, method and Command1 button, under a fixed header.
QByteArray verdictsCsv(const std::vector<CaseVerdict>& verdicts);

// Per style, a table with a row per method and a column per start that says in a few words what
// a person sees.
QString verdictsSummary(const std::vector<CaseVerdict>& verdicts);

// The summary with a heading, a key, and the picture `pictureName` under the tables.
QString verdictsMarkdown(const std::vector<CaseVerdict>& verdicts, const QString& pictureName);

// The two rows of Command1 buttons after every case: a row per method, a column per style and
// start, each picture labelled.
QImage verdictsPicture(const std::vector<CaseVerdict>& verdicts);

// One line on the cases of one style and start: after which methods every button shows
// ColorBoton, is readable, and was shown before the click handler returned.
QString progressLine(const std::vector<CaseVerdict>& group);

}  // namespace tour
