#pragma once
// Keeps a whole test program inside the test folders: while the guard lives, the file system in
// use refuses (and reports as a test failure) any change outside the folders that TestFolder
// makes, and the journals in use refuse to clear (and report) any journal but that of a file
// system a test mounted itself in its folder; asked whether they may empty one elsewhere, they
// say no. Tests that install a file system or journals of their own confine them themselves.

#include <memory>

#include "platform/Ext4Reserve.h"
#include "platform/FileSystem.h"
#include "platform/Journal.h"

class FaultyFileSystem;
class ConfinedJournals;

class TestConfinement {
 public:
  TestConfinement();
  ~TestConfinement();
  TestConfinement(const TestConfinement&) = delete;
  TestConfinement& operator=(const TestConfinement&) = delete;

 private:
  std::unique_ptr<FaultyFileSystem> files_;
  platform::ScopedFileSystem scope_;  // puts back the file system in use before
  std::unique_ptr<ConfinedJournals> journals_;
  platform::ScopedJournals journalScope_;  // puts back the journals in use before
  // No reserve of a real file system is lowered; a test that wants one names its own folder.
  platform::ScopedExt4ReserveFolder reserveScope_{std::string()};
};
