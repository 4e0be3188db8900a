// Reads arbitrary text as a palette file: the hand-written checks meet hostile JSON.
#include <string>
#include <string_view>

#include "fuzz/fuzz_input.h"
#include "palette/palette_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const pennatran::fuzzing::TFuzzInput input(data, size);
  pennatran::TPalette palette;
  pennatran::TPaletteFileError error;
  pennatran::ReadPaletteJson(
      std::string_view(reinterpret_cast<const char*>(input.Bytes.get()), input.Size), palette,
      error);
  return 0;
}
