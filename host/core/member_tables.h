#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <stdexcept>

#include "host/core/control_type.h"
#include "host/core/member_list.h"
#include "host/core/member_shapes.h"
#include "host/value.h"

namespace host {

// A host's member tables: for each control type, its members by name, each bound to the host's
// calls. A host writes one binding per member (host/core/member_shapes.h), keyed by the member,
// and the tables follow from the shapes: which types have it, whether it may be set, how many
// arguments it takes.

template <class Control>
struct PropertyOf {
  ValueKind kind;
  Value (*get)(const Control&);
  void (*set)(Control&, const Value&);  // null for a read-only property
};

template <class Control>
struct MethodOf {
  std::size_t minArguments;
  std::size_t maxArguments;
  void (*call)(Control&, std::span<const Value>);
};

// The members of one control type, looked up by name when the program calls them.
template <class Control>
struct MemberTableOf {
  MemberList<PropertyOf<Control>> properties;
  MemberList<MethodOf<Control>> methods;
};

template <class Control>
using MemberTables = std::array<MemberTableOf<Control>, kControlTypeCount>;

// A host's calls behind one member: a getter, and a setter where the member may be set, for a
// property; the call for a method.
template <class Control>
struct Binding {
  Member member;
  Value (*get)(const Control&) = nullptr;
  void (*set)(Control&, const Value&) = nullptr;
  void (*call)(Control&, std::span<const Value>) = nullptr;
};

template <class Control>
constexpr bool fitsItsShape(const Binding<Control>& binding) {
  const MemberShape& shape = shapeOf(binding.member);
  if (shape.method) return binding.call && !binding.get && !binding.set;
  return binding.get && !binding.call && (binding.set != nullptr) == shape.settable;
}

// Whether every member has exactly one binding, and each binding the calls its member needs.
template <class Control, std::size_t N>
constexpr bool bindsEveryMemberOnce(const std::array<Binding<Control>, N>& bindings) {
  std::array<int, kMemberCount> times{};
  for (const Binding<Control>& binding : bindings) {
    if (!fitsItsShape(binding)) return false;
    ++times[indexOf(binding.member)];
  }
  for (const int count : times) {
    if (count != 1) return false;
  }
  return true;
}

template <class Control, std::size_t N>
MemberTables<Control> buildMemberTables(const std::array<Binding<Control>, N>& bindings) {
  std::array<const Binding<Control>*, kMemberCount> bound{};
  for (const Binding<Control>& binding : bindings) bound[indexOf(binding.member)] = &binding;
  MemberTables<Control> tables;
  for (std::size_t type = 0; type < kControlTypeCount; ++type) {
    for (const MemberShape& shape : kMembers) {
      if (!shape.types.has(static_cast<ControlType>(type))) continue;
      const Binding<Control>& binding = *bound[indexOf(shape.member)];
      if (shape.method) {
        tables[type].methods.add(shape.name,
                                 {shape.minArguments, shape.maxArguments, binding.call});
      } else {
        tables[type].properties.add(shape.name, {shape.kind, binding.get, binding.set});
      }
    }
  }
  return tables;
}

// The tables a host's bindings make, built when first asked for. A member left unbound, bound
// twice, or bound without the calls its shape needs stops the build here.
// GCC's null-pointer sanitizer makes a function's address a value known only when the program
// runs, so a sanitized build checks the bindings when the tables are first built instead.
template <const auto& kBindings>
const auto& boundMemberTables() {
#ifdef SKINBENCH_BINDINGS_CHECKED_AT_RUN_TIME
  if (!bindsEveryMemberOnce(kBindings)) {
    throw std::logic_error("a member binding is missing, doubled or lacks a call its member needs");
  }
#else
  static_assert(bindsEveryMemberOnce(kBindings),
                "each member needs exactly one binding: a getter, a setter where it may be set, "
                "a call for a method");
#endif
  static const auto tables = buildMemberTables(kBindings);
  return tables;
}

}  // namespace host
