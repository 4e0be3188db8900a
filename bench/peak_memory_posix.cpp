#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "peak_memory.h"

namespace pennatran::bench {
namespace {

// Current resident set in bytes, from /proc (the high-water mark is reset by the kernel
// only per process, so the child measures its own growth).
int64_t ResidentHighWater() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stoll(line.substr(6)) * 1024;
  }
  return -1;
}

int64_t Resident() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stoll(line.substr(6)) * 1024;
  }
  return -1;
}

}  // namespace

int64_t PeakResidentAdded(const std::function<void()>& work) {
  int fds[2];
  if (pipe(fds) != 0) return -1;
  const pid_t pid = fork();
  if (pid < 0) return -1;
  if (pid == 0) {
    close(fds[0]);
    // Reset the high-water mark to the present so the measure is the work's alone.
    if (FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
      std::fputs("5", f);
      std::fclose(f);
    }
    const int64_t before = Resident();
    work();
    const int64_t added = ResidentHighWater() - before;
    if (write(fds[1], &added, sizeof added) != sizeof added) _exit(1);
    _exit(0);
  }
  close(fds[1]);
  int64_t added = -1;
  if (read(fds[0], &added, sizeof added) != sizeof added) added = -1;
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  return added;
}

}  // namespace pennatran::bench
