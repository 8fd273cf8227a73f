#include "tests/support/refusals.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tests/support/printers.h"

namespace support {
namespace {

using host::ErrorCode;
using host::FormsHost;
using host::Value;

struct Refusal {
  const char* operation;
  std::optional<ErrorCode> code;  // how every host refuses it on its own; none where none does
  std::function<void(FormsHost&, host::ControlRef)> attempt;
};

constexpr host::ControlRef kNoSuchControl{999999};

const Refusal kRefusals[] = {
    {"caption", ErrorCode::NoObject, [](FormsHost& h, auto) { h.setCaption({}, u"Prueba"); }},
    {"backcolor", ErrorCode::NoObject, [](FormsHost& h, auto) { h.setBackColor({}, 0); }},
    {"controls", ErrorCode::NoObject, [](FormsHost& h, auto) { h.controls({}); }},
    {"refresh", ErrorCode::NoObject, [](FormsHost& h, auto) { h.refresh({}); }},
    {"start", ErrorCode::NoObject, [](FormsHost& h, auto) { h.startEnumeration({}); }},
    {"advance", ErrorCode::NoObject,
     [](FormsHost& h, auto) {
       host::Enumerator enumerator;
       h.advance(enumerator);
     }},
    {"type", ErrorCode::NoObject, [](FormsHost& h, auto) { h.typeName(kNoSuchControl); }},
    {"get", ErrorCode::UnknownMember,
     [](FormsHost& h, host::ControlRef c) { h.getProperty(c, u"Colour"); }},
    {"set", ErrorCode::ReadOnly,
     [](FormsHost& h, host::ControlRef c) { h.setProperty(c, u"Name", Value::text(u"Otro")); }},
    {"call", ErrorCode::UnknownMember,
     [](FormsHost& h, host::ControlRef c) { h.callMethod(c, u"Flash", {}); }},
    {"rgb", ErrorCode::InvalidValue, [](FormsHost& h, auto) { h.rgb(256, 0, 0); }},
    {"equals", std::nullopt, [](FormsHost& h, auto) { h.textEquals(u"TextBox", u"TextBox"); }},
    {"flag", std::nullopt, [](FormsHost& h, auto) { h.flagSet(host::kTrue); }},
    {"yield", std::nullopt, [](FormsHost& h, auto) { h.yield(); }},
};

}  // namespace

void expectEachRefusalObserved(host::HostBase& host, host::ControlRef control,
                               std::optional<ErrorCode> everyCallRefusedWith) {
  std::vector<ErrorCode> observed;
  host.setRefusalObserver([&](const host::HostError& error) { observed.push_back(error.code()); });
  for (const Refusal& refusal : kRefusals) {
    const std::optional<ErrorCode> expected =
        everyCallRefusedWith ? everyCallRefusedWith : refusal.code;
    if (!expected) continue;
    SCOPED_TRACE(refusal.operation);
    observed.clear();
    std::optional<ErrorCode> raised;
    try {
      refusal.attempt(host, control);
    } catch (const host::HostError& error) {
      raised = error.code();
    }
    EXPECT_EQ(raised, expected);
    EXPECT_EQ(observed, std::vector<ErrorCode>{*expected});
  }
  host.setRefusalObserver({});
}

}  // namespace support
