#include "host/qt/qt_host.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>
#include <iostream>

#include "host/member_calls.h"
#include "host/qt/convert.h"
#include "host/qt/form_widget.h"
#include "host/qt/members.h"

namespace host::qt {

struct QtHost::Form {
  FormRef ref;
  Text name;
  std::unique_ptr<FormWidget> widget;
  std::vector<ControlRef> controls;  // definition order, which is also enumeration order
  std::unique_ptr<FormCode> code;
  std::vector<HandlerBinding> handlers;
};

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

QtHost::QtHost() : reportError_(writeToStandardError) {}

QtHost::~QtHost() {
  // The program's code goes first: it may still refer to the widgets.
  for (auto& form : forms_) form->code.reset();
}

void QtHost::setErrorReporter(ErrorReporter reporter) {
  reportError_ = std::move(reporter);
}

void QtHost::setRefusalObserver(std::function<void(const HostError&)> observer) {
  observeRefusal_ = std::move(observer);
}

// --- building forms --------------------------------------------------------------------------

FormRef QtHost::createForm(const FormDefinition& definition) {
  auto form = std::make_unique<Form>();
  form->ref = FormRef{static_cast<std::uint32_t>(forms_.size() + 1)};
  form->name = definition.name;
  form->widget = std::make_unique<FormWidget>();
  form->widget->setObjectName(toQString(definition.name));
  form->widget->setWindowTitle(toQString(definition.caption));
  form->widget->setFixedSize(toPixels(definition.clientWidth), toPixels(definition.clientHeight));
  for (const ControlDefinition& item : definition.controls) createControl(*form, item);
  threadTabOrder(*form);
  forms_.push_back(std::move(form));
  return forms_.back()->ref;
}

void QtHost::createControl(Form& form, const ControlDefinition& definition) {
  auto control = std::make_unique<Control>();
  recordDefinition(*control, ControlRef{static_cast<std::uint32_t>(controls_.size() + 1)}, form.ref,
                   definition);
  control->indicatorFits = &indicatorFits_;
  control->widget = createWidget(*control, form.widget.get());
  control->widget->setObjectName(toQString(definition.name));
  nameForAssistiveTechnology(*control);
  applyGeometry(*control);
  control->members = &membersOf(control->type);
  applyDefinition(*control, definition);
  control->tabIndexChanged = [this, ref = form.ref] { threadTabOrder(formOf(ref)); };
  form.controls.push_back(control->ref);
  controls_.push_back(std::move(control));
}

void QtHost::threadTabOrder(Form& form) {
  std::vector<Control*> chain;
  for (const ControlRef ref : form.controls) chain.push_back(&controlOf(ref));
  std::stable_sort(chain.begin(), chain.end(),
                   [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
  for (std::size_t i = 1; i < chain.size(); ++i) {
    QWidget::setTabOrder(chain[i - 1]->widget, chain[i]->widget);
  }
  std::vector<QWidget*> widgets;
  for (const Control* control : chain) widgets.push_back(control->widget);
  form.widget->setControlsInTabOrder(std::move(widgets));
}

// The first control in tab order that can take the focus gets it, so that the window opens with
// the focus where Tab would start; Qt would otherwise pick the first control created.
void QtHost::focusFirstInTabOrder(Form& form) {
  for (QWidget* widget : form.widget->accessibleChildren()) {
    if (widget->isEnabled() && widget->isVisibleTo(form.widget.get()) &&
        (widget->focusPolicy() & Qt::TabFocus)) {
      widget->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

void QtHost::attachCode(FormRef ref, const Project& project) {
  Form& form = formOf(ref);
  form.code = project.createCode(*this, ref);
  form.handlers = form.code->handlers();
  for (const HandlerBinding& binding : form.handlers) {
    if (binding.event != Event::Click) continue;
    for (const ControlRef control : form.controls) {
      Control& target = controlOf(control);
      auto* button = qobject_cast<QAbstractButton*>(target.widget.data());
      if (!button || target.name != binding.source) continue;
      QObject::connect(button, &QAbstractButton::clicked, button,
                       [this, binding] { run(Event::Click, binding.source, binding.handler); });
    }
  }
  for (const HandlerBinding& binding : form.handlers) {
    if (binding.event == Event::Load && binding.source == form.name) {
      run(Event::Load, binding.source, binding.handler);
    }
  }
  focusFirstInTabOrder(form);
}

void QtHost::run(Event event, TextView source, const std::function<void()>& handler) {
  try {
    handler();
  } catch (const HostError& error) {
    reportError_(event, source, error);
  } catch (const std::exception& error) {
    reportError_(event, source, HostError(ErrorCode::InvalidValue, error.what()));
  }
}

// --- looking things up -----------------------------------------------------------------------

QtHost::Form& QtHost::formOf(FormRef ref) const {
  if (ref.id < 1 || ref.id > forms_.size() || !forms_[ref.id - 1]->widget) {
    refuse(ErrorCode::NoObject, "no object: the form reference is empty");
  }
  return *forms_[ref.id - 1];
}

Control& QtHost::controlOf(ControlRef ref) const {
  if (ref.id < 1 || ref.id > controls_.size() || !controls_[ref.id - 1]->widget) {
    refuse(ErrorCode::NoObject, "no object: the control reference is empty");
  }
  return *controls_[ref.id - 1];
}

void QtHost::refuse(ErrorCode code, const std::string& message) const {
  throw HostError(code, message);
}

template <class F>
auto QtHost::guarded(F&& operation) const -> decltype(operation()) {
  try {
    return operation();
  } catch (const HostError& error) {
    if (observeRefusal_) observeRefusal_(error);
    throw;
  }
}

QWidget* QtHost::widget(FormRef form) const {
  return formOf(form).widget.get();
}
QWidget* QtHost::widget(ControlRef control) const {
  return controlOf(control).widget;
}
FormCode* QtHost::code(FormRef form) const {
  return formOf(form).code.get();
}
std::vector<ControlRef> QtHost::controlsOf(FormRef form) const {
  return formOf(form).controls;
}

ControlRef QtHost::control(FormRef form, TextView name, std::optional<std::int16_t> index) const {
  for (const ControlRef ref : formOf(form).controls) {
    const Control& candidate = controlOf(ref);
    if (candidate.name == name && candidate.index == index) return ref;
  }
  return {};
}

// --- FormsHost -------------------------------------------------------------------------------

void QtHost::setCaption(FormRef form, TextView caption) {
  guarded([&] { formOf(form).widget->setWindowTitle(toQString(caption)); });
}

void QtHost::setBackColor(FormRef form, ColorValue color) {
  guarded([&] {
    const Form& target = formOf(form);
    QWidget& widget = *target.widget;
    QPalette palette = widget.palette();
    try {
      palette.setColor(QPalette::Window, resolveColor(color));
    } catch (const HostError& error) {
      throw HostError(error.code(), toUtf8(target.name) + ".BackColor: " + error.what());
    }
    widget.setAutoFillBackground(true);
    widget.setPalette(palette);
  });
}

ControlCollection QtHost::controls(FormRef form) {
  return guarded([&] {
    formOf(form);
    return ControlCollection{form};
  });
}

void QtHost::refresh(FormRef form) {
  guarded([&] { formOf(form).widget->repaint(); });
}

Enumerator QtHost::startEnumeration(const ControlCollection& collection) {
  return guarded([&] {
    const Form& form = formOf(collection.form);
    Enumerator enumerator{collection.form, 0, {}};
    if (!form.controls.empty()) enumerator.current = form.controls.front();
    return enumerator;
  });
}

void QtHost::advance(Enumerator& enumerator) {
  guarded([&] {
    const Form& form = formOf(enumerator.form);
    const std::uint32_t next = enumerator.position + 1;
    enumerator.current = next < form.controls.size() ? form.controls[next] : ControlRef{};
    enumerator.position = next;
  });
}

Text QtHost::typeName(ControlRef control) {
  if (control.empty()) return {};
  return guarded([&] { return controlOf(control).typeName; });
}

Value QtHost::getProperty(ControlRef ref, TextView name) {
  return guarded([&] { return getMember(controlOf(ref), name); });
}

void QtHost::setProperty(ControlRef ref, TextView name, const Value& value) {
  guarded([&] { setMember(controlOf(ref), name, value); });
}

void QtHost::callMethod(ControlRef ref, TextView name, std::span<const Value> arguments) {
  guarded([&] { callMember(controlOf(ref), name, arguments); });
}

ColorValue QtHost::rgb(int red, int green, int blue) {
  return guarded([&] { return composeRgb(red, green, blue); });
}

bool QtHost::textEquals(TextView left, TextView right) {
  return left == right;
}

bool QtHost::flagSet(Boolean flag) {
  return static_cast<bool>(flag);
}

void QtHost::yield() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace host::qt
