#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tour {

struct Options {
  QString outDir = QStringLiteral(".");
  QString style;  // empty: the platform's own style
  bool help = false;
};

// The outcome of parsing: the options, or a one-line reason why they are not usable.
struct ParsedOptions {
  std::optional<Options> options;
  QString error;
};

// Parses the arguments that QApplication left over (Qt's own, such as -platform, are gone by
// then); the first entry is the program's name. Knows --out DIR, --style NAME (both also as
// --out=DIR, --style=NAME) and --help. A style must be one of `installedStyles`, compared
// without regard to case.
ParsedOptions parseOptions(const QStringList& arguments, const QStringList& installedStyles);

QString usage();

}  // namespace tour
