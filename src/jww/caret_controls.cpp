#include "jww/caret_controls.h"

namespace pennatran {
namespace {

void AppendCaret(std::string& out, unsigned char code) {
  out += '^';
  out += code == 0x7F ? '?' : static_cast<char>(code + 0x40);
}

}  // namespace

std::string CaretControls(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if (byte < 0x20 || byte == 0x7F) {
      AppendCaret(out, byte);
    } else if (byte == 0xC2 && i + 1 < utf8.size() &&
               static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
               static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
      // U+0080..U+009F: the C1 controls, CSI among them.
      out += "M-";
      AppendCaret(out, static_cast<unsigned char>(utf8[i + 1]) - 0x80);
      ++i;
    } else {
      out += utf8[i];
    }
  }
  return out;
}

std::string ShortCaretText(std::string_view utf8, size_t longest) {
  if (utf8.size() <= longest) return CaretControls(utf8);
  size_t cut = longest;
  while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80) --cut;
  return CaretControls(utf8.substr(0, cut)) + "…";
}

}  // namespace pennatran
