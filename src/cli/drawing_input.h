// Loading the drawings named on the command line.
#pragma once

#include <string>

#include "jww/jww_data.h"
#include "jww/temp_folder.h"
#include "palette/drawing_files.h"
#include "palette/palette_file.h"
#include "session/half_session.h"

namespace pennatran {

// True when file names something that can be opened for reading; otherwise prints one
// sentence naming the file on stderr.
bool CheckReadable(const std::string& file);

// Loads file into doc, extracting its images into folder. Returns LoadFromFile's result.
// Says on stderr when the drawing's block placements were cut at a bound.
bool LoadDrawing(TJwwData& doc, const std::string& file, const TTempFolder& folder);
// The same into a half, whose scratch folder becomes folder; what the load found.
TSessionLoad LoadDrawing(THalfSession& half, const std::string& file, const TTempFolder& folder);

// One line on stderr saying where and why the load of file stopped.
void ReportLoadFailure(const std::string& file, const TJwwData& doc);
void ReportLoadFailure(const std::string& file, const TSessionLoad& load);

// Reads a source (a drawing or a palette file) for the palette commands. False, having
// printed one line on stderr, when it cannot be opened or read completely: every command
// then exits with kExitUsage, as for bad arguments, so that kExitFailed always means that
// a drawing the command worked on failed or differs. A palette file's values that a save
// will not keep as given get one line on stderr per kind of change, and with verbose the
// slots after it.
bool LoadSource(const std::string& file, TPalette& palette, bool verbose);

}  // namespace pennatran
