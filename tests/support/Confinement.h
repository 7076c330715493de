#pragma once
// Keeps a whole test program inside the test folders: while the guard lives, the file system in
// use refuses (and reports as a test failure) any change outside the folders that TestFolder
// makes. Tests that install a file system of their own confine it themselves.

#include <memory>

#include "platform/FileSystem.h"

class FaultyFileSystem;

class TestConfinement {
 public:
  TestConfinement();
  ~TestConfinement();
  TestConfinement(const TestConfinement&) = delete;
  TestConfinement& operator=(const TestConfinement&) = delete;

 private:
  std::unique_ptr<FaultyFileSystem> files_;
  platform::ScopedFileSystem scope_;  // puts back the file system in use before
};
