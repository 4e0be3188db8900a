// Where the window keeps its settings file and the scratch folders its drawings' images are
// extracted to.
#pragma once

#include <QString>
#include <filesystem>

namespace pennatran {

struct TAppFolders {
  std::filesystem::path AppDir;              // the executable's folder
  std::filesystem::path SettingsPath;        // <executable name>.dat
  std::filesystem::path SourceScratch;       // source side's images
  std::filesystem::path DestinationScratch;  // destination side's images
};

// Beside the executable when its folder can be written; otherwise the settings file goes to
// configDir and the scratch folders to dataDir, so that an installed program still keeps
// its settings and can extract (and later re-embed) images.
TAppFolders ResolveAppFolders(const std::filesystem::path& executablePath,
                              bool executableFolderWritable, const std::filesystem::path& configDir,
                              const std::filesystem::path& dataDir);

// True when a file can be created in the folder (checked by creating and deleting one).
bool IsFolderWritable(const std::filesystem::path& folder);

// The folders of the running program, with Qt's per-user locations as the fallback.
// Needs a QCoreApplication.
TAppFolders RunningAppFolders();

// Conversions between Qt strings and file system paths without loss on any platform.
std::filesystem::path ToFsPath(const QString& path);
QString FromFsPath(const std::filesystem::path& path);

}  // namespace pennatran
