#include "host/qt/qt_host.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QPalette>
#include <iostream>

#include "host/qt/adoption.h"
#include "host/qt/convert.h"
#include "host/qt/members.h"

namespace host::qt {
namespace {

std::string_view eventName(Event event) {
  return event == Event::Load ? "load" : "click";
}

void writeToStandardError(Event event, TextView source, const HostError& error) {
  std::cerr << QCoreApplication::applicationName().toStdString() << ": the " << eventName(event)
            << " of " << toUtf8(source) << " failed: error " << static_cast<int>(error.code())
            << " (" << codeName(error.code()) << "): " << error.what() << std::endl;
}

}  // namespace

QtHost::QtHost() : HostCore(writeToStandardError, membersOf) {}

QtHost::~QtHost() {
  registry_.clear();
}

// --- building forms --------------------------------------------------------------------------

FormRef QtHost::createForm(const FormDefinition& definition) {
  auto made = std::make_unique<Form>();
  made->name = definition.name;
  auto widget = std::make_unique<FormWidget>();
  made->built = widget.get();
  made->widget = std::move(widget);
  made->widget->setObjectName(toQString(definition.name));
  made->widget->setWindowTitle(toQString(definition.caption));
  made->widget->setFixedSize(toPixels(definition.clientWidth), toPixels(definition.clientHeight));
  Form& form = registry_.add(std::move(made));
  for (const ControlDefinition& item : definition.controls) createControl(form, item);
  threadTabOrder(form);
  return form.ref;
}

FormRef QtHost::adoptForm(std::unique_ptr<QWidget> window, const std::vector<QWidget*>& controls) {
  auto made = std::make_unique<Form>();
  made->name = fromQString(window->objectName());
  window->setAttribute(Qt::WA_DeleteOnClose, false);  // the host owns it
  made->widget = std::move(window);
  Form& form = registry_.add(std::move(made));
  std::int16_t position = 0;
  for (QWidget* widget : inTabOrder(*form.widget, controls)) {
    auto control = std::make_unique<Control>();
    control->indicatorFits = &indicatorFits_;
    adoptWidget(*control, *widget, position);
    registerControl(form, std::move(control));
    if (position < INT16_MAX) ++position;
  }
  return form.ref;
}

void QtHost::createControl(Form& form, const ControlDefinition& definition) {
  auto made = std::make_unique<Control>();
  recordDefinition(*made, definition);
  made->indicatorFits = &indicatorFits_;
  made->widget = createWidget(*made, form.widget.get());
  made->widget->setObjectName(toQString(definition.name));
  nameForAssistiveTechnology(*made);
  applyGeometry(*made);
  Control& control = registerControl(form, std::move(made));
  if (auto* button = qobject_cast<QAbstractButton*>(control.widget.data())) {
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [this, &form, &control] { deliver(form, Event::Click, control.name); });
  }
  applyDefinition(control, definition);
}

void QtHost::threadTabOrder(Form& form) {
  const std::vector<Control*> chain = tabChain(form);
  for (std::size_t i = 1; i < chain.size(); ++i) {
    QWidget::setTabOrder(chain[i - 1]->widget, chain[i]->widget);
  }
  if (!form.built) return;
  std::vector<QWidget*> widgets;
  for (const Control* control : chain) widgets.push_back(control->widget);
  form.built->setControlsInTabOrder(std::move(widgets));
}

// The first control in tab order that can take the focus gets it, so that the window opens with
// the focus where Tab would start; Qt would otherwise pick the first control created.
void QtHost::focusFirstInTabOrder(Form& form) {
  for (const Control* control : tabChain(form)) {
    QWidget* widget = control->widget;
    if (widget->isEnabled() && widget->isVisibleTo(form.widget.get()) &&
        (widget->focusPolicy() & Qt::TabFocus)) {
      widget->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

QWidget* QtHost::widget(FormRef form) const {
  return formOf(form).widget.get();
}
QWidget* QtHost::widget(ControlRef control) const {
  return controlOf(control).widget;
}

// --- the platform's side of the forms host ---------------------------------------------------

void QtHost::showCaption(Form& form, TextView caption) {
  form.widget->setWindowTitle(toQString(caption));
}

void QtHost::showBackColor(Form& form, ColorValue color) {
  QWidget& widget = *form.widget;
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, resolveColor(color));
  widget.setAutoFillBackground(true);
  widget.setPalette(palette);
}

void QtHost::repaintNow(Form& form) {
  form.widget->repaint();
}

void QtHost::handlePendingEvents() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace host::qt
