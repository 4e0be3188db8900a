#include "palette/backup_file.h"

#include <fstream>
#include <stdexcept>
#include <vector>

namespace pennatran {

bool WriteBackup(const std::filesystem::path& original, const std::filesystem::path& backup,
                 TSaveError* error, const TMakingGuard& guard) {
  std::ifstream in(original, std::ios::binary);
  if (!in) {
    if (error != nullptr) *error = {TSaveFailure::Other, "opening the drawing to copy it"};
    return false;
  }
  TAtomicWriteOptions options;
  options.Links = TLinkPolicy::Replace;
  options.AttributesOf = original;
  options.Guard = guard;
  const auto copy = [&in](TByteSink& sink) {
    std::vector<char> piece(size_t{1} << 16);
    while (in) {
      in.read(piece.data(), static_cast<std::streamsize>(piece.size()));
      const auto got = static_cast<size_t>(in.gcount());
      if (got > 0 && !sink.Put(piece.data(), got)) throw std::runtime_error("the copy was refused");
    }
    if (!in.eof()) throw std::runtime_error("reading the drawing failed");
  };
  return WriteFileAtomically(backup, copy, error, options);
}

}  // namespace pennatran
