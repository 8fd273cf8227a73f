#include "tour/qt/adopted_qt_form.h"

#include "tour/qt/text_area.h"
#include "tour/qt/window_readback.h"

namespace tour::qt {

AdoptedQtForm::AdoptedQtForm(BuiltForm built) {
  std::vector<QWidget*> widgets;
  for (const FileControl& control : built.controls) {
    widgets.push_back(control.widget);
    classes_[control.widget] = control.className;
  }
  form_ = host_.adoptForm(std::move(built.window), widgets);
  // The window keeps the focus itself: a control would show a focus ring or a caret that the
  // others lack, and a caret blinks between two read-backs.
  window().setFocus(Qt::OtherFocusReason);
  showActive(window());
}

void AdoptedQtForm::settle() {
  window().repaint();
  driver::qt::settle();
}

std::vector<AdoptedControl> AdoptedQtForm::controls() {
  std::vector<AdoptedControl> shown;
  for (const host::ControlRef control : host_.controlsOf(form_)) {
    const QWidget& widget = *host_.widget(control);
    if (!widget.isVisibleTo(&window()) || shownPart(widget).isEmpty()) continue;
    shown.push_back({control, classes_.at(&widget)});
  }
  return shown;
}

Area AdoptedQtForm::areaOf(host::ControlRef control) {
  return devicePixels(window(), shownPart(*host_.widget(control)));
}

std::optional<Area> AdoptedQtForm::textAreaOf(host::ControlRef control) {
  const QWidget& widget = *host_.widget(control);
  const std::optional<QRect> text = textRectOf(widget);
  if (!text) return std::nullopt;
  const QRect shown = text->translated(widget.mapTo(&window(), QPoint())) & shownPart(widget);
  if (shown.isEmpty()) return std::nullopt;
  return devicePixels(window(), shown);
}

QWidget& AdoptedQtForm::window() const {
  return *host_.widget(form_);
}

QRect AdoptedQtForm::shownPart(const QWidget& widget) const {
  const QWidget& top = window();
  QRect shown(widget.mapTo(&top, QPoint()), widget.size());
  for (const QWidget* holder = widget.parentWidget(); holder && holder != &top;
       holder = holder->parentWidget()) {
    shown &= QRect(holder->mapTo(&top, QPoint()), holder->size());
  }
  return shown & top.rect();
}

}  // namespace tour::qt
