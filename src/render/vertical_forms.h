// How a full-width character stands in a vertical column of text: upright as it is, in
// the vertical presentation form Unicode gives it, or turned a quarter turn with the
// column like a half-width character. The Qt canvas and any other drawing surface share it.
#pragma once

namespace pennatran {

struct TVerticalForm {
  char32_t CodePoint;  // the character to draw
  bool Turned;         // drawn along the column instead of upright
  // For a presentation form: a surface without a glyph for it gets the same shape by
  // turning the horizontal character (brackets, dashes, ellipses); otherwise it draws the
  // horizontal character upright.
  bool TurnedWithoutForm;
};

// Punctuation and brackets take their vertical presentation forms (U+FE10..FE19,
// U+FE30..FE4F); long vowel marks, dashes, tildes and similar marks that run along the
// line are turned; every other character stands upright as it is.
TVerticalForm VerticalFormOf(char32_t c);

}  // namespace pennatran
