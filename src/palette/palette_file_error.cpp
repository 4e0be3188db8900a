#include "palette/palette_file_error.h"

#include "palette/palette_json_names.h"

namespace pennatran {
namespace {

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

std::string Range(const TPaletteFileError& e) {
  return std::to_string(e.Low) + ".." + std::to_string(e.High);
}

// What is wrong, without the place.
std::string What(const TPaletteFileError& e) {
  switch (e.Failure) {
    case TPaletteFileFailure::None:
      return {};
    case TPaletteFileFailure::NotJson:
      return "not valid JSON (" + e.Value + ")";
    case TPaletteFileFailure::NulByte:
      return "not valid JSON (a NUL byte)";
    case TPaletteFileFailure::TooDeep:
      return "nested deeper than " + std::to_string(e.Low) + " levels";
    case TPaletteFileFailure::FieldTwice:
      return "the field appears twice";
    case TPaletteFileFailure::NotOneObject:
      return "a palette file holds one JSON object";
    case TPaletteFileFailure::FieldMissing:
      return "the field " + Quoted(e.Key) + " is missing";
    case TPaletteFileFailure::NotAField:
      return "is not a field of a palette file";
    case TPaletteFileFailure::NotWholeNumber:
      return "must be a whole number from " + std::to_string(e.Low) + " to " +
             std::to_string(e.High);
    case TPaletteFileFailure::OutsideRange:
      return e.Value + " lies outside " + Range(e);
    case TPaletteFileFailure::NotNumber:
      return "must be a number (or \"NaN\", \"Infinity\", \"-Infinity\")";
    case TPaletteFileFailure::NotHexDigits:
      return "must hold hexadecimal digits only";
    case TPaletteFileFailure::OddHexDigits:
      return "must hold an even number of hexadecimal digits";
    case TPaletteFileFailure::NotFourHexDigits:
      return "must hold a multiple of four hexadecimal digits";
    case TPaletteFileFailure::NotHexText:
      return "must be text of hexadecimal digits";
    case TPaletteFileFailure::NotText:
      return "must be text";
    case TPaletteFileFailure::BothNameForms:
      return "goes without " + Quoted(e.Key);
    case TPaletteFileFailure::NotColorTextValue:
      return "must be text such as \"#RRGGBB\"";
    case TPaletteFileFailure::NotColorText:
      return Quoted(e.Value) + " is not \"#RRGGBB\"";
    case TPaletteFileFailure::ColorDisagrees:
      return Quoted(e.Value) + " does not agree with " + e.Key + " " + std::to_string(e.Low) +
             " (" + ColorText(static_cast<uint32_t>(e.Low)) + ")";
    case TPaletteFileFailure::NotArray:
      return "must be an array";
    case TPaletteFileFailure::NotObject:
      return "must be an object";
    case TPaletteFileFailure::SlotTwice:
      return "slot " + std::to_string(e.Low) + " is listed twice";
    case TPaletteFileFailure::WrongFormat:
      return "must be " + Quoted(e.Value);
    case TPaletteFileFailure::UnknownVersion:
      return (e.Value.empty() ? std::string("this version") : "version " + e.Value) +
             " is not understood (this program reads version " + std::to_string(e.Low) + ")";
    case TPaletteFileFailure::NotPitches:
      return "must be an array of 10 numbers";
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

std::string PaletteFileErrorText(const TPaletteFileError& error) {
  if (!error.Failed()) return {};
  const std::string place =
      AtLineAndColumn(error.Failure)
          ? "line " + std::to_string(error.Line) + ", column " + std::to_string(error.Column)
          : (error.Pointer.empty() ? std::string("the top level") : error.Pointer);
  return place + ": " + What(error);
}

}  // namespace pennatran
