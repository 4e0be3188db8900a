// Reading palette files: every value is checked by hand so that a message can name the
// place (the JSON parser's line and column, or a JSON pointer) instead of throwing.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>

#include "jww/caret_controls.h"
#include "jww/number_text.h"
#include "jww/text_encoding.h"
#include "palette/bounded_json.h"
#include "palette/palette_fields.h"
#include "palette/palette_file.h"
#include "palette/palette_json_names.h"

namespace pennatran {
namespace {

using Json = nlohmann::json;

struct TFailure {
  TPaletteFileError Error;
};

[[noreturn]] void Fail(const std::string& pointer, TPaletteFileFailure failure,
                       const std::string& value = {}, int64_t low = 0, int64_t high = 0) {
  TPaletteFileError error = PaletteErrorAt(pointer, failure);
  error.Value = value;
  error.Low = low;
  error.High = high;
  throw TFailure{std::move(error)};
}

// The same for a failure that names a field besides the one at pointer.
[[noreturn]] void FailNaming(const std::string& pointer, TPaletteFileFailure failure,
                             const std::string& key, const std::string& value = {},
                             int64_t low = 0) {
  TPaletteFileError error = PaletteErrorAt(pointer, failure);
  error.Key = key;
  error.Value = value;
  error.Low = low;
  throw TFailure{std::move(error)};
}

// Text from the file as a message shows it: short, with control characters in caret form.
std::string Shown(std::string_view utf8) {
  constexpr size_t kLongest = 40;
  return ShortCaretText(utf8, kLongest);
}

const Json& Field(const Json& object, const std::string& pointer, const char* key) {
  auto it = object.find(key);
  if (it == object.end()) FailNaming(pointer, TPaletteFileFailure::FieldMissing, key);
  return *it;
}

// A whole number written with a zero fraction (17.0) counts as the whole number.
int64_t Integer(const Json& value, const std::string& pointer, int64_t low, int64_t high) {
  if (value.is_number_float()) {
    const double v = value.get<double>();
    if (!(std::trunc(v) == v)) Fail(pointer, TPaletteFileFailure::NotWholeNumber, {}, low, high);
    if (v < static_cast<double>(low) || v > static_cast<double>(high))
      Fail(pointer, TPaletteFileFailure::OutsideRange, ShortestText(v), low, high);
    return static_cast<int64_t>(v);
  }
  if (!value.is_number_integer()) Fail(pointer, TPaletteFileFailure::NotWholeNumber, {}, low, high);
  const int64_t n = value.is_number_unsigned()
                        ? static_cast<int64_t>(std::min<uint64_t>(
                              value.get<uint64_t>(), std::numeric_limits<int64_t>::max()))
                        : value.get<int64_t>();
  if (n < low || n > high)
    Fail(pointer, TPaletteFileFailure::OutsideRange, std::to_string(n), low, high);
  return n;
}

int32_t Int32(const Json& object, const std::string& pointer, const char* key) {
  return static_cast<int32_t>(Integer(Field(object, pointer, key), pointer + "/" + key,
                                      std::numeric_limits<int32_t>::min(),
                                      std::numeric_limits<int32_t>::max()));
}

uint32_t UInt32(const Json& object, const std::string& pointer, const char* key) {
  return static_cast<uint32_t>(Integer(Field(object, pointer, key), pointer + "/" + key, 0,
                                       std::numeric_limits<uint32_t>::max()));
}

double Number(const Json& value, const std::string& pointer) {
  if (value.is_string()) {
    const std::string& text = value.get_ref<const std::string&>();
    if (text == kTextNaN) return std::numeric_limits<double>::quiet_NaN();
    if (text == kTextInfinity) return std::numeric_limits<double>::infinity();
    if (text == kTextMinusInfinity) return -std::numeric_limits<double>::infinity();
  }
  if (!value.is_number()) Fail(pointer, TPaletteFileFailure::NotNumber);
  return value.get<double>();
}

uint8_t HexDigit(char c, const std::string& pointer) {
  if (c >= '0' && c <= '9') return static_cast<uint8_t>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<uint8_t>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<uint8_t>(c - 'A' + 10);
  Fail(pointer, TPaletteFileFailure::NotHexDigits);
}

std::string HexField(const Json& value, const std::string& where, size_t unit) {
  if (!value.is_string()) Fail(where, TPaletteFileFailure::NotHexText);
  const std::string& hex = value.get_ref<const std::string&>();
  if (hex.size() % (2 * unit) != 0)
    Fail(where,
         unit == 1 ? TPaletteFileFailure::OddHexDigits : TPaletteFileFailure::NotFourHexDigits);
  std::string raw;
  for (size_t i = 0; i < hex.size(); i += 2)
    raw += static_cast<char>(HexDigit(hex[i], where) << 4 | HexDigit(hex[i + 1], where));
  return raw;
}

// nameBytes holds the one-byte form, nameUtf16 the two-byte form; either wins over name.
SjisString Name(const Json& object, const std::string& pointer) {
  const Json& name = Field(object, pointer, kKeyName);
  if (!name.is_string()) Fail(pointer + "/" + kKeyName, TPaletteFileFailure::NotText);
  const auto bytes = object.find(kKeyNameBytes);
  const auto units = object.find(kKeyNameUtf16);
  if (bytes != object.end() && units != object.end())
    FailNaming(pointer + "/" + kKeyNameUtf16, TPaletteFileFailure::BothNameForms, kKeyNameBytes);
  if (bytes != object.end())
    return FromOneByteForm(HexField(*bytes, pointer + "/" + kKeyNameBytes, 1));
  if (units != object.end()) return FromUtf16Le(HexField(*units, pointer + "/" + kKeyNameUtf16, 2));
  return Utf8ToSjis(name.get<std::string>());
}

bool IsColorText(const std::string& text) {
  return text.size() == 7 && text[0] == '#' &&
         std::all_of(text.begin() + 1, text.end(), [](char c) {
           return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
         });
}

// The raw value is authoritative; the text must show the same colour.
uint32_t Color(const Json& object, const std::string& pointer, const char* textKey,
               const char* valueKey) {
  const uint32_t value = UInt32(object, pointer, valueKey);
  const Json& text = Field(object, pointer, textKey);
  if (!text.is_string()) Fail(pointer + "/" + textKey, TPaletteFileFailure::NotColorTextValue);
  if (!IsColorText(text.get<std::string>()))
    Fail(pointer + "/" + textKey, TPaletteFileFailure::NotColorText,
         Shown(text.get<std::string>()));
  std::string upper = text.get<std::string>();
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
  if (upper != ColorText(value))
    FailNaming(pointer + "/" + textKey, TPaletteFileFailure::ColorDisagrees, valueKey,
               Shown(text.get<std::string>()), value);
  return value;
}

void OnlyKnownKeys(const Json& object, const std::string& pointer,
                   const std::vector<std::string>& keys) {
  for (auto it = object.begin(); it != object.end(); ++it) {
    if (std::none_of(keys.begin(), keys.end(), [&](const std::string& k) { return it.key() == k; }))
      Fail(pointer + "/" + Shown(it.key()), TPaletteFileFailure::NotAField);
  }
}

// Reads the array under key; each entry is an object with a unique slot in first..last.
template <typename Read>
std::vector<TSlot> Slots(const Json& root, const char* key, int32_t last, Read read) {
  const std::string pointer = std::string("/") + key;
  const Json& array = Field(root, "", key);
  if (!array.is_array()) Fail(pointer, TPaletteFileFailure::NotArray);
  std::set<int32_t> seen;
  for (size_t i = 0; i < array.size(); ++i) {
    const std::string at = pointer + "/" + std::to_string(i);
    if (!array[i].is_object()) Fail(at, TPaletteFileFailure::NotObject);
    const auto slot = static_cast<int32_t>(
        Integer(Field(array[i], at, kKeySlot), at + "/" + kKeySlot, kFirstUserSlot, last));
    if (!seen.insert(slot).second)
      Fail(at + "/" + kKeySlot, TPaletteFileFailure::SlotTwice, {}, slot);
    read(array[i], at, TSlot(slot));
  }
  return std::vector<TSlot>(seen.begin(), seen.end());
}

// The keys an entry of a slot may hold: its slot, the forms of its name, and its fields.
template <typename Slot>
std::vector<std::string> SlotKeys() {
  std::vector<std::string> keys = {kKeySlot, kKeyName, kKeyNameBytes, kKeyNameUtf16};
  ForEachSlotField<Slot>([&](const auto& field) {
    if (kIsNameField<std::decay_t<decltype(field)>>) return;
    keys.push_back(SlotKey(field.Name));
    if (field.Form == TValueForm::Colour)
      keys.push_back(SlotKey(field.Name) + std::string(kColorValueSuffix));
  });
  return keys;
}

void ReadValue(const Json& e, const std::string& at, const std::string& key, uint32_t& v,
               TValueForm form) {
  v = form == TValueForm::Colour
          ? Color(e, at, key.c_str(), (key + std::string(kColorValueSuffix)).c_str())
          : UInt32(e, at, key.c_str());
}
void ReadValue(const Json& e, const std::string& at, const std::string& key, int32_t& v,
               TValueForm) {
  v = Int32(e, at, key.c_str());
}
void ReadValue(const Json& e, const std::string& at, const std::string& key, double& v,
               TValueForm) {
  v = Number(Field(e, at, key.c_str()), at + "/" + key);
}
template <size_t N>
void ReadValue(const Json& e, const std::string& at, const std::string& key, double (&values)[N],
               TValueForm) {
  const Json& array = Field(e, at, key.c_str());
  const std::string where = at + "/" + key;
  if (!array.is_array() || array.size() != N) Fail(where, TPaletteFileFailure::NotPitches);
  for (size_t i = 0; i < N; ++i) values[i] = Number(array[i], where + "/" + std::to_string(i));
}

template <typename Slot>
void ReadSlot(const Json& e, const std::string& at, Slot& slot) {
  OnlyKnownKeys(e, at, SlotKeys<Slot>());
  ForEachSlotField<Slot>([&](const auto& field) {
    if constexpr (kIsNameField<std::decay_t<decltype(field)>>)
      slot.*field.Pointer = Name(e, at);
    else
      ReadValue(e, at, SlotKey(field.Name), slot.*field.Pointer, field.Form);
  });
}

void ReadRoot(const Json& root, TPalette& palette) {
  if (!root.is_object()) Fail("", TPaletteFileFailure::NotOneObject);
  OnlyKnownKeys(root, "", {kKeyFormat, kKeyVersion, kKeyColors, kKeyLineTypes});
  const Json& format = Field(root, "", kKeyFormat);
  if (!format.is_string() || format.get<std::string>() != kPaletteFormatName)
    Fail(std::string("/") + kKeyFormat, TPaletteFileFailure::WrongFormat, kPaletteFormatName);
  const Json& version = Field(root, "", kKeyVersion);
  // Only a number is quoted back: any other value may be long or nested.
  const bool understood = version.is_number() && version.get<double>() == kPaletteFormatVersion;
  if (!understood)
    Fail(std::string("/") + kKeyVersion, TPaletteFileFailure::UnknownVersion,
         version.is_number() ? ShortestText(version.get<double>()) : std::string(),
         kPaletteFormatVersion);

  palette = TPalette{};
  palette.Held.Colors = Slots(root, kKeyColors, kColorSlotCount - 1,
                              [&](const Json& e, const std::string& at, TSlot slot) {
                                ReadSlot(e, at, palette.Colors[slot]);
                              });
  palette.Held.LineTypes = Slots(root, kKeyLineTypes, kLineTypeSlotCount - 1,
                                 [&](const Json& e, const std::string& at, TSlot slot) {
                                   ReadSlot(e, at, palette.LineTypes[slot]);
                                 });
}

}  // namespace

bool ReadPaletteJson(std::string_view text, TPalette& palette, TPaletteFileError& error) {
  error = {};
  Json root;
  if (!ParseBoundedJson(text, root, error)) return false;
  try {
    ReadRoot(root, palette);
  } catch (const TFailure& failure) {
    error = std::move(failure.Error);
    return false;
  }
  return true;
}

}  // namespace pennatran
