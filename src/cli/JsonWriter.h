// SPDX-License-Identifier: GPL-3.0-or-later
// A small JSON writer for the command line's --json outputs: objects, arrays, numbers that read
// back to the same value, booleans, strings, and null for anything not finite.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvadrome {

// Commas, quotes and indentation are handled by the writer; objects put one member on a line,
// arrays (and objects inside arrays) stay on one line. Calls must nest properly.
class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Key(std::string_view name);

  JsonWriter& Value(float value);   // shortest text that reads back to the same float
  JsonWriter& Value(double value);  // shortest text that reads back to the same double
  JsonWriter& Value(int value);
  JsonWriter& Value(bool value);
  JsonWriter& Value(std::string_view text);
  JsonWriter& Value(const char* text) { return Value(std::string_view(text)); }
  JsonWriter& Null();

  // A whole array of numbers, from index 0.
  JsonWriter& Array(std::span<const float> values);
  JsonWriter& Array(std::span<const double> values);

  // The document so far, ending in a newline once the outermost value is complete.
  [[nodiscard]] const std::string& Text() const { return text_; }

  // text in double quotes with JSON escapes.
  [[nodiscard]] static std::string Quote(std::string_view text);

 private:
  struct Level {
    bool isObject = false;
    bool multiline = false;
    int count = 0;
  };
  void BeforeValue();
  void Begin(bool isObject, char bracket);
  void End(char bracket);
  void Raw(std::string_view text);
  template <typename T>
  JsonWriter& Number(T value);

  std::string text_;
  std::vector<Level> levels_;
  bool afterKey_ = false;
};

}  // namespace kelvadrome
