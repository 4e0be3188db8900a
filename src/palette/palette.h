// The SXF user colour and line type slots: the text of their list lines and the copy from
// one drawing to another. The window and the command line share these.
#pragma once

#include <cstdint>
#include <vector>

#include "jww/jww_data.h"

namespace pennatran {

constexpr int32_t kFirstUserSlot = 17;
constexpr int32_t kColorLineCount = 240;  // list line i = slot i + 17
constexpr int32_t kLineTypeLineCount = 16;

// The words a colour list line puts before its numbers, in Shift-JIS: each front end gives
// them in its own language.
struct TColorLineLabels {
  SjisString Width;        // before each of the two widths, e.g. "幅:"
  SjisString PointRadius;  // e.g. "点半径:"
};

// One list line, Shift-JIS, e.g. "No.17 [] 0000FF 幅:1 0000FF 幅:2 点半径:0.30".
SjisString ColorListLine(const TEntJwwColorExNo& entry, int32_t slot,
                         const TColorLineLabels& labels);
// e.g. "No.17 [] 00000000 2 [1.00,0.50]".
SjisString LineTypeListLine(const TEntJwwLineTypeExNo& entry, int32_t slot);
// All 240 (16) lines of a document; a document without tables lists zero entries.
std::vector<SjisString> ColorListLines(const TJwwData& doc, const TColorLineLabels& labels);
std::vector<SjisString> LineTypeListLines(const TJwwData& doc);

// Overwrites destination slot i + 17 with a full copy of source slot i + 17 for every
// selected list line i (ascending). Lines outside the list are ignored. Tables missing
// from either document are sized to their fixed length first.
void CopyColorSlots(const TJwwData& src, TJwwData& dst, const std::vector<int32_t>& lines);
void CopyLineTypeSlots(const TJwwData& src, TJwwData& dst, const std::vector<int32_t>& lines);
// The same from tables indexed by slot, as a palette file gives them.
void CopyColorSlots(const std::vector<TEntJwwColorExNo>& src, TJwwData& dst,
                    const std::vector<int32_t>& lines);
void CopyLineTypeSlots(const std::vector<TEntJwwLineTypeExNo>& src, TJwwData& dst,
                       const std::vector<int32_t>& lines);

}  // namespace pennatran
