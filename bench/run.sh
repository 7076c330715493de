#!/usr/bin/env bash
# Benchmark of the wiping engine against the reference tools, on the same files, on the working
# disk and on tmpfs:
#   one large file, one pass of zeros   engine vs dd if=/dev/zero conv=notrunc,fdatasync (the
#                                       device's limit); target: at most 1.10 x
#   one large file, three random passes engine vs shred -n 3; target: at most 1.00 x
#   many 4 KiB files, one random pass   engine vs one shred -n 1 -u over all of them;
#                                       target: at most 1.00 x
# Then, as root, the clearing of deleted files' names from ext4 journals of 4, 32 and 128 MiB,
# both ways, next to the time of deleting the files (bench/journal.sh).
# Every case runs a few rounds, alternating who goes first; the median of each is compared. The
# engine's times are those of its run (the program's start is not counted); the tools' are
# those of their processes, about a millisecond more than their work.
#
# Usage: bench/run.sh [BUILD_DIR]          (make bench)
# Environment: BENCH_LARGE_MIB (256), BENCH_SMALL_FILES (2000), BENCH_ROUNDS (3),
#              BENCH_DISK_DIR (a folder on the disk to measure; default BUILD_DIR/bench-disk),
#              BENCH_JOURNAL_MIB ("4 32 128"), BENCH_JOURNAL_FILES (1000)
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=${1:-build}
LARGE_MIB=${BENCH_LARGE_MIB:-256}
SMALL_FILES=${BENCH_SMALL_FILES:-2000}
ROUNDS=${BENCH_ROUNDS:-3}

cmake --build "$BUILD" --target WipeBench >/dev/null
ENGINE=$(realpath "$BUILD/bench/WipeBench")
DISK_DIR=$(realpath -m "${BENCH_DISK_DIR:-$BUILD/bench-disk}")
TMPFS_DIR=$(realpath -m "$BUILD/bench-tmpfs")
MOUNTED=

cleanup() {
  rm -rf "$DISK_DIR"
  if [ -n "$MOUNTED" ]; then umount "$TMPFS_DIR" 2>/dev/null || true; fi
  rm -rf "$TMPFS_DIR" 2>/dev/null || true
}
trap cleanup EXIT

now() { date +%s.%N; }
# Seconds the command takes; its output is dropped.
timed() {
  local start end
  start=$(now)
  "$@" >/dev/null 2>&1
  end=$(now)
  awk -v s="$start" -v e="$end" 'BEGIN { printf "%.4f\n", e - s }'
}
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

make_large() {
  head -c "${LARGE_MIB}M" /dev/zero >"$1"
  sync "$1"
}
make_small() {
  mkdir -p "$1"
  local i
  for ((i = 0; i < SMALL_FILES; i++)); do printf '%4096s' '' >"$1/f$i"; done
  sync
}

# Times one contender in a fresh copy of the case's files. The engine prints the seconds of its
# whole run and of its overwriting (up to the last file's rename); the tools are timed from
# outside, and for the large file of zeros the deletion that follows dd is timed as well.
run_case() {  # where case who
  local dir=$1/case case=$2 who=$3 write
  rm -rf "$dir"
  mkdir -p "$dir"
  case $case in
    zeros)
      make_large "$dir/large"
      if [ "$who" = engine ]; then
        "$ENGINE" zeros "$dir/large"
      else
        write=$(timed dd if=/dev/zero of="$dir/large" bs=1M count="$LARGE_MIB" conv=notrunc,fdatasync)
        echo "$write $(timed rm "$dir/large")"
      fi ;;
    random3)
      make_large "$dir/large"
      if [ "$who" = engine ]; then "$ENGINE" random3 "$dir/large"; else timed shred -n 3 "$dir/large"; fi ;;
    small)
      make_small "$dir/small"
      if [ "$who" = engine ]; then
        "$ENGINE" random "$dir"/small/*
      else
        timed shred -n 1 -u "$dir"/small/*
      fi ;;
  esac
  rm -rf "$dir"
}

row() {  # name engine-seconds reference-seconds target reference-name
  local ratio verdict
  ratio=$(awk -v e="$2" -v t="$3" 'BEGIN { printf "%.2f", e / t }')
  verdict=$(awk -v r="$ratio" -v g="$4" 'BEGIN { print (r <= g) ? "met" : "MISSED" }')
  printf '  %-44s %8.3fs %8.3fs %6s %7s  %-6s %s\n' "$1" "$2" "$3" "$ratio" "<= $4" "$verdict" "$5"
}

measure() {  # where label
  local where=$1 label=$2 case r first second
  local -a engine_total engine_write ref_first ref_second
  printf '\n%s\n' "$label"
  printf '  %-44s %9s %9s %6s %7s\n' case engine reference ratio target
  for case in zeros random3 small; do
    engine_total=() engine_write=() ref_first=() ref_second=()
    for ((r = 0; r < ROUNDS; r++)); do
      local e t
      if ((r % 2 == 0)); then
        e=$(run_case "$where" $case engine); t=$(run_case "$where" $case reference)
      else
        t=$(run_case "$where" $case reference); e=$(run_case "$where" $case engine)
      fi
      read -r first second <<<"$e"
      engine_total+=("$first") engine_write+=("$second")
      read -r first second <<<"$t"
      ref_first+=("$first") ref_second+=("${second:-0}")
    done
    local total write ref rm
    total=$(printf '%s\n' "${engine_total[@]}" | median)
    write=$(printf '%s\n' "${engine_write[@]}" | median)
    ref=$(printf '%s\n' "${ref_first[@]}" | median)
    rm=$(printf '%s\n' "${ref_second[@]}" | median)
    case $case in
      zeros)
        row "${LARGE_MIB} MiB, 1 pass of zeros: overwriting" "$write" "$ref" 1.10 \
          "dd conv=notrunc,fdatasync"
        row "${LARGE_MIB} MiB, 1 pass of zeros: with deletion" "$total" \
          "$(awk -v a="$ref" -v b="$rm" 'BEGIN { print a + b }')" 1.10 "dd ..., then rm" ;;
      random3)
        row "${LARGE_MIB} MiB, 3 random passes" "$total" "$ref" 1.00 "shred -n 3" ;;
      small)
        row "${SMALL_FILES} files of 4 KiB, 1 random pass" "$total" "$ref" 1.00 \
          "shred -n 1 -u (one run over all)" ;;
    esac
  done
}

mkdir -p "$DISK_DIR"
echo "Ferrovane wipe benchmark: $(nproc) cores, $(free -g | awk '/Mem:/ { print $2 }') GiB memory," \
  "median of $ROUNDS rounds"
measure "$DISK_DIR" "working disk: $(df -T "$DISK_DIR" | awk 'NR == 2 { print $2 " on " $1 }')"

mkdir -p "$TMPFS_DIR"
if mount -t tmpfs -o size=$((LARGE_MIB + 64))m ferrovane-bench "$TMPFS_DIR" 2>/dev/null; then
  MOUNTED=1
  measure "$TMPFS_DIR" "tmpfs"
elif [ -d /dev/shm ] && [ -w /dev/shm ]; then
  SHM=$(mktemp -d /dev/shm/ferrovane-bench.XXXXXX)
  measure "$SHM" "tmpfs (/dev/shm)"
  rm -rf "$SHM"
else
  echo "No tmpfs to measure on (mounting one needs root, and /dev/shm is not writable)."
fi

# The journal images are mounted in a mount namespace of their own, so nothing stays mounted
# when the benchmark is interrupted.
cmake --build "$BUILD" --target JournalBench >/dev/null
if [ "$(id -u)" = 0 ] && unshare -m --propagation private true 2>/dev/null; then
  unshare -m --propagation private bench/journal.sh "$BUILD"
else
  echo "ext4 journal clearing: not measured (mounting loop images needs root)"
fi
