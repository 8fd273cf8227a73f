#include "tour/core/options.h"

#include <algorithm>

namespace tour {
namespace {

bool isOption(const std::string& argument, const std::string& name) {
  return argument == name || argument.starts_with(name + '=');
}

// The value of "--out=DIR", or of a bare "--out" the next argument.
std::string takeValue(const std::vector<std::string>& arguments, std::size_t& at,
                      const std::string& name, std::string& error) {
  const std::string& argument = arguments[at];
  std::string value;
  if (argument.starts_with(name + '=')) {
    value = argument.substr(name.size() + 1);
  } else if (at + 1 < arguments.size()) {
    value = arguments[++at];
  }
  if (value.empty()) error = name + " needs a value";
  return value;
}

char lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameIgnoringCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

ParsedOptions takeOptions(const std::vector<std::string>& arguments) {
  Options options;
  ParsedOptions parsed;
  parsed.forHost.push_back(0);
  for (std::size_t at = 1; at < arguments.size() && parsed.error.empty(); ++at) {
    const std::string& argument = arguments[at];
    if (argument == "--help" || argument == "-h") {
      options.help = true;
    } else if (isOption(argument, "--out")) {
      options.outDir = takeValue(arguments, at, "--out", parsed.error);
    } else if (isOption(argument, "--style")) {
      options.style = takeValue(arguments, at, "--style", parsed.error);
    } else if (isOption(argument, "--form")) {
      options.forms.push_back(takeValue(arguments, at, "--form", parsed.error));
    } else {
      parsed.forHost.push_back(static_cast<int>(at));
    }
  }
  if (parsed.error.empty()) parsed.options = options;
  return parsed;
}

std::string styleNamed(const std::string& name, const std::vector<std::string>& styles) {
  for (const std::string& style : styles) {
    if (sameIgnoringCase(style, name)) return style;
  }
  return {};
}

std::string unknownArguments(const std::vector<std::string>& leftOver) {
  if (leftOver.size() < 2) return {};
  return "unknown option \"" + leftOver[1] + "\" (see --help)";
}

}  // namespace tour
