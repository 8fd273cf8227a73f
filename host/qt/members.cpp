#include "host/qt/members.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <stdexcept>
#include <vector>

#include "host/control_members.h"
#include "host/error.h"
#include "host/qt/convert.h"
#include "host/qt/graphical_button.h"
#include "host/qt/indicator.h"

namespace host::qt {
namespace {

// --- value checks ----------------------------------------------------------------------------

std::int16_t zeroOrOne(const Value& value, const char* member) {
  const std::int16_t number = value.asInt16();
  if (number != 0 && number != 1) {
    throw HostError(ErrorCode::InvalidValue,
                    "invalid value: " + std::to_string(number) + " for " + member + " (0 or 1)");
  }
  return number;
}

double size(const Value& value) {
  const double twips = value.asNumber();
  if (twips < 0) {
    throw HostError(ErrorCode::InvalidValue, "invalid value: a size cannot be negative");
  }
  return twips;
}

template <class Widget>
Widget& as(const Control& control) {
  return *static_cast<Widget*>(control.widget.data());
}

void setRole(const Control& control, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = control.widget->palette();
  palette.setColor(role, colour);
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
      setRole(control, control.widget->backgroundRole(), colour);
      fitIndicator(as<QAbstractButton>(control));
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
      setRole(control, QPalette::WindowText, colour);
      fitIndicator(as<QAbstractButton>(control));
      return;
  }
}

// --- the members every control has ---------------------------------------------------------

Value getName(const Control& c) {
  return Value::text(c.name);
}

Value getIndex(const Control& c) {
  if (!c.index) {
    throw HostError(ErrorCode::NotInArray,
                    "not in a control array: " + describe(c) + " has no Index");
  }
  return Value::int16(*c.index);
}

Value getLeft(const Control& c) {
  return Value::number(c.left);
}
Value getTop(const Control& c) {
  return Value::number(c.top);
}
Value getWidth(const Control& c) {
  return Value::number(c.width);
}
Value getHeight(const Control& c) {
  return Value::number(c.height);
}
void setLeft(Control& c, const Value& v) {
  c.left = v.asNumber();
  applyGeometry(c);
}
void setTop(Control& c, const Value& v) {
  c.top = v.asNumber();
  applyGeometry(c);
}
void setWidth(Control& c, const Value& v) {
  c.width = size(v);
  applyGeometry(c);
}
void setHeight(Control& c, const Value& v) {
  c.height = size(v);
  applyGeometry(c);
}

Value getEnabled(const Control& c) {
  return Value::boolean(c.widget->isEnabled());
}
void setEnabled(Control& c, const Value& v) {
  c.widget->setEnabled(bool(v.asBoolean()));
}
Value getVisible(const Control& c) {
  return Value::boolean(c.visible);
}
void setVisible(Control& c, const Value& v) {
  c.visible = bool(v.asBoolean());
  c.widget->setVisible(c.visible);
}

Value getBackColor(const Control& c) {
  return Value::int32(c.backColor);
}
void setBackColor(Control& c, const Value& v) {
  const ColorValue value = v.asInt32();
  applyBackColor(c, resolveColor(value));
  c.backColor = value;
}
Value getForeColor(const Control& c) {
  return Value::int32(c.foreColor);
}
void setForeColor(Control& c, const Value& v) {
  const ColorValue value = v.asInt32();
  applyForeColor(c, resolveColor(value));
  c.foreColor = value;
}

Value getTabIndex(const Control& c) {
  return Value::int16(c.tabIndex);
}
void setTabIndex(Control& c, const Value& v) {
  const std::int16_t position = v.asInt16();
  if (position < 0) throw HostError(ErrorCode::InvalidValue, "invalid value: negative TabIndex");
  c.tabIndex = position;
  if (c.tabIndexChanged) c.tabIndexChanged();
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

Value getAppearance(const Control& c) {
  return Value::int16(c.appearance);
}
void setAppearance(Control& c, const Value& v) {
  c.appearance = zeroOrOne(v, "Appearance");
  if (c.type == ControlType::CommandButton) as<GraphicalButton>(c).setRaised(c.appearance == 1);
}

// --- the members of one type ---------------------------------------------------------------

Value getStyle(const Control& c) {
  return Value::int16(c.style);
}
void setStyle(Control& c, const Value& v) {
  c.style = zeroOrOne(v, "Style");
  as<GraphicalButton>(c).setGraphical(c.style == 1);
}

Value getBorderStyle(const Control& c) {
  return Value::int16(c.borderStyle);
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

void move(Control& c, std::span<const Value> arguments) {
  // Convert every argument first, so that a bad one leaves the control where it was.
  Control moved = c;
  moved.left = arguments[0].asNumber();
  if (arguments.size() > 1) moved.top = arguments[1].asNumber();
  if (arguments.size() > 2) moved.width = size(arguments[2]);
  if (arguments.size() > 3) moved.height = size(arguments[3]);
  c.left = moved.left;
  c.top = moved.top;
  c.width = moved.width;
  c.height = moved.height;
  applyGeometry(c);
}

// --- the tables ----------------------------------------------------------------------------

// This host's platform calls for each member; which type has which member, of what kind and
// whether it may be set, is every host's one definition (host/control_members.h).
struct Accessor {
  const char16_t* name;
  ValueKind kind;
  Value (*get)(const Control&);
  void (*set)(Control&, const Value&);
};

constexpr Accessor kAccessors[] = {
    {u"Name", ValueKind::Text, getName, nullptr},
    {u"Index", ValueKind::Int16, getIndex, nullptr},
    {u"Left", ValueKind::Number, getLeft, setLeft},
    {u"Top", ValueKind::Number, getTop, setTop},
    {u"Width", ValueKind::Number, getWidth, setWidth},
    {u"Height", ValueKind::Number, getHeight, setHeight},
    {u"Enabled", ValueKind::Boolean, getEnabled, setEnabled},
    {u"Visible", ValueKind::Boolean, getVisible, setVisible},
    {u"BackColor", ValueKind::Int32, getBackColor, setBackColor},
    {u"ForeColor", ValueKind::Int32, getForeColor, setForeColor},
    {u"TabIndex", ValueKind::Int16, getTabIndex, setTabIndex},
    {u"Appearance", ValueKind::Int16, getAppearance, setAppearance},
    {u"Caption", ValueKind::Text, getCaption, setCaption},
    {u"Style", ValueKind::Int16, getStyle, setStyle},
    {u"Text", ValueKind::Text, getText, setText},
    {u"BorderStyle", ValueKind::Int16, getBorderStyle, setBorderStyle},
    {u"Value", ValueKind::Int16, getCheckValue, setCheckValue},
    {u"Value", ValueKind::Boolean, getOptionValue, setOptionValue},
};

struct MethodCall {
  const char16_t* name;
  void (*call)(Control&, std::span<const Value>);
};

constexpr MethodCall kMethodCalls[] = {{u"Refresh", refresh}, {u"Move", move}};

Property bind(const PropertyShape& shape) {
  for (const Accessor& accessor : kAccessors) {
    if (TextView(accessor.name) == shape.name && accessor.kind == shape.kind) {
      return Property{shape.kind, accessor.get, shape.settable ? accessor.set : nullptr};
    }
  }
  throw std::logic_error("no accessor for a member of the shared definition");
}

Method bind(const MethodShape& shape) {
  for (const MethodCall& method : kMethodCalls) {
    if (TextView(method.name) == shape.name) {
      return Method{shape.minArguments, shape.maxArguments, method.call};
    }
  }
  throw std::logic_error("no call for a method of the shared definition");
}

MemberTable buildTable(ControlType type) {
  MemberTable table;
  for (const PropertyShape& shape : commonProperties())
    table.properties.add(shape.name, bind(shape));
  for (const PropertyShape& shape : ownProperties(type))
    table.properties.add(shape.name, bind(shape));
  for (const MethodShape& shape : controlMethods()) table.methods.add(shape.name, bind(shape));
  return table;
}

// The colours a control reports before the program sets any: the platform's own.
constexpr ColorValue kButtonFace = systemColor(15);
constexpr ColorValue kButtonText = systemColor(18);
constexpr ColorValue kWindow = systemColor(5);
constexpr ColorValue kWindowText = systemColor(8);

}  // namespace

const MemberTable& membersOf(ControlType type) {
  static const MemberTable tables[] = {
      buildTable(ControlType::CommandButton),
      buildTable(ControlType::TextBox),
      buildTable(ControlType::CheckBox),
      buildTable(ControlType::OptionButton),
  };
  return tables[static_cast<int>(type)];
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
