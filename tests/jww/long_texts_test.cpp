// Texts longer than a record holds: loaded whole, saved whole in the form they were read,
// and a length larger than the bytes left refused before anything is allocated.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "jww/byte_reader.h"
#include "jww/byte_writer.h"
#include "jww/jww_writer.h"
#include "jww/text_encoding.h"
#include "support/jww_builder.h"
#include "writer_fixture.h"

namespace pennatran {
namespace {

using namespace pennatran::testing;

// The string as a file holds it: length prefix and body.
std::string StringBytes(std::string_view s, bool twoByte) {
  TStringSink sink;
  TByteWriter out(sink, 700);
  out.SetTwoByteStrings(twoByte);
  out.String(s);
  return sink.Bytes;
}

std::string Repeated(std::string_view piece, size_t times) {
  std::string s;
  for (size_t i = 0; i < times; ++i) s += piece;
  return s;
}

// Where in a drawing the long text sits.
using TTextOf = std::function<TShortString&(TJwwData&)>;
struct TPlace {
  const char* Name;
  TTextOf Text;
};

std::vector<TPlace> Places() {
  return {{"text", [](TJwwData& d) -> TShortString& { return d.Texts[0].Content; }},
          {"font", [](TJwwData& d) -> TShortString& { return d.Texts[0].FontName; }},
          {"block", [](TJwwData& d) -> TShortString& { return d.BlockDefs[0].Texts[0].Content; }},
          {"dimension", [](TJwwData& d) -> TShortString& { return d.Dimensions[0].Text.Content; }}};
}

struct TLongText {
  const char* Name;
  SjisString Content;
  bool TwoByte;
};

std::vector<TLongText> LongTexts() {
  const std::string kanji = "\x8E\xBA";
  const SjisString foreign = Utf8ToSjis("\xF0\xA0\xAE\xB7");  // two columns, four bytes
  std::string letters;
  for (size_t i = 0; i < 300; ++i) letters += static_cast<char>('a' + i % 26);
  std::string many = Repeated("0123456789abcdef", 4096);
  return {{"300 one-byte characters", letters, false},
          {"65536 characters", many, false},
          {"65536 characters, two-byte", many, true},
          {"200 kanji, two-byte", Repeated(kanji, 200), true},
          {"200 kanji, one-byte", Repeated(kanji, 200), false},
          {"kanji across byte 255", "A" + Repeated(kanji, 127) + kanji + "tail", false},
          {"characters without Shift-JIS", "A" + Repeated(foreign, 140), true},
          {"just too long for the record", std::string(TShortString::kInRecord + 1, 'r'), false},
          {"just short enough for the record", std::string(TShortString::kInRecord, 's'), true},
          {"just too long to clean on the stack", std::string(255, 't'), false},
          {"just short enough to clean on the stack", std::string(254, 'u'), true}};
}

TEST(LongTexts, RoundTripWholeInTheFormTheyWereRead) {
  for (const TPlace& place : Places()) {
    for (const TLongText& row : LongTexts()) {
      SCOPED_TRACE(std::string(place.Name) + ": " + row.Name);
      TJwwData doc = EveryKind();
      place.Text(doc).Assign(row.Content, doc.Strings.get());
      ASSERT_EQ(place.Text(doc).View(), row.Content);
      const std::vector<uint8_t> builtBytes = TJwwBuilder::Drawing(doc, 700, row.TwoByte);
      const std::string built(builtBytes.begin(), builtBytes.end());
      const std::string stringBytes = StringBytes(row.Content, row.TwoByte);
      ASSERT_NE(built.find(stringBytes), std::string::npos);

      TJwwData loaded = Loaded(built);
      EXPECT_FALSE(loaded.LoadError.Failed());
      EXPECT_EQ(loaded.TwoByteStrings, row.TwoByte);
      EXPECT_EQ(place.Text(loaded).View(), row.Content);
      // Only a string too long for its record takes room in the store.
      EXPECT_EQ(loaded.Strings->size(), row.Content.size() <= TShortString::kInRecord ? 0u : 1u);

      const std::string saved = Save(loaded);
      EXPECT_NE(saved.find(stringBytes), std::string::npos);
      TJwwData reloaded = Loaded(saved);
      EXPECT_EQ(place.Text(reloaded).View(), row.Content);
      EXPECT_EQ(Save(reloaded), saved);
    }
  }
}

// Drawings made by the tests hold their texts whole too: a long text made without a drawing
// would otherwise be cut to what a record holds, and the test would pass on the cut text.
TEST(LongTexts, TheTestBuildersKeepThemWhole) {
  const std::string content = Utf8ToSjis("二階平面図・東側立面図・南側立面図　縮尺 1/100");
  ASSERT_GT(content.size(), TShortString::kInRecord);
  EXPECT_EQ(MakeText(0, 0, content, TEntJwwCommon{}).Content.View(), content);
}

// Every "#" of the pattern replaced by run.
std::string Filled(std::string_view pattern, const std::string& run) {
  std::string out;
  for (const char c : pattern) out += c == '#' ? run : std::string(1, c);
  return out;
}

// Cleaning means the same for a long text as for a short one: on load, control characters
// and a trailing lead byte go; on save, "^m" and control characters go and a trailing lead
// byte stays.
TEST(LongTexts, CleanAsShortTextsDo) {
  struct Row {
    std::string_view from, to;
  };
  const std::vector<Row> loads = {
      {"a\x01#\tb", "a#b"}, {"#^m#", "#^m#"}, {"#\x8A", "#"}, {"\x1F#\x7F", "#\x7F"}};
  const std::vector<Row> saves = {{"#^m#", "##"}, {"#\x8A", "#\x8A"}, {"a\x01#", "a#"}};
  const std::string shortRun = "k";
  const std::string longRun = Repeated("\x8A\xBF", 100) + std::string(100, 'x');
  for (const std::string& run : {shortRun, longRun}) {
    for (const Row& row : loads) {
      SCOPED_TRACE(std::string(row.from) + " of " + std::to_string(run.size()));
      TJwwData doc = EveryKind();
      doc.Texts[0].Content.Assign("PLACEHOLDER");
      const std::vector<uint8_t> builtBytes = TJwwBuilder::Drawing(doc);
      std::string file(builtBytes.begin(), builtBytes.end());
      const std::string placeholder = StringBytes("PLACEHOLDER", false);
      file.replace(file.find(placeholder), placeholder.size(),
                   StringBytes(Filled(row.from, run), false));
      EXPECT_EQ(Loaded(file).Texts[0].Content.View(), Filled(row.to, run));
    }
    for (const Row& row : saves) {
      SCOPED_TRACE(std::string(row.from) + " of " + std::to_string(run.size()));
      TJwwData doc = EveryKind();
      doc.Texts[0].Content.Assign(Filled(row.from, run), doc.Strings.get());
      EXPECT_NE(Save(doc).find(StringBytes(Filled(row.to, run), false)), std::string::npos);
    }
  }
}

// A length the bytes left cannot hold fails the read where the string's bytes begin; in the
// two-byte form also a u32 count of units whose byte length would pass 32 bits.
TEST(LongTexts, ALengthBeyondTheBytesLeftIsRefused) {
  struct Row {
    std::string head;
    size_t bodyBytes;
  };
  const std::string oneByteU32("\xFF\xFF\xFF", 3);
  const std::string twoByteU32("\xFF\xFE\xFF\xFF\xFF\xFF", 6);
  const std::vector<Row> rows = {
      {oneByteU32 + std::string("\x00\x00\x00\x80", 4), 64},
      {oneByteU32 + "\xFF\xFF\xFF\xFF", 64},
      {twoByteU32 + std::string("\x00\x00\x00\x80", 4), 64},
      {twoByteU32 + std::string("\x01\x00\x00\x80", 4), 64},
      {twoByteU32 + "\xFF\xFF\xFF\xFF", 64},
      {std::string("\xFF\xFE\xFF\xFF\x00\x01", 6), 511},
  };
  for (const Row& row : rows) {
    const std::string bytes = row.head + std::string(row.bodyBytes, 'x');
    for (int read = 0; read < 3; ++read) {
      TByteReader in(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
      TStringStore store;
      in.SetStringStore(&store);
      TShortString text;
      try {
        if (read == 0) in.RawString();
        if (read == 1) in.CleanShortString(text);
        if (read == 2) in.SkipString();
        ADD_FAILURE() << "read " << read << " of " << bytes.size() << " bytes";
      } catch (const TReadError& e) {
        EXPECT_EQ(e.Error.Offset, row.head.size());
      }
      EXPECT_TRUE(store.empty());
    }
  }
}

}  // namespace
}  // namespace pennatran
