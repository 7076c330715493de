#!/usr/bin/env bash
# Benchmark of clearing deleted files' names from the XFS log, run by bench/run.sh inside a mount
# namespace of its own (unshare -m), as root. For every log size, on a fresh loop image each
# time: FILES files of 4 KiB with distinctive names are made and forced to the device, then
# wiped through the engine with the journal option off (the wipe's own time), then the log is
# cycled with the scratch commits (timed). The image is searched for the names afterwards and
# checked with xfs_repair -n; "left" is the same without the cycle. "written" is what reached
# the loop device during the cycle.
#
# Usage: bench/xfslog.sh BUILD_DIR
# Environment: BENCH_XFSLOG_MIB ("10 64"), BENCH_XFSLOG_FILES (1000)
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=$1
SIZES=${BENCH_XFSLOG_MIB:-10 64}
FILES=${BENCH_XFSLOG_FILES:-1000}
TOOL=$(realpath "$BUILD/bench/JournalBench")
WORK=$(realpath -m "$BUILD/bench-xfslog")
IMAGE=$WORK/xfs.img
POINT=$WORK/mnt
PREFIX=Numbat-ledger-of-
# mkfs.xfs makes logs under 64 MiB only with its test settings.
export TEST_DIR=1 TEST_DEV=1 QA_CHECK_FS=1

cleanup() {
  umount "$POINT" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
mkdir -p "$POINT"

sectors_written() {  # loop device name
  awk '{ print $7 }' "/sys/block/$1/stat"
}

# One image: make, fill, wipe, cycle the log (or not), count the names left. Prints
# "<wipe seconds> <cycle seconds> <written KiB> <names left> <repair> <outcome>".
measure() {  # log-MiB way
  local mib=$1 way=$2 device wipe line cycle="-" written="-" outcome="-" repair
  rm -f "$IMAGE"
  truncate -s $((mib * 4 + 256))M "$IMAGE"
  mkfs.xfs -q -f -l size="${mib}m" "$IMAGE"
  mount -o loop "$IMAGE" "$POINT"
  device=$(basename "$(findmnt -n -o SOURCE "$POINT")")
  mkdir "$POINT/files"
  local i
  for ((i = 0; i < FILES; i++)); do printf '%4096s' '' >"$POINT/files/$PREFIX$i.txt"; done
  sync
  line=$("$TOOL" wipe-off "$POINT/files" || true)
  wipe=$(awk '{ print $1 }' <<<"$line")
  if [ "$way" != left ]; then
    local before after
    before=$(sectors_written "$device")
    line=$("$TOOL" "$way" "$POINT" || true)
    after=$(sectors_written "$device")
    cycle=$(awk '{ print $1 }' <<<"$line")
    outcome=$(cut -d' ' -f3- <<<"$line")
    written=$(((after - before) / 2))
  fi
  umount "$POINT"
  if xfs_repair -n "$IMAGE" >/dev/null 2>&1; then repair=clean; else repair=DAMAGED; fi
  local left
  # Lines end at zero bytes (-z), so grep never holds more than a short run of the image.
  left=$(LC_ALL=C grep -a -o -z "$PREFIX" "$IMAGE" | tr -cd '\0' | wc -c || true)
  echo "$wipe $cycle $written $left $repair $outcome"
}

printf '\nXFS log: names of %s wiped files of 4 KiB (engine, one pass, option off), loop image\n' \
  "$FILES"
printf '  %-8s %-8s %9s %9s %10s %6s %-8s %s\n' log way wipe cycle written names repair outcome
for mib in $SIZES; do
  for way in left rewrite; do
    read -r wipe cycle written left repair outcome <<<"$(measure "$mib" "$way")"
    if [ "$written" != "-" ]; then written="$(awk -v k="$written" 'BEGIN { printf "%.1fM", k / 1024 }')"; fi
    printf '  %-8s %-8s %8ss %8s%s %10s %6s %-8s %s\n' "${mib} MiB" "$([ "$way" = left ] && echo left || echo cycle)" \
      "$wipe" "$cycle" "$([ "$cycle" = - ] || echo s)" "$written" "$left" "$repair" "$outcome"
  done
done
