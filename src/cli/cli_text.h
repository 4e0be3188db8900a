// The command line's own messages in the user's language.
#pragma once

#include <concepts>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

namespace pennatran {

// Chooses the language from the locale; call once, before the first message.
void LoadCliLanguage();

// A message text whose %1..%9 markers are filled in one at a time.
class TText {
 public:
  explicit TText(std::string text) : Text(std::move(text)) {}
  // Puts value in place of the lowest-numbered marker, like QString::arg. The bytes of
  // value are kept as they are: a file name need not be valid UTF-8.
  TText Arg(std::string_view value) const;
  TText Arg(const TText& value) const { return Arg(std::string_view(value.Text)); }
  template <std::integral T>
  TText Arg(T value) const {
    return Arg(std::string_view(std::to_string(value)));
  }
  const std::string& Str() const { return Text; }
  friend std::ostream& operator<<(std::ostream& out, const TText& text) { return out << text.Text; }

 private:
  std::string Text;
};

// The translation of source (UTF-8) in the loaded catalogue, or source itself. The
// catalogues are built from these calls (see the translations target).
TText Tr(const char* context, const char* source);

}  // namespace pennatran
