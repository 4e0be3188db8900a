// Drawings named on the window's command line open in the halves a file manager expects.
#include <QDir>
#include <QFileInfo>
#include <filesystem>

#include "app/command_line_files.h"
#include "window_fixture.h"

namespace pennatran::testing {
namespace {

using CommandLineFilesTest = WindowTest;

TEST_F(CommandLineFilesTest, OneFileIsTheDestinationTwoAreSourceAndDestination) {
  const QString source = WriteDrawing("source.jww", SourceDrawing());
  const QString destination = WriteDrawing("destination.jww", DestinationDrawing());
  const struct {
    QStringList Files;
    QString Source;
    QString Destination;
  } cases[] = {
      {{destination}, QString(), destination},
      {{source, destination}, source, destination},
      {{source, destination, source}, QString(), QString()},
  };
  for (const auto& c : cases) {
    // Each start is a first start: no paths remembered from the one before.
    std::filesystem::remove(Folders.SettingsPath);
    CreateWindow();
    OpenCommandLineFiles(*Window, c.Files);
    EXPECT_EQ(Caption("sourcePathPanel"), c.Source) << c.Files.size();
    EXPECT_EQ(Caption("destinationPathPanel"), c.Destination) << c.Files.size();
    EXPECT_EQ(List("sourceColorList")->count() > 0, !c.Source.isEmpty()) << c.Files.size();
    EXPECT_EQ(List("destinationColorList")->count() > 0, !c.Destination.isEmpty())
        << c.Files.size();
    CloseWindow();
  }
}

TEST_F(CommandLineFilesTest, RelativePathsAreTakenFromTheCurrentFolder) {
  const QString destination = WriteDrawing("relative.jww", DestinationDrawing());
  const QString previous = QDir::currentPath();
  QDir::setCurrent(QFileInfo(destination).path());
  CreateWindow();
  OpenCommandLineFiles(*Window, {QStringLiteral("relative.jww")});
  QDir::setCurrent(previous);
  EXPECT_EQ(QFileInfo(Caption("destinationPathPanel")), QFileInfo(destination));
  EXPECT_TRUE(QFileInfo(Caption("destinationPathPanel")).isAbsolute());
}

}  // namespace
}  // namespace pennatran::testing
