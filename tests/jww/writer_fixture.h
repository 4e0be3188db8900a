// Drawings whose values the writer has nothing to normalise, shared by the writer tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "jww/byte_writer.h"
#include "jww/format_versions.h"
#include "jww/jww_writer.h"
#include "support/jww_builder.h"

namespace pennatran::testing {

// A field of a packed record as a plain value: the test macros take references, and a
// reference to a misaligned field is undefined.
template <typename T>
T Copy(T value) {
  return value;
}

// The sample header with pen 0 printing white, user colour slots printing in their screen
// colour, a tens digit in the eleventh switch and a few values in the version-gated rows.
inline TJwwData NormalDocument() {
  TJwwData doc = SampleDocument();
  doc.Pens[0].PrintColor = 0xFFFFFF;
  for (size_t i = 17; i < doc.ColorExNos.size(); ++i) {
    doc.ColorExNos[i].PrintColor = doc.ColorExNos[i].ScreenColor;
  }
  doc.Header.WidthUnitMode = 2;
  doc.Header.DisplayOnlyNoPrint = 1;
  doc.Header.SkyMapLevel = 4.5;
  doc.Header.MarkJumps[5].Scale = 3;
  doc.Header.SolidDefaultColor = 0x123456;
  doc.Header.LastBoxX = 9;
  doc.Header.DrawTime = 3725;
  // Values Jw_cad keeps in the reserved rows.
  doc.Header.ReservedAfterLayers = {0x18, 0x2E, 0, 0, 7};
  doc.Header.ReservedAfterLayers[55] = 0xA5;
  doc.Header.ReservedAfterDimSettings = 9572;
  return doc;
}

// A drawing of every kind whose values need no normalisation; every definition is reached
// and already numbered by its position.
inline TJwwData EveryKind() {
  TJwwData doc = NormalDocument();
  TEntJwwCommon c = MakeCommon(2, 105, 3, 4, 7);
  Append(doc, MakeLine(1, 2, 3, 4, c));
  Append(doc, MakeArc(5, 6, 7, c));
  Append(doc, MakePoint(1, 1, MakeCommon(1, 3)));
  TEntJwwPoint coded = MakePoint(2, 2, MakeCommon(100, 3));
  coded.Code = 4;
  coded.Angle = 0.5;
  coded.Scale = 2;
  Append(doc, coded);
  Append(doc, MakeText(0, 0, "hello", MakeCommon(3, 7)));
  TEntJwwDimension dim = MakeDimension(0, 0, 50, 0, "50", MakeCommon(1, 2));
  dim.Point2.Common.LineType = 100;
  dim.Point2.Code = 2;
  Append(doc, dim);
  Append(doc, MakeSolid(0, 0, 5, MakeCommon(1, 4)));
  TEntJwwSolid coloured = MakeSolid(9, 9, 5, MakeCommon(1, 10));
  coloured.FillColor = 0x00FF80;
  Append(doc, coloured);
  Append(doc, MakeInsert(0, 100, 100, 2, 1, 0.5));
  Append(doc, MakeLine(7, 7, 8, 8, c));

  TEntJwwBlockDef outer = MakeBlockDef(0, "outer");
  Append(outer, MakeLine(0, 0, 1, 1));
  Append(outer, MakeText(0, 0, "in a block"));
  Append(outer, MakeInsert(1, 5, 5));
  TEntJwwBlockDef inner = MakeBlockDef(1, "inner");
  Append(inner, MakeArc(0, 0, 1));
  doc.BlockDefs = {outer, inner};
  return doc;
}

// The bytes a save of doc writes.
inline std::string Save(const TJwwData& doc) {
  TStringSink sink;
  WriteJww(doc, sink, kSaveVersion);
  return sink.Bytes;
}

// The drawing those bytes load as; a load that stops early fails the test.
inline TJwwData Loaded(const std::string& bytes) {
  TJwwData doc;
  EXPECT_TRUE(doc.LoadFromBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(),
                                "drawing.jww"))
      << LoadErrorText(doc.LoadError) << " at " << doc.LoadError.Offset;
  return doc;
}

}  // namespace pennatran::testing
