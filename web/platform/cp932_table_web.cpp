// Code page 932 in the browser: the tables the native build's ICU wrote.
#include "jww/cp932_table.h"
#include "text_tables.h"

namespace pennatran {
namespace {

TCp932Table Build() {
  TCp932Table table;
  for (size_t i = 0; i < text_tables::kCp932DecodeCount; ++i) {
    table.Decode[text_tables::kCp932Decode[i][0]] =
        static_cast<char16_t>(text_tables::kCp932Decode[i][1]);
  }
  for (size_t i = 0; i < text_tables::kCp932EncodeCount; ++i) {
    table.Encode[text_tables::kCp932Encode[i][0]] = text_tables::kCp932Encode[i][1];
  }
  return table;
}

}  // namespace

const TCp932Table& Cp932Table() {
  static const TCp932Table table = Build();
  return table;
}

}  // namespace pennatran
