// What one process of the program hands to another: frames of bytes taken only as the writer
// writes them, the job of a run with administrator rights read back whole, and an engine that
// wipes a job handed over only while its path still names the entry the window saw.

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <string>

#include "WipeEngineFixture.h"
#include "core/HandOverFrames.h"
#include "core/HandOverJob.h"

using namespace std::string_literals;

TEST(HandOverFramesTest, FramesHoldAnyBytesAndOnlyTheirOwnLengths) {
  const std::vector<std::string> payloads = {"", "35", "a\nb", "\0\xff\n\r"s,
                                             std::string(100000, 'x')};
  std::string stream;
  for (const std::string& payload : payloads) stream += FrameOf(payload);
  EXPECT_EQ(SplitFrames(stream, 1 << 20), payloads);
  // Byte by byte, as a pipe may give them.
  TFrameReader reader(1 << 20);
  std::vector<std::string> read;
  for (const char c : stream) {
    reader.Feed(std::string_view(&c, 1));
    while (auto frame = reader.Next()) read.push_back(std::move(*frame));
  }
  EXPECT_EQ(read, payloads);
  EXPECT_FALSE(reader.Broken() || reader.HasPending());

  for (const std::string& bad : {
           "+3\nabc"s, " 3\nabc"s, "03\nabc"s, "3 \nabc"s, "3\r\nabc"s, "0x3\nabc"s, "-0\n"s,
           "\nabc"s, "3\nabcd"s,                             // a byte after the frame
           "4\nabc"s,                                        // cut short
           "18446744073709551616\n"s, std::string(30, '1'),  // no length is this long
           "2000000\n"s,                                     // larger than the reader allows
       }) {
    EXPECT_EQ(SplitFrames(bad, 1 << 20), std::nullopt) << bad;
  }
  EXPECT_EQ(ReadDecimal("18446744073709551615"), std::numeric_limits<std::uint64_t>::max());
  EXPECT_EQ(ReadDecimal("0"), 0u);
}

namespace {

THandOverJob sampleJob() {
  THandOverJob job;
  job.settings.BufferSize = 4096;
  job.settings.WriteSignature = false;
  job.settings.Signature = "sig\xe9";
  job.settings.DiscardFreeBlocks = false;
  job.settings.Journal = WipeRunSettings::JournalNames::WhereKept;
  job.method.Name = "Gutmann";
  for (int i = 0; i < 35; ++i) {
    TPass pass = i % 2 ? BytePass(static_cast<std::uint8_t>(i)) : TextPass("t\n\0x"s);
    pass.Name = "pass" + std::to_string(i);
    pass.CheckWipe = i == 34;
    pass.RandomBytesValue1 = 1;
    pass.RandomBytesValue2 = 254;
    pass.RandomCharacterValue1 = 255;
    job.method.Passes.push_back(pass);
  }
  job.targets = {
      {wkFile, "/home/u/caf\xff.db", {2049, 12}, {}},
      {wkFolder, "/home/u/proj", {2049, std::numeric_limits<std::uint64_t>::max()}, {}},
      {wkFreeSpace, "/", {}, {2049, 77, std::numeric_limits<std::int64_t>::min()}},
      {wkFreeSpace, "/mnt/data/", {}, {2050, 0, -5}},
  };
  return job;
}

void expectSame(const THandOverJob& read, const THandOverJob& written) {
  EXPECT_EQ(read.settings.BufferSize, written.settings.BufferSize);
  EXPECT_EQ(read.settings.WipeSlackSpace, written.settings.WipeSlackSpace);
  EXPECT_EQ(read.settings.ScrambleFile, written.settings.ScrambleFile);
  EXPECT_EQ(read.settings.WriteSignature, written.settings.WriteSignature);
  EXPECT_EQ(read.settings.Signature, written.settings.Signature);
  EXPECT_EQ(read.settings.DiscardFreeBlocks, written.settings.DiscardFreeBlocks);
  EXPECT_EQ(read.settings.Journal, written.settings.Journal);
  EXPECT_EQ(read.method.Name, written.method.Name);
  ASSERT_EQ(read.method.Passes.size(), written.method.Passes.size());
  for (std::size_t i = 0; i < read.method.Passes.size(); ++i) {
    const TPass& a = read.method.Passes[i];
    const TPass& b = written.method.Passes[i];
    EXPECT_EQ(a.Name, b.Name);
    EXPECT_EQ(a.CheckWipe, b.CheckWipe);
    EXPECT_EQ(a.WipeWith, b.WipeWith);
    EXPECT_EQ(a.BytePatternValue, b.BytePatternValue);
    EXPECT_EQ(a.TextPatternValue, b.TextPatternValue);
    EXPECT_EQ(a.RandomBytesValue1, b.RandomBytesValue1);
    EXPECT_EQ(a.RandomBytesValue2, b.RandomBytesValue2);
    EXPECT_EQ(a.RandomCharacterValue1, b.RandomCharacterValue1);
    EXPECT_EQ(a.RandomCharacterValue2, b.RandomCharacterValue2);
  }
  EXPECT_EQ(read.targets, written.targets);
}

}  // namespace

TEST(HandOverJobTest, AJobReadsBackWholeInPiecesOfAnySize) {
  const THandOverJob written = sampleJob();
  const std::string bytes = EncodeHandOverJob(written);
  const auto whole = DecodeHandOverJob(bytes);
  ASSERT_TRUE(whole);
  expectSame(*whole, written);
  THandOverJobReader reader;
  for (std::size_t i = 0; i < bytes.size(); i += 7) {
    EXPECT_EQ(reader.Current(), THandOverJobReader::State::Reading);
    reader.Feed(std::string_view(bytes).substr(i, 7));
  }
  ASSERT_EQ(reader.Current(), THandOverJobReader::State::Complete);
  expectSame(reader.Job(), written);
  // Anything after its end: the job is refused.
  EXPECT_EQ(reader.Feed("x"), THandOverJobReader::State::Refused);
}

TEST(HandOverJobTest, AJobThatIsNotTheWritersIsRefused) {
  const std::string bytes = EncodeHandOverJob(sampleJob());
  std::string problem;
  // Cut anywhere, it never counts as whole.
  for (std::size_t size = 0; size < bytes.size(); size += 13) {
    EXPECT_EQ(DecodeHandOverJob(bytes.substr(0, size)), std::nullopt) << size;
  }
  EXPECT_EQ(DecodeHandOverJob(bytes + "0\n", &problem), std::nullopt);
  EXPECT_NE(problem.find("damaged"), std::string::npos);

  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string changed = bytes;
    const auto at = changed.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return changed.replace(at, from.size(), to);
  };
  // A target without the identity the window saw would be looked up anew.
  THandOverJob unseen = sampleJob();
  unseen.targets = {{wkFile, "/home/u/x", {0, 12}, {}}};
  EXPECT_EQ(DecodeHandOverJob(EncodeHandOverJob(unseen)), std::nullopt);
  THandOverJob tooMany = sampleJob();
  tooMany.method.Passes.resize(TWipeMethod::kMaxPasses + 1);
  EXPECT_EQ(DecodeHandOverJob(EncodeHandOverJob(tooMany)), std::nullopt);
  for (const std::string& bad : {
           replaced("ferrovane-hand-over-1", "ferrovane-hand-over-2"),
           replaced("4\n4096", "4\n0000"),  // no buffer
           replaced("10\nwhere-kept", "10\nwhere-kapt"),
           replaced("2\n35", "2\n36"),  // a pass more than the job holds
           replaced("4\n2049", "4\n+049"),
       }) {
    EXPECT_EQ(DecodeHandOverJob(bad), std::nullopt);
  }
}

TEST(HandOverJobTest, OnlyFullPathsAsTheWindowSawThemAreTargets) {
  struct Case {
    TWipeItemKind kind;
    std::string path;
    bool taken;
  };
  for (const Case& c : {
           Case{wkFile, "/home/u/a", true},
           Case{wkFolder, "/home/u/caf\xff", true},
           Case{wkFreeSpace, "/", true},
           Case{wkFreeSpace, "/mnt/data/", true},
           Case{wkFile, "home/u/a", false},
           Case{wkFile, "/home/u/../../etc/shadow", false},
           Case{wkFile, "/home/u/./a", false},
           Case{wkFile, "/home//u/a", false},
           Case{wkFile, "/home/u/a/", false},
           Case{wkFolder, "/", false},
           Case{wkFreeSpace, "/mnt/data", false},
           Case{wkFile, "/etc\0x"s, false},
           Case{wkFile, "", false},
       }) {
    EXPECT_EQ(HandOverPathProblem(c.kind, c.path).empty(), c.taken) << c.path;
  }
}

class HandedOverJobTest : public WipeEngineTest {
 protected:
  HandedOverJobTest() { AddMethod("one.mtd", {BytePass(0x5A)}); }

  platform::EntryId idOf(const std::string& path) const {
    const auto info = platform::realFileSystem().info(path);
    return info ? info->id : platform::EntryId{};
  }
  void runHandedOver(TWipeItemKind kind, const std::string& path, platform::EntryId seen) {
    auto item = std::make_unique<TWipeItem>(kind, path);
    item->Expected = seen;
    engine.ClearItems();
    engine.AddItem(std::move(item));
    ExecuteWith(engine, manager, services);
  }
};

TEST_F(HandedOverJobTest, AJobIsWipedOnlyWhileItIsTheEntryTheWindowSaw) {
  namespace fsys = std::filesystem;
  const std::string secret = folder.write("secret/precious.db", "root's own");
  for (const TWipeItemKind kind : {wkFile, wkFolder}) {
    SCOPED_TRACE(kind);
    // The folder the user chose, and in it the file; what the window saw of each.
    const std::string chosen = folder.write("proj/precious.db", "the user's");
    const std::string path = kind == wkFile ? chosen : folder / "proj";
    const platform::EntryId seen = idOf(path);

    // The folder of the way replaced by a link to another folder: nothing there is touched.
    fsys::rename(folder / "proj", folder / "proj.old");
    fsys::create_directory_symlink(folder / "secret", folder / "proj");
    runHandedOver(kind, path, seen);
    EXPECT_TRUE(HasFailure(path, TWipeFailureReason::ReplacedSinceChosen))
        << engine.Failures.size();
    EXPECT_EQ(readFileBytes(secret), "root's own");
    // Another entry in its place: the same.
    fsys::remove(folder / "proj");
    folder.write("proj/precious.db", "planted");
    runHandedOver(kind, path, seen);
    EXPECT_TRUE(HasFailure(path, TWipeFailureReason::ReplacedSinceChosen));
    EXPECT_EQ(readFileBytes(folder / "proj/precious.db"), "planted");
    EXPECT_EQ(DescribeFailure(engine.Failures.front()),
              "was replaced since it was chosen: not wiped");

    // The entry the window saw: wiped.
    fsys::remove_all(folder / "proj");
    fsys::rename(folder / "proj.old", folder / "proj");
    runHandedOver(kind, path, seen);
    EXPECT_TRUE(engine.Failures.empty());
    EXPECT_FALSE(fsys::exists(path));
    fsys::remove_all(folder / "proj");
  }
}
