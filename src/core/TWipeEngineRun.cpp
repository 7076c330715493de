// The run of a wipe engine and the wipe of one file.

#include <algorithm>
#include <exception>
#include <limits>
#include <optional>

#include "core/Helpers.h"
#include "core/TPass.h"
#include "core/TPassBuffer.h"
#include "core/TWipeEngine.h"
#include "core/TWipeMethodsManager.h"
#include "core/WipeServices.h"
#include "platform/FileSystem.h"
#include "platform/Folders.h"

namespace {

// Write-back of a pass is started every this many bytes, so that the flush at the end of the
// pass has little left to do and the windows never wait long for it.
constexpr std::uint64_t kWritebackInterval = 8u << 20;

// The name a wiped file gets before it is deleted: 245 letters "a", a full stop and "aaa".
const std::string& LongName() {
  static const std::string name = std::string(245, 'a') + ".aaa";
  return name;
}

std::uint64_t SaturatingProduct(std::uint64_t a, std::uint64_t b) {
  if (a != 0 && b > std::numeric_limits<std::uint64_t>::max() / a) {
    return std::numeric_limits<std::uint64_t>::max();
  }
  return a * b;
}

// The folder part of a path, up to and including its last separator.
std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind(platform::kSeparator);
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The question about executables is asked for paths ending exactly in "exe" or "EXE".
bool LooksExecutable(const std::string& path) {
  if (path.size() < 3) return false;
  const std::string tail = path.substr(path.size() - 3);
  return tail == "exe" || tail == "EXE";
}

// Releases the engine's hold on the file OverwriteFile opened, however it ends.
template <typename T>
class ResetOnExit {
 public:
  ResetOnExit(T*& slot, T* value) : slot_(slot) { slot_ = value; }
  ~ResetOnExit() { slot_ = nullptr; }
  ResetOnExit(const ResetOnExit&) = delete;
  ResetOnExit& operator=(const ResetOnExit&) = delete;

 private:
  T*& slot_;
};

}  // namespace

std::string WipeFailureText(TWipeFailureReason reason) {
  switch (reason) {
    case TWipeFailureReason::NoMethod:
      return "has no wipe method";
    case TWipeFailureReason::CannotOpen:
      return "could not be opened";
    case TWipeFailureReason::PassFailed:
      return "could not be overwritten completely";
    case TWipeFailureReason::CannotDelete:
      return "could not be deleted";
    case TWipeFailureReason::FolderNotRemoved:
      return "could not be removed";
    case TWipeFailureReason::KeptByUser:
      return "was kept as you chose";
    case TWipeFailureReason::FreeSpaceFileNotCreated:
      return "temporary file could not be created";
    case TWipeFailureReason::FreeSpaceFillFailed:
      return "free space could not be filled";
    case TWipeFailureReason::NoFreeSpace:
      return "had no free space";
    case TWipeFailureReason::SharedContent:
      return "has other hard links; its content is shared";
    case TWipeFailureReason::Changed:
      return "was replaced while it was being wiped";
    case TWipeFailureReason::CannotList:
      return "could not be listed";
    case TWipeFailureReason::NotFound:
      return "was not found";
    case TWipeFailureReason::DeletedUnwiped:
      return "was deleted without being overwritten: the method has no passes";
    case TWipeFailureReason::MethodNotReadWhole:
      return "method file could not be read whole";
    case TWipeFailureReason::NoLongerMounted:
      return "is no longer mounted";
    case TWipeFailureReason::ReserveUnreachable:
      return "free space reserved for the administrator was not wiped";
    case TWipeFailureReason::NeedsAdministrator:
      return "needs administrator rights: no folder of its file system may be written";
    case TWipeFailureReason::Interrupted:
      return "was not finished: the run ended on an error";
  }
  return "was not wiped";
}

std::string DescribeFailure(const TWipeFailure& failure) {
  std::string text = WipeFailureText(failure.Reason);
  if (!failure.Detail.empty()) text += ": " + failure.Detail;
  if (failure.Error) text += " (" + failure.Error.message() + ")";
  return text;
}

bool LeavesSomethingBehind(const TWipeFailure& failure) {
  return failure.Reason != TWipeFailureReason::NotFound;
}

void TWipeEngine::Fail(const std::string& path, TWipeFailureReason reason, std::error_code error,
                       std::string detail) {
  Failures.push_back({path, reason, error, std::move(detail)});
}

IWipeProgress& TWipeEngine::progress() {
  return Progress ? *Progress : NoWipeProgress();
}

void TWipeEngine::ProcessMessages() {
  WipeServices().ProcessMessages();
}

void TWipeEngine::Execute() {
  if (running_) return;
  running_ = true;
  Aborted = false;
  Failures.clear();
  std::unique_ptr<IWipeProgress> window;
  try {
    window = WipeServices().OpenProgress(*this);
    Progress = window.get();
    // By index and on a copy of each job: the windows handle events between jobs.
    for (std::size_t i = 0; i < Items.size(); ++i) {
      ProcessMessages();
      if (Aborted || i >= Items.size()) break;
      const TWipeItem item = *Items[i];
      switch (item.Kind) {
        case wkFile:
          WipeFile(item);
          break;
        case wkFolder:
          WipeFolder(item);
          break;
        case wkFreeSpace:
          WipeDriveFreeSpace(item);
          break;
        default:
          break;
      }
    }
  } catch (...) {
    // The run ends here; the window is closed below like after any run.
  }
  Progress = nullptr;
  window.reset();
  running_ = false;
}

bool TWipeEngine::RemoveLink(const std::string& path) {
  if (platform::fs().deleteFile(path)) return true;
  Fail(path, TWipeFailureReason::CannotDelete);
  return false;
}

void TWipeEngine::WipeFile(const TWipeItem& item) {
  const std::string& path = item.Path;
  // Only a full path is ever overwritten or deleted.
  if (!platform::isAbsolutePath(path)) {
    Fail(path, TWipeFailureReason::CannotOpen);
    return;
  }
  if (WarnOnExecutable && LooksExecutable(path) && !WipeServices().ConfirmWipeExecutable(path)) {
    Fail(path, TWipeFailureReason::KeptByUser);
    return;
  }
  const auto info = platform::fs().info(path);
  if (info && info->kind == platform::EntryKind::Link) {
    RemoveLink(path);
    return;
  }
  // Read-only, hidden and system cleared; only asked for when one of them is set.
  const std::uint32_t protective =
      platform::AttrReadOnly | platform::AttrHidden | platform::AttrSystem;
  if (info && (info->attributes & protective)) {
    platform::fs().setAttributes(path, info->attributes & ~protective);
  }
  if (OverwriteFile(item) != 0 || Aborted) return;
  DeleteWipedFile(path);
}

void TWipeEngine::DeleteWipedFile(const std::string& path) {
  platform::FileSystem& files = platform::fs();
  const std::string longPath = AddTrailingBackslash(FolderOf(path)) + LongName();
  if (files.rename(path, longPath)) {
    if (files.deleteFile(longPath)) return;
    // Left behind: under its own name, so that the user finds it.
    if (!files.rename(longPath, path)) {
      Fail(longPath, TWipeFailureReason::CannotDelete);
      return;
    }
  } else if (files.deleteFile(path)) {
    return;
  }
  Fail(path, TWipeFailureReason::CannotDelete);
}

int TWipeEngine::OverwriteFile(const TWipeItem& item) {
  OpenFile opened;
  std::unique_ptr<platform::File> file;
  try {
    TWipeMethod* method = WipeMethodsManager ? WipeMethodsManager->MethodForEngine(*this) : nullptr;
    if (!method) {
      Fail(item.Path, TWipeFailureReason::NoMethod);
      return 1;
    }
    if (!method->ReadWhole) {
      Fail(item.Path, TWipeFailureReason::MethodNotReadWhole);
      return 1;
    }
    // A copy: the method may be edited while the windows handle events during the run.
    std::vector<TPass> passes;
    for (const auto& pass : method->Passes) passes.push_back(*pass);
    opened.clusterSize = GetClusterSize(item.Path);

    file = platform::fs().openExisting(item.Path);
    const auto size = file ? file->size() : std::nullopt;
    if (!size) {
      Fail(item.Path, TWipeFailureReason::CannotOpen);
      return 1;
    }
    opened.file = file.get();
    opened.size = *size;
    ResetOnExit<OpenFile> hold(open_, &opened);

    const bool signature = WipeMethodsManager->WriteSignature;
    const int total = static_cast<int>(passes.size()) + (signature ? 1 : 0);
    IWipeProgress& window = progress();
    window.SetFileRange(SaturatingProduct(static_cast<std::uint64_t>(total), opened.size));
    window.SetPassRange(opened.size);
    window.ShowFile(item.Caption.empty() ? item.Path : item.Caption);
    window.SetFilePosition(0);

    for (std::size_t i = 0; i < passes.size(); ++i) {
      window.SetPassPosition(0);
      window.ShowPass(static_cast<int>(i) + 1, total);
      if (!file->seek(0) || !WritePass(passes[i], std::string())) opened.passFailed = true;
      ProcessMessages();
      if (Aborted) break;
    }
    if (signature && !Aborted) {
      window.SetPassPosition(0);
      window.ShowPass(total, total);
      const TPass zeros;
      if (!file->seek(0) || !WritePass(zeros, WipeMethodsManager->Signature)) {
        opened.passFailed = true;
      }
    }
    if (opened.passFailed && !Aborted) Fail(item.Path, TWipeFailureReason::PassFailed);
    return 0;
  } catch (const std::exception&) {
    Fail(item.Path, opened.file ? TWipeFailureReason::PassFailed : TWipeFailureReason::CannotOpen);
    return 1;
  }
}

bool TWipeEngine::WriteRange(TPassBuffer& buffer, std::uint64_t from, std::uint64_t to,
                             std::uint64_t& sinceWriteback) {
  platform::File& file = *open_->file;
  for (std::uint64_t offset = from; offset < to && !Aborted;) {
    const std::string_view piece = buffer.Bytes(offset, to - offset);
    if (piece.empty() || !file.write(piece.data(), piece.size())) return false;
    offset += piece.size();
    progress().Advance(piece.size());
    sinceWriteback += piece.size();
    if (sinceWriteback >= kWritebackInterval) {
      file.startWriteback();
      sinceWriteback = 0;
    }
    ProcessMessages();
  }
  return true;
}

bool TWipeEngine::WritePass(const TPass& pass, const std::string& text) {
  if (!open_) return false;
  platform::File& file = *open_->file;
  const std::uint64_t size = open_->size;
  const std::uint64_t cluster = open_->clusterSize;
  const std::int64_t bufferSize = WipeMethodsManager ? WipeMethodsManager->BufferSize : 0;
  const bool slack = WipeMethodsManager && WipeMethodsManager->WipeSlackSpace;
  // With slack space, the pass covers the file up to the end of its last cluster, one whole
  // cluster more when it ends on a boundary. A file smaller than a cluster gets its own size.
  const std::uint64_t length = (slack && size >= cluster) ? (size / cluster + 1) * cluster : size;
  const std::uint64_t start = file.position();

  std::optional<TPassBuffer> buffer;
  try {
    buffer.emplace(pass, text, bufferSize);
  } catch (const std::exception&) {
    return length == 0;  // a text pattern without text has nothing to write with
  }
  const std::uint64_t block = buffer->BlockLength();
  if (block == 0) return length == 0;

  // Whole blocks first, growing the file when the last one passes its end; then the rest of
  // the pass, which stops at the file's current end.
  const std::uint64_t wholeBlocks = length / block * block;
  std::uint64_t sinceWriteback = 0;
  bool written = WriteRange(*buffer, 0, wholeBlocks, sinceWriteback);
  const std::uint64_t rest = length - wholeBlocks;
  if (written && !Aborted && rest > 0) {
    const auto end = file.size();
    const std::uint64_t here = file.position();
    const std::uint64_t upTo = (end && *end > here) ? std::min(*end - here, rest) : 0;
    written = WriteRange(*buffer, wholeBlocks, wholeBlocks + upTo, sinceWriteback);
    if (written) progress().Advance(rest - upTo);
  }
  buffer->Finish();
  const bool flushed = file.flush();
  // A write that failed only past the file's old end (growing it into its last cluster on a
  // full disk) still left every byte of the file overwritten.
  return flushed && (written || file.position() >= start + size);
}
