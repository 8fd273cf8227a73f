#include "tour/core/forms_program.h"

#include <exception>
#include <fstream>
#include <system_error>

#include "tour/core/forms_report.h"
#include "tour/core/staged_output.h"
#include "tour/core/tour_program.h"

namespace tour {
namespace {

namespace fs = std::filesystem;

// Why the file at `path` cannot be handed to a loader: missing, not a regular file (a folder, or
// a pipe or device a loader would wait on for ever), or not readable. Empty when it can be.
std::string unreadableBecause(const std::string& path) {
  const fs::path file = pathFromUtf8(path);
  std::error_code failure;
  const fs::file_status status = fs::status(file, failure);
  if (!fs::exists(status)) return "no such file";
  if (fs::is_directory(status)) return "a folder, not a file";
  if (!fs::is_regular_file(status)) return "not a regular file";
  std::ifstream stream(file, std::ios::binary);
  char first = 0;
  if (!stream || (!stream.get(first) && !stream.eof())) return "cannot be read";
  return {};
}

// The words for a refusal whose loader gave none.
std::string refusalWords(FileRefusal refusal) {
  switch (refusal) {
    case FileRefusal::Unreadable:
      return "cannot be read";
    case FileRefusal::NotAForm:
      return "neither a form nor a program";
    case FileRefusal::Malformed:
      return "malformed";
    case FileRefusal::NoForms:
      break;
  }
  return "holds no forms";
}

LoadedFile loaded(FormsLoader& loader, const std::string& path) {
  const std::string unreadable = unreadableBecause(path);
  if (!unreadable.empty()) return {{}, FileRefusal::Unreadable, unreadable};
  try {
    LoadedFile file = loader.load(path);
    if (!file.refusal && file.forms.empty()) file.refusal = FileRefusal::NoForms;
    if (file.refusal && file.reason.empty()) file.reason = refusalWords(*file.refusal);
    return file;
  } catch (const std::exception& error) {
    return {{}, FileRefusal::Malformed, error.what()};
  }
}

// Every file loaded, or nothing: each refused file in a line of its own.
std::vector<LoadedFile> loadAll(FormsLoader& loader, const std::vector<std::string>& files,
                                std::ostream& err, bool& refused) {
  std::vector<LoadedFile> loadedFiles;
  for (const std::string& path : files) {
    LoadedFile file = loaded(loader, path);
    if (file.refusal) {
      refused = true;
      complain(err, kUnusable, path + ": " + file.reason);
    }
    loadedFiles.push_back(std::move(file));
  }
  return loadedFiles;
}

std::vector<FormResult> skinAll(std::vector<LoadedFile>& files, TourHost& host,
                                const std::vector<std::string>& styles, std::ostream& err) {
  const std::string platform = host.platformName();
  std::vector<FormResult> results;
  for (LoadedFile& file : files) {
    for (const std::unique_ptr<FormEntry>& entry : file.forms) {
      for (const std::string& style : styles) {
        host.useStyle(style);
        FormResult result = entry->skin(style, platform);
        if (result.outcome == FormOutcome::Untrusted) throw ReadBackError(formLine(result));
        result.heading = host.verdictsHeading(style);
        err << "skinbench-tour: " << formLine(result) << std::endl;
        results.push_back(std::move(result));
      }
    }
  }
  return results;
}

int runForms(FormsLoader& loader, const std::vector<std::string>& files, TourHost& host,
             SheetPainter& painter, const std::string& folder,
             const std::vector<std::string>& styles, std::ostream& out, std::ostream& err) {
  bool refused = false;
  std::vector<LoadedFile> loadedFiles = loadAll(loader, files, err, refused);
  if (refused) return kUnusable;
  StagedOutput output(folder);
  if (!output.ready()) return complain(err, kUnusable, output.error());
  const std::vector<FormResult> results = skinAll(loadedFiles, host, styles, err);
  const std::string picture = "forms.png";
  const bool written = output.writeText("forms.csv", formsCsv(results)) &&
                       output.writeText("forms.md", formsMarkdown(results, picture)) &&
                       output.writePng(picture, formsPicture(results, painter)) && output.commit();
  if (!written) return complain(err, kUnusable, output.error());
  for (const FormResult& result : results) out << formLine(result) << '\n';
  out << std::flush;
  return 0;
}

}  // namespace

int formsInto(FormsLoader& loader, const std::vector<std::string>& files, TourHost& host,
              SheetPainter& painter, const std::string& folder,
              const std::vector<std::string>& styles, std::ostream& out, std::ostream& err) {
  try {
    return runForms(loader, files, host, painter, folder, styles, out, err);
  } catch (const std::exception& error) {
    return complain(err, kFailed, error.what());
  }
}

}  // namespace tour
