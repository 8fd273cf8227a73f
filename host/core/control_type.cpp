#include "host/core/control_type.h"

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

}  // namespace

std::optional<ControlType> controlTypeNamed(TextView typeName) {
  for (const TypeName& row : kTypes) {
    if (typeName == row.name) return row.type;
  }
  return std::nullopt;
}

}  // namespace host
