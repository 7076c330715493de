// What a run leaves on the device, judged the way an examiner would, on every file system a Linux
// desktop uses, as the administrator and as an ordinary user, for each way of wiping at the
// program's default options. Each cell makes a small image, puts named files and carvable
// documents on it, runs ferrovane-cli, unmounts, and searches the raw image for the names (ASCII
// and UTF-16LE) and the content markers; one cell per file system also lets PhotoRec carve the
// image. A cell passes in exactly one of two ways: nothing is found and the run ended with 0, or
// the run ended with 1 and named the drive and what finishes the job. Something found after a
// run that ended with 0 fails the cell.
//
// The README's table of what the tests find is read by every cell: its entry must say what the
// cell saw, so the README never claims more than the tests show.
//
// Free blocks are not discarded in these runs: a loop image reads discarded blocks back as
// zeros, which would hide what the program itself wrote over.

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "CliProcess.h"
#include "DeviceSearch.h"
#include "support/ScopedMount.h"
#include "support/TestFolder.h"

namespace {

const std::string kGoneName = "fvgone-";
const std::string kStayName = "fvstay-";
const std::string kGoneContent = "fvGoneContent-";
const std::string kKeptContent = "fvKeptContent-";
constexpr int kNamedFiles = 60;
constexpr int kDocuments = 3;
constexpr int kStayingFiles = 20;
constexpr int kBystanders = 4;
constexpr unsigned kNobody = 65534;
enum class Command { WipeTree, WipeTreeThenFreeSpace, WipeSomeFiles, FreeSpaceAfterRemoval };
constexpr unsigned Bit(Command command) {
  return 1u << static_cast<unsigned>(command);
}
// Where the journal takes the content too, and where a fast commit area holds names: the commands
// that reach the journal or fill the free space.
constexpr unsigned kJournalCommands =
    Bit(Command::WipeTree) | Bit(Command::WipeSomeFiles) | Bit(Command::FreeSpaceAfterRemoval);
constexpr unsigned kFastCommitCommands =
    Bit(Command::WipeTree) | Bit(Command::FreeSpaceAfterRemoval);
// Compression, a no-copy-on-write folder and a snapshot change what a wipe of a folder reaches,
// with and without the free-space wipe after it. (Files a snapshot holds are not deleted from the
// device by `rm -r`: there is nothing a free-space wipe could be judged on.)
constexpr unsigned kTreeCommands = Bit(Command::WipeTree) | Bit(Command::WipeTreeThenFreeSpace);
enum class Who { Administrator, User };
enum class Variant { Plain, NoCopyOnWriteFolder, Snapshot };

struct FileSystemKind {
  const char* label;  // as the README's table names it
  const char* id;     // in the test's name
  ScopedMount::Kind kind;
  const char* size;
  const char* mkfs;
  const char* mount;
  const char* kernel;  // what /proc/filesystems must list
  const char* check;   // the read-only check of the unmounted image
  Variant variant = Variant::Plain;
  // The commands judged (Bit of each). A variant of a file system runs only those where it
  // differs from the plain one, which keeps the matrix quick.
  unsigned commands = ~0u;
};

const FileSystemKind kFileSystems[] = {
    {"ext4", "ext4", ScopedMount::Kind::Ext4Image, "32m", "-b 4096", "", "ext4", "e2fsck -fn"},
    {"ext4 `data=journal`", "ext4_data_journal", ScopedMount::Kind::Ext4Image, "32m", "-b 4096",
     "data=journal", "ext4", "e2fsck -fn", Variant::Plain, kJournalCommands},
    {"ext4 `fast_commit`", "ext4_fast_commit", ScopedMount::Kind::Ext4Image, "32m",
     "-b 4096 -O fast_commit", "", "ext4", "e2fsck -fn", Variant::Plain, kFastCommitCommands},
    {"XFS", "xfs", ScopedMount::Kind::XfsImage, "64m", "", "", "xfs", "xfs_repair -n"},
    {"btrfs", "btrfs", ScopedMount::Kind::BtrfsImage, "128m", "", "nodiscard", "btrfs",
     "btrfs check --readonly"},
    {"btrfs `compress=zstd`", "btrfs_zstd", ScopedMount::Kind::BtrfsImage, "128m", "",
     "compress=zstd,nodiscard", "btrfs", "btrfs check --readonly", Variant::Plain, kTreeCommands},
    {"btrfs, folder `chattr +C`", "btrfs_nocow", ScopedMount::Kind::BtrfsImage, "128m", "",
     "nodiscard", "btrfs", "btrfs check --readonly", Variant::NoCopyOnWriteFolder, kTreeCommands},
    {"btrfs with a snapshot", "btrfs_snapshot", ScopedMount::Kind::BtrfsImage, "128m", "",
     "nodiscard", "btrfs", "btrfs check --readonly", Variant::Snapshot, kTreeCommands},
    {"NTFS (ntfs-3g)", "ntfs", ScopedMount::Kind::NtfsImage, "32m", "", "", "fuseblk",
     "ntfsfix -n"},
    {"FAT (vfat)", "vfat", ScopedMount::Kind::VfatImage, "32m", "", "", "vfat", "fsck.vfat -n"},
    {"exFAT", "exfat", ScopedMount::Kind::ExfatImage, "32m", "", "", "exfat", "fsck.exfat -n"},
};

struct CommandKind {
  Command command;
  const char* label;  // as the README's table heads its columns
  const char* id;
};

const CommandKind kCommands[] = {
    {Command::WipeTree, "`wipe -r`", "wipe_r"},
    {Command::WipeTreeThenFreeSpace, "`wipe -r --free-space-after`", "wipe_r_free_space_after"},
    {Command::WipeSomeFiles, "`wipe` of some files", "wipe_some_files"},
    {Command::FreeSpaceAfterRemoval, "`free-space` after `rm -r`", "free_space_after_rm"},
};

struct Cell {
  const FileSystemKind* fileSystem;
  Who who;
  const CommandKind* command;
  friend void PrintTo(const Cell& cell, std::ostream* out) {
    *out << cell.fileSystem->label << ", " << (cell.who == Who::Administrator ? "root" : "user")
         << ", " << cell.command->label;
  }
};

std::vector<Cell> AllCells() {
  std::vector<Cell> cells;
  for (const FileSystemKind& fileSystem : kFileSystems) {
    for (const CommandKind& command : kCommands) {
      if ((fileSystem.commands & Bit(command.command)) == 0) continue;
      for (Who who : {Who::Administrator, Who::User}) cells.push_back({&fileSystem, who, &command});
    }
  }
  return cells;
}

std::string CellName(const ::testing::TestParamInfo<Cell>& info) {
  return std::string(info.param.fileSystem->id) + "_" +
         (info.param.who == Who::Administrator ? "root" : "user") + "_" + info.param.command->id;
}

bool Shell(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

std::string Quoted(const std::string& path) {
  return "'" + path + "'";
}

bool KernelMounts(const std::string& type) {
  std::ifstream list("/proc/filesystems");
  std::string line;
  while (std::getline(list, line)) {
    if (line.substr(line.find('\t') + 1) == type) return true;
  }
  return false;
}

// A document a carving tool recognises (a PDF's first and last lines) about `lines` lines long,
// every line a numbered marker.
std::string Document(int number, int lines) {
  std::string text = "%PDF-1.4\n";
  for (int i = 0; i < lines; ++i) {
    text += kGoneContent + "doc" + std::to_string(number) + "-" + std::to_string(i) +
            " the figures of the quarter, not for circulation\n";
  }
  return text + "%%EOF\n";
}

std::string Repeated(const std::string& line, std::size_t bytes) {
  std::string text;
  while (text.size() < bytes) text += line + "\n";
  return text;
}

// The README's word for a cell's outcome, from its table of what the tests find: "wiped" or
// "told". Empty when the table has no such entry.
std::string ReadmeEntry(const Cell& cell) {
  std::ifstream readme(FERROVANE_SOURCE_DIR "/README.md");
  std::string line;
  std::vector<std::string> heads;
  const auto cellsOf = [](const std::string& row) {
    std::vector<std::string> cells;
    std::stringstream parts(row);
    std::string part;
    std::getline(parts, part, '|');  // before the first bar
    while (std::getline(parts, part, '|')) {
      const auto first = part.find_first_not_of(' ');
      const auto last = part.find_last_not_of(' ');
      cells.push_back(first == std::string::npos ? "" : part.substr(first, last - first + 1));
    }
    return cells;
  };
  bool inTable = false;
  while (std::getline(readme, line)) {
    if (line.rfind("| file system | who |", 0) == 0) {
      heads = cellsOf(line);
      inTable = true;
      continue;
    }
    if (!inTable) continue;
    if (line.rfind("|", 0) != 0) break;
    const std::vector<std::string> row = cellsOf(line);
    const std::string who = cell.who == Who::Administrator ? "root" : "user";
    if (row.size() < 2 || row[0] != cell.fileSystem->label || row[1] != who) continue;
    for (std::size_t i = 2; i < heads.size() && i < row.size(); ++i) {
      if (heads[i] == cell.command->label) return row[i];
    }
  }
  return {};
}

struct DeviceMatrix : ::testing::TestWithParam<Cell> {
  TestFolder t;
  std::string cli = PortableCli(t);
  std::string point = t.makeFolder("disk");
  std::string base;  // the user's folder on the file system, where the wiped folder lies
  std::string docs;  // the folder the command is about
  std::vector<std::string> gone;

  void SetUp() override {
    // Free blocks are not discarded: see the top of the file.
    const std::string ini = t.programFolder() + "Ferrovane.ini";
    std::stringstream text;
    text << std::ifstream(ini).rdbuf();
    std::string settings = text.str();
    const auto at = settings.find("DiscardFreeBlocks=1");
    ASSERT_NE(at, std::string::npos);
    settings.replace(at, 19, "DiscardFreeBlocks=0");
    std::ofstream(ini, std::ios::trunc) << settings;
  }

  bool ForUser() const { return GetParam().who == Who::User; }

  // Where an ordinary user's program may write: its configuration and temporary folders, and
  // the way to the mount point.
  void OpenTestFolderToUser() {
    for (const std::string& folder :
         {t.configFolder(), t.tempFolder(), t.homeFolder(), t.programFolder()}) {
      ASSERT_EQ(::chown(folder.c_str(), kNobody, kNobody), 0) << folder;
    }
    ASSERT_EQ(::chmod(t.path().c_str(), 0755), 0);
  }

  std::string MountOptions(const FileSystemKind& fs) const {
    std::string options = fs.mount;
    // File systems without owners show every file as the mounting user's; a desktop mounts a
    // user's drive with the user as the owner.
    const bool ownerless = fs.kind == ScopedMount::Kind::NtfsImage ||
                           fs.kind == ScopedMount::Kind::VfatImage ||
                           fs.kind == ScopedMount::Kind::ExfatImage;
    if (ownerless && ForUser()) {
      options += std::string(options.empty() ? "" : ",") + "uid=65534,gid=65534";
    }
    return options;
  }

  // The files of the cell: named files and documents to be wiped in `docs`, files that stay
  // beside them when only some are wiped, and bystanders in a folder nobody wipes.
  void MakeFiles(const Cell& cell) {
    const Variant variant = cell.fileSystem->variant;
    base = point + "/home";
    if (variant == Variant::Snapshot) {
      ASSERT_TRUE(Shell("btrfs subvolume create " + Quoted(base)));
    } else {
      t.makeFolder("disk/home");
    }
    docs = t.makeFolder("disk/home/docs");
    if (variant == Variant::NoCopyOnWriteFolder) {
      ASSERT_TRUE(Shell("chattr +C " + Quoted(docs))) << "chattr cannot mark a folder";
    }
    for (int i = 0; i < kNamedFiles; ++i) {
      gone.push_back(t.write("disk/home/docs/" + MarkedName(kGoneName, i),
                             Repeated(kGoneContent + "note" + std::to_string(i), 700)));
    }
    for (int i = 0; i < kDocuments; ++i) {
      gone.push_back(
          t.write("disk/home/docs/" + MarkedName(kGoneName, 9000 + i) + ".pdf", Document(i, 900)));
    }
    if (cell.command->command == Command::WipeSomeFiles) {
      for (int i = 0; i < kStayingFiles; ++i) {
        t.write("disk/home/docs/" + MarkedName(kStayName, i), kKeptContent + std::to_string(i));
      }
    }
    for (int i = 0; i < kBystanders; ++i) {
      t.write("disk/home/keep/bystander-" + std::to_string(i),
              Repeated(kKeptContent + std::to_string(i), 5000));
    }
    if (ForUser() && cell.fileSystem->kind != ScopedMount::Kind::NtfsImage &&
        cell.fileSystem->kind != ScopedMount::Kind::VfatImage &&
        cell.fileSystem->kind != ScopedMount::Kind::ExfatImage) {
      ASSERT_TRUE(Shell("chown -R 65534:65534 " + Quoted(base)));
    }
    ::sync();
    if (variant == Variant::Snapshot) {
      ASSERT_TRUE(
          Shell("btrfs subvolume snapshot -r " + Quoted(base) + " " + Quoted(point + "/snap")));
    }
  }

  CliResult Run(const Cell& cell) {
    std::vector<std::string> args;
    switch (cell.command->command) {
      case Command::WipeTree:
        args = {"wipe", "-r", "--", docs};
        break;
      case Command::WipeTreeThenFreeSpace:
        args = {"wipe", "-r", "--free-space-after", "--", docs};
        break;
      case Command::WipeSomeFiles:
        args = {"wipe", "--"};
        args.insert(args.end(), gone.begin(), gone.end());
        break;
      case Command::FreeSpaceAfterRemoval:
        EXPECT_TRUE(Shell("rm -r " + Quoted(docs)));
        ::sync();
        args = {"free-space", point};
        break;
    }
    if (!ForUser()) return RunCli(t, cli, args);
    args.insert(args.begin(), {"--reuid=65534", "--regid=65534", "--clear-groups", "--", cli});
    // The user's home is on the drive, as it is for a user wiping their own files.
    return RunCli(t, "/usr/bin/setpriv", args, {"HOME=" + base});
  }
};

TEST_P(DeviceMatrix, NothingIsFoundOrTheRunSaysWhatStays) {
  const Cell& cell = GetParam();
  const FileSystemKind& fs = *cell.fileSystem;
  if (!KernelMounts(fs.kernel)) GTEST_SKIP() << "the kernel cannot mount " << fs.kernel;
  if (ForUser() && ::access("/usr/bin/setpriv", X_OK) != 0) {
    GTEST_SKIP() << "/usr/bin/setpriv is not installed";
  }
  const auto started = std::chrono::steady_clock::now();
  ScopedMount disk(point, fs.kind, fs.size, fs.mkfs, MountOptions(fs));
  if (!disk.mounted()) GTEST_SKIP() << disk.reason();
  if (ForUser()) OpenTestFolderToUser();
  MakeFiles(cell);
  if (HasFatalFailure()) return;
  // Files are wiped long after they were made: by then the file system has written every block
  // that held their names to its place, which a new mount makes certain.
  ASSERT_TRUE(disk.remount());

  const CliResult result = Run(cell);
  // Nothing outside what was chosen is touched.
  for (int i = 0; i < kBystanders; ++i) {
    EXPECT_EQ(readFileBytes(base + "/keep/bystander-" + std::to_string(i)),
              Repeated(kKeptContent + std::to_string(i), 5000));
  }
  if (cell.command->command == Command::WipeSomeFiles) {
    for (int i = 0; i < kStayingFiles; ++i) {
      EXPECT_EQ(readFileBytes(docs + "/" + MarkedName(kStayName, i)),
                kKeptContent + std::to_string(i));
    }
  }
  ::sync();
  ASSERT_TRUE(disk.unmount());
  const std::string bytes = readFileBytes(disk.image());
  const NameFindings names = FindNames(bytes, kGoneName);
  const std::size_t content = CountIn(bytes, kGoneContent);
  // The carving tool, once per file system: where the documents were deleted and the free space
  // wiped by the administrator.
  std::optional<std::size_t> carved;
  if (cell.command->command == Command::FreeSpaceAfterRemoval && !ForUser()) {
    carved = CarvedFilesHolding(disk.image(), t.path() + "carving", kGoneContent);
  }
  const bool checked =
      fs.check[0] == '\0' || Shell(std::string(fs.check) + " " + Quoted(disk.image()));
  // The image, for a reader who sets FERROVANE_MATRIX_KEEP to a folder; those of earlier runs of
  // the same cell (--gtest_repeat) stay beside it as numbered copies.
  if (const char* keep = std::getenv("FERROVANE_MATRIX_KEEP")) {
    Shell("cp --sparse=always --backup=numbered " + Quoted(disk.image()) + " " +
          Quoted(std::string(keep) + "/" + CellName({cell, 0}) + ".img"));
  }
  // `rm -r` left the names where the file system keeps them; the free-space wipe answers for
  // the content of what was deleted.
  const bool namesJudged = cell.command->command != Command::FreeSpaceAfterRemoval;
  const bool found = content > 0 || carved.value_or(0) > 0 || (namesJudged && names.distinct());
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  // One line for the table of results.
  std::cout << "cell | " << fs.label << " | " << (ForUser() ? "user" : "root") << " | "
            << cell.command->label << " | names " << names.ascii.size() << "+" << names.utf16.size()
            << "/" << kNamedFiles + kDocuments << " (" << names.copies << " copies) | content "
            << content << " | carved " << (carved ? std::to_string(*carved) : std::string("-"))
            << " | exit " << result.status << " | " << seconds << " s\n";
  // What the run said, for a reader who sets FERROVANE_MATRIX_SAY.
  if (std::getenv("FERROVANE_MATRIX_SAY")) std::cout << result.err << "\n";

  EXPECT_TRUE(checked) << fs.check << " found the file system damaged";
  ASSERT_TRUE(result.status == 0 || result.status == 1) << result.err;
  const std::string entry = ReadmeEntry(cell);
  if (result.status == 0) {
    EXPECT_FALSE(found) << "the run said it wiped, but the image holds " << names.distinct()
                        << " names (" << names.copies << " copies) and " << content
                        << " content markers\n"
                        << result.err;
  } else {
    // Told: the drive is named, with what finishes the job.
    EXPECT_NE(result.err.find(point), std::string::npos) << result.err;
  }
  EXPECT_EQ(entry, result.status == 0 ? "wiped" : "told")
      << "the README's table of what the tests find says \"" << entry << "\"";
}

INSTANTIATE_TEST_SUITE_P(Cells, DeviceMatrix, ::testing::ValuesIn(AllCells()), CellName);

}  // namespace
