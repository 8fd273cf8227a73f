#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "host/text.h"

namespace host {

// Members by name, in a small open-addressed table: a type has a dozen or so, and keying the
// slots on the name's length and first and last letters finds one in a probe or two, cheaper
// than hashing every letter. Every host keeps its member tables in one of these.
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

}  // namespace host
