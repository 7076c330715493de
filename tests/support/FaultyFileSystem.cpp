#include "support/FaultyFileSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "platform/PathText.h"
#include "support/TestFolder.h"

namespace {

platform::FileSystem& real() {
  return platform::realFileSystem();
}

constexpr std::uint64_t kMaxKeptBytes = 64u << 20;

// What a file held before it goes, when it is small enough to keep.
std::string contentsOf(const std::optional<platform::FileInfo>& info, const std::string& path) {
  return info && info->size <= kMaxKeptBytes ? readFileBytes(path) : std::string();
}

}  // namespace

class RecordingFile : public platform::File {
 public:
  RecordingFile(FaultyFileSystem& owner, std::unique_ptr<platform::File> file, std::string path)
      : owner_(owner), file_(std::move(file)), path_(std::move(path)) {}

  platform::Status write(const void* data, std::size_t length) override {
    const std::uint64_t offset = file_->position();
    if (const auto limit = owner_.sizeLimitOf.find(path_);
        limit != owner_.sizeLimitOf.end() && offset + length > limit->second) {
      const auto fits =
          static_cast<std::size_t>(limit->second > offset ? limit->second - offset : 0);
      if (fits > 0) {
        if (const platform::Status part = file_->write(data, fits); !part) return part;
      }
      owner_.writes.push_back({path_, offset, fits});
      return owner_.fullDiskError;
    }
    if (owner_.bytesLeft >= 0 && static_cast<std::uint64_t>(owner_.bytesLeft) < length) {
      // A full disk: what fits is written, then the write fails.
      const auto fits = static_cast<std::size_t>(owner_.bytesLeft);
      if (fits > 0) {
        // A part that does not go on either fails as the full disk does.
        if (const platform::Status part = file_->write(data, fits); !part) return part;
      }
      owner_.bytesLeft = 0;
      owner_.writes.push_back({path_, offset, fits});
      return owner_.fullDiskError;
    }
    owner_.noteTouched("write", path_);
    if (!owner_.flushing.empty() && !owner_.flushing.count(path_)) ++owner_.writesBesideFlushes;
    if (owner_.dropWrites.count(path_)) {
      owner_.writes.push_back({path_, offset, length});
      return file_->seek(offset + length);
    }
    const platform::Status written = file_->write(data, length);
    if (!written) return written;
    if (owner_.bytesLeft >= 0) owner_.bytesLeft -= static_cast<std::int64_t>(length);
    owner_.writes.push_back({path_, offset, length});
    return {};
  }
  platform::Status seek(std::uint64_t position) override { return file_->seek(position); }
  platform::Result<std::uint64_t> size() override { return file_->size(); }
  std::uint64_t position() const override { return file_->position(); }
  platform::Result<platform::FileInfo> info() override { return file_->info(); }
  // The cluster size the test gave the file's folder, if it gave one.
  std::uint32_t clusterSize() override {
    const auto space = owner_.diskSpace(path_);
    return space ? space->clusterSize : file_->clusterSize();
  }
  platform::Status flush() override {
    owner_.flushes.push_back(path_);
    const platform::Status flushed = file_->flush();
    return owner_.failFlush.count(path_) ? owner_.flushError : flushed;
  }
  platform::Status startFlush() override {
    owner_.flushes.push_back(path_);
    owner_.startedFlushes.push_back(path_);
    pendingTurns_ = owner_.slowFlushTurns;
    // A slow device reports the lost write when the flush ends; a fast one at once.
    failLater_ = owner_.failFlush.count(path_) && pendingTurns_ > 0;
    if (owner_.failFlush.count(path_) && !failLater_) return owner_.flushError;
    const platform::Status started = failLater_ ? platform::Status() : file_->startFlush();
    if (started) {
      owner_.flushing.insert(path_);
      owner_.mostFlushing = std::max(owner_.mostFlushing, owner_.flushing.size());
    }
    return started;
  }
  std::optional<platform::Status> flushEnded() override {
    if (pendingTurns_ > 0) return std::nullopt;
    if (failLater_) {
      failLater_ = false;
      return ended(platform::Status(owner_.flushError));
    }
    return ended(file_->flushEnded());
  }
  std::optional<platform::Status> waitFlush(std::chrono::milliseconds timeout) override {
    // A slow device: the first waits of every flush end with it still going on.
    if (pendingTurns_ > 0) {
      --pendingTurns_;
      ++owner_.flushWaits;
      return std::nullopt;
    }
    if (failLater_) {
      failLater_ = false;
      return ended(platform::Status(owner_.flushError));
    }
    return ended(file_->waitFlush(timeout));
  }
  ~RecordingFile() override { owner_.flushing.erase(path_); }
  void startWriteback() override { file_->startWriteback(); }
  bool unwrittenBeyond(std::uint64_t behind) override { return file_->unwrittenBeyond(behind); }
  void waitWritten(std::uint64_t most) override { file_->waitWritten(most); }
  platform::Status truncate(std::uint64_t size) override {
    owner_.truncations.emplace_back(path_, size);
    return file_->truncate(size);
  }
  platform::Status startReadBack() override {
    owner_.readBacks.push_back(path_);
    if (owner_.failReadBack.count(path_)) return owner_.readBackError;
    return file_->startReadBack();
  }
  platform::Result<std::string_view> readCached(std::uint64_t offset, std::size_t length) override {
    return file_->readCached(offset, length);
  }
  platform::Result<std::string_view> readBack(std::uint64_t offset,
                                              std::size_t maxLength) override {
    if (owner_.failReadBack.count(path_)) return owner_.readBackError;
    auto bytes = file_->readBack(offset, maxLength);
    const auto changed = owner_.changedOnRead.find(path_);
    if (!bytes || changed == owner_.changedOnRead.end() || changed->second < offset ||
        changed->second - offset >= bytes->size()) {
      return bytes;
    }
    altered_.assign(bytes->data(), bytes->size());
    altered_[static_cast<std::size_t>(changed->second - offset)] ^= '\xFF';
    return std::string_view(altered_);
  }
  platform::Result<platform::FileLayout> layout() override {
    auto scripted = owner_.layoutsOf.find(path_);
    if (scripted == owner_.layoutsOf.end() || scripted->second.empty()) return file_->layout();
    platform::FileLayout next = scripted->second.front();
    scripted->second.erase(scripted->second.begin());
    return next;
  }

 private:
  // The outcome of a wait for the flush; once there is one, the flush has ended.
  std::optional<platform::Status> ended(std::optional<platform::Status> outcome) {
    if (outcome) owner_.flushing.erase(path_);
    return outcome;
  }

  FaultyFileSystem& owner_;
  std::unique_ptr<platform::File> file_;
  std::string path_;
  std::string altered_;
  int pendingTurns_ = 0;
  bool failLater_ = false;  // the flush going on ends with flushError
};

class FaultyFolder : public platform::Folder {
 public:
  FaultyFolder(FaultyFileSystem& owner, std::unique_ptr<platform::Folder> folder)
      : Folder(folder->path()), owner_(owner), folder_(std::move(folder)) {}

  platform::Result<platform::FileInfo> info() override { return folder_->info(); }
  platform::Result<std::vector<platform::DirEntry>> list() override {
    if (owner_.failList.count(path()) || owner_.failList.count(path() + "/")) {
      return owner_.injectedError;
    }
    return folder_->list();
  }
  platform::Result<platform::FileInfo> entry(const std::string& name) override {
    if (const auto hook = owner_.beforeEntry.find(pathOf(name)); hook != owner_.beforeEntry.end()) {
      const std::function<void()> change = std::move(hook->second);
      owner_.beforeEntry.erase(hook);
      change();
    }
    return folder_->entry(name);
  }
  std::optional<std::string> mountedAt(const std::string& name,
                                       const platform::FileInfo& listed) override {
    return folder_->mountedAt(name, listed);
  }
  platform::Result<std::unique_ptr<platform::Folder>> openFolder(
      const std::string& name, const platform::EntryId& expected) override {
    return owner_.wrap(folder_->openFolder(name, expected));
  }
  platform::Result<std::unique_ptr<platform::Folder>> openStartFolder(
      const std::string& name, const platform::EntryId& expected) override {
    return owner_.wrap(folder_->openStartFolder(name, expected));
  }
  platform::Result<std::unique_ptr<platform::Folder>> openBeneath(
      const std::string& relative) override {
    return owner_.wrap(folder_->openBeneath(relative));
  }
  std::string systemFileSystem() override { return folder_->systemFileSystem(); }
  platform::Result<std::unique_ptr<platform::File>> openFile(
      const std::string& name, const platform::EntryId& expected) override {
    if (auto error = owner_.refused(owner_.failOpen, pathOf(name))) return error;
    if (const auto hook = owner_.beforeOpen.find(pathOf(name)); hook != owner_.beforeOpen.end()) {
      hook->second();
    }
    return owner_.wrap(folder_->openFile(name, expected), pathOf(name));
  }
  void adviseRead(const std::string& name, const platform::EntryId& expected,
                  std::uint64_t length) override {
    owner_.advisedReads.emplace_back(pathOf(name), length);
    folder_->adviseRead(name, expected, length);
  }
  platform::Status setAttributes(const std::string& name, std::uint32_t attributes) override {
    if (auto error = owner_.refused(owner_.failSetAttributes, pathOf(name))) return error;
    return folder_->setAttributes(name, attributes);
  }
  platform::Status rename(const std::string& from, const std::string& to) override {
    owner_.noteTouched("rename", pathOf(from));
    if (auto error = owner_.refused(owner_.failRename, pathOf(from))) return error;
    if (auto error = owner_.refused({}, pathOf(to))) return error;
    const platform::Status renamed = folder_->rename(from, to);
    if (renamed) owner_.renames.emplace_back(pathOf(from), pathOf(to));
    return renamed;
  }
  platform::Status removeFile(const std::string& name) override {
    owner_.noteTouched("delete", pathOf(name));
    if (auto error = owner_.refused(owner_.failDelete, pathOf(name))) return error;
    std::string contents = contentsOf(folder_->entry(name), pathOf(name));
    const platform::Status removed = folder_->removeFile(name);
    if (removed) owner_.recordDeleted(pathOf(name), std::move(contents));
    return removed;
  }
  platform::Status removeFolder(const std::string& name) override {
    if (auto error = owner_.refused(owner_.failRemoveFolder, pathOf(name))) return error;
    return folder_->removeFolder(name);
  }
  platform::Status syncFileSystem() override {
    if (owner_.failSync.count(platform::trimSeparators(folder_->path()))) return owner_.flushError;
    for (const auto& [path, limit] : owner_.sizeLimitAfterSync) owner_.sizeLimitOf[path] = limit;
    return folder_->syncFileSystem();
  }
  platform::Status writeJournalHome() override {
    if (owner_.failJournalHome.count(platform::trimSeparators(folder_->path()))) {
      return owner_.injectedError;
    }
    return folder_->writeJournalHome();
  }

 private:
  FaultyFileSystem& owner_;
  std::unique_ptr<platform::Folder> folder_;
};

bool FaultyFileSystem::allowed(const std::string& path) const {
  if (confinedTo.empty()) return true;
  const bool inside = path.size() > confinedTo.size() &&
                      path.compare(0, confinedTo.size(), confinedTo) == 0 &&
                      path.find("/../") == std::string::npos;
  if (!inside) ADD_FAILURE() << "a test tried to change " << path << " outside " << confinedTo;
  return inside;
}

std::error_code FaultyFileSystem::refused(const std::set<std::string>& failing,
                                          const std::string& path) const {
  if (failing.count(path)) return injectedError;
  if (!allowed(path)) return std::make_error_code(std::errc::operation_not_permitted);
  return {};
}

platform::Result<std::unique_ptr<platform::File>> FaultyFileSystem::wrap(
    platform::Result<std::unique_ptr<platform::File>> file, const std::string& path) {
  if (!file) return file;
  return std::make_unique<RecordingFile>(*this, file.release(), path);
}

platform::Result<std::unique_ptr<platform::Folder>> FaultyFileSystem::wrap(
    platform::Result<std::unique_ptr<platform::Folder>> folder) {
  if (!folder) return folder;
  return std::make_unique<FaultyFolder>(*this, folder.release());
}

void FaultyFileSystem::noteTouched(const char* what, const std::string& path) {
  if (flushing.count(path)) touchedWhileFlushing.push_back(std::string(what) + " " + path);
}

void FaultyFileSystem::recordDeleted(const std::string& path, std::string contents) {
  deleted.push_back({path, std::move(contents)});
}

platform::Result<std::unique_ptr<platform::File>> FaultyFileSystem::openExisting(
    const std::string& path) {
  if (auto error = refused(failOpen, path)) return error;
  return wrap(real().openExisting(path), path);
}

platform::Result<std::unique_ptr<platform::File>> FaultyFileSystem::createAlways(
    const std::string& path) {
  if (auto error = refused(failOpen, path)) return error;
  return wrap(real().createAlways(path), path);
}

platform::Result<std::unique_ptr<platform::File>> FaultyFileSystem::createOwnFile(
    const std::string& path) {
  if (auto error = refused(failOpen, path)) return error;
  return wrap(real().createOwnFile(path), path);
}

platform::Result<std::unique_ptr<platform::Folder>> FaultyFileSystem::openFolder(
    const std::string& path) {
  return wrap(real().openFolder(path));
}

platform::Result<std::unique_ptr<platform::Folder>> FaultyFileSystem::openFolderWithoutLinks(
    const std::string& path) {
  return wrap(real().openFolderWithoutLinks(path));
}

platform::Result<platform::FileInfo> FaultyFileSystem::info(const std::string& path) {
  if (failExamine.count(path)) return readError;
  return real().info(path);
}

platform::Status FaultyFileSystem::setAttributes(const std::string& path,
                                                 std::uint32_t attributes) {
  if (auto error = refused(failSetAttributes, path)) return error;
  return real().setAttributes(path, attributes);
}

platform::Status FaultyFileSystem::rename(const std::string& from, const std::string& to) {
  if (auto error = refused(failRename, from)) return error;
  if (auto error = refused({}, to)) return error;
  const platform::Status renamed = real().rename(from, to);
  if (renamed) renames.emplace_back(from, to);
  return renamed;
}

platform::Status FaultyFileSystem::deleteFile(const std::string& path) {
  if (auto error = refused(failDelete, path)) return error;
  std::string contents = contentsOf(real().info(path), path);
  const platform::Status removed = real().deleteFile(path);
  if (removed) recordDeleted(path, std::move(contents));
  return removed;
}

platform::Status FaultyFileSystem::createFolder(const std::string& path) {
  if (auto error = refused({}, path)) return error;
  return real().createFolder(path);
}

platform::Status FaultyFileSystem::removeFolder(const std::string& path) {
  if (auto error = refused(failRemoveFolder, path)) return error;
  return real().removeFolder(path);
}

platform::Result<std::vector<platform::DirEntry>> FaultyFileSystem::listFolder(
    const std::string& path) {
  if (failList.count(path)) return injectedError;
  if (throwOnList.count(path)) throw std::runtime_error("the listing broke off");
  return real().listFolder(path);
}

platform::Result<std::string> FaultyFileSystem::readFile(const std::string& path,
                                                         std::uint64_t maxBytes) {
  if (failRead.count(path)) return readError;
  if (throwOnRead.count(path)) throw std::runtime_error("the read broke off");
  return real().readFile(path, maxBytes);
}

platform::Status FaultyFileSystem::writeFileAtomic(const std::string& path,
                                                   const std::string& contents) {
  if (auto error = refused(failAtomicWrite, path)) return error;
  return real().writeFileAtomic(path, contents);
}

std::uint64_t FaultyFileSystem::keptBack(const std::string& path) {
  ++keptBackAsked;
  for (const auto& [prefix, bytes] : keptBackOf) {
    if (path.compare(0, prefix.size(), prefix) == 0) return bytes;
  }
  return real().keptBack(path);
}

platform::Result<platform::DiskSpace> FaultyFileSystem::diskSpace(const std::string& path) {
  auto startsWith = [&](const std::string& prefix) {
    return path.compare(0, prefix.size(), prefix) == 0;
  };
  if (failDiskSpace.count(path)) return readError;
  auto space = real().diskSpace(path);
  for (const auto& [prefix, figures] : diskSpaceOf) {
    if (!startsWith(prefix)) continue;
    platform::DiskSpace injected = figures;
    if (space) {
      injected.id = space->id;
      injected.writable = space->writable;
      injected.readOnly = space->readOnly;
    }
    injected.free = std::max(injected.free, injected.available);
    space = injected;
    break;
  }
  if (!space) return space;
  space->free += reserveOutOfReach;
  for (const auto& [prefix, device] : deviceOf) {
    if (startsWith(prefix)) space->id.device = device;
  }
  const std::string folder = platform::trimSeparators(path);
  if (notWritable.count(folder) || notWritable.count(folder + "/")) space->writable = false;
  return space;
}

std::optional<platform::FileIdentity> FaultyFileSystem::identity(const std::string& path) {
  return real().identity(path);
}

platform::Status FaultyFileSystem::discardFreeBlocks(const std::string& mountPoint,
                                                     std::uint64_t start, std::uint64_t length) {
  discards.push_back({mountPoint, start, length});
  if (discardError) return *discardError;
  std::string point = mountPoint;
  while (point.size() > 1 && point.back() == '/') point.pop_back();
  const auto slash = point.rfind('/');
  const auto self = real().info(point);
  const auto parent = real().info(slash == 0 ? "/" : point.substr(0, slash));
  const bool mountedByTest = !confinedTo.empty() &&
                             point.compare(0, confinedTo.size(), confinedTo) == 0 && self &&
                             parent && self->id.device != parent->id.device;
  if (!mountedByTest) return std::make_error_code(std::errc::operation_not_supported);
  return real().discardFreeBlocks(mountPoint, start, length);
}
