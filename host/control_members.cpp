#include "host/control_members.h"

namespace host {
namespace {

struct TypeName {
  const char16_t* name;
  ControlType type;
};

constexpr TypeName kTypes[] = {
    {u"CommandButton", ControlType::CommandButton},
    {u"TextBox", ControlType::TextBox},
    {u"CheckBox", ControlType::CheckBox},
    {u"OptionButton", ControlType::OptionButton},
};

constexpr PropertyShape kCommon[] = {
    {u"Name", ValueKind::Text, false},      {u"Index", ValueKind::Int16, false},
    {u"Left", ValueKind::Number, true},     {u"Top", ValueKind::Number, true},
    {u"Width", ValueKind::Number, true},    {u"Height", ValueKind::Number, true},
    {u"Enabled", ValueKind::Boolean, true}, {u"Visible", ValueKind::Boolean, true},
    {u"BackColor", ValueKind::Int32, true}, {u"ForeColor", ValueKind::Int32, true},
    {u"TabIndex", ValueKind::Int16, true},  {u"Appearance", ValueKind::Int16, true},
};

constexpr PropertyShape kCommandButton[] = {{u"Caption", ValueKind::Text, true},
                                            {u"Style", ValueKind::Int16, true}};
constexpr PropertyShape kTextBox[] = {{u"Text", ValueKind::Text, true},
                                      {u"BorderStyle", ValueKind::Int16, true}};
constexpr PropertyShape kCheckBox[] = {{u"Caption", ValueKind::Text, true},
                                       {u"Value", ValueKind::Int16, true}};
constexpr PropertyShape kOptionButton[] = {{u"Caption", ValueKind::Text, true},
                                           {u"Value", ValueKind::Boolean, true}};

constexpr MethodShape kMethods[] = {{u"Refresh", 0, 0}, {u"Move", 1, 4}};

}  // namespace

std::optional<ControlType> controlTypeNamed(TextView typeName) {
  for (const TypeName& row : kTypes) {
    if (typeName == row.name) return row.type;
  }
  return std::nullopt;
}

std::span<const PropertyShape> commonProperties() {
  return kCommon;
}

std::span<const PropertyShape> ownProperties(ControlType type) {
  switch (type) {
    case ControlType::CommandButton:
      return kCommandButton;
    case ControlType::TextBox:
      return kTextBox;
    case ControlType::CheckBox:
      return kCheckBox;
    case ControlType::OptionButton:
      return kOptionButton;
  }
  return {};
}

std::span<const MethodShape> controlMethods() {
  return kMethods;
}

}  // namespace host
