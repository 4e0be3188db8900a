// The container of a drawing's entity records: a std::vector whose large blocks come
// from large-page memory (see large_pages.h). Everything else is std::vector's.
#pragma once

#include <cstddef>
#include <vector>

#include "jww/large_pages.h"

namespace pennatran {

template <typename T>
struct TRecordAllocator {
  using value_type = T;

  TRecordAllocator() = default;
  template <typename U>
  TRecordAllocator(const TRecordAllocator<U>&) noexcept {}

  T* allocate(size_t n) { return static_cast<T*>(AllocateLarge(n * sizeof(T))); }
  void deallocate(T* p, size_t n) noexcept { FreeLarge(p, n * sizeof(T)); }

  friend bool operator==(const TRecordAllocator&, const TRecordAllocator&) { return true; }
};

template <typename T>
using TRecordArray = std::vector<T, TRecordAllocator<T>>;

// Reserves room for `more` further records.
template <typename Record>
void ReserveRecords(TRecordArray<Record>& records, size_t more) {
  if (more > 0) records.reserve(records.size() + more);
}

}  // namespace pennatran
