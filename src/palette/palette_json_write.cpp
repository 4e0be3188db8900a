// Writing palette files.
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "jww/atomic_file.h"

#include "jww/text_encoding.h"
#include "palette/palette_fields.h"
#include "palette/palette_file.h"
#include "palette/palette_json_names.h"
#include "palette/slot_canonical.h"

namespace pennatran {
namespace {

using Json = nlohmann::ordered_json;

std::string HexBytes(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (char c : bytes) {
    const auto b = static_cast<uint8_t>(c);
    hex += kDigits[b >> 4];
    hex += kDigits[b & 15];
  }
  return hex;
}

// JSON numbers cannot carry NaN or the infinities; those go as text so nothing is lost.
Json Number(double value) {
  if (std::isnan(value)) return kTextNaN;
  if (std::isinf(value)) return value > 0 ? kTextInfinity : kTextMinusInfinity;
  return value;
}

std::string Utf16LeBytes(std::string_view name) {
  std::string bytes;
  for (const char16_t unit : ToUtf16(name)) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

// The name as UTF-8 and, when that text does not give back the same name, the name in the
// form a drawing stores it: its Shift-JIS bytes, or its UTF-16 code units when it holds a
// character that only the two-byte form can store (a lone surrogate among them).
void PutName(Json& entry, const SjisString& name) {
  const std::string utf8 = SjisToUtf8(name);
  entry[kKeyName] = utf8;
  if (Utf8ToSjis(utf8) == name) return;
  if (NeedsTwoByteForm(name))
    entry[kKeyNameUtf16] = HexBytes(Utf16LeBytes(name));
  else
    entry[kKeyNameBytes] = HexBytes(ToOneByteForm(name));
}

// A colour goes as "#RRGGBB" for people and as its value, which is what counts.
void PutValue(Json& entry, const std::string& key, uint32_t v, TValueForm form) {
  if (form != TValueForm::Colour) {
    entry[key] = v;
    return;
  }
  entry[key] = ColorText(v);
  entry[key + std::string(kColorValueSuffix)] = v;
}
void PutValue(Json& entry, const std::string& key, int32_t v, TValueForm) {
  entry[key] = v;
}
void PutValue(Json& entry, const std::string& key, double v, TValueForm) {
  entry[key] = Number(v);
}
template <size_t N>
void PutValue(Json& entry, const std::string& key, const double (&values)[N], TValueForm) {
  Json array = Json::array();
  for (double v : values) array.push_back(Number(v));
  entry[key] = array;
}

template <typename Slot>
Json SlotEntry(const Slot& e, TSlot slot) {
  Json entry;
  entry[kKeySlot] = slot.Number();
  ForEachSlotField<Slot>([&](const auto& field) {
    if constexpr (kIsNameField<std::decay_t<decltype(field)>>)
      PutName(entry, e.*field.Pointer);
    else
      PutValue(entry, SlotKey(field.Name), e.*field.Pointer, field.Form);
  });
  return entry;
}

}  // namespace

std::string ColorText(uint32_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", value & 0xFF, (value >> 8) & 0xFF,
                (value >> 16) & 0xFF);
  return text;
}

std::string WritePaletteJson(const TPalette& held) {
  const TPalette palette = CanonicalPalette(held);
  Json root;
  root[kKeyFormat] = kPaletteFormatName;
  root[kKeyVersion] = kPaletteFormatVersion;
  Json colors = Json::array();
  for (TSlot slot : palette.Held.Colors) colors.push_back(SlotEntry(palette.Colors[slot], slot));
  Json lineTypes = Json::array();
  for (TSlot slot : palette.Held.LineTypes)
    lineTypes.push_back(SlotEntry(palette.LineTypes[slot], slot));
  root[kKeyColors] = colors;
  root[kKeyLineTypes] = lineTypes;
  // Names that are not text keep their bytes in nameBytes; replace rather than throw.
  return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

bool SavePaletteFile(const std::filesystem::path& file, const TPalette& palette) {
  const std::string text = WritePaletteJson(palette);
  return WriteFileAtomically(file, [&](TByteSink& sink) {
    if (!sink.Put(text.data(), text.size())) throw std::runtime_error("short write");
  });
}

}  // namespace pennatran
