#include "support/DeepTree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>

#include "platform/PathText.h"

namespace {

int OpenFolderAt(int parent, const char* name) {
  return ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

void Collect(int folder, const std::string& path, std::vector<std::string>& files) {
  const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listing < 0) return;
  DIR* dir = ::fdopendir(listing);
  if (!dir) {
    ::close(listing);
    return;
  }
  std::vector<std::string> folders;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat st {};
    if (::fstatat(folder, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISDIR(st.st_mode)) {
      folders.push_back(name);
    } else {
      files.push_back(path + "/" + name);
    }
  }
  ::closedir(dir);
  for (const std::string& name : folders) {
    const int sub = OpenFolderAt(folder, name.c_str());
    if (sub < 0) continue;
    Collect(sub, path + "/" + name, files);
    ::close(sub);
  }
}

}  // namespace

void MakeDeepTree(const std::string& top, int depth, const std::string& folderName) {
  int folder = ::open(top.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) throw std::runtime_error("cannot open " + top);
  for (int level = 1; level <= depth; ++level) {
    if (::mkdirat(folder, folderName.c_str(), 0700) != 0) break;
    const int sub = OpenFolderAt(folder, folderName.c_str());
    ::close(folder);
    folder = sub;
    if (folder < 0) throw std::runtime_error("cannot open a folder of the deep tree");
    const int file = ::openat(folder, "file", O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (file < 0) break;
    const std::string contents = std::to_string(level);
    const bool written =
        ::write(file, contents.data(), contents.size()) == static_cast<ssize_t>(contents.size());
    ::close(file);
    if (!written) break;
  }
  if (folder >= 0) ::close(folder);
}

std::vector<std::string> FilesBelow(const std::string& top) {
  std::vector<std::string> files;
  const int folder = ::open(top.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) return files;
  Collect(folder, platform::trimSeparators(top), files);
  ::close(folder);
  return files;
}
