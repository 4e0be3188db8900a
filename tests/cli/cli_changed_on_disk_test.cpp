// A drawing copied into itself is not saved over what someone else wrote after its load.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "cli/cli_runner.h"
#include "support/jww_builder.h"

namespace pennatran::testing {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool HasEntryStartingWith(const fs::path& folder, const std::string& prefix) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().filename().string().starts_with(prefix)) return true;
  }
  return false;
}

class ChangedOnDiskTest : public CliTest {};

TEST_F(ChangedOnDiskTest, ACopyIntoItselfRefusesAFileWrittenSinceItsLoad) {
  // Large enough that its save takes a while.
  TJwwData big = SampleDocument();
  for (int i = 0; i < 400000; ++i) Append(big, MakeLine(i, 0, i, 10));
  const std::vector<uint8_t> bigBytes = TJwwBuilder::Drawing(big);
  const std::string destination = WriteFile("big.jww", bigBytes);
  const std::string source = WriteFile("source.jww", TJwwBuilder::Drawing(SampleDocument()));

  // Unchanged, it saves into itself as always.
  const TCliResult plain = Run({"copy", source, destination, "-o", destination, "--colors", "all"});
  EXPECT_EQ(plain.ExitCode, 0) << plain.Err;

  TJwwData other = SampleDocument();
  other.ColorExNos[17].Name = "written elsewhere";
  const std::vector<uint8_t> otherBytes = TJwwBuilder::Drawing(other);
  const std::string elsewhere = WriteFile("elsewhere.jww", otherBytes);
  const std::string errors = PathOf("errors.txt");
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::setenv("LC_ALL", "C.UTF-8", 1);
    if (!std::freopen("/dev/null", "w", stdout) || !std::freopen(errors.c_str(), "w", stderr))
      ::_exit(97);
    ::execl(PENNATRAN_CLI, PENNATRAN_CLI, "copy", source.c_str(), destination.c_str(), "-o",
            destination.c_str(), "--linetypes", "all", static_cast<char*>(nullptr));
    ::_exit(96);
  }
  ASSERT_GT(pid, 0);
  // Once its save is under way, another program replaces the drawing.
  const std::string temporary = "pennatran-" + std::to_string(pid) + "-";
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!HasEntryStartingWith(Folder, temporary) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::yield();
  fs::rename(elsewhere, destination);
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_EQ(ReadAll(errors), "図面ファイル「" + destination +
                                 "」の保存に失敗しました。保存先の図面ファイルは読み込んだ後にほか"
                                 "で書き換えられています。\n");
  EXPECT_EQ(ReadAll(destination), std::string(otherBytes.begin(), otherBytes.end()));
  EXPECT_FALSE(HasEntryStartingWith(Folder, temporary));
}

}  // namespace
}  // namespace pennatran::testing
