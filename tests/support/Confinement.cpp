#include "support/Confinement.h"

#include <gtest/gtest.h>

#include "platform/PathText.h"
#include "support/FaultyFileSystem.h"
#include "support/TestFolder.h"

// The real journals, but only for the file systems that tests mount in their own folders.
class ConfinedJournals final : public platform::Journals {
 public:
  std::optional<std::uint64_t> volumeOf(const std::string& path) override {
    return real().volumeOf(path);
  }
  // A file system the test did not mount shows no journal, so that no run of a test wants to
  // clear it (a run clears the journal of every file system that keeps names by default).
  platform::JournalInfo inspect(const std::string& folder) override {
    return mountedByTest(folder) ? real().inspect(folder) : platform::JournalInfo{};
  }
  bool canEmpty(const std::string& folder) override {
    return mountedByTest(folder) && real().canEmpty(folder);
  }
  platform::JournalOutcome clean(const platform::JournalRequest& request) override {
    if (mountedByTest(request.folder)) return real().clean(request);
    // As inspect() shows it: a file system without a journal, never touched.
    platform::JournalOutcome outcome;
    outcome.result = platform::JournalResult::NoJournal;
    return outcome;
  }

 private:
  static platform::Journals& real() { return platform::realJournals(); }
  static bool mountedByTest(const std::string& folder) {
    const std::string prefix = TestFolder::prefix();
    if (folder.compare(0, prefix.size(), prefix) != 0 || folder.find("/../") != std::string::npos) {
      return false;
    }
    const auto volume = real().volumeOf(folder);
    return volume && volume != real().volumeOf(platform::parentFolderOf(prefix));
  }
};

namespace {

std::unique_ptr<FaultyFileSystem> confined() {
  auto files = std::make_unique<FaultyFileSystem>();
  files->confinedTo = TestFolder::prefix();
  return files;
}

}  // namespace

TestConfinement::TestConfinement()
    : files_(confined()),
      scope_(*files_),
      journals_(std::make_unique<ConfinedJournals>()),
      journalScope_(*journals_) {}

TestConfinement::~TestConfinement() = default;
