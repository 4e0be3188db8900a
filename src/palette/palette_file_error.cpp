#include "palette/palette_file_error.h"

#include "jww/translatable.h"
#include "palette/palette_json_names.h"

namespace pennatran {
namespace {

std::string Number(int64_t n) {
  return std::to_string(n);
}

// What is wrong, without the place.
std::string What(const TPaletteFileError& e, const TMessageWords& w) {
  switch (e.Failure) {
    case TPaletteFileFailure::None:
      return {};
    case TPaletteFileFailure::NotJson:
      return SayPattern(w, Translatable("PaletteFile", "not valid JSON (%1)"), {e.Value});
    case TPaletteFileFailure::NulByte:
      return SayPattern(w, Translatable("PaletteFile", "not valid JSON (a NUL byte)"));
    case TPaletteFileFailure::TooDeep:
      return SayPattern(w, Translatable("PaletteFile", "nested deeper than %1 levels"),
                        {Number(e.Low)});
    case TPaletteFileFailure::FieldTwice:
      return SayPattern(w, Translatable("PaletteFile", "the field appears twice"));
    case TPaletteFileFailure::NotOneObject:
      return SayPattern(w, Translatable("PaletteFile", "a palette file holds one JSON object"));
    case TPaletteFileFailure::FieldMissing:
      return SayPattern(w, Translatable("PaletteFile", "the field \"%1\" is missing"), {e.Key});
    case TPaletteFileFailure::NotAField:
      return SayPattern(w, Translatable("PaletteFile", "is not a field of a palette file"));
    case TPaletteFileFailure::NotWholeNumber:
      return SayPattern(w, Translatable("PaletteFile", "must be a whole number from %1 to %2"),
                        {Number(e.Low), Number(e.High)});
    case TPaletteFileFailure::OutsideRange:
      return SayPattern(w, Translatable("PaletteFile", "%1 lies outside %2..%3"),
                        {e.Value, Number(e.Low), Number(e.High)});
    case TPaletteFileFailure::NotNumber:
      return SayPattern(w,
                        Translatable("PaletteFile",
                                     "must be a number (or \"NaN\", \"Infinity\", \"-Infinity\")"));
    case TPaletteFileFailure::NotHexDigits:
      return SayPattern(w, Translatable("PaletteFile", "must hold hexadecimal digits only"));
    case TPaletteFileFailure::OddHexDigits:
      return SayPattern(
          w, Translatable("PaletteFile", "must hold an even number of hexadecimal digits"));
    case TPaletteFileFailure::NotFourHexDigits:
      return SayPattern(
          w, Translatable("PaletteFile", "must hold a multiple of four hexadecimal digits"));
    case TPaletteFileFailure::NotHexText:
      return SayPattern(w, Translatable("PaletteFile", "must be text of hexadecimal digits"));
    case TPaletteFileFailure::NotText:
      return SayPattern(w, Translatable("PaletteFile", "must be text"));
    case TPaletteFileFailure::BothNameForms:
      return SayPattern(w, Translatable("PaletteFile", "goes without \"%1\""), {e.Key});
    case TPaletteFileFailure::NotColorTextValue:
      return SayPattern(w, Translatable("PaletteFile", "must be text such as \"#RRGGBB\""));
    case TPaletteFileFailure::NotColorText:
      return SayPattern(w, Translatable("PaletteFile", "\"%1\" is not \"#RRGGBB\""), {e.Value});
    case TPaletteFileFailure::ColorDisagrees:
      return SayPattern(w, Translatable("PaletteFile", "\"%1\" does not agree with %2 %3 (%4)"),
                        {e.Value, e.Key, Number(e.Low), ColorText(static_cast<uint32_t>(e.Low))});
    case TPaletteFileFailure::NotArray:
      return SayPattern(w, Translatable("PaletteFile", "must be an array"));
    case TPaletteFileFailure::NotObject:
      return SayPattern(w, Translatable("PaletteFile", "must be an object"));
    case TPaletteFileFailure::SlotTwice:
      return SayPattern(w, Translatable("PaletteFile", "slot %1 is listed twice"), {Number(e.Low)});
    case TPaletteFileFailure::WrongFormat:
      return SayPattern(w, Translatable("PaletteFile", "must be \"%1\""), {e.Value});
    case TPaletteFileFailure::UnknownVersion:
      return e.Value.empty() ? SayPattern(w,
                                          Translatable("PaletteFile",
                                                       "this version is not understood (this "
                                                       "program reads version %1)"),
                                          {Number(e.Low)})
                             : SayPattern(w,
                                          Translatable("PaletteFile",
                                                       "version %1 is not understood (this "
                                                       "program reads version %2)"),
                                          {e.Value, Number(e.Low)});
    case TPaletteFileFailure::NotPitches:
      return SayPattern(w, Translatable("PaletteFile", "must be an array of 10 numbers"));
  }
  return {};
}

bool AtLineAndColumn(TPaletteFileFailure failure) {
  return failure == TPaletteFileFailure::NotJson || failure == TPaletteFileFailure::NulByte ||
         failure == TPaletteFileFailure::TooDeep;
}

}  // namespace

TPaletteFileError PaletteErrorAt(const std::string& pointer, TPaletteFileFailure failure) {
  TPaletteFileError error;
  error.Failure = failure;
  error.Pointer = pointer;
  return error;
}

std::string PaletteFileErrorText(const TPaletteFileError& error, const TMessageWords& words) {
  if (!error.Failed()) return {};
  std::string place = error.Pointer;
  if (AtLineAndColumn(error.Failure)) {
    place = SayPattern(words, Translatable("PaletteFile", "line %1, column %2"),
                       {std::to_string(error.Line), std::to_string(error.Column)});
  } else if (place.empty()) {
    place = SayPattern(words, Translatable("PaletteFile", "the top level"));
  }
  return SayPattern(words, Translatable("PaletteFile", "%1: %2"), {place, What(error, words)});
}

}  // namespace pennatran
