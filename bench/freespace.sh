#!/usr/bin/env bash
# Benchmark of a free-space wipe, run by bench/run.sh inside a mount namespace of its own
# (unshare -m), as root. Each round fills a fresh ext4 image of FILL_MIB on a loop device twice:
# once by the engine (a free-space run with one random pass, which the fill itself writes) and
# once by dd if=/dev/zero bs=1M conv=fdatasync followed by rm, alternating who goes first.
# Printed: the longest gaps between the engine's looks at the windows' events (99th percentile
# and worst) during the fill and during the whole run, the fill's write rate against dd's, and
# the whole run against dd and rm.
#
# Usage: bench/freespace.sh BUILD_DIR
# Environment: BENCH_FILL_MIB (2048), BENCH_ROUNDS (3)
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=$1
FILL_MIB=${BENCH_FILL_MIB:-2048}
ROUNDS=${BENCH_ROUNDS:-3}
ENGINE=$(realpath "$BUILD/bench/WipeBench")
WORK=$(realpath -m "$BUILD/bench-freespace")
IMAGE=$WORK/ext4.img
POINT=$WORK/mnt

cleanup() {
  umount "$POINT" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
mkdir -p "$POINT"

now() { date +%s.%N; }
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
largest() { sort -g | tail -n 1; }

fresh_image() {
  umount "$POINT" 2>/dev/null || true
  rm -f "$IMAGE"
  truncate -s "${FILL_MIB}M" "$IMAGE"
  mkfs.ext4 -q -F -b 4096 "$IMAGE"
  mount -o loop "$IMAGE" "$POINT"
  sync
}

# Prints "<seconds> <bytes> <rm seconds>" of a dd fill of the whole file system, forced to the
# device, and of the rm of its file that follows.
dd_fill() {
  local start end bytes removed
  start=$(now)
  dd if=/dev/zero of="$POINT/fill" bs=1M conv=fdatasync status=none 2>/dev/null || true
  sync "$POINT/fill"
  end=$(now)
  bytes=$(stat -c %s "$POINT/fill")
  rm "$POINT/fill"
  removed=$(now)
  echo "$(awk -v s="$start" -v e="$end" 'BEGIN { printf "%.4f", e - s }') $bytes" \
    "$(awk -v s="$end" -v e="$removed" 'BEGIN { printf "%.4f", e - s }')"
}

# Prints the engine's figures: run seconds, fill seconds, bytes, fill p99, fill worst, run p99,
# run worst.
engine_fill() {
  "$ENGINE" freespace "$POINT/" 2>/dev/null || true
}

declare -a fill_p99 fill_worst run_p99 run_worst engine_rate dd_rate engine_run dd_run
for ((r = 0; r < ROUNDS; r++)); do
  for turn in 0 1; do
    fresh_image
    if (((r + turn) % 2 == 0)); then
      read -r whole fill bytes fp fw rp rw <<<"$(engine_fill)"
      fill_p99+=("$fp") fill_worst+=("$fw") run_p99+=("$rp") run_worst+=("$rw")
      engine_run+=("$whole")
      engine_rate+=("$(awk -v b="$bytes" -v s="$fill" 'BEGIN { printf "%.1f", b / s / 1048576 }')")
    else
      read -r seconds bytes removal <<<"$(dd_fill)"
      dd_run+=("$(awk -v a="$seconds" -v b="$removal" 'BEGIN { print a + b }')")
      dd_rate+=("$(awk -v b="$bytes" -v s="$seconds" 'BEGIN { printf "%.1f", b / s / 1048576 }')")
    fi
  done
done
umount "$POINT"

verdict() {  # value target below|above
  awk -v v="$1" -v t="$2" -v w="$3" 'BEGIN { print ((w == "below") ? (v < t) : (v >= t)) ? "met" : "MISSED" }'
}
row() {  # name value unit target-text target below|above
  printf '  %-52s %9s %-5s %9s  %s\n' "$1" "$2" "$3" "$4" "$(verdict "$2" "$5" "$6")"
}

p99=$(printf '%s\n' "${fill_p99[@]}" | median)
worst=$(printf '%s\n' "${fill_worst[@]}" | largest)
rp99=$(printf '%s\n' "${run_p99[@]}" | median)
rworst=$(printf '%s\n' "${run_worst[@]}" | largest)
erate=$(printf '%s\n' "${engine_rate[@]}" | median)
drate=$(printf '%s\n' "${dd_rate[@]}" | median)
ratio=$(awk -v e="$erate" -v d="$drate" 'BEGIN { printf "%.2f", e / d }')
erun=$(printf '%s\n' "${engine_run[@]}" | median)
drun=$(printf '%s\n' "${dd_run[@]}" | median)
runratio=$(awk -v e="$erun" -v d="$drun" 'BEGIN { printf "%.2f", e / d }')

printf '\nFree space of a %s MiB ext4 loop image, %s rounds (p99: median; worst: of all rounds)\n' \
  "$FILL_MIB" "$ROUNDS"
row "fill: gap between event turns, 99th percentile" "$p99" ms "< 100" 100 below
row "fill: longest gap between event turns" "$worst" ms "< 250" 250 below
row "whole run (fill, 1 random pass, delete): p99 gap" "$rp99" ms "< 100" 100 below
row "whole run: longest gap" "$rworst" ms "< 250" 250 below
printf '  %-52s %9s %-5s\n' "fill rate: engine" "$erate" MiB/s
printf '  %-52s %9s %-5s\n' "fill rate: dd if=/dev/zero bs=1M conv=fdatasync" "$drate" MiB/s
row "fill rate, engine / dd" "$ratio" x ">= 0.95" 0.95 above
printf '  %-52s %9s %-5s\n' "whole run (1 random pass): engine" "$erun" s
printf '  %-52s %9s %-5s\n' "dd fill, then rm of its file" "$drun" s
atmost() {  # value target
  awk -v v="$1" -v t="$2" 'BEGIN { print (v <= t) ? "met" : "MISSED" }'
}
printf '  %-52s %9s %-5s %9s  %s\n' "whole run, engine / (dd + rm)" "$runratio" x "<= 1.10" \
  "$(atmost "$runratio" 1.10)"
