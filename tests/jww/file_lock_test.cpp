// The drawing lock: a holder keeps others out until it lets go, and a file replaced while
// a waiter takes the lock is not the one the waiter ends up holding.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "jww/file_lock.h"

namespace pennatran {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

class FileLockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Folder = fs::temp_directory_path() / ("pennatran_file_lock_" + std::to_string(::getpid()));
    fs::remove_all(Folder);
    fs::create_directories(Folder);
    File = Folder / "plan.jww";
    std::ofstream(File) << "old";
  }
  void TearDown() override { fs::remove_all(Folder); }
  fs::path Folder, File;
};

TEST_F(FileLockTest, AHeldFileIsBusyUntilReleased) {
  TFileLock first, second;
  ASSERT_EQ(first.Acquire(File, milliseconds(0)), TLockOutcome::Locked);
  EXPECT_EQ(second.Acquire(File, milliseconds(60)), TLockOutcome::Busy);
  EXPECT_FALSE(second.Held());
  first.Release();
  EXPECT_EQ(second.Acquire(File, milliseconds(0)), TLockOutcome::Locked);
  EXPECT_TRUE(second.Held());
}

TEST_F(FileLockTest, APathThatNamesNoFileHasNothingToWaitFor) {
  TFileLock lock;
  EXPECT_EQ(lock.Acquire(Folder / "new.jww", milliseconds(0)), TLockOutcome::Locked);
  EXPECT_FALSE(lock.Held());
}

// A save renames its new file over the path between the waiter's open and its lock: the
// waiter must try again and hold the new file, which a third party then finds busy.
TEST_F(FileLockTest, AFileReplacedBeforeTheLockIsOpenedAgain) {
  int opened = 0;
  TFileLock waiter;
  const auto replaceOnce = [&] {
    if (++opened != 1) return;
    std::ofstream(Folder / "new.tmp") << "new";
    fs::rename(Folder / "new.tmp", File);
  };
  ASSERT_EQ(waiter.Acquire(File, milliseconds(0), replaceOnce), TLockOutcome::Locked);
  EXPECT_EQ(opened, 2);
  TFileLock third;
  EXPECT_EQ(third.Acquire(File, milliseconds(0)), TLockOutcome::Busy);
}

}  // namespace
}  // namespace pennatran
