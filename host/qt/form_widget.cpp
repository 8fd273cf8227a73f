#include "host/qt/form_widget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <algorithm>

namespace host::qt {
namespace {

class FormAccessible final : public QAccessibleWidget {
 public:
  explicit FormAccessible(FormWidget* form) : QAccessibleWidget(form, QAccessible::Window) {}

  int childCount() const override { return static_cast<int>(children().size()); }

  QAccessibleInterface* child(int index) const override {
    const std::vector<QWidget*> all = children();
    if (index < 0 || index >= static_cast<int>(all.size())) return nullptr;
    return QAccessible::queryAccessibleInterface(all[static_cast<std::size_t>(index)]);
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child) return -1;
    const std::vector<QWidget*> all = children();
    const auto found = std::find(all.begin(), all.end(), child->object());
    return found == all.end() ? -1 : static_cast<int>(found - all.begin());
  }

 private:
  std::vector<QWidget*> children() const {
    return static_cast<const FormWidget*>(widget())->accessibleChildren();
  }
};

// Qt asks each installed factory, by class name, before its own; the form widget has no meta
// object of its own, so it is recognised by its C++ type. Qt's accessibility cache owns what
// the factory returns.
QAccessibleInterface* formAccessible(const QString& /*className*/, QObject* object) {
  if (auto* form = dynamic_cast<FormWidget*>(object)) return new FormAccessible(form);
  return nullptr;
}

}  // namespace

FormWidget::FormWidget() {
  QAccessible::installFactory(formAccessible);  // once: Qt ignores a second installation
}

void FormWidget::setControlsInTabOrder(std::vector<QWidget*> controls) {
  tabOrder_.assign(controls.begin(), controls.end());
  QAccessibleEvent reordered(this, QAccessible::ObjectReorder);
  QAccessible::updateAccessibility(&reordered);
}

std::vector<QWidget*> FormWidget::accessibleChildren() const {
  std::vector<QWidget*> all;
  for (const QPointer<QWidget>& control : tabOrder_) {
    if (control && control->parentWidget() == this) all.push_back(control);
  }
  for (QObject* object : children()) {
    auto* child = qobject_cast<QWidget*>(object);
    if (child && !child->isWindow() && std::find(all.begin(), all.end(), child) == all.end()) {
      all.push_back(child);
    }
  }
  return all;
}

// The caption is the program's report: a screen reader must hear of each new one.
void FormWidget::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowTitleChange) {
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
  }
}

}  // namespace host::qt
