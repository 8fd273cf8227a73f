#include "tour/options.h"

namespace tour {
namespace {

// Splits "--out=DIR" into its name and value; a bare "--out" takes the next argument.
bool takeValue(const QStringList& arguments, qsizetype& at, const QString& name, QString& value,
               QString& error) {
  const QString& argument = arguments[at];
  if (argument.startsWith(name + u'=')) {
    value = argument.mid(name.size() + 1);
  } else if (at + 1 < arguments.size()) {
    value = arguments[++at];
  } else {
    error = QStringLiteral("%1 needs a value").arg(name);
    return false;
  }
  if (value.isEmpty()) error = QStringLiteral("%1 needs a value").arg(name);
  return !value.isEmpty();
}

bool isOption(const QString& argument, const QString& name) {
  return argument == name || argument.startsWith(name + u'=');
}

QString installedStyleNamed(const QString& name, const QStringList& installedStyles) {
  for (const QString& style : installedStyles) {
    if (style.compare(name, Qt::CaseInsensitive) == 0) return style;
  }
  return {};
}

}  // namespace

ParsedOptions parseOptions(const QStringList& arguments, const QStringList& installedStyles) {
  Options options;
  QString error;
  for (qsizetype at = 1; at < arguments.size() && error.isEmpty(); ++at) {
    const QString& argument = arguments[at];
    if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h")) {
      options.help = true;
    } else if (isOption(argument, QStringLiteral("--out"))) {
      takeValue(arguments, at, QStringLiteral("--out"), options.outDir, error);
    } else if (isOption(argument, QStringLiteral("--style"))) {
      QString name;
      if (takeValue(arguments, at, QStringLiteral("--style"), name, error)) {
        options.style = installedStyleNamed(name, installedStyles);
        if (options.style.isEmpty()) {
          error = QStringLiteral("unknown style \"%1\" (installed: %2)")
                      .arg(name, installedStyles.join(QStringLiteral(", ")));
        }
      }
    } else {
      error = QStringLiteral("unknown option \"%1\" (see --help)").arg(argument);
    }
  }
  if (!error.isEmpty()) return {std::nullopt, error};
  return {options, {}};
}

QString usage() {
  return QStringLiteral(
      "Usage: skinbench-tour [--out DIR] [--style NAME] [Qt options]\n"
      "Loads Form1, presses PROBAR ten times and keeps what each press left on screen.\n"
      "\n"
      "  --out DIR     where to write tour.png, method9.png and tour.md (default: .)\n"
      "  --style NAME  the Qt style to draw with, e.g. Fusion or Windows\n"
      "  --help        this text\n"
      "\n"
      "Runs offscreen unless a platform is given, e.g. -platform xcb for a real window.\n"
      "Exit status: 0 done, 1 the tour failed, 2 bad options or an unwritable folder.\n");
}

}  // namespace tour
