#include "render/full_width.h"

#include <optional>
#include <string>

#include "jww/text_encoding.h"
#include "jww/text_platform.h"
#include "render/text_codes.h"

namespace pennatran {

namespace {

// The string goes through the mapping in pieces of the first 126 half-width columns of
// what is left, so that a character is never split and each mapped piece fits a 256-byte
// buffer even when every character doubles. The window holds 126 columns of any kind of
// character (an escape takes four bytes for two columns).
constexpr int32_t kPieceBytes = 256;
constexpr int32_t kPieceColumns = 126;

}  // namespace

SjisString ToFullWidth(std::string_view sjis) {
  SjisString result;
  size_t from = 0;
  while (from < sjis.size()) {
    const std::string_view window = sjis.substr(from, kPieceBytes);
    const TColumnCopy piece = CopyByColumns(window, 1, kPieceColumns);
    if (piece.Columns <= 0) break;
    const std::optional<std::string> mapped = text_platform::FullWidth(SjisToUtf8(piece.Text));
    if (!mapped) return SjisString(sjis);
    result += Utf8ToSjis(*mapped);
    from += piece.Text.size();
  }
  return result;
}

}  // namespace pennatran
