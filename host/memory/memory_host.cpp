#include "host/memory/memory_host.h"

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

#include "host/core/member_shapes.h"

namespace host::memory {

struct MemoryHost::FormState : FormEntry {
  Text caption;
  std::optional<ColorValue> backColor;
  int refreshes = 0;
  bool live() const { return true; }
};

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

struct MemoryHost::ControlState : ControlEntry {
  std::string target;  // "Command1(3)", for every call's record: its name and index never change
  MemberStore members;
  bool live() const { return true; }
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

MemoryHost::MemoryHost()
    : HostBase([this](Event event, TextView source, const HostError& error) {
        reported_.push_back({event, Text(source), error.code(), error.what()});
      }) {}

MemoryHost::~MemoryHost() = default;

FormRef MemoryHost::addForm(const FormDefinition& definition) {
  auto made = std::make_unique<FormState>();
  made->name = definition.name;
  made->caption = definition.caption;
  FormState& form = registry_.add(std::move(made));
  for (const ControlDefinition& item : definition.controls) {
    auto control = std::make_unique<ControlState>();
    control->typeName = item.typeName;
    control->name = item.name;
    control->index = item.index;
    auto& members = control->members;
    members[nameOf(Member::Name)] = Value::text(item.name);
    if (item.index) members[nameOf(Member::Index)] = Value::int16(*item.index);
    members[nameOf(Member::Left)] = Value::number(item.left);
    members[nameOf(Member::Top)] = Value::number(item.top);
    members[nameOf(Member::Width)] = Value::number(item.width);
    members[nameOf(Member::Height)] = Value::number(item.height);
    const bool textBox = controlTypeNamed(item.typeName) == ControlType::TextBox;
    members[nameOf(textBox ? Member::Text : Member::Caption)] = Value::text(item.caption);
    members[nameOf(Member::TabIndex)] = Value::int16(item.tabIndex);
    members[nameOf(Member::Enabled)] = Value::boolean(true);
    members[nameOf(Member::Visible)] = Value::boolean(true);
    for (const StoredSetting& setting : item.settings) members[setting.member] = setting.value;
    control->target = describe(*control);
    registry_.add(form, std::move(control));
  }
  return form.ref;
}

FormRef MemoryHost::start(const Project& project) {
  const FormRef form = addForm(*project.startupForm);
  attachCode(registry_.form(form), project);
  return form;
}

void MemoryHost::click(ControlRef control) {
  const ControlState& state = registry_.control(control);
  deliver(registry_.form(state.form), Event::Click, state.name);
}

// A fault of the program's own, rather than a refusal, leaves the host, so that the test that
// runs it sees it.
void MemoryHost::escaped(Event, TextView, const std::exception&) {
  throw;
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
  const FormState* state = registry_.find(form);
  return state ? registry_.named(*state, name, index) : ControlRef{};
}

std::vector<ControlRef> MemoryHost::controlsOf(FormRef form) const {
  const FormState* state = registry_.find(form);
  return state ? state->controls : std::vector<ControlRef>{};
}

std::optional<Value> MemoryHost::property(ControlRef control, TextView name) const {
  const ControlState* state = registry_.find(control);
  if (!state) return std::nullopt;
  const auto found = state->members.find(name);
  if (found == state->members.end()) return std::nullopt;
  return found->second;
}

const Text& MemoryHost::caption(FormRef form) const {
  return registry_.find(form)->caption;
}

std::optional<ColorValue> MemoryHost::backColor(FormRef form) const {
  return registry_.find(form)->backColor;
}

int MemoryHost::refreshCount(FormRef form) const {
  return registry_.find(form)->refreshes;
}

FormCode* MemoryHost::code(FormRef form) const {
  return registry_.find(form)->code.get();
}

// --- FormsHost -------------------------------------------------------------------------------

void MemoryHost::setCaption(FormRef form, TextView caption) {
  recorded({0, Operation::SetCaption, targetOf(form), {}, {Value::text(Text(caption))}, {}},
           [&] { registry_.form(form).caption = caption; });
}

void MemoryHost::setBackColor(FormRef form, ColorValue color) {
  recorded({0, Operation::SetBackColor, targetOf(form), {}, {Value::int32(color)}, {}},
           [&] { registry_.form(form).backColor = color; });
}

ControlCollection MemoryHost::controls(FormRef form) {
  return recorded({0, Operation::Controls, targetOf(form), {}, {}, {}},
                  [&] { return ControlCollection{registry_.form(form).ref}; });
}

void MemoryHost::refresh(FormRef form) {
  recorded({0, Operation::Refresh, targetOf(form), {}, {}, {}},
           [&] { ++registry_.form(form).refreshes; });
}

Enumerator MemoryHost::startEnumeration(const ControlCollection& collection) {
  return recorded({0, Operation::StartEnumeration, targetOf(collection.form), {}, {}, {}},
                  [&] { return firstControl(registry_.form(collection.form)); });
}

void MemoryHost::advance(Enumerator& enumerator) {
  recorded({0, Operation::Advance, targetOf(enumerator.form), {}, {}, {}},
           [&] { nextControl(registry_.form(enumerator.form), enumerator); });
}

Text MemoryHost::typeName(ControlRef control) {
  return recorded({0, Operation::TypeName, targetOf(control), {}, {}, {}},
                  [&] { return registry_.typeNameOf(control); });
}

Value MemoryHost::getProperty(ControlRef control, TextView name) {
  return recorded({0, Operation::GetProperty, targetOf(control), Text(name), {}, {}}, [&] {
    const ControlState& state = registry_.control(control);
    const auto found = state.members.find(name);
    if (found == state.members.end()) {
      throw HostError(ErrorCode::UnknownMember,
                      "unknown member: " + state.target + " has no property " + toUtf8(name));
    }
    return found->second;
  });
}

void MemoryHost::setProperty(ControlRef control, TextView name, const Value& value) {
  recorded({0, Operation::SetProperty, targetOf(control), Text(name), {value}, {}}, [&] {
    ControlState& state = registry_.control(control);
    const MemberShape* shape = shapeNamed(name);
    if (shape && !shape->method && !shape->settable) {
      throw HostError(ErrorCode::ReadOnly,
                      "read-only member: " + toUtf8(name) + " of " + state.target);
    }
    state.members[name] = value;
  });
}

void MemoryHost::callMethod(ControlRef control, TextView name, std::span<const Value> arguments) {
  Call call{0, Operation::CallMethod, targetOf(control), Text(name), {}, {}};
  call.arguments.assign(arguments.begin(), arguments.end());
  recorded(std::move(call), [&] {
    ControlState& state = registry_.control(control);
    const MemberShape* shape = shapeNamed(name);
    if (!shape || !shape->method) {
      throw HostError(ErrorCode::UnknownMember,
                      "unknown member: " + state.target + " has no method " + toUtf8(name));
    }
    if (arguments.size() < shape->minArguments || arguments.size() > shape->maxArguments) {
      throw HostError(ErrorCode::WrongArguments, "wrong number of arguments: " + toUtf8(name));
    }
    if (shape->member != Member::Move) return;
    // Left, then optionally top, width and height; all converted before any is kept.
    static constexpr Member kPlaces[] = {Member::Left, Member::Top, Member::Width, Member::Height};
    std::vector<double> numbers;
    for (const Value& argument : arguments) numbers.push_back(argument.asNumber());
    for (std::size_t i = 0; i < numbers.size(); ++i) {
      state.members[nameOf(kPlaces[i])] = Value::number(numbers[i]);
    }
  });
}

ColorValue MemoryHost::rgb(int red, int green, int blue) {
  return recorded(
      {0, Operation::Rgb, {}, {}, {Value::int32(red), Value::int32(green), Value::int32(blue)}, {}},
      [&] { return composeRgb(red, green, blue); });
}

bool MemoryHost::textEquals(TextView left, TextView right) {
  return recorded(
      {0, Operation::TextEquals, {}, {}, {Value::text(Text(left)), Value::text(Text(right))}, {}},
      [&] { return left == right; });
}

bool MemoryHost::flagSet(Boolean flag) {
  return recorded({0, Operation::FlagSet, {}, {}, {Value::boolean(flag)}, {}},
                  [&] { return static_cast<bool>(flag); });
}

void MemoryHost::yield() {
  recorded({0, Operation::Yield, {}, {}, {}, {}}, [&] {
    if (onYield_) onYield_();
  });
}

// --- bookkeeping -----------------------------------------------------------------------------

template <class Body>
auto MemoryHost::recorded(Call call, Body&& body) -> decltype(body()) {
  return guarded([&] {
    call.ordinal = nextOrdinal_++;
    calls_.push_back(std::move(call));
    const std::size_t entry = calls_.size() - 1;
    try {
      // A rule may call the host and so add to the record: it is given a copy of the entry.
      if (!rules_.empty()) {
        const Call snapshot = calls_[entry];
        for (const Rule& rule : rules_) {
          if (rule(snapshot)) throw HostError(ErrorCode::Refused, "refused: " + describe(snapshot));
        }
      }
      return body();
    } catch (const HostError& error) {
      calls_[entry].error = error.code();
      throw;
    }
  });
}

std::string MemoryHost::targetOf(FormRef form) const {
  const FormState* state = registry_.find(form);
  return state ? toUtf8(state->name) : "-";
}

std::string MemoryHost::targetOf(ControlRef control) const {
  const ControlState* state = registry_.find(control);
  return state ? state->target : "-";
}

}  // namespace host::memory
