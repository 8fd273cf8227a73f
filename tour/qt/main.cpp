#include <QApplication>
#include <QIcon>
#include <QStyle>
#include <QStyleFactory>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>
#include <optional>
#include <vector>

#include "host/qt/platform_start.h"
#include "tour/contact_sheet.h"
#include "tour/options.h"
#include "tour/staged_output.h"
#include "tour/table.h"
#include "tour/tour_run.h"
#include "tour/verdicts_report.h"
#include "tour/verdicts_run.h"

namespace {

constexpr int kFailed = 1;
constexpr int kUnusable = 2;  // bad options or a folder it cannot write
constexpr int kSheetColumns = 4;
constexpr double kStripScale = 0.5;

int complain(int status, const QString& message) {
  std::cerr << "skinbench-tour: " << message.toStdString() << std::endl;
  return status;
}

// Offscreen where the user chose no platform, neither with -platform nor in QT_QPA_PLATFORM.
void defaultToOffscreen(int argc, char** argv) {
  for (int at = 1; at < argc; ++at) {
    if (std::strcmp(argv[at], "-platform") == 0 || std::strcmp(argv[at], "--platform") == 0) return;
  }
  const char* chosen = std::getenv("QT_QPA_PLATFORM");
  if (chosen && *chosen) return;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

void reportProgress(const tour::Press& press) {
  int painted = 0;
  for (const tour::ButtonState& state : press.buttons) painted += state.colorBoton ? 1 : 0;
  std::cerr << "skinbench-tour: press " << press.number << " of " << tour::kPresses << ": "
            << press.title.toStdString() << " (ColorBoton on " << painted << " of "
            << press.buttons.size() << " buttons, " << press.refused << " refused)" << std::endl;
}

// The yields' frames, labelled 1 to 24 on the strip.
std::vector<tour::Frame> numbered(std::vector<tour::Frame> frames) {
  for (std::size_t index = 0; index < frames.size(); ++index) {
    frames[index].title = QString::number(index + 1);
  }
  return frames;
}

void reportVerdicts(const std::vector<tour::CaseVerdict>& group) {
  std::cerr << "skinbench-tour: " << tour::progressLine(group).toStdString() << std::endl;
}

bool writeTour(tour::StagedOutput& output, const tour::TourResult& result, const QString& table) {
  return output.writeImage(QStringLiteral("tour.png"),
                           tour::contactSheet(result.frames, kSheetColumns)) &&
         output.writeImage(
             QStringLiteral("method9.png"),
             tour::contactSheet(numbered(result.yields), static_cast<int>(result.yields.size()),
                                kStripScale)) &&
         output.writeText(QStringLiteral("tour.md"), table.toUtf8());
}

bool writeVerdicts(tour::StagedOutput& output, const std::vector<tour::CaseVerdict>& verdicts) {
  const QString picture = QStringLiteral("verdicts.png");
  return output.writeText(QStringLiteral("verdicts.csv"), tour::verdictsCsv(verdicts)) &&
         output.writeText(QStringLiteral("verdicts.md"),
                          tour::verdictsMarkdown(verdicts, picture).toUtf8()) &&
         output.writeImage(picture, tour::verdictsPicture(verdicts));
}

// Looks the style up among those installed and applies it. Gives the name of the style in use,
// or nothing when there is no such style.
std::optional<QString> applyStyle(const QString& name) {
  if (name.isEmpty()) return QApplication::style()->name();
  const QString style = tour::installedStyleNamed(name, QStyleFactory::keys());
  if (style.isEmpty()) return std::nullopt;
  QApplication::setStyle(style);
  return style;
}

// The press-by-press tour in `style`, then each method on its own in each of `verdictStyles`.
int tourInto(const QString& folder, const QString& style, const QStringList& verdictStyles) {
  tour::StagedOutput output(folder);
  if (!output.ready()) return complain(kUnusable, output.error());
  const tour::TourResult result = tour::runTour(reportProgress);
  const QString table = tour::verdictTable(result, style);
  const std::vector<tour::CaseVerdict> verdicts = tour::runVerdicts(verdictStyles, reportVerdicts);
  const bool written =
      writeTour(output, result, table) && writeVerdicts(output, verdicts) && output.commit();
  if (!written) return complain(kUnusable, output.error());
  std::cout << table.toStdString() << tour::verdictsSummary(verdicts).toStdString() << std::flush;
  return EXIT_SUCCESS;
}

}  // namespace

int main(int argc, char** argv) {
  QStringList arguments;
  for (int at = 0; at < argc; ++at) arguments.append(QString::fromLocal8Bit(argv[at]));
  const tour::ParsedOptions parsed = tour::takeOptions(arguments);
  if (!parsed.options) return complain(kUnusable, parsed.error);
  const tour::Options& options = *parsed.options;
  if (options.help) {
    std::cout << tour::usage().toStdString();
    return EXIT_SUCCESS;
  }

  // QApplication sees only what the tour left it: Qt's own arguments, or unknown ones.
  std::vector<char*> forQt;
  for (const int at : parsed.forQt) forQt.push_back(argv[at]);
  int qtArgc = static_cast<int>(forQt.size());
  forQt.push_back(nullptr);
  defaultToOffscreen(qtArgc, forQt.data());
  host::qt::PlatformStart platform("skinbench-tour", qtArgc, forQt.data());
  QApplication application(qtArgc, forQt.data());
  platform.opened();
  QApplication::setApplicationName(QStringLiteral("skinbench-tour"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/skinbench.ico")));

  const QString unknown = tour::unknownArguments(QApplication::arguments());
  if (!unknown.isEmpty()) return complain(kUnusable, unknown);
  const std::optional<QString> style = applyStyle(options.style);
  if (!style) {
    return complain(kUnusable, QStringLiteral("unknown style \"%1\" (installed: %2)")
                                   .arg(options.style, QStyleFactory::keys().join(u", ")));
  }
  try {
    const QStringList verdictStyles =
        options.style.isEmpty() ? QStyleFactory::keys() : QStringList{*style};
    return tourInto(options.outDir, *style, verdictStyles);
  } catch (const std::exception& error) {
    return complain(kFailed, QString::fromStdString(error.what()));
  }
}
