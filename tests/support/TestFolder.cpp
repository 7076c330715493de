#include "support/TestFolder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fsys = std::filesystem;

std::string TestFolder::prefix() {
  return (fsys::temp_directory_path() / "ferrovane-test-").string();
}

namespace {

std::string newTestFolder() {
  std::string pattern = TestFolder::prefix() + "XXXXXX";
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a test folder");
  return pattern + "/";
}

// The lock file of a test folder (given with or without its final separator).
std::string lockFileOf(std::string folder) {
  if (!folder.empty() && folder.back() == '/') folder.pop_back();
  return folder + ".lock";
}

// Locks the folder's lock file without waiting; -1 when another program holds it (or it cannot
// be opened). With `create`, the file is made and locked under another name first, so that no
// one ever finds it unlocked. The lock lasts as long as the program that holds it, however that
// program ends.
int lockFolder(const std::string& folder, bool create) {
  const std::string lockFile = lockFileOf(folder);
  const std::string name = create ? lockFile + ".new" : lockFile;
  const int flags = O_RDWR | O_CLOEXEC | O_NOFOLLOW | (create ? O_CREAT | O_TRUNC : 0);
  const int fd = ::open(name.c_str(), flags, 0600);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || (create && ::rename(name.c_str(), lockFile.c_str()))) {
    ::close(fd);
    return -1;
  }
  return fd;
}

// Removes the folder and everything in it, read-only folders included.
void removeTree(const std::string& path) {
  std::error_code ignored;
  for (auto it = fsys::recursive_directory_iterator(path, ignored);
       it != fsys::recursive_directory_iterator(); it.increment(ignored)) {
    if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
      fsys::permissions(it->path(), fsys::perms::owner_all, fsys::perm_options::add, ignored);
    }
  }
  fsys::remove_all(path, ignored);
}

// Creates the folder and gives it back.
std::string created(const std::string& folder) {
  fsys::create_directories(folder);
  return folder;
}

}  // namespace

TestFolder::TestFolder()
    : path_(newTestFolder()),
      lock_(lockFolder(path_, true)),
      program_(created(programFolder())),
      temp_(created(tempFolder())),
      config_(created(configFolder())),
      home_(created(homeFolder())),
      data_(dataFolder()),
      cache_(cacheFolder()) {}

TestFolder::~TestFolder() {
  removeTree(path_);
  if (lock_ >= 0) {
    std::error_code ignored;
    fsys::remove(lockFileOf(path_), ignored);
    ::close(lock_);
  }
}

void TestFolder::removeLeftovers() {
  const fsys::path prefix(TestFolder::prefix());
  const std::string start = prefix.filename().string();
  std::error_code error;
  for (const fsys::directory_entry& entry : fsys::directory_iterator(prefix.parent_path(), error)) {
    const std::string name = entry.path().filename().string();
    std::error_code ignored;
    if (name.rfind(start, 0) != 0 || entry.is_symlink(ignored) || !entry.is_directory(ignored)) {
      continue;
    }
    // A folder without a lock file belongs to a program that does not lock its folders: it
    // may still be running.
    const std::string lockFile = lockFileOf(entry.path().string());
    if (!fsys::is_regular_file(fsys::symlink_status(lockFile, ignored))) continue;
    const int fd = lockFolder(entry.path().string(), false);
    if (fd < 0) continue;  // its program runs
    removeTree(entry.path().string());
    fsys::remove(lockFile, ignored);
    ::close(fd);
  }
}

std::string TestFolder::write(const std::string& relative, const std::string& contents) const {
  const fsys::path file = fsys::path(path_) / relative;
  fsys::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << contents;
  if (!out) throw std::runtime_error("cannot write " + file.string());
  return file.string();
}

std::string TestFolder::makeFolder(const std::string& relative) const {
  const fsys::path folder = fsys::path(path_) / relative;
  fsys::create_directories(folder);
  return folder.string();
}

std::string readFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool pathExists(const std::string& path) {
  std::error_code ignored;
  return fsys::exists(fsys::symlink_status(path, ignored));
}
