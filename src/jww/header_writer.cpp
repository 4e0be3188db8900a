#include <string_view>
#include <vector>

#include "jww/format_versions.h"
#include "jww/header_layout.h"
#include "jww/jww_writer.h"
#include "jww/string_rules.h"
#include "jww/written_values.h"

namespace pennatran {
namespace {

constexpr std::string_view kSignature = "JwwData.";

// A document that was never loaded (or whose load stopped early) has shorter or empty
// tables; the file always carries the fixed number of entries, so missing ones are zero.
template <typename T>
T EntryOrZero(const std::vector<T>& table, size_t index) {
  return index < table.size() ? table[index] : T{};
}

// The entry of a table as it is written; most are written as they are held.
template <typename Entry>
Entry Written(const Entry& entry, int32_t) {
  return entry;
}
TEntJwwPen Written(const TEntJwwPen& pen, int32_t index) {
  return WrittenPen(pen, index);
}
TEntJwwColorExNo Written(const TEntJwwColorExNo& entry, int32_t slot) {
  return WrittenColorSlot(entry, slot);
}
TEntJwwLineTypeExNo Written(const TEntJwwLineTypeExNo& entry, int32_t slot) {
  return WrittenLineTypeSlot(entry, slot);
}
template <typename Layer>
Layer WrittenLayer(Layer layer) {
  layer.Name = WriterClean(layer.Name);
  return layer;
}

void WriteValue(TByteWriter& out, int32_t v, int32_t) {
  out.I32(v);
}
void WriteValue(TByteWriter& out, uint32_t v, int32_t) {
  out.U32(v);
}
void WriteValue(TByteWriter& out, double v, int32_t) {
  out.F64(v);
}
void WriteValue(TByteWriter& out, const SjisString& v, int32_t) {
  out.String(v);
}
template <size_t N>
void WriteValue(TByteWriter& out, const std::array<uint8_t, N>& bytes, int32_t) {
  out.Raw(bytes.data(), bytes.size());
}
template <DescribedRecord Record>
void WriteValue(TByteWriter& out, const Record& record, int32_t version);
template <typename T, size_t N>
void WriteValue(TByteWriter& out, const T (&items)[N], int32_t version) {
  for (const T& item : items) WriteValue(out, item, version);
}

// The fields of one row of a record that the version holds.
template <DescribedRecord Record>
void WriteRow(TByteWriter& out, const Record& record, int32_t version, int row) {
  ForEachField<Record>([&](const auto& field) {
    if (field.Row == row && field.Gate.Holds(version))
      WriteValue(out, record.*field.Pointer, version);
  });
}

template <DescribedRecord Record>
void WriteValue(TByteWriter& out, const Record& record, int32_t version) {
  WriteRow(out, record, version, 0);
}

template <typename Member>
void WriteStep(const TJwwData& doc, TByteWriter& out, int32_t version,
               const TField<TEntJwwHeader, Member>& field) {
  WriteValue(out, doc.Header.*field.Pointer, version);
}

template <typename Shown>
void WriteStep(const TJwwData& doc, TByteWriter& out, int32_t,
               const THeaderStep<TMemoStep, Shown>&) {
  out.String(doc.Header.Memo);
}

template <typename Shown>
void WriteStep(const TJwwData& doc, TByteWriter& out, int32_t version,
               const THeaderStep<TLayerStatesStep, Shown>&) {
  for (size_t g = 0; g < kLayerGroupCount; ++g) {
    WriteRow(out, EntryOrZero(doc.LayerGroups, g), version, 0);
    for (size_t l = 0; l < kLayersPerGroup; ++l)
      WriteRow(out, EntryOrZero(doc.Layers, g * kLayersPerGroup + l), version, 0);
  }
}

template <typename Shown>
void WriteStep(const TJwwData& doc, TByteWriter& out, int32_t version,
               const THeaderStep<TLayerNamesStep, Shown>&) {
  for (size_t i = 0; i < kLayerCount; ++i)
    WriteRow(out, WrittenLayer(EntryOrZero(doc.Layers, i)), version, 1);
  for (size_t g = 0; g < kLayerGroupCount; ++g)
    WriteRow(out, WrittenLayer(EntryOrZero(doc.LayerGroups, g)), version, 1);
}

template <typename Shown>
void WriteStep(const TJwwData& doc, TByteWriter& out, int32_t version,
               const THeaderStep<TMarkJumpsStep, Shown>&) {
  const TEntJwwHeader& h = doc.Header;
  const size_t count = kLongViewGate.Holds(version) ? std::size(h.MarkJumps) : kOldMarkJumpCount;
  for (size_t i = 0; i < count; ++i) WriteRow(out, h.MarkJumps[i], version, 0);
}

template <typename Shown>
void WriteStep(const TJwwData& doc, TByteWriter& out, int32_t,
               const THeaderStep<TEleventhSwitchStep, Shown>&) {
  out.I32(WrittenEleventhSwitch(doc.Header));
}

template <typename Entry>
void WriteStep(const TJwwData& doc, TByteWriter& out, int32_t version,
               const TTableStep<Entry>& step) {
  std::vector<Entry> written(static_cast<size_t>(step.Count));
  for (size_t i = 0; i < written.size(); ++i)
    written[i] = Written(EntryOrZero(doc.*step.Table, i), static_cast<int32_t>(i));
  for (int row = 0; row < RowCount<Entry>(); ++row) {
    for (const Entry& entry : written) WriteRow(out, entry, version, row);
  }
}

}  // namespace

void WriteHeader(const TJwwData& doc, TByteWriter& out, int32_t version) {
  out.Raw(kSignature.data(), kSignature.size());
  out.I32(version);
  ForEachField(kHeaderLayout, [&](const auto& step) {
    if (step.Gate.Holds(version)) WriteStep(doc, out, version, step);
  });
}

}  // namespace pennatran
