// SPDX-License-Identifier: GPL-3.0-or-later
// Builds project files byte by byte in tests, independently of the program's own writer.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace kelvadrome::test {

struct FileBytes {
  std::vector<uint8_t> bytes;

  FileBytes& I16(int value) {
    bytes.push_back(static_cast<uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
    return *this;
  }
  FileBytes& F32(float value) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, 4);
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(bits >> shift));
    return *this;
  }
  // A text already in the file's single-byte encoding.
  FileBytes& Text(const std::string& raw) {
    I16(static_cast<int>(raw.size()));
    bytes.insert(bytes.end(), raw.begin(), raw.end());
    return *this;
  }
  FileBytes& Zeros(std::size_t count) {
    bytes.insert(bytes.end(), count, 0);
    return *this;
  }

  // Items 1 to 13 of the default project, up to and including the seismic coefficient.
  FileBytes& DefaultHead() {
    I16(0).I16(0).I16(25).I16(20).I16(20).I16(20);
    Text("&Input").Text("&Date &Time").Text("Page &Page").Text("Arial").F32(10).Text("").I16(0);
    for (float v : {2.0f, 0.5f, 0.83f, 0.5f, 3.37f, 7.2f, 8.0f, 1.0f, 1.0f, 7.73f, 1.0f, 1.27f, 5.0f, 5.0f, 1.5f,
                    2.4f, 300.0f, 1.4f, 0.17f, 3000.0f, 21.0f, 5.0f, 1.0f, 1.7f, 1.7f, 2.0f, 30.0f, 0.0f, 30.0f,
                    0.0f, 10.0f, 1.0f, 30.0f, 15.0f}) {
      F32(v);
    }
    return F32(1.0f).I16(2).F32(0.15f);
  }

  // Items 21 to 25 of the default project.
  FileBytes& DefaultTail() {
    I16(-1).I16(-1).F32(0).F32(0).F32(0).F32(0).F32(0.67f).I16(0).I16(0).I16(0);
    for (float v : {1.7f, 1.7f, 2.0f, 30.0f, 0.0f}) F32(v);
    return *this;
  }
};

// Files of earlier versions, byte by byte (the program no longer writes them).
inline std::vector<uint8_t> OlderVersionFile() {  // no options and no toe earth
  FileBytes f;
  f.DefaultHead().I16(-1).I16(0).I16(0).Text("Kelvadrome Input Data").Text("2.00");
  return f.bytes;
}

inline std::vector<uint8_t> OldLineLoadsFile() {  // loads on the front face, then vertical loads
  FileBytes f;
  f.DefaultHead().I16(2);
  f.F32(-3.0f).F32(5.0f).I16(4).F32(2.0f).F32(0.5f).I16(1);
  f.I16(2).F32(-4.0f).F32(1.0f).I16(2).F32(1.0f).F32(3.6f).I16(3);
  f.I16(0).Text("Kelvadrome Input Data").Text("2.10").DefaultTail();
  return f.bytes;
}

inline std::vector<uint8_t> OldestWithResultsFile() {  // stored results after marker -1
  FileBytes f;
  f.DefaultHead().I16(-1).I16(0).I16(-1).Zeros(2200);
  f.Text("Kelvadrome Input Data").Text("2.10").DefaultTail();
  return f.bytes;
}

}  // namespace kelvadrome::test
