// The plain file operations the reader and writer are measured against.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace pennatran::bench {

// Reads the whole file into memory.
std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path);
// Reads the whole file into a fresh buffer obtained the way the drawing reader obtains its
// own (not zero-filled, in large pages), so a comparison with a load measures the
// parsing and not a difference in memory handling. Returns the byte count.
size_t ReadLikeTheLoader(const std::filesystem::path& path);
// ReadLikeTheLoader, then copies the file's bytes over `recordBytes` of fresh memory
// obtained the same way, as often as they fit: the least a load that builds records of that
// size from the file must do, with no parsing at all.
size_t ReadAndFillLikeTheLoader(const std::filesystem::path& path, size_t recordBytes);
// Writes bytes to a new file, flushes and syncs it to disk, as a durable save does.
bool WriteFileDurably(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

}  // namespace pennatran::bench
