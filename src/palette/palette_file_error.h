// Why a text is refused as a palette file, in parts: the place (a line and column of the
// text, or a JSON pointer into it) and what is wrong there, with the values the words
// quote, and their one wording.
#pragma once

#include <cstdint>
#include <string>

#include "jww/message_pattern.h"

namespace pennatran {

enum class TPaletteFileFailure {
  None,
  // At Line and Column of the text.
  NotJson,  // Value: the parser's own words
  NulByte,
  TooDeep,  // Low: the deepest nesting allowed
  // At Pointer (empty: the top level).
  FieldTwice,
  NotOneObject,
  FieldMissing,  // Key
  NotAField,
  NotWholeNumber,  // Low..High
  OutsideRange,    // Value outside Low..High
  NotNumber,
  NotHexDigits,
  OddHexDigits,
  NotFourHexDigits,
  NotHexText,
  NotText,
  BothNameForms,      // Key: the form it goes without
  NotColorTextValue,  // not text at all
  NotColorText,       // Value is not "#RRGGBB"
  ColorDisagrees,     // Value does not agree with Key's value Low
  NotArray,
  NotObject,
  SlotTwice,       // Low: the slot
  WrongFormat,     // Value: the format name a palette file has
  UnknownVersion,  // Value: the version given, empty when it is no number; Low: ours
  NotPitches,
};

struct TPaletteFileError {
  TPaletteFileFailure Failure = TPaletteFileFailure::None;
  size_t Line = 0;
  size_t Column = 0;
  std::string Pointer;
  std::string Key;
  std::string Value;
  int64_t Low = 0;
  int64_t High = 0;

  bool Failed() const { return Failure != TPaletteFileFailure::None; }
};

// An error at a JSON pointer, the values filled in afterwards.
TPaletteFileError PaletteErrorAt(const std::string& pointer, TPaletteFileFailure failure);

// "line 3, column 7: ..." or "/colors/2/slot: ...", in English or in the words given for
// the patterns of the context "PaletteFile"; empty for None.
std::string PaletteFileErrorText(const TPaletteFileError& error, const TMessageWords& words = {});

}  // namespace pennatran
