// pennatran-cli preview: the PNG's size, the trace, and bad sizes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "cli/cli_runner.h"
#include "jww/text_encoding.h"
#include "support/jww_builder.h"

namespace pennatran::testing {
namespace {

class PreviewTest : public CliTest {
 protected:
  std::string Drawing() const {
    TJwwData doc = SampleDocument();
    Append(doc, MakeLine(0, 0, 100, 50));
    Append(doc, MakeArc(50, 25, 10));
    return WriteFile("preview.jww", TJwwBuilder::Drawing(doc));
  }
};

// Width and height from a PNG's IHDR chunk, or {0, 0} when the file is no PNG.
std::pair<uint32_t, uint32_t> PngSize(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), {});
  const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (bytes.size() < 24 || !std::equal(signature, signature + 8, bytes.begin())) return {0, 0};
  auto be32 = [&](size_t at) {
    return (uint32_t{bytes[at]} << 24) | (uint32_t{bytes[at + 1]} << 16) |
           (uint32_t{bytes[at + 2]} << 8) | uint32_t{bytes[at + 3]};
  };
  return {be32(16), be32(20)};
}

TEST_F(PreviewTest, WritesAPngOfTheRequestedSizeAndATrace) {
  const std::string drawing = Drawing();
  const TCliResult byDefault = Run({"preview", drawing, "-o", PathOf("default.png")});
  ASSERT_EQ(byDefault.ExitCode, 0) << byDefault.Err;
  EXPECT_EQ(PngSize(PathOf("default.png")), (std::pair<uint32_t, uint32_t>{300, 168}));

  const TCliResult sized = Run({"preview", drawing, "-o", PathOf("big.png"), "--size", "640x360",
                                "--trace", PathOf("trace.txt")});
  ASSERT_EQ(sized.ExitCode, 0) << sized.Err;
  EXPECT_EQ(PngSize(PathOf("big.png")), (std::pair<uint32_t, uint32_t>{640, 360}));
  std::ifstream in(PathOf("trace.txt"));
  const std::string trace((std::istreambuf_iterator<char>(in)), {});
  // The frame and the line at least: a drawing with entities leaves more than a clear.
  EXPECT_NE(trace.find("lineto"), std::string::npos) << trace;
}

TEST_F(PreviewTest, BadSizesAreUsageErrors) {
  const std::string drawing = Drawing();
  for (const char* size :
       {"300", "0x10", "10x0", "x10", "10x", "axb", "-5x10", "20000x10", "10x10x10"}) {
    const TCliResult r = Run({"preview", drawing, "-o", PathOf("p.png"), "--size", size});
    EXPECT_EQ(r.ExitCode, 2) << size;
    EXPECT_FALSE(std::filesystem::exists(PathOf("p.png"))) << size;
  }
}

TEST_F(PreviewTest, ShowsWhatWasReadOfABrokenDrawing) {
  const std::vector<uint8_t> whole = TJwwBuilder::Drawing(SampleDocument());
  const std::string cut =
      WriteFile("cut.jww", std::vector<uint8_t>(whole.begin(), whole.end() - 10));
  const TCliResult r = Run({"preview", cut, "-o", PathOf("cut.png")});
  EXPECT_EQ(r.ExitCode, 1);
  EXPECT_EQ(PngSize(PathOf("cut.png")), (std::pair<uint32_t, uint32_t>{300, 168}));

  EXPECT_EQ(Run({"preview", PathOf("missing.jww"), "-o", PathOf("m.png")}).ExitCode, 2);
  EXPECT_FALSE(std::filesystem::exists(PathOf("m.png")));
}

}  // namespace
}  // namespace pennatran::testing

namespace pennatran::testing {
namespace {

// A drawing saved with two-byte strings shows and lists exactly what its one-byte twin does.
TEST_F(PreviewTest, TwoByteDrawingsPreviewAndListAsTheirOneByteTwins) {
  TJwwData doc = SampleDocument();
  doc.Header.Memo = Utf8ToSjis("メモ");
  doc.ColorExNos[30].Name = Utf8ToSjis("外壁\xF0\xA0\xAE\xB7");
  Append(doc, MakeLine(0, 0, 100, 50));
  Append(doc, MakeText(10, 10, Utf8ToSjis("寝室^!太字 %f \xF0\xA0\xAE\xB7野家")));
  Append(doc, MakeDimension(0, 0, 50, 0, Utf8ToSjis("２，７３０")));
  std::string traces[2], colours[2];
  for (const bool twoByte : {false, true}) {
    const std::string name = twoByte ? "two/plan.jww" : "one/plan.jww";
    std::filesystem::create_directories(Folder / (twoByte ? "two" : "one"));
    const std::string drawing = WriteFile(name, TJwwBuilder::Drawing(doc, 700, twoByte));
    const std::string trace = PathOf(twoByte ? "two.txt" : "one.txt");
    const TCliResult r = Run({"preview", drawing, "-o", PathOf("p.png"), "--trace", trace});
    ASSERT_EQ(r.ExitCode, 0) << r.Err;
    std::ifstream in(trace);
    traces[twoByte] = std::string((std::istreambuf_iterator<char>(in)), {});
    colours[twoByte] = Run({"colors", drawing}).Out;
    EXPECT_NE(Run({"info", drawing, "--json"}).Out.find(twoByte ? "\"two-byte\"" : "\"one-byte\""),
              std::string::npos);
  }
  EXPECT_EQ(traces[1], traces[0]);
  EXPECT_NE(traces[0].find("\xF0\xA0\xAE\xB7"), std::string::npos);
  EXPECT_EQ(colours[1], colours[0]);
  EXPECT_NE(colours[0].find("外壁\xF0\xA0\xAE\xB7"), std::string::npos);
}

}  // namespace
}  // namespace pennatran::testing
