#include "app/settings_file.h"

#include <charconv>
#include <fstream>
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

void ApplyLine(TWindowSettings& settings, int index, const std::string& line) {
  switch (index) {
    case 0:
      settings.Left = SettingsNumber(line);
      break;
    case 1:
      settings.Top = SettingsNumber(line);
      break;
    case 2:
      settings.Width = SettingsNumber(line);
      break;
    case 3:
      settings.Height = SettingsNumber(line);
      break;
    case 4:
      settings.SourceHalfWidth = SettingsNumber(line);
      break;
    case 5:
      settings.SourcePreviewHeight = SettingsNumber(line);
      break;
    case 6:
      settings.DestinationPreviewHeight = SettingsNumber(line);
      break;
    case 7:
      settings.SourceColorListHeight = SettingsNumber(line);
      break;
    case 8:
      settings.DestinationColorListHeight = SettingsNumber(line);
      break;
    case 9:
      settings.SourcePath = QString::fromUtf8(line);
      break;
    case 10:
      settings.DestinationPath = QString::fromUtf8(line);
      break;
    default:
      break;
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
      const int32_t numbers[] = {settings.Left,
                                 settings.Top,
                                 settings.Width,
                                 settings.Height,
                                 settings.SourceHalfWidth,
                                 settings.SourcePreviewHeight,
                                 settings.DestinationPreviewHeight,
                                 settings.SourceColorListHeight,
                                 settings.DestinationColorListHeight};
      for (int32_t number : numbers) out << number << "\r\n";
      out << settings.SourcePath.toStdString() << "\r\n";
      out << settings.DestinationPath.toStdString() << "\r\n";
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
