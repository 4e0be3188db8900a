// The archive primitives of the writer, checked byte by byte.
#include "jww/byte_writer.h"

#include <gtest/gtest.h>

#include <string>

namespace pennatran {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s += static_cast<char>(v);
  return s;
}

// A sink that takes `limit` bytes and refuses everything after.
class TLimitedSink final : public TByteSink {
 public:
  explicit TLimitedSink(size_t limit) : Limit(limit) {}
  bool PutSlow(const void* data, size_t size) override {
    if (Bytes.size() + size > Limit) return false;
    Bytes.append(static_cast<const char*>(data), size);
    return true;
  }
  size_t Limit;
  std::string Bytes;
};

struct TStringCase {
  size_t Length;
  std::string Prefix;  // the length bytes
};

class StringForm : public ::testing::TestWithParam<TStringCase> {};

TEST_P(StringForm, LengthPrefixThenEveryByteInOrder) {
  std::string text;
  for (size_t i = 0; i < GetParam().Length; ++i) text += static_cast<char>(i * 7 % 251);
  TStringSink sink;
  TByteWriter out(sink, 700);
  out.String(text);
  EXPECT_EQ(sink.Bytes, GetParam().Prefix + text);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, StringForm,
    ::testing::Values(TStringCase{0, Bytes({0})}, TStringCase{254, Bytes({254})},
                      TStringCase{255, Bytes({255, 255, 0})}, TStringCase{256, Bytes({255, 0, 1})},
                      TStringCase{600, Bytes({255, 0x58, 0x02})},
                      TStringCase{65533, Bytes({255, 0xFD, 255})},
                      TStringCase{65534, Bytes({255, 255, 255, 0xFE, 255, 0, 0})},
                      TStringCase{65535, Bytes({255, 255, 255, 255, 255, 0, 0})},
                      TStringCase{70000, Bytes({255, 255, 255, 0x70, 0x11, 1, 0})}));

// The u16 lengths FFFE and FFFF mark the two-byte form and a u32 length: from 65534 bytes on
// the length is a u32.
TEST(ByteWriter, StringKeepsZeroBytes) {
  TStringSink sink;
  TByteWriter out(sink, 700);
  out.String(std::string("a\0b", 3));
  EXPECT_EQ(sink.Bytes, std::string("\x03"
                                    "a\0b",
                                    4));
}

TEST(ByteWriter, CountUsesTwoBytesUpTo65534) {
  TStringSink sink;
  TByteWriter out(sink, 700);
  out.Count(0);
  out.Count(65534);
  out.Count(65535);
  out.Count(0x12345678);
  EXPECT_EQ(sink.Bytes, Bytes({0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0x78,
                               0x56, 0x34, 0x12}));
}

TEST(ByteWriter, NewClassTakesTheCounterAndCarriesTheSchema) {
  TStringSink sink;
  TByteWriter out(sink, 700);
  EXPECT_EQ(out.NewClass("CDataSen"), 1u);
  out.CountObject();
  EXPECT_EQ(out.NextObjectNumber(), 3u);
  EXPECT_EQ(sink.Bytes, Bytes({0xFF, 0xFF, 0xBC, 0x02, 8, 0}) + "CDataSen");
}

TEST(ByteWriter, ClassReferenceIsShortUpTo32766AndLongAbove) {
  TStringSink sink;
  TByteWriter out(sink, 700);
  out.ClassRef(1);
  out.ClassRef(32766);
  out.ClassRef(32767);
  out.ClassRef(70000);
  EXPECT_EQ(sink.Bytes, Bytes({0x01, 0x80, 0xFE, 0xFF,              //
                               0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x80,  //
                               0xFF, 0x7F, 0x70, 0x11, 0x01, 0x80}));
  EXPECT_EQ(out.NextObjectNumber(), 1u);  // references are not objects
}

TEST(ByteWriter, RefusedBytesThrowAndNothingPartialIsCounted) {
  TLimitedSink sink(5);
  TByteWriter out(sink, 700);
  out.U32(7);
  EXPECT_THROW(out.U32(8), TWriteError);
  EXPECT_EQ(out.BytesWritten(), 4u);
}

}  // namespace
}  // namespace pennatran
