#include "WipeEngineFixture.h"

namespace {

class RecordingProgress : public IWipeProgress {
 public:
  explicit RecordingProgress(ProgressLog& log) : log_(log) { ++log_.opened; }
  ~RecordingProgress() override { ++log_.closed; }
  void SetFileRange(std::uint64_t maximum) override { log_.fileRanges.push_back(maximum); }
  void SetFilePosition(std::uint64_t position) override { log_.filePositions.push_back(position); }
  void SetPassRange(std::uint64_t) override {}
  void SetPassPosition(std::uint64_t position) override { log_.passPositions.push_back(position); }
  void ShowFile(const std::string& text) override { log_.files.push_back(text); }
  void ShowPass(int number, int total) override { log_.passes.emplace_back(number, total); }
  void ShowVerifying(int number, int total) override { log_.verifying.emplace_back(number, total); }
  void Advance(std::uint64_t bytes) override { log_.advanced += bytes; }

 private:
  ProgressLog& log_;
};

}  // namespace

std::unique_ptr<IWipeProgress> ScriptedServices::OpenProgress(TWipeEngine&) {
  return std::make_unique<RecordingProgress>(log);
}

bool ScriptedServices::ConfirmWipeExecutable(const std::string& path) {
  asked.push_back(path);
  return answer;
}

void ScriptedServices::ProcessMessages() {
  ++processed;
  if (onProcess) onProcess();
}

TPass BytePass(std::uint8_t value) {
  TPass pass;
  pass.WipeWith = wwBytePattern;
  pass.BytePatternValue = value;
  return pass;
}

TPass TextPass(const std::string& text) {
  TPass pass;
  pass.WipeWith = wwTextPattern;
  pass.TextPatternValue = text;
  return pass;
}

std::string LongName() {
  return std::string(245, 'a') + ".aaa";
}

WipeEngineTest::WipeEngineTest() {
  // A fixed cluster size for every path of the test, whatever disk the test runs on.
  files.confinedTo = folder.path();
  files.diskSpaceOf[folder.path()] = {std::uint64_t(1) << 30, std::uint64_t(1) << 32, kCluster};
  manager.LoadSettings();  // the defaults: BufferSize 524288, slack space on, no signature
}

WipeEngineTest::~WipeEngineTest() = default;

void WipeEngineTest::AddMethod(const std::string& fileName, const std::vector<TPass>& passes) {
  TWipeMethod method;
  method.FileName = folder.methodsFolder() + fileName;
  method.Name = fileName;
  for (const TPass& pass : passes) method.AddPass(std::make_unique<TPass>(pass));
  folder.makeFolder("program/Methods");
  method.SaveToFile();
  manager.Methods.clear();
  manager.LoadMethods();
}

void WipeEngineTest::Run(TWipeItemKind kind, const std::string& path) {
  engine.ClearItems();
  engine.AddItem(std::make_unique<TWipeItem>(kind, path));
  ExecuteWith(engine, manager, services);
}

std::vector<std::string> WipeEngineTest::WipedContents() const {
  std::vector<std::string> contents;
  const std::string suffix = "/" + LongName();
  for (const auto& entry : files.deleted) {
    if (entry.path.size() >= suffix.size() &&
        entry.path.compare(entry.path.size() - suffix.size(), suffix.size(), suffix) == 0) {
      contents.push_back(entry.contents);
    }
  }
  return contents;
}

bool WipeEngineTest::HasFailure(const std::string& path, TWipeFailureReason reason) const {
  for (const TWipeFailure& failure : engine.Failures) {
    if (failure.Path == path && failure.Reason == reason) return true;
  }
  return false;
}
