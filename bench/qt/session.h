#pragma once

#include <cstddef>
#include <map>
#include <memory>

#include "driver/qt/form1_driver.h"
#include "host/memory/memory_host.h"
#include "host/qt/graphical_button.h"
#include "host/qt/qt_host.h"

namespace bench {

// The hosts every benchmark shares, made once after the QApplication: the Qt host with Form1
// loaded (skinned), not shown, and the generated forms of each size on both hosts.
class Session {
 public:
  Session();
  ~Session();
  static Session& current();

  host::qt::QtHost& qt() { return qt_; }
  const driver::qt::Form1Driver& form1() const { return form1_; }
  QWidget& widget(host::ControlRef control) const { return *qt_.widget(control); }
  host::qt::GraphicalButton& button(host::ControlRef control) const;

  // A form of `count` controls in Form1's mix, made on first use and kept.
  host::FormRef generatedOnQt(std::size_t count);
  std::pair<host::memory::MemoryHost*, host::FormRef> generatedInMemory(std::size_t count);

 private:
  host::qt::QtHost qt_;
  driver::qt::Form1Driver form1_;
  std::map<std::size_t, host::FormRef> qtForms_;
  struct MemoryForm {
    std::unique_ptr<host::memory::MemoryHost> host;
    host::FormRef form;
  };
  std::map<std::size_t, MemoryForm> memoryForms_;
};

}  // namespace bench
