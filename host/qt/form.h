#pragma once

#include <memory>

#include "host/core/form_entry.h"
#include "host/qt/form_widget.h"

namespace host::qt {

// What the host keeps of one form besides what every host keeps: its top-level widget, which
// the host made from a definition or adopted.
struct Form : FormEntry {
  std::unique_ptr<QWidget> widget;
  FormWidget* built = nullptr;  // the widget, where the host made it
  bool live() const { return widget != nullptr; }
};

}  // namespace host::qt
