// A save that runs out of disk part-way leaves the previous file byte for byte and no
// temporary file beside it. The full disk is a small file-size limit in a child process.
#include <gtest/gtest.h>

#include <csignal>

#include "child_process.h"
#include "hardening_support.h"
#include "support/jww_builder.h"

namespace pennatran {
namespace {

namespace fs = std::filesystem;
using namespace pennatran::testing;

class FullDisk : public ::testing::TestWithParam<rlim_t> {
 protected:
  void SetUp() override {
    Folder = fs::temp_directory_path() / ("pennatran_full_disk_" + std::to_string(::getpid()));
    fs::remove_all(Folder);
    fs::create_directories(Folder);
  }
  void TearDown() override { fs::remove_all(Folder); }
  fs::path Folder;
};

TEST_P(FullDisk, KeepsThePreviousFile) {
  const fs::path target = Folder / "drawing.jww";
  TJwwData previous = SampleDocument();
  Append(previous, MakeText(0, 0, "previous"));
  ASSERT_TRUE(previous.SaveToFile(target, 700));
  const std::vector<uint8_t> before = ReadBytes(target);

  TJwwData large = SampleDocument();
  for (int i = 0; i < 20000; ++i) Append(large, MakeLine(i, 0, i, 10));
  const rlim_t room = GetParam();
  EXPECT_TRUE(RunsWithinBounds([&] { return large.SaveToFile(target, 700) ? 1 : 0; },
                               [room] {
                                 // A write past the limit then fails with EFBIG instead of
                                 // ending the process.
                                 std::signal(SIGXFSZ, SIG_IGN);
                                 const rlimit limit{room, room};
                                 ::setrlimit(RLIMIT_FSIZE, &limit);
                               }));
  EXPECT_EQ(ReadBytes(target), before);
  EXPECT_EQ(FilesIn(Folder), std::vector<fs::path>{target});
}

// No room at all, room for part of the header, and room for most of the entities.
INSTANTIATE_TEST_SUITE_P(Limits, FullDisk, ::testing::Values(0, 4096, 600000));

}  // namespace
}  // namespace pennatran
