#include "cli/utf8_text.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/ustring.h>

#include <memory>
#include <vector>

namespace pennatran {
namespace {

// The converter's own substitute for a bad single byte is U+001A, a control character that
// says nothing to a reader of the output; U+FFFD does.
void SubstituteReplacementCharacter(const void*, UConverterToUnicodeArgs* args, const char*,
                                    int32_t, UConverterCallbackReason reason, UErrorCode* error) {
  if (reason != UCNV_UNASSIGNED && reason != UCNV_ILLEGAL && reason != UCNV_IRREGULAR) return;
  static const UChar kReplacement = 0xFFFD;
  *error = U_ZERO_ERROR;
  ucnv_cbToUWriteUChars(args, &kReplacement, 1, 0, error);
}

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};

}  // namespace

std::string SjisToPrintable(std::string_view sjis) {
  if (sjis.empty()) return {};
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<UConverter, ConverterCloser> cnv(ucnv_open("windows-31j", &status));
  if (U_FAILURE(status)) return std::string(sjis.size(), '?');
  ucnv_setFallback(cnv.get(), true);
  ucnv_setToUCallBack(cnv.get(), SubstituteReplacementCharacter, nullptr, nullptr, nullptr,
                      &status);
  // Every byte yields at most one UTF-16 unit.
  std::vector<UChar> wide(sjis.size() + 1);
  const int32_t n = ucnv_toUChars(cnv.get(), wide.data(), static_cast<int32_t>(wide.size()),
                                  sjis.data(), static_cast<int32_t>(sjis.size()), &status);
  if (U_FAILURE(status)) return std::string(sjis.size(), '?');
  std::vector<char> utf8(static_cast<size_t>(n) * 3 + 1);
  int32_t m = 0;
  status = U_ZERO_ERROR;
  u_strToUTF8WithSub(utf8.data(), static_cast<int32_t>(utf8.size()), &m, wide.data(), n, 0xFFFD,
                     nullptr, &status);
  if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING)
    return std::string(sjis.size(), '?');
  return std::string(utf8.data(), static_cast<size_t>(m));
}

}  // namespace pennatran
