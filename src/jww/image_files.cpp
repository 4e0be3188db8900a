#include "jww/image_files.h"

#include <algorithm>
#include <fstream>
#include <new>
#include <string>

#include "jww/text_encoding.h"

namespace pennatran {
namespace {

namespace fs = std::filesystem;

// Each entry is at least a one-byte name length and a four-byte size.
constexpr size_t kMinImageEntryBytes = 5;

std::string_view Trimmed(std::string_view s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

bool HasGzExtension(std::string_view name) {
  if (name.size() < 3) return false;
  const std::string_view ext = name.substr(name.size() - 3);
  return ext[0] == '.' && (ext[1] == 'g' || ext[1] == 'G') && (ext[2] == 'z' || ext[2] == 'Z');
}

// Writes one extracted image; a file that cannot be written completely is removed again.
void WriteImageFile(const fs::path& path, std::string_view bytes) {
  std::error_code ec;
  // Never write through a link planted in the folder.
  if (fs::is_symlink(fs::symlink_status(path, ec))) fs::remove(path, ec);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out.is_open()) return;
  // A drawing's images are for this user only, before a byte of them is written.
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write, ec);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) fs::remove(path, ec);
}

// Removes folder / name when it is a file; directories and unsafe names are left alone.
void RemoveImageFile(const fs::path& folder, std::string_view name) {
  if (!IsSafeImageName(name)) return;
  const fs::path path = ImageFilePath(folder, name);
  std::error_code ec;
  const fs::file_status status = fs::symlink_status(path, ec);
  if (ec || !fs::exists(status) || fs::is_directory(status)) return;
  fs::remove(path, ec);
}

}  // namespace

bool IsSafeImageName(std::string_view sjisName) {
  const std::string utf8 = SjisToUtf8(sjisName);
  const std::string_view name = Trimmed(utf8);
  // Bytes without a character cannot name a file faithfully: two such names would meet.
  if (name.empty() || name == "." || name == ".." || name.find("\uFFFD") != std::string::npos)
    return false;
  for (const char c : utf8) {
    if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20) return false;
  }
  const fs::path path(std::u8string(utf8.begin(), utf8.end()));
  return !path.is_absolute() && !path.has_root_path();
}

fs::path ImageFilePath(const fs::path& folder, std::string_view sjisName) {
  const std::string utf8 = SjisToUtf8(sjisName);
  return folder / fs::path(std::u8string(utf8.begin(), utf8.end()));
}

void ReadImageSection(TByteReader& in, TJwwData& doc) {
  doc.ClearImageList();
  int32_t count = 0;
  try {
    count = in.I32();
  } catch (const TReadError& e) {
    RethrowAt(e, TLoadPlace::ImageCount);
  }
  if (count <= 0) return;
  // The count is only a claim: the entries are read up to the cut, and room is reserved
  // for no more of them than the bytes left could hold.
  doc.ImageList.reserve(
      std::min<size_t>(static_cast<size_t>(count), in.Remaining() / kMinImageEntryBytes));
  for (int32_t i = 0; i < count; ++i) {
    try {
      TBindImageType entry;
      entry.Name = in.CleanString();
      const uint32_t size = in.U32();
      entry.Size = static_cast<int32_t>(size);
      if (!entry.Name.empty() && size != 0) {
        const std::string_view bytes = in.Bytes(size);
        try {
          entry.Bytes.assign(bytes);
        } catch (const std::bad_alloc&) {
          throw TReadError(
              LoadErrorAt(TLoadFailure::ImageMemory, in.Offset(), SjisToUtf8(entry.Name)));
        }
        if (!doc.ImageFolder.empty() && IsSafeImageName(entry.Name)) {
          WriteImageFile(ImageFilePath(doc.ImageFolder, entry.Name), bytes);
        }
      }
      doc.ImageList.push_back(std::move(entry));
    } catch (const TReadError& e) {
      RethrowAt(e, TLoadPlace::Image, static_cast<uint32_t>(i + 1));
    }
  }
}

void WriteImageFiles(const TJwwData& doc) {
  if (doc.ImageFolder.empty()) return;
  for (const TBindImageType& entry : doc.ImageList) {
    if (!entry.Bytes.empty() && IsSafeImageName(entry.Name))
      WriteImageFile(ImageFilePath(doc.ImageFolder, entry.Name), entry.Bytes);
  }
}

void TJwwData::DeleteImageFiles() const {
  if (ImageFolder.empty()) return;
  for (const TBindImageType& entry : ImageList) {
    if (HasGzExtension(entry.Name)) RemoveImageFile(ImageFolder, entry.Name);
  }
  for (const TBindImageType& entry : ImageList) {
    std::string_view name = entry.Name;
    if (HasGzExtension(name)) name.remove_suffix(3);
    RemoveImageFile(ImageFolder, name);
  }
}

}  // namespace pennatran
