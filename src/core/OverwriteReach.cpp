#include "core/OverwriteReach.h"
#include "core/Translated.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

std::string Named(const std::string& fileSystem) {
  return fileSystem.empty() ? std::string(Tr("the file system")) : fileSystem;
}

// The verdict where the extents do not tell.
TReachVerdict ByKind(const platform::FileLayout& layout) {
  if (!WritesElsewhere(layout.fileSystem)) return {};
  // Only btrfs honours the mark that makes a file be written in place.
  if (layout.noCopyOnWrite && layout.fileSystem == "btrfs") return {};
  return {TOverwriteReach::Elsewhere, Substituted(Tr("{} writes elsewhere"), {layout.fileSystem})};
}

bool HasFlag(const platform::FileLayout& layout, std::uint32_t flag) {
  return std::any_of(layout.extents.begin(), layout.extents.end(),
                     [flag](const platform::Extent& extent) { return extent.flags & flag; });
}

// True when every byte the `old` extent held is still at the same place on the device in the
// extents of `now` (in file order).
bool StillInPlace(const platform::Extent& old, const std::vector<platform::Extent>& now) {
  std::uint64_t at = old.logical;
  const std::uint64_t end = old.logical + old.length;
  for (const platform::Extent& extent : now) {
    if (at >= end) break;
    const std::uint64_t extentEnd = extent.logical + extent.length;
    if (extentEnd <= at) continue;
    if (extent.logical > at) return false;  // a hole where the old bytes were
    if (extent.physical - extent.logical != old.physical - old.logical) return false;
    at = extentEnd;
  }
  return at >= end;
}

}  // namespace

bool WritesElsewhere(const std::string& fileSystem) {
  static constexpr std::array<std::string_view, 5> kinds{"btrfs", "bcachefs", "zfs", "nilfs2",
                                                         "f2fs"};
  return std::find(kinds.begin(), kinds.end(), fileSystem) != kinds.end();
}

TReachVerdict JudgeOverwrite(const std::optional<platform::FileLayout>& before,
                             const std::optional<platform::FileLayout>& after) {
  if (!before) return {};
  const platform::FileLayout& old = *before;
  if (!old.mapped) return ByKind(old);
  if (HasFlag(old, platform::ExtentShared)) {
    return {TOverwriteReach::Shared, Tr("a snapshot or another file shares its blocks")};
  }
  if (HasFlag(old, platform::ExtentEncoded)) {
    return {TOverwriteReach::Elsewhere,
            Substituted(Tr("{} stored it compressed"), {Named(old.fileSystem)})};
  }
  if (HasFlag(old, platform::ExtentInline | platform::ExtentNotAligned)) {
    return {TOverwriteReach::Elsewhere,
            Substituted(Tr("{} kept it in its metadata"), {Named(old.fileSystem)})};
  }
  if (HasFlag(old, platform::ExtentUnknownPlace) || !after || !after->mapped ||
      HasFlag(*after, platform::ExtentUnknownPlace)) {
    return ByKind(old);
  }
  for (const platform::Extent& extent : old.extents) {
    if (StillInPlace(extent, after->extents)) continue;
    if (WritesElsewhere(old.fileSystem)) {
      return {TOverwriteReach::Elsewhere, Substituted(Tr("{} writes elsewhere"), {old.fileSystem})};
    }
    return {TOverwriteReach::Elsewhere,
            Substituted(Tr("{} moved it to other blocks"), {Named(old.fileSystem)})};
  }
  return {};
}
