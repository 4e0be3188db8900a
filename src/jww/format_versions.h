// The format versions at which a drawing's layout changes, named once for the reader and
// the writer, and the version every save writes.
#pragma once

#include <cstdint>

namespace pennatran {

// Every save writes this version, whatever the drawing was read as.
inline constexpr int32_t kSaveVersion = 700;
// The oldest version whose layout is known: older files end the load after the version,
// and no save writes one.
inline constexpr int32_t kOldestReadableVersion = 220;
inline constexpr int32_t kOldestWritableVersion = kOldestReadableVersion;

// Versions above it carry the sky map pair and the scales of the mark jumps.
inline constexpr int32_t kLastShortViewVersion = 230;
// The sky map pair is read from older files too, but holds its values only from here.
inline constexpr int32_t kFirstSkyMapVersion = 300;
// The common part of an entity has its pen width.
inline constexpr int32_t kFirstWidthVersion = 351;
// The header's SXF user colour and line type tables.
inline constexpr int32_t kFirstUserTablesVersion = 420;
// A dimension's SXF tail.
inline constexpr int32_t kFirstSxfDimensionVersion = 420;
// The image section after the block definitions.
inline constexpr int32_t kFirstImageVersion = 700;

// Rows 24..27 of the header form one block whose extent the version alone decides: from
// 2.30 on all four rows, before that only the versions that added a row carry the rows up
// to it, and the versions in between carry none.
inline constexpr int32_t kFirstSwitchesVersion = 220;    // row 24: the drawing switches
inline constexpr int32_t kFirstEyePointVersion = 223;    // row 25: drawing time, eye values
inline constexpr int32_t kFirstLastInputVersion = 225;   // row 26: last values entered
inline constexpr int32_t kFirstSolidColorVersion = 230;  // row 27: solid colours

constexpr int32_t SettingsRowCount(int32_t version) {
  if (version >= kFirstSolidColorVersion) return 4;
  if (version == kFirstLastInputVersion) return 3;
  if (version == kFirstEyePointVersion) return 2;
  if (version == kFirstSwitchesVersion) return 1;
  return 0;
}

// The versions a field of a record is in the file at.
struct TVersionGate {
  enum class TRule : uint8_t { Every, From, After, SettingsRow, Never };
  TRule Rule = TRule::Every;
  int32_t Value = 0;

  constexpr bool Holds(int32_t version) const {
    switch (Rule) {
      case TRule::Every:
        return true;
      case TRule::From:
        return version >= Value;
      case TRule::After:
        return version > Value;
      case TRule::SettingsRow:
        return SettingsRowCount(version) >= Value;
      case TRule::Never:
        return false;
    }
    return false;
  }
};

inline constexpr TVersionGate kEveryVersion{};
inline constexpr TVersionGate kLongViewGate{TVersionGate::TRule::After, kLastShortViewVersion};
inline constexpr TVersionGate kSkyMapGate{TVersionGate::TRule::From, kFirstSkyMapVersion};
inline constexpr TVersionGate kWidthGate{TVersionGate::TRule::From, kFirstWidthVersion};
inline constexpr TVersionGate kUserTablesGate{TVersionGate::TRule::From, kFirstUserTablesVersion};
inline constexpr TVersionGate kSxfDimensionGate{TVersionGate::TRule::From,
                                                kFirstSxfDimensionVersion};
inline constexpr TVersionGate kSwitchesGate{TVersionGate::TRule::SettingsRow, 1};
inline constexpr TVersionGate kEyePointGate{TVersionGate::TRule::SettingsRow, 2};
inline constexpr TVersionGate kLastInputGate{TVersionGate::TRule::SettingsRow, 3};
inline constexpr TVersionGate kSolidColorGate{TVersionGate::TRule::SettingsRow, 4};
// Values the program works out or counts elsewhere: shown, never in the header's bytes.
inline constexpr TVersionGate kNotInFile{TVersionGate::TRule::Never, 0};

}  // namespace pennatran
