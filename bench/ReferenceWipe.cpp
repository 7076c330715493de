// The benchmark's yardsticks for the wiping engine: a deliberately plain loop that overwrites and
// deletes files one at a time, with no checks beyond each call's result, no threads and no
// progress. The bench runs no other wiping program; these loops are written for it.
//
//   ReferenceWipe <bare|cautious> PASSES FILE...
//   (an argument @LIST names a file that lists the files, one path a line)
//
// Every pass writes the file's size of random bytes from offset 0 in writes of 1 MiB, then forces
// them to the device with fdatasync. The bytes come from a small generator of its own
// (xorshift64*) that refills one reused buffer of 1 MiB for every write, so no two writes repeat.
//
//   bare      per file: the passes, then one rename to a name of the same length made of one
//             character (in the same folder), the unlink and the close. The least any tool that
//             overwrites and then deletes must do.
//   cautious  per file: the passes, then the file truncated to 0 bytes and forced to the device,
//             then 11 renames to ever shorter names made of one character (one character less
//             each time, never below one), each followed by an fdatasync of the folder, then the
//             unlink. With one pass that is 13 fdatasync, 11 renames, 1 ftruncate and 1 unlink
//             per file: the calls a careful one-pass tool makes.
//
// A rename never replaces a file: it asks for a name that is free (RENAME_NOREPLACE) and takes
// the next character when the name is taken.
//
// Prints the seconds of the whole run (steady clock, from the first open to the last unlink and
// the close after it, which frees the file's blocks) on one line; stops with a message and a
// non-zero status at the first call that fails.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kWriteBytes = 1 << 20;
constexpr int kCautiousRenames = 11;
// The characters a new name is made of, tried in this order when a name is taken.
constexpr char kNameCharacters[] =
    "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_";

int Usage() {
  std::fprintf(stderr,
               "usage: ReferenceWipe <bare|cautious> PASSES FILE...  (@LIST: one path a line)\n");
  return 2;
}

// A failed call: what was done, to which path, and the system's reason.
struct Failure {
  std::string what;
  std::string path;
  int error;
};

// xorshift64*: fast, and enough to make the written bytes look random to the device.
class Generator {
 public:
  explicit Generator(std::uint64_t seed) : state_(seed != 0 ? seed : 0x9E3779B97F4A7C15ULL) {}
  std::uint64_t Next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 0x2545F4914F6CDD1DULL;
  }

 private:
  std::uint64_t state_;
};

// A path split into its folder and its name within the folder.
struct Place {
  std::string folder;
  std::string name;
};

Place Split(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {".", path};
  return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

std::string Join(const std::string& folder, const std::string& name) {
  return folder == "/" ? "/" + name : folder + "/" + name;
}

class ReferenceWipe {
 public:
  ReferenceWipe(bool cautious, int passes, std::uint64_t seed)
      : cautious_(cautious), passes_(passes), generator_(seed), buffer_(kWriteBytes / 8) {}
  ~ReferenceWipe() {
    if (folderFd_ >= 0) ::close(folderFd_);
  }
  ReferenceWipe(const ReferenceWipe&) = delete;
  ReferenceWipe& operator=(const ReferenceWipe&) = delete;

  // Overwrites and deletes one file; false with `failure` set when a call failed.
  bool Wipe(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return Fail("open", path);
    const bool done = WipeOpen(fd, path);
    if (::close(fd) != 0 && done) return Fail("close", path);
    return done;
  }

  const Failure& failure() const { return failure_; }

 private:
  bool WipeOpen(int fd, const std::string& path) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return Fail("fstat", path);
    const auto size = static_cast<std::uint64_t>(info.st_size);
    for (int pass = 0; pass < passes_; ++pass) {
      if (!WritePass(fd, size, path)) return false;
      if (::fdatasync(fd) != 0) return Fail("fdatasync", path);
    }
    const Place place = Split(path);
    if (!cautious_) {
      const std::string name = RenameIn(AT_FDCWD, place, place.name.size());
      if (name.empty()) return false;
      const std::string renamed = Join(place.folder, name);
      if (::unlink(renamed.c_str()) != 0) return Fail("unlink", renamed);
      return true;
    }
    if (::ftruncate(fd, 0) != 0) return Fail("ftruncate", path);
    if (::fdatasync(fd) != 0) return Fail("fdatasync", path);
    if (!OpenFolder(place.folder)) return false;
    Place current = place;
    for (int i = 1; i <= kCautiousRenames; ++i) {
      const std::size_t length = current.name.size() > 1 ? current.name.size() - 1 : std::size_t{1};
      const std::string renamed = RenameIn(folderFd_, current, length);
      if (renamed.empty()) return false;
      current.name = renamed;
      if (::fdatasync(folderFd_) != 0) return Fail("fdatasync", place.folder);
    }
    if (::unlinkat(folderFd_, current.name.c_str(), 0) != 0) {
      return Fail("unlink", Join(place.folder, current.name));
    }
    return true;
  }

  // Writes `size` random bytes from offset 0, 1 MiB at a time.
  bool WritePass(int fd, std::uint64_t size, const std::string& path) {
    for (std::uint64_t offset = 0; offset < size;) {
      const std::size_t chunk =
          static_cast<std::size_t>(size - offset < kWriteBytes ? size - offset : kWriteBytes);
      const std::size_t words = (chunk + 7) / 8;
      for (std::size_t w = 0; w < words; ++w) buffer_[w] = generator_.Next();
      const char* bytes = reinterpret_cast<const char*>(buffer_.data());
      std::size_t written = 0;
      while (written < chunk) {
        const ssize_t n =
            ::pwrite(fd, bytes + written, chunk - written, static_cast<off_t>(offset + written));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Fail("write", path);
        if (n == 0) {
          errno = EIO;
          return Fail("write (nothing written)", path);
        }
        written += static_cast<std::size_t>(n);
      }
      offset += chunk;
    }
    return true;
  }

  // Keeps the folder of the files open while they share it.
  bool OpenFolder(const std::string& folder) {
    if (folderFd_ >= 0 && folder == folderPath_) return true;
    if (folderFd_ >= 0) ::close(folderFd_);
    folderPath_ = folder;
    folderFd_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd_ < 0) return Fail("open folder", folder);
    return true;
  }

  // Renames `from.name` (relative to `folderFd`, or to `from.folder` for AT_FDCWD) to a free name
  // of `length` times one character; returns the new name, or an empty one on failure.
  std::string RenameIn(int folderFd, const Place& from, std::size_t length) {
    const bool byPath = folderFd == AT_FDCWD;
    const std::string source = byPath ? Join(from.folder, from.name) : from.name;
    for (const char* c = kNameCharacters; *c != '\0'; ++c) {
      const std::string name(length, *c);
      if (name == from.name) continue;  // its own name: taken, no need to ask
      const std::string target = byPath ? Join(from.folder, name) : name;
      if (::renameat2(folderFd, source.c_str(), folderFd, target.c_str(), RENAME_NOREPLACE) == 0) {
        return name;
      }
      if (errno != EEXIST) {
        Fail("rename", Join(from.folder, from.name));
        return {};
      }
    }
    errno = EEXIST;
    Fail("rename (every name of that length is taken)", Join(from.folder, from.name));
    return {};
  }

  bool Fail(const char* what, const std::string& path) {
    failure_ = {what, path, errno};
    return false;
  }

  bool cautious_;
  int passes_;
  Generator generator_;
  std::vector<std::uint64_t> buffer_;
  int folderFd_ = -1;
  std::string folderPath_;
  Failure failure_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) return Usage();
  const std::string mode = argv[1];
  if (mode != "bare" && mode != "cautious") return Usage();
  char* end = nullptr;
  const long passes = std::strtol(argv[2], &end, 10);
  if (end == argv[2] || *end != '\0' || passes < 1 || passes > 1000) return Usage();

  std::vector<std::string> files;
  for (int i = 3; i < argc; ++i) {
    const std::string given = argv[i];
    if (given.size() > 1 && given[0] == '@') {
      std::ifstream list(given.substr(1));
      if (!list) {
        std::fprintf(stderr, "ReferenceWipe: cannot read the list %s\n", given.c_str() + 1);
        return 1;
      }
      for (std::string line; std::getline(list, line);) {
        if (!line.empty()) files.push_back(line);
      }
    } else {
      files.push_back(given);
    }
  }

  std::random_device entropy;
  const std::uint64_t seed = (static_cast<std::uint64_t>(entropy()) << 32) | entropy();
  ReferenceWipe wipe(mode == "cautious", static_cast<int>(passes), seed);
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  for (const std::string& file : files) {
    if (!wipe.Wipe(file)) {
      const Failure& failure = wipe.failure();
      std::fprintf(stderr, "ReferenceWipe: %s %s: %s\n", failure.what.c_str(), failure.path.c_str(),
                   std::strerror(failure.error));
      return 1;
    }
  }
  const std::chrono::duration<double> total = Clock::now() - start;
  std::printf("%.4f\n", total.count());
  return 0;
}
