// The window's own folders: its settings in the user's configuration folder, its scratch
// folders private to each window.
#include <QCoreApplication>
#include <QListWidget>
#include <QTest>
#include <fstream>
#include <sstream>

#include "window_fixture.h"

namespace pennatran::testing {
namespace {

namespace fs = std::filesystem;

// Sets a variable for the life of the object.
class TEnvironmentVariable {
 public:
  // Unset while value is empty.
  TEnvironmentVariable(const char* name, const std::optional<QByteArray>& value) : Name(name) {
    if (qEnvironmentVariableIsSet(name)) Saved = qgetenv(name);
    if (value)
      qputenv(name, *value);
    else
      qunsetenv(name);
  }
  ~TEnvironmentVariable() {
    if (Saved)
      qputenv(Name, *Saved);
    else
      qunsetenv(Name);
  }

 private:
  const char* Name;
  std::optional<QByteArray> Saved;
};

class OwnFoldersTest : public WindowTest {
 protected:
  QByteArray Below(const char* name) const { return QFile::encodeName(PathIn(name)); }
};

TEST_F(OwnFoldersTest, SettingsGoToTheConfigurationFolderQtGives) {
  const QString name = QCoreApplication::applicationName();
  QCoreApplication::setApplicationName(QStringLiteral("Pennatran"));
  {
    TEnvironmentVariable home("HOME", Below("home"));
    TEnvironmentVariable unset("XDG_CONFIG_HOME", std::nullopt);
    EXPECT_EQ(RunningAppFolders().SettingsPath,
              ToFsPath(PathIn("home")) / ".config" / "Pennatran" / "pennatran.dat");
  }
  TEnvironmentVariable config("XDG_CONFIG_HOME", Below("xdg"));
  Folders = RunningAppFolders();
  QCoreApplication::setApplicationName(name);
  EXPECT_EQ(Folders.SettingsPath, ToFsPath(PathIn("xdg")) / "Pennatran" / "pennatran.dat");
  EXPECT_EQ(Folders.OldSettingsPath.parent_path(),
            ToFsPath(QCoreApplication::applicationDirPath()));
  const bool oldThere = fs::exists(Folders.OldSettingsPath);

  CreateWindow();
  CloseWindow();
  EXPECT_TRUE(fs::is_regular_file(Folders.SettingsPath));
  EXPECT_EQ(fs::exists(Folders.OldSettingsPath), oldThere);
  EXPECT_TRUE(ScratchFolders().empty());
}

TEST_F(OwnFoldersTest, AnEarlierVersionsSettingsAreReadOnceAndMoved) {
  std::ofstream(Folders.OldSettingsPath, std::ios::binary) << "40\r\n50\r\n640\r\n480\r\n";
  CreateWindow();
  EXPECT_EQ(Window->geometry(), QRect(40, 50, 640, 480));
  EXPECT_FALSE(fs::exists(Folders.OldSettingsPath));
  CloseWindow();
  EXPECT_TRUE(fs::is_empty(Folders.OldSettingsPath.parent_path()));
  EXPECT_TRUE(fs::is_regular_file(Folders.SettingsPath));
}

// Two windows at once: each has its own scratch folders, and one closing leaves the other's
// images where they are.
TEST_F(OwnFoldersTest, TwoWindowsKeepEachOthersImages) {
  TJwwData withImage = SourceDrawing();
  Append(withImage, MakeText(10, 10, "^@BM%temp%a.bmp,40,30"));
  const QString drawing = WriteDrawing("a.jww", withImage, 700, {{"a.bmp", "image"}});
  CreateWindow();
  Window->OpenSource(drawing);

  TFormEnvironment environment;
  environment.Folders =
      ResolveAppFolders(ToFsPath(PathIn("bin2")) / "pennatran", ToFsPath(PathIn("config2")));
  environment.PrinterResolution = [] { return std::optional<int32_t>(600); };
  auto second = std::make_unique<MainWindow>(std::move(environment));
  second->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(second.get()));
  second->OpenSource(drawing);
  second->OpenDestination(drawing);
  EXPECT_EQ(ScratchFolders().size(), 4u);
  int holding = 0;
  for (const fs::path& folder : ScratchFolders()) holding += fs::exists(folder / "a.bmp") ? 1 : 0;
  EXPECT_EQ(holding, 3);

  second->close();
  second.reset();
  const std::vector<fs::path> left = ScratchFolders();
  ASSERT_EQ(left.size(), 2u);
  holding = 0;
  for (const fs::path& folder : left) holding += fs::exists(folder / "a.bmp") ? 1 : 0;
  EXPECT_EQ(holding, 1);
  CloseWindow();
  EXPECT_TRUE(ScratchFolders().empty());
}

}  // namespace
}  // namespace pennatran::testing
