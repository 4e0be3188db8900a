// The image files embedded in version 7.00 drawings: where each lives on disk, which names
// may be used for a file at all, and the reading of the image section.
#pragma once

#include <filesystem>
#include <string_view>

#include "jww/byte_reader.h"
#include "jww/jww_data.h"

namespace pennatran {

// True when an embedded image's name is a plain file name that stays inside the image
// folder: no "/", "\" or ":", no control characters, not "." or "..", not empty or blank
// after trimming spaces, not absolute. Other names are never used for a file operation.
bool IsSafeImageName(std::string_view sjisName);

// The file an image of that (Shift-JIS) name is extracted to: folder / name, the name
// converted to the platform's path encoding. Only meaningful for a safe name.
std::filesystem::path ImageFilePath(const std::filesystem::path& folder, std::string_view sjisName);

// Replaces doc.ImageList with the images of the section, each with its bytes, and writes
// each image with a safe name into doc.ImageFolder (nothing is written when the folder is
// empty; a file that cannot be written costs nothing, the bytes stay in the list).
// Throws TReadError when the section ends early or an image cannot be kept in memory; the
// entries read before stay listed.
void ReadImageSection(TByteReader& in, TJwwData& doc);

// Writes each listed image with a safe name and kept bytes into doc.ImageFolder, as a load
// into that folder does; for a drawing loaded elsewhere first.
void WriteImageFiles(const TJwwData& doc);

}  // namespace pennatran
