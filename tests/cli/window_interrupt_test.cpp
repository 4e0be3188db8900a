// A window ended by a signal removes the images it extracted, as the command line does.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "cli/cli_runner.h"
#include "support/jww_builder.h"

namespace pennatran::testing {
namespace {

namespace fs = std::filesystem;

bool ImageExtractedBelow(const fs::path& folder) {
  std::error_code ec;
  for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().filename() == "photo.bmp") return true;
  }
  return false;
}

class WindowInterruptTest : public CliTest {};

TEST_F(WindowInterruptTest, TermAndHangUpRemoveTheScratchFolders) {
  TJwwData doc = SampleDocument();
  Append(doc, MakeText(0, 0, "^@BM%temp%photo.bmp,40,30"));
  TJwwBuilder b(700);
  b.Header(doc).EntitySection(doc).Images({{"photo.bmp", "BM photo"}});
  const std::string drawing = WriteFile("drawing.jww", b.Bytes());
  const fs::path tmp = Folder / "tmp";
  const fs::path config = Folder / "config";
  // Qt makes its runtime folder below the temporary folder when none is given.
  const fs::path runtime = Folder / "runtime";
  fs::create_directories(tmp);
  fs::create_directories(runtime);
  fs::permissions(runtime, fs::perms::owner_all);
  for (int signal : {SIGTERM, SIGHUP}) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::setenv("TMPDIR", tmp.c_str(), 1);
      ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
      ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
      ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
      if (!std::freopen("/dev/null", "w", stdout) || !std::freopen("/dev/null", "w", stderr))
        ::_exit(97);
      ::execl(PENNATRAN_WINDOW, PENNATRAN_WINDOW, drawing.c_str(), static_cast<char*>(nullptr));
      ::_exit(96);
    }
    ASSERT_GT(pid, 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!ImageExtractedBelow(tmp) && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(ImageExtractedBelow(tmp)) << signal;
    ::kill(pid, signal);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
    EXPECT_TRUE(fs::is_empty(tmp)) << signal;
  }
}

}  // namespace
}  // namespace pennatran::testing
