// The input of a fuzz run in an allocation of its own, so that AddressSanitizer sees any
// read past its end.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>

namespace pennatran::fuzzing {

struct TFuzzInput {
  TFuzzInput(const uint8_t* data, size_t size) : Bytes(new uint8_t[size ? size : 1]), Size(size) {
    if (size) std::memcpy(Bytes.get(), data, size);
  }
  std::unique_ptr<uint8_t[]> Bytes;
  size_t Size;
};

}  // namespace pennatran::fuzzing
