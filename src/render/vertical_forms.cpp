#include "render/vertical_forms.h"

#include <algorithm>
#include <array>
#include <utility>

namespace pennatran {

namespace {

// Horizontal character and its vertical presentation form, sorted by the first.
constexpr std::array<std::pair<char32_t, char32_t>, 36> kPresentationForms{{
    {U'\u2013', U'\uFE32'},                          // en dash
    {U'\u2014', U'\uFE31'},                          // em dash
    {U'\u2015', U'\uFE31'},                          // horizontal bar, the em dash of Shift-JIS
    {U'\u2025', U'\uFE30'},                          // two dot leader
    {U'\u2026', U'\uFE19'},                          // ellipsis
    {U'\u3001', U'\uFE11'},                          // ideographic comma
    {U'\u3002', U'\uFE12'},                          // ideographic full stop
    {U'\u3008', U'\uFE3F'}, {U'\u3009', U'\uFE40'},  // angle brackets
    {U'\u300A', U'\uFE3D'}, {U'\u300B', U'\uFE3E'},  // double angle brackets
    {U'\u300C', U'\uFE41'}, {U'\u300D', U'\uFE42'},  // corner brackets
    {U'\u300E', U'\uFE43'}, {U'\u300F', U'\uFE44'},  // white corner brackets
    {U'\u3010', U'\uFE3B'}, {U'\u3011', U'\uFE3C'},  // black lenticular brackets
    {U'\u3014', U'\uFE39'}, {U'\u3015', U'\uFE3A'},  // tortoise shell brackets
    {U'\u3016', U'\uFE17'}, {U'\u3017', U'\uFE18'},  // white lenticular brackets
    {U'\uFE4F', U'\uFE34'},                          // wavy low line
    {U'\uFF01', U'\uFE15'},                          // exclamation mark
    {U'\uFF08', U'\uFE35'}, {U'\uFF09', U'\uFE36'},  // parentheses
    {U'\uFF0C', U'\uFE10'},                          // comma
    {U'\uFF1A', U'\uFE13'},                          // colon
    {U'\uFF1B', U'\uFE14'},                          // semicolon
    {U'\uFF1F', U'\uFE16'},                          // question mark
    {U'\uFF3B', U'\uFE47'}, {U'\uFF3D', U'\uFE48'},  // square brackets
    {U'\uFF3F', U'\uFE33'},                          // low line
    {U'\uFF5B', U'\uFE37'}, {U'\uFF5D', U'\uFE38'},  // curly brackets
    {U'\uFF5F', U'\uFE35'}, {U'\uFF60', U'\uFE36'},  // white parentheses
}};
static_assert(std::is_sorted(kPresentationForms.begin(), kPresentationForms.end()));

// Marks that run along the line and have no vertical form of their own.
constexpr std::array<char32_t, 7> kTurned{
    U'\u2010',  // hyphen
    U'\u2212',  // minus sign
    U'\u301C',  // wave dash
    U'\u30FC',  // katakana long vowel mark
    U'\uFF0D',  // full-width hyphen-minus
    U'\uFF1D',  // full-width equals sign
    U'\uFF5E',  // full-width tilde, the wave dash of Windows
};

}  // namespace

TVerticalForm VerticalFormOf(char32_t c) {
  const auto form = std::lower_bound(
      kPresentationForms.begin(), kPresentationForms.end(), c,
      [](const std::pair<char32_t, char32_t>& entry, char32_t key) { return entry.first < key; });
  if (form != kPresentationForms.end() && form->first == c) {
    // The forms of commas, stops, colons and marks (U+FE10..FE16) only move or keep the
    // character; the rest are the horizontal shapes turned.
    const bool turnedShape = form->second > U'\uFE16';
    return {form->second, false, turnedShape};
  }
  if (std::find(kTurned.begin(), kTurned.end(), c) != kTurned.end()) return {c, true, false};
  return {c, false, false};
}

}  // namespace pennatran
