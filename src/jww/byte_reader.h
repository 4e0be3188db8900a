// The one cursor through which every part of the reader takes bytes from a drawing held in
// memory. Every read checks the bytes left first; a read past the end throws TReadError.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "jww/jww_types.h"
#include "jww/load_error.h"

namespace pennatran {

// A read that could not be completed: Error.Offset is where the failed read began. The
// reader's parts fill in Error.Place as the error passes them.
class TReadError : public std::runtime_error {
 public:
  explicit TReadError(TLoadError error)
      : std::runtime_error(LoadErrorText(error)), Error(std::move(error)) {}
  TLoadError Error;
};

// Throws e again, saying the part of the drawing the read was in.
[[noreturn]] void RethrowAt(const TReadError& e, TLoadPlace place, uint32_t index = 0,
                            int32_t entityKind = 0, uint32_t blockDefinition = 0);

// What a class tag said. Number is the class's object number: the number just given to a
// new class, or the one a reference names; 0 when the tag names no class.
struct TClassTag {
  bool IsNew = false;
  uint32_t Number = 0;
  std::string_view Name;  // new classes only; points into the reader's bytes
};

class TByteReader {
 public:
  // The reader does not own the bytes; they must outlive it.
  TByteReader(const uint8_t* data, size_t size) : Data(data), Size(size) {}

  size_t Offset() const { return Position; }
  size_t Remaining() const { return Size - Position; }

  uint8_t U8() { return Load<uint8_t>(); }
  uint16_t U16() { return Load<uint16_t>(); }
  uint32_t U32() { return Load<uint32_t>(); }
  int32_t I32() { return Load<int32_t>(); }
  double F64() { return Load<double>(); }
  // Copies n bytes into dest.
  void Raw(void* dest, size_t n) {
    Require(n);
    if (n > 0) std::memcpy(dest, Data + Position, n);
    Position += n;
  }
  // The next n bytes, valid as long as the underlying buffer.
  std::string_view Bytes(size_t n) {
    Require(n);
    const std::string_view view(reinterpret_cast<const char*>(Data) + Position, n);
    Position += n;
    return view;
  }
  void Skip(size_t n) { Bytes(n); }

  // A string exactly as stored (either form), in its in-memory form.
  SjisString RawString();
  // A string after the reader cleaning.
  SjisString CleanString();
  // A string after the reader cleaning, whole, into a text's string: in its record when
  // short (the rest of the buffer zero), else in the string store.
  void CleanShortString(TShortString& out);
  // Passes over a string.
  void SkipString() {
    const TStringHead head = StringHead();
    Skip(head.ByteLength());
  }
  // Where CleanShortString keeps strings too long for their records; none cuts them to
  // what a record holds (TShortString::kInRecord bytes).
  void SetStringStore(TStringStore* store) { Store = store; }
  // True when the last string read or passed over was in the two-byte form.
  bool LastStringWasTwoByte() const { return LastTwoByte; }
  // An element count: u16, or hex FFFF followed by u32.
  uint32_t Count();

  // Reads a class tag. A new class takes the current object number and advances the
  // counter; references leave the counter alone.
  TClassTag Tag() {
    const uint16_t word = U16();
    // Nearly every tag is a short reference to a class met before.
    if ((word & kClassFlag) != 0 && word != kNewClassTag)
      return {false, static_cast<uint32_t>(word - kClassFlag), {}};
    return TagOtherThanShortReference(word);
  }
  // Counts one object read (entity or block definition).
  void AdvanceObject() { ++ObjectCounter; }
  uint32_t NextObjectNumber() const { return ObjectCounter; }

  // Throws TReadError unless n bytes are left.
  void Require(size_t n) const {
    if (n > Remaining()) FailAtEnd();
  }

 private:
  // One little-endian value of a fixed-width type.
  template <typename T>
  T Load() {
    T v;
    Raw(&v, sizeof v);
    return v;
  }
  [[noreturn]] void FailAtEnd() const;
  TClassTag TagOtherThanShortReference(uint16_t word);
  static constexpr uint16_t kNewClassTag = 0xFFFF;
  static constexpr uint16_t kClassFlag = 0x8000;
  // A string's length prefix: u8; 255 then u16; hex FFFF then u32. After 255, the u16
  // hex FFFE marks the two-byte form, whose length in UTF-16 units follows in the same way.
  struct TStringHead {
    size_t Length = 0;
    bool TwoByte = false;
    size_t ByteLength() const { return TwoByte ? 2 * Length : Length; }
  };
  TStringHead StringHead();
  // The bytes of the string the head announced, in the in-memory form.
  SjisString StringBody(const TStringHead& head);
  const uint8_t* Data;
  size_t Size;
  size_t Position = 0;
  uint32_t ObjectCounter = 1;
  bool LastTwoByte = false;
  TStringStore* Store = nullptr;
};

}  // namespace pennatran
