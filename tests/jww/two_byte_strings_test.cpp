// Strings in both of the archive's forms: the length prefixes, the in-memory form that keeps
// every character, and drawings whose strings are two-byte loading, saving and copying as
// their one-byte twins do.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "jww/byte_reader.h"
#include "jww/byte_writer.h"
#include "jww/jww_writer.h"
#include "jww/text_encoding.h"
#include "palette/palette.h"
#include "support/jww_builder.h"
#include "writer_fixture.h"

namespace pennatran {
namespace {

using namespace pennatran::testing;

std::string Built(const TJwwData& doc, bool twoByte) {
  const std::vector<uint8_t> bytes = TJwwBuilder::Drawing(doc, 700, twoByte);
  return std::string(bytes.begin(), bytes.end());
}

std::string Utf16Le(std::u16string_view units) {
  std::string bytes;
  for (const char16_t u : units) {
    bytes += static_cast<char>(u & 0xFF);
    bytes += static_cast<char>(u >> 8);
  }
  return bytes;
}

TEST(TextEncoding, KeepsEveryCharacterAndCountsThoseWithoutAShiftJisFormAsFullWidth) {
  struct Row {
    const char* utf8;
    int32_t chars, columns;
  };
  for (const Row& row : std::vector<Row>{{"ＭＳ ゴシック", 7, 13},
                                         {"a\xF0\xA0\xAE\xB7"
                                          "b",
                                          3, 4},                  // a𠮷b
                                         {"caf\xC3\xA9", 4, 5},   // café
                                         {"\xE2\x84\xA2", 1, 2},  // ™
                                         {"\xE3\x80\x9C", 1, 2},  // 〜, only a fallback
                                         {"ｱｲｳ①Ⅱ㈱№", 7, 11}}) {
    const SjisString s = Utf8ToSjis(row.utf8);
    EXPECT_EQ(SjisToUtf8(s), row.utf8);
    EXPECT_EQ(CharCount(s), row.chars) << row.utf8;
    EXPECT_EQ(ColumnCount(s), row.columns) << row.utf8;
    EXPECT_EQ(FromUtf16Le(Utf16Le(ToUtf16(s))), s) << row.utf8;
  }
  // Characters with a Shift-JIS form are exactly their Shift-JIS bytes, in both directions.
  EXPECT_EQ(FromUtf16Le(Utf16Le(u"寝室A")),
            "\x90\x51\x8E\xBA"
            "A");
  EXPECT_EQ(ToUtf16("\x90\x51\x8E\xBA"
                    "A"),
            u"寝室A");
  EXPECT_FALSE(NeedsTwoByteForm(Utf8ToSjis("ＭＳ ゴシック")));
  EXPECT_TRUE(NeedsTwoByteForm(Utf8ToSjis("caf\xC3\xA9")));
}

TEST(TextEncoding, MapsTheThreeSwappedControlCodesToThemselves) {
  EXPECT_EQ(SjisToUtf8("\x1A\x1C\x7F"), "\x1A\x1C\x7F");
  EXPECT_EQ(Utf8ToSjis("\x1A\x1C\x7F"), "\x1A\x1C\x7F");
  EXPECT_EQ(ToUtf16("\x1A\x1C\x7F"), u"\x1A\x1C\x7F");
}

TEST(TextEncoding, UndecodableBytesStayAsTheyAreUntilTheyMustBecomeUtf16) {
  // FD followed by a byte below 20 would read as an escape: it is held as one and written
  // back as the same two bytes.
  const std::string raw =
      "A\xFD\x05"
      "B\x80";
  const SjisString held = FromOneByteForm(raw);
  EXPECT_EQ(CharCount(held), 4);  // A, the pair, B and the lone lead byte that ends it
  EXPECT_EQ(ToOneByteForm(held), raw);
  EXPECT_FALSE(NeedsTwoByteForm(held));
  EXPECT_EQ(ToUtf16(held), u"A\uFFFDB\uFFFD");
  // An FD that is the second byte of a character is no escape.
  for (const std::string& pair : {std::string("\x81\xFD\x05"
                                              "AB"),
                                  std::string("\x81\xFD\xFD\x05")}) {
    EXPECT_EQ(ToOneByteForm(FromOneByteForm(pair)), pair);
    EXPECT_FALSE(NeedsTwoByteForm(FromOneByteForm(pair)));
  }
  // A lone surrogate is kept through the two-byte form and shown as U+FFFD.
  const SjisString lone = FromUtf16Le(Utf16Le(u"x\xD800y"));
  EXPECT_EQ(ToUtf16(lone), u"x\xD800y");
  EXPECT_EQ(SjisToUtf8(lone), "x\xEF\xBF\xBDy");
}

// The length prefix of each form, and the string read back from it.
TEST(StringForms, LengthPrefixesAtEveryBoundary) {
  struct Row {
    size_t length;
    std::string prefix;
  };
  const std::vector<Row> rows = {
      {0, std::string("\x00", 1)},
      {254, "\xFE"},
      {255, std::string("\xFF\xFF\x00", 3)},
      {65533, "\xFF\xFD\xFF"},
      {65534, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
      {65535, std::string("\xFF\xFF\xFF\xFF\xFF\x00\x00", 7)},
      {65536, std::string("\xFF\xFF\xFF\x00\x00\x01\x00", 7)},
  };
  for (const bool twoByte : {false, true}) {
    for (const Row& row : rows) {
      const std::string s(row.length, 'x');
      TStringSink sink;
      TByteWriter out(sink, 700);
      out.SetTwoByteStrings(twoByte);
      out.String(s);
      const std::string prefix = twoByte ? "\xFF\xFE\xFF" + row.prefix : row.prefix;
      ASSERT_EQ(sink.Bytes.size(), prefix.size() + row.length * (twoByte ? 2 : 1));
      EXPECT_EQ(sink.Bytes.substr(0, prefix.size()), prefix) << row.length;
      TByteReader in(reinterpret_cast<const uint8_t*>(sink.Bytes.data()), sink.Bytes.size());
      EXPECT_EQ(in.RawString(), s);
      EXPECT_EQ(in.LastStringWasTwoByte(), twoByte);
      EXPECT_EQ(in.Remaining(), 0u);
      // Cut inside the string's bytes: the read fails instead of reading past the end.
      TByteReader cut(reinterpret_cast<const uint8_t*>(sink.Bytes.data()), sink.Bytes.size() - 1);
      if (row.length > 0) {
        EXPECT_THROW(cut.RawString(), TReadError);
      }
    }
  }
}

// A drawing whose names and texts hold Japanese, a character code page 932 lacks and a
// long text.
TJwwData Multilingual() {
  TJwwData doc = EveryKind();
  doc.Header.Memo = Utf8ToSjis("図面メモ\r\n2行目");
  doc.Layers[3].Name = Utf8ToSjis("通り芯");
  doc.LayerGroups[1].Name = Utf8ToSjis("平面図");
  doc.ColorExNos[20].Name = Utf8ToSjis("外壁");
  doc.LineTypeExNos[18].Name = Utf8ToSjis("一点鎖線");
  doc.BlockDefs[0].Name = Utf8ToSjis("柱");
  doc.Texts[0].Content.Assign(Utf8ToSjis("寝室 12.5㎡"));
  doc.Texts[0].FontName.Assign(Utf8ToSjis("ＭＳ ゴシック"));
  doc.Dimensions[0].Text.Content.Assign(Utf8ToSjis("２，７３０"));
  return doc;
}

TEST(TwoByteDrawing, LoadsAndSavesAsItsOneByteTwinWithEveryStringTwoByte) {
  TJwwData source = Multilingual();
  source.ColorExNos[17].Name = "  ";
  const TJwwData oneByte = Loaded(Built(source, false));
  const TJwwData twoByte = Loaded(Built(source, true));
  EXPECT_FALSE(oneByte.TwoByteStrings);
  EXPECT_TRUE(twoByte.TwoByteStrings);
  // Same content: the one-byte twin's builder output equals the two-byte drawing's.
  EXPECT_EQ(Built(twoByte, false), Built(oneByte, false));

  TJwwData twinAsTwoByte = oneByte;
  twinAsTwoByte.TwoByteStrings = true;
  const std::string saved = Save(twoByte);
  EXPECT_EQ(saved, Save(twinAsTwoByte));
  EXPECT_EQ(Save(Loaded(saved)), saved);
  EXPECT_NE(saved.find("\xFF\xFE\xFF\x08"
                       "C\0o\0l\0o\0r\0_\0"
                       "1\0"
                       "7\0",
                       0, 20),
            std::string::npos)
      << "the names the writer fills in are two-byte too";
}

TEST(TwoByteDrawing, AOneByteDrawingWritesOnlyStringsThatNeedItInTheTwoByteForm) {
  TJwwData doc = Multilingual();
  doc.Layers[5].Name = Utf8ToSjis("caf\xC3\xA9 \xF0\xA0\xAE\xB7");  // café 𠮷
  doc.Texts[0].Content.Assign(Utf8ToSjis("\xF0\xA0\xAE\xB7野家"));
  const TJwwData loaded = Loaded(Built(doc, false));
  const std::string saved = Save(loaded);
  const TJwwData reloaded = Loaded(saved);
  EXPECT_FALSE(reloaded.TwoByteStrings);
  EXPECT_EQ(SjisToUtf8(reloaded.Layers[5].Name), "caf\xC3\xA9 \xF0\xA0\xAE\xB7");
  EXPECT_EQ(SjisToUtf8(reloaded.Texts[0].Content.View()), "\xF0\xA0\xAE\xB7野家");
  EXPECT_EQ(reloaded.Layers[3].Name, Utf8ToSjis("通り芯"));
  EXPECT_EQ(Save(reloaded), saved);
  // Exactly the two strings that need it went out in the two-byte form.
  size_t twoByteStrings = 0;
  for (size_t at = saved.find("\xFF\xFE\xFF"); at != std::string::npos;
       at = saved.find("\xFF\xFE\xFF", at + 1)) {
    ++twoByteStrings;
  }
  EXPECT_EQ(twoByteStrings, 2u);
}

TEST(TwoByteDrawing, CopiesNamesIntoADrawingOfTheOtherForm) {
  TJwwData source = Multilingual();
  source.ColorExNos[21].Name = Utf8ToSjis("\xF0\xA0\xAE\xB7色");
  source.LineTypeExNos[17].Name = FromOneByteForm("\xFD\x05raw");
  for (const auto& [sourceTwoByte, destinationTwoByte] :
       std::vector<std::pair<bool, bool>>{{false, false}, {false, true}, {true, false}}) {
    const TJwwData src = Loaded(Built(source, sourceTwoByte));
    TJwwData dst = Loaded(Built(SampleDocument(), destinationTwoByte));
    CopySlots(PaletteOfDrawing(src), {{TSlot(20), TSlot(21)}, {TSlot(17), TSlot(18)}}, dst);
    const TJwwData saved = Loaded(Save(dst));
    EXPECT_EQ(saved.TwoByteStrings, destinationTwoByte);
    EXPECT_EQ(SjisToUtf8(saved.ColorExNos[20].Name), "外壁");
    EXPECT_EQ(SjisToUtf8(saved.ColorExNos[21].Name), "\xF0\xA0\xAE\xB7色");
    EXPECT_EQ(SjisToUtf8(saved.LineTypeExNos[18].Name), "一点鎖線");
    // Undecodable bytes stay bytes between one-byte drawings and become U+FFFD in UTF-16.
    EXPECT_EQ(saved.LineTypeExNos[17].Name, sourceTwoByte || destinationTwoByte
                                                ? Utf8ToSjis("\xEF\xBF\xBDraw")
                                                : FromOneByteForm("\xFD\x05raw"));
  }
}

std::string StringBytes(std::string_view s, bool twoByte) {
  TStringSink sink;
  TByteWriter out(sink, 700);
  out.SetTwoByteStrings(twoByte);
  out.String(s);
  return sink.Bytes;
}

// A text longer than 255 Shift-JIS bytes is kept whole in either form, and saving twice
// gives the same bytes.
TEST(TwoByteDrawing, LongTextsAreKeptWhole) {
  const std::string kanji = "\x8E\xBA";
  const SjisString foreign = Utf8ToSjis("\xF0\xA0\xAE\xB7");  // two columns, four bytes
  std::string kanjiRun, foreignRun;
  for (int i = 0; i < 127; ++i) kanjiRun += kanji, foreignRun += foreign;
  const std::vector<std::string> contents = {kanjiRun + kanji, "A" + kanjiRun + kanji,
                                             kanjiRun + "A" + kanji, "A" + foreignRun + foreign};
  for (const bool twoByte : {false, true}) {
    for (const std::string& content : contents) {
      TJwwData doc = Multilingual();
      doc.Texts[0].Content.Assign("PLACEHOLDER");
      std::string file = Built(doc, twoByte);
      const std::string placeholder = StringBytes("PLACEHOLDER", twoByte);
      file.replace(file.find(placeholder), placeholder.size(), StringBytes(content, twoByte));
      TJwwData loaded = Loaded(file);
      EXPECT_EQ(loaded.Texts[0].Content.View(), content) << twoByte;
      const std::string saved = Save(loaded);
      EXPECT_EQ(Save(Loaded(saved)), saved);
      // A text too long for its record lives in the drawing's store, which copies share.
      const TJwwData copy = loaded;
      loaded.Clear();
      EXPECT_EQ(copy.Texts[0].Content.View(), content);
    }
  }
}

// A file cut inside a two-byte text keeps what came before it; image names of either form
// are the same names.
TEST(TwoByteDrawing, ACutInsideAStringAndImageNamesBehaveAsInOneByteDrawings) {
  TJwwData doc = Multilingual();
  doc.Texts[0].Content.Assign(Utf8ToSjis("^@BM%temp%図1.bmp,100,100,0,0,1,0"));
  std::string names[2];
  for (const bool twoByte : {false, true}) {
    TJwwBuilder b(700);
    b.SetTwoByteStrings(twoByte).Header(doc).EntitySection(doc);
    b.Images({{Utf8ToSjis("図1.bmp"), "bytes"}});
    const std::string file(b.Bytes().begin(), b.Bytes().end());
    const TJwwData loaded = Loaded(file);
    ASSERT_EQ(loaded.ImageList.size(), 1u);
    names[twoByte] = loaded.ImageList[0].Name;

    const std::string content = StringBytes(doc.Texts[0].Content.View(), twoByte);
    const size_t cut = file.find(content) + content.size() / 2;
    TJwwData partial;
    EXPECT_FALSE(partial.LoadFromBytes(reinterpret_cast<const uint8_t*>(file.data()), cut, "cut"));
    EXPECT_EQ(partial.TwoByteStrings, twoByte);
    EXPECT_EQ(partial.LineCount(), 1);
    EXPECT_EQ(partial.TextCount(), 0);
  }
  EXPECT_EQ(names[1], names[0]);
  EXPECT_EQ(names[0], Utf8ToSjis("図1.bmp"));
}

}  // namespace
}  // namespace pennatran
