// Loads a drawing from bytes already in memory and prints the median time:
// load_from_memory_bench FILE [ENTITIES]. The file is first written as a synthetic drawing
// of ENTITIES entities when it does not exist. Built natively and for node, so that
// make bench can set the browser build's load against the native one on the same bytes.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "jww/jww_data.h"
#include "median_time.h"
#include "synthetic/synthetic_drawing.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: load_from_memory_bench FILE [ENTITIES]\n");
    return 2;
  }
  const std::filesystem::path file = argv[1];
  const long long entities = argc > 2 ? std::atoll(argv[2]) : 1000000;
  if (!std::filesystem::exists(file) && !pennatran::SaveSyntheticDrawing(file, entities, 7)) {
    std::fprintf(stderr, "load_from_memory_bench: cannot write %s\n", argv[1]);
    return 1;
  }
  std::ifstream in(file, std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>()};
  bool complete = true;
  const double seconds = pennatran::bench::MedianSeconds(5, [&] {
    pennatran::TJwwData doc;
    complete = doc.LoadFromBytes(bytes.data(), bytes.size(), "bench.jww") && complete;
  });
  if (!complete) {
    std::fprintf(stderr, "load_from_memory_bench: %s did not load completely\n", argv[1]);
    return 1;
  }
  std::printf("load_from_memory_seconds %.4f\n", seconds);
  return 0;
}
