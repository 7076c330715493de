// The geometry XFS reports of a mounted file system (block size, log place and size), in the
// first form of the kernel's request: the journal clearing and the device check both read it.
#pragma once

#include <linux/types.h>
#include <sys/ioctl.h>

namespace platform::posix {

// The first form of the geometry XFS reports, which every kernel that mounts XFS answers; the
// later forms only add fields after these. Declared here as the kernel defines it, so that the
// build needs no XFS development headers.
struct XfsGeometryV1 {
  __u32 blocksize;
  __u32 rtextsize;
  __u32 agblocks;
  __u32 agcount;
  __u32 logblocks;  // size of the log, in file-system blocks
  __u32 sectsize;
  __u32 inodesize;
  __u32 imaxpct;
  __u64 datablocks;
  __u64 rtblocks;
  __u64 rtextents;
  __u64 logstart;  // first block of an internal log; 0 when the log is on another device
  unsigned char uuid[16];
  __u32 sunit;
  __u32 swidth;
  __s32 version;
  __u32 flags;
  __u32 logsectsize;
  __u32 rtsectsize;
  __u32 dirblocksize;
};
static_assert(sizeof(XfsGeometryV1) == 112, "the kernel's layout of xfs_fsop_geom_v1");
constexpr unsigned long kXfsGeometryV1 = _IOR('X', 100, XfsGeometryV1);

// What XFS reports of one of its allocation groups (Linux 5.2 and later), to anybody who may
// open a file of the file system.
struct XfsGroupGeometry {
  __u32 number;  // the group asked about
  __u32 length;
  __u32 freeBlocks;  // blocks of the group's free space, those the file system keeps included
  __u32 inodes;
  __u32 freeInodes;
  __u32 sick;
  __u32 checked;
  __u32 flags;
  __u64 reserved[12];
};
static_assert(sizeof(XfsGroupGeometry) == 128, "the kernel's layout of xfs_ag_geometry");
constexpr unsigned long kXfsGroupGeometry = _IOWR('X', 61, XfsGroupGeometry);

}  // namespace platform::posix
