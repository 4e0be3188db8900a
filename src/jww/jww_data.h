// One Jw_cad drawing held completely in memory, with its reader and writer.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "jww/atomic_file.h"
#include "jww/jww_types.h"
#include "jww/load_error.h"
#include "jww/save_failure.h"
#include "jww/user_slots.h"

namespace pennatran {

// The values a load publishes for the text substitution codes.
struct TDocumentInfo {
  std::string DocFileName;  // the file name exactly as given to the load (system encoding)
  SjisString DocDrawTimeText;
  SjisString DocMemoLine1;
  SjisString DocMemoRest;
  double DocPrintScale = 1.0;
};

// A drawing; its own entities are the lists it derives from.
class TJwwData : public TEntityLists {
 public:
  TJwwData();

  // Empties every table and entity array and gives the header its defaults.
  void Clear();
  // Frees the block definitions' contents, then Clear.
  void Release();
  // Gives every header table its fixed size, adding zero entries where one is shorter (a
  // drawing built in memory starts from this).
  void SizeHeaderTables();

  // Reads a drawing of any version from 2.20 on. Always starts with Clear. Returns true
  // only when the whole file was read; otherwise the document keeps everything read
  // completely before the failure and LoadError says where and why it stopped.
  bool LoadFromFile(const std::filesystem::path& fileName);
  // The same from bytes already in memory; fileName is only published as DocFileName.
  bool LoadFromBytes(const uint8_t* data, size_t size, const std::string& fileName);

  // Stores 0..15, anything else as 0.
  void SetSaveOptions(int32_t options);
  // Writes the document as a drawing of the given version (saves pass kSaveVersion).
  // The target is replaced only once the new file is complete: a failed save returns
  // false and leaves any previous file at that path untouched; error (when given) then
  // says what failed and why. A write-protected file is not replaced. Versions outside
  // 220..65535 have no layout and are refused. The document is not changed.
  bool SaveToFile(const std::filesystem::path& fileName, int32_t version,
                  TSaveError* error = nullptr, const TAtomicWriteOptions& options = {});

  // The writer's renumbering of block numbers (call after BuildBlockTree).
  int32_t UsedBlockIndex(uint32_t number) const;
  // Expands every insert into BlockTree and marks the definitions the drawing reaches.
  void BuildBlockTree();

  // Image files of this document's embedded images.
  void ClearImageList() { ImageList.clear(); }
  // Deletes the files of ImageList from ImageFolder (a.bmp.gz removes a.bmp.gz and a.bmp).
  void DeleteImageFiles() const;

  // The user slot tables by kind. Before a header is read they are empty (and info lists
  // them empty): SlotEntry then gives a zero entry, and SetSlotEntry sizes the table first.
  template <TSlotKind K>
  const std::vector<TSlotEntryOf<K>>& SlotTable() const {
    if constexpr (K == TSlotKind::Color)
      return ColorExNos;
    else
      return LineTypeExNos;
  }
  template <TSlotKind K>
  TSlotEntryOf<K> SlotEntry(TSlot slot) const {
    const auto& table = SlotTable<K>();
    return slot.Index() < table.size() ? table[slot.Index()] : TSlotEntryOf<K>{};
  }
  template <TSlotKind K>
  void SetSlotEntry(TSlot slot, const TSlotEntryOf<K>& entry) {
    std::vector<TSlotEntryOf<K>>* table;
    if constexpr (K == TSlotKind::Color)
      table = &ColorExNos;
    else
      table = &LineTypeExNos;
    if (table->size() < static_cast<size_t>(SlotCount(K)))
      table->resize(static_cast<size_t>(SlotCount(K)));
    (*table)[slot.Index()] = entry;
  }

  int32_t BlockDefCount() const { return static_cast<int32_t>(BlockDefs.size()); }
  int32_t BlockTreeCount() const { return static_cast<int32_t>(BlockTree.size()); }

  TEntJwwHeader Header;
  std::vector<TEntJwwLayerGroup> LayerGroups;        // 16 after a load
  std::vector<TEntJwwLayer> Layers;                  // 256: group x 16 + layer
  std::vector<TEntJwwPen> Pens;                      // 10 (0..9) once read, else empty
  std::vector<TEntJwwLineTypeDef> LineTypeDefs;      // 8: line types 2..9
  std::vector<TEntJwwRandomLineDef> RandomLineDefs;  // 5
  std::vector<TEntJwwLineTypeDef> DoubleLineDefs;    // 4: line types 6..9
  std::vector<TEntJwwColorExNo> ColorExNos;          // 257: slots 0..256
  std::vector<TEntJwwLineTypeExNo> LineTypeExNos;    // 33: slots 0..32
  std::vector<TEntJwwTextStyle> TextStyles;          // 10
  std::vector<TEntJwwBlockDef> BlockDefs;
  TRecordArray<TEntJwwBlockTree> BlockTree;
  // Set when BlockTree stops at one of its bounds: the preview then shows only part of the
  // placements (block_tree.h).
  bool BlockTreeLimited = false;
  int32_t UsedBlockCount = 0;
  double ExtentMinX = 0, ExtentMinY = 0, ExtentMaxX = 0, ExtentMaxY = 0;
  int32_t SaveOptions = 0;
  // The strings of texts too long for their records (texts of the block definitions too).
  // Shared by copies of the document, whose records point into it.
  std::shared_ptr<TStringStore> Strings;
  // Whether the drawing keeps its strings in the two-byte (UTF-16) form: so when its memo,
  // the first string of the file, was read in that form. A save writes every string so.
  bool TwoByteStrings = false;

  // Embedded images: each document owns its list and the folder its images are extracted
  // to (a folder path; set by the owner before a load or a save).
  std::vector<TBindImageType> ImageList;
  std::filesystem::path ImageFolder;

  // Filled by every load that got past the version check.
  TDocumentInfo DocInfo;
  bool DocInfoPublished = false;
  TLoadError LoadError;
};

}  // namespace pennatran
