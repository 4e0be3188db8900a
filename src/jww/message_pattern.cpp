#include "jww/message_pattern.h"

namespace pennatran {

std::string SayPattern(const TMessageWords& words, const char* pattern,
                       std::initializer_list<std::string> args) {
  const std::string text = words ? words(pattern) : std::string(pattern);
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const size_t n = i + 1 < text.size() ? static_cast<size_t>(text[i + 1] - '1') : args.size();
    if (text[i] == '%' && n < args.size()) {
      out += *(args.begin() + n);
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace pennatran
