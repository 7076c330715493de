// Times the wiping engine over the files it is given, the way the program runs it: one engine,
// one job per file, the settings file the program ships with (BufferSize 524288, slack space on,
// no signature).
//
//   WipeBench <zeros|random|random3|random-verified> [--buffer BYTES] [--window FILES] [--gaps]
//             FILE...
//   (an argument @LIST names a file that lists the files, one path a line)
//   WipeBench freespace ROOT
//
// Prints two numbers: the seconds the whole run took (Execute: overwriting, renaming and
// deleting every file), and the seconds until the last pass was written and forced to the
// device (the run's last look at the windows' events, before the last file is renamed). With
// --gaps two more follow: the 99th percentile and the longest of the gaps between the run's
// looks at the windows' events, in milliseconds (from the start of Execute to its end), which
// is how long a window would have waited for a repaint or a click on Cancel. --window sets how
// many files of a one-pass wipe may wait for their flush at once (0: none).
//
// "freespace" wipes the free space of the mounted file system at ROOT with one random pass and
// prints: the seconds of the whole run, the seconds of the fill (which writes the one pass, until
// the temporary file is full and on the device), the bytes the fill took from the free space,
// then the 99th
// percentile and the longest gap during the fill, and the same for the whole run (milliseconds).
//
// The method and the settings are written to a program folder of its own, so the user's
// settings and methods are never read.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/TPass.h"
#include "core/TWipeEngine.h"
#include "core/TWipeMethodsManager.h"
#include "core/WipeRun.h"
#include "core/WipeServices.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"

namespace fsys = std::filesystem;

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: WipeBench <zeros|random|random3|random-verified> [--buffer BYTES] [--window "
               "N] [--gaps] "
               "FILE...\n       WipeBench freespace ROOT\n");
  return 2;
}

using Clock = std::chrono::steady_clock;

// The gaps between the run's looks at the windows' events, from a starting point on.
class GapProbe {
 public:
  void Start(Clock::time_point at) {
    last_ = at;
    gaps_.clear();
  }
  void Look(Clock::time_point at) {
    gaps_.push_back(std::chrono::duration<double, std::milli>(at - last_).count());
    last_ = at;
  }
  // The 99th percentile and the longest gap, in milliseconds.
  std::pair<double, double> Figures() const {
    if (gaps_.empty()) return {0, 0};
    std::vector<double> sorted = gaps_;
    std::sort(sorted.begin(), sorted.end());
    const auto rank =
        static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(sorted.size())));
    return {sorted[std::max<std::size_t>(rank, 1) - 1], sorted.back()};
  }

 private:
  Clock::time_point last_;
  std::vector<double> gaps_;
};

// No windows; notes when the run last let them handle events, every gap between two looks,
// and when the file line changed: a free-space run shows "Creating temporary file..." while it
// fills and the temporary file's path once it wipes it.
class TimingServices : public IWipeServices {
 public:
  Clock::time_point lastLook = Clock::now();
  std::vector<Clock::time_point> looks;  // every look, in order
  GapProbe run;                          // from the start of Execute
  GapProbe fill;  // from the start of a free-space fill until the fill has ended
  std::vector<Clock::time_point> files;

  std::unique_ptr<IWipeProgress> OpenProgress(TWipeEngine&) override;
  bool ConfirmWipeExecutable(const std::string&) override { return true; }
  void ProcessMessages() override {
    lastLook = Clock::now();
    looks.push_back(lastLook);
    run.Look(lastLook);
    if (files.size() == 1) fill.Look(lastLook);
  }
  void FileShown() {
    files.push_back(Clock::now());
    if (files.size() == 2) fill.Look(files.back());
  }
};

class ProbeProgress : public IWipeProgress {
 public:
  explicit ProbeProgress(TimingServices& services) : services_(services) {}
  void SetFileRange(std::uint64_t) override {}
  void SetFilePosition(std::uint64_t) override {}
  void SetPassRange(std::uint64_t) override {}
  void SetPassPosition(std::uint64_t) override {}
  void ShowFile(const std::string&) override { services_.FileShown(); }
  void ShowPass(int, int) override {}
  void Advance(std::uint64_t) override {}

 private:
  TimingServices& services_;
};

std::unique_ptr<IWipeProgress> TimingServices::OpenProgress(TWipeEngine&) {
  return std::make_unique<ProbeProgress>(*this);
}

// The settings file the program ships with.
const char kSettings[] =
    "[Settings]\nWipeWithCurrentMethod=1\nWipeSlackSpace=1\nDeleteToRecycleBin=0\n"
    "ScrambleFile=1\nWriteSignature=0\nSignature=\nConfirmEraseFile=0\n"
    "ConfirmEraseAllFiles=1\nConfirmEraseFolder=0\nConfirmErrorOccur=1\nBufferSize=524288\n";

TPass MakePass(bool random, bool verified) {
  TPass pass;
  pass.WipeWith = random ? wwRandomBytes : wwBytePattern;
  pass.RandomBytesValue2 = 255;
  pass.CheckWipe = verified;
  return pass;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string kind = argv[1];
  int passes = 1;
  bool random = true;
  bool verified = false;
  const bool freeSpace = kind == "freespace";
  if (kind == "zeros") {
    random = false;
  } else if (kind == "random3") {
    passes = 3;
  } else if (kind == "random-verified") {
    verified = true;
  } else if (kind != "random" && !freeSpace) {
    return Usage();
  }
  int first = 2;
  std::int32_t bufferSize = 524288;
  bool gaps = false;
  std::size_t window = TWipeEngine().FlushWindowFiles;
  for (;;) {
    const std::string option = argv[first];
    if (option == "--buffer" && argc > first + 2) {
      bufferSize = static_cast<std::int32_t>(std::strtol(argv[first + 1], nullptr, 10));
      first += 2;
    } else if (option == "--window" && argc > first + 2) {
      window = static_cast<std::size_t>(std::strtoul(argv[first + 1], nullptr, 10));
      first += 2;
    } else if (option == "--gaps" && argc > first + 1) {
      gaps = true;
      first += 1;
    } else {
      break;
    }
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
    for (int i = 0; i < passes; ++i) {
      method.AddPass(std::make_unique<TPass>(MakePass(random, verified)));
    }
    method.SaveToFile();
  }
  // Written long ago, as the program finds them: a file changed moments before it is read is
  // read again at every lookup, which would count against every file of the run.
  const auto past = fsys::file_time_type::clock::now() - std::chrono::minutes(10);
  fsys::last_write_time(program / "Ferrovane.ini", past);
  fsys::last_write_time(program / "Methods" / "bench.mtd", past);
  TWipeMethodsManager manager;
  manager.LoadMethods();
  manager.LoadSettings();
  manager.BufferSize = bufferSize;

  TimingServices services;
  const ScopedWipeServices installedServices(services);
  TWipeEngine engine(freeSpace ? "WipeFreeSpace" : "WipeFiles");
  engine.FlushWindowFiles = window;
  std::optional<platform::DiskSpace> before;
  if (freeSpace) {
    before = platform::fs().diskSpace(argv[first]);
    auto item = std::make_unique<TWipeItem>(wkFreeSpace, argv[first]);
    if (before) item->Volume = before->id;
    engine.AddItem(std::move(item));
  } else {
    for (int i = first; i < argc; ++i) {
      const std::string given = argv[i];
      if (given.size() > 1 && given[0] == '@') {
        // A list of files, one path a line: more than a command line holds.
        std::ifstream list(given.substr(1));
        for (std::string line; std::getline(list, line);) {
          if (!line.empty()) engine.AddItem(std::make_unique<TWipeItem>(wkFile, line));
        }
      } else {
        engine.AddItem(std::make_unique<TWipeItem>(wkFile, given));
      }
    }
  }
  // The size of the last file as the run finds it (its passes do not grow a file past the
  // end of its last block, which the steps of giving back do not depend on).
  std::uint64_t lastSize = 0;
  if (!freeSpace) {
    const std::string last = engine.Items.empty() ? std::string() : engine.Items.back()->Path;
    if (const auto info = platform::fs().info(last)) lastSize = info->size;
  }
  const auto start = Clock::now();
  services.run.Start(start);
  services.fill.Start(start);
  WipeRun run = WipeRun::For(engine, manager, WipeServices());
  engine.Execute(run);
  const auto end = Clock::now();
  services.run.Look(end);
  const std::chrono::duration<double> total = end - start;
  // The last file's last pass ends at the look that follows it. A file larger than the
  // engine's step of giving back space is then shrunk step by step, with a look after each
  // step, before it is deleted: those looks are not part of the overwriting.
  std::size_t givenBack = 0;
  if (lastSize > engine.GiveBackStep && engine.GiveBackStep > 0) {
    givenBack = static_cast<std::size_t>((lastSize - 1) / engine.GiveBackStep + 1);
  }
  const Clock::time_point overwriteEnd = services.looks.size() > givenBack
                                             ? services.looks[services.looks.size() - 1 - givenBack]
                                             : services.lastLook;
  const std::chrono::duration<double> overwrite = overwriteEnd - start;

  std::error_code ignored;
  fsys::remove_all(program, ignored);
  const auto [runP99, runWorst] = services.run.Figures();
  if (freeSpace) {
    // The fill ends where the temporary file's wipe begins (the second file line).
    const Clock::time_point fillEnd = services.files.size() >= 2 ? services.files[1] : end;
    const std::chrono::duration<double> fill = fillEnd - start;
    const auto [fillP99, fillWorst] = services.fill.Figures();
    std::printf("%.4f %.4f %llu %.2f %.2f %.2f %.2f\n", total.count(), fill.count(),
                static_cast<unsigned long long>(before ? before->available : 0), fillP99, fillWorst,
                runP99, runWorst);
  } else if (gaps) {
    std::printf("%.4f %.4f %.2f %.2f\n", total.count(), overwrite.count(), runP99, runWorst);
  } else {
    std::printf("%.4f %.4f\n", total.count(), overwrite.count());
  }
  for (const TWipeFailure& failure : engine.Failures) {
    std::fprintf(stderr, "%s %s\n", failure.Path.c_str(), DescribeFailure(failure).c_str());
  }
  return engine.Failures.empty() ? 0 : 1;
}
