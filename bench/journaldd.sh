#!/usr/bin/env bash
# Benchmark of clearing a large journal against dd, run by bench/run.sh inside a mount namespace of
# its own (unshare -m), as root. Default sizes on real disks are large (ext4 gives a 1 GiB journal
# to file systems over 128 GiB; XFS logs reach 1-2 GiB), so this clears a journal of MIB on a fresh
# ext4 loop image (-J size=MIB, the rewrite with scratch commits, as an ordinary user's run does)
# and a log of MIB on a fresh XFS loop image (the cycle with scratch commits), each after FILES
# files of 4 KiB were made and deleted. The image is written whole once and each file system made
# on it without discarding, as on a disk. The yardstick is dd writing as many bytes as the clearing
# put through the journal into a file of a second fresh image of the same kind, with the same way
# of reaching the device (the clearing forces each round of commits with fsync: dd conv=fsync;
# dd oflag=direct for information), three times, the median counted. It is not timed on the
# cleared image: right after a clearing dd took about twice as long as on a fresh image, which
# flattered the clearing; that figure is shown for information. Target: the clearing at most
# 1.5 x dd conv=fsync. Each clearing's image is checked (e2fsck -fn, xfs_repair -n) and searched
# for the names afterwards.
#
# Usage: bench/journaldd.sh BUILD_DIR
# Environment: BENCH_JOURNALDD_MIB (1024), BENCH_JOURNALDD_FILES (1000), BENCH_JOURNALDD_ROUNDS (2),
#              BENCH_JOURNALDD_FS ("ext4 xfs")
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=$1
MIB=${BENCH_JOURNALDD_MIB:-1024}
FILES=${BENCH_JOURNALDD_FILES:-1000}
ROUNDS=${BENCH_JOURNALDD_ROUNDS:-2}
KINDS=${BENCH_JOURNALDD_FS:-ext4 xfs}
TOOL=$(realpath "$BUILD/bench/JournalBench")
WORK=$(realpath -m "$BUILD/bench-journaldd")
IMAGE=$WORK/fs.img
POINT=$WORK/mnt
PREFIX=Wombat-ledger-of-
# mkfs.xfs makes small logs only with its test settings; large ones need none, but they do no harm.
export TEST_DIR=1 TEST_DEV=1 QA_CHECK_FS=1

cleanup() {
  umount "$POINT" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
mkdir -p "$POINT"

now() { date +%s.%N; }
seconds() { awk -v s="$1" -v e="$2" 'BEGIN { printf "%.3f", e - s }'; }

# The image is written whole once per kind and the file systems are made on it without discarding:
# a loop image with holes makes the host file system allocate under every first write (slower for
# dd, whose data lands in fresh places, than for a journal made by mkfs), which a real disk never
# does.
whole_image() {  # kind
  umount "$POINT" 2>/dev/null || true
  rm -f "$IMAGE"
  local mib=$((MIB * 4 + 1536))
  [ "$1" = ext4 ] && mib=$((MIB * 8 + 512))
  dd if=/dev/zero of="$IMAGE" bs=1M count="$mib" conv=fsync status=none
}

fresh() {  # kind [files]; files: make and delete the files (the default), or "empty"
  umount "$POINT" 2>/dev/null || true
  if [ "$1" = ext4 ]; then
    # Inode tables and journal written now: a new file system would otherwise have its inode
    # tables written by the kernel in the background for a while after it is mounted.
    mkfs.ext4 -q -F -b 4096 -J size="$MIB" -E lazy_itable_init=0,lazy_journal_init=0,nodiscard \
      "$IMAGE"
  else
    mkfs.xfs -q -f -K -l size="${MIB}m" "$IMAGE"
  fi
  mount -o loop "$IMAGE" "$POINT"
  [ "${2:-files}" = empty ] && return
  mkdir "$POINT/files"
  local i
  for ((i = 0; i < FILES; i++)); do printf '%4096s' '' >"$POINT/files/$PREFIX$i.txt"; done
  sync
  rm -f "$POINT"/files/*
  sync
}

clear_journal() {  # kind; prints "<seconds> <bytes> <outcome>"
  local folder=$POINT/files
  [ "$1" = xfs ] && folder=$POINT
  "$TOOL" rewrite "$folder" || true
}

dd_write() {  # bytes flags...; prints seconds
  local bytes=$1 start end
  shift
  start=$(now)
  dd if=/dev/zero of="$POINT/dd.bin" bs=1M count=$(((bytes + 1048575) / 1048576)) "$@" \
    status=none
  end=$(now)
  rm -f "$POINT/dd.bin"
  sync
  seconds "$start" "$end"
}

median3() {  # three numbers; prints the middle one
  printf '%s\n' "$@" | sort -g | sed -n 2p
}

# Unmounts, checks the file system and counts the names left; prints "<names> <check>".
names_left() {  # kind
  local left check=clean
  umount "$POINT"
  if [ "$1" = ext4 ]; then
    e2fsck -fn "$IMAGE" >/dev/null 2>&1 || check=DAMAGED
  else
    xfs_repair -n "$IMAGE" >/dev/null 2>&1 || check=DAMAGED
  fi
  # Lines end at zero bytes (-z), so grep never holds more than a short run of the image.
  left=$(LC_ALL=C grep -a -o -z "$PREFIX" "$IMAGE" | tr -cd '\0' | wc -c || true)
  echo "$left $check"
}

printf '\nClearing a journal of %s MiB against dd writing as many bytes on a fresh file system (median of 3)\n' \
  "$MIB"
printf '  %-5s %5s %9s %11s %9s %7s %9s %7s %9s %6s %-7s %s\n' fs round clear bytes "dd fsync" ratio \
  "dd direct" ratio "dd after" names check outcome
for kind in $KINDS; do
  whole_image "$kind"
  for ((r = 0; r < ROUNDS; r++)); do
    fresh "$kind"
    line=$(clear_journal "$kind")
    clear=$(awk '{ print $1 }' <<<"$line")
    written=$(awk '{ print $2 }' <<<"$line")
    outcome=$(cut -d' ' -f3- <<<"$line")
    after=$(dd_write "$written" conv=fsync)
    read -r left check <<<"$(names_left "$kind")"
    fresh "$kind" empty
    fsync=$(median3 "$(dd_write "$written" conv=fsync)" "$(dd_write "$written" conv=fsync)" \
      "$(dd_write "$written" conv=fsync)")
    direct=$(median3 "$(dd_write "$written" oflag=direct conv=fsync)" \
      "$(dd_write "$written" oflag=direct conv=fsync)" "$(dd_write "$written" oflag=direct conv=fsync)")
    ratio=$(awk -v c="$clear" -v d="$fsync" 'BEGIN { printf "%.2f", c / d }')
    ratio_direct=$(awk -v c="$clear" -v d="$direct" 'BEGIN { printf "%.2f", c / d }')
    printf '  %-5s %5s %8ss %11s %8ss %6sx %8ss %6sx %8ss %6s %-7s %s\n' "$kind" "$r" "$clear" \
      "$written" "$fsync" "$ratio" "$direct" "$ratio_direct" "$after" "$left" "$check" "$outcome"
  done
done
