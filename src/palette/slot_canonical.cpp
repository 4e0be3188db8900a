#include "palette/slot_canonical.h"

#include <cmath>
#include <iterator>

#include "jww/byte_reader.h"
#include "jww/byte_writer.h"
#include "jww/string_rules.h"
#include "jww/written_values.h"

namespace pennatran {
namespace {

// A settled name changes at most through its fill-in and the two-byte form's replacement
// characters, each once; the bound only guards against a rule added later that never settles.
constexpr int kMostRounds = 8;

// The name as a saved file holds it and a load reads it back.
SjisString ReadBack(const SjisString& name) {
  TStringSink sink;
  TByteWriter out(sink, 0);
  out.String(name);
  TByteReader in(reinterpret_cast<const uint8_t*>(sink.Bytes.data()), sink.Bytes.size());
  return in.CleanString();
}

TEntJwwColorExNo Written(const TEntJwwColorExNo& entry, int32_t slot) {
  return WrittenColorSlot(entry, slot);
}

TEntJwwLineTypeExNo Written(const TEntJwwLineTypeExNo& entry, int32_t slot) {
  return WrittenLineTypeSlot(entry, slot);
}

template <typename T>
T Settle(const T& entry, TSlot slot) {
  T current = entry;
  for (int round = 0; round < kMostRounds; ++round) {
    T next = current;
    next.Name = SettledName(next.Name);
    next = Written(next, slot.Number());
    next.Name = ReadBack(next.Name);
    if (SameSlot(next, current)) break;
    current = std::move(next);
  }
  return current;
}

}  // namespace

bool SameNumber(double a, double b) {
  return a == b || (std::isnan(a) && std::isnan(b));
}

bool SameSlot(const TEntJwwColorExNo& a, const TEntJwwColorExNo& b) {
  return a.ScreenColor == b.ScreenColor && a.ScreenWidth == b.ScreenWidth && a.Name == b.Name &&
         a.PrintColor == b.PrintColor && a.PrintWidth == b.PrintWidth &&
         SameNumber(a.PointRadius, b.PointRadius);
}

bool SameSlot(const TEntJwwLineTypeExNo& a, const TEntJwwLineTypeExNo& b) {
  if (a.Pattern != b.Pattern || a.UnitDots != b.UnitDots || a.ScreenPitch != b.ScreenPitch ||
      a.PrintPitch != b.PrintPitch || a.Name != b.Name || a.SegmentCount != b.SegmentCount)
    return false;
  for (size_t i = 0; i < std::size(a.Pitches); ++i)
    if (!SameNumber(a.Pitches[i], b.Pitches[i])) return false;
  return true;
}

TEntJwwColorExNo CanonicalSlot(const TEntJwwColorExNo& entry, TSlot slot) {
  return Settle(entry, slot);
}

TEntJwwLineTypeExNo CanonicalSlot(const TEntJwwLineTypeExNo& entry, TSlot slot) {
  return Settle(entry, slot);
}

namespace {

template <TSlotKind K>
void SettleHeld(TPalette& palette) {
  for (TSlot slot : palette.Held.Of(K))
    palette.Table<K>()[slot] = CanonicalSlot(palette.Table<K>()[slot], slot);
}

}  // namespace

TPalette CanonicalPalette(const TPalette& palette) {
  TPalette out = palette;
  SettleHeld<TSlotKind::Color>(out);
  SettleHeld<TSlotKind::LineType>(out);
  return out;
}

}  // namespace pennatran
