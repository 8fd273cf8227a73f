#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace tour {

struct Options {
  QString outDir = QStringLiteral(".");
  QString style;  // empty: the platform's own style
  bool help = false;
};

// The outcome of taking the tour's options out of the command line: the options, or a one-line
// reason why they are not usable, and the positions of the arguments left for Qt.
struct ParsedOptions {
  std::optional<Options> options;
  QString error;
  std::vector<int> forQt;  // the program's name first
};

// Takes --out DIR, --style NAME (also as --out=DIR, --style=NAME) and --help out of the command
// line; the first entry is the program's name. Everything else is left for QApplication, which
// would otherwise take --style for its own -style.
ParsedOptions takeOptions(const QStringList& arguments);

// The installed style named `name`, compared without regard to case; empty when there is none.
QString installedStyleNamed(const QString& name, const QStringList& installedStyles);

// The reason why arguments that neither the tour nor Qt knew cannot be used; empty when there
// are none. `leftOver` is what QApplication left, the program's name first.
QString unknownArguments(const QStringList& leftOver);

QString usage();

}  // namespace tour
