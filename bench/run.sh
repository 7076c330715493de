#!/usr/bin/env bash
# Benchmark of the wiping engine against references, on the same files, on the working disk and
# on tmpfs. The bench runs no other wiping program; its references are plain loops written for it
# (bench/ReferenceWipe.cpp), one file at a time, with no checks, threads or progress:
#   ReferenceWipe bare      each pass written and forced to the device (fdatasync), one rename,
#                           the unlink: the least any tool that overwrites and then deletes does
#   ReferenceWipe cautious  the same passes, then the file truncated and forced to the device,
#                           11 renames to ever shorter names each followed by an fdatasync of the
#                           folder, the unlink: with one pass 13 fdatasync, 11 renameat2,
#                           1 ftruncate and 1 unlink per file, the calls a careful one-pass tool
#                           is published to make
# The cases:
#   one large file, one pass of zeros   engine vs dd if=/dev/zero conv=notrunc,fdatasync (the
#                                       device's limit); target: at most 1.10 x
#   one large file, three random passes engine vs ReferenceWipe bare 3; target: at most 1.00 x
#   many 4 KiB files, one random pass   engine vs ReferenceWipe cautious 1 over all of them;
#                                       target: at most 1.00 x (at least as fast as a tool making
#                                       those calls); and, for information, vs ReferenceWipe bare 1
# Then the command line: the whole ferrovane-cli process, its start-up included, on the same
# files, next to the engine's own time and dd; target: at most 1.10 x the engine.
# Then, as root, the clearing of deleted files' names from ext4 journals of 4, 32 and 128 MiB,
# both ways, next to the time of deleting the files (bench/journal.sh); and the cycle of the XFS
# log for logs of 10 and 64 MiB next to the wipe's own time (bench/xfslog.sh); a 1 GiB ext4
# journal and a 1 GiB XFS log cleared against dd writing as many bytes on a fresh file system,
# target at most 1.5 x
# (bench/journaldd.sh). And the device
# check (the record before the passes and the read-back after) as a share of the wipe, on ext4
# and XFS: 2,000 files of 4 KiB, target under 25 %; one 1 GiB file, under 10 %
# (bench/devicecheck.sh).
# Then how long the windows wait for the engine, with a probe at every look at their events:
#   one 1 GiB file, 3 random passes     gaps between looks: 99th percentile under 100 ms,
#                                       longest under 250 ms
#   one 1 GiB file, 1 random pass read  time against the same pass unverified: at most 2.20 x
#   back (verified)
#   the free space of a 2 GiB ext4      the same gap targets during the fill and the whole run;
#   loop image (as root)                the fill's rate against dd if=/dev/zero bs=1M
#                                       conv=fdatasync: at least 0.95 x (bench/freespace.sh)
# Then the system calls per small file of the engine and of both references (strace), next to the
# published count of a careful one-pass tool; and how the cost per file grows with the number of
# files (engine vs ReferenceWipe cautious 1, on the working disk and on tmpfs).
# Every case runs a few rounds, alternating who goes first; the median of each is compared. The
# engine's and the references' times are those of their runs (a program's start is not counted);
# dd's and rm's are those of their processes, about a millisecond more than their work.
#
# Before those, the INI files (bench/IniBench.cpp), each figure against its target:
#   a settings file of 64 MiB read      under 0.5 s of processor time (the time on the clock is
#                                       shown too: on a busy machine it includes waiting)
#   a settings lookup, file unchanged   under 50 microseconds (a wipe run does one per file)
#   peak memory of that read            under 3 times the file's size
#   saving a method of 1000 passes, a method file of 4 MiB, the settings into the 64 MiB file:
#                                       times that grow with the size (linear), under 0.1 s,
#                                       0.5 s and 5 s
#
# Usage: bench/run.sh [BUILD_DIR]          (make bench)
# Environment: BENCH_LARGE_MIB (256), BENCH_SMALL_FILES (2000), BENCH_ROUNDS (3),
#              BENCH_DISK_DIR (a folder on the disk to measure; default BUILD_DIR/bench-disk),
#              BENCH_INI_MIB (64), BENCH_PARTS ("ini wipe cli journal": which parts to run),
#              BENCH_CASES ("zeros random3 small": the cases of part "wipe")
#              BENCH_JOURNAL_MIB ("4 32 128"), BENCH_JOURNAL_FILES (1000)
#              BENCH_XFSLOG_MIB ("10 64"), BENCH_XFSLOG_FILES (1000); part "xfslog"
#              BENCH_JOURNALDD_MIB (1024), BENCH_JOURNALDD_ROUNDS (2), BENCH_JOURNALDD_FS
#              ("ext4 xfs"); part "journaldd"
#              BENCH_STALL_MIB (1024), BENCH_FILL_MIB (2048); part "stalls"
#              BENCH_CALL_FILES (200): part "calls", the system calls per small file of the
#              engine and the references; BENCH_SCALE_FILES ("20000 200000"): part "scale", the
#              cost per file as the number of files grows
set -euo pipefail
# As root the whole benchmark runs in a mount namespace of its own, so the tmpfs it mounts
# vanishes with it, even when it is killed.
if [ "$(id -u)" = 0 ] && [ -z "${FERROVANE_BENCH_NAMESPACE:-}" ] &&
  unshare -m --propagation private true 2>/dev/null; then
  FERROVANE_BENCH_NAMESPACE=1 exec unshare -m --propagation private "$(realpath "$0")" "$@"
fi
cd "$(dirname "$0")/.."

BUILD=${1:-build}
LARGE_MIB=${BENCH_LARGE_MIB:-256}
SMALL_FILES=${BENCH_SMALL_FILES:-2000}
ROUNDS=${BENCH_ROUNDS:-3}

INI_MIB=${BENCH_INI_MIB:-64}
PARTS=${BENCH_PARTS:-ini wipe calls scale cli journal xfslog journaldd stalls devicecheck}
STALL_MIB=${BENCH_STALL_MIB:-1024}

cmake --build "$BUILD" --target WipeBench ReferenceWipe IniBench ferrovane-cli >/dev/null
ENGINE=$(realpath "$BUILD/bench/WipeBench")
REFERENCE=$(realpath "$BUILD/bench/ReferenceWipe")
INIBENCH=$(realpath "$BUILD/bench/IniBench")
DISK_DIR=$(realpath -m "${BENCH_DISK_DIR:-$BUILD/bench-disk}")
TMPFS_DIR=$(realpath -m "$BUILD/bench-tmpfs")
MOUNTED=
SCALE_TMPFS_DIR=$(realpath -m "$BUILD/bench-tmpfs-scale")
SCALE_MOUNTED=

# The command line runs as a portable copy with a program folder of its own: the methods of the
# engine's cases and the settings the program ships.
CLI_DIR=$(realpath -m "$BUILD/bench-cli")
CLI=$CLI_DIR/ferrovane-cli

cleanup() {
  rm -rf "$DISK_DIR" "$CLI_DIR"
  if [ -n "$MOUNTED" ]; then umount "$TMPFS_DIR" 2>/dev/null || true; fi
  if [ -n "$SCALE_MOUNTED" ]; then umount "$SCALE_TMPFS_DIR" 2>/dev/null || true; fi
  rm -rf "$TMPFS_DIR" "$SCALE_TMPFS_DIR" 2>/dev/null || true
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
# whole run and of its overwriting (up to the last file's rename), a reference loop the seconds
# of its whole run; dd is timed from outside, and the deletion that follows it as well.
# Contenders: engine, cli, reference (dd for zeros, ReferenceWipe bare 3 for random3,
# ReferenceWipe cautious 1 for small) and bare (ReferenceWipe bare 1, small only).
run_case() {  # where case who
  local dir=$1/case case=$2 who=$3 write
  rm -rf "$dir"
  mkdir -p "$dir"
  case $case in
    zeros)
      make_large "$dir/large"
      if [ "$who" = engine ]; then
        "$ENGINE" zeros "$dir/large"
      elif [ "$who" = cli ]; then
        timed "$CLI" wipe -q -m zeros "$dir/large"
      else
        write=$(timed dd if=/dev/zero of="$dir/large" bs=1M count="$LARGE_MIB" conv=notrunc,fdatasync)
        echo "$write $(timed rm "$dir/large")"
      fi ;;
    random3)
      make_large "$dir/large"
      if [ "$who" = engine ]; then
        "$ENGINE" random3 "$dir/large"
      elif [ "$who" = cli ]; then
        timed "$CLI" wipe -q -m random3 "$dir/large"
      else
        "$REFERENCE" bare 3 "$dir/large"
      fi ;;
    small)
      make_small "$dir/small"
      if [ "$who" = engine ]; then
        "$ENGINE" random "$dir"/small/*
      elif [ "$who" = cli ]; then
        timed "$CLI" wipe -q -m random "$dir"/small/*
      elif [ "$who" = bare ]; then
        "$REFERENCE" bare 1 "$dir"/small/*
      else
        "$REFERENCE" cautious 1 "$dir"/small/*
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

# A ratio given for information, without a target.
info_row() {  # name engine-seconds reference-seconds reference-name
  printf '  %-44s %8.3fs %8.3fs %6s %7s  %-6s %s\n' "$1" "$2" "$3" \
    "$(awk -v e="$2" -v t="$3" 'BEGIN { printf "%.2f", e / t }')" "-" "" "$4"
}

measure() {  # where label
  local where=$1 label=$2 case r first second
  local -a engine_total engine_write ref_first ref_second ref_bare
  printf '\n%s\n' "$label"
  printf '  %-44s %9s %9s %6s %7s\n' case engine reference ratio target
  for case in ${BENCH_CASES:-zeros random3 small}; do
    engine_total=() engine_write=() ref_first=() ref_second=() ref_bare=()
    for ((r = 0; r < ROUNDS; r++)); do
      local e t b
      if ((r % 2 == 0)); then
        e=$(run_case "$where" "$case" engine); t=$(run_case "$where" "$case" reference)
        if [ "$case" = small ]; then b=$(run_case "$where" "$case" bare); fi
      else
        if [ "$case" = small ]; then b=$(run_case "$where" "$case" bare); fi
        t=$(run_case "$where" "$case" reference); e=$(run_case "$where" "$case" engine)
      fi
      if [ "$case" = small ]; then ref_bare+=("$b"); fi
      read -r first second <<<"$e"
      engine_total+=("$first") engine_write+=("$second")
      read -r first second <<<"$t"
      ref_first+=("$first") ref_second+=("${second:-0}")
    done
    local total write ref rm bare
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
        row "${LARGE_MIB} MiB, 3 random passes" "$total" "$ref" 1.00 "ReferenceWipe bare 3" ;;
      small)
        bare=$(printf '%s\n' "${ref_bare[@]}" | median)
        row "${SMALL_FILES} files of 4 KiB, 1 random pass" "$total" "$ref" 1.00 \
          "ReferenceWipe cautious 1 (one run over all)"
        info_row "  the same against the floor (no target)" "$total" "$bare" \
          "ReferenceWipe bare 1 (one run over all)" ;;
    esac
  done
}

# The median of field N of the lines on standard input.
median_of() { awk -v n="$1" '{ print $n }' | median; }

verdict() {  # value target: met when below the target
  awk -v v="$1" -v t="$2" 'BEGIN { print (v < t) ? "met" : "MISSED" }'
}

ini_row() {  # name value unit target
  printf '  %-50s %10s %-3s %10s  %s\n' "$1" "$2" "$3" "< $4" "$(verdict "$2" "$4")"
}

measure_ini() {
  local r reads=() saves=()
  printf '\nINI files, median of %s rounds\n' "$ROUNDS"
  printf '  %-50s %14s %12s\n' case measured target
  for ((r = 0; r < ROUNDS; r++)); do
    reads+=("$("$INIBENCH" read "$INI_MIB")")
    saves+=("$("$INIBENCH" save)")
  done
  local wall cpu lookup peak size
  wall=$(printf '%s\n' "${reads[@]}" | median_of 1)
  cpu=$(printf '%s\n' "${reads[@]}" | median_of 2)
  lookup=$(printf '%s\n' "${reads[@]}" | median_of 3)
  peak=$(printf '%s\n' "${reads[@]}" | median_of 4)
  size=$(printf '%s\n' "${reads[@]}" | median_of 5)
  ini_row "${INI_MIB} MiB settings file read (processor time)" "$cpu" s 0.5
  printf '  %-50s %10s %-3s\n' "  the same on the clock (includes waiting)" "$wall" s
  ini_row "settings lookup, file unchanged" "$lookup" us 50
  ini_row "peak memory of the read, times the file's size" \
    "$(awk -v p="$peak" -v s="$size" 'BEGIN { printf "%.2f", p / s }')" x 3
  ini_row "saving a method of 1000 passes" "$(printf '%s\n' "${saves[@]}" | median_of 1)" s 0.1
  ini_row "saving a 4 MiB method file with 3 passes" "$(printf '%s\n' "${saves[@]}" | median_of 2)" s 0.5
  ini_row "saving the settings into a 64 MiB settings file" \
    "$(printf '%s\n' "${saves[@]}" | median_of 3)" s 5
}

measure_wipe() {
  mkdir -p "$DISK_DIR"
  echo
  echo "Wiping, median of $ROUNDS rounds"
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
}

# A method file of `passes` passes of zeros (kind 0) or random bytes (kind 2).
write_method() {  # file name passes kind
  local i
  {
    printf '[Method]\nName=%s\nDescription=\nPasses=%s\n' "$2" "$3"
    for ((i = 1; i <= $3; i++)); do
      printf '\n[Pass%s]\nName=pass%s\nCheckWipe=0\nWipeWith=%s\nBytePatternValue=0\n' "$i" "$i" "$4"
      printf 'TextPatternValue=\nRandomBytesValue1=0\nRandomBytesValue2=255\n'
      printf 'RandomCharacterValue1=0\nRandomCharacterValue2=0\n'
    done
  } >"$1"
}

prepare_cli() {
  rm -rf "$CLI_DIR"
  mkdir -p "$CLI_DIR/Methods"
  cp "$BUILD/bin/ferrovane-cli" "$CLI"
  cp methods/Ferrovane.ini "$CLI_DIR/"
  write_method "$CLI_DIR/Methods/zeros.mtd" zeros 1 0
  write_method "$CLI_DIR/Methods/random.mtd" random 1 2
  write_method "$CLI_DIR/Methods/random3.mtd" random3 3 2
}

# The engine's time, the whole command line's, and dd's for the large file of zeros.
measure_cli_on() {  # where label
  local where=$1 label=$2 case r first
  printf '\n%s\n' "$label"
  printf '  %-40s %9s %9s %6s %7s  %-6s %s\n' case engine cli ratio target "" "dd (zeros)"
  for case in zeros random3 small; do
    local -a engine=() cli=() dd=()
    for ((r = 0; r < ROUNDS; r++)); do
      local e c d
      if ((r % 2 == 0)); then
        e=$(run_case "$where" $case engine); c=$(run_case "$where" $case cli)
      else
        c=$(run_case "$where" $case cli); e=$(run_case "$where" $case engine)
      fi
      read -r first _ <<<"$e"
      engine+=("$first") cli+=("$c")
      if [ $case = zeros ]; then
        d=$(run_case "$where" zeros reference)
        dd+=("$(awk '{ print $1 + $2 }' <<<"$d")")
      fi
    done
    local e c ratio reference=""
    e=$(printf '%s\n' "${engine[@]}" | median)
    c=$(printf '%s\n' "${cli[@]}" | median)
    ratio=$(awk -v e="$e" -v c="$c" 'BEGIN { printf "%.2f", c / e }')
    [ $case = zeros ] && reference=$(printf '%.3fs' "$(printf '%s\n' "${dd[@]}" | median)")
    local name
    case $case in
      zeros) name="${LARGE_MIB} MiB, 1 pass of zeros, with deletion" ;;
      random3) name="${LARGE_MIB} MiB, 3 random passes" ;;
      small) name="${SMALL_FILES} files of 4 KiB, 1 random pass" ;;
    esac
    printf '  %-40s %8.3fs %8.3fs %6s %7s  %-6s %s\n' "$name" "$e" "$c" "$ratio" "<= 1.10" \
      "$(awk -v r="$ratio" 'BEGIN { print (r <= 1.10) ? "met" : "MISSED" }')" "$reference"
  done
}

measure_cli() {
  prepare_cli
  mkdir -p "$DISK_DIR"
  echo
  echo "The command line (whole process, start-up included), median of $ROUNDS rounds"
  measure_cli_on "$DISK_DIR" "working disk: $(df -T "$DISK_DIR" | awk 'NR == 2 { print $2 " on " $1 }')"
}

measure_journal() {
  # The journal images are mounted in a mount namespace of their own, so nothing stays mounted
  # when the benchmark is interrupted.
  cmake --build "$BUILD" --target JournalBench >/dev/null
  if [ "$(id -u)" = 0 ] && unshare -m --propagation private true 2>/dev/null; then
    unshare -m --propagation private bench/journal.sh "$BUILD"
  else
    echo "ext4 journal clearing: not measured (mounting loop images needs root)"
  fi
}

measure_devicecheck() {
  cmake --build "$BUILD" --target DeviceCheckBench >/dev/null
  if [ "$(id -u)" = 0 ] && unshare -m --propagation private true 2>/dev/null; then
    unshare -m --propagation private bench/devicecheck.sh "$BUILD"
  else
    echo "device check: not measured (reading a device back and mounting images need root)"
  fi
}

measure_journaldd() {
  cmake --build "$BUILD" --target JournalBench >/dev/null
  if [ "$(id -u)" = 0 ] && unshare -m --propagation private true 2>/dev/null &&
    command -v mkfs.xfs >/dev/null && grep -qw xfs /proc/filesystems; then
    unshare -m --propagation private bench/journaldd.sh "$BUILD"
  else
    echo "clearing a large journal against dd: not measured (needs root, mkfs.xfs and XFS)"
  fi
}

measure_xfslog() {
  cmake --build "$BUILD" --target JournalBench >/dev/null
  if [ "$(id -u)" = 0 ] && unshare -m --propagation private true 2>/dev/null &&
    command -v mkfs.xfs >/dev/null && grep -qw xfs /proc/filesystems; then
    unshare -m --propagation private bench/xfslog.sh "$BUILD"
  else
    echo "XFS log cycle: not measured (needs root, mkfs.xfs and a kernel with XFS)"
  fi
}

# A file of the given MiB of zeros, forced to the device.
make_file() {  # path MiB
  head -c "${2}M" /dev/zero >"$1"
  sync "$1"
}

# Runs the engine over a fresh file of STALL_MIB in the disk folder; prints its figures.
engine_on_file() {  # WipeBench arguments before the file
  local file=$DISK_DIR/stall/large
  rm -rf "$DISK_DIR/stall"
  mkdir -p "$DISK_DIR/stall"
  make_file "$file" "$STALL_MIB"
  "$ENGINE" "$@" "$file"
  rm -rf "$DISK_DIR/stall"
}

measure_stalls() {
  local r gaps=() plain=() verified=()
  mkdir -p "$DISK_DIR"
  printf '\nResponsiveness and verification on the working disk (%s), %s rounds\n' \
    "$(df -T "$DISK_DIR" | awk 'NR == 2 { print $2 " on " $1 }')" "$ROUNDS"
  printf '  %-52s %9s %-5s %9s\n' case measured "" target
  for ((r = 0; r < ROUNDS; r++)); do
    gaps+=("$(engine_on_file random3 --gaps)")
    if ((r % 2 == 0)); then
      plain+=("$(engine_on_file random)"); verified+=("$(engine_on_file random-verified)")
    else
      verified+=("$(engine_on_file random-verified)"); plain+=("$(engine_on_file random)")
    fi
  done
  local p99 worst ratio
  p99=$(printf '%s\n' "${gaps[@]}" | median_of 3)
  worst=$(printf '%s\n' "${gaps[@]}" | awk '{ print $4 }' | sort -g | tail -n 1)
  ratio=$(awk -v v="$(printf '%s\n' "${verified[@]}" | median_of 1)" \
    -v p="$(printf '%s\n' "${plain[@]}" | median_of 1)" 'BEGIN { printf "%.2f", v / p }')
  stall_row "${STALL_MIB} MiB, 3 random passes: p99 gap (median)" "$p99" ms "< 100" 100 below
  stall_row "${STALL_MIB} MiB, 3 random passes: longest gap (of all)" "$worst" ms "< 250" 250 below
  printf '  %-52s %9s %-5s\n' "${STALL_MIB} MiB, 1 random pass (median)" \
    "$(printf '%s\n' "${plain[@]}" | median_of 1)" s
  printf '  %-52s %9s %-5s\n' "${STALL_MIB} MiB, 1 random pass, verified (median)" \
    "$(printf '%s\n' "${verified[@]}" | median_of 1)" s
  stall_row "verified / unverified" "$ratio" x "<= 2.20" 2.2 atmost

  if [ "$(id -u)" = 0 ] && unshare -m --propagation private true 2>/dev/null; then
    unshare -m --propagation private bench/freespace.sh "$BUILD"
  else
    echo "Free-space fill: not measured (mounting a loop image needs root)"
  fi
}

stall_row() {  # name value unit target-text target below|atmost
  local met
  met=$(awk -v v="$2" -v t="$5" -v w="$6" 'BEGIN { print ((w == "below") ? (v < t) : (v <= t)) ? "met" : "MISSED" }')
  printf '  %-52s %9s %-5s %9s  %s\n' "$1" "$2" "$3" "$4" "$met"
}

# The system calls of `strace -c -f` over a run, one "name count" line per call.
syscall_counts() {  # command...
  local log
  log=$(mktemp)
  strace -c -f -o "$log" "$@" >/dev/null 2>&1 || true
  # Lines of the table: % time, seconds, usecs/call, calls, [errors,] name.
  awk '$1 ~ /^[0-9.]+$/ && NF >= 5 && $NF != "total" { print $NF, $4 }' "$log"
  rm -f "$log"
}

# The calls per file of a contender over 4 KiB files: the counts over 2N files less those over
# N, divided by N, so that what a process does once (start-up, loading) is left out.
calls_per_file() {  # where engine|cautious|bare n
  local where=$1 who=$2 n=$3 round
  local -a logs=()
  for round in 1 2; do
    local dir=$where/calls count=$((n * round)) i
    rm -rf "$dir"
    mkdir -p "$dir"
    for ((i = 0; i < count; i++)); do printf '%4096s' '' >"$dir/f$i"; done
    sync
    logs+=("$(mktemp)")
    if [ "$who" = engine ]; then
      syscall_counts "$ENGINE" random "$dir"/f* >"${logs[-1]}"
    else
      syscall_counts "$REFERENCE" "$who" 1 "$dir"/f* >"${logs[-1]}"
    fi
    rm -rf "$dir"
  done
  awk -v n="$n" 'FNR == NR { once[$1] = $2; next }
    { twice[$1] = $2 }
    END {
      for (c in twice) { d = (twice[c] - once[c]) / n; if (d >= 0.05) { per[c] = d; total += d } }
      printf "%.1f", total
      for (c in per) printf " %s=%.2f", c, per[c]
      printf "\n"
    }' "${logs[0]}" "${logs[1]}"
  rm -f "${logs[@]}"
}

# One line of the calls per file: name, total, then each call by its count, most first.
calls_row() {  # name "total call=count..."
  printf '  %-24s %6s  %s\n' "$1" "${2%% *}" "$(tr ' ' '\n' <<<"${2#* }" | sort -t= -k2 -gr | tr '\n' ' ')"
}

measure_calls() {
  local n=${BENCH_CALL_FILES:-200}
  mkdir -p "$DISK_DIR"
  if ! command -v strace >/dev/null; then
    echo "System calls per file: not measured (no strace)"
    return
  fi
  printf '
System calls per 4 KiB file, 1 random pass (strace -c -f; %s and %s files)
' \
    "$n" $((2 * n))
  calls_row engine "$(calls_per_file "$DISK_DIR" engine "$n")"
  calls_row "ReferenceWipe cautious 1" "$(calls_per_file "$DISK_DIR" cautious "$n")"
  calls_row "ReferenceWipe bare 1" "$(calls_per_file "$DISK_DIR" bare "$n")"
  printf '  %-24s %6s  %s\n' "shred -n 1 -u" 26 \
    "13 fdatasync, 11 renameat2, 1 ftruncate, 1 unlink (published, not measured here)"
}

# How the cost per file grows with the number of files: the engine over all of them (through a
# list file) and ReferenceWipe cautious 1 over the same list, once each, in one folder.
measure_scale_on() {  # where label
  local where=$1 n e t
  printf '\n%s\n' "$2"
  printf '  %-44s %9s %9s %6s %7s\n' case engine reference ratio target
  for n in ${BENCH_SCALE_FILES:-20000 200000}; do
    rm -rf "$where/scale"
    mkdir -p "$where/scale"
    SMALL_FILES=$n make_small "$where/scale/small"
    find "$where/scale/small" -type f >"$where/scale/list"
    read -r e _ <<<"$("$ENGINE" random "@$where/scale/list" 2>/dev/null)"
    SMALL_FILES=$n make_small "$where/scale/small"
    t=$("$REFERENCE" cautious 1 "@$where/scale/list")
    row "$n files of 4 KiB, 1 random pass" "$e" "$t" 1.00 "ReferenceWipe cautious 1"
    awk -v n="$n" -v e="$e" -v t="$t" \
      'BEGIN { printf "  %-44s %8.1fus %8.1fus\n", "  per file", e / n * 1e6, t / n * 1e6 }'
    rm -rf "$where/scale"
  done
}

# The same on the working disk (200,000 files of 4 KiB take about 800 MiB while they last) and on
# a tmpfs of its own, large enough for the most files asked for (4 KiB and an inode each).
measure_scale() {
  local n most=0
  mkdir -p "$DISK_DIR"
  printf '\nSmall files by the thousand, once each\n'
  measure_scale_on "$DISK_DIR" "working disk: $(df -T "$DISK_DIR" | awk 'NR == 2 { print $2 " on " $1 }')"
  for n in ${BENCH_SCALE_FILES:-20000 200000}; do ((n > most)) && most=$n; done
  mkdir -p "$SCALE_TMPFS_DIR"
  if mount -t tmpfs -o size=$((most * 5 / 1024 + 64))m ferrovane-bench-scale "$SCALE_TMPFS_DIR" 2>/dev/null; then
    SCALE_MOUNTED=1
    measure_scale_on "$SCALE_TMPFS_DIR" "tmpfs"
    umount "$SCALE_TMPFS_DIR"
    SCALE_MOUNTED=
  elif [ -d /dev/shm ] && [ -w /dev/shm ]; then
    local shm
    shm=$(mktemp -d /dev/shm/ferrovane-bench.XXXXXX)
    measure_scale_on "$shm" "tmpfs (/dev/shm)"
    rm -rf "$shm"
  else
    echo "No tmpfs to measure on (mounting one needs root, and /dev/shm is not writable)."
  fi
}

echo "Ferrovane benchmark: $(nproc) cores, $(free -g | awk '/Mem:/ { print $2 }') GiB memory," \
  "load $(cut -d' ' -f1 /proc/loadavg)"
case " $PARTS " in *" ini "*) measure_ini ;; esac
case " $PARTS " in *" wipe "*) measure_wipe ;; esac
case " $PARTS " in *" calls "*) measure_calls ;; esac
case " $PARTS " in *" scale "*) measure_scale ;; esac
case " $PARTS " in *" cli "*) measure_cli ;; esac
case " $PARTS " in *" journal "*) measure_journal ;; esac
case " $PARTS " in *" xfslog "*) measure_xfslog ;; esac
case " $PARTS " in *" journaldd "*) measure_journaldd ;; esac
case " $PARTS " in *" stalls "*) measure_stalls ;; esac
case " $PARTS " in *" devicecheck "*) measure_devicecheck ;; esac
