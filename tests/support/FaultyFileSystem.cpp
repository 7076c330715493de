#include "support/FaultyFileSystem.h"

#include <gtest/gtest.h>

#include "support/TestFolder.h"

namespace {
platform::FileSystem& real() { return platform::realFileSystem(); }
}  // namespace

class RecordingFile : public platform::File {
 public:
  RecordingFile(FaultyFileSystem& owner, std::unique_ptr<platform::File> file, std::string path)
      : owner_(owner), file_(std::move(file)), path_(std::move(path)) {}

  bool write(const void* data, std::size_t length) override {
    const std::uint64_t offset = file_->position();
    if (owner_.bytesLeft >= 0 && static_cast<std::uint64_t>(owner_.bytesLeft) < length) {
      // A full disk: what fits is written, then the write fails.
      const auto fits = static_cast<std::size_t>(owner_.bytesLeft);
      if (fits > 0) file_->write(data, fits);
      owner_.bytesLeft = 0;
      owner_.writes.push_back({path_, offset, fits});
      return false;
    }
    if (!file_->write(data, length)) return false;
    if (owner_.bytesLeft >= 0) owner_.bytesLeft -= static_cast<std::int64_t>(length);
    owner_.writes.push_back({path_, offset, length});
    return true;
  }
  bool seek(std::uint64_t position) override { return file_->seek(position); }
  std::optional<std::uint64_t> size() override { return file_->size(); }
  std::uint64_t position() const override { return file_->position(); }
  bool flush() override {
    owner_.flushes.push_back(path_);
    return file_->flush();
  }
  void startWriteback() override { file_->startWriteback(); }

 private:
  FaultyFileSystem& owner_;
  std::unique_ptr<platform::File> file_;
  std::string path_;
};

bool FaultyFileSystem::allowed(const std::string& path) const {
  if (confinedTo.empty()) return true;
  const bool inside = path.size() > confinedTo.size() &&
                      path.compare(0, confinedTo.size(), confinedTo) == 0 &&
                      path.find("/../") == std::string::npos;
  if (!inside) ADD_FAILURE() << "a test tried to change " << path << " outside " << confinedTo;
  return inside;
}

std::unique_ptr<platform::File> FaultyFileSystem::wrap(std::unique_ptr<platform::File> file,
                                                       const std::string& path) {
  if (!file) return nullptr;
  return std::make_unique<RecordingFile>(*this, std::move(file), path);
}

std::unique_ptr<platform::File> FaultyFileSystem::openExisting(const std::string& path) {
  if (failOpen.count(path) || !allowed(path)) return nullptr;
  return wrap(real().openExisting(path), path);
}

std::unique_ptr<platform::File> FaultyFileSystem::createAlways(const std::string& path) {
  if (failOpen.count(path) || !allowed(path)) return nullptr;
  return wrap(real().createAlways(path), path);
}

std::optional<platform::FileInfo> FaultyFileSystem::info(const std::string& path) {
  return real().info(path);
}

bool FaultyFileSystem::setAttributes(const std::string& path, std::uint32_t attributes) {
  if (!allowed(path)) return false;
  return real().setAttributes(path, attributes);
}

bool FaultyFileSystem::rename(const std::string& from, const std::string& to) {
  if (failRename.count(from) || !allowed(from) || !allowed(to)) return false;
  if (!real().rename(from, to)) return false;
  renames.emplace_back(from, to);
  return true;
}

bool FaultyFileSystem::deleteFile(const std::string& path) {
  if (failDelete.count(path) || !allowed(path)) return false;
  // Only what a test can look at is kept; a large file is deleted without keeping its bytes.
  std::string contents;
  if (auto info = real().info(path); info && info->size <= (64u << 20)) contents = readFileBytes(path);
  if (!real().deleteFile(path)) return false;
  deleted.push_back({path, std::move(contents)});
  return true;
}

bool FaultyFileSystem::createFolder(const std::string& path) {
  return allowed(path) && real().createFolder(path);
}

bool FaultyFileSystem::removeFolder(const std::string& path) {
  if (failRemoveFolder.count(path) || !allowed(path)) return false;
  return real().removeFolder(path);
}

std::optional<std::vector<platform::DirEntry>> FaultyFileSystem::listFolder(
    const std::string& path) {
  if (failList.count(path)) return std::nullopt;
  return real().listFolder(path);
}

std::optional<std::string> FaultyFileSystem::readFile(const std::string& path,
                                                      std::uint64_t maxBytes) {
  return real().readFile(path, maxBytes);
}

bool FaultyFileSystem::writeFileAtomic(const std::string& path, const std::string& contents) {
  if (failAtomicWrite.count(path) || !allowed(path)) return false;
  return real().writeFileAtomic(path, contents);
}

std::optional<platform::DiskSpace> FaultyFileSystem::diskSpace(const std::string& path) {
  for (const auto& [prefix, space] : diskSpaceOf) {
    if (path.compare(0, prefix.size(), prefix) == 0) return space;
  }
  return real().diskSpace(path);
}

std::optional<platform::FileIdentity> FaultyFileSystem::identity(const std::string& path) {
  return real().identity(path);
}
