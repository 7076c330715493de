#include "support/TestFolder.h"

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

// Creates the folder and gives it back.
std::string created(const std::string& folder) {
  fsys::create_directories(folder);
  return folder;
}

}  // namespace

TestFolder::TestFolder()
    : path_(newTestFolder()),
      program_(created(programFolder())),
      temp_(created(tempFolder())),
      config_(created(configFolder())),
      home_(created(homeFolder())),
      data_(dataFolder()),
      cache_(cacheFolder()) {}

TestFolder::~TestFolder() {
  std::error_code ignored;
  // Read-only folders would keep their contents from being removed.
  for (auto it = fsys::recursive_directory_iterator(path_, ignored);
       it != fsys::recursive_directory_iterator(); it.increment(ignored)) {
    if (it->is_directory(ignored) && !it->is_symlink(ignored)) {
      fsys::permissions(it->path(), fsys::perms::owner_all, fsys::perm_options::add, ignored);
    }
  }
  fsys::remove_all(path_, ignored);
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
