#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace package_test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Little-endian reads that refuse to run past the end of the data.
inline std::uint32_t readLe(const Bytes& data, std::size_t at, std::size_t width) {
  if (at + width > data.size()) throw std::out_of_range("read past the end");
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < width; ++i) value |= std::uint32_t{data[at + i]} << (8 * i);
  return value;
}
inline std::uint16_t u16(const Bytes& data, std::size_t at) {
  return static_cast<std::uint16_t>(readLe(data, at, 2));
}
inline std::uint32_t u32(const Bytes& data, std::size_t at) {
  return readLe(data, at, 4);
}
inline std::int32_t i32(const Bytes& data, std::size_t at) {
  return static_cast<std::int32_t>(readLe(data, at, 4));
}

}  // namespace package_test
