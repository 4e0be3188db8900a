#include "cli/json_stream.h"

#include <string>
#include <string_view>

#include "cli/json_text.h"

namespace pennatran {
namespace {

class TBoundedText {
 public:
  TBoundedText(size_t limit, std::ostream* out) : Limit(limit), Out(out) {}
  bool Put(std::string_view text) {
    Written += text.size();
    if (Written > Limit) return false;
    if (Out) Out->write(text.data(), static_cast<std::streamsize>(text.size()));
    return true;
  }

 private:
  size_t Written = 0;
  size_t Limit;
  std::ostream* Out;
};

// An element's text as it stands inside an array member: every line indented by two
// levels. Strings in JSON text never hold a raw line feed.
std::string AtDepthTwo(const std::string& text) {
  std::string out = "    ";
  out.reserve(text.size() + text.size() / 8);
  for (char c : text) {
    out += c;
    if (c == '\n') out += "    ";
  }
  return out;
}

bool PutArray(TBoundedText& out, const TJsonArrayMember& array) {
  bool any = false;
  for (size_t i = 0; i < array.Count; ++i) {
    TJson element;
    if (!array.Element(i, element)) continue;
    if (!out.Put(any ? ",\n" : "[\n") || !out.Put(AtDepthTwo(JsonText(element)))) return false;
    any = true;
  }
  return out.Put(any ? "\n  ]" : "[]");
}

}  // namespace

bool WriteJsonObject(const TJson& head, const std::vector<TJsonArrayMember>& arrays, size_t limit,
                     std::ostream* out) {
  TBoundedText text(limit, out);
  std::string start = JsonText(head);
  if (arrays.empty()) return text.Put(start);
  // Without its closing brace (and the line feed before it when it has members).
  start.resize(start.size() - (head.empty() ? 1 : 2));
  if (!text.Put(start)) return false;
  bool first = head.empty();
  for (const TJsonArrayMember& array : arrays) {
    if (!text.Put(first ? "\n  " : ",\n  ") || !text.Put(JsonText(TJson(array.Key)) + ": ") ||
        !PutArray(text, array))
      return false;
    first = false;
  }
  return text.Put("\n}");
}

}  // namespace pennatran
