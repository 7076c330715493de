#!/usr/bin/env bash
# Benchmark of the device check, run by bench/run.sh inside a mount namespace of its own
# (unshare -m), as root. On a fresh loop image of each file system, the same files are wiped
# twice through the engine (one pass, the journal cleared): once plainly, once with the device
# check, BENCH_CHECK_ROUNDS times each, alternating, and the medians taken: small files (2,000
# of 4 KiB) and one large file (1 GiB). Two shares are shown. "cost" is the time the record
# took inside the checking run (before each file's first pass) and the read-back after it, as a
# share of the rest of that run. "added" is what the checking run and its read-back took beyond
# the plain run, as a share of the plain run: the record's reads wait for the device while the
# flushes of the files before are on their way, which the plain run waits for too, so that the
# time the record took is not all added to the run.
#
# Usage: bench/devicecheck.sh BUILD_DIR
# Environment: BENCH_CHECK_FILES (2000), BENCH_CHECK_LARGE_MIB (1024),
#              BENCH_CHECK_FS ("ext4 xfs"), BENCH_CHECK_SHAPES ("small large"),
#              BENCH_CHECK_ROUNDS (3)
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=$1
FILES=${BENCH_CHECK_FILES:-2000}
LARGE=${BENCH_CHECK_LARGE_MIB:-1024}
KINDS=${BENCH_CHECK_FS:-ext4 xfs}
SHAPES=${BENCH_CHECK_SHAPES:-small large}
ROUNDS=${BENCH_CHECK_ROUNDS:-3}
TOOL=$(realpath "$BUILD/bench/DeviceCheckBench")
WORK=$(realpath -m "$BUILD/bench-devicecheck")
IMAGE=$WORK/fs.img
POINT=$WORK/mnt

cleanup() {
  umount "$POINT" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
mkdir -p "$POINT"

# A fresh file system of the kind with the files of the shape in $POINT/files.
prepare() {  # kind shape
  umount "$POINT" 2>/dev/null || true
  rm -f "$IMAGE"
  truncate -s $((LARGE + 768))M "$IMAGE"
  case $1 in
    ext4) mkfs.ext4 -q -F -b 4096 "$IMAGE" ;;
    xfs) mkfs.xfs -q -f "$IMAGE" ;;
  esac
  mount -o loop "$IMAGE" "$POINT"
  mkdir "$POINT/files"
  if [ "$2" = small ]; then
    head -c $((FILES * 4096)) /dev/urandom |
      split -b 4096 -d -a 6 --additional-suffix=.txt - "$POINT/files/Wallaby-ledger-"
  else
    head -c $((LARGE << 20)) /dev/urandom >"$POINT/files/Wallaby-archive.iso"
  fi
  sync
  echo 3 >/proc/sys/vm/drop_caches
}

median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

printf '%-6s %-6s %9s %9s %9s %9s %7s %7s %12s %s\n' fs files plain wipe record check cost added \
  read verdicts
for kind in $KINDS; do
  for shape in $SHAPES; do
    plains=() wipes=() records=() checks=()
    for ((round = 0; round < ROUNDS; round++)); do
      prepare "$kind" "$shape"
      read -r plain _ <<<"$("$TOOL" plain "$POINT/files")"
      prepare "$kind" "$shape"
      read -r wiped recorded checked bytes verified found unverified held \
        <<<"$("$TOOL" check "$POINT/files")"
      plains+=("$plain") wipes+=("$wiped") records+=("$recorded") checks+=("$checked")
    done
    plain=$(printf '%s\n' "${plains[@]}" | median)
    wiped=$(printf '%s\n' "${wipes[@]}" | median)
    recorded=$(printf '%s\n' "${records[@]}" | median)
    checked=$(printf '%s\n' "${checks[@]}" | median)
    cost=$(awk -v w="$wiped" -v r="$recorded" -v c="$checked" \
      'BEGIN { printf "%.1f%%", 100 * (r + c) / (w - r) }')
    added=$(awk -v p="$plain" -v w="$wiped" -v c="$checked" \
      'BEGIN { printf "%.1f%%", 100 * (w + c - p) / p }')
    printf '%-6s %-6s %9.3f %9.3f %9.3f %9.3f %7s %7s %12s %s/%s/%s (record %s bytes)\n' \
      "$kind" "$shape" "$plain" "$wiped" "$recorded" "$checked" "$cost" "$added" "$bytes" \
      "$verified" "$found" "$unverified" "$held"
  done
done
