#include "render/full_width.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>
#include <unicode/utypes.h>

#include <memory>
#include <string>

#include "jww/text_encoding.h"
#include "render/text_codes.h"

namespace pennatran {

namespace {

// The string goes through the mapping in pieces of the first 126 half-width columns of
// what is left, so that a character is never split and each mapped piece fits a 256-byte
// buffer even when every character doubles. The window holds 126 columns of any kind of
// character (an escape takes four bytes for two columns).
constexpr int32_t kPieceBytes = 256;
constexpr int32_t kPieceColumns = 126;

SjisString MapPiece(const icu::Transliterator& mapping, std::string_view piece) {
  icu::UnicodeString text = icu::UnicodeString::fromUTF8(SjisToUtf8(piece));
  mapping.transliterate(text);
  std::string utf8;
  text.toUTF8String(utf8);
  return Utf8ToSjis(utf8);
}

// Building the mapping costs about a hundred times more than using it, and a preview may
// map a value for every dimension of every block placement, so each thread builds it once.
// It is never changed after that; null when ICU cannot provide it.
const icu::Transliterator* FullWidthMapping() {
  static thread_local const std::unique_ptr<icu::Transliterator> mapping = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> created(
        icu::Transliterator::createInstance("Halfwidth-Fullwidth", UTRANS_FORWARD, status));
    if (U_FAILURE(status)) created.reset();
    return created;
  }();
  return mapping.get();
}

}  // namespace

SjisString ToFullWidth(std::string_view sjis) {
  const icu::Transliterator* mapping = FullWidthMapping();
  if (!mapping) return SjisString(sjis);

  SjisString result;
  size_t from = 0;
  while (from < sjis.size()) {
    const std::string_view window = sjis.substr(from, kPieceBytes);
    const TColumnCopy piece = CopyByColumns(window, 1, kPieceColumns);
    if (piece.Columns <= 0) break;
    result += MapPiece(*mapping, piece.Text);
    from += piece.Text.size();
  }
  return result;
}

}  // namespace pennatran
