#include "render/vertical_forms.h"

#include <gtest/gtest.h>

namespace pennatran {
namespace {

TEST(VerticalFormOf, PunctuationAndBracketsTakeTheirFormsAndLineMarksTurn) {
  const struct {
    char32_t In;
    char32_t Out;
    bool Turned, TurnedWithoutForm;
  } rows[] = {
      {U'、', U'\uFE11', false, false}, {U'。', U'\uFE12', false, false},
      {U'，', U'\uFE10', false, false}, {U'！', U'\uFE15', false, false},
      {U'「', U'\uFE41', false, true},  {U'』', U'\uFE44', false, true},
      {U'（', U'\uFE35', false, true},  {U'】', U'\uFE3C', false, true},
      {U'…', U'\uFE19', false, true},   {U'―', U'\uFE31', false, true},
      {U'〗', U'\uFE18', false, true},  {U'ー', U'ー', true, false},
      {U'～', U'～', true, false},      {U'〜', U'〜', true, false},
      {U'－', U'－', true, false},      {U'漢', U'漢', false, false},
      {U'あ', U'あ', false, false},     {U'Ａ', U'Ａ', false, false},
  };
  for (const auto& r : rows) {
    const TVerticalForm form = VerticalFormOf(r.In);
    EXPECT_EQ(form.CodePoint, r.Out) << static_cast<uint32_t>(r.In);
    EXPECT_EQ(form.Turned, r.Turned) << static_cast<uint32_t>(r.In);
    EXPECT_EQ(form.TurnedWithoutForm, r.TurnedWithoutForm) << static_cast<uint32_t>(r.In);
  }
}

}  // namespace
}  // namespace pennatran
