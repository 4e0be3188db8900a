// Saving replaces the target only with a complete file: failures leave the previous file
// byte for byte and no temporary file behind.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "jww/atomic_file.h"
#include "jww/jww_writer.h"
#include "support/jww_builder.h"

namespace pennatran {
namespace {

namespace fs = std::filesystem;
using namespace pennatran::testing;

// Passes `limit` bytes on to the file and refuses the rest, like a disk that fills up.
class TFailAfterSink final : public TByteSink {
 public:
  TFailAfterSink(TByteSink& inner, size_t limit) : Inner(inner), Left(limit) {}
  bool PutSlow(const void* data, size_t size) override {
    if (size > Left) return false;
    Left -= size;
    return Inner.Put(data, size);
  }

 private:
  TByteSink& Inner;
  size_t Left;
};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<fs::path> Entries(const fs::path& folder) {
  std::vector<fs::path> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  return names;
}

class SaveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Folder = fs::temp_directory_path() /
             ("pennatran_save_" +
              std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(Folder);
    fs::create_directories(Folder);
    Target = Folder / "out.jww";
    Doc = SampleDocument();
    for (int i = 0; i < 200; ++i) Append(Doc, MakeLine(i, 0, i, 10));
  }
  void TearDown() override { fs::remove_all(Folder); }

  std::string Expected() const {
    TStringSink sink;
    WriteJww(Doc, sink, 700);
    return sink.Bytes;
  }

  fs::path Folder;
  fs::path Target;
  TJwwData Doc;
};

TEST_F(SaveTest, ANewFileHoldsExactlyTheWrittenBytes) {
  ASSERT_TRUE(Doc.SaveToFile(Target, 700));
  EXPECT_EQ(ReadFile(Target), Expected());
  EXPECT_EQ(Entries(Folder), std::vector<fs::path>{"out.jww"});
}

// The file is written through a buffer: pieces smaller than it, filling it exactly, and
// larger than it must all arrive once and in order.
TEST_F(SaveTest, PiecesOfEverySizeReachTheFileInOrder) {
  std::string expected;
  ASSERT_TRUE(WriteFileAtomically(Target, [&](TByteSink& sink) {
    for (size_t size : {1, 7, 65535, 3, 65536, 1048575, 1048576, 3000000, 0, 700000, 700000, 1}) {
      const std::string piece(size, static_cast<char>('a' + expected.size() % 26));
      ASSERT_TRUE(sink.Put(piece.data(), piece.size()));
      expected += piece;
    }
  }));
  EXPECT_EQ(ReadFile(Target), expected);
}

TEST_F(SaveTest, AnExistingFileIsReplaced) {
  WriteFile(Target, "previous content");
  ASSERT_TRUE(Doc.SaveToFile(Target, 700));
  EXPECT_EQ(ReadFile(Target), Expected());
  EXPECT_EQ(Entries(Folder), std::vector<fs::path>{"out.jww"});
}

TEST_F(SaveTest, AFailurePartWayKeepsThePreviousFileAndLeavesNoTemporary) {
  const std::string previous = "previous content";
  const size_t total = Expected().size();
  for (size_t limit : {size_t{0}, size_t{1}, size_t{5000}, total / 2, total - 1}) {
    WriteFile(Target, previous);
    bool saved = WriteFileAtomically(Target, [&](TByteSink& sink) {
      TFailAfterSink failing(sink, limit);
      WriteJww(Doc, failing, 700);
    });
    EXPECT_FALSE(saved) << limit;
    EXPECT_EQ(ReadFile(Target), previous) << limit;
    EXPECT_EQ(Entries(Folder), std::vector<fs::path>{"out.jww"}) << limit;
  }
  // The same sink with room for everything succeeds, so the limit was what failed.
  EXPECT_TRUE(WriteFileAtomically(Target, [&](TByteSink& sink) {
    TFailAfterSink roomy(sink, total);
    WriteJww(Doc, roomy, 700);
  }));
  EXPECT_EQ(ReadFile(Target), Expected());
}

TEST_F(SaveTest, AFailureWithoutAPreviousFileLeavesNothing) {
  EXPECT_FALSE(WriteFileAtomically(Target, [](TByteSink& sink) {
    sink.Put("abc", 3);
    throw std::runtime_error("any error");
  }));
  EXPECT_TRUE(Entries(Folder).empty());
}

TEST_F(SaveTest, AMissingFolderFails) {
  TSaveError error;
  EXPECT_FALSE(Doc.SaveToFile(Folder / "missing" / "out.jww", 700, &error));
  EXPECT_EQ(error.Failure, TSaveFailure::FolderMissing);
  EXPECT_FALSE(fs::exists(Folder / "missing"));
}

// The rename could replace it, but the user protected it: the save refuses as a direct
// write would, whoever runs it.
TEST_F(SaveTest, AWriteProtectedFileIsNotReplaced) {
  WriteFile(Target, "previous");
  fs::permissions(Target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  TSaveError error;
  EXPECT_FALSE(Doc.SaveToFile(Target, 700, &error));
  EXPECT_EQ(error.Failure, TSaveFailure::ReadOnly);
  EXPECT_EQ(ReadFile(Target), "previous");
  EXPECT_EQ(Entries(Folder), std::vector<fs::path>{"out.jww"});
  fs::permissions(Target, fs::perms::owner_write, std::filesystem::perm_options::add);
  EXPECT_TRUE(Doc.SaveToFile(Target, 700, &error));
  EXPECT_EQ(error.Failure, TSaveFailure::None);
  EXPECT_EQ(error.Message, "");
}

TEST(SaveFailure, SystemErrorsNameTheirCause) {
  const struct {
    int Error;
    TSaveFailure Failure;
  } rows[] = {{0, TSaveFailure::None},
              {EACCES, TSaveFailure::PermissionDenied},
              {EPERM, TSaveFailure::PermissionDenied},
              {EROFS, TSaveFailure::ReadOnly},
              {ENOSPC, TSaveFailure::DiskFull},
              {EDQUOT, TSaveFailure::DiskFull},
              {ENOENT, TSaveFailure::FolderMissing},
              {ENOTDIR, TSaveFailure::FolderMissing},
              {EIO, TSaveFailure::Other}};
  std::set<std::string> texts;
  for (const auto& r : rows) {
    const TSaveFailure failure = SaveFailureOf({r.Error, std::generic_category()});
    EXPECT_EQ(failure, r.Failure) << r.Error;
    const bool named = failure != TSaveFailure::None && failure != TSaveFailure::Other;
    EXPECT_EQ(SaveFailureText(failure).empty(), !named) << r.Error;
    texts.insert(SaveFailureText(failure));
  }
  EXPECT_EQ(texts.size(), 5u);  // four distinct reasons and the empty text
}

// Like a load's error, a save's says what failed, and the system's words when it had any.
TEST_F(SaveTest, AFailedSaveSaysWhatFailedAndWhy) {
  fs::create_directory(Folder / "folder");
  WriteFile(Folder / "protected.jww", "previous");
  fs::permissions(Folder / "protected.jww", fs::perms::owner_read);
  const auto throwing = [](TByteSink&) { throw std::runtime_error("no room in a count"); };
  const struct {
    const char* Name;
    std::function<bool(TSaveError*)> Save;
    TSaveFailure Failure;
    std::string Message;
  } cases[] = {
      {"missing folder",
       [&](TSaveError* e) { return Doc.SaveToFile(Folder / "missing" / "a.jww", 700, e); },
       TSaveFailure::FolderMissing,
       "creating a temporary file beside the target: " +
           std::make_error_code(std::errc::no_such_file_or_directory).message()},
      {"folder", [&](TSaveError* e) { return Doc.SaveToFile(Folder / "folder", 700, e); },
       TSaveFailure::Other, "the target is a folder"},
      {"protected", [&](TSaveError* e) { return Doc.SaveToFile(Folder / "protected.jww", 700, e); },
       TSaveFailure::ReadOnly, "the target is write-protected"},
      {"version", [&](TSaveError* e) { return Doc.SaveToFile(Target, 219, e); },
       TSaveFailure::Other, "version 219 has no layout"},
      {"content", [&](TSaveError* e) { return WriteFileAtomically(Target, throwing, e); },
       TSaveFailure::Other, "making the file's content: no room in a count"},
      {"saved", [&](TSaveError* e) { return Doc.SaveToFile(Target, 700, e); }, TSaveFailure::None,
       ""},
  };
  for (const auto& c : cases) {
    TSaveError error{TSaveFailure::DiskFull, "stale"};
    EXPECT_EQ(c.Save(&error), c.Failure == TSaveFailure::None) << c.Name;
    EXPECT_EQ(error.Failure, c.Failure) << c.Name;
    EXPECT_EQ(error.Message, c.Message) << c.Name;
  }
}

TEST_F(SaveTest, APathThatIsAFolderFailsAndTheFolderStays) {
  fs::create_directory(Target);
  WriteFile(Target / "inside.txt", "x");
  EXPECT_FALSE(Doc.SaveToFile(Target, 700));
  EXPECT_TRUE(fs::is_directory(Target));
  EXPECT_EQ(ReadFile(Target / "inside.txt"), "x");
  EXPECT_EQ(Entries(Folder), std::vector<fs::path>{"out.jww"});
}

TEST_F(SaveTest, AVersionWithoutALayoutIsRefused) {
  WriteFile(Target, "previous");
  EXPECT_FALSE(Doc.SaveToFile(Target, 219));
  EXPECT_FALSE(Doc.SaveToFile(Target, 70000));
  EXPECT_EQ(ReadFile(Target), "previous");
}

TEST_F(SaveTest, SavingThroughALinkReplacesTheFileItPointsTo) {
  const fs::path real = Folder / "real.jww";
  WriteFile(real, "previous");
  std::error_code ec;
  fs::create_symlink(real, Target, ec);
  if (ec) GTEST_SKIP() << "links cannot be made here";
  ASSERT_TRUE(Doc.SaveToFile(Target, 700));
  EXPECT_TRUE(fs::is_symlink(Target));
  EXPECT_EQ(ReadFile(real), Expected());
}

// A link whose file does not exist yet is written through like one whose file does.
TEST_F(SaveTest, SavingThroughADanglingLinkCreatesTheFileItPointsTo) {
  fs::create_directory(Folder / "real");
  std::error_code ec;
  fs::create_symlink(fs::path("real") / "new.jww", Target, ec);
  if (ec) GTEST_SKIP() << "links cannot be made here";
  ASSERT_TRUE(Doc.SaveToFile(Target, 700));
  EXPECT_TRUE(fs::is_symlink(Target));
  EXPECT_EQ(ReadFile(Folder / "real" / "new.jww"), Expected());
}

// The temporary name does not grow with the target's: every name the folder takes saves.
TEST_F(SaveTest, NamesUpToTheLongestTheFolderTakesSave) {
  const std::string kanji = "\xe5\x9b\xb3";  // three bytes in UTF-8
  for (size_t bytes : {size_t{243}, size_t{250}, size_t{255}}) {
    std::string name;
    while (name.size() + kanji.size() + 4 <= bytes) name += kanji;
    name.append(bytes - 4 - name.size(), 'a');
    name += ".jww";
    ASSERT_EQ(name.size(), bytes);
    EXPECT_TRUE(Doc.SaveToFile(Folder / name, 700)) << bytes;
    EXPECT_EQ(ReadFile(Folder / name), Expected()) << bytes;
    fs::remove(Folder / name);
  }
  EXPECT_TRUE(Entries(Folder).empty());
}

TEST_F(SaveTest, SavingTwiceGivesTheSameFileAndChangesNothingInMemory) {
  TEntJwwBlockDef def = MakeBlockDef(9, "b");
  Doc.BlockDefs = {def, MakeBlockDef(3, "unused")};
  Append(Doc, MakeInsert(9, 0, 0));
  Doc.Pens[1].ScreenWidth = 40;
  const std::vector<uint8_t> before = TJwwBuilder::Drawing(Doc);
  ASSERT_TRUE(Doc.SaveToFile(Target, 700));
  const std::string first = ReadFile(Target);
  ASSERT_TRUE(Doc.SaveToFile(Target, 700));
  EXPECT_EQ(ReadFile(Target), first);
  EXPECT_EQ(TJwwBuilder::Drawing(Doc), before);
  EXPECT_FALSE(Doc.BlockDefs[0].Used);
  EXPECT_EQ(Doc.BlockDefs[0].UsedIndex, -1);
}

}  // namespace
}  // namespace pennatran
