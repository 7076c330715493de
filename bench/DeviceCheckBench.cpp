// Wipes a folder with everything in it through the engine (one pass of zeros, the journal
// cleared), without or with the device check, and prints what each part took, for
// bench/devicecheck.sh.
//
// Usage: DeviceCheckBench plain|check FOLDER
// Prints "<wipe seconds> <record seconds> <check seconds> <bytes read back> <verified> <found>
// <not verified> <record bytes>": the wipe's time, the part of it the record took (before each
// file's first pass), the read-back after it; the exit status is 0 when the run left nothing.

#include <chrono>
#include <cstdio>
#include <string>

#include "core/DeviceCheck.h"
#include "core/DeviceRecord.h"
#include "core/TPass.h"
#include "core/TWipeMethodsManager.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "platform/FileSystem.h"

namespace {

// Passes on what the run tells, timing the record's part.
class TimedWitness final : public IWipeWitness {
 public:
  explicit TimedWitness(TDeviceRecord& record) : record_(record) {}
  void PassesBegin(platform::Folder& folder, platform::File* file, const std::string& path,
                   const platform::EntryId& id, std::uint64_t size,
                   const platform::FileLayout& layout, int passes) override {
    const auto start = std::chrono::steady_clock::now();
    record_.PassesBegin(folder, file, path, id, size, layout, passes);
    spent += std::chrono::steady_clock::now() - start;
  }
  void FilesAhead(platform::Folder& folder,
                  const std::vector<platform::DirEntry>& entries) override {
    const auto start = std::chrono::steady_clock::now();
    record_.FilesAhead(folder, entries);
    spent += std::chrono::steady_clock::now() - start;
  }
  void Deleted(const platform::EntryId& id) override { record_.Deleted(id); }
  void JournalCleared(const std::string& folder, const platform::JournalOutcome& outcome) override {
    record_.JournalCleared(folder, outcome);
  }
  std::chrono::duration<double> spent{};

 private:
  TDeviceRecord& record_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s plain|check FOLDER\n", argv[0]);
    return 2;
  }
  const bool check = std::string(argv[1]) == "check";
  TWipeMethodsManager manager;
  auto method = std::make_unique<TWipeMethod>();
  method->AddPass(std::make_unique<TPass>());  // bytes of value 0
  manager.AddMethod(std::move(method));
  manager.WipeSlackSpace = false;
  manager.WriteSignature = false;
  manager.EraseJournalNames = true;
  TWipeEngine engine("DeviceCheckBench");
  engine.AddItem(std::make_unique<TWipeItem>(wkFolder, argv[2]));
  TDeviceRecord record;
  TimedWitness witness(record);
  const auto start = std::chrono::steady_clock::now();
  WipeRun run = WipeRun::For(engine, manager, WipeServices());
  if (check) run.Witness = &witness;
  engine.Execute(run);
  const auto wiped = std::chrono::steady_clock::now();
  TDeviceCheckSummary summary;
  if (check) summary = TDeviceCheck(record).Run();
  const auto checked = std::chrono::steady_clock::now();
  const std::size_t held = record.Samples().size() * sizeof(TDeviceRecord::Sample) +
                           record.Files().size() * sizeof(TDeviceRecord::File);
  std::printf("%.4f %.4f %.4f %llu %zu %zu %zu %zu\n",
              std::chrono::duration<double>(wiped - start).count(), witness.spent.count(),
              std::chrono::duration<double>(checked - wiped).count(),
              static_cast<unsigned long long>(summary.BytesRead), summary.Verified, summary.Found,
              summary.NotVerified, held);
  for (const TWipeFailure& failure : engine.Failures) {
    std::fprintf(stderr, "%s: %s\n", failure.Path.c_str(), DescribeFailure(failure).c_str());
  }
  return engine.Failures.empty() ? 0 : 1;
}
