#include "tests/support/forms.h"

#include <utility>

namespace support {
namespace {

constexpr const char16_t* kSkinnedMembers[] = {u"BackColor", u"ForeColor", u"BorderStyle",
                                               u"Appearance", u"Style"};

std::string shown(const std::optional<host::Value>& value) {
  return value ? host::describe(*value) : "unset";
}

std::string targetIn(const host::memory::MemoryHost& host, host::ControlRef ref) {
  std::string target = host::toUtf8(host.property(ref, u"Name")->asText());
  if (const auto index = host.property(ref, u"Index")) {
    target.append("(").append(std::to_string(index->asInt16())).append(")");
  }
  return target;
}

}  // namespace

host::ControlDefinition control(host::Text name, std::optional<std::int16_t> index,
                                host::Text typeName) {
  host::ControlDefinition definition;
  definition.name = std::move(name);
  definition.index = index;
  definition.typeName = std::move(typeName);
  definition.caption = definition.name;
  return definition;
}

host::FormDefinition formWith(host::Text name, std::vector<host::ControlDefinition> controls) {
  host::FormDefinition form;
  form.name = std::move(name);
  form.caption = form.name;
  form.controls = std::move(controls);
  return form;
}

host::FormDefinition oneOfEachType() {
  return formWith(u"Prueba", {control(u"cmdBoton", std::nullopt, u"CommandButton"),
                              control(u"txtTexto", std::nullopt, u"TextBox"),
                              control(u"chkCasilla", std::nullopt, u"CheckBox"),
                              control(u"optOpcion", std::nullopt, u"OptionButton"),
                              control(u"lblEtiqueta", std::nullopt, u"Label")});
}

Lines skinState(const host::memory::MemoryHost& host, host::FormRef form) {
  const auto background = host.backColor(form);
  Lines lines = {
      std::string("form.BackColor ").append(background ? std::to_string(*background) : "unset")};
  for (const host::ControlRef ref : host.controlsOf(form)) {
    for (const char16_t* member : kSkinnedMembers) {
      lines.push_back(targetIn(host, ref)
                          .append(".")
                          .append(host::toUtf8(member))
                          .append(" ")
                          .append(shown(host.property(ref, member))));
    }
  }
  return lines;
}

void refuseLines(host::memory::MemoryHost& host, LineRule rule) {
  host.refuse([rule = std::move(rule)](const host::memory::Call& call) {
    return rule(host::memory::describe(call));
  });
}

}  // namespace support
