// Palettes: the user colour and line type slots of a drawing, or the ones a palette file
// lists, and the palette file itself (JSON, described in docs/palette-format.md). The
// window, the command line and any later front end read and write palettes only here.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "jww/jww_data.h"
#include "palette/drawing_failure.h"
#include "palette/palette.h"
#include "palette/palette_file_error.h"
#include "palette/palette_save_notes.h"
#include "palette/slot_selection.h"

namespace pennatran {

// The palette file text of the held slots, each in the form a save settles it in
// (slot_canonical.h): UTF-8 JSON ending in a line feed.
std::string WritePaletteJson(const TPalette& palette);
// Writes that text to file, replacing it only once complete. False when that fails.
bool SavePaletteFile(const std::filesystem::path& file, const TPalette& palette);
// Reads palette file text. On failure returns false and error says where (a line and
// column for JSON that does not parse, else a JSON pointer such as "/colors/2/slot") and
// what is wrong; palette is then unspecified. Values a save will not keep as given are
// read as they are (SaveNotes names them).
bool ReadPaletteJson(std::string_view text, TPalette& palette, TPaletteFileError& error);

// True when the bytes start (after a UTF-8 byte order mark and blanks) as JSON does, never
// as a drawing does.
bool LooksLikePaletteFile(std::string_view firstBytes);

// Why a file could not serve as a palette source; the front ends word it with the file's name.
enum class TPaletteSourceFailure {
  None,
  CannotOpen,
  TooLarge,        // begins like a palette file but is larger than any palette file
  BadPaletteFile,  // refused as PaletteFile says
  Drawing,         // a drawing that did not load completely, as Drawing says
};
struct TPaletteSourceError {
  TPaletteSourceFailure Failure = TPaletteSourceFailure::None;
  TPaletteFileError PaletteFile;
  TDrawingFailure Drawing;
};

// Reads file, a drawing or a palette file told apart by content, into palette. A drawing
// must load completely; its images are not extracted. For a palette file, notes (when
// given) receives its SaveNotes; a drawing gives none.
bool LoadPaletteSource(const std::filesystem::path& file, TPalette& palette,
                       TPaletteSourceError& error, std::vector<TSaveNote>* notes = nullptr);

// Copies the given held slots of palette into doc (one copy path with the list copy) and
// returns how many of those slots differed before, compared as CompareSlots compares them.
int32_t ApplyPalette(const TPalette& palette, const TSlotSet& slots, TJwwData& doc);

// The SEL options of a command against a source: neither given selects every held slot,
// one given selects only that kind. On a refusal, Error says why and ErrorInLineTypes
// which of the two selections it came from.
struct TSlotChoice {
  TSlotSet Slots;
  TSlotSelectionError Error;
  bool ErrorInLineTypes = false;

  bool Ok() const { return Error.Failure == TSlotSelectionFailure::None; }
};
TSlotChoice ChooseSlots(const TPalette& source, const std::string* colors,
                        const std::string* lineTypes);

}  // namespace pennatran
