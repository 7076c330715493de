#include <filesystem>
#include <fstream>
#include <optional>
#include <set>

#include "CleanerFixture.h"
#include "cleaner/WindowsTraces.h"
#include "platform/PathText.h"
#include "platform/Processes.h"
#include "platform/posix/LinkFreeOpen.h"
#include "support/FakeClipboard.h"
#include "support/ScopedBind.h"
#include "support/ScopedMount.h"
#include "support/TestDrives.h"

namespace {

namespace fsys = std::filesystem;
using platform::kCurrentUser;
using platform::kLocalMachine;
using Texts = std::vector<std::string>;

class CatalogueTest : public CleanerTest {
 protected:
  platform::RegistryStore& store() { return registry.store(); }

  // "path" of file and folder entries, "key|value" of registry entries.
  static Texts Entries(const TEraser& item) {
    Texts entries;
    for (const auto& entry : item.Items) {
      if (entry->Kind == ekFile || entry->Kind == ekFolder)
        entries.push_back(entry->Path);
      else
        entries.push_back(entry->Key + "|" + entry->ValueName);
    }
    return entries;
  }

  void Values(platform::RegistryRoot root, const std::string& key, const Texts& names) {
    ASSERT_TRUE(store().createKey(root, key));
    for (const std::string& name : names) ASSERT_TRUE(store().writeString(root, key, name, "v"));
  }
};

TEST_F(CatalogueTest, TheCatalogueHoldsTheItemsInOrderWithTheirDefaults) {
  struct Expected {
    const char* name;
    bool registry;
    bool enabled;
  };
  const Expected expected[] = {{"EraseStartMenuRecentDocuments", false, true},
                               {"EraseRunHistory", true, true},
                               {"EraseFindComputer", true, true},
                               {"EraseFindFilesFolders", true, true},
                               {"EraseWindowsOpenSaveHistory", true, true},
                               {"EraseRegistryStreams", true, false},
                               {"EraseWindowsClipboard", false, true},
                               {"EraseRecycleBin", false, false},
                               {"EraseWindowsTemp", false, false},
                               {"EraseWindowsSWAP", false, false},
                               {"EraseScanDiskFiles", false, false},
                               {"ErasePaintRecentFileList", true, true},
                               {"EraseWordpadRecentFileList", true, true},
                               {"EraseMediaPlayerRecentFileList", true, true},
                               {"IEEraseCache", false, true},
                               {"IEEraseHistory", false, true},
                               {"IEEraseCookies", false, true},
                               {"IEEraseLocationBarURLs", true, true},
                               {"IEEraseTypedURLs", true, true},
                               {"IEEraseIndexDAT", false, false},
                               {"IEEraseAutoCompleteFormsData", true, false},
                               {"IEEraseAutoCompletePaswords", true, true},
                               {"IEEraseDownloadedProgramFilesDirectory", false, false},
                               {"NetscapeMozillaCache", false, false},
                               {"NetscapeMozillaLocationBar", false, false},
                               {"NetscapeMozillaCookies", false, false},
                               {"NetscapeMozillaFormsData", false, false},
                               {"AOLCache", false, false},
                               {"AOLLocationBar", false, false},
                               {"AOLCookies", false, false},
                               {"AOLFormsData", false, false},
                               {"OperaCache", false, false},
                               {"OperaLocationBar", false, false},
                               {"OperaCookies", false, false},
                               {"OperaFormsData", false, false},
                               // After the catalogue, the Linux items: none checked at first.
                               {"ChromiumHistory", false, false},
                               {"ChromiumCookies", false, false},
                               {"ChromiumCache", false, false},
                               {"ChromiumFormData", false, false},
                               {"DesktopThumbnails", false, false},
                               {"ShellHistories", false, false},
                               {"KdeActivities", false, false},
                               {"LibreOfficeRecentDocuments", false, false},
                               {"VlcRecentMedia", false, false},
                               {"GimpRecentDocuments", false, false},
                               // The recently used lists of their page.
                               {"RecentWordPad", true, false},
                               {"RecentPaint", true, false},
                               {"RecentMediaPlayer", true, false},
                               {"RecentMediaPlayerUrls", true, false},
                               {"RecentExplorerDocuments", true, false},
                               {"RecentOpenSave", true, false},
                               {"RecentLastVisited", true, false},
                               {"RecentRun", true, false},
                               {"RecentTypedUrls", true, false},
                               {"RecentMountPoints", true, false},
                               {"RecentMapNetworkDrive", true, false},
                               {"RecentDesktopFiles", false, false},
                               // Added since, after all the others, so that the numbers stay.
                               {"ChromiumSessions", false, false},
                               {"ChromiumSiteData", false, false},
                               {"NetscapeMozillaSessions", false, false},
                               {"NetscapeMozillaSiteData", false, false},
                               {"CrashReports", false, false},
                               {"CustomFilesAndFolders", false, false}};
  TEraserEngine engine;
  ASSERT_EQ(engine.Erasers.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const TEraser& item = *engine.Erasers[i];
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(item.Name, expected[i].name);
    EXPECT_EQ(dynamic_cast<const TEraseRegistry*>(&item) != nullptr, expected[i].registry);
    EXPECT_EQ(item.Enabled, expected[i].enabled);
    EXPECT_EQ(item.Engine, &engine);
  }
  EXPECT_EQ(engine.EraseFindComputer->Caption, "Find History From Start Menu->Find Computer");
  EXPECT_EQ(engine.EraseScanDiskFiles->Caption, "Windows Scandisk File Fragments (*.CHK)");
  EXPECT_EQ(engine.IEEraseAutoCompletePaswords->Caption,
            "Internet Explorer Auto Complete Paswords");
  EXPECT_EQ(engine.OperaFormsData, engine.Erasers[34].get());
}

TEST_F(CatalogueTest, RecentDocumentsEmptyTheDesktopsListsAndAPreviewOnlyNamesThem) {
  const std::string list = folder.write("home/.local/share/recently-used.xbel",
                                        "<?xml version=\"1.0\"?>\n<xbel version=\"1.0\">"
                                        "<bookmark href=\"file:///secret.txt\"/></xbel>\n");
  folder.write("home/.local/share/RecentDocuments/secret.txt.desktop", "[Desktop Entry]\n");
  TEraserEngine engine;
  engine.Preview = true;
  engine.EraseStartMenuRecentDocuments->Erase();
  EXPECT_EQ(engine.Removed.size(), 2u);  // the list, and the folder's entry
  EXPECT_NE(readFileBytes(list).find("secret.txt"), std::string::npos);
  engine.Preview = false;
  engine.ClearRecords();
  engine.EraseStartMenuRecentDocuments->Erase();
  EXPECT_EQ(engine.Removed.size(), 2u);  // the list, and the folder's entries
  EXPECT_EQ(readFileBytes(list).find("secret.txt"), std::string::npos);
  EXPECT_NE(readFileBytes(list).find("<xbel"), std::string::npos);
  EXPECT_FALSE(pathExists(folder.dataFolder() + "RecentDocuments/secret.txt.desktop"));
  engine.ClearRecords();
  engine.Preview = true;
  engine.EraseStartMenuRecentDocuments->Erase();
  EXPECT_TRUE(engine.Removed.empty());
}

TEST_F(CatalogueTest, FixedEntriesAreResolvedAtConstructionAndUnknownPlacesSkipped) {
  TEraserEngine plain;
  plain.EraseStartMenuRecentDocuments->Erase();
  EXPECT_EQ(Entries(*plain.EraseStartMenuRecentDocuments), Texts{});  // no Recent folder here
  plain.EraseWindowsTemp->Erase();
  // The administrator leaves the shared temporary folder to the system.
  Texts temporary = {folder.tempFolder()};
  if (platform::currentUserId() != 0) temporary.push_back(folder / "vartmp/");
  ASSERT_EQ(Entries(*plain.EraseWindowsTemp), temporary);
  EXPECT_TRUE(plain.EraseWindowsTemp->Items[0]->KeepFolder);
  ASSERT_EQ(Entries(*plain.EraseRunHistory),
            Texts{"\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU|"});
  EXPECT_EQ(plain.EraseRunHistory->Items[0]->Kind, ekRegKey);
  EXPECT_EQ(Entries(*plain.EraseMediaPlayerRecentFileList),
            Texts{"\\Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList|"});
  for (TEraser* item :
       {static_cast<TEraser*>(plain.IEEraseCache), static_cast<TEraser*>(plain.IEEraseHistory),
        static_cast<TEraser*>(plain.IEEraseIndexDAT),
        static_cast<TEraser*>(plain.IEEraseDownloadedProgramFilesDirectory)}) {
    item->Erase();
    EXPECT_EQ(Entries(*item), Texts{}) << item->Name;
  }

  CleanerEnvironment().SpecialFolders[sfRecent] = folder.makeFolder("Recent");
  TEraserEngine withRecent;
  withRecent.EraseStartMenuRecentDocuments->Erase();
  EXPECT_EQ(Entries(*withRecent.EraseStartMenuRecentDocuments), Texts{folder / "Recent"});
}

TEST_F(CatalogueTest, SearchHistoriesCollectNumberedValuesUpToTheFirstGap) {
  const std::string nt = "\\Software\\Microsoft\\Search Assistant\\ACMru\\5647";
  Values(kCurrentUser, nt, {"000", "001", "005", "MRUList"});
  TEraserEngine engine;
  engine.EraseFindComputer->Erase();
  EXPECT_EQ(Entries(*engine.EraseFindComputer), (Texts{nt + "|MRUList", nt + "|000", nt + "|001"}));
  EXPECT_EQ(store().valueNames(kCurrentUser, nt), Texts{"005"});

  const std::string old =
      "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Doc Find Spec MRU";
  Values(kCurrentUser, old, {"a", "b", "c", "e"});
  CleanerEnvironment().NTFamily = false;
  engine.EraseFindFilesFolders->ExcludedValues = {"MRUList", "B"};
  engine.EraseFindFilesFolders->Erase();
  EXPECT_EQ(Entries(*engine.EraseFindFilesFolders), (Texts{old + "|a", old + "|b", old + "|c"}));
  EXPECT_EQ(store().valueNames(kCurrentUser, old), Texts{"e"});
}

TEST_F(CatalogueTest, OpenSaveHistoryTakesSubkeysAndValuesOnTheNTFamilyOnly) {
  const std::string key =
      "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\OpenSaveMRU\\";
  Values(kCurrentUser, key + "doc", {"a"});
  Values(kCurrentUser, key + "*", {"a"});
  Values(kCurrentUser, key, {"MRUList", "x"});
  TEraserEngine engine;
  CleanerEnvironment().NTFamily = false;
  engine.EraseWindowsOpenSaveHistory->Erase();
  EXPECT_EQ(Entries(*engine.EraseWindowsOpenSaveHistory), Texts{});

  CleanerEnvironment().NTFamily = true;
  engine.EraseWindowsOpenSaveHistory->Erase();
  EXPECT_EQ(Entries(*engine.EraseWindowsOpenSaveHistory),
            (Texts{key + "*|", key + "doc|", key + "|MRUList", key + "|x"}));
  EXPECT_EQ(store().subkeyNames(kCurrentUser, key), Texts{});
  EXPECT_EQ(store().valueNames(kCurrentUser, key), Texts{});

  const std::string streams =
      "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StreamMRU\\";
  Values(kCurrentUser, streams + "Sub", {"kept"});
  Values(kCurrentUser, streams, {"0", "1"});
  engine.EraseRegistryStreams->Erase();
  EXPECT_EQ(store().valueNames(kCurrentUser, streams), Texts{});
  EXPECT_EQ(store().valueNames(kCurrentUser, streams + "Sub"), Texts{"kept"});
}

TEST_F(CatalogueTest, RegistryRunsStopBeforeTheNextEntryOnceCancelled) {
  Values(kCurrentUser, "Software\\Microsoft\\Internet Explorer\\TypedURLs", {"url1", "url2"});
  TEraserEngine engine;
  engine.Cancelled = true;
  engine.IEEraseTypedURLs->Erase();
  EXPECT_EQ(engine.IEEraseTypedURLs->Items.size(), 2u);
  EXPECT_EQ(
      store().valueNames(kCurrentUser, "Software\\Microsoft\\Internet Explorer\\TypedURLs")->size(),
      2u);
  engine.Cancelled = false;
  engine.IEEraseTypedURLs->Erase();
  EXPECT_EQ(store().valueNames(kCurrentUser, "Software\\Microsoft\\Internet Explorer\\TypedURLs"),
            Texts{});
}

TEST_F(CatalogueTest, SwapFileItemChangesTheSettingAndRecordsHowToUndoIt) {
  const std::string key = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
  TEraserEngine engine;
  engine.EraseWindowsSWAP->Erase();
  EXPECT_TRUE(engine.PostEraser->Items.empty());
  EXPECT_FALSE(store().keyExists(kLocalMachine, key));

  ASSERT_TRUE(store().createKey(kLocalMachine, key));
  engine.EraseWindowsSWAP->Erase();
  EXPECT_EQ(store().readInteger(kLocalMachine, key, "ClearPageFileAtShutdown"), 1);
  EXPECT_TRUE(engine.EraseWindowsSWAP->Items.empty());
  ASSERT_EQ(engine.PostEraser->Items.size(), 1u);
  const TPostEraserItem& entry = *engine.PostEraser->Items[0];
  EXPECT_EQ(entry.Kind, pkRestoreValue);
  EXPECT_EQ(entry.RootKey, kLocalMachine);
  EXPECT_EQ(entry.ValueName, "ClearPageFileAtShutdown");
  EXPECT_EQ(entry.RestoreText, "0");

  CleanerEnvironment().NTFamily = false;  // no Windows folder here: nothing to arrange
  engine.EraseWindowsSWAP->Erase();
  EXPECT_EQ(engine.PostEraser->Items.size(), 1u);
}

TEST_F(CatalogueTest, ClipboardIsEmptiedThroughTheWindows) {
  FakeClipboard clipboard;
  TEraserEngine engine;
  engine.EraseWindowsClipboard->Erase();  // no clipboard installed: nothing happens
  CleanerEnvironment().Clipboard = &clipboard;
  engine.Preview = true;
  engine.EraseWindowsClipboard->Erase();
  EXPECT_EQ(clipboard.emptied, 0);
  EXPECT_EQ(engine.Removed.size(), 1u);
  engine.Preview = false;
  engine.EraseWindowsClipboard->Erase();
  engine.EraseWindowsClipboard->Erase();  // already empty: nothing to do
  EXPECT_EQ(clipboard.emptied, 1);
  EXPECT_EQ(engine.Removed.size(), 2u);
  EXPECT_TRUE(engine.EraseWindowsClipboard->Items.empty());
}

TEST_F(CatalogueTest, ACollectionThatFailsIsRecordedAsLeftWithItsReason) {
  FakeClipboard clipboard;
  clipboard.failure = "the clipboard is held by another";
  CleanerEnvironment().Clipboard = &clipboard;
  TEraserEngine engine;
  EXPECT_NO_THROW(engine.EraseWindowsClipboard->Erase());
  ASSERT_EQ(engine.Left.size(), 1u);
  EXPECT_EQ(engine.Left[0].Item, "EraseWindowsClipboard");
  EXPECT_EQ(engine.Left[0].Reason, "the clipboard is held by another");
  EXPECT_TRUE(engine.Removed.empty());
}

TEST_F(CatalogueTest, RecycleBinsEmptyTheTrashFoldersFilesAndDescriptionsTogether) {
  const std::string uid = std::to_string(platform::currentUserId());
  for (const std::string& trash :
       {std::string("home/.local/share/Trash/"), "c/.Trash-" + uid + "/"}) {
    folder.write(trash + "files/old.doc", "x");
    folder.write(trash + "files/D1/inner.txt", "x");
    folder.makeFolder(trash + "files/Empty");
    for (const char* name : {"old.doc", "D1", "Empty"}) {
      folder.write(trash + "info/" + name + ".trashinfo", "[Trash Info]\n");
    }
    folder.write(trash + "directorysizes", "");
  }
  folder.write("c/Recycled/old.doc", "x");  // no trash of this system: stays
  folder.write("c/keep.txt", "x");
  ScopedTestDrives drives(folder, {{folder / "c", "ext4"}});
  TEraserEngine engine;
  engine.EraseRecycleBin->Erase();
  for (const std::string& trash :
       {folder.dataFolder() + "Trash/", folder / "c/.Trash-" + uid + "/"}) {
    SCOPED_TRACE(trash);
    EXPECT_TRUE(pathExists(trash + "files"));
    EXPECT_TRUE(pathExists(trash + "info"));
    EXPECT_TRUE(fsys::is_empty(trash + "files"));
    EXPECT_TRUE(fsys::is_empty(trash + "info"));
    EXPECT_FALSE(pathExists(trash + "directorysizes"));
  }
  EXPECT_TRUE(pathExists(folder / "c/Recycled/old.doc"));
  EXPECT_TRUE(pathExists(folder / "c/keep.txt"));
}

TEST_F(CatalogueTest, TrashIsEmptiedOnlyBeneathItsOwnFolderAndNoLinkInItIsFollowed) {
  // On a drive that keeps no owners (ntfs-3g shows every file as the administrator's) anyone
  // may plant a link in the administrator's trash, to a folder of the administrator's.
  const std::string uid = std::to_string(platform::currentUserId());
  struct Case {
    const char* name;
    const char* planted;  // the part of the trash that is a link to the chosen folder
    const char* named;    // what the run names as not followed; empty: nothing
    bool afterListing;    // planted once the trash was listed, before its entries are removed
  };
  const Case cases[] = {
      {"files", "files", "files/", false},
      {"info", "info", "info/", false},
      {"trash folder", "", "", false},
      {"files, once listed", "files", "files/old.doc", true},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string drive = "c" + std::to_string(n) + "/";
    const std::string chosen = "chosen" + std::to_string(n++) + "/";
    folder.write(chosen + "files/old.doc", "the administrator's");
    folder.write(chosen + "info/old.doc.trashinfo", "the administrator's");
    const std::string trash = folder / drive + ".Trash-" + uid + "/";
    const std::string planted = trash + c.planted;
    const std::string target = folder / chosen + c.planted;
    folder.write(drive + ".Trash-" + uid + "/files/old.doc", "trashed");
    folder.write(drive + ".Trash-" + uid + "/info/old.doc.trashinfo", "[Trash Info]\n");
    const auto plant = [&] {
      fsys::remove_all(planted);
      fsys::create_directory_symlink(platform::trimSeparators(target),
                                     platform::trimSeparators(planted));
    };
    if (!c.afterListing) plant();
    ScopedTestDrives drives(folder, {{folder / drive, "ext4"}});
    TEraserEngine engine;
    if (c.afterListing) {
      engine.EraseRecycleBin->OnErase = [&](TEraser& item) {
        CollectRecycleBins(static_cast<TEraseFiles&>(item));
        plant();
      };
    }
    engine.EraseRecycleBin->Erase();
    EXPECT_EQ(readFileBytes(folder / chosen + "files/old.doc"), "the administrator's");
    EXPECT_EQ(readFileBytes(folder / chosen + "info/old.doc.trashinfo"), "the administrator's");
    Texts left;
    for (const TCleanRecord& record : engine.Left)
      left.push_back(record.What + ": " + record.Reason);
    if (*c.named) {
      EXPECT_EQ(left, Texts{trash + c.named + ": is a link: not followed"});
    } else {
      EXPECT_EQ(left, Texts{});
    }
  }
}

TEST_F(CatalogueTest, NothingMountedInTheTrashIsEnteredAndEachMountPointIsNamed) {
  const std::string uid = std::to_string(platform::currentUserId());
  const std::string trash = folder.dataFolder() + "Trash/";
  const std::string files = trash + "files/";
  for (const char* name : {"old.doc", "mnt", "bound", "D1", "late"}) {
    folder.write("home/.local/share/Trash/info/" + std::string(name) + ".trashinfo", "[Trash]\n");
  }
  folder.write("home/.local/share/Trash/files/old.doc", "trashed");
  folder.write("home/.local/share/Trash/files/D1/inner.txt", "trashed");
  folder.write("home/.local/share/Trash/files/bound", "the entry under the bound file");
  folder.makeFolder("home/.local/share/Trash/files/late");
  ScopedMount mnt(folder.makeFolder("home/.local/share/Trash/files/mnt"), ScopedMount::Kind::Tmpfs,
                  1);
  if (!mnt.mounted()) GTEST_SKIP() << mnt.reason();
  ScopedMount deep(folder.makeFolder("home/.local/share/Trash/files/D1/deep"),
                   ScopedMount::Kind::Tmpfs, 1);
  ScopedMount outside(folder.makeFolder("outside"), ScopedMount::Kind::Tmpfs, 1);
  ScopedBind bound(folder.write("outside/single", "kept"), files + "bound");
  folder.write("home/.local/share/Trash/files/D1/bound", "the entry under the bound file");
  ScopedBind boundInside(folder / "outside/single", files + "D1/bound");
  ASSERT_TRUE(bound.mounted()) << bound.reason();
  for (const std::string& kept : {files + "mnt/a", files + "mnt/sub/b", files + "D1/deep/c"}) {
    fsys::create_directories(fsys::path(kept).parent_path());
    std::ofstream(kept) << "kept";
  }
  // A drive's trash whose files/ is a mount point itself, opened both ways.
  folder.write("c/.Trash-" + uid + "/info/x.trashinfo", "[Trash]\n");
  const std::string driveFiles = folder.makeFolder("c/.Trash-" + uid + "/files");
  ScopedMount driveMount(driveFiles, ScopedMount::Kind::Tmpfs, 1);
  std::ofstream(driveFiles + "/x") << "kept";
  ScopedTestDrives drives(folder, {{folder / "c", "ext4"}});

  std::optional<ScopedMount> late;
  for (const bool openat2 : {true, false}) {
    SCOPED_TRACE(openat2 ? "openat2" : "folder by folder");
    platform::posix::ScopedOpenat2Tried tried(openat2);
    // Named as the trash lists it once it is mounted, as the walk reaches it before.
    const std::string lateNamed = files + (late ? "late" : "late/");
    TEraserEngine engine;
    // Mounted once the trash was listed: the walk itself does not enter it.
    engine.EraseRecycleBin->OnErase = [&](TEraser& item) {
      CollectRecycleBins(static_cast<TEraseFiles&>(item));
      if (!late) late.emplace(files + "late", ScopedMount::Kind::Tmpfs, 1);
      std::ofstream(files + "late/d") << "kept";
    };
    engine.EraseRecycleBin->Erase();
    std::set<std::string> left;
    for (const TCleanRecord& record : engine.Left) left.insert(record.What + ": " + record.Reason);
    const std::string tmpfs = ": is a mount point (tmpfs): not entered";
    EXPECT_EQ(left, (std::set<std::string>{
                        files + "mnt" + tmpfs, files + "bound" + tmpfs, files + "D1/deep" + tmpfs,
                        files + "D1/bound" + tmpfs, lateNamed + tmpfs,
                        folder / "c/.Trash-" + uid + "/files/: is a mount point: not entered"}))
        << ::testing::PrintToString(left);
    for (const std::string& kept :
         {files + "mnt/a", files + "mnt/sub/b", files + "D1/deep/c", files + "late/d",
          driveFiles + "/x", folder / "outside/single"}) {
      EXPECT_EQ(readFileBytes(kept), "kept") << kept;
    }
    // What is mounted keeps its description; what was the trash's is gone with its own.
    EXPECT_TRUE(pathExists(trash + "info/mnt.trashinfo"));
    EXPECT_TRUE(pathExists(trash + "info/bound.trashinfo"));
    EXPECT_FALSE(pathExists(files + "old.doc"));
    EXPECT_FALSE(pathExists(files + "D1/inner.txt"));
    EXPECT_TRUE(pathExists(folder / "c/.Trash-" + uid + "/info/x.trashinfo"));
  }
}

TEST_F(CatalogueTest, AnNtfsTrashIsEmptiedButALinkPlantedInItIsNotFollowed) {
  // ntfs-3g shows every file as the administrator's, whoever made it: the owner of the trash says
  // nothing, so only the way it is reached keeps the run inside it.
  const std::string uid = std::to_string(platform::currentUserId());
  const std::string point = folder.makeFolder("ntfs");
  ScopedMount disk(point, ScopedMount::Kind::NtfsImage, 8);
  if (!disk.mounted()) GTEST_SKIP() << disk.reason() << " (ntfs-3g and FUSE are needed)";
  const std::string trash = point + "/.Trash-" + uid + "/";
  folder.write("ntfs/.Trash-" + uid + "/files/old.doc", "trashed");
  folder.write("ntfs/.Trash-" + uid + "/info/old.doc.trashinfo", "[Trash Info]\n");
  folder.write("chosen/files/kept.doc", "the administrator's");
  ScopedTestDrives drives(folder, {{point + "/", "fuseblk"}});
  {
    TEraserEngine engine;
    engine.EraseRecycleBin->Erase();
    EXPECT_FALSE(pathExists(trash + "files/old.doc"));
    EXPECT_FALSE(pathExists(trash + "info/old.doc.trashinfo"));
  }
  // Another user plants files/ as a link to a folder of the administrator's.
  fsys::remove_all(trash + "files");
  fsys::create_directory_symlink(folder / "chosen/files", trash + "files");
  ASSERT_TRUE(fsys::is_symlink(trash + "files"));
  TEraserEngine engine;
  engine.EraseRecycleBin->Erase();
  EXPECT_EQ(readFileBytes(folder / "chosen/files/kept.doc"), "the administrator's");
  Texts left;
  for (const TCleanRecord& record : engine.Left) left.push_back(record.What + ": " + record.Reason);
  EXPECT_EQ(left, Texts{trash + "files/: is a link: not followed"});
}

TEST_F(CatalogueTest, InternetExplorerItemsWorkInTheirSpecialFolders) {
  CleanerEnvironment().SpecialFolders[sfInternetCache] = folder / "tif";
  CleanerEnvironment().SpecialFolders[sfCookies] = folder / "cookies";
  folder.write("tif/index.dat", "i");
  folder.write("tif/Content.IE5/index.dat", "i");
  folder.write("tif/Content.IE5/ABC/page.htm", "p");
  folder.write("cookies/user@site.txt", "c");
  folder.write("cookies/sub/user@other.txt", "c");
  TEraserEngine engine;

  engine.IEEraseCache->Erase();
  EXPECT_TRUE(pathExists(folder / "tif/index.dat"));
  EXPECT_TRUE(pathExists(folder / "tif/Content.IE5/index.dat"));
  EXPECT_FALSE(pathExists(folder / "tif/Content.IE5/ABC"));

  engine.IEEraseIndexDAT->Erase();
  EXPECT_FALSE(pathExists(folder / "tif/Content.IE5/index.dat"));
  EXPECT_TRUE(pathExists(folder / "tif/index.dat"));

  engine.IEEraseCookies->Erase();
  EXPECT_FALSE(pathExists(folder / "cookies/sub/user@other.txt"));
  EXPECT_FALSE(pathExists(folder / "cookies/user@site.txt"));
  EXPECT_TRUE(pathExists(folder / "cookies/sub"));
}

}  // namespace
