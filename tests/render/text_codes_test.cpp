// Substitution codes with a fixed clock and fixed document values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "jww/text_encoding.h"
#include "render/text_codes.h"

namespace pennatran::testing {
namespace {

struct TCodeCase {
  const char* Code;
  const char* Value;  // UTF-8
};

class TextCodeTest : public ::testing::Test {
 protected:
  TextCodeTest() {
    ctx.StartDateTime = {2026, 3, 6, 9, 5, 7};
    ctx.Clock = [this] { return now; };
  }

  // Expands a code and checks it is replaced by the expected value.
  void ExpectCodes(const std::vector<TCodeCase>& cases) {
    for (const TCodeCase& c : cases) {
      const TTextCodeResult result = ExpandTextCode(ctx, Utf8ToSjis(c.Code));
      EXPECT_TRUE(result.Replaced) << c.Code;
      EXPECT_EQ(SjisToUtf8(result.Value), c.Value) << c.Code;
    }
  }

  TLocalDateTime now{2026, 12, 7, 12, 30, 45};  // a Monday
  TRenderContext ctx;
};

TEST_F(TextCodeTest, StartTimeCodesInTheirTwoPaddings) {
  // 6 March 2026, a Friday, 09:05:07.
  ExpectCodes({{"_F", "2026/ 3/ 6 09:05:07"},
               {"=F", "2026/03/06 09:05:07"},
               {"_f", "2026/ 3/ 6"},
               {"=f", "2026/03/06"},
               {"_m", " 3"},
               {"_d", " 6"},
               {"_h", " 9"},
               {"_H", " 9"},
               {"_M", " 5"},
               {"_S", " 7"},
               {"=m", "03"},
               {"=d", "06"},
               {"=h", "09"},
               {"=H", "09"},
               {"=M", "05"},
               {"=S", "07"},
               {"=ma", "MAR"},
               {"_ma", "MAR"},
               {"=n", "AM"},
               {"_N", "前"},
               {"=w", "金"},
               {"_W", "金"},
               {"=wa", "FRI"},
               {"_y", "26"},
               {"=y", "26"},
               {"_Y", " 8"},
               {"=Y", "08"}});
}

TEST_F(TextCodeTest, ClockCodesInTheirThreePaddings) {
  ExpectCodes({{"$m", "12"},         {"$d", "7"},
               {"&d", " 7"},         {"%d", "07"},
               {"$M", "30"},         {"$S", "45"},
               {"$j", "2026/12/ 7"}, {"&j", "2026/12/ 7"},
               {"%j", "2026/12/ 7"}, {"$J", "令和8年12月 7日"},
               {"$y", "26"},         {"$Y", "8"},
               {"&Y", " 8"},         {"%Y", "08"},
               {"$ma", "DEC"},       {"%ma", "DEC"},
               {"$w", "月"},         {"%W", "月"},
               {"$wa", "MON"},       {"&wa", "MON"}});
}

struct THourCase {
  int32_t Hour;
  std::vector<TCodeCase> Codes;
};

TEST_F(TextCodeTest, TwelveHourClockRunsFromZeroToEleven) {
  const THourCase cases[] = {
      {12, {{"$h", "0"}, {"&h", " 0"}, {"%h", "00"}, {"$H", "12"}, {"$n", "PM"}, {"$N", "後"}}},
      {0, {{"$h", "0"}, {"$H", "0"}, {"%H", "00"}, {"$n", "AM"}, {"&N", "前"}}},
      {11, {{"$h", "11"}, {"$n", "AM"}}},
      {23, {{"$h", "11"}, {"$H", "23"}, {"%n", "PM"}, {"%N", "後"}}},
  };
  for (const THourCase& c : cases) {
    now.Hour = c.Hour;
    ExpectCodes(c.Codes);
  }
}

TEST_F(TextCodeTest, YearsAndErasAroundTheirEdges) {
  now = {2005, 1, 2, 0, 0, 0};
  ExpectCodes({{"$y", "5"}, {"&y", " 5"}, {"%y", "05"}, {"$w", "日"}, {"$wa", "SUN"}});
  now = {2019, 4, 30, 0, 0, 0};
  ExpectCodes({{"$Y", "31"}, {"$J", "平成31年 4月30日"}, {"$wa", "TUE"}});
  now = {2019, 5, 1, 0, 0, 0};
  ExpectCodes({{"$Y", "1"}, {"%Y", "01"}, {"$J", "令和1年 5月 1日"}, {"$wa", "WED"}});
}

TEST_F(TextCodeTest, DrawingTimeMemoAndScales) {
  ctx.DocInfo.DocDrawTimeText = "2 : 05";
  ctx.DocInfo.DocMemoLine1 = Utf8ToSjis("一行目");
  ctx.DocInfo.DocMemoRest = Utf8ToSjis("残り\r\n行");
  ExpectCodes({{"$T", "2 : 05"},
               {"&T", "2 : 05"},
               {"%T", "2 : 05"},
               {"=T", "2 : 05"},
               {"_T", "2 : 05"},
               {"%mm", "一行目･･残り\r\n行"},
               {"%m1", "一行目"},
               {"%m2", "残り\r\n行"}});
  ctx.DocInfo.DocMemoRest.clear();
  ExpectCodes({{"%m2", ""}, {"%mm", "一行目･･"}});

  struct TScaleCase {
    double Current, Print;
    std::vector<TCodeCase> Codes;
  };
  const TScaleCase scales[] = {
      {100, 1, {{"%SS", "1/100"}, {"%ss", "100"}, {"%SP", "1/100"}, {"%sp", "100"}}},
      {100, 2, {{"%SP", "1/50"}, {"%sp", "50"}}},
      {0.5, 1, {{"%SS", "2/1"}, {"%ss", "2"}}},
      {0.4, 1, {{"%SS", "2.5/1"}}},
      {0.3, 1, {{"%SS", "3.3/1"}}},
      {1, 1, {{"%SS", "1/1"}}},
      {2.5, 1, {{"%SS", "1/2.5"}}},
      {1, 4, {{"%SP", "4/1"}, {"%sp", "4"}}},
      // Scales of 0 or below count as 1.
      {0, 1, {{"%SS", "1/1"}, {"%ss", "1"}, {"%SP", "1/1"}}},
      {-5, 1, {{"%SS", "1/1"}}},
      {100, 0, {{"%SP", "1/100"}, {"%sp", "100"}}},
      {100, -2, {{"%SP", "1/100"}}},
  };
  for (const TScaleCase& s : scales) {
    ctx.CurrentScale = s.Current;
    ctx.DocInfo.DocPrintScale = s.Print;
    ExpectCodes(s.Codes);
  }
}

TEST_F(TextCodeTest, FileAndFolderCodes) {
  ctx.DocInfo.DocFileName = "C:\\dir1\\dir2\\plan.jww";
  ExpectCodes({{"%F", "C:\\dir1\\dir2\\plan.jww"},
               {"$F", "C:\\dir1\\dir2\\plan.jww"},
               {"%f", "plan.jww"},
               {"$f", "plan"},
               {"&f", "plan"},
               {"%F1", "dir2"},
               {"&F2", "dir1"},
               {"$F3", "C:"},
               {"%F9", "C:"},
               {"%f1", "p"},
               {"%f2", "pl"},
               {"%ff", "plan"}});

  // Two-byte names arrive as UTF-8 and are drawn as Shift-JIS.
  ctx.DocInfo.DocFileName = "C:\\図面\\図面x.jww";
  ExpectCodes({{"%F1", "図面"},
               {"%f", "図面x.jww"},
               {"%f1", "･"},
               {"%f2", "図"},
               {"%f3", "図"},
               {"%f4", "図面"},
               {"%f5", "図面x"}});

  // "表" ends in the byte of "\": it is no separator.
  ctx.DocInfo.DocFileName = "C:\\表\\表.jww";
  ExpectCodes({{"%F1", "表"}, {"%f", "表.jww"}, {"$f", "表"}});

  ctx.DocInfo.DocFileName = "\\\\server\\share\\a.jww";
  ExpectCodes({{"%F1", "share"}, {"%F2", "server"}, {"%F3", ""}});

  // Only a letter and a colon at the very start are a drive.
  ctx.DocInfo.DocFileName = "C:\\dir\\plan:v2.jww";
  ExpectCodes({{"%f", "plan:v2.jww"}, {"$f", "plan:v2"}, {"%f2", "pl"}});
  ctx.DocInfo.DocFileName = "D:plan.jww";
  ExpectCodes({{"%f", "plan.jww"}, {"$f", "plan"}});
  ctx.DocInfo.DocFileName = "plan:v2.jww";
  ExpectCodes({{"%f", "plan:v2.jww"}});

  ctx.DocInfo.DocFileName = "/home/user/plan.jww";
  ExpectCodes({{"%F1", "user"}, {"%F2", "home"}, {"%F3", ""}, {"%f", "plan.jww"}});

  ctx.DocInfo.DocFileName.clear();
  ExpectCodes({{"%f1", "･"}, {"%f2", ""}, {"%F1", ""}, {"%F", ""}});
}

TEST_F(TextCodeTest, OnlyWholeContentsAreCodes) {
  for (const char* text :
       {"%F1x", " %F", "%F0", "%Fg", "%fg", "_j", "=J", "$mm", "%s", "$SS", "F", "", "$", "%fa1"}) {
    EXPECT_FALSE(ExpandTextCode(ctx, text).Replaced) << text;
  }
  const TTextCodeResult plain = ExpandTextCode(ctx, "%%^uabc");
  EXPECT_TRUE(plain.Replaced);
  EXPECT_EQ(plain.Value, "%%^uabc");
}

TEST(SplitPathTest, HoldsTheLastSlotBeyondEightyComponents) {
  std::string path;
  for (int i = 0; i < 90; ++i) path += "d" + std::to_string(i) + "\\";
  path += "last";
  TPathSlots slots;
  EXPECT_EQ(SplitPath(path, slots), 80);
  EXPECT_EQ(slots[79], "d79");
  EXPECT_EQ(slots[80], "last");

  EXPECT_EQ(SplitPath("a\\\\b", slots), 1);  // a doubled separator counts once
  EXPECT_EQ(slots[1], "b");
}

TEST(CopyByColumnsTest, NeverSplitsATwoByteCharacter) {
  const std::string s = Utf8ToSjis("a図b");  // columns: a 1, 図 2-3, b 4
  const struct {
    int32_t First, Count;
    const char* Text;
    int32_t Columns;
  } cases[] = {{1, 1, "a", 1},  {1, 2, "a", 1}, {1, 3, "a図", 3},
               {2, 2, "図", 2}, {3, 2, "b", 1}, {1, 99, "a図b", 4},
               {0, 3, "", 0},   {5, 1, "", 0},  {1, 0, "", 0}};
  for (const auto& c : cases) {
    const TColumnCopy copy = CopyByColumns(s, c.First, c.Count);
    EXPECT_EQ(SjisToUtf8(copy.Text), c.Text) << c.First << ' ' << c.Count;
    EXPECT_EQ(copy.Columns, c.Columns) << c.First << ' ' << c.Count;
  }
}

}  // namespace
}  // namespace pennatran::testing
