// SPDX-License-Identifier: GPL-3.0-or-later
// The project file's extension block.
//
//   i16 marker -3, i16 count N, then N items: i16 tag, i16 payload length L (0..32767), L bytes.
//
// | tag | carries                 | payload                                                  | L  |
// |-----|-------------------------|----------------------------------------------------------|----|
// |   1 | foundation earth        | f32 foundationUnitWeight, f32 foundationSaturatedDensity | 8  |
// |   2 | unit prices             | f32 concretePrice, formworkPrice, steelPrice             | 12 |
// |   3 | optimiser targets       | 10 f32: sliding, overturning, pressure, bearing, global  | 46 |
// |     |                         | without, then with seismic load; 3 i16 switches:         |    |
// |     |                         | resultant rule, bearing, global                          |    |
// |   4 | optimiser variables     | 8 × (i16 vary, f32 minimum, f32 maximum), in the order   | 80 |
// |     |                         | toe, heel, stem top, back batter, front batter, toe edge,|    |
// |     |                         | heel edge, shear key                                     |    |
//
// A known tag is written only when its values differ from their defaults, known tags first in
// the order of the table, then the kept items of unknown tags in the order they were read.
// A new tag is one row in kTags with the function that lists its payload's fields.
#include "model/ProjectExtensions.h"

#include <array>
#include <limits>
#include <optional>
#include <string>

#include "model/FileEncoding.h"
#include "model/OptimiserDefaults.h"
#include "model/Units.h"

namespace kelvadrome {

namespace {

constexpr int16_t kExtensionMarker = -3;
constexpr std::size_t kMaxPayload = std::numeric_limits<int16_t>::max();

enum class ValueRule { finite, positive, notNegative };

// One payload's fields in their order, for reading and writing alike.
class PayloadFields {
 public:
  virtual ~PayloadFields() = default;
  virtual void F32(float& value, ValueRule rule) = 0;
  virtual void Switch(bool& value) = 0;  // a stored boolean
};

using FieldList = void (*)(ProjectData&, PayloadFields&);

void FoundationEarthFields(ProjectData& p, PayloadFields& f) {
  f.F32(p.foundationUnitWeight, ValueRule::positive);
  f.F32(p.foundationSaturatedDensity, ValueRule::positive);
}

void UnitPriceFields(ProjectData& p, PayloadFields& f) {
  f.F32(p.prices.concretePrice, ValueRule::notNegative);
  f.F32(p.prices.formworkPrice, ValueRule::notNegative);
  f.F32(p.prices.steelPrice, ValueRule::notNegative);
}

void TargetFields(ProjectData& p, PayloadFields& f) {
  OptimiserTargets& t = p.optimiserTargets;
  for (TargetFactors* set : {&t.withoutSeismic, &t.withSeismic}) {
    for (float* factor : {&set->sliding, &set->overturning, &set->pressure, &set->bearing, &set->global}) {
      f.F32(*factor, ValueRule::notNegative);
    }
  }
  f.Switch(t.resultantRule);
  f.Switch(t.bearingCheck);
  f.Switch(t.globalCheck);
}

void VariableFields(ProjectData& p, PayloadFields& f) {
  for (OptimiserVariable& v : p.optimiserVariables) {
    f.Switch(v.vary);
    f.F32(v.minimum, ValueRule::notNegative);
    f.F32(v.maximum, ValueRule::notNegative);
  }
}

struct ExtensionTag {
  int16_t tag;
  const char* contents;  // names the item in error messages
  int16_t length;
  FieldList fields;
};

constexpr std::array<ExtensionTag, 4> kTags{{
    {1, "foundation earth", 8, &FoundationEarthFields},
    {2, "unit prices", 12, &UnitPriceFields},
    {3, "optimiser targets", 46, &TargetFields},
    {4, "optimiser variables", 80, &VariableFields},
}};

const ExtensionTag* FindTag(int16_t tag) {
  for (const ExtensionTag& row : kTags) {
    if (row.tag == tag) return &row;
  }
  return nullptr;
}

std::string ItemName(const ExtensionTag& row) {
  return "item " + std::to_string(row.tag) + " (" + row.contents + ")";
}

class PayloadReader final : public PayloadFields {
 public:
  PayloadReader(std::span<const uint8_t> bytes, const ExtensionTag& row) : reader_(bytes), row_(row) {}
  void F32(float& value, ValueRule rule) override {
    const float read = reader_.F32();  // refuses a NaN or an infinity
    if (rule == ValueRule::positive && !(read > 0)) {
      throw FileFormatFault("its extension block's " + ItemName(row_) +
                            " holds a value that is not above 0");
    }
    if (rule == ValueRule::notNegative && read < 0) {
      throw FileFormatFault("its extension block's " + ItemName(row_) + " holds a negative value");
    }
    value = read;
  }
  void Switch(bool& value) override { value = DecodeBoolean(reader_.I16()); }

 private:
  ByteReader reader_;
  const ExtensionTag& row_;
};

class PayloadWriter final : public PayloadFields {
 public:
  void F32(float& value, ValueRule) override { writer_.F32(value); }
  void Switch(bool& value) override { writer_.I16(EncodeBoolean(value)); }
  [[nodiscard]] const std::vector<uint8_t>& Bytes() const { return writer_.Bytes(); }

 private:
  ByteWriter writer_;
};

std::vector<uint8_t> PayloadOf(const ExtensionTag& row, const ProjectData& project) {
  ProjectData values = project;  // the field lists take a project they could fill
  PayloadWriter writer;
  row.fields(values, writer);
  return writer.Bytes();
}

float ConvertedDefault(double metricValue, UnitSystem unitSystem) {
  const double factor = ConversionFactorsFor(kMetric, unitSystem).UnitWeight();
  return static_cast<float>(RoundTo(metricValue * factor, 2));
}

void WriteItem(ByteWriter& w, int16_t tag, std::span<const uint8_t> payload) {
  if (payload.size() > kMaxPayload) {
    throw FileFormatFault("an extension item of " + std::to_string(payload.size()) +
                          " bytes is longer than a project file can hold (32767)");
  }
  w.I16(tag);
  w.I16(static_cast<int16_t>(payload.size()));
  w.Raw(payload);
}

}  // namespace

void SetExtensionDefaults(ProjectData& p) {
  p.foundationUnitWeight = ConvertedDefault(1.7, p.unitSystem);
  p.foundationSaturatedDensity = ConvertedDefault(2.0, p.unitSystem);
  p.prices = DefaultUnitPrices(p.unitSystem);
  p.optimiserTargets = DefaultOptimiserTargets();
  p.optimiserVariables = DefaultOptimiserVariables(p);
  p.keptExtensionItems.clear();
}

void ReadExtensionBlock(ByteReader& r, ProjectData& p) {
  if (r.Remaining() < 2 || r.I16() != kExtensionMarker) return;
  const int16_t count = r.I16();
  if (count < 0) {
    throw FileFormatFault("its extension block holds a negative number of items (" +
                          std::to_string(count) + ")");
  }
  std::array<bool, kTags.size()> seen{};
  for (int i = 0; i < count; ++i) {
    const int16_t tag = r.I16();
    const int16_t length = r.I16();
    if (length < 0) {
      throw FileFormatFault("its extension block holds an item of negative length (" +
                            std::to_string(length) + ")");
    }
    const std::span<const uint8_t> payload = r.Raw(static_cast<std::size_t>(length));
    const ExtensionTag* row = FindTag(tag);
    if (row == nullptr) {
      p.keptExtensionItems.push_back({tag, {payload.begin(), payload.end()}});
      continue;
    }
    bool& known = seen[static_cast<std::size_t>(row - kTags.data())];
    if (known) throw FileFormatFault("its extension block holds " + ItemName(*row) + " twice");
    known = true;
    if (length != row->length) {
      throw FileFormatFault("its extension block's " + ItemName(*row) + " is " +
                            std::to_string(length) + " bytes long instead of " +
                            std::to_string(row->length));
    }
    PayloadReader reader(payload, *row);
    row->fields(p, reader);
  }
}

void WriteExtensionBlock(ByteWriter& w, const ProjectData& p) {
  ProjectData defaults = p;
  SetExtensionDefaults(defaults);  // the bounds' defaults follow this wall's depth
  std::vector<std::pair<int16_t, std::vector<uint8_t>>> items;
  for (const ExtensionTag& row : kTags) {
    std::vector<uint8_t> payload = PayloadOf(row, p);
    if (payload != PayloadOf(row, defaults)) items.emplace_back(row.tag, std::move(payload));
  }
  for (const ExtensionItem& kept : p.keptExtensionItems) {
    if (FindTag(kept.tag) != nullptr) {
      throw FileFormatFault("a kept extension item has the known tag " + std::to_string(kept.tag));
    }
  }
  const std::size_t count = items.size() + p.keptExtensionItems.size();
  if (count == 0) return;
  if (count > kMaxPayload) throw FileFormatFault("the project has too many extension items");
  w.I16(kExtensionMarker);
  w.I16(static_cast<int16_t>(count));
  for (const auto& [tag, payload] : items) WriteItem(w, tag, payload);
  for (const ExtensionItem& kept : p.keptExtensionItems) WriteItem(w, kept.tag, kept.payload);
}

}  // namespace kelvadrome
