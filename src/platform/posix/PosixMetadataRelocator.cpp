// Moving the metadata block groups of a btrfs file system: BTRFS_IOC_BALANCE_V2 with the
// metadata filter and no other condition, so every such group is moved. Empty data block
// groups are not given back first: their space, which may hold old file contents, would then
// take the moved metadata, where no fill reaches. The call
// blocks until all are moved, so it runs on a thread of its own while the caller waits on it in
// bounded steps, reading its progress (BTRFS_IOC_BALANCE_PROGRESS) and cancelling it on request
// (BTRFS_IOC_BALANCE_CTL), which the file system honours after the group it is moving.

#include <fcntl.h>
#include <linux/btrfs.h>
#include <linux/magic.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <future>
#include <optional>
#include <system_error>

#include "platform/MetadataRelocation.h"
#include "platform/posix/Descriptor.h"
#include "platform/posix/LinkFreeOpen.h"

namespace platform {
namespace {

// The longest wait on the moving before the caller is asked again (about a frame).
constexpr std::chrono::milliseconds kTurn{16};

std::error_code errorOf(int number) {
  return {number, std::generic_category()};
}

using posix::Descriptor;

// Which block groups a step moves.
enum class Groups {
  Metadata,      // every metadata block group
  MixedMetadata  // every group, where data and metadata share them
};

// Moves the block groups and returns 0 when all were moved, else the system's error number.
int moveBlockGroups(int fd, Groups groups) {
  btrfs_ioctl_balance_args args{};
  switch (groups) {
    case Groups::Metadata:
      args.flags = BTRFS_BALANCE_METADATA;
      break;
    case Groups::MixedMetadata:
      args.flags = BTRFS_BALANCE_METADATA | BTRFS_BALANCE_DATA;
      break;
  }
  return ::ioctl(fd, BTRFS_IOC_BALANCE_V2, &args) == 0 ? 0 : errno;
}

class PosixMetadataRelocator final : public MetadataRelocator {
 public:
  Status relocate(const RelocationRequest& request) override {
    const auto opened = posix::openFolderWithoutLinks(request.mountPoint);
    if (!opened) return opened.error();
    const Descriptor top(*opened);
    // The descriptor itself must be the file system and mount the caller chose.
    struct stat st {};
    if (::fstat(top.get(), &st) != 0) return errorOf(errno);
    if (request.device != 0 && static_cast<std::uint64_t>(st.st_dev) != request.device) {
      return FileError::Changed;
    }
    if (request.mount != 0 && posix::mountOf(top.get()) != request.mount) {
      return FileError::Changed;
    }
    struct statfs kind {};
    if (::fstatfs(top.get(), &kind) != 0) return errorOf(errno);
    if (static_cast<unsigned long>(kind.f_type) != BTRFS_SUPER_MAGIC) {
      return std::make_error_code(std::errc::not_supported);
    }
    int error = run(top.get(), Groups::Metadata, request);
    // Where data and metadata share block groups (small file systems made "mixed"), the file
    // system moves them only together.
    if (error == EINVAL) error = run(top.get(), Groups::MixedMetadata, request);
    if (error == 0) return {};
    if (error == EPERM || error == EACCES) {
      return std::make_error_code(std::errc::operation_not_permitted);
    }
    if (error == EINPROGRESS) return std::make_error_code(std::errc::operation_in_progress);
    if (error == ENOTTY) return std::make_error_code(std::errc::not_supported);
    return errorOf(error);
  }

 private:
  // Moves the block groups on a thread of its own, waiting on its end in bounded steps.
  static int run(int fd, Groups groups, const RelocationRequest& request) {
    std::future<int> moving;
    try {
      moving = std::async(std::launch::async, moveBlockGroups, fd, groups);
    } catch (const std::system_error& error) {
      return error.code().value() ? error.code().value() : EAGAIN;
    }
    std::optional<std::future<int>> cancelling;
    while (moving.wait_for(kTurn) != std::future_status::ready) {
      if (request.progress) {
        btrfs_ioctl_balance_args now{};
        if (::ioctl(fd, BTRFS_IOC_BALANCE_PROGRESS, &now) == 0) {
          request.progress(now.stat.completed, now.stat.expected);
        }
      }
      // Asked once the file system has had the request; then only waited for. The cancel
      // itself waits for the group being moved, so it goes on a thread too.
      if (!cancelling && request.stop && request.stop()) {
        try {
          cancelling = std::async(std::launch::async, [fd] {
            return ::ioctl(fd, BTRFS_IOC_BALANCE_CTL, BTRFS_BALANCE_CTL_CANCEL) == 0 ? 0 : errno;
          });
        } catch (const std::system_error&) {
          // Not cancelled: the moving goes on to its end, and is waited for.
        }
      }
    }
    const int result = moving.get();
    if (!cancelling) return result;
    cancelling->wait();
    // A move that reached its end while the stop was on its way still ends as stopped: the
    // caller asked to stop, and the same request gives the same answer however fast the disk.
    return result == 0 ? ECANCELED : result;
  }
};

MetadataRelocator*& installed() {
  static MetadataRelocator* relocator = nullptr;
  return relocator;
}

}  // namespace

MetadataRelocator& realMetadataRelocator() {
  static PosixMetadataRelocator instance;
  return instance;
}

MetadataRelocator& metadataRelocator() {
  MetadataRelocator* relocator = installed();
  return relocator ? *relocator : realMetadataRelocator();
}

MetadataRelocator* setMetadataRelocator(MetadataRelocator* relocator) {
  MetadataRelocator* previous = installed();
  installed() = relocator;
  return previous;
}

Status relocateMetadata(const RelocationRequest& request) {
  return metadataRelocator().relocate(request);
}

}  // namespace platform
