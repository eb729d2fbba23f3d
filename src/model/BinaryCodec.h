// SPDX-License-Identifier: GPL-3.0-or-later
// Little-endian reading and writing of the project file's items: 16-bit integers, single
// precision values and counted Windows-1252 texts. The reader never reads past its buffer.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace kelvadrome {

// What is wrong with the bytes, as the end of a sentence ("the file ends too early").
class FileFormatFault : public std::runtime_error {
 public:
  explicit FileFormatFault(const std::string& reason) : std::runtime_error(reason) {}
};

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  [[nodiscard]] int16_t I16();
  // Throws FileFormatFault for a NaN or an infinity.
  [[nodiscard]] float F32();
  // A count (i16) and that many bytes of Windows-1252 text, returned as UTF-8.
  [[nodiscard]] std::string Text();
  void Skip(std::size_t count);
  // The next count bytes as they stand.
  [[nodiscard]] std::span<const uint8_t> Raw(std::size_t count) { return Take(count); }
  [[nodiscard]] std::size_t Remaining() const { return bytes_.size() - pos_; }

 private:
  std::span<const uint8_t> Take(std::size_t count);

  std::span<const uint8_t> bytes_;
  std::size_t pos_ = 0;
};

class ByteWriter {
 public:
  void I16(int16_t value);
  void F32(float value);
  // UTF-8 text written as Windows-1252 with its i16 count; throws FileFormatFault when the
  // text is longer than a count can say.
  void Text(const std::string& utf8);
  void Raw(std::span<const uint8_t> bytes) { bytes_.insert(bytes_.end(), bytes.begin(), bytes.end()); }

  [[nodiscard]] const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace kelvadrome
