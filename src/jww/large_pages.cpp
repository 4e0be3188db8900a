// The only place that speaks to the system's virtual memory; elsewhere the advice is a
// no-op and large blocks are merely aligned.
#include "jww/large_pages.h"
#include "jww/untouched_memory.h"

#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace pennatran {

void* AllocateLarge(size_t bytes) {
  if (bytes < kLargeBlockBytes) return ::operator new(bytes);
  if (bytes > SIZE_MAX - kLargePageBytes) throw std::bad_alloc();
  // Whole large pages, so the advice never reaches memory that is not this block's.
  const size_t rounded = (bytes + kLargePageBytes - 1) & ~(kLargePageBytes - 1);
  void* block = ::operator new (rounded, std::align_val_t{kLargePageBytes});
  AdviseLargePages(block, rounded);
  return block;
}

void FreeLarge(void* block, size_t bytes) noexcept {
  if (bytes < kLargeBlockBytes) {
    ::operator delete(block);
  } else {
    ::operator delete (block, std::align_val_t{kLargePageBytes});
  }
}

void AdviseLargePages([[maybe_unused]] const void* data, [[maybe_unused]] size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  const auto start = reinterpret_cast<uintptr_t>(data);
  const uintptr_t first = (start + kLargePageBytes - 1) & ~(kLargePageBytes - 1);
  const uintptr_t last = (start + bytes) & ~(kLargePageBytes - 1);
  // Advice only: a refusal (large pages not configured) leaves ordinary pages, which work
  // the same.
  if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

void ReleaseLargePages([[maybe_unused]] void* data, [[maybe_unused]] size_t bytes) {
#if defined(__linux__) && defined(MADV_DONTNEED)
  const auto start = reinterpret_cast<uintptr_t>(data);
  const uintptr_t first = (start + kLargePageBytes - 1) & ~(kLargePageBytes - 1);
  const uintptr_t last = (start + bytes) & ~(kLargePageBytes - 1);
  if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_DONTNEED);
#endif
}

bool UntouchedMemoryIsFree() {
#if defined(__linux__) || defined(__APPLE__)
  return true;
#else
  return false;
#endif
}

}  // namespace pennatran
