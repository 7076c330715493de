// Times the look at a file's layout that a wipe makes before the first pass and after the last
// (extents, kind of file system, the no-copy-on-write mark), on files of a given size.
//
//   LayoutBench FOLDER [COUNT] [BYTES]
//
// Writes COUNT files of BYTES bytes (default 1000 files of 4096 bytes) into FOLDER, forces them
// to the device, then opens each one as the engine does and reads its layout twice. Prints the
// microseconds per file of the two looks together, and the files are removed again.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: LayoutBench FOLDER [COUNT] [BYTES]\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  const int count = argc > 2 ? std::atoi(argv[2]) : 1000;
  const std::size_t bytes = argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 4096;
  platform::FileSystem& files = platform::fs();
  const std::string content(bytes, 'x');
  std::vector<std::string> paths;
  for (int i = 0; i < count; ++i) {
    paths.push_back(folder + "layout-bench-" + std::to_string(i));
    auto file = files.createAlways(paths.back());
    if (!file || !file->write(content.data(), content.size()) || !file->flush()) {
      std::fprintf(stderr, "cannot write %s\n", paths.back().c_str());
      return 1;
    }
  }
  std::size_t mapped = 0;
  const auto start = std::chrono::steady_clock::now();
  for (const std::string& path : paths) {
    auto file = files.openExisting(path);
    if (!file) return 1;
    const auto before = file->layout();
    const auto after = file->layout();
    mapped += (before && before->mapped) + (after && after->mapped);
  }
  const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
  for (const std::string& path : paths) {
    if (!files.deleteFile(path)) std::fprintf(stderr, "%s: could not be removed\n", path.c_str());
  }
  std::printf("%.1f us per file (%zu of %d looks mapped)\n", took.count() / count, mapped,
              2 * count);
  return 0;
}
