#include "host/qt/members.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

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

// --- colours, per type ---------------------------------------------------------------------------

void applyBackColor(Control& control, const QColor& colour) {
  switch (control.type) {
    case ControlType::CommandButton:
      as<GraphicalButton>(control).setFaceColor(colour);
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
  }
}

void applyForeColor(Control& control, const QColor& colour) {
  switch (control.type) {
    case ControlType::CommandButton:
      as<GraphicalButton>(control).setTextColor(colour);
      return;
    case ControlType::TextBox:
      setRole(control, QPalette::Text, colour);
      return;
    case ControlType::CheckBox:
    case ControlType::OptionButton:
      setBoxRole(control, QPalette::WindowText, colour);
      return;
  }
}

// --- the members every control has, where this host's platform is called -------------------

Value getEnabled(const Control& c) {
  return Value::boolean(c.widget->isEnabled());
}
void setEnabled(Control& c, const Value& v) {
  c.widget->setEnabled(bool(v.asBoolean()));
}
void setVisible(Control& c, const Value& v) {
  c.visible = bool(v.asBoolean());
  c.widget->setVisible(c.visible);
}

void setBackColor(Control& c, const Value& v) {
  const ColorValue value = v.asInt32();
  applyBackColor(c, resolveColor(value));
  c.backColor = value;
}
void setForeColor(Control& c, const Value& v) {
  const ColorValue value = v.asInt32();
  applyForeColor(c, resolveColor(value));
  c.foreColor = value;
}

Value getCaption(const Control& c) {
  return Value::text(fromQString(as<QAbstractButton>(c).text()));
}
void setCaption(Control& c, const Value& v) {
  as<QAbstractButton>(c).setText(toQString(v.asText()));
}
Value getText(const Control& c) {
  return Value::text(fromQString(as<QLineEdit>(c).text()));
}
void setText(Control& c, const Value& v) {
  as<QLineEdit>(c).setText(toQString(v.asText()));
}

void setAppearance(Control& c, const Value& v) {
  c.appearance = zeroOrOne(v, "Appearance");
  if (c.type == ControlType::CommandButton) as<GraphicalButton>(c).setRaised(c.appearance == 1);
}

// --- the members of one type ---------------------------------------------------------------

void setStyle(Control& c, const Value& v) {
  c.style = zeroOrOne(v, "Style");
  as<GraphicalButton>(c).setGraphical(c.style == 1);
}

void setBorderStyle(Control& c, const Value& v) {
  c.borderStyle = zeroOrOne(v, "BorderStyle");
  as<QLineEdit>(c).setFrame(c.borderStyle == 1);
}

Value getCheckValue(const Control& c) {
  return Value::int16(as<QCheckBox>(c).isChecked() ? 1 : 0);
}
void setCheckValue(Control& c, const Value& v) {
  as<QCheckBox>(c).setChecked(zeroOrOne(v, "Value") == 1);
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

// This host's platform calls for the members whose values live in the platform; the rest are
// every host's (host/control_accessors.h). Which type has which member, of what kind and whether
// it may be set, is every host's one definition (host/control_members.h).
constexpr AccessorOf<Control> kAccessors[] = {
    {u"Enabled", ValueKind::Boolean, getEnabled, setEnabled},
    {u"Visible", ValueKind::Boolean, getVisible<Control>, setVisible},
    {u"BackColor", ValueKind::Int32, getBackColor<Control>, setBackColor},
    {u"ForeColor", ValueKind::Int32, getForeColor<Control>, setForeColor},
    {u"Appearance", ValueKind::Int16, getAppearance<Control>, setAppearance},
    {u"Caption", ValueKind::Text, getCaption, setCaption},
    {u"Style", ValueKind::Int16, getStyle<Control>, setStyle},
    {u"Text", ValueKind::Text, getText, setText},
    {u"BorderStyle", ValueKind::Int16, getBorderStyle<Control>, setBorderStyle},
    {u"Value", ValueKind::Int16, getCheckValue, setCheckValue},
    {u"Value", ValueKind::Boolean, getOptionValue, setOptionValue},
};

constexpr MethodCallOf<Control> kMethodCalls[] = {{u"Refresh", refresh}};

// The colours a control reports before the program sets any: the platform's own.
constexpr ColorValue kButtonFace = systemColor(15);
constexpr ColorValue kButtonText = systemColor(18);
constexpr ColorValue kWindow = systemColor(5);
constexpr ColorValue kWindowText = systemColor(8);

}  // namespace

const MemberTable& membersOf(ControlType type) {
  static const auto tables = buildTables<MemberTable>(kAccessors, kMethodCalls);
  return tables[static_cast<std::size_t>(type)];
}

QWidget* createWidget(Control& control, QWidget* parent) {
  switch (control.type) {
    case ControlType::CommandButton:
      control.backColor = kButtonFace;
      control.foreColor = kButtonText;
      return new GraphicalButton(parent);
    case ControlType::TextBox:
      control.backColor = kWindow;
      control.foreColor = kWindowText;
      return new QLineEdit(parent);
    case ControlType::CheckBox:
      control.backColor = kButtonFace;
      control.foreColor = kButtonText;
      return new QCheckBox(parent);
    case ControlType::OptionButton:
      control.backColor = kButtonFace;
      control.foreColor = kButtonText;
      return new QRadioButton(parent);
  }
  return nullptr;
}

}  // namespace host::qt
