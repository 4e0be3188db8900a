// Loads arbitrary bytes as a drawing: the reader and the block tree meet hostile input. The
// fastest target, so that a short fuzz run tries the most inputs.
#include "fuzz/fuzz_input.h"
#include "jww/jww_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const pennatran::fuzzing::TFuzzInput input(data, size);
  pennatran::TJwwData doc;  // no image folder: images are listed but never written
  doc.LoadFromBytes(input.Bytes.get(), input.Size, "fuzz.jww");
  return 0;
}
