#include "host/qt/platform_start.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string_view>
#include <utility>
#include <vector>

namespace host::qt {
namespace {

// The user's choice as Qt reads it: -platform beats QT_QPA_PLATFORM, and with neither Qt picks
// from the environment.
struct Request {
  std::string program;
  std::string platformArgument;  // -platform's value, as given
  std::string platform;          // "name[:options][;name...]", or empty for Qt's own pick
  std::string xDisplay;          // -display, else DISPLAY
  std::string waylandDisplay;    // WAYLAND_DISPLAY
};

struct HeldMessage {
  QtMsgType type;
  std::string file;
  int line;
  std::string function;
  std::string category;
  QString text;
};

struct Failure {
  std::string reason;
  std::string advice;
};

struct State {
  std::mutex mutex;
  Request request;
  std::vector<HeldMessage> held;
  QtMessageHandler previous = nullptr;
};

State& state() {
  static State shared;
  return shared;
}

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

Request requestFrom(std::string program, int argc, char** argv) {
  Request request{std::move(program),
                  {},
                  environment("QT_QPA_PLATFORM"),
                  environment("DISPLAY"),
                  environment("WAYLAND_DISPLAY")};
  for (int at = 1; at + 1 < argc; ++at) {
    std::string_view argument = argv[at];
    if (argument.substr(0, 2) == "--") argument.remove_prefix(1);
    if (argument == "-platform") request.platform = request.platformArgument = argv[++at];
    if (argument == "-display") request.xDisplay = argv[++at];
  }
  return request;
}

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

std::string joined(const std::vector<std::string>& parts, std::string_view separator) {
  std::string text;
  for (const std::string& part : parts) text.append(text.empty() ? "" : separator).append(part);
  return text;
}

bool contains(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

// The platforms Qt tried: those named, or those it picks from the environment (Wayland where
// WAYLAND_DISPLAY is set, then X11).
std::vector<std::string> triedPlatforms(const Request& request) {
  if (request.platform.empty()) {
    if (request.waylandDisplay.empty()) return {"xcb"};
    return {"wayland", "xcb"};
  }
  std::vector<std::string> names;
  for (const std::string& entry : split(request.platform, ';')) {
    names.push_back(entry.substr(0, entry.find(':')));
  }
  return names;
}

// The platforms Qt has, from the end of its fatal message ("Available platform plugins are: a,
// b."); empty where the message lists none.
std::vector<std::string> availablePlatforms(const QString& fatal) {
  const QString marker = QStringLiteral("Available platform plugins are: ");
  const qsizetype at = fatal.indexOf(marker);
  if (at < 0) return {};
  QString list = fatal.mid(at + marker.size()).trimmed();
  if (list.endsWith(u'.')) list.chop(1);
  std::vector<std::string> names;
  for (const QString& name : list.split(u',', Qt::SkipEmptyParts)) {
    names.push_back(name.trimmed().toStdString());
  }
  return names;
}

bool isWayland(const std::string& platform) {
  return platform.rfind("wayland", 0) == 0;
}

Failure failureOf(const std::string& platform, const Request& request,
                  const std::vector<std::string>& available) {
  const std::string another = "name a platform Qt has with -platform or QT_QPA_PLATFORM";
  if (!available.empty() && !contains(available, platform)) {
    if (isWayland(platform)) {
      return {"Qt's platform \"" + platform + "\" is not installed (Debian package qt6-wayland)",
              another};
    }
    return {"Qt has no platform \"" + platform + "\" (it has " + joined(available, ", ") + ")",
            another};
  }
  if (platform == "xcb") {
    const std::string command =
        request.program +
        (request.platformArgument.empty() ? "" : " -platform " + request.platformArgument);
    return {
        request.xDisplay.empty()
            ? "no X display is set (DISPLAY)"
            : "the X display " + request.xDisplay + " does not accept a connection",
        "set DISPLAY to a running X server, or run it in a virtual X server with: xvfb-run -a " +
            command + " (Debian package xvfb)"};
  }
  if (isWayland(platform)) {
    const std::string socket =
        request.waylandDisplay.empty() ? "wayland-0" : request.waylandDisplay;
    return {"no Wayland compositor accepts a connection on " + socket + " (WAYLAND_DISPLAY)",
            "set WAYLAND_DISPLAY to a running compositor's socket"};
  }
  return {"Qt's platform \"" + platform + "\" could not start", another};
}

std::string failureLine(const Request& request, const std::vector<std::string>& available) {
  std::vector<std::string> reasons;
  std::vector<std::string> advice;
  for (const std::string& platform : triedPlatforms(request)) {
    Failure failure = failureOf(platform, request, available);
    if (!contains(reasons, failure.reason)) reasons.push_back(std::move(failure.reason));
    if (!contains(advice, failure.advice)) advice.push_back(std::move(failure.advice));
  }
  return request.program + ": cannot open a window: " + joined(reasons, ", and ") + "; " +
         joined(advice, ", or ");
}

std::string orEmpty(const char* text) {
  return text ? text : "";
}

const char* orNull(const std::string& text) {
  return text.empty() ? nullptr : text.c_str();
}

void replay(const std::vector<HeldMessage>& held, QtMessageHandler handler) {
  for (const HeldMessage& message : held) {
    const QMessageLogContext context(orNull(message.file), message.line, orNull(message.function),
                                     orNull(message.category));
    handler(message.type, context, message.text);
  }
}

// While the platform opens: Qt's fatal "no platform could be initialized" becomes our line and
// status 1; everything else waits.
void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  State& shared = state();
  if (type == QtFatalMsg && text.contains(QStringLiteral("platform plugin"))) {
    const std::string line = failureLine(shared.request, availablePlatforms(text)) + "\n";
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    std::_Exit(1);  // inside QApplication's constructor: nothing is safe to tear down
  }
  std::unique_lock lock(shared.mutex);
  if (type == QtFatalMsg) {
    // Some other fatal error: it goes out as Qt means it, after what led up to it.
    lock.unlock();
    replay(shared.held, shared.previous);
    shared.previous(type, context, text);
    return;
  }
  shared.held.push_back({type, orEmpty(context.file), context.line, orEmpty(context.function),
                         orEmpty(context.category), text});
}

}  // namespace

PlatformStart::PlatformStart(std::string program, int argc, char** argv) {
  State& shared = state();
  const std::lock_guard lock(shared.mutex);
  shared.request = requestFrom(std::move(program), argc, argv);
  shared.held.clear();
  shared.previous = qInstallMessageHandler(holdBack);
}

PlatformStart::~PlatformStart() {
  opened();
}

void PlatformStart::opened() {
  if (open_) return;
  open_ = true;
  State& shared = state();
  std::vector<HeldMessage> held;
  {
    const std::lock_guard lock(shared.mutex);
    qInstallMessageHandler(shared.previous);
    held.swap(shared.held);
  }
  replay(held, shared.previous);
}

}  // namespace host::qt
