#include "tour/options.h"

namespace tour {
namespace {

bool isOption(const QString& argument, const QString& name) {
  return argument == name || argument.startsWith(name + u'=');
}

// The value of "--out=DIR", or of a bare "--out" the next argument.
QString takeValue(const QStringList& arguments, qsizetype& at, const QString& name,
                  QString& error) {
  const QString& argument = arguments[at];
  QString value;
  if (argument.startsWith(name + u'=')) {
    value = argument.mid(name.size() + 1);
  } else if (at + 1 < arguments.size()) {
    value = arguments[++at];
  }
  if (value.isEmpty()) error = QStringLiteral("%1 needs a value").arg(name);
  return value;
}

}  // namespace

ParsedOptions takeOptions(const QStringList& arguments) {
  Options options;
  ParsedOptions parsed;
  parsed.forQt.push_back(0);
  for (qsizetype at = 1; at < arguments.size() && parsed.error.isEmpty(); ++at) {
    const QString& argument = arguments[at];
    if (argument == QStringLiteral("--help") || argument == QStringLiteral("-h")) {
      options.help = true;
    } else if (isOption(argument, QStringLiteral("--out"))) {
      options.outDir = takeValue(arguments, at, QStringLiteral("--out"), parsed.error);
    } else if (isOption(argument, QStringLiteral("--style"))) {
      options.style = takeValue(arguments, at, QStringLiteral("--style"), parsed.error);
    } else {
      parsed.forQt.push_back(static_cast<int>(at));
    }
  }
  if (parsed.error.isEmpty()) parsed.options = options;
  return parsed;
}

QString installedStyleNamed(const QString& name, const QStringList& installedStyles) {
  for (const QString& style : installedStyles) {
    if (style.compare(name, Qt::CaseInsensitive) == 0) return style;
  }
  return {};
}

QString unknownArguments(const QStringList& leftOver) {
  if (leftOver.size() < 2) return {};
  return QStringLiteral("unknown option \"%1\" (see --help)").arg(leftOver[1]);
}

QString usage() {
  return QStringLiteral(
      "Usage: skinbench-tour [--out DIR] [--style NAME] [Qt options]\n"
      "Loads Form1, presses PROBAR ten times and keeps what each press left on screen; then\n"
      "applies each method on its own to a fresh Form1 and judges what it shows.\n"
      "\n"
      "  --out DIR     where to write tour.png, method9.png, tour.md and verdicts.csv,\n"
      "                verdicts.md, verdicts.png (default: .)\n"
      "  --style NAME  the Qt style to draw with, e.g. Fusion or Windows; without it the tour\n"
      "                uses the platform's style and the verdicts every installed style\n"
      "  --help        this text\n"
      "\n"
      "Runs offscreen unless a platform is chosen (-platform, or QT_QPA_PLATFORM), e.g.\n"
      "-platform xcb for real windows; there it stops where the pixels it reads back are not\n"
      "what was painted (a window covered, unmapped or off the screen).\n"
      "Exit status: 0 done, 1 the tour failed or could not read its windows back reliably,\n"
      "2 bad options or an unwritable folder.\n");
}

}  // namespace tour
