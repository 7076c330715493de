// Wiping single files: the bytes each pass leaves, the rename and deletion, the question about
// executables, Cancel, and what a run records when it leaves a file behind.

#include <filesystem>
#include <fstream>

#include "WipeEngineFixture.h"
#include "core/ProgramRandom.h"

namespace fsys = std::filesystem;

namespace {

std::uint64_t EndOfWrites(const FaultyFileSystem& files, const std::string& path) {
  std::uint64_t end = 0;
  for (const auto& write : files.writes) {
    if (write.path == path) end = std::max(end, write.offset + write.length);
  }
  return end;
}

std::uint64_t BytesWritten(const FaultyFileSystem& files, const std::string& path) {
  std::uint64_t total = 0;
  for (const auto& write : files.writes) {
    if (write.path == path) total += write.length;
  }
  return total;
}

}  // namespace

TEST_F(WipeEngineTest, PassCoversTheFileInBlocksAndStopsAtItsEnd) {
  AddMethod("one.mtd", {BytePass(0xAB)});
  struct Case {
    std::uint64_t size;
    std::uint64_t sizeAfter;  // what the pass leaves: never more than one whole block grows it
    std::uint64_t advanced;
  };
  // BufferSize 524288, clusters of 4096 bytes, slack space on.
  const Case cases[] = {
      {10000, 10000, 12288},        // no whole block; the rest stops at the end
      {524287, 524288, 524288},     // one whole block grows the file by one byte
      {1048576, 1048576, 1052672},  // two whole blocks; of the rest nothing is written
      {4096, 4096, 8192},           // one cluster more than the file, no whole block
      {0, 0, 0},                    // an empty file gets no write and is still deleted
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    files.writes.clear();
    files.deleted.clear();
    services.log = {};
    const std::string path = folder.write("file", std::string(c.size, 'x'));
    Run(wkFile, path);
    EXPECT_EQ(EndOfWrites(files, path), c.sizeAfter);
    EXPECT_EQ(BytesWritten(files, path), c.sizeAfter);
    EXPECT_EQ(services.log.advanced, c.advanced);
    ASSERT_EQ(WipedContents().size(), 1u);
    EXPECT_EQ(WipedContents()[0], std::string(c.sizeAfter, '\xAB'));
    EXPECT_FALSE(pathExists(path));
    EXPECT_TRUE(engine.Failures.empty());
  }
  // The file of 10,000 bytes got one write of exactly its length.
  files.writes.clear();
  const std::string path = folder.write("small", std::string(10000, 'x'));
  Run(wkFile, path);
  ASSERT_EQ(files.writes.size(), 1u);
  EXPECT_EQ(files.writes[0].offset, 0u);
  EXPECT_EQ(files.writes[0].length, 10000u);
}

TEST_F(WipeEngineTest, PatternsStartAgainAtEveryBlock) {
  manager.WipeSlackSpace = false;
  manager.BufferSize = 10;
  AddMethod("text.mtd", {TextPass("abc")});
  Run(wkFile, folder.write("file", std::string(25, 'x')));
  ASSERT_EQ(WipedContents().size(), 1u);
  EXPECT_EQ(WipedContents()[0],
            "abcabcabca"
            "abcabcabca"
            "abcab");

  // Random bytes: one buffer drawn per pass and file, repeated block after block.
  manager.BufferSize = 4096;
  TPass random;
  random.WipeWith = wwRandomBytes;
  random.RandomBytesValue1 = 10;
  random.RandomBytesValue2 = 250;
  AddMethod("text.mtd", {random});
  files.deleted.clear();
  SetRandomSeed(7);
  Run(wkFile, folder.write("file", std::string(3 * 4096 + 100, 'x')));
  const std::uint32_t seedAfterRun = RandomSeed();
  SetRandomSeed(7);
  const std::string buffer = random.BuildBuffer(4096);
  EXPECT_EQ(RandomSeed(), seedAfterRun);
  ASSERT_EQ(WipedContents().size(), 1u);
  EXPECT_EQ(WipedContents()[0], buffer + buffer + buffer + buffer.substr(0, 100));
}

TEST_F(WipeEngineTest, SignaturePassComesLastAndEveryPassIsFlushed) {
  AddMethod("three.mtd", {BytePass(1), BytePass(2), BytePass(3)});
  manager.WriteSignature = true;
  manager.Signature = "Wiped by ME!";
  const std::string path = folder.write("file", std::string(30, 'x'));
  Run(wkFile, path);
  const std::vector<std::pair<int, int>> passes = {{1, 4}, {2, 4}, {3, 4}, {4, 4}};
  EXPECT_EQ(services.log.passes, passes);
  EXPECT_EQ(services.log.fileRanges, std::vector<std::uint64_t>{120});
  EXPECT_EQ(services.log.files, std::vector<std::string>{path});
  EXPECT_EQ(std::count(files.flushes.begin(), files.flushes.end(), path), 4);
  ASSERT_EQ(WipedContents().size(), 1u);
  EXPECT_EQ(WipedContents()[0], "Wiped by ME!Wiped by ME!Wiped ");

  // Without signature text the signature pass writes zeros.
  manager.Signature.clear();
  files.deleted.clear();
  Run(wkFile, folder.write("file", std::string(30, 'x')));
  ASSERT_EQ(WipedContents().size(), 1u);
  EXPECT_EQ(WipedContents()[0], std::string(30, '\0'));
}

TEST_F(WipeEngineTest, WhileTheDeviceFlushesAPassTheWindowsHandleEventsBetweenWaits) {
  AddMethod("two.mtd", {BytePass(1), BytePass(2)});
  // Every flush is still going on at its first three waits.
  files.slowFlushTurns = 3;
  for (const std::size_t size : {std::size_t{0}, std::size_t{4096}, std::size_t{1} << 20}) {
    SCOPED_TRACE(size);
    files.flushes.clear();
    files.startedFlushes.clear();
    files.flushWaits = 0;
    // The waits that had ended, each time the windows handled events.
    std::vector<int> seen;
    services.onProcess = [&] { seen.push_back(files.flushWaits); };
    const std::string path = folder.write("file", std::string(size, 'x'));
    Run(wkFile, path);
    EXPECT_TRUE(engine.Failures.empty());
    EXPECT_FALSE(pathExists(path));
    EXPECT_EQ(files.startedFlushes, std::vector<std::string>(2, path));
    EXPECT_EQ(files.flushWaits, 6);
    // Between two waits on the device the windows handled their events.
    for (int wait = 1; wait <= files.flushWaits; ++wait) {
      EXPECT_NE(std::find(seen.begin(), seen.end(), wait), seen.end()) << "after wait " << wait;
    }
  }
}

TEST_F(WipeEngineTest, BufferSizeOutsideMemoryLimitsNeverCrashes) {
  AddMethod("one.mtd", {BytePass(0x5A)});
  // 0 or less: nothing is written, so the file keeps its name and place, and the run says so.
  for (const std::int32_t size : {0, -5}) {
    SCOPED_TRACE(size);
    manager.BufferSize = size;
    files.writes.clear();
    const std::string path = folder.write("file", std::string(100, 'x'));
    Run(wkFile, path);
    EXPECT_TRUE(files.writes.empty());
    EXPECT_EQ(readFileBytes(path), std::string(100, 'x'));
    EXPECT_TRUE(HasFailure(path, TWipeFailureReason::PassFailed));
  }
  // An empty file had nothing to overwrite.
  Run(wkFile, folder.write("empty", ""));
  EXPECT_TRUE(engine.Failures.empty());

  // The largest BufferSize: the bytes are those of a buffer that size, held in small pieces.
  manager.BufferSize = 2147483647;
  manager.WipeSlackSpace = false;
  files.deleted.clear();
  Run(wkFile, folder.write("big", std::string(100000, 'x')));
  ASSERT_EQ(WipedContents().size(), 1u);
  EXPECT_EQ(WipedContents()[0], std::string(100000, '\x5A'));
  AddMethod("one.mtd", {TextPass("abcdefg")});
  files.deleted.clear();
  Run(wkFile, folder.write("big", std::string(100000, 'x')));
  ASSERT_EQ(WipedContents().size(), 1u);
  EXPECT_EQ(WipedContents()[0], RepeatToLength("abcdefg", 100000));
}

TEST_F(WipeEngineTest, WipedFileIsRenamedToTheLongNameThenDeleted) {
  AddMethod("one.mtd", {BytePass(0)});
  const std::string first = folder.write("dir/first", "1111");
  const std::string second = folder.write("dir/second", "2222");
  engine.AddItem(std::make_unique<TWipeItem>(wkFile, first));
  engine.AddItem(std::make_unique<TWipeItem>(wkFile, second));
  ExecuteWith(engine, manager, services);
  // Both got the same long name, so the first was gone before the second was renamed.
  const std::string longPath = folder / "dir/" + LongName();
  ASSERT_EQ(files.renames.size(), 2u);
  EXPECT_EQ(files.renames[0], std::make_pair(first, longPath));
  EXPECT_EQ(files.renames[1], std::make_pair(second, longPath));
  EXPECT_EQ(WipedContents().size(), 2u);
  EXPECT_FALSE(pathExists(longPath));
  EXPECT_EQ(engine.Items.size(), 2u);  // the caller empties the list

  // When the rename fails, the file is deleted under its own name.
  const std::string third = folder.write("dir/third", "3333");
  files.failRename.insert(third);
  Run(wkFile, third);
  ASSERT_FALSE(files.deleted.empty());
  EXPECT_EQ(files.deleted.back().path, third);
  EXPECT_EQ(files.deleted.back().contents, std::string(4, '\0'));
  EXPECT_TRUE(engine.Failures.empty());
}

TEST_F(WipeEngineTest, FileThatCannotBeDeletedStaysOverwrittenUnderItsOwnName) {
  AddMethod("one.mtd", {BytePass(0x77)});
  const std::string path = folder.write("file", "secret");
  files.failDelete.insert(folder / LongName());
  Run(wkFile, path);
  EXPECT_EQ(readFileBytes(path), std::string(6, '\x77'));
  EXPECT_FALSE(pathExists(folder / LongName()));
  EXPECT_TRUE(HasFailure(path, TWipeFailureReason::CannotDelete));

  files.failRename.insert(path);
  files.failDelete.insert(path);
  Run(wkFile, path);
  EXPECT_TRUE(pathExists(path));
  EXPECT_TRUE(HasFailure(path, TWipeFailureReason::CannotDelete));
}

TEST_F(WipeEngineTest, ExecutablesAreAskedAboutByTheirLastThreeCharacters) {
  AddMethod("one.mtd", {BytePass(0)});
  services.answer = false;
  const std::string lower = folder.write("Setup.exe", "a");
  const std::string upper = folder.write("SETUP.EXE", "b");
  const std::string mixed = folder.write("Setup.Exe", "c");
  const std::string bare = folder.write("notexe", "d");
  fsys::permissions(lower, fsys::perms::owner_read);
  for (const auto& path : {lower, upper, mixed, bare}) {
    engine.AddItem(std::make_unique<TWipeItem>(wkFile, path));
  }
  ExecuteWith(engine, manager, services, true);
  EXPECT_EQ(services.asked, (std::vector<std::string>{lower, upper, bare}));
  // Answered No: untouched, attributes too; the run went on with the next file.
  EXPECT_EQ(readFileBytes(lower), "a");
  EXPECT_EQ(fsys::status(lower).permissions(), fsys::perms::owner_read);
  EXPECT_EQ(readFileBytes(upper), "b");
  EXPECT_EQ(readFileBytes(bare), "d");
  EXPECT_FALSE(pathExists(mixed));
  EXPECT_TRUE(HasFailure(lower, TWipeFailureReason::KeptByUser));
  EXPECT_EQ(engine.Failures.size(), 3u);

  // Answered Yes: wiped like any other file. Not asked at all without WarnOnExecutable.
  services.answer = true;
  ExecuteWith(engine, manager, services, true);
  EXPECT_FALSE(pathExists(lower));
  EXPECT_FALSE(pathExists(upper));
  services.asked.clear();
  Run(wkFile, folder.write("other.exe", "e"));
  EXPECT_TRUE(services.asked.empty());
  EXPECT_FALSE(pathExists(folder / "other.exe"));
}

TEST_F(WipeEngineTest, ReadOnlyHiddenFileIsWipedAndDeleted) {
  AddMethod("one.mtd", {BytePass(0x42)});
  const std::string path = folder.write(".hidden", "data");
  fsys::permissions(path, fsys::perms::owner_read | fsys::perms::group_read);
  Run(wkFile, path);
  EXPECT_FALSE(pathExists(path));
  ASSERT_EQ(WipedContents().size(), 1u);
  EXPECT_EQ(WipedContents()[0], "BBBB");

  // A read-only mark that cannot be cleared: the file is left unwritten and named with why.
  const std::string marked = folder.write("marked", "data");
  fsys::permissions(marked, fsys::perms::owner_read);
  files.failSetAttributes = {marked};
  files.writes.clear();
  Run(wkFile, marked);
  EXPECT_EQ(readFileBytes(marked), "data");
  EXPECT_TRUE(files.writes.empty());
  EXPECT_EQ(
      engine.Failures,
      (std::vector<TWipeFailure>{{marked, TWipeFailureReason::CannotOpen, files.injectedError}}));
}

TEST_F(WipeEngineTest, FileThatCannotBeWipedStaysAndIsReported) {
  AddMethod("one.mtd", {BytePass(0)});
  const std::string locked = folder.write("locked", "keep");
  const std::string next = folder.write("next", "gone");
  files.failOpen.insert(locked);
  engine.AddItem(std::make_unique<TWipeItem>(wkFile, locked));
  engine.AddItem(std::make_unique<TWipeItem>(wkFile, next));
  ExecuteWith(engine, manager, services);
  EXPECT_EQ(readFileBytes(locked), "keep");
  EXPECT_FALSE(pathExists(next));
  EXPECT_EQ(engine.OverwriteFile(TWipeItem(wkFile, locked)), 1);
  EXPECT_TRUE(HasFailure(locked, TWipeFailureReason::CannotOpen));
  EXPECT_EQ(WipeFailureText(TWipeFailureReason::CannotOpen), "could not be opened");

  // Missing files are named as not found; paths that are not full paths are never touched.
  Run(wkFile, folder / "missing");
  EXPECT_TRUE(HasFailure(folder / "missing", TWipeFailureReason::NotFound));
  files.deleted.clear();
  Run(wkFile, "locked");
  EXPECT_TRUE(files.deleted.empty());
  EXPECT_EQ(engine.Failures.size(), 1u);  // each run starts a new list

  // Without a method every file stays: an empty catalogue, or one the settings do not name.
  manager.Methods.clear();
  Run(wkFile, next);
  Run(wkFile, folder.write("next", "stays"));
  EXPECT_EQ(readFileBytes(next), "stays");
  EXPECT_TRUE(HasFailure(next, TWipeFailureReason::NoMethod));
  AddMethod("one.mtd", {BytePass(0)});
  folder.write("program/Ferrovane.ini", "[Engines]\nWipeFiles=gone.mtd\n");
  Run(wkFile, next);
  EXPECT_EQ(readFileBytes(next), "stays");
  EXPECT_TRUE(HasFailure(next, TWipeFailureReason::NoMethod));
}

TEST_F(WipeEngineTest, FullDiskFailsThePassUnlessOnlyTheSlackIsLeft) {
  AddMethod("two.mtd", {BytePass(1), BytePass(2)});
  // The disk fills within the file: the pass fails, the next pass still runs from the start,
  // and the file keeps its name and place; the run names it once, with the first failure.
  std::string path = folder.write("file", std::string(10000, 'x'));
  files.bytesLeft = 1000;
  Run(wkFile, path);
  EXPECT_TRUE(HasFailure(path, TWipeFailureReason::PassFailed));
  EXPECT_EQ(std::count_if(engine.Failures.begin(), engine.Failures.end(),
                          [&](const TWipeFailure& failure) {
                            return failure.Path == path &&
                                   failure.Reason == TWipeFailureReason::PassFailed;
                          }),
            1);
  EXPECT_TRUE(pathExists(path));
  EXPECT_TRUE(files.renames.empty());

  // The disk fills only where a whole block grows the file: every byte of it was overwritten.
  AddMethod("two.mtd", {BytePass(1)});
  manager.BufferSize = 8192;
  files.deleted.clear();
  path = folder.write("file", std::string(4096, 'x'));
  files.bytesLeft = 4096;
  Run(wkFile, path);
  EXPECT_TRUE(engine.Failures.empty());
  ASSERT_EQ(WipedContents().size(), 1u);
  EXPECT_EQ(WipedContents()[0], std::string(4096, '\x01'));
}

TEST_F(WipeEngineTest, CancelStopsAfterTheCurrentBlock) {
  AddMethod("three.mtd", {BytePass(0x11), BytePass(0x22), BytePass(0x33)});
  manager.WipeSlackSpace = false;
  manager.BufferSize = 4096;
  const std::size_t size = 3u << 20;
  const std::string path = folder.write("file", std::string(size, 'x'));
  const std::string later = folder.write("later", "untouched");
  engine.AddItem(std::make_unique<TWipeItem>(wkFile, path));
  engine.AddItem(std::make_unique<TWipeItem>(wkFile, later));
  // Cancel as soon as the second pass has written something.
  services.onProcess = [&] {
    if (services.log.passes.size() == 2) engine.Stop();
  };
  ExecuteWith(engine, manager, services);
  EXPECT_TRUE(engine.Aborted);
  const std::string contents = readFileBytes(path);
  ASSERT_EQ(contents.size(), size);
  EXPECT_EQ(contents.front(), '\x22');
  EXPECT_EQ(contents.back(), '\x11');
  EXPECT_EQ(contents.find('\x33'), std::string::npos);
  EXPECT_EQ(readFileBytes(later), "untouched");
  EXPECT_TRUE(files.renames.empty());
  EXPECT_TRUE(engine.Failures.empty());
  EXPECT_EQ(services.log.closed, 1);

  // The next run starts afresh.
  services.onProcess = nullptr;
  ExecuteWith(engine, manager, services);
  EXPECT_FALSE(engine.Aborted);
  EXPECT_FALSE(pathExists(path));
}

TEST_F(WipeEngineTest, ExecuteIsRefusedWhileTheEngineRuns) {
  AddMethod("one.mtd", {BytePass(0)});
  const std::string path = folder.write("file", "data");
  int nested = 0;
  services.onProcess = [&] {
    if (nested++ == 0) {
      EXPECT_TRUE(engine.Running());
      ExecuteWith(engine, manager, services);
    }
  };
  Run(wkFile, path);
  EXPECT_FALSE(engine.Running());
  EXPECT_EQ(services.log.opened, 1);
  EXPECT_EQ(files.renames.size(), 1u);
  EXPECT_FALSE(pathExists(path));
}

TEST_F(WipeEngineTest, LinksAreRemovedAsLinksAndTheirTargetsKept) {
  AddMethod("one.mtd", {BytePass(0)});
  const std::string target = folder.write("outside/target", "precious");
  const std::string link = folder / "link";
  fsys::create_symlink(target, link);
  Run(wkFile, link);
  EXPECT_FALSE(pathExists(link));
  EXPECT_EQ(readFileBytes(target), "precious");
  EXPECT_TRUE(files.writes.empty());
  EXPECT_TRUE(engine.Failures.empty());

  // A folder job that names a link to a folder, with or without a final separator.
  for (const std::string suffix : {"", "/"}) {
    const std::string folderLink = folder / "folderlink";
    fsys::create_directory_symlink(folder / "outside", folderLink);
    Run(wkFolder, folderLink + suffix);
    EXPECT_FALSE(pathExists(folderLink));
    EXPECT_EQ(readFileBytes(target), "precious");
  }
  EXPECT_TRUE(files.writes.empty());
}

TEST_F(WipeEngineTest, AMethodNotReadWholeLeavesEveryFileAsItIs) {
  // Its file names more passes than are read: the passes that were read are not the method.
  folder.write("program/Methods/part.mtd",
               "[Method]\nName=Part\nPasses=5000\n[Pass1]\nWipeWith=0\n");
  AddMethod("whole.mtd", {BytePass(1)});
  folder.write("program/Ferrovane.ini", "[Engines]\nWipeFiles=part.mtd\n");
  const std::string path = folder.write("file", "kept");
  Run(wkFile, path);
  EXPECT_EQ(readFileBytes(path), "kept");
  EXPECT_TRUE(HasFailure(path, TWipeFailureReason::MethodNotReadWhole));
  EXPECT_EQ(DescribeFailure(engine.Failures.at(0)),
            "method file could not be read: it has more than 1000 passes");
}

TEST_F(WipeEngineTest, LargeWipedFilesAreGivenBackInStepsBeforeTheyGo) {
  AddMethod("one.mtd", {BytePass(0x3C)});
  engine.GiveBackStep = 4096;
  struct Case {
    const char* what;
    std::uint64_t size;
    std::vector<std::uint64_t> steps;  // the sizes the file is shrunk to, in order
  };
  const Case cases[] = {
      {"one step or less: deleted at once", 4096, {}},
      {"a part step left at the end", 10000, {8192, 4096, 0}},
      {"whole steps", 12288, {8192, 4096, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    files.truncations.clear();
    files.deleted.clear();
    const int before = services.processed;
    const std::string path = folder.write("file", std::string(c.size, 'x'));
    Run(wkFile, path);
    EXPECT_TRUE(engine.Failures.empty()) << ::testing::PrintToString(engine.Failures);
    std::vector<std::uint64_t> steps;
    for (const auto& [shrunk, size] : files.truncations) {
      EXPECT_EQ(shrunk, folder / LongName());
      steps.push_back(size);
    }
    EXPECT_EQ(steps, c.steps);
    // The windows handle events between the steps.
    EXPECT_GE(services.processed - before, static_cast<int>(c.steps.size()));
    EXPECT_FALSE(pathExists(path));
    ASSERT_EQ(files.deleted.size(), 1u);
  }
}
