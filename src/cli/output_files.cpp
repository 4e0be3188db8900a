#include "cli/output_files.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

#include "interrupt/interrupt_cleanup.h"
#include "jww/atomic_file.h"
#include "jww/jww_reader.h"

namespace pennatran {

namespace fs = std::filesystem;

bool IsSameFile(const std::string& input, const std::string& output) {
  const fs::path destination = SaveDestination(output);
  std::error_code ec;
  if (fs::equivalent(input, destination, ec)) return true;
  const fs::path a = fs::weakly_canonical(input, ec);
  if (ec) return false;
  const fs::path b = fs::weakly_canonical(destination, ec);
  return !ec && a == b;
}

bool IsDrawingFile(const std::string& file) {
  std::error_code ec;
  if (!fs::is_regular_file(file, ec)) return false;
  std::ifstream in(fs::path(file), std::ios::binary);
  std::string start(kJwwSignature.size(), '\0');
  return in.read(start.data(), static_cast<std::streamsize>(start.size())) &&
         start == kJwwSignature;
}

bool FolderExists(const std::string& file) {
  const fs::path folder = SaveDestination(file).parent_path();
  std::error_code ec;
  return fs::is_directory(folder.empty() ? fs::path(".") : folder, ec);
}

bool WriteBytes(const std::string& path, std::string_view bytes) {
  CleanUpSavesOnInterrupt(path);
  return WriteFileAtomically(fs::path(path), [&](TByteSink& sink) {
    if (!sink.Put(bytes.data(), bytes.size())) throw std::runtime_error("write refused");
  });
}

}  // namespace pennatran
