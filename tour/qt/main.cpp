#include <QApplication>
#include <QIcon>
#include <QStyle>
#include <QStyleFactory>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <string>
#include <vector>

#include "host/qt/platform_start.h"
#include "tour/core/forms_program.h"
#include "tour/core/options.h"
#include "tour/core/tour_program.h"
#include "tour/qt/forms_loader.h"
#include "tour/qt/qt_tour_host.h"
#include "tour/qt/sheet_painter.h"

namespace {

const char* const kUsage =
    "Usage: skinbench-tour [--out DIR] [--style NAME] [--form FILE]... [Qt options]\n"
    "Loads Form1, presses PROBAR ten times and keeps what each press left on screen; then\n"
    "applies each method on its own to a fresh Form1 and judges what it shows.\n"
    "\n"
    "  --out DIR     where to write tour.png, method9.png, tour.md and verdicts.csv,\n"
    "                verdicts.md, verdicts.png (default: .)\n"
    "  --style NAME  the Qt style to draw with, e.g. Fusion or Windows; without it the tour\n"
    "                uses the platform's style and the verdicts every installed style\n"
    "  --form FILE   once per file: instead of touring Form1, skins the Designer form FILE\n"
    "                (.ui) as Form1's load skins Form1, in every installed style or the one\n"
    "                named, reads each control before and after and writes forms.csv,\n"
    "                forms.md and forms.png\n"
    "  --help        this text\n"
    "\n"
    "Runs offscreen unless a platform is chosen (-platform, or QT_QPA_PLATFORM), e.g.\n"
    "-platform xcb for real windows; there it stops where the pixels it reads back are not\n"
    "what was painted (a window covered, unmapped or off the screen).\n"
    "Exit status: 0 done, 1 the tour failed or could not read its windows back reliably,\n"
    "2 bad options, an unwritable folder, or a --form file that is missing, unreadable, not\n"
    "a form or malformed.\n";

// Offscreen where the user chose no platform, neither with -platform nor in QT_QPA_PLATFORM.
void defaultToOffscreen(int argc, char** argv) {
  for (int at = 1; at < argc; ++at) {
    if (std::strcmp(argv[at], "-platform") == 0 || std::strcmp(argv[at], "--platform") == 0) return;
  }
  const char* chosen = std::getenv("QT_QPA_PLATFORM");
  if (chosen && *chosen) return;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

// Every read-back and rendering of a window becomes a fresh picture of a few hundred kilobytes,
// hundreds of them in a run. glibc would map each one afresh and hand it back on release, paying a
// page fault for every page every time, which costs as much as the tour's own work; kept in the
// heap, the same memory serves picture after picture.
void keepPicturesInTheHeap() {
#ifdef __GLIBC__
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
}

std::vector<std::string> utf8(const QStringList& texts) {
  std::vector<std::string> converted;
  for (const QString& text : texts) converted.push_back(text.toStdString());
  return converted;
}

std::string joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  keepPicturesInTheHeap();
  std::vector<std::string> arguments;
  for (int at = 0; at < argc; ++at)
    arguments.push_back(QString::fromLocal8Bit(argv[at]).toStdString());
  const tour::ParsedOptions parsed = tour::takeOptions(arguments);
  if (!parsed.options) return tour::complain(std::cerr, tour::kUnusable, parsed.error);
  const tour::Options& options = *parsed.options;
  if (options.help) {
    std::cout << kUsage;
    return EXIT_SUCCESS;
  }

  // QApplication sees only what the tour left it: Qt's own arguments, or unknown ones, which it
  // would otherwise take --style for its own -style.
  std::vector<char*> forQt;
  for (const int at : parsed.forHost) forQt.push_back(argv[at]);
  int qtArgc = static_cast<int>(forQt.size());
  forQt.push_back(nullptr);
  defaultToOffscreen(qtArgc, forQt.data());
  host::qt::PlatformStart platform("skinbench-tour", qtArgc, forQt.data());
  QApplication application(qtArgc, forQt.data());
  platform.opened();
  QApplication::setApplicationName(QStringLiteral("skinbench-tour"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/skinbench.ico")));

  const std::string unknown = tour::unknownArguments(utf8(QApplication::arguments()));
  if (!unknown.empty()) return tour::complain(std::cerr, tour::kUnusable, unknown);
  const std::vector<std::string> installed = utf8(QStyleFactory::keys());
  std::string style = QApplication::style()->name().toStdString();
  if (!options.style.empty()) {
    style = tour::styleNamed(options.style, installed);
    if (style.empty()) {
      return tour::complain(
          std::cerr, tour::kUnusable,
          "unknown style \"" + options.style + "\" (installed: " + joined(installed) + ")");
    }
    QApplication::setStyle(QString::fromStdString(style));
  }
  tour::qt::QtTourHost host(style);
  tour::qt::QtSheetPainter painter;
  const std::vector<std::string> verdictStyles =
      options.style.empty() ? installed : std::vector<std::string>{style};
  if (!options.forms.empty()) {
    const std::unique_ptr<tour::FormsLoader> loader = tour::qt::makeFormsLoader();
    if (!loader) {
      return tour::complain(std::cerr, tour::kUnusable,
                            "--form: no forms loader on this build yet");
    }
    return tour::formsInto(*loader, options.forms, host, painter, options.outDir, verdictStyles,
                           std::cout, std::cerr);
  }
  return tour::tourInto(host, painter, options.outDir, verdictStyles, std::cout, std::cerr);
}
