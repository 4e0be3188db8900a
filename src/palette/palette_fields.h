// The fields of a user slot as palette files and the palette diff take them: the name
// first, then the others in the order of the slot record's table (jww/record_tables.h).
#pragma once

#include <string>
#include <string_view>
#include <type_traits>

#include "jww/record_tables.h"

namespace pennatran {

template <typename Field>
constexpr bool kIsNameField = std::is_same_v<typename Field::TValue, SjisString>;

template <DescribedRecord Slot, typename Visit>
void ForEachSlotField(Visit&& visit) {
  ForEachField<Slot>([&](const auto& field) {
    if constexpr (kIsNameField<std::decay_t<decltype(field)>>) visit(field);
  });
  ForEachField<Slot>([&](const auto& field) {
    if constexpr (!kIsNameField<std::decay_t<decltype(field)>>) visit(field);
  });
}

// A field's key in a palette file: its name with a lower-case first letter. A colour also
// has its value under the key followed by kColorValueSuffix.
inline std::string SlotKey(std::string_view fieldName) {
  std::string key(fieldName);
  if (!key.empty() && key[0] >= 'A' && key[0] <= 'Z')
    key[0] = static_cast<char>(key[0] - 'A' + 'a');
  return key;
}
inline constexpr std::string_view kColorValueSuffix = "Value";

}  // namespace pennatran
