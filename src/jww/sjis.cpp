#include "jww/sjis.h"

#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <memory>
#include <vector>

namespace pennatran {
namespace {

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

// Opening a converter costs far more than a short conversion, and the drawers convert
// many short strings: each thread keeps one, reset before every use.
UConverter* Cp932() {
  thread_local ConverterPtr cnv = [] {
    UErrorCode status = U_ZERO_ERROR;
    ConverterPtr opened(ucnv_open("windows-31j", &status));
    if (U_FAILURE(status)) return ConverterPtr();
    // The wave dash and friends map through their fallbacks, as the Windows code page does.
    ucnv_setFallback(opened.get(), true);
    return opened;
  }();
  if (cnv) ucnv_reset(cnv.get());
  return cnv.get();
}

}  // namespace

std::string SjisToUtf8(std::string_view sjis) {
  if (sjis.empty()) return {};
  UConverter* cnv = Cp932();
  if (!cnv) return std::string(sjis);
  UErrorCode status = U_ZERO_ERROR;
  std::vector<UChar> wide(sjis.size() + 1);
  int32_t n = ucnv_toUChars(cnv, wide.data(), static_cast<int32_t>(wide.size()), sjis.data(),
                            static_cast<int32_t>(sjis.size()), &status);
  if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING) return {};
  std::vector<char> out(static_cast<size_t>(n) * 3 + 1);
  status = U_ZERO_ERROR;
  int32_t m = 0;
  u_strToUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &m, wide.data(), n, 0xFFFD,
                     nullptr, &status);
  if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING) return {};
  return std::string(out.data(), static_cast<size_t>(m));
}

std::string Utf8ToSjis(std::string_view utf8) {
  if (utf8.empty()) return {};
  UErrorCode status = U_ZERO_ERROR;
  std::vector<UChar> wide(utf8.size() + 1);
  int32_t n = 0;
  u_strFromUTF8WithSub(wide.data(), static_cast<int32_t>(wide.size()), &n, utf8.data(),
                       static_cast<int32_t>(utf8.size()), 0xFFFD, nullptr, &status);
  if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING) return {};
  UConverter* cnv = Cp932();
  if (!cnv) return std::string(utf8);
  std::vector<char> out(static_cast<size_t>(n) * 2 + 16);
  status = U_ZERO_ERROR;
  int32_t m =
      ucnv_fromUChars(cnv, out.data(), static_cast<int32_t>(out.size()), wide.data(), n, &status);
  if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING) return {};
  return std::string(out.data(), static_cast<size_t>(m));
}

}  // namespace pennatran
