// Finding a byte eight bytes at a time: the readers scan millions of lines and fields.
#pragma once

#include <cstddef>
#include <cstring>

namespace race {

// Nonzero when one of the eight bytes of block equals byte (the well-known zero-byte test on block ^ byte).
inline unsigned long long ByteMatches(unsigned long long block, char byte) {
  constexpr unsigned long long kOnes = 0x0101010101010101ULL, kHighs = 0x8080808080808080ULL;
  const unsigned long long x = block ^ (kOnes * static_cast<unsigned char>(byte));
  return (x - kOnes) & ~x & kHighs;
}

inline unsigned long long LoadEightBytes(const char* data) {
  unsigned long long block;
  std::memcpy(&block, data, 8);
  return block;
}

// The first position of byte in data[from..size), or size.
inline std::size_t FindByte(const char* data, std::size_t from, std::size_t size, char byte) {
  std::size_t i = from;
  while (i + 8 <= size && !ByteMatches(LoadEightBytes(data + i), byte)) i += 8;
  while (i < size && data[i] != byte) ++i;
  return i;
}

}  // namespace race
