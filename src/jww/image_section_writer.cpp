#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "jww/jww_writer.h"
#include "jww/string_rules.h"
#include "jww/text_encoding.h"

namespace pennatran {
namespace {

constexpr std::string_view kImageReference = "^@BM%temp%";

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

// The entries the texts refer to, in list order.
std::vector<const TBindImageType*> ReferencedImages(const TJwwData& doc) {
  std::vector<std::string> upperNames;
  upperNames.reserve(doc.ImageList.size());
  for (const TBindImageType& entry : doc.ImageList) upperNames.push_back(UpperSjis(entry.Name));

  std::vector<bool> marked(doc.ImageList.size(), false);
  MarkTexts(doc.Texts, upperNames, marked);
  for (const TEntJwwBlockDef& def : doc.BlockDefs) MarkTexts(def.Texts, upperNames, marked);

  std::vector<const TBindImageType*> images;
  for (size_t i = 0; i < marked.size(); ++i) {
    if (marked[i]) images.push_back(&doc.ImageList[i]);
  }
  return images;
}

bool Held(const TBindImageType& image) {
  return image.Bytes.size() == static_cast<uint32_t>(image.Size);
}

}  // namespace

void WriteImageSection(const TJwwData& doc, TByteWriter& out) {
  const std::vector<const TBindImageType*> images = ReferencedImages(doc);
  for (const TBindImageType* image : images) {
    if (!Held(*image)) {
      throw TWriteError("the bytes of the image \"" + SjisToUtf8(image->Name) +
                        "\" are not held, and saving would drop it");
    }
  }
  out.U32(static_cast<uint32_t>(images.size()));
  for (const TBindImageType* image : images) {
    out.String(image->Name);
    out.U32(static_cast<uint32_t>(image->Size));
    out.Raw(image->Bytes.data(), image->Bytes.size());
  }
}

}  // namespace pennatran
