#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "bytes.h"

namespace package_test {

// One resource of a compiled resource file (.res): type and name as numbers (names given as
// text are not used here), language, and its data.
struct Resource {
  std::uint32_t type = 0, name = 0;
  std::uint16_t language = 0;
  Bytes data;
};

inline std::size_t alignTo4(std::size_t at) {
  return (at + 3) & ~std::size_t{3};
}

// A UTF-16 text ending in a zero unit; returns it as ASCII-range text and moves past it.
inline std::u16string readUtf16(const Bytes& data, std::size_t& at) {
  std::u16string text;
  for (char16_t unit; (unit = u16(data, at)) != 0; at += 2) text += unit;
  at += 2;
  return text;
}

// A resource type or name: 0xFFFF and a number, or a text (returned as number 0).
inline std::uint32_t readOrdinal(const Bytes& data, std::size_t& at) {
  if (u16(data, at) == 0xFFFF) {
    at += 4;
    return u16(data, at - 2);
  }
  readUtf16(data, at);
  return 0;
}

inline std::vector<Resource> readRes(const Bytes& data) {
  std::vector<Resource> resources;
  for (std::size_t at = 0; at < data.size();) {
    std::uint32_t dataSize = u32(data, at), headerSize = u32(data, at + 4);
    std::size_t field = at + 8;
    Resource resource;
    resource.type = readOrdinal(data, field);
    resource.name = readOrdinal(data, field);
    field = alignTo4(field) + 6;  // data version, memory flags
    resource.language = u16(data, field);
    std::size_t begin = at + headerSize;
    if (begin + dataSize > data.size()) throw std::out_of_range("resource past the end");
    resource.data.assign(data.begin() + begin, data.begin() + begin + dataSize);
    // The file starts with an empty entry that only marks the format.
    if (dataSize != 0 || resource.type != 0) resources.push_back(std::move(resource));
    at = alignTo4(begin + dataSize);
  }
  return resources;
}

// One block of a version record: key, value (bytes; a text value keeps its UTF-16 units),
// and child blocks.
struct VersionBlock {
  std::u16string key;
  bool isText = false;
  Bytes value;
  std::vector<VersionBlock> children;

  const VersionBlock* child(const std::u16string& wanted) const {
    for (const VersionBlock& block : children)
      if (block.key == wanted) return &block;
    return nullptr;
  }
  std::u16string text() const {
    std::u16string result;
    for (std::size_t i = 0; i + 1 < value.size(); i += 2) {
      char16_t unit = static_cast<char16_t>(value[i] | value[i + 1] << 8);
      if (unit == 0) break;
      result += unit;
    }
    return result;
  }
};

inline VersionBlock readVersionBlock(const Bytes& data, std::size_t at) {
  std::size_t length = u16(data, at);
  if (length < 6) throw std::out_of_range("version block too short");
  std::size_t end = at + length;
  std::size_t valueLength = u16(data, at + 2);
  VersionBlock block;
  block.isText = u16(data, at + 4) == 1;
  std::size_t field = at + 6;
  block.key = readUtf16(data, field);
  field = alignTo4(field);
  std::size_t valueBytes = block.isText ? 2 * valueLength : valueLength;
  if (field + valueBytes > end) throw std::out_of_range("value past its block");
  block.value.assign(data.begin() + field, data.begin() + field + valueBytes);
  for (field = alignTo4(field + valueBytes); field < end;) {
    block.children.push_back(readVersionBlock(data, field));
    field = alignTo4(field + u16(data, field));
  }
  return block;
}

}  // namespace package_test
