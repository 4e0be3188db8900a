// A record described once: each field's name, where it sits (a member), the versions whose
// files hold it, and how it is shown. The reader, the writer, the skip, the JSON of `info`,
// palette files and the palette diff each visit the same table with a function of their own,
// so a field added to a record is added in one place.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>

#include "jww/format_versions.h"

namespace pennatran {

// How a value reads to a person, where that is more than its number.
enum class TValueForm : uint8_t {
  Plain,
  Colour,      // a colour value (red in the low byte), shown "#RRGGBB"
  BitPattern,  // a line pattern, shown as eight hexadecimal digits
};

template <typename Record, typename Member>
struct TField {
  using TRecord = Record;
  using TValue = Member;

  std::string_view Name;  // the record's own name for the field
  Member Record::*Pointer = nullptr;
  TVersionGate Gate = kEveryVersion;
  // Read at the versions Gate holds, but kept only where this holds too.
  TVersionGate Kept = kEveryVersion;
  // Tables whose records are split in two rows (every entry's first row, then every
  // entry's second) give the second row's fields 1.
  int Row = 0;
  TValueForm Form = TValueForm::Plain;
  // An array's element as a diff names it, numbered from 1 ("Pitch3").
  std::string_view Element = {};
  // Bytes of the file the program keeps but does not show.
  bool Shown = true;
  // A part whose fields are shown among the record's own, not as an object of its own.
  bool Flat = false;

  constexpr TField In(TVersionGate gate) const {
    TField f = *this;
    f.Gate = gate;
    return f;
  }
  constexpr TField KeptFrom(TVersionGate gate) const {
    TField f = *this;
    f.Kept = gate;
    return f;
  }
  constexpr TField SecondRow() const {
    TField f = *this;
    f.Row = 1;
    return f;
  }
  constexpr TField As(TValueForm form) const {
    TField f = *this;
    f.Form = form;
    return f;
  }
  constexpr TField Each(std::string_view element) const {
    TField f = *this;
    f.Element = element;
    return f;
  }
  constexpr TField Hidden() const {
    TField f = *this;
    f.Shown = false;
    return f;
  }
  constexpr TField Flattened() const {
    TField f = *this;
    f.Flat = true;
    return f;
  }
};

template <typename Record, typename Member>
constexpr TField<Record, Member> Field(std::string_view name, Member Record::*pointer) {
  return {name, pointer};
}

// A number of a packed record, loaded and stored through its bytes: a member pointer does
// not carry the record's packing, so a plain load or store through it may be misaligned.
template <typename Record, typename Member>
requires std::is_arithmetic_v<Member> Member LoadField(const Record& record,
                                                       Member Record::*pointer) {
  Member value;
  std::memcpy(&value, &(record.*pointer), sizeof value);
  return value;
}
template <typename Record, typename Member>
requires std::is_arithmetic_v<Member>
void StoreField(Record& record, Member Record::*pointer, Member value) {
  std::memcpy(&(record.*pointer), &value, sizeof value);
}

// The table of a record type: a specialisation holds `static constexpr auto kFields`, a
// tuple of TField in the order the file holds them.
template <typename Record>
struct TRecordFields;

template <typename Record>
concept DescribedRecord = requires {
  TRecordFields<Record>::kFields;
};

// Calls visit(entry) for each entry of a table, in order.
template <typename Table, typename Visit>
constexpr void ForEachField(const Table& table, Visit&& visit) {
  std::apply([&](const auto&... entry) { (visit(entry), ...); }, table);
}

template <DescribedRecord Record, typename Visit>
constexpr void ForEachField(Visit&& visit) {
  ForEachField(TRecordFields<Record>::kFields, visit);
}

// The same for the fields from index First on.
template <DescribedRecord Record, size_t First, typename Visit>
constexpr void ForEachFieldFrom(Visit&& visit) {
  constexpr auto& fields = TRecordFields<Record>::kFields;
  constexpr size_t count = std::tuple_size_v<std::decay_t<decltype(fields)>>;
  [&]<size_t... I>(std::index_sequence<I...>) {
    (visit(std::get<First + I>(fields)), ...);
  }
  (std::make_index_sequence<count - First>{});
}

// A record that lies in the file as its own bytes (an entity): its table also holds
// `kLayout`, a TRecordLayout.
template <typename Record>
concept LaidOutRecord = DescribedRecord<Record> && requires {
  TRecordFields<Record>::kLayout;
};

// How many rows a record is split in.
template <DescribedRecord Record>
constexpr int RowCount() {
  int rows = 1;
  ForEachField<Record>([&](const auto& f) {
    if (f.Row + 1 > rows) rows = f.Row + 1;
  });
  return rows;
}

}  // namespace pennatran
