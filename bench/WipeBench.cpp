// Times the wiping engine over the files it is given, the way the program runs it: one engine,
// one job per file, the settings file the program ships with (BufferSize 524288, slack space on,
// no signature).
//
//   WipeBench <zeros|random|random3> [--buffer BYTES] FILE...
//
// Prints two numbers: the seconds the whole run took (Execute: overwriting, renaming and
// deleting every file), and the seconds until the last pass was written and forced to the
// device (the run's last look at the windows' events, before the last file is renamed). The
// method and the settings are written to a program folder of its own, so the user's settings
// and methods are never read.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/TPass.h"
#include "core/TWipeEngine.h"
#include "core/TWipeMethodsManager.h"
#include "core/WipeServices.h"
#include "platform/Folders.h"

namespace fsys = std::filesystem;

namespace {

int Usage() {
  std::fprintf(stderr, "usage: WipeBench <zeros|random|random3> [--buffer BYTES] FILE...\n");
  return 2;
}

using Clock = std::chrono::steady_clock;

// No windows (those of the silent services); notes when the run last let them handle events.
class TimingServices : public IWipeServices {
 public:
  explicit TimingServices(IWipeServices& silent) : silent_(silent) {}
  Clock::time_point lastLook = Clock::now();
  std::unique_ptr<IWipeProgress> OpenProgress(TWipeEngine& engine) override {
    return silent_.OpenProgress(engine);
  }
  bool ConfirmWipeExecutable(const std::string&) override { return true; }
  void ProcessMessages() override { lastLook = Clock::now(); }

 private:
  IWipeServices& silent_;
};

// The settings file the program ships with.
const char kSettings[] =
    "[Settings]\nWipeWithCurrentMethod=1\nWipeSlackSpace=1\nDeleteToRecycleBin=0\n"
    "ScrambleFile=1\nWriteSignature=0\nSignature=\nConfirmEraseFile=0\n"
    "ConfirmEraseAllFiles=1\nConfirmEraseFolder=0\nConfirmErrorOccur=1\nBufferSize=524288\n";

TPass MakePass(bool random) {
  TPass pass;
  pass.WipeWith = random ? wwRandomBytes : wwBytePattern;
  pass.RandomBytesValue2 = 255;
  return pass;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string kind = argv[1];
  int passes = 0;
  bool random = false;
  if (kind == "zeros") {
    passes = 1;
  } else if (kind == "random") {
    passes = 1;
    random = true;
  } else if (kind == "random3") {
    passes = 3;
    random = true;
  } else {
    return Usage();
  }
  int first = 2;
  std::int32_t bufferSize = 524288;
  if (std::string(argv[first]) == "--buffer" && argc > first + 2) {
    bufferSize = static_cast<std::int32_t>(std::strtol(argv[first + 1], nullptr, 10));
    first += 2;
  }

  // A program folder of its own, with the one method in it.
  std::random_device entropy;
  const fsys::path program =
      fsys::temp_directory_path() / ("ferrovane-bench-" + std::to_string(entropy()));
  fsys::create_directories(program / "Methods");
  const platform::ScopedProgramFolder programFolder(program.string());
  std::ofstream(program / "Ferrovane.ini") << kSettings;
  {
    TWipeMethod method;
    method.FileName = (program / "Methods" / "bench.mtd").string();
    for (int i = 0; i < passes; ++i) method.AddPass(std::make_unique<TPass>(MakePass(random)));
    method.SaveToFile();
  }
  TWipeMethodsManager manager;
  manager.LoadMethods();
  manager.LoadSettings();
  manager.BufferSize = bufferSize;
  const ScopedWipeMethodsManager installedManager(manager);

  TimingServices services(WipeServices());
  const ScopedWipeServices installedServices(services);
  TWipeEngine engine("WipeFiles");
  for (int i = first; i < argc; ++i) engine.AddItem(std::make_unique<TWipeItem>(wkFile, argv[i]));
  const auto start = Clock::now();
  engine.Execute();
  const std::chrono::duration<double> total = Clock::now() - start;
  const std::chrono::duration<double> overwrite = services.lastLook - start;

  std::error_code ignored;
  fsys::remove_all(program, ignored);
  std::printf("%.4f %.4f\n", total.count(), overwrite.count());
  for (const TWipeFailure& failure : engine.Failures) {
    std::fprintf(stderr, "%s %s\n", failure.Path.c_str(), DescribeFailure(failure).c_str());
  }
  return engine.Failures.empty() ? 0 : 1;
}
