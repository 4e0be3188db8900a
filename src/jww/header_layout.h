// The header of a drawing from its memo to its last text setting, described once: the
// header's own fields, the tables that lie among them and the few steps that are more than
// a field. The reader and the writer walk it in order, the JSON of `info` shows its fields.
// The signature and the version before it decide how the rest is read, so they stand apart.
#pragma once

#include <cstdint>
#include <tuple>
#include <vector>

#include "jww/jww_data.h"
#include "jww/record_tables.h"

namespace pennatran {

// A part of the header the reader and the writer each give a function of their own.
// Shown lists the header fields it holds, for the JSON.
template <typename Kind, typename Shown = std::tuple<>>
struct THeaderStep {
  TVersionGate Gate = kEveryVersion;
  Shown ShownFields{};
};

template <typename Kind, typename... Shown>
constexpr THeaderStep<Kind, std::tuple<Shown...>> Step(TVersionGate gate, Shown... shown) {
  return {gate, {shown...}};
}

struct TMemoStep {};            // its string form says the form of every string of the drawing
struct TLayerStatesStep {};     // each group's first row, then its sixteen layers'
struct TLayerNamesStep {};      // every layer's name, then every group's
struct TMarkJumpsStep {};       // only the first kOldMarkJumpCount up to the short view layout
struct TEleventhSwitchStep {};  // DisplayOnlyNoPrint + 10 x WidthUnitMode in one number

// One of the drawing's fixed tables: Count entries, row by row (TField::Row).
template <typename Entry>
struct TTableStep {
  std::vector<Entry> TJwwData::*Table;
  int32_t Count;
  TVersionGate Gate = kEveryVersion;
  // The table stays empty until all of it is read.
  bool WholeOrNothing = false;
};

namespace header_layout {

using H = TEntJwwHeader;

// clang-format off
inline constexpr auto kSteps = std::tuple{
    Step<TMemoStep>(kEveryVersion, Field("Memo", &H::Memo)),
    Field("PaperSize", &H::PaperSize),
    Field("WriteLayerGroup", &H::WriteLayerGroup),
    Step<TLayerStatesStep>(kEveryVersion),
    Field("ReservedAfterLayers", &H::ReservedAfterLayers).Hidden(),
    Field("DimSettings", &H::DimSettings),
    Field("ReservedAfterDimSettings", &H::ReservedAfterDimSettings).Hidden(),
    Field("MaxDrawWidth", &H::MaxDrawWidth),
    Field("PrintOriginX", &H::PrintOriginX),
    Field("PrintOriginY", &H::PrintOriginY),
    Field("PrintScale", &H::PrintScale),
    Field("PrintSetting", &H::PrintSetting),
    Field("GridMode", &H::GridMode),
    Field("GridMinDots", &H::GridMinDots),
    Field("GridSpacingX", &H::GridSpacingX),
    Field("GridSpacingY", &H::GridSpacingY),
    Field("GridOriginX", &H::GridOriginX),
    Field("GridOriginY", &H::GridOriginY),
    Step<TLayerNamesStep>(kEveryVersion),
    Field("ShadowLevel", &H::ShadowLevel),
    Field("ShadowLatitude", &H::ShadowLatitude),
    Field("Shadow9To15", &H::Shadow9To15),
    Field("WallShadowLevel", &H::WallShadowLevel),
    Field("SkyMapLevel", &H::SkyMapLevel).In(kLongViewGate).KeptFrom(kSkyMapGate),
    Field("SkyMapRadius", &H::SkyMapRadius).In(kLongViewGate).KeptFrom(kSkyMapGate),
    Field("Unit3D", &H::Unit3D),
    Field("ViewScale", &H::ViewScale),
    Field("ViewOriginX", &H::ViewOriginX),
    Field("ViewOriginY", &H::ViewOriginY),
    Field("RangeScale", &H::RangeScale),
    Field("RangeOriginX", &H::RangeOriginX),
    Field("RangeOriginY", &H::RangeOriginY),
    Step<TMarkJumpsStep>(kEveryVersion, Field("MarkJumps", &H::MarkJumps)),
    Field("ExtraA", &H::ExtraA).In(kLongViewGate),
    Field("ExtraB", &H::ExtraB).In(kLongViewGate),
    Field("MultiLineSpacing", &H::MultiLineSpacing),
    Field("BothSideLineEnd", &H::BothSideLineEnd),
    TTableStep<TEntJwwPen>{.Table = &TJwwData::Pens, .Count = kPenCount, .WholeOrNothing = true},
    TTableStep<TEntJwwLineTypeDef>{&TJwwData::LineTypeDefs, kLineTypeDefCount},
    TTableStep<TEntJwwRandomLineDef>{&TJwwData::RandomLineDefs, kRandomLineDefCount},
    TTableStep<TEntJwwLineTypeDef>{&TJwwData::DoubleLineDefs, kDoubleLineDefCount},
    Field("PointScreenRadius", &H::PointScreenRadius).In(kSwitchesGate),
    Field("PointPrintRadius", &H::PointPrintRadius).In(kSwitchesGate),
    Field("BitmapFirst", &H::BitmapFirst).In(kSwitchesGate),
    Field("ReverseDraw", &H::ReverseDraw).In(kSwitchesGate),
    Field("ReverseSearch", &H::ReverseSearch).In(kSwitchesGate),
    Field("ColorPrint", &H::ColorPrint).In(kSwitchesGate),
    Field("LayerOrderPrint", &H::LayerOrderPrint).In(kSwitchesGate),
    Field("ColorOrderPrint", &H::ColorOrderPrint).In(kSwitchesGate),
    Field("PrintContinuous", &H::PrintContinuous).In(kSwitchesGate),
    Field("PrintCommonGray", &H::PrintCommonGray).In(kSwitchesGate),
    Step<TEleventhSwitchStep>(kSwitchesGate, Field("DisplayOnlyNoPrint", &H::DisplayOnlyNoPrint),
                              Field("WidthUnitMode", &H::WidthUnitMode)),
    Field("DrawTime", &H::DrawTime).In(kEyePointGate),
    Field("EyeInit", &H::EyeInit).In(kEyePointGate),
    Field("EyeAngleH1", &H::EyeAngleH1).In(kEyePointGate),
    Field("EyeAngleH2", &H::EyeAngleH2).In(kEyePointGate),
    Field("EyeAngleH3", &H::EyeAngleH3).In(kEyePointGate),
    Field("EyeHeight1", &H::EyeHeight1).In(kEyePointGate),
    Field("EyeDistance1", &H::EyeDistance1).In(kEyePointGate),
    Field("EyeHeight2", &H::EyeHeight2).In(kEyePointGate),
    Field("EyeDistance2", &H::EyeDistance2).In(kEyePointGate),
    Field("EyeAngleV3", &H::EyeAngleV3).In(kEyePointGate),
    Field("LastLineLength", &H::LastLineLength).In(kLastInputGate),
    Field("LastBoxX", &H::LastBoxX).In(kLastInputGate),
    Field("LastBoxY", &H::LastBoxY).In(kLastInputGate),
    Field("LastCircleRadius", &H::LastCircleRadius).In(kLastInputGate),
    Field("SolidAnyColor", &H::SolidAnyColor).In(kSolidColorGate),
    Field("SolidDefaultColor", &H::SolidDefaultColor).In(kSolidColorGate),
    TTableStep<TEntJwwColorExNo>{&TJwwData::ColorExNos, kColorSlotCount, kUserTablesGate},
    TTableStep<TEntJwwLineTypeExNo>{&TJwwData::LineTypeExNos, kLineTypeSlotCount, kUserTablesGate},
    TTableStep<TEntJwwTextStyle>{&TJwwData::TextStyles, kTextStyleCount},
    Field("TextSizeX", &H::TextSizeX),
    Field("TextSizeY", &H::TextSizeY),
    Field("TextSpacing", &H::TextSpacing),
    Field("TextColor", &H::TextColor),
    Field("TextStyleNo", &H::TextStyleNo),
    Field("ArrangeLinePitch", &H::ArrangeLinePitch),
    Field("ArrangeCharCount", &H::ArrangeCharCount),
    Field("TextOffsetOn", &H::TextOffsetOn),
    Field("TextOffsetX", &H::TextOffsetX),
    Field("TextOffsetY", &H::TextOffsetY),
    Field("EntityCount", &H::EntityCount).In(kNotInFile),
    Field("BlockCount", &H::BlockCount).In(kNotInFile)};
// clang-format on

}  // namespace header_layout

inline constexpr const auto& kHeaderLayout = header_layout::kSteps;

}  // namespace pennatran
