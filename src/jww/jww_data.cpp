#include "jww/jww_data.h"

namespace pennatran {

TJwwData::TJwwData() {
  Clear();
}

// Assigning empty containers (rather than clear()) gives their memory back: a cleared
// document may sit idle while the other side holds a large drawing. The image list and
// folder are not part of the drawing's content: the owner empties them after deleting
// the extracted files.
void TJwwData::SizeHeaderTables() {
  LayerGroups.resize(kLayerGroupCount);
  Layers.resize(kLayerCount);
  Pens.resize(kPenCount);
  LineTypeDefs.resize(kLineTypeDefCount);
  RandomLineDefs.resize(kRandomLineDefCount);
  DoubleLineDefs.resize(kDoubleLineDefCount);
  ColorExNos.resize(kColorSlotCount);
  LineTypeExNos.resize(kLineTypeSlotCount);
  TextStyles.resize(kTextStyleCount);
}

void TJwwData::Clear() {
  Header = TEntJwwHeader{};
  LayerGroups = {};
  Layers = {};
  Pens = {};
  LineTypeDefs = {};
  RandomLineDefs = {};
  DoubleLineDefs = {};
  ColorExNos = {};
  LineTypeExNos = {};
  TextStyles = {};
  // Assigning {} to a vector would take its initializer-list form, which keeps the
  // capacity; moving an empty container in gives the memory back.
  static_cast<TEntityLists&>(*this) = TEntityLists();
  BlockDefs = std::vector<TEntJwwBlockDef>();
  BlockTree = TRecordArray<TEntJwwBlockTree>();
  BlockTreeLimited = false;
  UsedBlockCount = 0;
  ExtentMinX = ExtentMinY = ExtentMaxX = ExtentMaxY = 0;
  SaveOptions = 0;
  Strings = std::make_shared<TStringStore>();
  TwoByteStrings = false;
  LoadError = TLoadError{};
}

void TJwwData::Release() {
  for (TEntJwwBlockDef& def : BlockDefs) def = TEntJwwBlockDef{};
  Clear();
}

void TJwwData::SetSaveOptions(int32_t options) {
  SaveOptions = (options >= 0 && options <= 15) ? options : 0;
}

}  // namespace pennatran
