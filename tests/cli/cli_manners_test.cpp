// What both programs print when nothing is wrong: their version, and no platform chatter.
#include <gtest/gtest.h>

#include "cli/cli_runner.h"
#include "support/jww_builder.h"

namespace pennatran::testing {
namespace {

using MannersTest = CliTest;

TEST_F(MannersTest, BothProgramsPrintTheirVersion) {
  const struct {
    std::string Program;
    std::string Expected;
  } cases[] = {
      {PENNATRAN_CLI, "pennatran-cli " PENNATRAN_VERSION "\n"},
      {PENNATRAN_WINDOW, "pennatran " PENNATRAN_VERSION "\n"},
  };
  for (const auto& c : cases) {
    // The window answers without a display.
    const TCliResult r = Run({"--version"}, {"DISPLAY", "WAYLAND_DISPLAY"}, c.Program);
    EXPECT_EQ(r.ExitCode, 0) << c.Program;
    EXPECT_EQ(r.Out, c.Expected);
    EXPECT_EQ(r.Err, "");
  }
}

// A terminal without a login session has neither a runtime folder nor a platform chosen.
TEST_F(MannersTest, CommandsPrintNothingOnStderrWithoutASession) {
  const std::string drawing = WriteFile("quiet.jww", TJwwBuilder::Drawing(SampleDocument()));
  const std::vector<std::string> unset = {"XDG_RUNTIME_DIR", "QT_QPA_PLATFORM"};
  const std::vector<std::vector<std::string>> commands = {
      {"info", drawing, "--json"},
      {"colors", drawing},
      {"preview", drawing, "-o", PathOf("quiet.png")},
  };
  for (const std::vector<std::string>& args : commands) {
    const TCliResult r = Run(args, unset);
    EXPECT_EQ(r.ExitCode, 0) << args[0];
    EXPECT_EQ(r.Err, "") << args[0];
  }
}

}  // namespace
}  // namespace pennatran::testing
