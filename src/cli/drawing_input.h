// Loading the drawings named on the command line.
#pragma once

#include <string>

#include "cli/temp_folder.h"
#include "jww/jww_data.h"

namespace pennatran {

// True when file names something that can be opened for reading; otherwise prints one
// sentence naming the file on stderr.
bool CheckReadable(const std::string& file);

// Loads file into doc, extracting its images into folder. Returns LoadFromFile's result.
// Says on stderr when the drawing's block placements were cut at a bound.
bool LoadDrawing(TJwwData& doc, const std::string& file, const TTempFolder& folder);

// One line on stderr saying where and why the load of file stopped.
void ReportLoadFailure(const std::string& file, const TJwwData& doc);

}  // namespace pennatran
