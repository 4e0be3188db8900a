#include "jww/byte_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "support/jww_builder.h"

namespace pennatran {
namespace {

using testing::TJwwBuilder;

TByteReader ReaderOf(const TJwwBuilder& b) {
  return TByteReader(b.Bytes().data(), b.Size());
}

TEST(ByteReaderTest, StringsInBothLengthForms) {
  for (size_t length : {0u, 1u, 254u, 255u, 256u, 600u, 65533u, 65534u, 65535u, 70000u}) {
    std::string s(length, 'x');
    for (size_t i = 0; i < length; ++i) s[i] = static_cast<char>('a' + i % 26);
    TJwwBuilder b;
    b.String(s).U8(0x5A);
    // 254 bytes and less: one length byte; from 255 on: 255 and a u16 length; from 65534
    // on: 255, hex FFFF and a u32 length.
    EXPECT_EQ(b.Size(), length + (length < 255 ? 1 : length < 0xFFFE ? 3 : 7) + 1) << length;
    TByteReader in = ReaderOf(b);
    EXPECT_EQ(in.RawString(), s) << length;
    EXPECT_EQ(in.U8(), 0x5A) << length;
  }
}

TEST(ByteReaderTest, CountsInBothForms) {
  TJwwBuilder b;
  b.Count(65534).Count(65535).Count(3, true).Count(70000);
  EXPECT_EQ(b.Size(), 2u + 6u + 6u + 6u);
  TByteReader in = ReaderOf(b);
  EXPECT_EQ(in.Count(), 65534u);
  EXPECT_EQ(in.Count(), 65535u);
  EXPECT_EQ(in.Count(), 3u);
  EXPECT_EQ(in.Count(), 70000u);
  EXPECT_EQ(in.Remaining(), 0u);
}

TEST(ByteReaderTest, TagFormsAndObjectNumbers) {
  TJwwBuilder b;
  b.NewClass("CDataSen").ShortRef(1).LongRef(1).LongRef(40000).U16(0x1234).U16(0x8000);
  TByteReader in = ReaderOf(b);
  const TClassTag fresh = in.Tag();
  EXPECT_TRUE(fresh.IsNew);
  EXPECT_EQ(fresh.Name, "CDataSen");
  EXPECT_EQ(fresh.Number, 1u);
  EXPECT_EQ(in.NextObjectNumber(), 2u);  // the class took number 1
  in.AdvanceObject();                    // the object after it takes 2
  EXPECT_EQ(in.Tag().Number, 1u);
  EXPECT_EQ(in.Tag().Number, 1u);
  EXPECT_EQ(in.Tag().Number, 40000u);  // top bit of the long form cleared
  EXPECT_EQ(in.Tag().Number, 0u);      // not a class tag
  EXPECT_EQ(in.Tag().Number, 0u);
  EXPECT_EQ(in.NextObjectNumber(), 3u);  // references do not count
}

TEST(ByteReaderTest, ReadPastEndThrowsWithOffsetAndConsumesNothing) {
  TJwwBuilder b;
  b.U32(7).U16(1);
  TByteReader in = ReaderOf(b);
  EXPECT_EQ(in.U32(), 7u);
  try {
    in.F64();
    FAIL() << "no error";
  } catch (const TReadError& e) {
    EXPECT_EQ(e.Error.Offset, 4u);
    EXPECT_STREQ(e.what(), "end of file");
  }
  EXPECT_EQ(in.Offset(), 4u);
  EXPECT_EQ(in.U16(), 1u);
}

}  // namespace
}  // namespace pennatran
