// Memory for the large arrays of a drawing. A fresh page costs a trap into the system on
// first touch, and a drawing of a million entities touches a few hundred megabytes right
// after allocating them, so large blocks are aligned to the system's large pages and ask
// to be backed by them where the system offers them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace pennatran {

constexpr size_t kLargePageBytes = size_t{2} << 20;
// Blocks from this size on are large-page aligned, rounded up to whole large pages and
// advised; smaller ones come from the ordinary heap. Below a large page the rounding costs
// memory, so only blocks that would otherwise take hundreds of ordinary pages qualify.
constexpr size_t kLargeBlockBytes = kLargePageBytes / 4;

// Throws std::bad_alloc like operator new. Free with FreeLarge and the same byte count.
void* AllocateLarge(size_t bytes);
void FreeLarge(void* block, size_t bytes) noexcept;

// Tells the system that the whole large pages inside [data, data + bytes) will be filled
// soon; does nothing where the system has no such facility.
void AdviseLargePages(const void* data, size_t bytes);

// Gives the whole large pages inside [data, data + bytes) back to the system; they read as
// zero afterwards. Does nothing where the system has no such facility.
void ReleaseLargePages(void* data, size_t bytes);

// A byte buffer that is not zero-filled (for bytes about to be overwritten by a read).
class TLargeBuffer {
 public:
  explicit TLargeBuffer(size_t bytes)
      : Block(static_cast<uint8_t*>(AllocateLarge(bytes))), Bytes(bytes) {}
  ~TLargeBuffer() { FreeLarge(Block, Bytes); }
  TLargeBuffer(const TLargeBuffer&) = delete;
  TLargeBuffer& operator=(const TLargeBuffer&) = delete;

  uint8_t* Data() const { return Block; }
  size_t Size() const { return Bytes; }
  // Gives back the memory of bytes before `offset` that will not be read again, in whole
  // large pages; those bytes read as zero afterwards.
  void ReleaseBefore(size_t offset) {
    if (Bytes < kLargeBlockBytes || offset > Bytes) return;  // small blocks are not aligned
    const size_t end = offset & ~(kLargePageBytes - 1);
    if (end <= Released) return;
    ReleaseLargePages(Block + Released, end - Released);
    Released = end;
  }

 private:
  uint8_t* Block;
  size_t Bytes;
  size_t Released = 0;
};

}  // namespace pennatran
