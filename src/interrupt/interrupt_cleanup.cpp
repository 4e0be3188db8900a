// The platform adapter of the interrupt cleanup. On POSIX the signals are blocked in
// every thread and one thread waits for them, so the cleanup runs as ordinary code
// rather than inside a signal handler.
#include "interrupt/interrupt_cleanup.h"

#include <mutex>
#include <set>
#include <shared_mutex>
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

// Worker threads make files and folders while the cleanup may run: each making holds
// Making shared, and the cleanup takes it for good, so that it finds every scratch folder
// and temporary file made before it and no thread makes another after it.
struct TCleanupList {
  std::shared_mutex Making;
  std::mutex Lock;
  std::vector<fs::path> Folders;
  std::set<fs::path> SaveFolders;
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

// A worker may still be putting an image into the folder while it is emptied; once the
// folder itself is gone, nothing can be put into it.
void RemoveFolder(const fs::path& folder) {
  constexpr int kAttempts = 1000;
  std::error_code ec;
  for (int i = 0; i < kAttempts && fs::exists(fs::symlink_status(folder, ec)); ++i)
    fs::remove_all(folder, ec);
}

void CleanUp() {
  TCleanupList& list = List();
  list.Making.lock();  // never given back: the process ends with the signal
  std::lock_guard<std::mutex> hold(list.Lock);
  for (const fs::path& folder : list.Folders) RemoveFolder(folder);
  for (const fs::path& folder : list.SaveFolders) RemoveOwnTemporaries(folder);
}

void HoldOffCleanUp(const std::function<void()>& make) {
  std::shared_lock<std::shared_mutex> hold(List().Making);
  make();
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
  return {CleanUpFolderOnInterrupt, ForgetFolderOnInterrupt, HoldOffCleanUp};
}

TMakingGuard InterruptMakingGuard() {
  return HoldOffCleanUp;
}

void CleanUpSavesOnInterrupt(const fs::path& target) {
  // A save writes beside the file a link names, a backup beside the link itself.
  const fs::path written = SaveDestination(target).parent_path();
  TCleanupList& list = List();
  std::lock_guard<std::mutex> hold(list.Lock);
  list.SaveFolders.insert(written);
  list.SaveFolders.insert(target.parent_path());
}

}  // namespace pennatran
