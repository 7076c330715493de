#pragma once
// The common ground of the cleaner tests: a test folder (program, temporary and configuration
// folders), a registry store of its own, and the cleaner's environment put
// back afterwards as it was before (a test changes CleanerEnvironment() freely).

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "cleaner/CleanerEnvironment.h"
#include "cleaner/TEraserEngine.h"
#include "core/WipeServices.h"
#include "platform/Folders.h"
#include "support/TestFolder.h"
#include "support/TestRegistry.h"

class CleanerTest : public ::testing::Test {
 protected:
  // The shared temporary folder is one of the test's own, so that no run of the temporary-files
  // item ever reaches the machine's; so is the folder of tmpfiles.d files it reads.
  CleanerTest() : registry(folder) {
    CleanerEnvironment().SharedTempFolder = folder.makeFolder("vartmp");
    CleanerEnvironment().TmpfilesFolders = {folder.makeFolder("tmpfiles.d")};
  }

  // A fresh engine that has read the document.
  std::unique_ptr<TEraserEngine> LoadEngine(const std::string& prefs) {
    auto engine = std::make_unique<TEraserEngine>();
    engine->LoadFromFile(folder.write("program/prefs.dat", prefs));
    return engine;
  }

  static std::string RunKey() { return platform::kRunKey; }
  std::string RunValue() {
    return registry.store()
        .readString(platform::kCurrentUser, platform::kRunKey, "Ferrovane")
        .value_or("<none>");
  }

  TestFolder folder;
  ScopedTestRegistry registry;
  ScopedCleanerEnvironment environment{CleanerEnvironment()};
};
