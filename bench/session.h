#pragma once

#include <QWidget>
#include <cstddef>
#include <map>
#include <memory>

#include "host/memory/memory_host.h"
#include "host/qt/graphical_button.h"
#include "host/qt/qt_host.h"
#include "testbench/form1.h"

namespace bench {

// The hosts every benchmark shares, made once after the QApplication: the Qt host with Form1
// loaded (skinned) and shown, and the generated forms of each size on both hosts.
class Session {
 public:
  Session();
  ~Session();
  static Session& current();

  host::qt::QtHost& qt() { return qt_; }
  host::FormRef form1() const { return form1_; }
  QWidget& form1Window() const { return *qt_.widget(form1_); }
  testbench::Form1& form1Code() const;
  host::ControlRef form1Control(host::TextView name, std::optional<std::int16_t> index = {}) const;
  QWidget& widget(host::ControlRef control) const { return *qt_.widget(control); }
  host::qt::GraphicalButton& button(host::ControlRef control) const;

  // A form of `count` controls in Form1's mix, made on first use and kept.
  host::FormRef generatedOnQt(std::size_t count);
  std::pair<host::memory::MemoryHost*, host::FormRef> generatedInMemory(std::size_t count);

 private:
  host::qt::QtHost qt_;
  host::FormRef form1_;
  std::map<std::size_t, host::FormRef> qtForms_;
  struct MemoryForm {
    std::unique_ptr<host::memory::MemoryHost> host;
    host::FormRef form;
  };
  std::map<std::size_t, MemoryForm> memoryForms_;
};

// Processes events, painting included, until none is pending.
void settle();

// Shows a window for the length of a benchmark and hides it again, settled both times, so that
// only one window at a time takes part in painting.
class Shown {
 public:
  explicit Shown(QWidget& window);
  ~Shown();
  Shown(const Shown&) = delete;
  Shown& operator=(const Shown&) = delete;

 private:
  QWidget& window_;
};

}  // namespace bench
