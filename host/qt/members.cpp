#include "host/qt/members.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>

#include "host/core/record_accessors.h"
#include "host/qt/convert.h"
#include "host/qt/graphical_button.h"
#include "host/qt/indicator.h"

namespace host::qt {
namespace {

template <class Widget>
Widget& as(const Control& control) {
  return *static_cast<Widget*>(control.widget.data());
}

void setRole(const Control& control, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = control.widget->palette();
  palette.setColor(role, colour);
  control.widget->setPalette(palette);
}

// A check box's or option button's colour, with its indicator fitted to it in the same palette
// change. Only the host sets a box's palette, so it still holds the look last fitted, unless
// this change overwrites one of the look's roles.
void setBoxRole(Control& control, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = control.widget->palette();
  palette.setColor(role, colour);
  if (role == QPalette::Base || role == QPalette::Text || role == QPalette::Window) {
    control.indicatorLook = 0;
  }
  fitIndicator(as<QAbstractButton>(control), palette, *control.indicatorFits,
               control.indicatorLook);
  control.widget->setPalette(palette);
}

// --- what the record keeps, shown on the widget --------------------------------------------------

void showBackColor(Control& control, const QColor& colour) {
  switch (control.type) {
    case ControlType::CommandButton:
      control.look->setFaceColor(colour);
      return;
    case ControlType::TextBox:
      setRole(control, QPalette::Base, colour);
      return;
    case ControlType::CheckBox:
    case ControlType::OptionButton:
      // A check box or option button fills its background with the role the style gives it
      // (the button role, not the window's).
      control.widget->setAutoFillBackground(true);
      setBoxRole(control, control.widget->backgroundRole(), colour);
      return;
    case ControlType::Other:
      control.widget->setAutoFillBackground(true);
      setRole(control, control.widget->backgroundRole(), colour);
      return;
  }
}

void showForeColor(Control& control, const QColor& colour) {
  switch (control.type) {
    case ControlType::CommandButton:
      control.look->setTextColor(colour);
      return;
    case ControlType::TextBox:
      setRole(control, QPalette::Text, colour);
      return;
    case ControlType::CheckBox:
    case ControlType::OptionButton:
      setBoxRole(control, QPalette::WindowText, colour);
      return;
    case ControlType::Other:
      setRole(control, control.widget->foregroundRole(), colour);
      return;
  }
}

// A text box's border: a line edit's frame, or the frame of a multi-line editor.
void showBorder(Control& control) {
  const bool framed = control.borderStyle == 1;
  if (auto* line = qobject_cast<QLineEdit*>(control.widget)) {
    line->setFrame(framed);
  } else if (auto* frame = qobject_cast<QFrame*>(control.widget)) {
    frame->setFrameShape(framed ? QFrame::StyledPanel : QFrame::NoFrame);
  }
}

}  // namespace

void showRecorded(Control& c, Member member) {
  switch (member) {
    case Member::Visible:
      c.widget->setVisible(c.visible);
      return;
    case Member::BackColor:
      showBackColor(c, resolveColor(c.backColor));
      return;
    case Member::ForeColor:
      showForeColor(c, resolveColor(c.foreColor));
      return;
    case Member::Appearance:
      if (c.type == ControlType::CommandButton) c.look->setRaised(c.appearance == 1);
      return;
    case Member::Style:
      c.look->setGraphical(c.style == 1);
      return;
    case Member::BorderStyle:
      showBorder(c);
      return;
    default:
      return;
  }
}

namespace {

// --- what lives in the widget ----------------------------------------------------------------

Value getEnabled(const Control& c) {
  return Value::boolean(c.widget->isEnabled());
}
void setEnabled(Control& c, const Value& v) {
  c.widget->setEnabled(bool(v.asBoolean()));
}

Value getCaption(const Control& c) {
  return Value::text(fromQString(as<QAbstractButton>(c).text()));
}
void setCaption(Control& c, const Value& v) {
  as<QAbstractButton>(c).setText(toQString(v.asText()));
}
// A text box is a line edit, or a multi-line editor whose text is its plain text.
Value getText(const Control& c) {
  QString text;
  if (auto* line = qobject_cast<QLineEdit*>(c.widget)) {
    text = line->text();
  } else if (auto* rich = qobject_cast<QTextEdit*>(c.widget)) {
    text = rich->toPlainText();
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(c.widget)) {
    text = plain->toPlainText();
  }
  return Value::text(fromQString(text));
}
void setText(Control& c, const Value& v) {
  const QString text = toQString(v.asText());
  if (auto* line = qobject_cast<QLineEdit*>(c.widget)) {
    line->setText(text);
  } else if (auto* rich = qobject_cast<QTextEdit*>(c.widget)) {
    rich->setPlainText(text);
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(c.widget)) {
    plain->setPlainText(text);
  }
}

Value getCheckValue(const Control& c) {
  return Value::int16(as<QCheckBox>(c).isChecked() ? 1 : 0);
}
void setCheckValue(Control& c, const Value& v) {
  as<QCheckBox>(c).setChecked(zeroOrOne(v, Member::CheckValue) == 1);
}
Value getOptionValue(const Control& c) {
  return Value::boolean(as<QRadioButton>(c).isChecked());
}
void setOptionValue(Control& c, const Value& v) {
  as<QRadioButton>(c).setChecked(bool(v.asBoolean()));
}

// --- methods ---------------------------------------------------------------------------------

void refresh(Control& c, std::span<const Value>) {
  c.widget->repaint();
}

// --- the tables ----------------------------------------------------------------------------

// The members whose values live in the widget, beside those every host keeps in its record
// (host/core/record_accessors.h). Which type has which member, of what kind and whether it may be
// set, is every host's one description (host/core/member_shapes.h).
constexpr Binding<Control> kWidgetBindings[] = {
    {Member::Enabled, getEnabled, setEnabled},
    {Member::Caption, getCaption, setCaption},
    {Member::Text, getText, setText},
    {Member::CheckValue, getCheckValue, setCheckValue},
    {Member::OptionValue, getOptionValue, setOptionValue},
    {.member = Member::Refresh, .call = refresh},
};
constexpr auto kBindings = withRecordBindings(kWidgetBindings);

}  // namespace

const MemberTableOf<Control>& membersOf(ControlType type) {
  return boundMemberTables<kBindings>()[indexOf(type)];
}

QWidget* createWidget(Control& control, QWidget* parent) {
  switch (control.type) {
    case ControlType::CommandButton: {
      auto* button = new GraphicalButton(parent);
      control.look = &button->look();
      return button;
    }
    case ControlType::TextBox:
      return new QLineEdit(parent);
    case ControlType::CheckBox:
      return new QCheckBox(parent);
    case ControlType::OptionButton:
      return new QRadioButton(parent);
    case ControlType::Other:  // a definition makes only the four types
      break;
  }
  return nullptr;
}

}  // namespace host::qt
