// Interrupting a copy (Ctrl-C, SIGTERM, SIGHUP) leaves neither its scratch folders with the
// drawing's images nor a partial save behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "cli/cli_runner.h"
#include "support/jww_builder.h"

namespace pennatran::testing {
namespace {

namespace fs = std::filesystem;

// Starts the command line with its scratch folders under tmp and its output discarded.
pid_t Start(std::vector<std::string> args, const fs::path& tmp) {
  args.insert(args.begin(), PENNATRAN_CLI);
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::setenv("TMPDIR", tmp.c_str(), 1);
    if (!std::freopen("/dev/null", "w", stdout) || !std::freopen("/dev/null", "w", stderr)) {
      ::_exit(97);
    }
    ::execv(argv[0], argv.data());
    ::_exit(96);
  }
  return pid;
}

bool HasEntryStartingWith(const fs::path& folder, const std::string& prefix) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().filename().string().starts_with(prefix)) return true;
  }
  return false;
}

class InterruptTest : public CliTest {};

TEST_F(InterruptTest, EachSignalRemovesTheScratchFoldersAndThePartialSave) {
  // Large enough that the save takes a while, with an image for the scratch folder.
  TJwwData big = SampleDocument();
  for (int i = 0; i < 400000; ++i) Append(big, MakeLine(i, 0, i, 10));
  TJwwBuilder b(700);
  b.Header(big).EntitySection(big).Images({{"photo.bmp", "BM-destination-bytes"}});
  const std::string destination = WriteFile("big.jww", b.Bytes());
  const std::string source = WriteFile("source.jww", TJwwBuilder::Drawing(SampleDocument()));
  const fs::path tmp = Folder / "tmp";
  const fs::path out = Folder / "out";
  fs::create_directories(tmp);
  fs::create_directories(out);

  for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
    const pid_t pid = Start(
        {"copy", source, destination, "-o", (out / "o.jww").string(), "--colors", "all"}, tmp);
    ASSERT_GT(pid, 0);
    const std::string temporary = "pennatran-" + std::to_string(pid) + "-";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!HasEntryStartingWith(out, temporary) && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::yield();
    }
    // The save is under way: the scratch folders are private to this user.
    int scratchFolders = 0;
    for (const auto& entry : fs::recursive_directory_iterator(tmp)) {
      const fs::perms expected = entry.is_directory()
                                     ? fs::perms::owner_all
                                     : fs::perms::owner_read | fs::perms::owner_write;
      EXPECT_EQ(entry.status().permissions(), expected) << entry.path();
      scratchFolders += entry.is_directory() ? 1 : 0;
    }
    EXPECT_EQ(scratchFolders, 2) << signal;
    ::kill(pid, signal);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
    EXPECT_TRUE(fs::is_empty(tmp)) << signal;
    EXPECT_FALSE(HasEntryStartingWith(out, temporary)) << signal;
  }
}

}  // namespace
}  // namespace pennatran::testing
