#pragma once
// What the engine tests share: a wipe engine with its own folder, catalogue, methods, recording
// file system and wipe services that stand in for the windows.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/TPass.h"
#include "core/TWipeEngine.h"
#include "core/TWipeMethodsManager.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "platform/FileSystem.h"
#include "support/FakeWipeServices.h"
#include "support/FaultyFileSystem.h"
#include "support/TestFolder.h"

// A failure in a test's output, as the user reads it.
inline void PrintTo(const TWipeFailure& failure, std::ostream* out) {
  *out << failure.Path << ": " << DescribeFailure(failure);
}

// Runs the engine's jobs as the window does: a run made now from the catalogue's settings and
// the method it gives the engine, shown through the services, asking before executables are
// wiped when told.
inline void ExecuteWith(TWipeEngine& engine, const TWipeMethodsManager& catalogue,
                        IWipeServices& services, bool warnOnExecutable = false) {
  WipeRunSettings settings = WipeRunSettings::Of(catalogue);
  settings.WarnOnExecutable = warnOnExecutable;
  WipeRun run(services, std::move(settings), RunMethodOf(catalogue.MethodForEngine(engine)));
  engine.Execute(run);
}

// A byte-pattern pass.
TPass BytePass(std::uint8_t value);
// A text-pattern pass.
TPass TextPass(const std::string& text);

class WipeEngineTest : public ::testing::Test {
 protected:
  static constexpr std::uint32_t kCluster = 4096;

  WipeEngineTest();
  ~WipeEngineTest() override;

  // Writes a method file with the passes into the test's Methods folder and loads the catalogue
  // again from that folder.
  void AddMethod(const std::string& fileName, const std::vector<TPass>& passes);
  // Runs the engine over one job.
  void Run(TWipeItemKind kind, const std::string& path);
  // The bytes of the deleted file whose path ends in the long name, in order of deletion.
  std::vector<std::string> WipedContents() const;
  // True when the failure list holds exactly this path with this reason.
  bool HasFailure(const std::string& path, TWipeFailureReason reason) const;

  TestFolder folder;
  FaultyFileSystem files;
  FakeWipeServices services;
  TWipeMethodsManager manager;
  TWipeEngine engine{"WipeFiles"};

 private:
  platform::ScopedFileSystem scopedFiles_{files};
  ScopedWipeServices scopedServices_{services};
};

// The name a wiped file gets before it is deleted.
std::string LongName();
