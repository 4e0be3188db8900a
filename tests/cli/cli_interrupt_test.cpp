// Interrupting a copy (Ctrl-C, SIGTERM, SIGHUP) leaves neither its scratch folders with the
// drawing's images nor a partial save behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
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
    EXPECT_GE(scratchFolders, 1) << signal;  // the destination's, at least
    ::kill(pid, signal);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
    EXPECT_TRUE(fs::is_empty(tmp)) << signal;
    EXPECT_FALSE(HasEntryStartingWith(out, temporary)) << signal;
  }
}

bool HasTemporaryBelow(const fs::path& folder) {
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with("pennatran-") && name.ends_with(".tmp")) return true;
  }
  return false;
}

// Two workers save and back up many drawings, each with an image for a scratch folder; a
// signal at any moment must leave no worker's temporary file or scratch folder behind.
TEST_F(InterruptTest, EachSignalDuringAParallelApplyLeavesNothingBehind) {
  TJwwData doc = SampleDocument();
  doc.Header.Version = 700;
  for (TEntJwwColorExNo& color : doc.ColorExNos) color.Name.clear();
  const fs::path tree = Folder / "tree";
  for (int i = 0; i < 300; ++i) {
    TJwwBuilder b(700);
    b.Header(doc).EntitySection(doc).Images({{"photo.bmp", "BM-drawing-bytes"}});
    fs::create_directories(tree / std::to_string(i % 10));
    WriteFile("tree/" + std::to_string(i % 10) + "/d" + std::to_string(i) + ".jww", b.Bytes());
  }
  // Two sources in turn, so that every round has every drawing to save.
  std::vector<std::string> sources;
  for (uint32_t color : {0x123456u, 0x654321u}) {
    TJwwData source = doc;
    source.ColorExNos[17].ScreenColor = color;
    sources.push_back(
        WriteFile("source" + std::to_string(color) + ".jww", TJwwBuilder::Drawing(source)));
  }
  const fs::path tmp = Folder / "tmp";
  fs::create_directories(tmp);

  std::mt19937 random(20261208);
  std::uniform_int_distribution<int> delayMs(10, 800);
  int round = 0;
  for (int repeat = 0; repeat < 4; ++repeat) {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
      const pid_t pid = Start({"apply", sources[static_cast<size_t>(round++ % 2)], tree.string(),
                               "--in-place", "--backup", "--jobs", "2"},
                              tmp);
      ASSERT_GT(pid, 0);
      std::this_thread::sleep_for(std::chrono::milliseconds(delayMs(random)));
      ::kill(pid, signal);
      int status = 0;
      ASSERT_EQ(::waitpid(pid, &status, 0), pid);
      EXPECT_TRUE(WIFSIGNALED(status) || WIFEXITED(status)) << signal;
      EXPECT_FALSE(HasTemporaryBelow(tree)) << signal;
      EXPECT_TRUE(fs::is_empty(tmp)) << signal;
    }
  }
}

}  // namespace
}  // namespace pennatran::testing
