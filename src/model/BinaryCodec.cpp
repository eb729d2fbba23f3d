// SPDX-License-Identifier: GPL-3.0-or-later
// Byte-level reading and writing of the project file.
#include "model/BinaryCodec.h"

#include <bit>
#include <cmath>
#include <limits>

#include "model/Cp1252.h"

namespace kelvadrome {

std::span<const uint8_t> ByteReader::Take(std::size_t count) {
  if (count > bytes_.size() - pos_) {
    throw FileFormatFault("the file ends too early (at byte " + std::to_string(pos_) + " of " +
                          std::to_string(bytes_.size()) + ")");
  }
  const auto part = bytes_.subspan(pos_, count);
  pos_ += count;
  return part;
}

int16_t ByteReader::I16() {
  const auto b = Take(2);
  return static_cast<int16_t>(static_cast<uint16_t>(b[0] | (b[1] << 8)));
}

float ByteReader::F32() {
  const auto b = Take(4);
  const uint32_t bits = uint32_t{b[0]} | (uint32_t{b[1]} << 8) | (uint32_t{b[2]} << 16) |
                        (uint32_t{b[3]} << 24);
  const auto value = std::bit_cast<float>(bits);
  // The program never writes one: a NaN or an infinity means a damaged file, and would reach
  // every window as "N/A".
  if (!std::isfinite(value)) throw FileFormatFault("it holds a value that is not a finite number");
  return value;
}

std::string ByteReader::Text() {
  const int16_t length = I16();
  if (length < 0) {
    throw FileFormatFault("it holds a negative text length (" + std::to_string(length) +
                          ") at byte " + std::to_string(pos_ - 2));
  }
  const auto b = Take(static_cast<std::size_t>(length));
  return Cp1252ToUtf8(std::string(b.begin(), b.end()));
}

void ByteReader::Skip(std::size_t count) { (void)Take(count); }

void ByteWriter::I16(int16_t value) {
  const auto bits = static_cast<uint16_t>(value);
  bytes_.push_back(static_cast<uint8_t>(bits & 0xFF));
  bytes_.push_back(static_cast<uint8_t>(bits >> 8));
}

void ByteWriter::F32(float value) {
  const auto bits = std::bit_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<uint8_t>(bits >> shift));
}

void ByteWriter::Text(const std::string& utf8) {
  const std::string bytes = Utf8ToCp1252(utf8);
  if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int16_t>::max())) {
    throw FileFormatFault("a text of " + std::to_string(bytes.size()) +
                          " characters is longer than a project file can hold (32767)");
  }
  I16(static_cast<int16_t>(bytes.size()));
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

}  // namespace kelvadrome
