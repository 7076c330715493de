#pragma once
// Whether the overwrite of a file reached the blocks that held its old content, judged from the
// file's layout before the first pass and after the last one.

#include <optional>
#include <string>

#include "platform/FileLayout.h"

enum class TOverwriteReach {
  InPlace,    // every old block was overwritten (or nothing tells otherwise)
  Elsewhere,  // the new bytes went to other blocks: the old ones are free space now
  Shared,     // the old blocks belong to a snapshot or another file too: they stay as they are
};

struct TReachVerdict {
  TOverwriteReach Reach = TOverwriteReach::InPlace;
  // Why the old blocks were not reached, in the user's words ("btrfs writes elsewhere"); empty
  // when they were.
  std::string Why;
  bool operator==(const TReachVerdict&) const = default;
};

// True for the kinds of file system that write every change to new blocks (btrfs, bcachefs,
// ZFS, NILFS2, F2FS).
bool WritesElsewhere(const std::string& fileSystem);

// The verdict on an overwrite from the file's layout before the first pass and after the last
// (either null when it could not be read). Extents tell first: blocks shared, compressed, kept
// in metadata, or moved between the two looks. Where the extents are not told, the kind of file
// system decides: a copy-on-write one writes elsewhere unless the file is marked to be written
// in place.
TReachVerdict JudgeOverwrite(const std::optional<platform::FileLayout>& before,
                             const std::optional<platform::FileLayout>& after);
