// Where the window keeps its settings file. Its scratch folders are its own temporary
// folders (TTempFolder), made per window.
#pragma once

#include <QString>
#include <filesystem>

namespace pennatran {

struct TAppFolders {
  std::filesystem::path SettingsPath;  // pennatran.dat in the user's configuration folder
  // Beside the executable, where earlier versions kept it: read once and moved.
  std::filesystem::path OldSettingsPath;
};

// The settings file in configDir, and the one beside the executable (<executable name>.dat).
TAppFolders ResolveAppFolders(const std::filesystem::path& executablePath,
                              const std::filesystem::path& configDir);

// The settings file to read. When only an earlier version's file exists, it is moved to
// SettingsPath first; should it not move, it is read where it is, this once.
std::filesystem::path TakeOverOldSettings(const TAppFolders& folders);

// The folders of the running program: Qt's per-user configuration folder
// (~/.config/Pennatran on Linux). Needs a QCoreApplication with its name set.
TAppFolders RunningAppFolders();

// Conversions between Qt strings and file system paths without loss on any platform.
std::filesystem::path ToFsPath(const QString& path);
QString FromFsPath(const std::filesystem::path& path);

}  // namespace pennatran
