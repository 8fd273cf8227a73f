// Soak of the real program on the Qt host (offscreen): many presses of "PROBAR", with a second
// press queued before every press that runs method 9, so that a whole cycle runs nested inside
// its first yield. Checks that every caption names one method consistently, that the resident
// memory does not grow, and that nothing is written to standard error.
// Usage: soak_test [PRESSES]   (default 10000)
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMetaObject>
#include <QWidget>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "driver/qt/form1_driver.h"
#include "stderr_capture.h"
#include "testbench/metodos.h"

namespace {

constexpr long kFirstMeasureAt = 1000;
// Flat in practice (a few KiB); a cache key or two per press would already exceed it.
constexpr long kMarginKiB = 512;

// Resident memory of this process in KiB, from /proc/self/status.
long residentKiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      long kib = 0;
      status >> kib;
      return kib;
    }
    status.ignore(1 << 12, '\n');
  }
  return -1;
}

class Bench {
 public:
  Bench() : form1_(host_) { form1_.window().show(); }

  // One press; a press that runs method 9 gets a second one queued first, which its first
  // yield handles. Returns how many presses were made.
  int press() {
    int presses = 1;
    if (lastMethod() == 8) {
      QMetaObject::invokeMethod(&form1_.probar(), "click", Qt::QueuedConnection);
      ++presses;
    }
    form1_.pressNext();
    QApplication::processEvents();
    return presses;
  }

  // The method number that the caption names, checked against its description; 0 before the
  // first press, nothing when the caption is not one that a press writes.
  std::optional<int> captionMethod() const {
    const std::u16string caption = form1_.window().windowTitle().toStdU16String();
    if (caption == u"Form1") return 0;
    for (std::int16_t n = 1; n <= testbench::kUltimoMetodo; ++n) {
      if (caption == u"Prueba " + host::decimal(n) + u": " + testbench::DescripcionMetodo(n)) {
        return n;
      }
    }
    return std::nullopt;
  }

  int lastMethod() const { return captionMethod().value_or(-1); }

  // A press handled inside the first yield of method 9 leaves its signature: method 10 reset the
  // first Command1 button's "Style" after method 9 set it, and method 9 then went on to set it
  // on the last one. Handled after method 9 instead, it would leave "Style" 0 on both.
  bool ranNested() { return style(u"Command1", 3) == 0 && style(u"Command1", 0) == 1; }
  std::string caption() const { return form1_.window().windowTitle().toStdString(); }

 private:
  std::int16_t style(host::TextView name, std::int16_t index) {
    return host_.getProperty(form1_.control(name, index), u"Style").asInt16();
  }

  host::qt::QtHost host_;
  driver::qt::Form1Driver form1_;
};

struct Outcome {
  long presses = 0;
  long nested = 0;
  std::optional<long> residentAtFirstMeasure;
  long residentAtEnd = 0;
  std::string fault;
};

// The method that the press after `before` must leave in the caption: the next one, or 10 when
// the press ran method 9 with a nested press inside it.
int expectedAfter(int before) {
  if (before == 8) return 10;
  return before == 10 ? 1 : before + 1;
}

Outcome soak(long wanted) {
  Outcome outcome;
  Bench bench;
  while (outcome.presses < wanted && outcome.fault.empty()) {
    const int before = bench.lastMethod();
    const int made = bench.press();
    outcome.nested += made - 1;
    const long previous = outcome.presses;
    outcome.presses += made;
    if (bench.lastMethod() != expectedAfter(before)) {
      outcome.fault = "after press " + std::to_string(outcome.presses) + " the caption is \"" +
                      bench.caption() + "\"";
    } else if (made == 2 && !bench.ranNested()) {
      outcome.fault = "press " + std::to_string(outcome.presses) + " was not handled nested";
    }
    if (previous < kFirstMeasureAt && outcome.presses >= kFirstMeasureAt) {
      outcome.residentAtFirstMeasure = residentKiB();
    }
  }
  outcome.residentAtEnd = residentKiB();
  return outcome;
}

void report(const Outcome& outcome) {
  std::cout << outcome.presses << " presses, " << outcome.nested
            << " of them nested in a yield of method 9\n";
  if (outcome.residentAtFirstMeasure) {
    std::cout << "resident memory after " << kFirstMeasureAt
              << " presses: " << *outcome.residentAtFirstMeasure << " KiB\n";
  }
  std::cout << "resident memory after " << outcome.presses << " presses: " << outcome.residentAtEnd
            << " KiB\n";
}

// The memory check means nothing under AddressSanitizer, which keeps freed memory in
// quarantine and so changes how the resident size grows.
bool memoryGrew([[maybe_unused]] const Outcome& outcome) {
#ifdef SKINBENCH_SANITIZED
  std::cout << "resident memory not checked: this is the sanitizer build\n";
  return false;
#else
  if (!outcome.residentAtFirstMeasure) return false;
  const long growth = outcome.residentAtEnd - *outcome.residentAtFirstMeasure;
  std::cout << "growth " << growth << " KiB, allowed " << kMarginKiB << " KiB\n";
  return growth > kMarginKiB;
#endif
}

// The whole life of the application, start and end included, so that any line Qt writes shows.
Outcome runApplication(int argc, char** argv, long wanted) {
  QApplication application(argc, argv);
  QApplication::setStyle("Fusion");
  return soak(wanted);
}

// Qt warns on standard error when the per-user runtime folder is not set; give it a private one.
std::string provideRuntimeFolder() {
  if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return {};
  std::string folder = "/tmp/soak-runtime-XXXXXX";
  if (!mkdtemp(folder.data())) return {};
  qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(folder));
  return folder;
}

}  // namespace

int main(int argc, char** argv) {
  const long wanted = argc > 1 ? std::atol(argv[1]) : 10000;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const std::string runtimeFolder = provideRuntimeFolder();

  StderrCapture capture;
  const Outcome outcome = runApplication(argc, argv, wanted);
  const std::string written = capture.finish();
  if (!runtimeFolder.empty()) rmdir(runtimeFolder.c_str());

  report(outcome);
  bool failed = false;
  if (!outcome.fault.empty()) {
    std::cout << "FAIL: " << outcome.fault << "\n";
    failed = true;
  }
  if (!written.empty()) {
    std::cout << "FAIL: written to standard error:\n" << written;
    failed = true;
  }
  if (memoryGrew(outcome)) {
    std::cout << "FAIL: the resident memory grew by more than the margin\n";
    failed = true;
  }
  std::cout << (failed ? "FAILED" : "PASSED") << std::endl;
  return failed ? 1 : 0;
}
