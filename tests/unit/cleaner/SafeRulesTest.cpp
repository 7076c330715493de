// The temporary-files and check-disk items delete only what is theirs: everything else in the
// places they walk must survive a run.

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "CleanerFixture.h"
#include "cleaner/TmpfilesExclusions.h"
#include "cleaner/WindowsTraces.h"
#include "support/TestDrives.h"

namespace {

namespace fsys = std::filesystem;
using Texts = std::vector<std::string>;

TEST(TmpfilesPatterns, PathsAreReadAsSystemdTmpfilesReadsThem) {
  const struct {
    const char* line;
    Texts patterns;
  } cases[] = {
      {R"(x /tmp/c\\d)", {"/tmp/c\\d"}},
      {R"(x /tmp/a\x20b - - -)", {"/tmp/a b"}},
      {R"(x /tmp/oct\101 /tmp/s\sp)", {"/tmp/octA"}},
      {R"(X /tmp/s\sp)", {"/tmp/s p"}},
      {R"(x /tmp/uni\u00e9)", {"/tmp/uni\xC3\xA9"}},
      {R"(x "/tmp/q u'o"te)", {"/tmp/q u'ote"}},
      {R"(x '/tmp/single "q"')", {"/tmp/single \"q\""}},
      {R"(x "/tmp/in\"side")", {"/tmp/in\"side"}},
      {R"(x /tmp/%%T)", {"/tmp/%T"}},
      // What systemd cannot read (an unknown escape, a NUL, an unclosed quote) is kept as
      // written: an exclusion is never dropped for its form.
      {R"(x /tmp/bad\q)", {"/tmp/bad\\q"}},
      {R"(x /tmp/nul\x00)", {"/tmp/nul\\x00"}},
      {R"(x "/tmp/unclosed)", {"/tmp/unclosed"}},
      {R"(d /tmp/made\x20daily)", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(TmpfilesExclusions::PatternsIn(c.line), c.patterns);
  }
}

TEST(TmpfilesPatterns, AnUnreadablePatternKeepsItsPlaceRatherThanLettingItGo) {
  TestFolder folder;
  folder.write("tmpfiles.d/odd.conf", "x /tmp/set[ab\nx /tmp/plain\n");
  const TmpfilesExclusions exclusions({folder / "tmpfiles.d"}, {});
  EXPECT_TRUE(exclusions.Excludes("/tmp/setx"));
  EXPECT_TRUE(exclusions.Excludes("/tmp/plain"));
  EXPECT_FALSE(exclusions.Excludes("/var/setx"));
  EXPECT_FALSE(exclusions.Excludes("/tmp/setx/deeper/than/the/pattern"));
}

class SafeRulesTest : public CleanerTest {
 protected:
  SafeRulesTest() {
    CleanerEnvironment().SharedTempFolder = folder.makeFolder("vartmp");
    CleanerEnvironment().ProcessFolder = folder.makeFolder("proc");
  }

  // A file last changed `hours` ago.
  std::string Aged(const std::string& relative, int hours) {
    const std::string path = folder.write(relative, "data");
    fsys::last_write_time(path, fsys::file_time_type::clock::now() - std::chrono::hours(hours));
    return path;
  }

  // A process of the fake process table that holds the file open as descriptor 3.
  void HeldOpen(const std::string& path, int process) {
    const std::string fds = folder.makeFolder("proc/" + std::to_string(process) + "/fd");
    fsys::create_symlink(path, fds + "/3");
  }

  // The previewed paths, then the removed ones of a real run.
  std::pair<Texts, Texts> PreviewThenClean(TEraser& item) {
    TEraserEngine& engine = static_cast<TEraserEngine&>(*item.Engine);
    auto paths = [&] {
      Texts texts;
      for (const TCleanRecord& record : engine.Removed) texts.push_back(record.What);
      std::sort(texts.begin(), texts.end());
      engine.ClearRecords();
      return texts;
    };
    engine.Preview = true;
    item.Erase();
    Texts previewed = paths();
    engine.Preview = false;
    item.Erase();
    return {previewed, paths()};
  }
};

TEST_F(SafeRulesTest, TemporaryFilesLeaveWhatOthersStillUseOrOwn) {
  const std::string temp = folder.tempFolder();
  const bool root = ::geteuid() == 0;
  // The administrator leaves the shared folder to the system.
  const std::string shared = Aged("vartmp/old.log", 100);
  Texts removed = {Aged("temp/old.txt", 48), Aged("temp/dir/deep/old.txt", 30),
                   Aged("temp/mixed/old.txt", 25)};
  if (!root) removed.push_back(shared);
  Aged("temp/recent.txt", 2);
  Aged("temp/mixed/recent.txt", 23);
  const std::string linked = Aged("temp/linked.txt", 48);
  fsys::create_hard_link(linked, temp + "linked-too.txt");
  HeldOpen(Aged("temp/open-elsewhere.txt", 48), 4242);
  folder.makeFolder("temp/empty-before");
  const std::string outside = Aged("outside/target.txt", 48);
  fsys::create_symlink(outside, temp + "link.txt");
  ASSERT_EQ(::mkfifo((temp + "fifo").c_str(), 0600), 0);
  const int socketFd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socketPath = temp + "sock";
  ASSERT_LT(socketPath.size(), sizeof address.sun_path);
  std::copy(socketPath.begin(), socketPath.end(), address.sun_path);
  ASSERT_EQ(::bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  if (root) {
    ASSERT_EQ(::chown(Aged("temp/others.txt", 48).c_str(), 65534, 65534), 0);
    Aged("temp/others-folder/mine.txt", 48);
    ASSERT_EQ(::chown((temp + "others-folder").c_str(), 65534, 65534), 0);
  }
  for (const char* kind : {"fifo", "sock"}) {
    fsys::last_write_time(temp + kind, fsys::file_time_type::clock::now() - std::chrono::hours(48));
  }

  TEraserEngine engine;
  const auto [previewed, cleaned] = PreviewThenClean(*engine.EraseWindowsTemp);
  ::close(socketFd);

  Texts expected = removed;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(previewed, expected);
  EXPECT_EQ(cleaned, expected);
  for (const std::string& path : expected) EXPECT_FALSE(pathExists(path)) << path;
  Texts kept = {"temp/recent.txt",
                "temp/mixed/recent.txt",
                "temp/linked.txt",
                "temp/linked-too.txt",
                "temp/open-elsewhere.txt",
                "temp/empty-before",
                "temp/link.txt",
                "outside/target.txt",
                "temp/fifo",
                "temp/sock",
                "temp",
                "vartmp"};
  if (root) {
    kept.insert(kept.end(), {"temp/others.txt", "temp/others-folder/mine.txt", "vartmp/old.log"});
  }
  for (const std::string& path : kept) EXPECT_TRUE(pathExists(folder / path)) << path;
  // Emptied by the run itself: gone.
  EXPECT_FALSE(pathExists(temp + "dir"));
}

TEST_F(SafeRulesTest, TemporaryFilesLeaveWhatTheSystemsOwnCleanerKeeps) {
  const std::string temp = folder.tempFolder();
  folder.write("tmpfiles.d/keep.conf",
               "# what this machine keeps\n"
               "x  " +
                   temp +
                   "keep-*  -  -  -  -\n"
                   "X! " +
                   temp +
                   "session-%b\n"
                   "x- \"" +
                   temp +
                   "with space\"\n"
                   "d  " +
                   temp +
                   "made-daily 1777 root root 1d\n"
                   "R  " +
                   temp + "old.txt\n");
  folder.write("tmpfiles.d/not-read.txt", "x " + temp + "gone-*\n");
  const Texts kept = {
      "temp/.X0-lock",       "temp/.X11-unix/X0",
      "temp/.ICE-unix/1234", "temp/systemd-private-0a1b-colord.service-Qx2/tmp/state",
      "temp/keep-this.txt",  "temp/keep-folder/deep/file",
      "temp/session-4f2a9c", "temp/session-4f2a9c2/inside",
      "temp/with space",     "vartmp/.X1-lock"};
  const Texts gone = {"temp/old.txt",
                      "temp/gone-1",
                      "temp/made-daily/old",
                      "temp/x/keep-1",
                      "temp/.X11-unix-not/file",
                      "temp/sub/.X0-lock"};
  for (const std::string& path : kept) Aged(path, 48);
  for (const std::string& path : gone) Aged(path, 48);

  TEraserEngine engine;
  const auto [previewed, cleaned] = PreviewThenClean(*engine.EraseWindowsTemp);
  Texts expected;
  for (const std::string& path : gone) expected.push_back(folder / path);
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(cleaned, expected);
  for (const std::string& path : kept) EXPECT_TRUE(pathExists(folder / path)) << path;

  // The whole temporary folder named: nothing in it is touched.
  const std::string last = Aged("temp/last.txt", 48);
  folder.write("tmpfiles.d/all.conf", "x " + folder.path() + "temp\n");
  engine.EraseWindowsTemp->Erase();
  EXPECT_TRUE(pathExists(last));
}

TEST_F(SafeRulesTest, TheAdministratorCleansTheSharedFolderOnlyWhenItIsTheTemporaryFolder) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs the administrator";
  const std::string shared = Aged("vartmp/old.log", 100);
  TEraserEngine engine;
  engine.EraseWindowsTemp->Erase();
  EXPECT_TRUE(pathExists(shared));
  platform::ScopedTempFolder inShared(folder / "vartmp/");
  engine.EraseWindowsTemp->Erase();
  EXPECT_FALSE(pathExists(shared));
  EXPECT_TRUE(pathExists(folder / "vartmp"));
}

TEST_F(SafeRulesTest, TemporaryFilesHeldOpenByARealProcessStay) {
  CleanerEnvironment().ProcessFolder.clear();  // the system's own process table
  const std::string path = Aged("temp/held.txt", 48);
  std::ifstream held(path);
  ASSERT_TRUE(held.is_open());
  TEraserEngine engine;
  engine.EraseWindowsTemp->Erase();
  EXPECT_TRUE(pathExists(path));
  held.close();
  engine.EraseWindowsTemp->Erase();
  EXPECT_FALSE(pathExists(path));
}

TEST_F(SafeRulesTest, CheckDiskPiecesComeOnlyFromFoundFoldersOfWindowsFileSystems) {
  const Texts gone = {"fat/FOUND.000/FILE0000.CHK", "fat/found.001/file0001.chk",
                      "ntfs/FOUND.002/FILE0002.CHK"};
  for (const std::string& path : gone) folder.write(path, "x");
  const Texts kept = {"fat/FOUND.000/notes.txt",
                      "fat/libfreebl3.chk",
                      "fat/FILE0003.CHK",
                      "fat/sub/FOUND.000/FILE0000.CHK",
                      "fat/FOUND.00x/FILE0000.CHK",
                      "fat/FOUND.003/FILE000.CHK",
                      "ext/FOUND.000/FILE0000.CHK",
                      "elsewhere/FILE0000.CHK",
                      "exfat/FOUND.004/FILE0004.CHK.bak"};
  for (const std::string& path : kept) folder.write(path, "x");
  folder.makeFolder("fat/FOUND.005");
  fsys::create_directory_symlink(folder / "elsewhere", folder / "fat/FOUND.006");
  ScopedTestDrives drives(folder, {{folder / "fat", "vfat"},
                                   {folder / "ntfs", "ntfs3"},
                                   {folder / "exfat", "exfat"},
                                   {folder / "ext", "ext4"}});
  TEraserEngine engine;
  const auto [previewed, cleaned] = PreviewThenClean(*engine.EraseScanDiskFiles);

  Texts expected;
  for (const std::string& path : gone) expected.push_back(folder / path);
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(previewed, expected);
  EXPECT_EQ(cleaned, expected);
  for (const std::string& path : kept) EXPECT_TRUE(pathExists(folder / path)) << path;
  // A FOUND folder goes once the run emptied it; one that was empty, or still holds something,
  // stays, and so does a link that looks like one.
  EXPECT_FALSE(pathExists(folder / "fat/found.001"));
  EXPECT_FALSE(pathExists(folder / "ntfs/FOUND.002"));
  for (const char* stays : {"fat/FOUND.000", "fat/FOUND.005", "fat/FOUND.006"}) {
    EXPECT_TRUE(pathExists(folder / stays)) << stays;
  }
}

}  // namespace
