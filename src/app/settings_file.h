// The window's settings file: eleven text lines ending in CR LF (window left, top, width,
// height, source half width, the two preview heights, the two colour list heights, the
// source path, the destination path).
#pragma once

#include <QString>
#include <cstdint>
#include <filesystem>
#include <string_view>

namespace pennatran {

struct TWindowSettings {
  int32_t Left = 24;
  int32_t Top = 24;
  int32_t Width = 600;
  int32_t Height = 600;
  int32_t SourceHalfWidth = 300;  // half the window width, rounded towards zero
  int32_t SourcePreviewHeight = 160;
  int32_t DestinationPreviewHeight = 160;
  int32_t SourceColorListHeight = 120;
  int32_t DestinationColorListHeight = 120;
  QString SourcePath;
  QString DestinationPath;
};

constexpr int kSettingsLineCount = 11;

// A line that spells a whole decimal number (optional sign, surrounding blanks allowed) gives
// that number; anything else, the empty line included, gives 0.
int32_t SettingsNumber(std::string_view line);

// Starts from the defaults, then applies each line of the file in order as soon as it is
// read: missing lines read as empty, numbers that do not parse as 0. A file that does not
// exist leaves the defaults; a read error keeps what was applied before it.
TWindowSettings LoadSettings(const std::filesystem::path& path);

// Writes the eleven lines (paths as UTF-8). Returns false on any output error, in which case
// the file is deleted.
bool SaveSettings(const std::filesystem::path& path, const TWindowSettings& settings);

}  // namespace pennatran
