// Runs the built pennatran-cli and collects what it printed, for the command line tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "jww/jww_data.h"

namespace pennatran::testing {

struct TCliResult {
  int ExitCode = -1;
  std::string Out;
  std::string Err;
};

// Runs the command line with args (each passed as one argument) in a fresh scratch folder.
class CliTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs the command line, or the program given, with the variables in unset removed
  // from its environment.
  TCliResult Run(const std::vector<std::string>& args, const std::vector<std::string>& unset = {},
                 const std::string& program = PENNATRAN_CLI) const;
  // A file of the scratch folder.
  std::string PathOf(const std::string& name) const { return (Folder / name).string(); }
  // Writes bytes to a file of the scratch folder and returns its path.
  std::string WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) const;
  // Loads a drawing the command line wrote, extracting its images into the scratch folder.
  TJwwData Load(const std::string& path, bool* loaded = nullptr) const;

  std::filesystem::path Folder;
  // The locale the command line runs under (LC_ALL), so that its language does not depend
  // on the machine running the tests.
  std::string Locale = "C.UTF-8";
};

// Splits text into lines (without their line feeds).
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace pennatran::testing
