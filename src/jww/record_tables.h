// The field table of every record a drawing holds (see record_fields.h), in the order the
// file holds the fields.
#pragma once

#include <cstddef>
#include <tuple>

#include "jww/jww_types.h"
#include "jww/record_fields.h"

namespace pennatran {

template <>
struct TRecordFields<TEntJwwLayerGroup> {
  using R = TEntJwwLayerGroup;
  static constexpr auto kFields = std::tuple{
      Field("State", &R::State), Field("WriteLayer", &R::WriteLayer), Field("Scale", &R::Scale),
      Field("Protect", &R::Protect), Field("Name", &R::Name).SecondRow()};
};

template <>
struct TRecordFields<TEntJwwLayer> {
  using R = TEntJwwLayer;
  static constexpr auto kFields =
      std::tuple{Field("State", &R::State), Field("Protect", &R::Protect),
                 Field("Name", &R::Name).SecondRow()};
};

template <>
struct TRecordFields<TEntJwwPen> {
  using R = TEntJwwPen;
  static constexpr auto kFields =
      std::tuple{Field("ScreenColor", &R::ScreenColor), Field("ScreenWidth", &R::ScreenWidth),
                 Field("PrintColor", &R::PrintColor).SecondRow(),
                 Field("PrintWidth", &R::PrintWidth).SecondRow(),
                 Field("PointRadius", &R::PointRadius).SecondRow()};
};

template <>
struct TRecordFields<TEntJwwLineTypeDef> {
  using R = TEntJwwLineTypeDef;
  static constexpr auto kFields =
      std::tuple{Field("Pattern", &R::Pattern), Field("UnitDots", &R::UnitDots),
                 Field("ScreenPitch", &R::ScreenPitch), Field("PrintPitch", &R::PrintPitch)};
};

template <>
struct TRecordFields<TEntJwwRandomLineDef> {
  using R = TEntJwwRandomLineDef;
  static constexpr auto kFields =
      std::tuple{Field("Pattern", &R::Pattern), Field("ScreenAmplitude", &R::ScreenAmplitude),
                 Field("ScreenPitch", &R::ScreenPitch), Field("PrintAmplitude", &R::PrintAmplitude),
                 Field("PrintPitch", &R::PrintPitch)};
};

template <>
struct TRecordFields<TEntJwwTextStyle> {
  using R = TEntJwwTextStyle;
  static constexpr auto kFields =
      std::tuple{Field("SizeX", &R::SizeX), Field("SizeY", &R::SizeY),
                 Field("Spacing", &R::Spacing), Field("Color", &R::Color)};
};

// A user colour slot. Palette files and the diff name a slot's Name first, then the rest
// in this order.
template <>
struct TRecordFields<TEntJwwColorExNo> {
  using R = TEntJwwColorExNo;
  static constexpr auto kFields =
      std::tuple{Field("ScreenColor", &R::ScreenColor).As(TValueForm::Colour),
                 Field("ScreenWidth", &R::ScreenWidth),
                 Field("Name", &R::Name).SecondRow(),
                 Field("PrintColor", &R::PrintColor).SecondRow().As(TValueForm::Colour),
                 Field("PrintWidth", &R::PrintWidth).SecondRow(),
                 Field("PointRadius", &R::PointRadius).SecondRow()};
};

template <>
struct TRecordFields<TEntJwwLineTypeExNo> {
  using R = TEntJwwLineTypeExNo;
  static constexpr auto kFields =
      std::tuple{Field("Pattern", &R::Pattern).As(TValueForm::BitPattern),
                 Field("UnitDots", &R::UnitDots),
                 Field("ScreenPitch", &R::ScreenPitch),
                 Field("PrintPitch", &R::PrintPitch),
                 Field("Name", &R::Name).SecondRow(),
                 Field("SegmentCount", &R::SegmentCount).SecondRow(),
                 Field("Pitches", &R::Pitches).SecondRow().Each("Pitch")};
};

// Files up to the short view layout hold only the first kOldMarkJumpCount jumps.
template <>
struct TRecordFields<TMarkJump> {
  using R = TMarkJump;
  static constexpr auto kFields =
      std::tuple{Field("Scale", &R::Scale), Field("X", &R::X), Field("Y", &R::Y),
                 Field("LayerGroup", &R::LayerGroup).In(kLongViewGate)};
};

template <>
struct TRecordFields<TExtraGroup> {
  using R = TExtraGroup;
  static constexpr auto kFields = std::tuple{Field("Values", &R::Values), Field("Int", &R::Int)};
};

// Entity records lie in the file as their bytes; files before kFirstWidthVersion lack
// the common part's Width.
template <>
struct TRecordFields<TEntJwwCommon> {
  using R = TEntJwwCommon;
  static constexpr auto kFields =
      std::tuple{Field("Group", &R::Group), Field("LineType", &R::LineType),
                 Field("Color", &R::Color), Field("Width", &R::Width).In(kWidthGate),
                 Field("Layer", &R::Layer), Field("LayerGroup", &R::LayerGroup),
                 Field("Flags", &R::Flags)};
};

// What follows an entity record's leading block of bytes in the file.
enum class TRecordTail : uint8_t {
  None,
  WhenCoded,      // the rest of the record, when its line type says the point has a code
  WhenOwnColour,  // the rest of the record, when its colour says the solid has one of its own
  Parts,          // the fields from FirstPart on, one after the other, each in its own form
};

// The line type of a point with a code, and the colour of a solid with one of its own.
inline constexpr uint8_t kPointWithCode = 100;
inline constexpr uint16_t kArbitraryColor = 10;

// How an entity record lies in the file: its first Head bytes as they lie in memory (less
// the common part's Width before kFirstWidthVersion), then its tail.
struct TRecordLayout {
  size_t Head;
  TRecordTail Tail = TRecordTail::None;
  size_t FirstPart = 0;
};

// Whether the rest of a record follows its head, by the head's common part.
constexpr bool RestFollows(TRecordTail tail, const TEntJwwCommon& common) {
  if (tail == TRecordTail::WhenCoded) return common.LineType == kPointWithCode;
  if (tail == TRecordTail::WhenOwnColour) return common.Color == kArbitraryColor;
  return false;
}

template <typename Record>
constexpr auto Common() {
  return Field("Common", &Record::Common).Flattened();
}

template <>
struct TRecordFields<TEntJwwLine> {
  using R = TEntJwwLine;
  static constexpr TRecordLayout kLayout{sizeof(R)};
  static constexpr auto kFields =
      std::tuple{Common<R>(), Field("StartX", &R::StartX), Field("StartY", &R::StartY),
                 Field("EndX", &R::EndX), Field("EndY", &R::EndY)};
};

template <>
struct TRecordFields<TEntJwwArc> {
  using R = TEntJwwArc;
  static constexpr TRecordLayout kLayout{sizeof(R)};
  static constexpr auto kFields = std::tuple{Common<R>(),
                                             Field("CenterX", &R::CenterX),
                                             Field("CenterY", &R::CenterY),
                                             Field("Radius", &R::Radius),
                                             Field("StartAngle", &R::StartAngle),
                                             Field("ArcAngle", &R::ArcAngle),
                                             Field("TiltAngle", &R::TiltAngle),
                                             Field("Flatness", &R::Flatness),
                                             Field("FullCircle", &R::FullCircle)};
};

template <>
struct TRecordFields<TEntJwwPoint> {
  using R = TEntJwwPoint;
  static constexpr TRecordLayout kLayout{offsetof(R, Code), TRecordTail::WhenCoded};
  static constexpr auto kFields = std::tuple{Common<R>(),
                                             Field("X", &R::X),
                                             Field("Y", &R::Y),
                                             Field("Temporary", &R::Temporary),
                                             Field("Code", &R::Code),
                                             Field("Angle", &R::Angle),
                                             Field("Scale", &R::Scale)};
};

template <>
struct TRecordFields<TEntJwwText> {
  using R = TEntJwwText;
  static constexpr TRecordLayout kLayout{offsetof(R, FontName), TRecordTail::Parts, 10};
  static constexpr auto kFields = std::tuple{Common<R>(),
                                             Field("StartX", &R::StartX),
                                             Field("StartY", &R::StartY),
                                             Field("EndX", &R::EndX),
                                             Field("EndY", &R::EndY),
                                             Field("TextKind", &R::TextKind),
                                             Field("SizeX", &R::SizeX),
                                             Field("SizeY", &R::SizeY),
                                             Field("Spacing", &R::Spacing),
                                             Field("Angle", &R::Angle),
                                             Field("FontName", &R::FontName),
                                             Field("Content", &R::Content)};
};

template <>
struct TRecordFields<TEntJwwDimension> {
  using R = TEntJwwDimension;
  static constexpr TRecordLayout kLayout{sizeof(TEntJwwCommon), TRecordTail::Parts, 1};
  static constexpr auto kFields =
      std::tuple{Common<R>(),
                 Field("Line", &R::Line),
                 Field("Text", &R::Text),
                 Field("SxfMode", &R::SxfMode).In(kSxfDimensionGate),
                 Field("AuxLine1", &R::AuxLine1).In(kSxfDimensionGate),
                 Field("AuxLine2", &R::AuxLine2).In(kSxfDimensionGate),
                 Field("Point1", &R::Point1).In(kSxfDimensionGate),
                 Field("Point2", &R::Point2).In(kSxfDimensionGate),
                 Field("AuxPoint1", &R::AuxPoint1).In(kSxfDimensionGate),
                 Field("AuxPoint2", &R::AuxPoint2).In(kSxfDimensionGate)};
};

template <>
struct TRecordFields<TEntJwwSolid> {
  using R = TEntJwwSolid;
  static constexpr TRecordLayout kLayout{offsetof(R, FillColor), TRecordTail::WhenOwnColour};
  static constexpr auto kFields = std::tuple{Common<R>(),
                                             Field("StartX", &R::StartX),
                                             Field("StartY", &R::StartY),
                                             Field("EndX", &R::EndX),
                                             Field("EndY", &R::EndY),
                                             Field("Point2X", &R::Point2X),
                                             Field("Point2Y", &R::Point2Y),
                                             Field("Point3X", &R::Point3X),
                                             Field("Point3Y", &R::Point3Y),
                                             Field("FillColor", &R::FillColor)};
};

template <>
struct TRecordFields<TEntJwwBlockInsert> {
  using R = TEntJwwBlockInsert;
  static constexpr TRecordLayout kLayout{sizeof(R)};
  static constexpr auto kFields = std::tuple{Common<R>(),
                                             Field("X", &R::X),
                                             Field("Y", &R::Y),
                                             Field("ScaleX", &R::ScaleX),
                                             Field("ScaleY", &R::ScaleY),
                                             Field("Rotation", &R::Rotation),
                                             Field("BlockNumber", &R::BlockNumber)};
};

// Used and UsedIndex are worked out from the drawing, not read.
template <>
struct TRecordFields<TEntJwwBlockDef> {
  using R = TEntJwwBlockDef;
  static constexpr auto kFields = std::tuple{Common<R>(),
                                             Field("Number", &R::Number),
                                             Field("Referenced", &R::Referenced),
                                             Field("Time", &R::Time),
                                             Field("Name", &R::Name),
                                             Field("Count", &R::Count),
                                             Field("Used", &R::Used).In(kNotInFile),
                                             Field("UsedIndex", &R::UsedIndex).In(kNotInFile)};
};

// Worked out from the drawing's inserts: the record has no bytes in the file.
template <>
struct TRecordFields<TEntJwwBlockTree> {
  using R = TEntJwwBlockTree;
  static constexpr auto kFields = std::tuple{Field("Common", &R::Common),
                                             Field("Depth", &R::Depth),
                                             Field("Parent", &R::Parent),
                                             Field("BlockNumber", &R::BlockNumber),
                                             Field("BlockIndex", &R::BlockIndex),
                                             Field("BlockName", &R::BlockName),
                                             Field("X", &R::X),
                                             Field("Y", &R::Y),
                                             Field("M11", &R::M11),
                                             Field("M12", &R::M12),
                                             Field("M21", &R::M21),
                                             Field("M22", &R::M22)};
};

// The image section holds each image's bytes after its name and size.
template <>
struct TRecordFields<TBindImageType> {
  using R = TBindImageType;
  static constexpr auto kFields = std::tuple{Field("Name", &R::Name), Field("Size", &R::Size)};
};

}  // namespace pennatran
