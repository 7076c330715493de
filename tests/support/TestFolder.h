#pragma once
// A temporary folder of one test, removed with everything in it when the test ends. While it
// lives, the program folder, the temporary folder, the configuration folder and the user's home,
// data and cache folders are folders inside it, so no test ever reads or writes the user's real
// ones, and the user's service manager is a fake that does not run. When it ends, the folders in
// use before it (those of an enclosing test folder, or the real ones) are put back.

#include <cstdint>
#include <string>

#include "platform/Folders.h"
#include "support/FakeUserServices.h"

class TestFolder {
 public:
  TestFolder();
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  // The start of every test folder's path ("/tmp/ferrovane-test-").
  static std::string prefix();
  // Removes the test folders that a test program left when it ended without its destructors (a
  // crash, an abort, a kill): those whose lock file ("<folder>.lock", locked while the folder
  // lives) no program holds any more. Folders of running programs stay. Called at the start of
  // every test program.
  static void removeLeftovers();

  // The folder itself, with trailing separator.
  const std::string& path() const { return path_; }
  // A path inside the folder.
  std::string operator/(const std::string& relative) const { return path_ + relative; }

  std::string programFolder() const { return path_ + "program/"; }
  std::string methodsFolder() const { return programFolder() + "Methods/"; }
  std::string tempFolder() const { return path_ + "temp/"; }
  std::string configFolder() const { return path_ + "config/"; }
  // The user's home, data and cache folders of the test (the data and cache folders lie in the
  // home folder, where they are by default).
  std::string homeFolder() const { return path_ + "home/"; }
  std::string dataFolder() const { return homeFolder() + ".local/share/"; }
  std::string cacheFolder() const { return homeFolder() + ".cache/"; }

  // Writes a file (creating its folders) and returns its path.
  std::string write(const std::string& relative, const std::string& contents) const;
  // Creates a folder (and its parents) and returns its path.
  std::string makeFolder(const std::string& relative) const;

 private:
  std::string path_;
  int lock_ = -1;  // the held lock file that tells the folder is in use
  platform::ScopedProgramFolder program_;
  platform::ScopedTempFolder temp_;
  platform::ScopedConfigFolder config_;
  platform::ScopedHomeFolder home_;
  platform::ScopedDataFolder data_;
  platform::ScopedCacheFolder cache_;
  // No test reaches the user's real service manager: by default there is none.
  FakeUserServices noServiceManager_{false};
  platform::ScopedUserServices services_{noServiceManager_};
};

// Reads a whole file; empty when it cannot be read.
std::string readFileBytes(const std::string& path);
// True when something (a file, folder or link) exists at the path.
bool pathExists(const std::string& path);
