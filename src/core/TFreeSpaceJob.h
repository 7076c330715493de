#pragma once
// One free-space wipe as it goes: the drive it is bound to, where its temporary file lies, and
// how the fill went. The steps of the wipe (TFreeSpacePlace, TFreeSpaceFill) fill it in turn.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "core/ReserveLowering.h"
#include "platform/FileLock.h"
#include "platform/FileSystem.h"

struct TFreeSpaceJob {
  std::string root;
  platform::FileSystem* files = nullptr;
  platform::DiskSpace bound;    // the figures of the file system listed, when the job started
  std::uint64_t rootMount = 0;  // the mount the job writes through
  std::string fileSystem;
  // A file system that writes every change to new blocks: the fill is what overwrites its free
  // space, and passes over the filled file would find no free blocks to go to.
  bool copyOnWrite = false;
  bool moved = false;  // another file system has taken the root's place
  std::string temporary;
  // The small temporary files beside the first, in the order made: the second when the first
  // could not take the last free blocks (or the file system's reserve was lowered for it), and a
  // third when the second was refused its own last ones.
  std::vector<std::string> tails;
  std::uint64_t cluster = 1;
  // How the fill went.
  bool filled = true;
  bool full = false;          // the file system refused more as full
  bool figuresEnded = false;  // the fill stopped where the file system's figures said space ended
  std::error_code error;
  std::optional<platform::DiskSpace> left;  // what was still free once the file held all it could
  // Free bytes the file system kept for itself then, beyond those `left` counts as free.
  std::uint64_t keptBack = 0;
  // The file system's free-space lock, held for the whole job when it could be taken.
  platform::FileLock lock;
  // The clusters the file system keeps back from every writer, while they are lowered for the
  // small files (ext4, as the administrator, under the lock, which the record of the old value
  // belongs to): put back before the passes over the first file, at the latest when the job
  // ends. Declared after the lock, so that it is put back before the lock goes.
  std::unique_ptr<TReserveLowering> reserve;
  std::size_t failuresBefore = 0;  // what the run had named before the fill
  // The fill was forced to the device before its last stretch, and why that failed, if it did:
  // the flush at its end may not hear of it again.
  bool drained = false;
  std::error_code flushError;

  // The figures of the bound file system; null when they cannot be asked for, or when another
  // file system has taken the root's place (`moved`).
  std::optional<platform::DiskSpace> Ask() {
    auto now = files->diskSpace(root);
    if (now && now->id != bound.id) {
      moved = true;
      return std::nullopt;
    }
    return now;
  }
};
