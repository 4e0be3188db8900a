// The one cursor through which every part of the reader takes bytes from a drawing held in
// memory. Every read checks the bytes left first; a read past the end throws TReadError.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "jww/jww_types.h"

namespace pennatran {

// A read that could not be completed: Offset is where the failed read began.
class TReadError : public std::runtime_error {
 public:
  TReadError(uint64_t offset, const std::string& description)
      : std::runtime_error(description), Offset(offset) {}
  uint64_t Offset;
};

// What a class tag said. Number is the class's object number: the number just given to a
// new class, or the one a reference names; 0 when the tag names no class.
struct TClassTag {
  bool IsNew = false;
  uint32_t Number = 0;
  std::string Name;  // new classes only
};

class TByteReader {
 public:
  // The reader does not own the bytes; they must outlive it.
  TByteReader(const uint8_t* data, size_t size) : Data(data), Size(size) {}

  size_t Offset() const { return Position; }
  size_t Remaining() const { return Size - Position; }

  uint8_t U8();
  uint16_t U16();
  uint32_t U32();
  int32_t I32();
  double F64();
  // Copies n bytes into dest.
  void Raw(void* dest, size_t n);
  // The next n bytes, valid as long as the underlying buffer.
  std::string_view Bytes(size_t n);
  void Skip(size_t n) { Bytes(n); }

  // A length-prefixed string exactly as stored.
  SjisString RawString();
  // A length-prefixed string after the reader cleaning.
  SjisString CleanString();
  // An element count: u16, or hex FFFF followed by u32.
  uint32_t Count();

  // Reads a class tag. A new class takes the current object number and advances the
  // counter; references leave the counter alone.
  TClassTag Tag();
  // Counts one object read (entity or block definition).
  void AdvanceObject() { ++ObjectCounter; }
  uint32_t NextObjectNumber() const { return ObjectCounter; }

  // Throws TReadError unless n bytes are left.
  void Require(size_t n) const;

 private:
  // One little-endian value of a fixed-width type.
  template <typename T>
  T Load() {
    T v;
    Raw(&v, sizeof v);
    return v;
  }
  // The length of a string: u8, or 255 followed by u16.
  size_t StringLength();
  const uint8_t* Data;
  size_t Size;
  size_t Position = 0;
  uint32_t ObjectCounter = 1;
};

}  // namespace pennatran
