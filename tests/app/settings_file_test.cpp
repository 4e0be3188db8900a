// The settings file on its own, and where the program keeps it.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <sstream>
#include <string>

#include "app/app_folders.h"
#include "app/settings_file.h"

namespace pennatran {
namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
 protected:
  fs::path Write(const std::string& content) {
    const fs::path path = fs::path(Dir.path().toStdString()) / "pennatran.dat";
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }
  std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  QTemporaryDir Dir;
};

TEST_F(SettingsFileTest, NonNumericFirstLineGivesZeroAndTheRestReadsNormally) {
  const TWindowSettings s = LoadSettings(
      Write("left\r\n30\r\n700\r\n500\r\n310\r\n150\r\n140\r\n100\r\n90\r\n/a/src.jww\r\n"
            "/b/ユーザー.jww\r\n"));
  EXPECT_EQ(s.Left, 0);
  EXPECT_EQ(s.Top, 30);
  EXPECT_EQ(s.Width, 700);
  EXPECT_EQ(s.Height, 500);
  EXPECT_EQ(s.SourceHalfWidth, 310);
  EXPECT_EQ(s.SourcePreviewHeight, 150);
  EXPECT_EQ(s.DestinationPreviewHeight, 140);
  EXPECT_EQ(s.SourceColorListHeight, 100);
  EXPECT_EQ(s.DestinationColorListHeight, 90);
  EXPECT_EQ(s.SourcePath, QStringLiteral("/a/src.jww"));
  EXPECT_EQ(s.DestinationPath, QStringLiteral("/b/ユーザー.jww"));
}

TEST_F(SettingsFileTest, MissingLinesReadAsEmpty) {
  const TWindowSettings s = LoadSettings(Write("10\r\n20\r\n800\r\n640\r\n"));
  EXPECT_EQ(s.Left, 10);
  EXPECT_EQ(s.Height, 640);
  EXPECT_EQ(s.SourceHalfWidth, 0);
  EXPECT_EQ(s.SourcePreviewHeight, 0);
  EXPECT_EQ(s.DestinationPreviewHeight, 0);
  EXPECT_EQ(s.SourceColorListHeight, 0);
  EXPECT_EQ(s.DestinationColorListHeight, 0);
  EXPECT_TRUE(s.SourcePath.isEmpty());
  EXPECT_TRUE(s.DestinationPath.isEmpty());
  // An empty file reads as eleven empty lines; lines may also end in LF alone.
  EXPECT_EQ(LoadSettings(Write("")).Width, 0);
  EXPECT_EQ(LoadSettings(Write("1\n2\n3\n4\n5\n6\n7\n8\n9\n/s\n/d")).DestinationPath,
            QStringLiteral("/d"));
}

TEST_F(SettingsFileTest, NumbersAreWholeDecimalsOrZero) {
  const std::pair<const char*, int32_t> rows[] = {
      {"12", 12},        {"-7", -7},  {"+5", 5},          {" 42 ", 42}, {"", 0},
      {"1.5", 0},        {"12px", 0}, {"0x10", 0},        {"--1", 0},   {"2147483647", 2147483647},
      {"2147483648", 0}, {"-", 0},    {"\xEF\xBC\x91", 0}};
  for (const auto& [text, value] : rows) EXPECT_EQ(SettingsNumber(text), value) << text;
}

TEST_F(SettingsFileTest, WritesElevenCrLfLinesThatReadBack) {
  TWindowSettings s;
  s.Left = -3;
  s.Width = 1024;
  s.DestinationColorListHeight = 77;
  s.SourcePath = QStringLiteral("/図面/元.jww");
  const fs::path path = fs::path(Dir.path().toStdString()) / "out.dat";
  ASSERT_TRUE(SaveSettings(path, s));
  EXPECT_EQ(Read(path),
            "-3\r\n24\r\n1024\r\n600\r\n300\r\n160\r\n160\r\n120\r\n77\r\n/図面/元.jww\r\n\r\n");
  const TWindowSettings back = LoadSettings(path);
  EXPECT_EQ(back.Left, -3);
  EXPECT_EQ(back.Width, 1024);
  EXPECT_EQ(back.DestinationColorListHeight, 77);
  EXPECT_EQ(back.SourcePath, s.SourcePath);
}

TEST(AppFoldersTest, SettingsLiveInTheConfigurationFolder) {
  const TAppFolders folders = ResolveAppFolders("/opt/pt/bin/pennatran.exe", "/home/u/.config/P");
  EXPECT_EQ(folders.SettingsPath, fs::path("/home/u/.config/P/pennatran.dat"));
  EXPECT_EQ(folders.OldSettingsPath, fs::path("/opt/pt/bin/pennatran.dat"));
}

// An earlier version's file beside the executable is taken over once; one already in the
// configuration folder wins, and an old file that cannot move is still read.
TEST_F(SettingsFileTest, TheOldSettingsFileIsMovedOnce) {
  const fs::path root = Dir.path().toStdString();
  fs::create_directories(root / "bin");
  const TAppFolders folders = ResolveAppFolders(root / "bin" / "pennatran", root / "cfg" / "P");
  const auto write = [](const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  };

  EXPECT_EQ(TakeOverOldSettings(folders), folders.SettingsPath);
  EXPECT_FALSE(fs::exists(folders.SettingsPath));

  write(folders.OldSettingsPath, "40\r\n");
  EXPECT_EQ(TakeOverOldSettings(folders), folders.SettingsPath);
  EXPECT_EQ(Read(folders.SettingsPath), "40\r\n");
  EXPECT_FALSE(fs::exists(folders.OldSettingsPath));

  write(folders.OldSettingsPath, "50\r\n");
  EXPECT_EQ(TakeOverOldSettings(folders), folders.SettingsPath);
  EXPECT_EQ(Read(folders.SettingsPath), "40\r\n");
  fs::remove(folders.SettingsPath);

  // A configuration folder that cannot be made: a file stands where it would go.
  fs::remove_all(root / "cfg");
  write(root / "cfg", "");
  EXPECT_EQ(TakeOverOldSettings(folders), folders.OldSettingsPath);
  EXPECT_EQ(LoadSettings(TakeOverOldSettings(folders)).Left, 50);
}

}  // namespace
}  // namespace pennatran
