// skinbench-tour.exe: the ten test methods of Form1 on the Win32 host, unattended, with the
// controls classic and themed; what each shows is read off the screen's pixels.
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "host/text.h"
#include "host/win32/convert.h"
#include "host/win32/windows_api.h"
#include "tour/core/forms_program.h"
#include "tour/core/options.h"
#include "tour/core/tour_program.h"
#include "tour/win32/console.h"
#include "tour/win32/dialog_worker.h"
#include "tour/win32/forms_loader.h"
#include "tour/win32/sheet_painter.h"
#include "tour/win32/win32_tour_host.h"
// After windows.h, which it needs.
#include <shellapi.h>

namespace {

constexpr char kUsage[] =
    "Usage: skinbench-tour [--out DIR] [--style classic|themed] [--form FILE]...\n"
    "Runs the ten test methods of skinbench's window on this system, the controls classic (as\n"
    "skinbench.exe has them) and themed (with the system's visual styles), and writes into DIR\n"
    "tour.png, method9.png, tour.md, verdicts.csv, verdicts.md and verdicts.png.\n"
    "  --out DIR      where the files go (default: the current folder; started by a double\n"
    "                 click, skinbench-tour in the Documents folder)\n"
    "  --style NAME   only classic or only themed (default: both)\n"
    "  --form FILE    once per file: instead of the methods, skins every dialog in FILE\n"
    "                 (.exe or .dll) as Form1's load skins Form1, reads each control before\n"
    "                 and after and writes forms.csv, forms.md and forms.png\n"
    "Exit status: 0 done, 1 the pixels could not be trusted (nothing written), 2 bad options,\n"
    "a folder it cannot write, or a --form file that is missing, unreadable, not a program,\n"
    "malformed or without dialogs.\n";

std::vector<std::string> commandLine() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> utf8;
  for (int at = 0; at < count; ++at) {
    utf8.push_back(host::toUtf8(host::win32::fromWide(arguments[at], wcslen(arguments[at]))));
  }
  LocalFree(arguments);
  return utf8;
}

std::vector<std::string> leftOver(const std::vector<std::string>& arguments,
                                  const std::vector<int>& positions) {
  std::vector<std::string> left;
  for (const int at : positions) left.push_back(arguments[static_cast<std::size_t>(at)]);
  return left;
}

int skinForms(const tour::Options& options, tour::TourHost& host, tour::SheetPainter& painter,
              const std::vector<std::string>& styles, tour::win32::Console& console) {
  const std::unique_ptr<tour::FormsLoader> loader = tour::win32::makeFormsLoader();
  return tour::formsInto(*loader, options.forms, host, painter, options.outDir, styles,
                         console.out(), console.err());
}

int run(tour::win32::Console& console) {
  const std::vector<std::string> arguments = commandLine();
  if (arguments.size() == 3 && arguments[1] == tour::win32::kDialogWorkerOption) {
    return tour::win32::runDialogWorker(arguments[2]);
  }
  const tour::ParsedOptions parsed = tour::takeOptions(arguments);
  if (!parsed.options) return tour::complain(console.err(), tour::kUnusable, parsed.error);
  tour::Options options = *parsed.options;
  if (options.help) {
    console.out() << kUsage;
    return 0;
  }
  const std::string unknown = tour::unknownArguments(leftOver(arguments, parsed.forHost));
  if (!unknown.empty()) return tour::complain(console.err(), tour::kUnusable, unknown);
  const std::string style = tour::styleNamed(options.style, tour::win32::kStyles);
  if (!options.style.empty() && style.empty()) {
    return tour::complain(console.err(), tour::kUnusable,
                          "unknown style \"" + options.style + "\" (styles: classic, themed)");
  }
  if (arguments.size() == 1) {
    const std::wstring folder = console.defaultFolder().wstring();
    options.outDir = host::toUtf8(host::win32::fromWide(folder.data(), folder.size()));
  }
  tour::win32::Win32TourHost host;
  host.useStyle(style.empty() ? tour::win32::kStyles.front() : style);
  tour::win32::GdiSheetPainter painter;
  const std::vector<std::string> styles =
      style.empty() ? tour::win32::kStyles : std::vector<std::string>{style};
  const int status = options.forms.empty() ? tour::tourInto(host, painter, options.outDir, styles,
                                                            console.out(), console.err())
                                           : skinForms(options, host, painter, styles, console);
  if (status == 0) console.err() << "skinbench-tour: written to " << options.outDir << std::endl;
  return status;
}

}  // namespace

int main() {
  tour::win32::Console console;
  int status = tour::kFailed;
  try {
    status = run(console);
  } catch (const std::exception& error) {
    status = tour::complain(console.err(), tour::kFailed, error.what());
  }
  console.holdOpen();
  return status;
}
