#include "app/app_folders.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <system_error>

namespace pennatran {

namespace fs = std::filesystem;

TAppFolders ResolveAppFolders(const fs::path& executablePath, const fs::path& configDir) {
  TAppFolders folders;
  folders.SettingsPath = configDir / "pennatran.dat";
  fs::path oldName = executablePath.filename();
  oldName.replace_extension(".dat");
  folders.OldSettingsPath = executablePath.parent_path() / oldName;
  return folders;
}

fs::path TakeOverOldSettings(const TAppFolders& folders) {
  std::error_code ec;
  if (fs::exists(folders.SettingsPath, ec) || !fs::is_regular_file(folders.OldSettingsPath, ec))
    return folders.SettingsPath;
  fs::create_directories(folders.SettingsPath.parent_path(), ec);
  fs::rename(folders.OldSettingsPath, folders.SettingsPath, ec);
  if (!ec) return folders.SettingsPath;
  // Another file system, or a folder this user may not change (an installed program):
  // the copy is what later starts read.
  if (!fs::copy_file(folders.OldSettingsPath, folders.SettingsPath, ec) || ec)
    return folders.OldSettingsPath;
  fs::remove(folders.OldSettingsPath, ec);
  return folders.SettingsPath;
}

TAppFolders RunningAppFolders() {
  return ResolveAppFolders(
      ToFsPath(QCoreApplication::applicationFilePath()),
      ToFsPath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)));
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
