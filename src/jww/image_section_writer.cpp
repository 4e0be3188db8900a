#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "jww/image_files.h"
#include "jww/jww_writer.h"
#include "jww/string_rules.h"

namespace pennatran {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kImageReference = "^@BM%temp%";
constexpr size_t kImagePiece = 2048;

// Upper-cases one-byte letters only: the second byte of a two-byte character can look like
// a letter, and changing it would make a different character.
std::string UpperSjis(std::string_view s) {
  std::string out(s);
  for (size_t i = 0; i < out.size(); i += CharLength(out, i)) {
    const auto byte = static_cast<uint8_t>(out[i]);
    if (byte >= 'a' && byte <= 'z') out[i] = static_cast<char>(byte - 'a' + 'A');
  }
  return out;
}

// The upper-cased file name a text refers to, or empty when it refers to no image.
std::string ReferencedName(const TEntJwwText& text) {
  std::string_view content = text.Content.View();
  if (content.size() <= kImageReference.size() || !content.starts_with(kImageReference)) return {};
  size_t comma = content.find(',', kImageReference.size());
  if (comma == std::string_view::npos) return {};
  return UpperSjis(content.substr(kImageReference.size(), comma - kImageReference.size()));
}

// Marks the first entry whose upper-cased name begins with the reference: a reference to
// a.bmp finds an entry a.bmp.gz.
void MarkReference(const TEntJwwText& text, const std::vector<std::string>& upperNames,
                   std::vector<bool>& marked) {
  std::string reference = ReferencedName(text);
  if (reference.empty()) return;
  for (size_t i = 0; i < upperNames.size(); ++i) {
    if (upperNames[i].starts_with(reference)) {
      marked[i] = true;
      return;
    }
  }
}

// Every text of the drawing counts, and so does every text of every block definition, also
// of those the save leaves out.
void MarkTexts(const TRecordArray<TEntJwwText>& texts, const std::vector<std::string>& upperNames,
               std::vector<bool>& marked) {
  for (const TEntJwwText& text : texts) MarkReference(text, upperNames, marked);
}

struct TEmbeddedImage {
  const TBindImageType* Entry;
  fs::path File;
  uint32_t Size;
};

// The referenced entries whose files are there to be read. A vanished file, an unsafe
// name, a link (it could lead anywhere) or a file too large for the format's size field is
// left out; without an image folder there is nothing to embed.
std::vector<TEmbeddedImage> ImagesToEmbed(const TJwwData& doc) {
  if (doc.ImageFolder.empty()) return {};
  std::vector<std::string> upperNames;
  upperNames.reserve(doc.ImageList.size());
  for (const TBindImageType& entry : doc.ImageList) upperNames.push_back(UpperSjis(entry.Name));

  std::vector<bool> marked(doc.ImageList.size(), false);
  MarkTexts(doc.Texts, upperNames, marked);
  for (const TEntJwwBlockDef& def : doc.BlockDefs) MarkTexts(def.Texts, upperNames, marked);

  std::vector<TEmbeddedImage> images;
  for (size_t i = 0; i < marked.size(); ++i) {
    const TBindImageType& entry = doc.ImageList[i];
    if (!marked[i] || !IsSafeImageName(entry.Name)) continue;
    fs::path file = ImageFilePath(doc.ImageFolder, entry.Name);
    std::error_code ec;
    if (!fs::is_regular_file(fs::symlink_status(file, ec))) continue;
    uintmax_t size = fs::file_size(file, ec);
    if (ec || size > UINT32_MAX) continue;
    images.push_back({&entry, file, static_cast<uint32_t>(size)});
  }
  return images;
}

void CopyFileBytes(const TEmbeddedImage& image, TByteWriter& out) {
  std::ifstream in(image.File, std::ios::binary);
  if (!in) throw TWriteError("an image file could not be opened");
  std::vector<char> piece(kImagePiece);
  uint32_t left = image.Size;
  while (left > 0) {
    size_t want = left < kImagePiece ? left : kImagePiece;
    if (!in.read(piece.data(), static_cast<std::streamsize>(want))) {
      throw TWriteError("an image file became shorter while it was saved");
    }
    out.Raw(piece.data(), want);
    left -= static_cast<uint32_t>(want);
  }
}

}  // namespace

void WriteImageSection(const TJwwData& doc, TByteWriter& out) {
  std::vector<TEmbeddedImage> images = ImagesToEmbed(doc);
  out.U32(static_cast<uint32_t>(images.size()));
  for (const TEmbeddedImage& image : images) {
    out.String(image.Entry->Name);
    out.U32(image.Size);
    CopyFileBytes(image, out);
  }
}

}  // namespace pennatran
