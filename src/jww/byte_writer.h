// The writer side of the archive primitives: fixed-width numbers, the two string and count
// forms, class tags and the one object counter, over a small byte sink.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pennatran {

// Where written bytes go. A sink may offer a window of memory that Put fills directly, so
// the many small values of the archive cost a copy each, not a call through the interface;
// PutSlow takes whatever does not fit (and everything, for a sink without a window).
class TByteSink {
 public:
  virtual ~TByteSink() = default;
  // Returns false when the sink could not take all of the bytes.
  bool Put(const void* data, size_t size) {
    if (size != 0 && size <= static_cast<size_t>(WindowEnd - Cursor)) {
      std::memcpy(Cursor, data, size);
      Cursor += size;
      return true;
    }
    return PutSlow(data, size);
  }

 protected:
  virtual bool PutSlow(const void* data, size_t size) = 0;
  // The free part of the window; both null for a sink without one.
  char* Cursor = nullptr;
  char* WindowEnd = nullptr;
};

// Collects the bytes in memory.
class TStringSink final : public TByteSink {
 public:
  std::string Bytes;

 protected:
  bool PutSlow(const void* data, size_t size) override {
    Bytes.append(static_cast<const char*>(data), size);
    return true;
  }
};

// A write that could not be completed; it unwinds to the save, which then fails.
class TWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes little-endian values to a sink and numbers the objects of the entity section.
// Every method throws TWriteError when the sink refuses bytes or a value has no encoding.
class TByteWriter {
 public:
  // schema is written as the schema number of every class this writer introduces.
  TByteWriter(TByteSink& sink, uint16_t schema) : Sink(sink), Schema(schema) {}

  void U8(uint8_t v) { Raw(&v, 1); }
  void U16(uint16_t v) { Raw(&v, 2); }
  void U32(uint32_t v) { Raw(&v, 4); }
  void I32(int32_t v) { Raw(&v, 4); }
  void F64(double v) { Raw(&v, 8); }
  void Raw(const void* data, size_t size) {
    if (size == 0) return;
    if (!Sink.Put(data, size)) throw TWriteError("the file refused a write");
    Written += size;
  }
  void Zeros(size_t size);

  // A string in the one-byte form (its Shift-JIS bytes) unless the writer writes two-byte
  // strings or the string holds a character that only the two-byte form (UTF-16) stores.
  // The length: u8 up to 254; else 255 and a u16 up to hex FFFD; else 255, hex FFFF and a
  // u32. The two-byte form puts 255 and hex FFFE first and counts UTF-16 units.
  void String(std::string_view s);
  // Whether every string goes out in the two-byte form (a drawing read with such strings).
  void SetTwoByteStrings(bool twoByte) { TwoByteStrings = twoByte; }
  // u16 up to 65534, else hex FFFF and a u32.
  void Count(uint32_t n);

  // Hex FFFF, the schema, the u16-prefixed name. The class takes the current object number
  // (returned) and the counter advances.
  uint32_t NewClass(std::string_view name);
  // A class introduced before: hex 8000 + number up to 32766, else hex 7FFF and the number
  // with its top bit set.
  void ClassRef(uint32_t number);
  // Counts one object (entity or block definition) just written.
  void CountObject() { ++NextObject; }

  uint32_t NextObjectNumber() const { return NextObject; }
  uint64_t BytesWritten() const { return Written; }

 private:
  TByteSink& Sink;
  uint16_t Schema;
  uint32_t NextObject = 1;
  uint64_t Written = 0;
  bool TwoByteStrings = false;
  void Length(uint64_t n);
};

}  // namespace pennatran
