// Records of a Jw_cad drawing as they lie in memory. Entity records are packed and
// little-endian so that a record's bytes are exactly the bytes the file holds for it and
// can be read and written as one block.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "jww/record_array.h"
#include "jww/string_store.h"
#include "jww/text_encoding.h"

static_assert(std::endian::native == std::endian::little,
              "entity records are copied as little-endian byte blocks");

namespace pennatran {

#pragma pack(push, 1)

// A text's string, whole at any length. Up to kInRecord bytes of its in-memory form sit in
// the record (nearly every text); a longer one sits in its drawing's string store, and the
// record holds where. Records stay plain bytes that copy as a block; the store must outlive
// them.
struct TShortString {
  static constexpr uint8_t kInStore = 255;
  static constexpr size_t kInRecord = 31;

  uint8_t Length = 0;  // kInStore: Data begins with the address and size of stored bytes
  char Data[kInRecord] = {};

  std::string_view View() const {
    if (Length != kInStore) return {Data, Length};
    const char* stored = nullptr;
    size_t size = 0;
    std::memcpy(&stored, Data, sizeof stored);
    std::memcpy(&size, Data + sizeof stored, sizeof size);
    return {stored, size};
  }
  // Holds s whole. One longer than the record holds goes into the store; without a store
  // it is cut to whole characters of at most kInRecord bytes.
  void Assign(std::string_view s, TStringStore* store = nullptr) {
    if (s.size() > kInRecord && store != nullptr) {
      Keep(store->Keep(s));
      return;
    }
    s = s.substr(0, PrefixWithinBytes(s, kInRecord));
    std::memset(Data, 0, sizeof Data);
    Length = static_cast<uint8_t>(s.size());
    std::memcpy(Data, s.data(), s.size());
  }

 private:
  void Keep(std::string_view stored) {
    const char* address = stored.data();
    const size_t size = stored.size();
    std::memset(Data, 0, sizeof Data);
    Length = kInStore;
    std::memcpy(Data, &address, sizeof address);
    std::memcpy(Data + sizeof address, &size, sizeof size);
  }
};
static_assert(sizeof(const char*) + sizeof(size_t) <= TShortString::kInRecord);
static_assert(TShortString::kInRecord < TShortString::kInStore);

struct TEntJwwCommon {
  uint32_t Group;
  uint8_t LineType;
  uint16_t Color;
  uint16_t Width;
  uint16_t Layer;
  uint16_t LayerGroup;
  uint16_t Flags;

  // Layer index as the attribute tables use it: layer group x 16 + layer.
  int LayerIndex() const { return LayerGroup * 16 + Layer; }
};

struct TEntJwwLine {
  TEntJwwCommon Common;
  double StartX, StartY, EndX, EndY;
};

struct TEntJwwArc {
  TEntJwwCommon Common;
  double CenterX, CenterY, Radius;
  double StartAngle;  // radians
  double ArcAngle;    // radians, swept angle
  double TiltAngle;   // radians
  double Flatness;    // minor / major radius, 1 for a circle
  int32_t FullCircle;
};

struct TEntJwwPoint {
  TEntJwwCommon Common;
  double X, Y;
  int32_t Temporary;
  // Present in the file only when Common.LineType == 100.
  int32_t Code;
  double Angle;  // radians
  double Scale;
};

struct TEntJwwText {
  TEntJwwCommon Common;
  double StartX, StartY, EndX, EndY;
  uint32_t TextKind;
  double SizeX, SizeY, Spacing;
  double Angle;  // degrees
  TShortString FontName;
  TShortString Content;
};

struct TEntJwwDimension {
  TEntJwwCommon Common;
  TEntJwwLine Line;
  TEntJwwText Text;
  // From here on present in the file only from version 420.
  uint16_t SxfMode;
  TEntJwwLine AuxLine1, AuxLine2;
  TEntJwwPoint Point1, Point2, AuxPoint1, AuxPoint2;
};

struct TEntJwwSolid {
  TEntJwwCommon Common;
  double StartX, StartY, EndX, EndY;
  double Point2X, Point2Y, Point3X, Point3Y;
  uint32_t FillColor;  // in the file only when Common.Color == 10
};

struct TEntJwwBlockInsert {
  TEntJwwCommon Common;
  double X, Y;
  double ScaleX, ScaleY;
  double Rotation;  // radians
  uint32_t BlockNumber;
};

struct TEntJwwOrderEntry {
  int32_t Kind;   // TEntityKind
  int32_t Index;  // position in that kind's array
};

#pragma pack(pop)

static_assert(sizeof(TShortString) == 32);
static_assert(sizeof(TEntJwwCommon) == 15);
static_assert(sizeof(TEntJwwLine) == 47);
static_assert(sizeof(TEntJwwArc) == 75);
static_assert(sizeof(TEntJwwPoint) == 55);
static_assert(sizeof(TEntJwwText) == 147);
static_assert(sizeof(TEntJwwDimension) == 525);
static_assert(sizeof(TEntJwwSolid) == 83);
static_assert(sizeof(TEntJwwBlockInsert) == 59);
static_assert(sizeof(TEntJwwOrderEntry) == 8);

enum TEntityKind : int32_t {
  EntityLine = 1,
  EntityArc = 2,
  EntityPoint = 3,
  EntityText = 4,
  EntityDimension = 5,
  EntitySolid = 6,
  EntityInsert = 7,
};

// The class name each entity kind is stored under, indexed by kind (0 is no kind).
inline constexpr std::array<std::string_view, 8> kEntityClassNames = {
    "",          "CDataSen",    "CDataEnko",  "CDataTen",
    "CDataMoji", "CDataSunpou", "CDataSolid", "CDataBlock"};

// The sizes of a drawing's fixed tables.
inline constexpr int32_t kLayerGroupCount = 16;
inline constexpr int32_t kLayersPerGroup = 16;
inline constexpr int32_t kLayerCount = kLayerGroupCount * kLayersPerGroup;
inline constexpr int32_t kPenCount = 10;           // pens 0..9
inline constexpr int32_t kColorSlotCount = 257;    // SXF colour slots 0..256
inline constexpr int32_t kLineTypeSlotCount = 33;  // SXF line type slots 0..32
inline constexpr int32_t kLineTypeDefCount = 8;    // line types 2..9
inline constexpr int32_t kRandomLineDefCount = 5;  // random lines 1..5
inline constexpr int32_t kDoubleLineDefCount = 4;  // double lines of line types 6..9
inline constexpr int32_t kTextStyleCount = 10;     // text styles 1..10
// Drawings up to version 2.30 keep only the first four mark jumps, without layer groups.
inline constexpr int32_t kOldMarkJumpCount = 4;

// How a drawing shows a layer or a layer group (their State field). The preview draws any
// other value as editable.
enum TStoredLayerState : int32_t {
  kStoredHidden = 0,
  kStoredDisplayOnly = 1,
  kStoredEditable = 2,
  kStoredWriting = 3,  // the layer or group being drawn on: editable
};

struct TEntJwwLayerGroup {
  int32_t State = 0;
  int32_t WriteLayer = 0;
  double Scale = 0;
  int32_t Protect = 0;
  SjisString Name;
};

struct TEntJwwLayer {
  int32_t State = 0;
  int32_t Protect = 0;
  SjisString Name;
};

struct TEntJwwPen {
  uint32_t ScreenColor = 0;
  int32_t ScreenWidth = 0;
  uint32_t PrintColor = 0;
  int32_t PrintWidth = 0;
  double PointRadius = 0;
};

struct TEntJwwLineTypeDef {
  uint32_t Pattern = 0;
  int32_t UnitDots = 0;
  int32_t ScreenPitch = 0;
  int32_t PrintPitch = 0;
};

struct TEntJwwRandomLineDef {
  uint32_t Pattern = 0;
  int32_t ScreenAmplitude = 0;
  int32_t ScreenPitch = 0;
  int32_t PrintAmplitude = 0;
  int32_t PrintPitch = 0;
};

struct TEntJwwTextStyle {
  double SizeX = 0;
  double SizeY = 0;
  double Spacing = 0;
  int32_t Color = 0;
};

struct TEntJwwColorExNo {
  uint32_t ScreenColor = 0;
  int32_t ScreenWidth = 0;
  SjisString Name;
  uint32_t PrintColor = 0;
  int32_t PrintWidth = 0;
  double PointRadius = 0;

  bool operator==(const TEntJwwColorExNo&) const = default;
};

struct TEntJwwLineTypeExNo {
  uint32_t Pattern = 0;
  int32_t UnitDots = 0;
  int32_t ScreenPitch = 0;
  int32_t PrintPitch = 0;
  SjisString Name;
  int32_t SegmentCount = 0;
  double Pitches[10] = {};  // segment lengths 1..10 at indices 0..9

  bool operator==(const TEntJwwLineTypeExNo&) const = default;
};

struct TMarkJump {
  double Scale = 1.0;
  double X = 0;
  double Y = 0;
  int32_t LayerGroup = -1;
};

struct TExtraGroup {
  double Values[3] = {};
  int32_t Int = 0;
};

struct TEntJwwHeader {
  SjisString Signature;
  int32_t Version = 0;
  SjisString Memo;
  int32_t PaperSize = 0;
  int32_t WriteLayerGroup = 0;
  // Rows 6 and 8: Jw_cad stores values of its own there; they are kept as read and
  // written back (zeros for a drawing that never had them).
  std::array<uint8_t, 56> ReservedAfterLayers{};
  int32_t DimSettings[5] = {};
  uint32_t ReservedAfterDimSettings = 0;
  int32_t MaxDrawWidth = 0;
  double PrintOriginX = 0, PrintOriginY = 0;
  double PrintScale = 1.0;
  int32_t PrintSetting = 0;
  int32_t GridMode = 0;
  double GridMinDots = 1.0;
  double GridSpacingX = 1.0, GridSpacingY = 1.0;
  double GridOriginX = 0, GridOriginY = 0;
  double ShadowLevel = 0, ShadowLatitude = 0;
  int32_t Shadow9To15 = 0;
  double WallShadowLevel = 0;
  double SkyMapLevel = 0, SkyMapRadius = 0;
  int32_t Unit3D = 0;
  double ViewScale = 1.0;
  double ViewOriginX = 0, ViewOriginY = 0;
  double RangeScale = 1.0;
  double RangeOriginX = 0, RangeOriginY = 0;
  TMarkJump MarkJumps[8];  // mark jumps 1..8 at indices 0..7
  TExtraGroup ExtraA, ExtraB;
  double MultiLineSpacing[10] = {};
  double BothSideLineEnd = 0;
  int32_t PointScreenRadius = 0, PointPrintRadius = 0, BitmapFirst = 0, ReverseDraw = 0,
          ReverseSearch = 0, ColorPrint = 0, LayerOrderPrint = 0, ColorOrderPrint = 0,
          PrintContinuous = 0, PrintCommonGray = 0;
  int32_t DisplayOnlyNoPrint = 0;
  int32_t WidthUnitMode = 0;
  int32_t DrawTime = 0;
  int32_t EyeInit = 0;
  int32_t EyeAngleH1 = 0, EyeAngleH2 = 0, EyeAngleH3 = 0;
  double EyeHeight1 = 0, EyeDistance1 = 0, EyeHeight2 = 0, EyeDistance2 = 0, EyeAngleV3 = 0;
  double LastLineLength = 0, LastBoxX = 0, LastBoxY = 0, LastCircleRadius = 0;
  int32_t SolidAnyColor = 0;
  uint32_t SolidDefaultColor = 0;
  double TextSizeX = 0, TextSizeY = 0, TextSpacing = 0;
  int32_t TextColor = 0, TextStyleNo = 0;
  double ArrangeLinePitch = 0, ArrangeCharCount = 0;
  int32_t TextOffsetOn = 0;
  double TextOffsetX[3] = {};
  double TextOffsetY[3] = {};
  int32_t EntityCount = 0;
  int32_t BlockCount = 0;
};

// The entities of a drawing or of one block definition: one array per kind and the order
// the file held them in.
struct TEntityLists {
  TRecordArray<TEntJwwOrderEntry> EntityOrder;
  TRecordArray<TEntJwwLine> Lines;
  TRecordArray<TEntJwwArc> Arcs;
  TRecordArray<TEntJwwPoint> Points;
  TRecordArray<TEntJwwText> Texts;
  TRecordArray<TEntJwwDimension> Dimensions;
  TRecordArray<TEntJwwSolid> Solids;
  TRecordArray<TEntJwwBlockInsert> Inserts;

  int32_t LineCount() const { return static_cast<int32_t>(Lines.size()); }
  int32_t ArcCount() const { return static_cast<int32_t>(Arcs.size()); }
  int32_t PointCount() const { return static_cast<int32_t>(Points.size()); }
  int32_t TextCount() const { return static_cast<int32_t>(Texts.size()); }
  int32_t DimensionCount() const { return static_cast<int32_t>(Dimensions.size()); }
  int32_t SolidCount() const { return static_cast<int32_t>(Solids.size()); }
  int32_t InsertCount() const { return static_cast<int32_t>(Inserts.size()); }

  // The records of one kind; 0 for a number that names no kind.
  size_t KindSize(int32_t kind) const;
  // The records of all seven arrays.
  size_t EntityTotal() const;
  // Adds a record at the end of its kind's array and of the order.
  template <typename Record>
  void Append(const Record& record);
};

// Calls visit(array, kind) for each of the seven arrays of lists, in the order of the kinds.
template <typename Lists, typename Visit>
void ForEachList(Lists& lists, Visit&& visit) {
  visit(lists.Lines, EntityLine);
  visit(lists.Arcs, EntityArc);
  visit(lists.Points, EntityPoint);
  visit(lists.Texts, EntityText);
  visit(lists.Dimensions, EntityDimension);
  visit(lists.Solids, EntitySolid);
  visit(lists.Inserts, EntityInsert);
}

inline size_t TEntityLists::KindSize(int32_t kind) const {
  size_t size = 0;
  ForEachList(*this, [&](const auto& list, TEntityKind listKind) {
    if (listKind == kind) size = list.size();
  });
  return size;
}

inline size_t TEntityLists::EntityTotal() const {
  size_t total = 0;
  ForEachList(*this, [&](const auto& list, TEntityKind) { total += list.size(); });
  return total;
}

template <typename Record>
void TEntityLists::Append(const Record& record) {
  ForEachList(*this, [&](auto& list, TEntityKind kind) {
    if constexpr (std::is_same_v<typename std::decay_t<decltype(list)>::value_type, Record>) {
      EntityOrder.push_back({kind, static_cast<int32_t>(list.size())});
      list.push_back(record);
    }
  });
}

struct TEntJwwBlockDef : TEntityLists {
  TEntJwwCommon Common{};
  uint32_t Number = 0;
  uint32_t Referenced = 0;
  int32_t Time = 0;
  SjisString Name;
  int32_t Count = 0;
  bool Used = false;       // derived: reached from the drawing through inserts
  int32_t UsedIndex = -1;  // derived: sequence number among used definitions
};

// One placement of a block definition in drawing coordinates: a point (u, v) of the block
// maps to (X + M11 u + M12 v, Y + M21 u + M22 v).
struct TEntJwwBlockTree {
  TEntJwwCommon Common{};
  int32_t Depth = 0;
  int32_t Parent = -1;
  int32_t BlockNumber = 0;
  int32_t BlockIndex = -1;
  SjisString BlockName;
  double X = 0, Y = 0;
  double M11 = 1, M12 = 0, M21 = 0, M22 = 1;
};

// An image embedded in a version 7.00 drawing. Its bytes stay with the document from the
// load, so a save never depends on the extracted file still being there.
struct TBindImageType {
  SjisString Name;
  int32_t Size = 0;
  bool Used = false;
  std::string Bytes;  // the image file's content, Size bytes
};

}  // namespace pennatran
