#include "WipeEngineFixture.h"

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
