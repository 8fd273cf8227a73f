#include "tour/core/tour_program.h"

#include <exception>

#include "tour/core/contact_sheet.h"
#include "tour/core/reports.h"
#include "tour/core/staged_output.h"
#include "tour/core/tour_run.h"

namespace tour {
namespace {

constexpr int kSheetColumns = 4;
constexpr double kStripScale = 0.5;

// The yields' frames, labelled 1 to 24 on the strip.
std::vector<Frame> numbered(std::vector<Frame> frames) {
  for (std::size_t index = 0; index < frames.size(); ++index) {
    frames[index].title = std::to_string(index + 1);
  }
  return frames;
}

bool writeTour(StagedOutput& output, const TourResult& result, const std::string& table,
               SheetPainter& painter) {
  return output.writePng("tour.png", contactSheet(result.frames, kSheetColumns, painter)) &&
         output.writePng("method9.png", contactSheet(numbered(result.yields),
                                                     static_cast<int>(result.yields.size()),
                                                     painter, kStripScale)) &&
         output.writeText("tour.md", table);
}

bool writeVerdicts(StagedOutput& output, const std::vector<CaseVerdict>& verdicts,
                   SheetPainter& painter) {
  const std::string picture = "verdicts.png";
  return output.writeText("verdicts.csv", verdictsCsv(verdicts)) &&
         output.writeText("verdicts.md", verdictsMarkdown(verdicts, picture)) &&
         output.writePng(picture, verdictsPicture(verdicts, painter));
}

int runInto(TourHost& host, SheetPainter& painter, const std::string& folder,
            const std::vector<std::string>& verdictStyles, std::ostream& out, std::ostream& err) {
  StagedOutput output(folder);
  if (!output.ready()) return complain(err, kUnusable, output.error());
  const std::string style = host.styleName();
  const TourResult result = runTour(host, [&](const Press& press) {
    err << "skinbench-tour: " << pressLine(press) << std::endl;
  });
  const std::string table = tourMarkdown(result, style);
  const std::vector<CaseVerdict> verdicts =
      runVerdicts(host, verdictStyles, [&](const std::vector<CaseVerdict>& group) {
        err << "skinbench-tour: " << progressLine(group) << std::endl;
      });
  const bool written = writeTour(output, result, table, painter) &&
                       writeVerdicts(output, verdicts, painter) && output.commit();
  if (!written) return complain(err, kUnusable, output.error());
  out << table << verdictsSummary(verdicts) << std::flush;
  return 0;
}

}  // namespace

int complain(std::ostream& err, int status, const std::string& message) {
  err << "skinbench-tour: " << message << std::endl;
  return status;
}

int tourInto(TourHost& host, SheetPainter& painter, const std::string& folder,
             const std::vector<std::string>& verdictStyles, std::ostream& out, std::ostream& err) {
  try {
    return runInto(host, painter, folder, verdictStyles, out, err);
  } catch (const std::exception& error) {
    return complain(err, kFailed, error.what());
  }
}

}  // namespace tour
