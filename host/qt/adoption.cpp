#include "host/qt/adoption.h"

#include <QEvent>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <cstring>

#include "host/core/control_record.h"
#include "host/qt/convert.h"
#include "host/qt/graphical_button.h"

namespace host::qt {
namespace {

constexpr AdoptedKind kAdoptedKinds[] = {
    {"QPushButton", u"CommandButton", ControlType::CommandButton},
    {"QLineEdit", u"TextBox", ControlType::TextBox},
    {"QTextEdit", u"TextBox", ControlType::TextBox},
    {"QPlainTextEdit", u"TextBox", ControlType::TextBox},
    {"QCheckBox", u"CheckBox", ControlType::CheckBox},
    {"QRadioButton", u"OptionButton", ControlType::OptionButton},
    {"QLabel", u"Label", ControlType::Other},
    {"QGroupBox", u"Frame", ControlType::Other},
    {"QComboBox", u"ComboBox", ControlType::Other},
    {"QListWidget", u"ListBox", ControlType::Other},
    {"QListView", u"ListBox", ControlType::Other},
};

const AdoptedKind* kindOf(const char* className) {
  for (const AdoptedKind& kind : kAdoptedKinds) {
    if (std::strcmp(kind.className, className) == 0) return &kind;
  }
  return nullptr;
}

// Paints an adopted push button through the host's look, in place of its own painting, so that
// its colours show as on the host's own buttons. Owned by the button.
class AdoptedButton final : public QObject {
 public:
  explicit AdoptedButton(QPushButton& button) : QObject(&button), look_(button) {
    button.installEventFilter(this);
  }
  ButtonLook& look() { return look_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint) return QObject::eventFilter(watched, event);
    look_.paint();
    return true;
  }

 private:
  ButtonLook look_;
};

// Whether a text box shows its border: a line edit's frame, or a multi-line editor's.
bool framed(const QWidget& widget) {
  if (const auto* line = qobject_cast<const QLineEdit*>(&widget)) return line->hasFrame();
  const auto* frame = qobject_cast<const QFrame*>(&widget);
  return frame && frame->frameShape() != QFrame::NoFrame;
}

}  // namespace

std::span<const AdoptedKind> adoptedKinds() {
  return kAdoptedKinds;
}

void adoptWidget(Control& control, QWidget& widget, std::int16_t tabIndex) {
  const char* className = widget.metaObject()->className();
  const AdoptedKind* kind = kindOf(className);
  recordAdopted(control, kind ? kind->type : ControlType::Other,
                kind ? Text(kind->typeName) : fromQString(QString::fromLatin1(className)),
                fromQString(widget.objectName()));
  control.widget = &widget;
  const QRect place = widget.geometry();
  control.left = place.x() * kTwipsPerPixel;
  control.top = place.y() * kTwipsPerPixel;
  control.width = place.width() * kTwipsPerPixel;
  control.height = place.height() * kTwipsPerPixel;
  control.tabIndex = tabIndex;
  control.visible = !widget.isHidden();
  if (control.type == ControlType::TextBox) control.borderStyle = framed(widget) ? 1 : 0;
  if (control.type == ControlType::CommandButton) {
    control.look = &(new AdoptedButton(static_cast<QPushButton&>(widget)))->look();
  }
}

std::vector<QWidget*> inTabOrder(QWidget& window, const std::vector<QWidget*>& controls) {
  QSet<QWidget*> unplaced(controls.begin(), controls.end());
  QSet<QWidget*> passed;
  std::vector<QWidget*> ordered;
  for (QWidget* next = window.nextInFocusChain(); next && next != &window && !passed.contains(next);
       next = next->nextInFocusChain()) {
    passed.insert(next);
    if (unplaced.remove(next)) ordered.push_back(next);
  }
  for (QWidget* control : controls) {
    if (unplaced.remove(control)) ordered.push_back(control);
  }
  return ordered;
}

}  // namespace host::qt
