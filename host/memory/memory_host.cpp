#include "host/memory/memory_host.h"

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

namespace host::memory {

struct MemoryHost::FormState {
  FormRef ref;
  Text name;
  Text caption;
  std::optional<ColorValue> backColor;
  int refreshes = 0;
  std::vector<ControlRef> controls;
  std::unique_ptr<FormCode> code;
  std::vector<HandlerBinding> handlers;
};

namespace {

// A control's members in one block, in the order they were first set: a control has a dozen or
// so, which a scan that compares lengths first finds faster than a tree would, and with no
// allocation for a name that is already there.
class MemberStore {
 public:
  using Entry = std::pair<Text, Value>;
  using const_iterator = std::vector<Entry>::const_iterator;

  const_iterator find(TextView name) const {
    return std::find_if(entries_.begin(), entries_.end(), [&](const Entry& entry) {
      return entry.first.size() == name.size() && entry.first == name;
    });
  }
  const_iterator end() const { return entries_.end(); }

  const Value& at(TextView name) const {
    const auto found = find(name);
    if (found == end()) throw std::out_of_range("no member " + toUtf8(name));
    return found->second;
  }

  Value& operator[](TextView name) {
    const auto found = find(name);
    if (found != end()) return entries_[static_cast<std::size_t>(found - entries_.begin())].second;
    return entries_.emplace_back(Text(name), Value()).second;
  }

 private:
  std::vector<Entry> entries_;
};

}  // namespace

struct MemoryHost::ControlState {
  ControlRef ref;
  FormRef form;
  Text typeName;
  std::string target;  // "Command1(3)": its name and index, which cannot change
  MemberStore members;
};

namespace {

std::string_view verb(Operation operation) {
  switch (operation) {
    case Operation::SetCaption:
      return "caption";
    case Operation::SetBackColor:
      return "backcolor";
    case Operation::Controls:
      return "controls";
    case Operation::StartEnumeration:
      return "start";
    case Operation::Advance:
      return "advance";
    case Operation::Refresh:
      return "refresh";
    case Operation::TypeName:
      return "type";
    case Operation::GetProperty:
      return "get";
    case Operation::SetProperty:
      return "set";
    case Operation::CallMethod:
      return "call";
    case Operation::Rgb:
      return "rgb";
    case Operation::TextEquals:
      return "equals";
    case Operation::FlagSet:
      return "flag";
    case Operation::Yield:
      return "yield";
  }
  return "?";
}

}  // namespace

std::string describe(const Call& call) {
  std::string line(verb(call.operation));
  if (!call.target.empty()) line.append(" ").append(call.target);
  if (!call.member.empty()) line.append(".").append(toUtf8(call.member));
  for (const Value& argument : call.arguments) line.append(" ").append(describe(argument));
  if (call.error) line.append(" !").append(codeName(*call.error));
  return line;
}

MemoryHost::MemoryHost() = default;
MemoryHost::~MemoryHost() = default;

FormRef MemoryHost::addForm(const FormDefinition& definition) {
  auto form = std::make_unique<FormState>();
  form->ref = FormRef{static_cast<std::uint32_t>(forms_.size() + 1)};
  form->name = definition.name;
  form->caption = definition.caption;
  for (const ControlDefinition& item : definition.controls) {
    auto control = std::make_unique<ControlState>();
    control->ref = ControlRef{static_cast<std::uint32_t>(controls_.size() + 1)};
    control->form = form->ref;
    control->typeName = item.typeName;
    auto& members = control->members;
    members[u"Name"] = Value::text(item.name);
    if (item.index) members[u"Index"] = Value::int16(*item.index);
    members[u"Left"] = Value::number(item.left);
    members[u"Top"] = Value::number(item.top);
    members[u"Width"] = Value::number(item.width);
    members[u"Height"] = Value::number(item.height);
    members[item.typeName == u"TextBox" ? u"Text" : u"Caption"] = Value::text(item.caption);
    members[u"TabIndex"] = Value::int16(item.tabIndex);
    members[u"Enabled"] = Value::boolean(true);
    members[u"Visible"] = Value::boolean(true);
    for (const StoredSetting& setting : item.settings) members[setting.member] = setting.value;
    control->target = toUtf8(members.at(u"Name").asText());
    if (const auto index = members.find(u"Index"); index != members.end()) {
      control->target.append("(").append(std::to_string(index->second.asInt16())).append(")");
    }
    form->controls.push_back(control->ref);
    controls_.push_back(std::move(control));
  }
  forms_.push_back(std::move(form));
  return forms_.back()->ref;
}

FormRef MemoryHost::start(const Project& project) {
  const FormRef form = addForm(*project.startupForm);
  FormState& state = formState(form);
  state.code = project.createCode(*this, form);
  state.handlers = state.code->handlers();
  deliver(form, Event::Load, state.name);
  return form;
}

void MemoryHost::click(ControlRef control) {
  const ControlState& state = controlState(control);
  deliver(state.form, Event::Click, state.members.at(u"Name").asText());
}

void MemoryHost::deliver(FormRef form, Event event, TextView source) {
  // Copied, so that a handler may run nested inside another without the table moving under it.
  const std::vector<HandlerBinding> handlers = formState(form).handlers;
  for (const HandlerBinding& binding : handlers) {
    if (binding.event != event || binding.source != source) continue;
    try {
      binding.handler();
    } catch (const HostError& error) {
      reported_.push_back({event, Text(source), error.code(), error.what()});
    }
  }
}

void MemoryHost::onYield(std::function<void()> action) {
  onYield_ = std::move(action);
}

void MemoryHost::refuse(Rule rule) {
  rules_.push_back(std::move(rule));
}

void MemoryHost::refuseCall(std::size_t ordinal) {
  refuse([ordinal](const Call& call) { return call.ordinal == ordinal; });
}

void MemoryHost::refuseFrom(std::size_t ordinal) {
  refuse([ordinal](const Call& call) { return call.ordinal >= ordinal; });
}

void MemoryHost::refuse(Operation operation, TextView member, std::string target) {
  refuse([operation, member = Text(member), target = std::move(target)](const Call& call) {
    return call.operation == operation && (member.empty() || call.member == member) &&
           (target.empty() || call.target == target);
  });
}

void MemoryHost::clearRefusals() {
  rules_.clear();
}

std::vector<std::string> MemoryHost::trace() const {
  std::vector<std::string> lines;
  lines.reserve(calls_.size());
  for (const Call& call : calls_) lines.push_back(describe(call));
  return lines;
}

void MemoryHost::clearTrace() {
  calls_.clear();
  nextOrdinal_ = 1;
}

ControlRef MemoryHost::control(FormRef form, TextView name,
                               std::optional<std::int16_t> index) const {
  const FormState* state = findForm(form);
  if (!state) return {};
  for (const ControlRef ref : state->controls) {
    const ControlState& control = *controls_[ref.id - 1];
    const auto found = control.members.find(u"Index");
    const bool inArray = found != control.members.end();
    const bool sameIndex =
        inArray == index.has_value() && (!inArray || found->second.asInt16() == index.value());
    if (control.members.at(u"Name").asText() == name && sameIndex) return ref;
  }
  return {};
}

std::vector<ControlRef> MemoryHost::controlsOf(FormRef form) const {
  const FormState* state = findForm(form);
  return state ? state->controls : std::vector<ControlRef>{};
}

std::optional<Value> MemoryHost::property(ControlRef control, TextView name) const {
  const ControlState* state = findControl(control);
  if (!state) return std::nullopt;
  const auto found = state->members.find(name);
  if (found == state->members.end()) return std::nullopt;
  return found->second;
}

const Text& MemoryHost::caption(FormRef form) const {
  return findForm(form)->caption;
}

std::optional<ColorValue> MemoryHost::backColor(FormRef form) const {
  return findForm(form)->backColor;
}

int MemoryHost::refreshCount(FormRef form) const {
  return findForm(form)->refreshes;
}

FormCode* MemoryHost::code(FormRef form) const {
  return findForm(form)->code.get();
}

// --- FormsHost -------------------------------------------------------------------------------

void MemoryHost::setCaption(FormRef form, TextView caption) {
  const std::size_t entry =
      record({0, Operation::SetCaption, targetOf(form), {}, {Value::text(Text(caption))}, {}});
  if (!findForm(form)) fail(entry, ErrorCode::NoObject, "no object: the form reference is empty");
  formState(form).caption = caption;
}

void MemoryHost::setBackColor(FormRef form, ColorValue color) {
  const std::size_t entry =
      record({0, Operation::SetBackColor, targetOf(form), {}, {Value::int32(color)}, {}});
  if (!findForm(form)) fail(entry, ErrorCode::NoObject, "no object: the form reference is empty");
  formState(form).backColor = color;
}

ControlCollection MemoryHost::controls(FormRef form) {
  const std::size_t entry = record({0, Operation::Controls, targetOf(form), {}, {}, {}});
  if (!findForm(form)) fail(entry, ErrorCode::NoObject, "no object: the form reference is empty");
  return ControlCollection{form};
}

void MemoryHost::refresh(FormRef form) {
  const std::size_t entry = record({0, Operation::Refresh, targetOf(form), {}, {}, {}});
  if (!findForm(form)) fail(entry, ErrorCode::NoObject, "no object: the form reference is empty");
  ++formState(form).refreshes;
}

Enumerator MemoryHost::startEnumeration(const ControlCollection& collection) {
  const std::size_t entry =
      record({0, Operation::StartEnumeration, targetOf(collection.form), {}, {}, {}});
  const FormState* form = findForm(collection.form);
  if (!form) fail(entry, ErrorCode::NoObject, "no object: the collection has no form");
  Enumerator enumerator{collection.form, 0, {}};
  if (!form->controls.empty()) enumerator.current = form->controls.front();
  return enumerator;
}

void MemoryHost::advance(Enumerator& enumerator) {
  const std::size_t entry = record({0, Operation::Advance, targetOf(enumerator.form), {}, {}, {}});
  const FormState* form = findForm(enumerator.form);
  if (!form) fail(entry, ErrorCode::NoObject, "no object: the enumeration has no form");
  const std::uint32_t next = enumerator.position + 1;
  enumerator.current = next < form->controls.size() ? form->controls[next] : ControlRef{};
  enumerator.position = next;
}

Text MemoryHost::typeName(ControlRef control) {
  record({0, Operation::TypeName, targetOf(control), {}, {}, {}});
  const ControlState* state = findControl(control);
  return state ? state->typeName : Text{};
}

Value MemoryHost::getProperty(ControlRef control, TextView name) {
  const std::size_t entry =
      record({0, Operation::GetProperty, targetOf(control), Text(name), {}, {}});
  const ControlState* state = findControl(control);
  if (!state) fail(entry, ErrorCode::NoObject, "no object: the control reference is empty");
  const auto found = state->members.find(name);
  if (found == state->members.end()) {
    fail(entry, ErrorCode::UnknownMember,
         "unknown member: " + targetOf(control) + " has no property " + toUtf8(name));
  }
  return found->second;
}

void MemoryHost::setProperty(ControlRef control, TextView name, const Value& value) {
  const std::size_t entry =
      record({0, Operation::SetProperty, targetOf(control), Text(name), {value}, {}});
  ControlState* state = findControl(control) ? &controlState(control) : nullptr;
  if (!state) fail(entry, ErrorCode::NoObject, "no object: the control reference is empty");
  if (name == u"Name" || name == u"Index") {
    fail(entry, ErrorCode::ReadOnly,
         "read-only member: " + toUtf8(name) + " of " + targetOf(control));
  }
  state->members[name] = value;
}

void MemoryHost::callMethod(ControlRef control, TextView name, std::span<const Value> arguments) {
  const std::size_t entry = record({0,
                                    Operation::CallMethod,
                                    targetOf(control),
                                    Text(name),
                                    std::vector<Value>(arguments.begin(), arguments.end()),
                                    {}});
  ControlState* state = findControl(control) ? &controlState(control) : nullptr;
  if (!state) fail(entry, ErrorCode::NoObject, "no object: the control reference is empty");
  if (name == u"Refresh") {
    if (!arguments.empty()) fail(entry, ErrorCode::WrongArguments, "Refresh takes no arguments");
    return;
  }
  if (name == u"Move") {
    if (arguments.empty() || arguments.size() > 4) {
      fail(entry, ErrorCode::WrongArguments, "Move takes left and optionally top, width, height");
    }
    static constexpr const char16_t* kOrder[] = {u"Left", u"Top", u"Width", u"Height"};
    std::vector<double> numbers;
    try {
      for (const Value& argument : arguments) numbers.push_back(argument.asNumber());
    } catch (const HostError& error) {
      fail(entry, error.code(), error.what());
    }
    for (std::size_t i = 0; i < numbers.size(); ++i) {
      state->members[kOrder[i]] = Value::number(numbers[i]);
    }
    return;
  }
  fail(entry, ErrorCode::UnknownMember,
       "unknown member: " + targetOf(control) + " has no method " + toUtf8(name));
}

ColorValue MemoryHost::rgb(int red, int green, int blue) {
  const std::size_t entry = record({0,
                                    Operation::Rgb,
                                    {},
                                    {},
                                    {Value::int32(red), Value::int32(green), Value::int32(blue)},
                                    {}});
  try {
    return composeRgb(red, green, blue);
  } catch (const HostError& error) {
    fail(entry, error.code(), error.what());  // recorded as this call's outcome
  }
}

bool MemoryHost::textEquals(TextView left, TextView right) {
  record(
      {0, Operation::TextEquals, {}, {}, {Value::text(Text(left)), Value::text(Text(right))}, {}});
  return left == right;
}

bool MemoryHost::flagSet(Boolean flag) {
  record({0, Operation::FlagSet, {}, {}, {Value::boolean(flag)}, {}});
  return static_cast<bool>(flag);
}

void MemoryHost::yield() {
  record({0, Operation::Yield, {}, {}, {}, {}});
  if (onYield_) onYield_();
}

// --- bookkeeping -----------------------------------------------------------------------------

std::size_t MemoryHost::record(Call call) {
  call.ordinal = nextOrdinal_++;
  calls_.push_back(std::move(call));
  const std::size_t entry = calls_.size() - 1;
  if (rules_.empty()) return entry;
  // A rule may call the host and so add to the record: it is given a copy of the entry.
  const Call snapshot = calls_[entry];
  for (const Rule& rule : rules_) {
    if (rule(snapshot)) fail(entry, ErrorCode::Refused, "refused: " + describe(snapshot));
  }
  return entry;
}

void MemoryHost::fail(std::size_t entry, ErrorCode code, const std::string& message) {
  calls_[entry].error = code;
  throw HostError(code, message);
}

MemoryHost::FormState& MemoryHost::formState(FormRef form) {
  const FormState* state = findForm(form);
  if (!state) throw HostError(ErrorCode::NoObject, "no object: the form reference is empty");
  return *forms_[form.id - 1];
}

const MemoryHost::FormState* MemoryHost::findForm(FormRef form) const {
  return form.id >= 1 && form.id <= forms_.size() ? forms_[form.id - 1].get() : nullptr;
}

MemoryHost::ControlState& MemoryHost::controlState(ControlRef control) {
  if (!findControl(control)) {
    throw HostError(ErrorCode::NoObject, "no object: the control reference is empty");
  }
  return *controls_[control.id - 1];
}

const MemoryHost::ControlState* MemoryHost::findControl(ControlRef control) const {
  return control.id >= 1 && control.id <= controls_.size() ? controls_[control.id - 1].get()
                                                           : nullptr;
}

std::string MemoryHost::targetOf(FormRef form) const {
  const FormState* state = findForm(form);
  return state ? toUtf8(state->name) : "-";
}

std::string MemoryHost::targetOf(ControlRef control) const {
  const ControlState* state = findControl(control);
  return state ? state->target : "-";
}

}  // namespace host::memory
