#include "palette/slot_canonical.h"

#include <cmath>
#include <iterator>

#include "jww/byte_reader.h"
#include "jww/byte_writer.h"
#include "jww/string_rules.h"
#include "jww/written_values.h"
#include "palette/palette_file.h"

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

template <typename T, typename Written, typename Same>
T Settle(const T& entry, int32_t slot, Written written, Same same) {
  T current = entry;
  for (int round = 0; round < kMostRounds; ++round) {
    T next = current;
    next.Name = SettledName(next.Name);
    next = written(next, slot);
    next.Name = ReadBack(next.Name);
    if (same(next, current)) break;
    current = std::move(next);
  }
  return current;
}

}  // namespace

bool SameNumber(double a, double b) {
  return a == b || (std::isnan(a) && std::isnan(b));
}

bool SameColorSlot(const TEntJwwColorExNo& a, const TEntJwwColorExNo& b) {
  return a.ScreenColor == b.ScreenColor && a.ScreenWidth == b.ScreenWidth && a.Name == b.Name &&
         a.PrintColor == b.PrintColor && a.PrintWidth == b.PrintWidth &&
         SameNumber(a.PointRadius, b.PointRadius);
}

bool SameLineTypeSlot(const TEntJwwLineTypeExNo& a, const TEntJwwLineTypeExNo& b) {
  if (a.Pattern != b.Pattern || a.UnitDots != b.UnitDots || a.ScreenPitch != b.ScreenPitch ||
      a.PrintPitch != b.PrintPitch || a.Name != b.Name || a.SegmentCount != b.SegmentCount)
    return false;
  for (size_t i = 0; i < std::size(a.Pitches); ++i)
    if (!SameNumber(a.Pitches[i], b.Pitches[i])) return false;
  return true;
}

TEntJwwColorExNo CanonicalColorSlot(const TEntJwwColorExNo& entry, int32_t slot) {
  return Settle(entry, slot, WrittenColorSlot, SameColorSlot);
}

TEntJwwLineTypeExNo CanonicalLineTypeSlot(const TEntJwwLineTypeExNo& entry, int32_t slot) {
  return Settle(entry, slot, WrittenLineTypeSlot, SameLineTypeSlot);
}

TPalette CanonicalPalette(const TPalette& palette) {
  TPalette out = palette;
  for (int32_t line : palette.ColorLines) {
    const auto slot = static_cast<size_t>(line + kFirstUserSlot);
    out.Colors[slot] = CanonicalColorSlot(palette.Colors[slot], line + kFirstUserSlot);
  }
  for (int32_t line : palette.LineTypeLines) {
    const auto slot = static_cast<size_t>(line + kFirstUserSlot);
    out.LineTypes[slot] = CanonicalLineTypeSlot(palette.LineTypes[slot], line + kFirstUserSlot);
  }
  return out;
}

}  // namespace pennatran
