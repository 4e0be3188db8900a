#include "jww/image_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "support/jww_builder.h"

namespace pennatran {
namespace {

namespace fs = std::filesystem;
using testing::SampleDocument;
using testing::TJwwBuilder;

// A scratch tree: root/ holds the image folder root/images/ and a bait file beside it.
class ImageFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    Root = fs::temp_directory_path() /
           ("pennatran_images_" + std::to_string(::getpid()) + "_" + info->name());
    fs::remove_all(Root);
    fs::create_directories(Root / "images");
    Folder = Root / "images";
  }
  void TearDown() override { fs::remove_all(Root); }

  static std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void WriteFile(const fs::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
  }
  // Every file under the scratch root, relative to it.
  std::set<std::string> Tree() const {
    std::set<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(Root)) {
      names.insert(fs::relative(entry.path(), Root).generic_string());
    }
    return names;
  }

  bool LoadWithImages(TJwwData& doc, const std::vector<TJwwBuilder::TImage>& images) {
    TJwwBuilder b(700);
    b.Header(SampleDocument()).Count(0).Count(0).Images(images).U8(0xEE);
    std::vector<uint8_t> bytes = b.Bytes();
    bytes.pop_back();  // the marker only proves nothing after it was needed
    return doc.LoadFromBytes(bytes.data(), bytes.size(), "a.jww");
  }

  fs::path Root;
  fs::path Folder;
};

TEST_F(ImageFilesTest, ExtractsImagesAndListsEveryEntry) {
  TJwwData doc;
  doc.ImageFolder = Folder;
  const std::string big(5000, '\x7F');  // more than two 2048-byte pieces
  ASSERT_TRUE(LoadWithImages(
      doc, {{"a.bmp.gz", big}, {"", ""}, {"empty.bmp", ""}, {"\x95\x5C.jpg", "hyo"}}))
      << LoadErrorText(doc.LoadError);
  ASSERT_EQ(doc.ImageList.size(), 4u);
  EXPECT_EQ(doc.ImageList[0].Name, "a.bmp.gz");
  EXPECT_EQ(doc.ImageList[0].Size, 5000);
  EXPECT_EQ(doc.ImageList[0].Bytes, big);  // held by the document as well
  EXPECT_EQ(doc.ImageList[3].Bytes, "hyo");
  EXPECT_EQ(doc.ImageList[2].Size, 0);
  EXPECT_EQ(ReadFile(Folder / "a.bmp.gz"), big);
  // 95 5C is one character whose second byte is a backslash in ASCII.
  EXPECT_EQ(ReadFile(Folder / fs::path(u8"\u8868.jpg")), "hyo");
  EXPECT_FALSE(fs::exists(Folder / "empty.bmp"));
  // Only this user may read a drawing's images, whatever the umask allows.
  EXPECT_EQ(fs::status(Folder / "a.bmp.gz").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(ImageFilesTest, HostileNamesNeverReachTheFileSystem) {
  WriteFile(Root / "bait.bmp", "keep");
  const std::vector<std::string> hostile = {
      "../bait.bmp", "../escape.bmp", "sub/x.bmp", "..\\x.bmp",  "/tmp/pennatran_abs.bmp", "..",
      ".",           "   ",           "C:x.bmp",   "x\x81/y.bmp"};
  std::vector<TJwwBuilder::TImage> images;
  for (const std::string& name : hostile) images.push_back({name, "evil"});
  images.push_back({"ok.bmp", "fine"});
  TJwwData doc;
  doc.ImageFolder = Folder;
  ASSERT_TRUE(LoadWithImages(doc, images)) << LoadErrorText(doc.LoadError);
  EXPECT_EQ(doc.ImageList.size(), hostile.size() + 1);
  EXPECT_EQ(Tree(), (std::set<std::string>{"bait.bmp", "images", "images/ok.bmp"}));
  EXPECT_EQ(ReadFile(Root / "bait.bmp"), "keep");
  EXPECT_EQ(ReadFile(Folder / "ok.bmp"), "fine");
  EXPECT_FALSE(fs::exists("/tmp/pennatran_abs.bmp"));
  doc.DeleteImageFiles();
  EXPECT_EQ(Tree(), (std::set<std::string>{"bait.bmp", "images"}));
}

TEST_F(ImageFilesTest, UnwritableImagesAreSkippedAndTheRestStaysAligned) {
  fs::create_directory(Folder / "dir.bmp");  // a file of that name cannot be created
  for (const fs::path& folder : {fs::path(), Folder / "missing", Folder}) {
    TJwwData doc;
    doc.ImageFolder = folder;
    ASSERT_TRUE(LoadWithImages(doc, {{"dir.bmp", "xx"}, {"b.png", "png"}}))
        << LoadErrorText(doc.LoadError);
    ASSERT_EQ(doc.ImageList.size(), 2u);
    EXPECT_EQ(doc.ImageList[1].Name, "b.png");
  }
  EXPECT_EQ(Tree(), (std::set<std::string>{"images", "images/dir.bmp", "images/b.png"}));
}

TEST_F(ImageFilesTest, OlderVersionsLeaveTheListAlone) {
  TJwwData doc;
  doc.ImageFolder = Folder;
  doc.ImageList = {{"kept.bmp", 3, false, "abc"}};
  const std::vector<uint8_t> old = TJwwBuilder::Drawing(SampleDocument(), 600);
  ASSERT_TRUE(doc.LoadFromBytes(old.data(), old.size(), "old.jww"));
  ASSERT_EQ(doc.ImageList.size(), 1u);
  ASSERT_TRUE(LoadWithImages(doc, {}));
  EXPECT_TRUE(doc.ImageList.empty());
}

TEST_F(ImageFilesTest, TruncatedImageWritesNothingAndKeepsEarlierEntries) {
  TJwwBuilder b(700);
  b.Header(SampleDocument()).Count(0).Count(0).U32(2);
  b.ImageEntry("a.bmp", 3, "abc").ImageEntry("b.bmp", 100, "only part");
  TJwwData doc;
  doc.ImageFolder = Folder;
  EXPECT_FALSE(doc.LoadFromBytes(b.Bytes().data(), b.Size(), "a.jww"));
  EXPECT_EQ(LoadErrorText(doc.LoadError), "end of file inside image 2");
  ASSERT_EQ(doc.ImageList.size(), 1u);
  EXPECT_EQ(Tree(), (std::set<std::string>{"images", "images/a.bmp"}));
}

TEST_F(ImageFilesTest, DeleteRemovesListedFilesAndTheirUnpackedForms) {
  for (const char* name : {"a.bmp.gz", "a.bmp", "b.jpg", "c.txt", "X.GZ", "X", "Y"}) {
    WriteFile(Folder / name, "data");
  }
  fs::create_directory(Folder / "sub");
  WriteFile(Root / "outside.gz", "data");
  TJwwData doc;
  doc.ImageFolder = Folder;
  for (const char* name :
       {"a.bmp.gz", "b.jpg", "X.GZ", "sub", ".gz", "..gz", "../outside.gz", "missing.png"}) {
    doc.ImageList.push_back({name, 4, false, "data"});
  }
  doc.DeleteImageFiles();
  EXPECT_EQ(Tree(), (std::set<std::string>{"outside.gz", "images", "images/c.txt", "images/Y",
                                           "images/sub"}));
  doc.ImageFolder.clear();  // no folder: nothing to delete, nothing relative to the cwd
  WriteFile(Folder / "b.jpg", "data");
  doc.DeleteImageFiles();
  EXPECT_TRUE(fs::exists(Folder / "b.jpg"));
}

TEST(SafeImageNameTest, PlainFileNamesOnly) {
  for (const char* name :
       {"a.bmp", "a.bmp.gz", " spaced name.jpg", "\x95\x5C.jpg", "..a", "\x82\xA0.png"}) {
    EXPECT_TRUE(IsSafeImageName(name)) << name;
  }
  for (const char* name :
       {"", " ", ".", "..", " .. ", "a/b", "a\\b", "/abs", "\\\\host\\x", "C:x", "a\x01"}) {
    EXPECT_FALSE(IsSafeImageName(name)) << name;
  }
}

}  // namespace
}  // namespace pennatran
