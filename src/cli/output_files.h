// The files the command line writes besides a drawing: checked before any work is done,
// written whole or not at all.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pennatran {

// The most a text output of one drawing (the JSON of info --entities, a preview's trace)
// may take. Block inserts that fan out place far more than anyone reads; building such an
// output would only exhaust memory and disk.
constexpr size_t kMaxTextOutputBytes = size_t{64} << 20;

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
