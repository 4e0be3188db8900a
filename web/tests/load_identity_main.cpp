// Loads drawings whole, cut short and with bytes changed, saves what loaded completely, and
// prints one line a load: load_identity OUT_FOLDER FILE... The browser build (32-bit sizes,
// its own C++ library, exceptions through JavaScript) must print the native build's lines:
// make test-web compares them.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "jww/jww_data.h"

namespace pennatran {
namespace {

std::vector<uint8_t> ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint64_t Fnv1a(const std::vector<uint8_t>& bytes) {
  uint64_t hash = 14695981039346656037u;
  for (const uint8_t b : bytes) hash = (hash ^ b) * 1099511628211u;
  return hash;
}

void Load(const std::filesystem::path& out, const std::string& label,
          const std::vector<uint8_t>& bytes) {
  TJwwData doc;
  const bool complete = doc.LoadFromBytes(bytes.data(), bytes.size(), "load.jww");
  std::printf("%s %d %llu [%s] %d %d %d %d %d %d %d %d", label.c_str(), complete ? 1 : 0,
              static_cast<unsigned long long>(doc.LoadError.Offset),
              LoadErrorText(doc.LoadError).c_str(), doc.LineCount(), doc.ArcCount(),
              doc.PointCount(), doc.TextCount(), doc.DimensionCount(), doc.SolidCount(),
              doc.InsertCount(), doc.BlockDefCount());
  if (complete) {
    const std::filesystem::path saved = out / "saved.jww";
    const bool written = doc.SaveToFile(saved, 700);
    std::printf(" saved %d %016llx", written ? 1 : 0,
                static_cast<unsigned long long>(written ? Fnv1a(ReadFile(saved)) : 0));
  }
  std::printf("\n");
}

}  // namespace
}  // namespace pennatran

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: load_identity OUT_FOLDER FILE...\n");
    return 2;
  }
  const std::filesystem::path out = argv[1];
  uint64_t state = 0x9E3779B97F4A7C15u;
  const auto next = [&] {
    state = state * 6364136223846793005u + 1442695040888963407u;
    return static_cast<uint32_t>(state >> 33);
  };
  for (int i = 2; i < argc; ++i) {
    const std::vector<uint8_t> bytes = pennatran::ReadFile(argv[i]);
    const std::string name = std::filesystem::path(argv[i]).filename().string();
    pennatran::Load(out, name + " whole", bytes);
    constexpr size_t kCuts = 97;
    for (size_t cut = 0; cut < kCuts && !bytes.empty(); ++cut) {
      const size_t size = bytes.size() * cut / kCuts;
      const std::vector<uint8_t> part(bytes.begin(), bytes.begin() + static_cast<long>(size));
      pennatran::Load(out, name + " cut " + std::to_string(size), part);
    }
    for (int change = 0; change < 200 && !bytes.empty(); ++change) {
      std::vector<uint8_t> changed = bytes;
      const size_t at = next() % changed.size();
      changed[at] = static_cast<uint8_t>(next());
      pennatran::Load(out, name + " byte " + std::to_string(at) + "=" + std::to_string(changed[at]),
                      changed);
    }
  }
  return 0;
}
