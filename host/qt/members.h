#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <stdexcept>
#include <vector>

#include "host/qt/control.h"

namespace host::qt {

struct Property {
  ValueKind kind;
  Value (*get)(const Control&);
  void (*set)(Control&, const Value&);  // null for a read-only property
};

struct Method {
  std::size_t minArguments;
  std::size_t maxArguments;
  void (*call)(Control&, std::span<const Value>);
};

// Members by name, in a small open-addressed table: a type has a dozen or so, and keying the
// slots on the name's length and first and last letters finds one in a probe or two, cheaper
// than hashing every letter.
template <class Member>
class MemberList {
 public:
  MemberList() { slots_.fill(kEmpty); }

  void add(TextView name, Member member) {
    if (name.empty() || entries_.size() >= kSlots / 2) throw std::logic_error("member table full");
    entries_.push_back({name, member});
    std::size_t slot = slotOf(name);
    while (slots_[slot] != kEmpty) slot = (slot + 1) % kSlots;
    slots_[slot] = static_cast<std::uint8_t>(entries_.size() - 1);
  }

  const Member* find(TextView name) const {
    if (name.empty()) return nullptr;
    for (std::size_t slot = slotOf(name); slots_[slot] != kEmpty; slot = (slot + 1) % kSlots) {
      const Entry& entry = entries_[slots_[slot]];
      if (entry.name.size() == name.size() &&
          std::memcmp(entry.name.data(), name.data(), name.size() * sizeof(char16_t)) == 0) {
        return &entry.member;
      }
    }
    return nullptr;
  }

 private:
  static constexpr std::size_t kSlots = 64;
  static constexpr std::uint8_t kEmpty = 0xFF;
  static std::size_t slotOf(TextView name) {
    return (name.size() * 31 + name.front() * 7 + name.back()) % kSlots;
  }

  struct Entry {
    TextView name;
    Member member;
  };
  std::vector<Entry> entries_;
  std::array<std::uint8_t, kSlots> slots_;
};

// The members of one control type, looked up by name when the program calls them.
struct MemberTable {
  MemberList<Property> properties;
  MemberList<Method> methods;
};

const MemberTable& membersOf(ControlType type);

// The control type a definition's type name stands for; empty for a name we do not know.
std::optional<ControlType> controlTypeNamed(TextView typeName);

// Creates the widget of a control type, as a child of `parent`, with the host's defaults.
QWidget* createWidget(Control& control, QWidget* parent);

}  // namespace host::qt
