// The files the command line writes besides a drawing: checked before any work is done,
// written whole or not at all.
#pragma once

#include <string>
#include <string_view>

namespace pennatran {

// Whether writing output would replace the file input names, under any spelling or link.
bool IsSameFile(const std::string& input, const std::string& output);

// Whether file is a Jw_cad drawing (a regular file that starts with the drawing
// signature), which no other output may replace.
bool IsDrawingFile(const std::string& file);

// Whether the folder a write of file goes to exists.
bool FolderExists(const std::string& file);

// Replaces path with bytes atomically; a partial file is removed if the run is interrupted.
bool WriteBytes(const std::string& path, std::string_view bytes);

}  // namespace pennatran
