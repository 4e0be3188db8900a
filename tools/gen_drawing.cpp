// Writes a synthetic version 7.00 drawing: gen_drawing OUT.jww ENTITIES [SEED]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "jww/jww_data.h"
#include "synthetic/synthetic_drawing.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: gen_drawing OUT.jww ENTITIES [SEED]\n");
    return 2;
  }
  const long long count = std::atoll(argv[2]);
  const unsigned long seed = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 1;
  if (!pennatran::SaveSyntheticDrawing(argv[1], count, static_cast<uint32_t>(seed))) {
    std::fprintf(stderr, "gen_drawing: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
