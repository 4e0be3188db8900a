#include "app/settings_file.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace pennatran {

namespace {

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// The file's lines in order: the window's numbers, then the two paths.
constexpr int32_t TWindowSettings::*kNumberLines[] = {
    &TWindowSettings::Left,
    &TWindowSettings::Top,
    &TWindowSettings::Width,
    &TWindowSettings::Height,
    &TWindowSettings::SourceHalfWidth,
    &TWindowSettings::SourcePreviewHeight,
    &TWindowSettings::DestinationPreviewHeight,
    &TWindowSettings::SourceColorListHeight,
    &TWindowSettings::DestinationColorListHeight,
};
constexpr QString TWindowSettings::*kPathLines[] = {
    &TWindowSettings::SourcePath,
    &TWindowSettings::DestinationPath,
};
constexpr int kNumberLineCount = static_cast<int>(std::size(kNumberLines));
static_assert(kNumberLineCount + std::size(kPathLines) == kSettingsLineCount);

void ApplyLine(TWindowSettings& settings, int index, const std::string& line) {
  if (index < kNumberLineCount) {
    settings.*kNumberLines[index] = SettingsNumber(line);
  } else {
    settings.*kPathLines[index - kNumberLineCount] = QString::fromUtf8(line);
  }
}

}  // namespace

int32_t SettingsNumber(std::string_view line) {
  std::string_view text = TrimBlanks(line);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size()) return 0;
  return value;
}

TWindowSettings LoadSettings(const std::filesystem::path& path) {
  TWindowSettings settings;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return settings;
  std::ifstream in(path, std::ios::binary);
  if (!in) return settings;
  std::string line;
  for (int index = 0; index < kSettingsLineCount; ++index) {
    line.clear();
    if (!std::getline(in, line)) {
      if (in.bad()) return settings;
      line.clear();  // past the end: the line reads as empty
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    ApplyLine(settings, index, line);
  }
  return settings;
}

bool SaveSettings(const std::filesystem::path& path, const TWindowSettings& settings) {
  bool ok = false;
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (out) {
      for (const auto number : kNumberLines) out << settings.*number << "\r\n";
      for (const auto line : kPathLines) out << (settings.*line).toStdString() << "\r\n";
      out.flush();
      ok = out.good();
    }
  }
  if (!ok) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
  }
  return ok;
}

}  // namespace pennatran
