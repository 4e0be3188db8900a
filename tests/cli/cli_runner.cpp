#include "cli/cli_runner.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace pennatran::testing {
namespace {

std::string Quote(const std::string& arg) {
#ifdef _WIN32
  return "\"" + arg + "\"";
#else
  std::string quoted = "'";
  for (char c : arg) {
    if (c == '\'')
      quoted += "'\\''";
    else
      quoted += c;
  }
  return quoted + "'";
#endif
}

// Two runs of the suite at once (two build folders, two checkouts) must not share folders.
const std::string& RunTag() {
  static const std::string tag = std::to_string(std::random_device{}());
  return tag;
}

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

void CliTest::SetUp() {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "_" + info->name();
  for (char& c : name)
    if (c == '/') c = '_';
  Folder = std::filesystem::path(::testing::TempDir()) / ("pennatran_cli_" + RunTag() + "_" + name);
  std::filesystem::remove_all(Folder);
  std::filesystem::create_directories(Folder);
}

void CliTest::TearDown() {
  std::error_code ec;
  std::filesystem::remove_all(Folder, ec);
}

TCliResult CliTest::Run(const std::vector<std::string>& args, const std::vector<std::string>& unset,
                        const std::string& program) const {
  std::string command = "env";
  for (const std::string& name : unset) command += " -u " + Quote(name);
  command += " LC_ALL=" + Quote(Locale) + " " + Quote(program);
  for (const std::string& arg : args) command += " " + Quote(arg);
  const std::filesystem::path out = Folder / "stdout.txt", err = Folder / "stderr.txt";
  command += " >" + Quote(out.string()) + " 2>" + Quote(err.string());
  const int status = std::system(command.c_str());
  TCliResult result;
#ifdef _WIN32
  result.ExitCode = status;
#else
  result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
  result.Out = ReadAll(out);
  result.Err = ReadAll(err);
  return result;
}

std::string CliTest::WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) const {
  const std::filesystem::path path = Folder / name;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return path.string();
}

TJwwData CliTest::Load(const std::string& path, bool* loaded) const {
  TJwwData doc;
  doc.ImageFolder = Folder / "loaded_images";
  std::filesystem::create_directories(doc.ImageFolder);
  const bool ok = doc.LoadFromFile(path);
  if (loaded) *loaded = ok;
  return doc;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace pennatran::testing
