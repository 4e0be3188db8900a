// Running a piece of hostile work in a child process, under a bound of memory and time.
#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>

#include "hardening_support.h"

namespace pennatran::testing {

// The address space the child may add to what the test program already has.
constexpr rlim_t kChildMemoryHeadroom = rlim_t{1} << 30;
// Generous: a sanitizer build loads many times slower than a normal one.
constexpr unsigned kChildSeconds = 120;

inline rlim_t AddressSpaceInUse() {
  unsigned long pages = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%lu", &pages) != 1) pages = 0;
    std::fclose(f);
  }
  return static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE));
}

// Runs work in a forked child whose exit status is work's result. Outside sanitizer builds
// the child's address space is limited; SIGALRM ends a child that runs too long. Succeeds
// when the child exited with 0.
inline ::testing::AssertionResult RunsWithinBounds(const std::function<int()>& work,
                                                   const std::function<void()>& limits = {}) {
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid < 0) return ::testing::AssertionFailure() << "fork failed";
  if (pid == 0) {
    if (!kSanitized) {
      const rlim_t bound = AddressSpaceInUse() + kChildMemoryHeadroom;
      const rlimit limit{bound, bound};
      ::setrlimit(RLIMIT_AS, &limit);
    }
    if (limits) limits();
    ::alarm(kChildSeconds);
    int code = 99;
    try {
      code = work();
    } catch (...) {
      code = 98;  // nothing may escape a load, a draw or a save
    }
    std::fflush(nullptr);
    ::_exit(code);
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return ::testing::AssertionSuccess();
  if (WIFEXITED(status)) {
    return ::testing::AssertionFailure() << "child exited with " << WEXITSTATUS(status);
  }
  return ::testing::AssertionFailure() << "child ended by signal " << WTERMSIG(status)
                                       << (WTERMSIG(status) == SIGALRM ? " (time-out)" : "");
}

}  // namespace pennatran::testing
