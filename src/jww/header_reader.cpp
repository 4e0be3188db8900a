#include <array>
#include <cstddef>
#include <vector>

#include "jww/format_versions.h"
#include "jww/header_layout.h"
#include "jww/jww_reader.h"

namespace pennatran {
namespace {

void ReadValue(TByteReader& in, int32_t& v, int32_t) {
  v = in.I32();
}
void ReadValue(TByteReader& in, uint32_t& v, int32_t) {
  v = in.U32();
}
void ReadValue(TByteReader& in, double& v, int32_t) {
  v = in.F64();
}
void ReadValue(TByteReader& in, SjisString& v, int32_t) {
  v = in.CleanString();
}
template <size_t N>
void ReadValue(TByteReader& in, std::array<uint8_t, N>& bytes, int32_t) {
  in.Raw(bytes.data(), bytes.size());
}
template <DescribedRecord Record>
void ReadValue(TByteReader& in, Record& record, int32_t version);
template <typename T, size_t N>
void ReadValue(TByteReader& in, T (&items)[N], int32_t version) {
  for (T& item : items) ReadValue(in, item, version);
}

template <typename Record, typename Member>
void ReadField(TByteReader& in, Record& record, const TField<Record, Member>& field,
               int32_t version) {
  if (field.Kept.Holds(version)) {
    ReadValue(in, record.*field.Pointer, version);
    return;
  }
  Member passed{};
  ReadValue(in, passed, version);
}

// The fields of one row of a record that the version holds.
template <DescribedRecord Record>
void ReadRow(TByteReader& in, Record& record, int32_t version, int row) {
  ForEachField<Record>([&](const auto& field) {
    if (field.Row == row && field.Gate.Holds(version)) ReadField(in, record, field, version);
  });
}

template <DescribedRecord Record>
void ReadValue(TByteReader& in, Record& record, int32_t version) {
  ReadRow(in, record, version, 0);
}

void SizeTables(TJwwData& doc) {
  doc.LayerGroups.assign(kLayerGroupCount, {});
  doc.Layers.assign(kLayerCount, {});
  ForEachField(kHeaderLayout, [&](const auto& step) {
    if constexpr (requires { step.WholeOrNothing; }) {
      if (step.WholeOrNothing)
        (doc.*step.Table).clear();
      else
        (doc.*step.Table).assign(static_cast<size_t>(step.Count), {});
    }
  });
}

template <typename Member>
void ReadStep(TByteReader& in, TJwwData& doc, const TField<TEntJwwHeader, Member>& field) {
  ReadField(in, doc.Header, field, doc.Header.Version);
}

template <typename Shown>
void ReadStep(TByteReader& in, TJwwData& doc, const THeaderStep<TMemoStep, Shown>&) {
  doc.Header.Memo = in.RawString();
  doc.TwoByteStrings = in.LastStringWasTwoByte();
}

template <typename Shown>
void ReadStep(TByteReader& in, TJwwData& doc, const THeaderStep<TLayerStatesStep, Shown>&) {
  for (size_t g = 0; g < kLayerGroupCount; ++g) {
    ReadRow(in, doc.LayerGroups[g], doc.Header.Version, 0);
    for (size_t l = 0; l < kLayersPerGroup; ++l)
      ReadRow(in, doc.Layers[g * kLayersPerGroup + l], doc.Header.Version, 0);
  }
}

template <typename Shown>
void ReadStep(TByteReader& in, TJwwData& doc, const THeaderStep<TLayerNamesStep, Shown>&) {
  for (TEntJwwLayer& layer : doc.Layers) ReadRow(in, layer, doc.Header.Version, 1);
  for (TEntJwwLayerGroup& group : doc.LayerGroups) ReadRow(in, group, doc.Header.Version, 1);
}

template <typename Shown>
void ReadStep(TByteReader& in, TJwwData& doc, const THeaderStep<TMarkJumpsStep, Shown>&) {
  TEntJwwHeader& h = doc.Header;
  const size_t count = kLongViewGate.Holds(h.Version) ? std::size(h.MarkJumps) : kOldMarkJumpCount;
  for (size_t i = 0; i < count; ++i) ReadRow(in, h.MarkJumps[i], h.Version, 0);
}

template <typename Shown>
void ReadStep(TByteReader& in, TJwwData& doc, const THeaderStep<TEleventhSwitchStep, Shown>&) {
  const int32_t eleventh = in.I32();
  doc.Header.DisplayOnlyNoPrint = eleventh % 10;
  doc.Header.WidthUnitMode = eleventh / 10;
}

// Row by row. A table kept whole or not at all is read aside first: zero-filled pens, for
// one, would make the preview take pen 0's black for the drawing's background.
template <typename Entry>
void ReadStep(TByteReader& in, TJwwData& doc, const TTableStep<Entry>& step) {
  std::vector<Entry> aside;
  std::vector<Entry>& table = step.WholeOrNothing ? aside : doc.*step.Table;
  if (step.WholeOrNothing) aside.resize(static_cast<size_t>(step.Count));
  for (int row = 0; row < RowCount<Entry>(); ++row) {
    for (Entry& entry : table) ReadRow(in, entry, doc.Header.Version, row);
  }
  if (step.WholeOrNothing) doc.*step.Table = std::move(aside);
}

}  // namespace

bool ReadHeader(TByteReader& in, TJwwData& doc) {
  SizeTables(doc);
  TEntJwwHeader& h = doc.Header;
  h.Signature = std::string(in.Bytes(8));
  h.Version = in.I32();
  if (h.Version < kOldestReadableVersion) return false;
  ForEachField(kHeaderLayout, [&](const auto& step) {
    if (step.Gate.Holds(h.Version)) ReadStep(in, doc, step);
  });
  return true;
}

}  // namespace pennatran
