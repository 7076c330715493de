#!/usr/bin/env bash
# Checks the committed catalogues against the sources: every text the sources mark (Tr/TrN/TrNoop
# in the Qt-free layers, tr() and the .ui forms of the window) has an entry in po/ferrovane.pot,
# in every po/<language>.po and in every translations/ferrovane_<language>.ts, and none of them
# holds an entry the sources no longer have; every translation keeps the placeholders of its
# English text. The languages named in COMPLETE must also have every
# entry translated. A failure names the texts; `cmake --build build --target update_po
# update_translations` brings the catalogues up to date.
#   tests/i18n/check-catalogues.sh SOURCE_DIR LUPDATE LCONVERT "LANGUAGES" "COMPLETE"
# (the languages separated by blanks or semicolons)
set -euo pipefail
SOURCE=$1
LUPDATE=$2
LCONVERT=$3
read -r -a LANGUAGES <<<"${4//;/ }"
read -r -a COMPLETE <<<"${5//;/ }"
work=$(mktemp -d "${TMPDIR:-/tmp}/ferrovane-catalogues.XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
  echo "FAILED: $*" >&2
  failed=1
}
same_messages() {
  local committed=$1 fresh=$2 what=$3
  if ! msgcmp --use-untranslated "$committed" "$fresh" >"$work/out" 2>&1; then
    fail "$what has no entry for texts of the sources:"
    grep -A1 'this message is used but not defined' "$work/out" | head -20 >&2 || true
  fi
  if ! msgcmp --use-untranslated "$fresh" "$committed" >"$work/out" 2>&1; then
    fail "$what holds entries the sources no longer have:"
    grep -A1 'this message is used but not defined' "$work/out" | head -20 >&2 || true
  fi
}

# The Qt-free layers: a fresh extraction against the template and every language.
cmake -DSOURCE_DIR="$SOURCE" -DXGETTEXT="$(command -v xgettext)" -DOUTPUT="$work/fresh.pot" \
  -P "$SOURCE/po/ExtractMessages.cmake" >/dev/null
same_messages "$SOURCE/po/ferrovane.pot" "$work/fresh.pot" "po/ferrovane.pot"
for language in "${LANGUAGES[@]}"; do
  same_messages "$SOURCE/po/$language.po" "$work/fresh.pot" "po/$language.po"
done

# The window: lupdate run over copies of the catalogues, then compared as gettext files.
mkdir -p "$work/ts"
for language in "${LANGUAGES[@]}"; do
  cp "$SOURCE/translations/ferrovane_$language.ts" "$work/ts/"
done
(cd "$SOURCE" && "$LUPDATE" -silent -locations none -no-obsolete -I src src/ui src/dialogs \
  -ts "$work"/ts/*.ts) 2>"$work/lupdate.log" || fail "lupdate failed: $(cat "$work/lupdate.log")"
for language in "${LANGUAGES[@]}"; do
  "$LCONVERT" -i "$SOURCE/translations/ferrovane_$language.ts" -o "$work/committed_$language.po"
  "$LCONVERT" -i "$work/ts/ferrovane_$language.ts" -o "$work/fresh_$language.po"
  same_messages "$work/committed_$language.po" "$work/fresh_$language.po" \
    "translations/ferrovane_$language.ts"
done

# The languages that are complete stay complete: no entry untranslated or unfinished.
for language in "${COMPLETE[@]}"; do
  untranslated=$(msgattrib --untranslated --no-obsolete "$SOURCE/po/$language.po" | grep -c '^msgid' || true)
  fuzzy=$(msgattrib --only-fuzzy --no-obsolete "$SOURCE/po/$language.po" | grep -c '^msgid' || true)
  [ "$untranslated" -le 1 ] && [ "$fuzzy" -le 1 ] ||
    fail "po/$language.po has $((untranslated > 0 ? untranslated - 1 : 0)) untranslated and $((fuzzy > 0 ? fuzzy - 1 : 0)) unfinished entries"
  unfinished=$(grep -c 'type="unfinished"' "$SOURCE/translations/ferrovane_$language.ts" || true)
  [ "$unfinished" = 0 ] || fail "translations/ferrovane_$language.ts has $unfinished unfinished entries"
done
# Every translation keeps the placeholders of its English text (in order, or numbered).
for language in "${LANGUAGES[@]}"; do
  misplaced=$(awk -f "$(dirname "$0")/check-placeholders.awk" "$SOURCE/po/$language.po")
  [ -z "$misplaced" ] || fail "po/$language.po: $misplaced"
done
exit $failed
