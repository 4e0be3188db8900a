#include "app/app_folders.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <fstream>
#include <system_error>

namespace pennatran {

namespace fs = std::filesystem;

TAppFolders ResolveAppFolders(const fs::path& executablePath, bool executableFolderWritable,
                              const fs::path& configDir, const fs::path& dataDir) {
  TAppFolders folders;
  folders.AppDir = executablePath.parent_path();
  fs::path settingsName = executablePath.filename();
  settingsName.replace_extension(".dat");
  const fs::path& settingsFolder = executableFolderWritable ? folders.AppDir : configDir;
  const fs::path& scratchFolder = executableFolderWritable ? folders.AppDir : dataDir;
  folders.SettingsPath = settingsFolder / settingsName;
  folders.SourceScratch = scratchFolder / "TEMP";
  folders.DestinationScratch = scratchFolder / "TEMP2";
  return folders;
}

bool IsFolderWritable(const fs::path& folder) {
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return false;
  const fs::path probe = folder / ".pennatran-write-probe";
  bool created = false;
  {
    std::ofstream out(probe, std::ios::binary | std::ios::trunc);
    created = out.good();
  }
  fs::remove(probe, ec);
  return created;
}

TAppFolders RunningAppFolders() {
  const fs::path executable = ToFsPath(QCoreApplication::applicationFilePath());
  const bool writable = IsFolderWritable(executable.parent_path());
  fs::path configDir;
  fs::path dataDir;
  if (!writable) {
    configDir = ToFsPath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    dataDir = ToFsPath(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
    std::error_code ec;
    fs::create_directories(configDir, ec);
    fs::create_directories(dataDir, ec);
  }
  return ResolveAppFolders(executable, writable, configDir, dataDir);
}

fs::path ToFsPath(const QString& path) {
#ifdef _WIN32
  return fs::path(path.toStdWString());
#else
  return fs::path(QFile::encodeName(path).toStdString());
#endif
}

QString FromFsPath(const fs::path& path) {
#ifdef _WIN32
  return QString::fromStdWString(path.wstring());
#else
  return QFile::decodeName(QByteArray::fromStdString(path.string()));
#endif
}

}  // namespace pennatran
