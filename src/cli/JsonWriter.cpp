// SPDX-License-Identifier: GPL-3.0-or-later
// JSON text for the command line.
#include "cli/JsonWriter.h"

#include <array>
#include <charconv>
#include <cmath>

namespace kelvadrome {

namespace {

template <typename T>
std::string ShortestNumber(T value) {
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

}  // namespace

std::string JsonWriter::Quote(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          constexpr std::string_view kHex = "0123456789abcdef";
          out += "\\u00";
          out += kHex[static_cast<unsigned char>(c) >> 4];
          out += kHex[static_cast<unsigned char>(c) & 0xF];
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

void JsonWriter::Raw(std::string_view text) { text_ += text; }

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (levels_.empty()) return;
  Level& level = levels_.back();
  if (level.count++ > 0) Raw(",");
  if (!level.multiline && level.count > 1) Raw(" ");
}

void JsonWriter::Begin(bool isObject, char bracket) {
  BeforeValue();
  const bool parentIsArray = !levels_.empty() && !levels_.back().isObject;
  levels_.push_back({isObject, isObject && !parentIsArray, 0});
  text_ += bracket;
}

void JsonWriter::End(char bracket) {
  const Level level = levels_.back();
  levels_.pop_back();
  if (level.multiline && level.count > 0) {
    Raw("\n");
    Raw(std::string(levels_.size() * 2, ' '));
  }
  text_ += bracket;
  if (levels_.empty()) Raw("\n");
}

JsonWriter& JsonWriter::BeginObject() {
  Begin(true, '{');
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  End('}');
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  Begin(false, '[');
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  End(']');
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view name) {
  Level& level = levels_.back();
  if (level.count++ > 0) Raw(level.multiline ? "," : ", ");
  if (level.multiline) {
    Raw("\n");
    Raw(std::string(levels_.size() * 2, ' '));
  }
  Raw(Quote(name));
  Raw(": ");
  afterKey_ = true;
  return *this;
}

template <typename T>
JsonWriter& JsonWriter::Number(T value) {
  if (!std::isfinite(value)) return Null();
  BeforeValue();
  Raw(ShortestNumber(value));
  return *this;
}

JsonWriter& JsonWriter::Value(float value) { return Number(value); }

JsonWriter& JsonWriter::Value(double value) { return Number(value); }

JsonWriter& JsonWriter::Value(int value) {
  BeforeValue();
  Raw(std::to_string(value));
  return *this;
}

JsonWriter& JsonWriter::Value(bool value) {
  BeforeValue();
  Raw(value ? "true" : "false");
  return *this;
}

JsonWriter& JsonWriter::Value(std::string_view text) {
  BeforeValue();
  Raw(Quote(text));
  return *this;
}

JsonWriter& JsonWriter::Null() {
  BeforeValue();
  Raw("null");
  return *this;
}

JsonWriter& JsonWriter::Array(std::span<const float> values) {
  BeginArray();
  for (const float v : values) Value(v);
  return EndArray();
}

JsonWriter& JsonWriter::Array(std::span<const double> values) {
  BeginArray();
  for (const double v : values) Value(v);
  return EndArray();
}

}  // namespace kelvadrome
