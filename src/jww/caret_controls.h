// Control characters shown as text, so that a name in a drawing cannot drive the
// terminal it is printed on.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pennatran {

// The UTF-8 text with each control character in caret form: U+0000..U+001F as ^@..^_
// (ESC as ^[, BEL as ^G), DEL as ^?, and U+0080..U+009F as M-^@..M-^_. Everything else,
// including bytes that are not valid UTF-8, is kept as it is.
std::string CaretControls(std::string_view utf8);

// The same of at most the first `longest` bytes (cut before a whole UTF-8 character),
// followed by "…" when anything was left out: for quoting untrusted text in a message.
std::string ShortCaretText(std::string_view utf8, size_t longest);

}  // namespace pennatran
