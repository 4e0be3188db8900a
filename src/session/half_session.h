// One half of a copy: a drawing (or, on the source half, a palette file) with its scratch
// folder, its preview, its lists and their difference marks, the copy of slots from the
// other half and the save. The window's halves, the page and the command line's commands
// are views over it: they word its results and show its lines.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "attributes/preview_attributes.h"
#include "jww/jww_data.h"
#include "jww/save_failure.h"
#include "jww/user_slots.h"
#include "palette/palette.h"
#include "palette/palette_file.h"
#include "render/canvas.h"
#include "render/render_context.h"
#include "session/preview_carry.h"

namespace pennatran {

// What a load found. The front ends word it.
struct TSessionLoad {
  // Something usable was read: a drawing, partly or wholly, or a palette file. A file that
  // is no drawing at all is not taken: the half keeps what it held.
  bool Ok = false;
  // The whole file was read.
  bool Complete = false;
  bool NotADrawing = false;
  bool IsPalette = false;
  // The preview shows only part of the block placements.
  bool PlacementsCut = false;
  // Why a palette file was refused (Failure None when it was not).
  TPaletteSourceError PaletteError;
  // Where and why the drawing's load stopped, also when the file was not taken.
  TLoadError Error;
};

class THalfSession {
 public:
  THalfSession() : THalfSession(TPreviewEnvironment{}) {}
  explicit THalfSession(TPreviewEnvironment environment);
  // The render context points at the attributes held here.
  THalfSession(const THalfSession&) = delete;
  THalfSession& operator=(const THalfSession&) = delete;

  // Where the drawing's embedded images are extracted and saved from.
  void SetScratchFolder(const std::filesystem::path& folder);

  // Loads a drawing from a file; its images go to the scratch folder. A file that is no
  // drawing leaves the half as it was.
  TSessionLoad OpenDrawingFile(const std::filesystem::path& file);
  // Loads a drawing from bytes, or a palette file when acceptPalette and the bytes look
  // like one. A palette file that is refused, or offered where none is taken, and bytes
  // that are no drawing leave the half as it was. The name is only published to the text
  // codes.
  TSessionLoad OpenBytes(std::string_view bytes, const std::string& name, bool acceptPalette);
  // Reads a palette file (or a drawing's slots only) as this half's source. A file that
  // is refused leaves the half as it was.
  TSessionLoad OpenPaletteFile(const std::filesystem::path& file);
  // Lets go of the drawing and the palette file, and deletes the extracted images.
  void Close();

  bool Opened() const { return IsOpened; }
  bool Complete() const { return IsComplete; }
  bool IsPalette() const { return PaletteSource; }
  // Copies were made since the load or the last save.
  bool Unsaved() const { return HasUnsaved; }
  const TJwwData& Drawing() const { return Doc; }
  // The held user slots (a drawing holds all of them).
  const TPalette& Palette() const { return Held; }

  // Preview. Starts the preview afresh for an image of the given size: default pens and a
  // white background, the mapping centred on the origin, start as the time texts show.
  void ResetPreview(int32_t pixelWidth, int32_t pixelHeight, TLocalDateTime start);
  // Sets the loaded drawing up for its first preview with what carry holds, and leaves in
  // carry what the next set-up takes. Returns the background mode kept.
  BackgroundMode PreparePreview(TPreviewCarry& carry);
  // Sets it up again for a redraw: on the background mode of the first set-up.
  void PrepareRedraw(TPreviewCarry& carry);
  // The background mode of the first set-up since the load.
  BackgroundMode BackMode() const { return FirstBackMode; }
  // Draws the drawing fitted into the image, or the sheet of a palette file's slots.
  void DrawPreview(TCanvas& canvas, int32_t pixelWidth, int32_t pixelHeight);
  // A fresh preview of the given size recorded as the command line's --trace writes it;
  // empty when there is nothing to draw.
  std::string PreviewTrace(int32_t pixelWidth, int32_t pixelHeight);
  // The same fresh preview drawn on the given recorder; false when there is nothing to draw.
  bool RecordPreview(TCanvas& recorder, int32_t pixelWidth, int32_t pixelHeight);
  const TRenderContext& Context() const { return Render; }

  // Lists. The slots a list shows: every user slot for a drawing, the held ones for a
  // palette file, ascending.
  const std::vector<TSlot>& Listed(TSlotKind kind) const { return Held.Held.Of(kind); }
  // Their texts as the lists show them, in UTF-8, in the same order; a colour line puts
  // the front end's words before its widths and point radius.
  std::vector<std::string> ListTexts(TSlotKind kind, const TColorLineLabels& labels) const;
  // The held entry of a slot; a blank one outside the user slots.
  template <TSlotKind K>
  TSlotEntryOf<K> Entry(TSlot slot) const {
    return IsUserSlot(K, slot) ? Held.Table<K>()[slot] : TSlotEntryOf<K>{};
  }
  // The slots whose entry here differs from other's, ascending (none unless both are open).
  std::vector<TSlot> DifferingFrom(const THalfSession& other, TSlotKind kind) const;

  // Copying. Copies the given slots of other's held ones into this drawing; slots other
  // does not hold are left alone. Any slot given marks the copy unsaved. Returns whether
  // any slot was copied; nothing is copied into a palette file or from a closed half.
  bool CopyFrom(const THalfSession& other, TSlotKind kind, const std::vector<TSlot>& slots);
  // The same from a palette read elsewhere.
  bool CopyFrom(const TPalette& palette, TSlotKind kind, const std::vector<TSlot>& slots);

  // Saving, as kSaveVersion. A save that succeeds clears Unsaved.
  bool SaveToFile(const std::filesystem::path& file, TSaveError* error = nullptr,
                  const TAtomicWriteOptions& options = {});
  // The drawing's bytes; empty when the writer refuses it or nothing is open.
  std::string SaveBytes();
  // The palette file text of the given slots, or of every held slot when none is given.
  std::string PaletteJson(const TSlotSet& slots) const;

 private:
  // Takes a drawing loaded apart from the half, unless it is no drawing at all: what it
  // found, the drawing's slots held and its images extracted.
  TSessionLoad TakeDrawing(TJwwData loaded, bool complete);
  TSessionLoad CountAsOpened(TSessionLoad load);
  void HoldPalette(TPalette palette);

  TPreviewEnvironment Environment;
  std::filesystem::path Scratch;
  TJwwData Doc;
  TPalette Held;
  bool IsOpened = false;
  bool IsComplete = true;
  bool PaletteSource = false;
  bool HasUnsaved = false;

  PreviewAttributes Attributes;
  TRenderContext Render;
  BackgroundMode FirstBackMode = BackgroundMode::White;
};

}  // namespace pennatran
