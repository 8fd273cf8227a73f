#pragma once

#include <QRect>
#include <string>
#include <unordered_map>

#include "host/qt/qt_host.h"
#include "tour/core/adopted_form.h"
#include "tour/qt/shown_window.h"
#include "tour/qt/ui_loader.h"

namespace tour::qt {

// A Designer form built by the loader, adopted by a Qt host of its own and shown as the active
// window, kept from the user's pointer and keys. Closed and gone with the object.
class AdoptedQtForm final : public QtShownWindow<AdoptedForm> {
 public:
  // Throws ReadBackError where the window does not come on screen as the active window.
  explicit AdoptedQtForm(BuiltForm built);

  // Paints the whole window afresh, then lets Qt's events run out. A widget that repaints only a
  // part of itself when its state changes can leave the rest of an older look on the screen: on a
  // busy machine a slider's tick marks stayed in the highlight's shade while the window painted
  // afresh drew them grey. That is no work of the skin's, and it would fail the check of the
  // screen against the window's own painting.
  void settle() override;
  host::FormsHost& host() override { return host_; }
  host::FormRef form() override { return form_; }
  // The controls that show: one hidden (on a page of a tab widget not in front) or clipped away
  // whole by what holds it has nothing on screen to read.
  std::vector<AdoptedControl> controls() override;
  Area areaOf(host::ControlRef control) override;
  std::optional<Area> textAreaOf(host::ControlRef control) override;

 protected:
  QWidget& window() const override;

 private:
  // The part of a widget that shows, in the window's logical pixels: its rectangle, clipped by
  // every widget that holds it.
  QRect shownPart(const QWidget& widget) const;

  host::qt::QtHost host_;
  host::FormRef form_;
  std::unordered_map<const QWidget*, std::string> classes_;
};

}  // namespace tour::qt
