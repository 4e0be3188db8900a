#include "palette/bounded_json.h"

#include <algorithm>
#include <vector>

#include "jww/caret_controls.h"
#include "palette/palette_json_names.h"

namespace pennatran {
namespace {

using Json = nlohmann::json;

// The longest part of a parser message shown: it may quote the offending input.
constexpr size_t kLongestDetail = 120;
// The longest key a message quotes.
constexpr size_t kLongestKey = 40;

// The byte offset where the text first nests deeper than the bound or holds a NUL byte
// (which the parser takes for the end of the input), or npos.
size_t FirstTooDeepOrNul(std::string_view text, bool& nul) {
  size_t depth = 0;
  bool inString = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\0') {
      nul = true;
      return i;
    }
    if (inString) {
      if (c == '\\')
        ++i;
      else if (c == '"')
        inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == '{' || c == '[') {
      if (++depth > kMostJsonDepth) return i;
    } else if ((c == '}' || c == ']') && depth > 0) {
      --depth;
    }
  }
  return std::string_view::npos;
}

// The parser's own words without its "[json.exception...] " tag and its place, which the
// message gives as line and column; cut short and with control characters shown.
std::string Detail(const std::string& what) {
  std::string detail = what;
  if (detail.starts_with("[json.exception.")) {
    const size_t tagEnd = detail.find("] ");
    if (tagEnd != std::string::npos) detail.erase(0, tagEnd + 2);
  }
  if (detail.starts_with("parse error")) {
    const size_t colon = detail.find(": ");
    if (colon != std::string::npos) detail.erase(0, colon + 2);
  }
  return ShortCaretText(detail, kLongestDetail);
}

std::string PointerSegment(std::string key) {
  std::string out;
  for (char c : key) {
    if (c == '~')
      out += "~0";
    else if (c == '/')
      out += "~1";
    else
      out += c;
  }
  return out;
}

// Builds the value as nlohmann's own builder does, refusing a key its object already holds.
class TBuilder {
 public:
  TBuilder(std::string_view text, Json& root) : Text(text), Root(root) {}

  TPaletteFileError Error;

  bool null() { return Put(nullptr); }
  bool boolean(bool v) { return Put(v); }
  bool number_integer(Json::number_integer_t v) { return Put(v); }
  bool number_unsigned(Json::number_unsigned_t v) { return Put(v); }
  bool number_float(Json::number_float_t v, const std::string&) { return Put(v); }
  bool string(std::string& v) { return Put(std::move(v)); }
  bool binary(Json::binary_t& v) { return Put(std::move(v)); }
  bool start_object(size_t) { return Open(Json::object()); }
  bool start_array(size_t) { return Open(Json::array()); }
  bool end_object() { return Close(); }
  bool end_array() { return Close(); }
  bool key(std::string& k) {
    if (Containers.back()->contains(k)) {
      Error = PaletteErrorAt(Pointer() + "/" + ShortCaretText(PointerSegment(k), kLongestKey),
                             TPaletteFileFailure::FieldTwice);
      return false;
    }
    Key = std::move(k);
    return true;
  }
  bool parse_error(size_t position, const std::string&, const nlohmann::detail::exception& e) {
    Error = ErrorAtOffset(Text, position > 0 ? position - 1 : 0, TPaletteFileFailure::NotJson);
    Error.Value = Detail(e.what());
    return false;
  }

 private:
  Json* Insert(Json&& value) {
    if (Containers.empty()) {
      Root = std::move(value);
      return &Root;
    }
    Json& parent = *Containers.back();
    if (parent.is_array()) {
      parent.push_back(std::move(value));
      return &parent.back();
    }
    Json& slot = parent[Key];
    slot = std::move(value);
    return &slot;
  }
  bool Put(Json&& value) {
    Insert(std::move(value));
    return true;
  }
  bool Open(Json&& container) {
    std::string segment;
    if (!Containers.empty())
      segment = Containers.back()->is_array() ? std::to_string(Containers.back()->size()) : Key;
    Containers.push_back(Insert(std::move(container)));
    Segments.push_back(PointerSegment(std::move(segment)));
    return true;
  }
  bool Close() {
    Containers.pop_back();
    Segments.pop_back();
    return true;
  }
  std::string Pointer() const {
    std::string pointer;
    for (size_t i = 1; i < Segments.size(); ++i)
      pointer += "/" + ShortCaretText(Segments[i], kLongestKey);
    return pointer.empty() ? std::string("the top level") : pointer;
  }

  std::string_view Text;
  Json& Root;
  std::vector<Json*> Containers;
  std::vector<std::string> Segments;
  std::string Key;
};

}  // namespace

TPaletteFileError ErrorAtOffset(std::string_view text, size_t offset, TPaletteFileFailure failure) {
  offset = std::min(offset, text.size());
  size_t line = 1, column = 1;
  for (size_t i = 0; i < offset; ++i) {
    if (text[i] == '\n') {
      ++line;
      column = 1;
    } else {
      ++column;
    }
  }
  TPaletteFileError error;
  error.Failure = failure;
  error.Line = line;
  error.Column = column;
  return error;
}

bool ParseBoundedJson(std::string_view text, Json& root, TPaletteFileError& error) {
  if (text.starts_with(kUtf8ByteOrderMark)) text.remove_prefix(kUtf8ByteOrderMark.size());
  bool nul = false;
  const size_t bad = FirstTooDeepOrNul(text, nul);
  if (bad != std::string_view::npos) {
    error =
        ErrorAtOffset(text, bad, nul ? TPaletteFileFailure::NulByte : TPaletteFileFailure::TooDeep);
    error.Low = static_cast<int64_t>(kMostJsonDepth);
    return false;
  }
  TBuilder builder(text, root);
  if (!Json::sax_parse(text.begin(), text.end(), &builder)) {
    error = builder.Error;
    return false;
  }
  return true;
}

}  // namespace pennatran
