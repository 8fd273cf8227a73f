#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/core/host_base.h"
#include "host/core/registry.h"
#include "host/error.h"
#include "host/project.h"

namespace host::memory {

enum class Operation {
  SetCaption,
  SetBackColor,
  Controls,
  StartEnumeration,
  Advance,
  Refresh,
  TypeName,
  GetProperty,
  SetProperty,
  CallMethod,
  Rgb,
  TextEquals,
  FlagSet,
  Yield,
};

// One operation the program asked of the host, as recorded, with its outcome.
struct Call {
  std::size_t ordinal = 0;  // 1 for the first call after construction or clearTrace()
  Operation operation{};
  std::string target;  // "Form1", "Command1(3)", "cmdProbar"; "-" for an empty reference
  Text member;         // property or method name; empty where the operation has none
  std::vector<Value> arguments;
  std::optional<ErrorCode> error;  // set when the call failed, refused on purpose or not
};

// A compact line per call, for comparing whole traces in tests:
//   "set Command1(3).Style 1", "get Command1(3).Name", "call Command1(3).Move 2401 0",
//   "type Text1(0)", "equals \"TextBox\" \"CheckBox\"", "caption Form1 \"Prueba 1: ...\"",
//   "yield"; a failed call ends in " !" and the error's code name: "set Text1(0).Style 1 !refused".
std::string describe(const Call& call);

// An error that left an event handler and reached the host.
struct ReportedError {
  Event event{};
  Text source;
  ErrorCode code{};
  std::string message;
};

// An in-memory forms host for tests. It records every call with its arguments and outcome, can
// be told to refuse any chosen call, and keeps each control's members in a plain store: every
// member may be set except "Name" and "Index", and a member that was never set cannot be read.
// Its refusals, scripted or its own, reach the refusal observer as on every host.
class MemoryHost final : public HostBase {
 public:
  using Rule = std::function<bool(const Call&)>;

  MemoryHost();
  ~MemoryHost() override;

  // Creates the start-up form, the program's code for it, and delivers the load event.
  FormRef start(const Project& project);
  // Creates a form from a definition, with no code of the program attached.
  FormRef addForm(const FormDefinition& definition);
  // Delivers a click of a control to the program's handler for it, if it has one.
  void click(ControlRef control);
  // Runs `action` inside every later yield(), after the yield is recorded (a user's click
  // arriving while the program yields, say). Pass an empty function to stop.
  void onYield(std::function<void()> action);

  // Refusals: a call matching any rule fails with ErrorCode::Refused and changes nothing.
  void refuse(Rule rule);
  void refuseCall(std::size_t ordinal);
  void refuseFrom(std::size_t ordinal);
  void refuse(Operation operation, TextView member = {}, std::string target = {});
  void clearRefusals();

  const std::vector<Call>& calls() const { return calls_; }
  std::vector<std::string> trace() const;
  void clearTrace();
  const std::vector<ReportedError>& reportedErrors() const { return reported_; }

  // Looking at the state without recording a call.
  ControlRef control(FormRef form, TextView name, std::optional<std::int16_t> index = {}) const;
  std::vector<ControlRef> controlsOf(FormRef form) const;
  std::optional<Value> property(ControlRef control, TextView name) const;
  const Text& caption(FormRef form) const;
  std::optional<ColorValue> backColor(FormRef form) const;
  int refreshCount(FormRef form) const;
  FormCode* code(FormRef form) const;

  // FormsHost: each call recorded, then refused where a rule says so.
  void setCaption(FormRef form, TextView caption) override;
  void setBackColor(FormRef form, ColorValue color) override;
  ControlCollection controls(FormRef form) override;
  void refresh(FormRef form) override;
  Enumerator startEnumeration(const ControlCollection& collection) override;
  void advance(Enumerator& enumerator) override;
  Text typeName(ControlRef control) override;
  Value getProperty(ControlRef control, TextView name) override;
  void setProperty(ControlRef control, TextView name, const Value& value) override;
  void callMethod(ControlRef control, TextView name, std::span<const Value> arguments) override;
  ColorValue rgb(int red, int green, int blue) override;
  bool textEquals(TextView left, TextView right) override;
  bool flagSet(Boolean flag) override;
  void yield() override;

 private:
  struct FormState;
  struct ControlState;

  std::string targetOf(FormRef form) const;
  std::string targetOf(ControlRef control) const;
  // Records the call, refuses it where a rule matches, and otherwise runs `body`; an error it
  // raises is the call's outcome. The whole goes through the guard.
  template <class Body>
  auto recorded(Call call, Body&& body) -> decltype(body());
  void escaped(Event event, TextView source, const std::exception& error) override;

  Registry<FormState, ControlState> registry_;
  std::vector<Call> calls_;
  std::size_t nextOrdinal_ = 1;
  std::vector<Rule> rules_;
  std::function<void()> onYield_;
  std::vector<ReportedError> reported_;
};

}  // namespace host::memory
