#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tour {

struct Options {
  std::string outDir = ".";  // UTF-8
  std::string style;         // empty: every style the host has (the verdicts), its own (the tour)
  std::vector<std::string> forms;  // the files to skin the forms of instead of touring Form1
  bool help = false;
};

// The outcome of taking the tour's options out of the command line: the options, or a one-line
// reason why they are not usable, and the positions of the arguments left for the host's toolkit.
struct ParsedOptions {
  std::optional<Options> options;
  std::string error;
  std::vector<int> forHost;  // the program's name first
};

// Takes --out DIR, --style NAME, --form FILE (also as --out=DIR, --style=NAME, --form=FILE; --form
// once per file), --help and -h out of the command line (UTF-8); the first entry is the program's
// name. Everything else is left for the host.
ParsedOptions takeOptions(const std::vector<std::string>& arguments);

// The style of `styles` named `name`, compared without regard to (ASCII) case; empty when there
// is none.
std::string styleNamed(const std::string& name, const std::vector<std::string>& styles);

// The reason why arguments that neither the tour nor the host knew cannot be used; empty when
// there are none. `leftOver` is what the host left, the program's name first.
std::string unknownArguments(const std::vector<std::string>& leftOver);

}  // namespace tour
