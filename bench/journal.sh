#!/usr/bin/env bash
# Benchmark of clearing deleted files' names from the ext4 journal, run by bench/run.sh inside a
# mount namespace of its own (unshare -m), as root. For every journal size, on a fresh loop image
# each time: FILES files of 4 KiB with distinctive names are made and forced to the device, then
# deleted with rm (timed, with the sync that follows), then the journal is cleared one way
# (timed). The image is searched for the names afterwards; "left" is the same without clearing.
# "written" is what the file system wrote to its device while clearing.
#
# Usage: bench/journal.sh BUILD_DIR
# Environment: BENCH_JOURNAL_MIB ("4 32 128"), BENCH_JOURNAL_FILES (1000)
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=$1
SIZES=${BENCH_JOURNAL_MIB:-4 32 128}
FILES=${BENCH_JOURNAL_FILES:-1000}
TOOL=$(realpath "$BUILD/bench/JournalBench")
WORK=$(realpath -m "$BUILD/bench-journal")
IMAGE=$WORK/ext4.img
POINT=$WORK/mnt
PREFIX=Quokka-ledger-of-

cleanup() {
  umount "$POINT" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 1' INT TERM
mkdir -p "$POINT"

now() { date +%s.%N; }
seconds() { awk -v s="$1" -v e="$2" 'BEGIN { printf "%.3f", e - s }'; }

# One image: make, fill, delete, clear one way (or not), count the names left. Prints
# "<delete seconds> <clear seconds> <written KiB> <names left> <outcome>".
measure() {  # journal-MiB mkfs-options way
  local mib=$1 options=$2 way=$3 device start end del clear="-" written="-" outcome="-"
  rm -f "$IMAGE"
  truncate -s $((mib * 8 + 256))M "$IMAGE"
  # shellcheck disable=SC2086
  mkfs.ext4 -q -F -b 4096 -J size="$mib" $options "$IMAGE"
  mount -o loop "$IMAGE" "$POINT"
  device=$(basename "$(findmnt -n -o SOURCE "$POINT")")
  mkdir "$POINT/files"
  local i
  for ((i = 0; i < FILES; i++)); do printf '%4096s' '' >"$POINT/files/$PREFIX$i.txt"; done
  sync
  start=$(now)
  rm -f "$POINT"/files/*
  sync
  end=$(now)
  del=$(seconds "$start" "$end")
  if [ "$way" != left ]; then
    local before after line
    before=$(cat "/sys/fs/ext4/$device/session_write_kbytes")
    line=$("$TOOL" "$way" "$POINT/files" || true)
    after=$(cat "/sys/fs/ext4/$device/session_write_kbytes")
    clear=$(awk '{ print $1 }' <<<"$line")
    outcome=$(cut -d' ' -f3- <<<"$line")
    written=$((after - before))
  fi
  umount "$POINT"
  local left
  # Lines end at zero bytes (-z), so grep never holds more than a short run of the image.
  left=$(LC_ALL=C grep -a -o -z "$PREFIX" "$IMAGE" | tr -cd '\0' | wc -c || true)
  echo "$del $clear $written $left $outcome"
}

printf '\next4 journal: names of %s deleted files of 4 KiB (rm, then sync), loop image, 4 KiB blocks\n' \
  "$FILES"
printf '  %-8s %-12s %-10s %9s %9s %10s %6s  %s\n' journal features way delete clear written names \
  outcome
for mib in $SIZES; do
  for options in "" "-O fast_commit"; do
    features=${options:+fast_commit}
    for way in left checkpoint rewrite; do
      read -r del clear written left outcome <<<"$(measure "$mib" "$options" "$way")"
      if [ "$written" != "-" ]; then written="$(awk -v k="$written" 'BEGIN { printf "%.1fM", k / 1024 }')"; fi
      printf '  %-8s %-12s %-10s %8ss %8s%s %10s %6s  %s\n' "${mib} MiB" "${features:--}" "$way" \
        "$del" "$clear" "$([ "$clear" = - ] || echo s)" "$written" "$left" "$outcome"
    done
  done
done
