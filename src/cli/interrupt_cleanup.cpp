// The platform adapter of the interrupt cleanup. On POSIX the signals are blocked in
// every thread and one thread waits for them, so the cleanup runs as ordinary code
// rather than inside a signal handler.
#include "cli/interrupt_cleanup.h"

#include <mutex>
#include <system_error>
#include <vector>

#include "jww/atomic_file.h"

#ifndef _WIN32
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <thread>
#endif

namespace pennatran {
namespace {

namespace fs = std::filesystem;

struct TCleanupList {
  std::mutex Lock;
  std::vector<fs::path> Folders;
  std::vector<fs::path> SaveFolders;
};

TCleanupList& List() {
  static TCleanupList list;
  return list;
}

void RemoveOwnTemporaries(const fs::path& folder) {
  std::error_code ec;
  for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end;
       !ec && it != end; it.increment(ec)) {
    std::error_code ignored;
    if (IsOwnTemporary(it->path())) fs::remove(it->path(), ignored);
  }
}

void CleanUp() {
  TCleanupList& list = List();
  std::lock_guard<std::mutex> hold(list.Lock);
  std::error_code ec;
  for (const fs::path& folder : list.Folders) fs::remove_all(folder, ec);
  for (const fs::path& folder : list.SaveFolders) RemoveOwnTemporaries(folder);
}

#ifndef _WIN32
sigset_t InterruptSignals() {
  sigset_t signals;
  sigemptyset(&signals);
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&signals, signal);
  return signals;
}

// Waits for one of the signals, cleans up, then ends the process with that signal so
// that whoever started it sees how it ended.
void WaitForInterrupt() {
  const sigset_t signals = InterruptSignals();
  int received = 0;
  while (sigwait(&signals, &received) != 0) {
  }
  CleanUp();
  ::signal(received, SIG_DFL);
  sigset_t just;
  sigemptyset(&just);
  sigaddset(&just, received);
  pthread_sigmask(SIG_UNBLOCK, &just, nullptr);
  ::raise(received);
  ::_exit(128 + received);
}
#endif

}  // namespace

void InstallInterruptCleanup() {
#ifndef _WIN32
  const sigset_t signals = InterruptSignals();
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  std::thread(WaitForInterrupt).detach();
#endif
}

void CleanUpFolderOnInterrupt(const fs::path& folder) {
  TCleanupList& list = List();
  std::lock_guard<std::mutex> hold(list.Lock);
  list.Folders.push_back(folder);
}

void ForgetFolderOnInterrupt(const fs::path& folder) {
  TCleanupList& list = List();
  std::lock_guard<std::mutex> hold(list.Lock);
  std::erase(list.Folders, folder);
}

TScratchWatch InterruptScratchWatch() {
  return {CleanUpFolderOnInterrupt, ForgetFolderOnInterrupt};
}

void CleanUpSavesOnInterrupt(const fs::path& target) {
  const fs::path folder = SaveDestination(target).parent_path();
  TCleanupList& list = List();
  std::lock_guard<std::mutex> hold(list.Lock);
  list.SaveFolders.push_back(folder);
}

}  // namespace pennatran
