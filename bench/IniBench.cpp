// Times the reading and writing of the program's INI files, the way the program uses them:
//
//   IniBench read MIB    a settings file of MIB MiB (thousands of sections of other programs'
//                        keys, the program's own sections last) is read by LoadSettings; then
//                        the method of an engine is looked up again and again on the unchanged
//                        file, as a run does for every file.
//                        Prints: seconds of the first read (as the clock on the wall sees
//                        them, and of processor time: on a busy machine the first includes
//                        waiting for the other programs), microseconds of one lookup, the peak
//                        memory the read took in bytes, the file's size in bytes.
//   IniBench save        saves a method of 1000 passes, a method file of 4 MiB with 3 passes
//                        (a large comment after them), and the settings into a settings file
//                        of 64 MiB.
//                        Prints the seconds of each of the three saves.
//
// Everything happens in a program folder of its own, so the user's settings and methods are
// never read.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "core/TWipeEngine.h"
#include "core/TWipeMethodsManager.h"
#include "platform/Folders.h"

namespace fsys = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// A figure of this process's memory in /proc/self/status ("VmHWM": peak, "VmRSS": now), in
// bytes.
std::uint64_t MemoryFigure(const std::string& name) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(name + ":", 0) == 0)
      return std::strtoull(line.c_str() + name.size() + 1, nullptr, 10) * 1024;
  }
  return 0;
}

// A settings file of about `bytes` bytes, written piece by piece so that making it costs no
// memory: sections of other programs' keys first, then the program's own two sections.
void WriteLargeSettings(const fsys::path& path, std::uint64_t bytes) {
  std::ofstream out(path, std::ios::binary);
  std::string chunk;
  std::uint64_t written = 0;
  for (int section = 0; written + 4096 < bytes; ++section) {
    chunk = "[OtherProgram" + std::to_string(section) + "]\n";
    for (int key = 0; key < 100; ++key) {
      chunk += "Setting" + std::to_string(key) + "=value " + std::to_string(section * 100 + key) +
               " of some other program\n";
    }
    chunk += "\n";
    out << chunk;
    written += chunk.size();
  }
  out << "[Engines]\nWipeFiles=bench.mtd\n\n"
         "[Settings]\nWipeWithCurrentMethod=1\nWipeSlackSpace=1\nDeleteToRecycleBin=0\n"
         "ScrambleFile=1\nWriteSignature=0\nSignature=\nConfirmEraseFile=0\n"
         "ConfirmEraseAllFiles=1\nConfirmEraseFolder=0\nConfirmErrorOccur=1\nBufferSize=524288\n";
  out.close();
  // Written when the program last ended, not moments ago (a file that has just changed is
  // read again on every lookup, as its timestamp may not show a second change yet).
  fsys::last_write_time(path, fsys::file_time_type::clock::now() - std::chrono::hours(1));
}

// A program folder of its own, removed again when the benchmark ends.
class ProgramFolder {
 public:
  ProgramFolder() : path_(newFolder()), installed_(path_.string()) {}
  ~ProgramFolder() {
    std::error_code ignored;
    fsys::remove_all(path_, ignored);
  }
  const fsys::path& path() const { return path_; }

 private:
  static fsys::path newFolder() {
    std::random_device entropy;
    fsys::path path =
        fsys::temp_directory_path() / ("ferrovane-inibench-" + std::to_string(entropy()));
    fsys::create_directories(path / "Methods");
    return path;
  }

  fsys::path path_;
  platform::ScopedProgramFolder installed_;
};

int Read(std::uint64_t mib) {
  ProgramFolder program;
  const fsys::path settings = program.path() / "Ferrovane.ini";
  WriteLargeSettings(settings, mib << 20);
  {
    TWipeMethod method;
    method.FileName = (program.path() / "Methods" / "bench.mtd").string();
    method.AddPass(method.NewPass());
    method.SaveToFile();
  }
  TWipeMethodsManager manager;
  manager.LoadMethods();

  const std::uint64_t before = MemoryFigure("VmRSS");
  const std::clock_t cpuStart = std::clock();
  auto start = Clock::now();
  manager.LoadSettings();
  const double read = SecondsSince(start);
  const double readCpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  const std::uint64_t peak = MemoryFigure("VmHWM");
  if (manager.BufferSize != 524288) {
    std::fprintf(stderr, "the settings were not read\n");
    return 1;
  }

  TWipeEngine engine("WipeFiles");
  const int lookups = read > 2.0 ? 3 : 1000;  // a slow lookup is measured a few times only
  start = Clock::now();
  for (int i = 0; i < lookups; ++i) {
    if (!manager.MethodForEngine(engine)) {
      std::fprintf(stderr, "the engine's method was not found\n");
      return 1;
    }
  }
  const double lookup = SecondsSince(start) / lookups;
  std::printf("%.4f %.4f %.2f %llu %llu\n", read, readCpu, lookup * 1e6,
              static_cast<unsigned long long>(peak > before ? peak - before : 0),
              static_cast<unsigned long long>(fsys::file_size(settings)));
  return 0;
}

int Save() {
  ProgramFolder program;
  const fsys::path methods = program.path() / "Methods";

  TWipeMethod many;
  many.FileName = (methods / "many.mtd").string();
  for (int i = 0; i < 1000; ++i) many.AddPass(many.NewPass());
  auto start = Clock::now();
  many.SaveToFile();
  const double manySeconds = SecondsSince(start);

  // A real 3-pass method followed by a large comment, just within the size that is read.
  const fsys::path bigPath = methods / "big.mtd";
  {
    TWipeMethod three;
    three.FileName = bigPath.string();
    for (int i = 0; i < 3; ++i) three.AddPass(three.NewPass());
    three.SaveToFile();
    std::ofstream out(bigPath, std::ios::binary | std::ios::app);
    const std::string line = "; notes on this method\n";
    for (std::uint64_t size = fsys::file_size(bigPath);
         size + line.size() <= TWipeMethod::kMaxFileSize; size += line.size()) {
      out << line;
    }
  }
  TWipeMethod big;
  big.FileName = bigPath.string();
  big.LoadFromFile();
  big.Name = "Changed";
  start = Clock::now();
  big.SaveToFile();
  const double bigSeconds = SecondsSince(start);

  WriteLargeSettings(program.path() / "Ferrovane.ini", 64ull << 20);
  TWipeMethodsManager manager;
  manager.LoadSettings();
  manager.Signature = "Changed";
  start = Clock::now();
  manager.SaveSettings();
  const double settingsSeconds = SecondsSince(start);

  std::printf("%.4f %.4f %.4f\n", manySeconds, bigSeconds, settingsSeconds);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string what = argc > 1 ? argv[1] : "";
  if (what == "read" && argc == 3) return Read(std::strtoull(argv[2], nullptr, 10));
  if (what == "save" && argc == 2) return Save();
  std::fprintf(stderr, "usage: IniBench read MIB | IniBench save\n");
  return 2;
}
