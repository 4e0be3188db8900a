// The tables gen_text_tables writes from the native build's ICU (a generated .cpp of the
// browser build).
#pragma once

#include <cstddef>
#include <cstdint>

namespace pennatran::text_tables {

// {code, UTF-16 unit} for every code that decodes to one character, and {unit, code} for
// every unit with an exact round trip: the two halves of TCp932Table.
extern const uint16_t kCp932Decode[][2];
extern const size_t kCp932DecodeCount;
extern const uint16_t kCp932Encode[][2];
extern const size_t kCp932EncodeCount;

// UTF-8: a character, or a character and a voiced mark, with its full-width form.
struct TFullWidthEntry {
  const char* From;
  const char* To;
};
extern const TFullWidthEntry kFullWidth[];
extern const size_t kFullWidthCount;

// From this day on (Gregorian), the era Name (UTF-8) counts this day in its year EraYear
// and adds one every first of January; in date order.
struct TEraStart {
  int32_t Year;
  int32_t Month;
  int32_t Day;
  int32_t EraYear;
  const char* Name;
};
extern const TEraStart kEras[];
extern const size_t kEraCount;

}  // namespace pennatran::text_tables
