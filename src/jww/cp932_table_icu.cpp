#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

#include <memory>

#include "jww/cp932_table.h"
#include "jww/text_encoding.h"

namespace pennatran {
namespace {

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

// A converter that stops at anything it cannot map, so only exact mappings are taken.
ConverterPtr OpenStrict() {
  UErrorCode status = U_ZERO_ERROR;
  ConverterPtr cnv(ucnv_open("windows-31j", &status));
  if (U_FAILURE(status)) return nullptr;
  ucnv_setToUCallBack(cnv.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  ucnv_setFromUCallBack(cnv.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  ucnv_setFallback(cnv.get(), false);
  return U_FAILURE(status) ? nullptr : std::move(cnv);
}

// The one character the bytes decode to, or kNone.
char16_t DecodeOne(UConverter* cnv, const char* bytes, int32_t length) {
  ucnv_reset(cnv);
  UErrorCode status = U_ZERO_ERROR;
  UChar out[4];
  const int32_t n = ucnv_toUChars(cnv, out, 4, bytes, length, &status);
  if (U_FAILURE(status) || n != 1) return TCp932Table::kNone;
  return out[0];
}

// The code of one UTF-16 unit, or kNone.
uint16_t EncodeOne(UConverter* cnv, char16_t unit) {
  ucnv_reset(cnv);
  UErrorCode status = U_ZERO_ERROR;
  char out[8];
  const UChar in = unit;
  const int32_t n = ucnv_fromUChars(cnv, out, 8, &in, 1, &status);
  if (U_FAILURE(status) || n < 1 || n > 2) return TCp932Table::kNone;
  const auto first = static_cast<uint8_t>(out[0]);
  return n == 1 ? first : static_cast<uint16_t>(first << 8 | static_cast<uint8_t>(out[1]));
}

TCp932Table Build() {
  TCp932Table table;
  ConverterPtr cnv = OpenStrict();
  if (!cnv) return table;
  for (int b = 0; b < 256; ++b) {
    if (IsLeadByte(static_cast<uint8_t>(b))) continue;
    const char byte = static_cast<char>(b);
    table.Decode[static_cast<size_t>(b)] = DecodeOne(cnv.get(), &byte, 1);
  }
  for (int lead = 0x80; lead < 0x100; ++lead) {
    if (!IsLeadByte(static_cast<uint8_t>(lead))) continue;
    for (int trail = 0; trail < 0x100; ++trail) {
      const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      table.Decode[static_cast<size_t>(lead << 8 | trail)] = DecodeOne(cnv.get(), pair, 2);
    }
  }
  // Several codes can decode to one character; the converter names the one it writes.
  // A character whose own code would read back otherwise (a single lead byte, a code that
  // decodes to something else) has no exact round trip.
  for (size_t code = 0; code < table.Decode.size(); ++code) {
    const char16_t unit = table.Decode[code];
    if (unit == TCp932Table::kNone || table.Encode[unit] != TCp932Table::kNone) continue;
    const uint16_t chosen = EncodeOne(cnv.get(), unit);
    if (chosen != TCp932Table::kNone && table.Decode[chosen] == unit) table.Encode[unit] = chosen;
  }
  // The converter swaps these three control codes (an IBM table's habit); the Windows code
  // page maps each to itself.
  for (const char16_t c : {u'\x1A', u'\x1C', u'\x7F'}) {
    table.Decode[c] = c;
    table.Encode[c] = c;
  }
  return table;
}

}  // namespace

const TCp932Table& Cp932Table() {
  static const TCp932Table table = Build();
  return table;
}

}  // namespace pennatran
