#include "platform/FileSystem.h"

#include <utility>

#include "platform/ContainingFolderIn.h"
#include "platform/Folder.h"
#include "platform/Folders.h"
#include "platform/PathText.h"

namespace platform {
namespace {

FileSystem* installed = nullptr;

class FileErrorCategory final : public std::error_category {
 public:
  const char* name() const noexcept override { return "ferrovane.file"; }
  std::string message(int value) const override {
    switch (static_cast<FileError>(value)) {
      case FileError::Changed:
        return "it was replaced while the run went on";
      case FileError::NotAFile:
        return "not an ordinary file";
      case FileError::Shared:
        return "it has other hard links";
      case FileError::ReadOnly:
        return "the file is read-only";
      case FileError::NotOwn:
        return "it is another user's, or lies in a folder others may write";
      case FileError::Link:
        return "is a link: not followed";
      case FileError::SystemFileSystem:
        return "it is on a system file system";
      case FileError::MountPoint:
        return "is a mount point: not entered";
    }
    return "unknown file error";
  }
};

}  // namespace

const std::error_category& fileErrorCategory() {
  static const FileErrorCategory category;
  return category;
}

Status ensureFolder(const std::string& folder) {
  if (!isAbsolutePath(folder)) return std::make_error_code(std::errc::invalid_argument);
  std::string path;
  std::size_t start = 1;
  while (start <= folder.size()) {
    std::size_t slash = folder.find(kSeparator, start);
    if (slash == std::string::npos) slash = folder.size();
    path = folder.substr(0, slash);
    start = slash + 1;
    if (path.size() <= 1) continue;
    auto info = fs().info(path);
    if (info && info->kind == EntryKind::Folder) continue;
    if (info && info->kind == EntryKind::Link) {
      auto target = fs().listFolder(path);  // a link to a folder serves as the folder
      if (target) continue;
    }
    if (Status made = fs().createFolder(path); !made) {
      // Something that is no folder stands in the folder's place, where the system says only
      // that it exists.
      if (info && made.error() == std::errc::file_exists) {
        return std::make_error_code(std::errc::not_a_directory);
      }
      return made;
    }
  }
  return {};
}

FileSystem& fs() {
  return installed ? *installed : realFileSystem();
}

FileSystem* setFileSystem(FileSystem* fileSystem) {
  return std::exchange(installed, fileSystem);
}

Folder::Folder(std::string path) : path_(std::move(path)) {}

std::string Folder::pathOf(const std::string& name) const {
  if (!path_.empty() && path_.back() == kSeparator) return path_ + name;
  return path_ + kSeparator + name;
}

Result<ContainingFolder> openContainingFolder(const std::string& path) {
  return openContainingFolder(fs(), path);
}

Result<ContainingFolder> openContainingFolder(FileSystem& files, const std::string& path) {
  if (!isAbsolutePath(path)) return std::make_error_code(std::errc::invalid_argument);
  const std::string own = trimSeparators(path);
  ContainingFolder result;
  if (own.size() == 1) {
    // The root holds itself.
    auto root = files.openFolderWithoutLinks(own);
    if (!root) return root.error();
    result.folder = root.release();
    return result;
  }
  result.name = fileNameOf(own);
  if (result.name == "." || result.name == "..") {
    return std::make_error_code(std::errc::invalid_argument);
  }
  auto folder = files.openFolderWithoutLinks(parentFolderOf(own));
  if (!folder) return folder.error();
  result.folder = folder.release();
  return result;
}

}  // namespace platform

namespace platform {

Result<ContainingFolder> openContainingFolderBeneath(const std::string& top,
                                                     const std::string& path) {
  const std::string anchor = trimSeparators(top);
  const std::string own = trimSeparators(path);
  const bool below = isAbsolutePath(anchor) && own.size() > anchor.size() + 1 &&
                     own.compare(0, anchor.size(), anchor) == 0 &&
                     (anchor.size() == 1 || own[anchor.size()] == kSeparator);
  if (!below) return std::make_error_code(std::errc::invalid_argument);
  ContainingFolder result;
  result.name = fileNameOf(own);
  if (result.name == "." || result.name == "..") {
    return std::make_error_code(std::errc::invalid_argument);
  }
  auto folder = fs().openFolderWithoutLinks(anchor);
  if (!folder) return folder.error();
  const std::string parent = parentFolderOf(own);
  if (parent.size() > anchor.size()) {
    const std::size_t skip = anchor.size() == 1 ? 1 : anchor.size() + 1;
    auto beneath = folder.get()->openBeneath(parent.substr(skip));
    if (!beneath) return beneath.error();
    result.folder = beneath.release();
  } else {
    result.folder = folder.release();
  }
  return result;
}

}  // namespace platform
