// The window program started from a shell: its help needs no display, and its first size
// fits a small screen at a scale of 2.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "cli/cli_runner.h"
#include "support/jww_builder.h"

namespace pennatran::testing {
namespace {

using WindowStartTest = CliTest;

TEST_F(WindowStartTest, HelpIsAnsweredWithoutADisplay) {
  const struct {
    std::string Locale;
    std::string Argument;
    std::string FirstLine;
  } cases[] = {
      {"C.UTF-8", "--help", "Usage: pennatran [DESTINATION]"},
      {"de_DE.UTF-8", "-h", "Usage: pennatran [DESTINATION]"},
      {"ja_JP.UTF-8", "--help", "使い方: pennatran [コピー先]"},
  };
  for (const auto& c : cases) {
    Locale = c.Locale;
    const TCliResult r = Run({c.Argument}, {"DISPLAY", "WAYLAND_DISPLAY"}, PENNATRAN_WINDOW);
    EXPECT_EQ(r.ExitCode, 0) << c.Locale;
    EXPECT_EQ(r.Out.substr(0, r.Out.find('\n')), c.FirstLine) << c.Locale;
    EXPECT_NE(r.Out.find("--version"), std::string::npos) << c.Locale;
    EXPECT_EQ(r.Err, "") << c.Locale;
  }
}

// Width and height of a PNG file, from its header.
std::optional<std::pair<int, int>> PngSize(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) return std::nullopt;
  const auto number = [&](size_t at) {
    int value = 0;
    for (size_t i = at; i < at + 4; ++i) value = value * 256 + static_cast<unsigned char>(bytes[i]);
    return value;
  };
  return std::make_pair(number(16), number(20));
}

// 1920 by 1080 device pixels at a scale of 2: the default 600 by 600 would be 1200 by 1200
// and hide the button bar below the screen's edge.
TEST_F(WindowStartTest, TheFirstWindowFitsASmallScreenAtScaleTwo) {
  const std::string screens = PathOf("screens.json");
  std::ofstream(screens) << R"({"screens": [{"name": "small", "x": 0, "y": 0, )"
                         << R"("width": 1920, "height": 1080, "logicalDpi": 96}]})";
  const std::string drawing = WriteFile("a.jww", TJwwBuilder::Drawing(SampleDocument()));
  const std::string picture = PathOf("window.png");
  const std::string platform = "offscreen:configfile=" + screens;
  const char* previousPlatform = std::getenv("QT_QPA_PLATFORM");
  const std::string restore = previousPlatform != nullptr ? previousPlatform : "";
  setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
  setenv("QT_SCALE_FACTOR", "2", 1);
  const TCliResult r = Run({"--screenshot", picture, drawing, drawing}, {}, PENNATRAN_WINDOW);
  unsetenv("QT_SCALE_FACTOR");
  if (previousPlatform != nullptr)
    setenv("QT_QPA_PLATFORM", restore.c_str(), 1);
  else
    unsetenv("QT_QPA_PLATFORM");
  ASSERT_EQ(r.ExitCode, 0) << r.Err;
  const auto size = PngSize(picture);
  ASSERT_TRUE(size.has_value());
  EXPECT_EQ(size->first, 1200);
  EXPECT_LE(size->second, 1080);
  EXPECT_GE(size->second, 1000);
}

}  // namespace
}  // namespace pennatran::testing
