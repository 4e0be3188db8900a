// Loads arbitrary bytes as a drawing and saves what was read into memory: the writer meets
// whatever the reader kept.
#include "fuzz/fuzz_input.h"
#include "jww/jww_data.h"
#include "jww/jww_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const pennatran::fuzzing::TFuzzInput input(data, size);
  pennatran::TJwwData doc;
  doc.LoadFromBytes(input.Bytes.get(), input.Size, "fuzz.jww");
  pennatran::TStringSink saved;
  try {
    pennatran::WriteJww(doc, saved, 700);
  } catch (const pennatran::TWriteError&) {
    // A value with no encoding refuses the save; that is an answer, not a fault.
  }
  return 0;
}
