// What an apply keeps around a drawing: an earlier backup whole, a backup link's target,
// the drawing's owner and mode, its turn against another run, and a dry run that says what
// the real run does.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "jww/child_process.h"
#include "jww/hardening_support.h"
#include "palette/palette_apply.h"
#include "support/jww_builder.h"

namespace pennatran {
namespace {

namespace fs = std::filesystem;
using namespace pennatran::testing;

// Shaped like real drawings: blank user slot names, line types with no segments.
TJwwData Drawing(uint32_t firstUserColor) {
  TJwwData doc = SampleDocument();
  doc.Header.Version = 700;
  for (TEntJwwColorExNo& color : doc.ColorExNos) color.Name.clear();
  if (doc.ColorExNos.size() > 17) doc.ColorExNos[17].ScreenColor = firstUserColor;
  return doc;
}

void WriteBytes(const fs::path& file, const std::vector<uint8_t>& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

class ApplySafety : public ::testing::Test {
 protected:
  void SetUp() override {
    Folder = fs::temp_directory_path() / ("pennatran_apply_safety_" + std::to_string(::getpid()));
    fs::remove_all(Folder);
    fs::create_directories(Folder);
    Palette = PaletteOfDrawing(Drawing(0x123456));
    Settings.Slots = Palette.Held;
  }
  void TearDown() override {
    for (const auto& entry : fs::recursive_directory_iterator(Folder))
      fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add);
    fs::remove_all(Folder);
  }
  // A drawing the palette changes.
  fs::path Differing(const std::string& name) {
    const fs::path file = Folder / name;
    WriteBytes(file, TJwwBuilder::Drawing(Drawing(0x00ff00)));
    return file;
  }

  fs::path Folder;
  TPalette Palette;
  TApplySettings Settings;
};

TEST_F(ApplySafety, AFailedBackupKeepsTheEarlierOneWhole) {
  TJwwData large = Drawing(0x00ff00);
  for (int i = 0; i < 20000; ++i) Append(large, MakeLine(i, 0, i, 10));
  const fs::path drawing = Folder / "plan.jww";
  WriteBytes(drawing, TJwwBuilder::Drawing(large));
  const fs::path backup = BackupOf(drawing);
  const std::vector<uint8_t> earlier = TJwwBuilder::Drawing(Drawing(0x0000ff));
  WriteBytes(backup, earlier);
  const std::vector<uint8_t> before = ReadBytes(drawing);
  Settings.Backup = true;

  // No room for the new backup: the apply fails before the drawing is touched.
  EXPECT_TRUE(RunsWithinBounds(
      [&] {
        const TApplyResult r = ApplyToDrawing(Palette, Settings, drawing, drawing);
        return r.Status == TApplyStatus::Failed && r.Failure.Kind == TFailureKind::Backup ? 0 : 1;
      },
      [] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
      }));
  EXPECT_EQ(ReadBytes(backup), earlier);
  EXPECT_EQ(ReadBytes(drawing), before);
  EXPECT_EQ(FilesIn(Folder), (std::vector<fs::path>{drawing, backup}));
}

TEST_F(ApplySafety, ABackupThatIsALinkIsReplacedAndItsTargetKept) {
  const fs::path drawing = Differing("plan.jww");
  const std::vector<uint8_t> before = ReadBytes(drawing);
  const fs::path victim = Folder / "victim.txt";
  WriteBytes(victim, {'k', 'e', 'e', 'p'});
  fs::create_symlink("victim.txt", BackupOf(drawing));
  Settings.Backup = true;

  EXPECT_EQ(ApplyToDrawing(Palette, Settings, drawing, drawing).Status, TApplyStatus::Saved);
  EXPECT_EQ(ReadBytes(victim), (std::vector<uint8_t>{'k', 'e', 'e', 'p'}));
  EXPECT_FALSE(fs::is_symlink(BackupOf(drawing)));
  EXPECT_EQ(ReadBytes(BackupOf(drawing)), before);
}

TEST_F(ApplySafety, TheDrawingAndItsBackupKeepOwnerGroupAndMode) {
  const fs::path drawing = Differing("shared.jww");
  // Another user of a shared group; only root may hand a file to them.
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(drawing.c_str(), 1001, 100), 0);
  }
  ASSERT_EQ(::chmod(drawing.c_str(), 0664), 0);
  Settings.Backup = true;

  ASSERT_EQ(ApplyToDrawing(Palette, Settings, drawing, drawing).Status, TApplyStatus::Saved);
  for (const fs::path& file : {drawing, BackupOf(drawing)}) {
    struct stat now {};
    ASSERT_EQ(::stat(file.c_str(), &now), 0);
    EXPECT_EQ(now.st_mode & 07777, 0664u) << file;
    if (root) {
      EXPECT_EQ(now.st_uid, 1001u) << file;
      EXPECT_EQ(now.st_gid, 100u) << file;
    }
  }
}

TEST_F(ApplySafety, ADrawingAnotherRunHoldsIsLeftAsBusy) {
  const fs::path drawing = Differing("held.jww");
  const std::vector<uint8_t> before = ReadBytes(drawing);
  TFileLock other;
  ASSERT_EQ(other.Acquire(drawing, std::chrono::milliseconds(0)), TLockOutcome::Locked);
  Settings.LockWait = std::chrono::milliseconds(0);

  const TApplyResult r = ApplyToDrawing(Palette, Settings, drawing, drawing);
  EXPECT_EQ(r.Status, TApplyStatus::Busy);
  EXPECT_EQ(r.Failure.Kind, TFailureKind::Busy);
  EXPECT_EQ(ReadBytes(drawing), before);
  other.Release();
  EXPECT_EQ(ApplyToDrawing(Palette, Settings, drawing, drawing).Status, TApplyStatus::Saved);
}

// The dry run's answer for each drawing, then the real run's: they must agree, with
// WouldChange for Saved and WouldFail for Failed.
TEST_F(ApplySafety, ADryRunPredictsTheRealRun) {
  struct TCase {
    const char* Name;
    bool Matching, ReadOnly, Broken, OutDir;
    TApplyStatus Real;
  };
  const TCase cases[] = {
      {"matching", true, false, false, false, TApplyStatus::Unchanged},
      {"differing", false, false, false, false, TApplyStatus::Saved},
      {"readonly", false, true, false, false, TApplyStatus::Failed},
      {"readonly-matching", true, true, false, false, TApplyStatus::Unchanged},
      {"broken", false, false, true, false, TApplyStatus::Skipped},
      {"out-matching", true, false, false, true, TApplyStatus::Saved},
      {"out-differing", false, false, false, true, TApplyStatus::Saved},
      {"out-broken", false, false, true, true, TApplyStatus::Skipped},
  };
  const auto predicted = [](TApplyStatus real) {
    return real == TApplyStatus::Saved    ? TApplyStatus::WouldChange
           : real == TApplyStatus::Failed ? TApplyStatus::WouldFail
                                          : real;
  };
  for (const TCase& c : cases) {
    const fs::path input = Folder / (std::string(c.Name) + ".jww");
    std::vector<uint8_t> bytes = TJwwBuilder::Drawing(Drawing(c.Matching ? 0x123456 : 0x00ff00));
    if (c.Broken) bytes.resize(bytes.size() * 2 / 3);
    WriteBytes(input, bytes);
    if (c.ReadOnly) fs::permissions(input, fs::perms::owner_write, fs::perm_options::remove);
    const fs::path output = c.OutDir ? Folder / "out" / input.filename() : input;

    TApplySettings dry = Settings;
    dry.DryRun = true;
    const TApplyResult guess = ApplyToDrawing(Palette, dry, input, output);
    EXPECT_EQ(ReadBytes(input), bytes) << c.Name;
    EXPECT_EQ(fs::exists(output), !c.OutDir) << c.Name;
    const TApplyResult real = ApplyToDrawing(Palette, Settings, input, output);
    EXPECT_EQ(real.Status, c.Real) << c.Name;
    EXPECT_EQ(guess.Status, predicted(real.Status)) << c.Name;
    EXPECT_EQ(guess.ChangedSlots, real.ChangedSlots) << c.Name;
    EXPECT_EQ(guess.Failure.Kind, real.Failure.Kind) << c.Name;
  }
}

}  // namespace
}  // namespace pennatran
