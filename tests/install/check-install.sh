#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree: its layout, its menu
# entry and AppStream file, and ferrovane-cli run from there on a scratch folder, with a
# temporary configuration folder, finding the methods the install shipped.
#   tests/install/check-install.sh BUILD_DIR
set -euo pipefail
BUILD=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/ferrovane-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

cmake --install "$BUILD" --prefix "$prefix" >/dev/null
for file in bin/ferrovane-cli share/ferrovane/Ferrovane.ini share/ferrovane/readme.txt \
  share/ferrovane/Methods/01-random.mtd share/ferrovane/Methods/05-gutmann.mtd \
  share/man/man1/ferrovane-cli.1.gz share/doc/ferrovane/copyright; do
  [ -f "$prefix/$file" ] || fail "the install has no $file"
done
gzip -t "$prefix/share/man/man1/ferrovane-cli.1.gz" || fail "the manual page is damaged"
if [ -x "$prefix/bin/ferrovane" ]; then
  for file in share/applications/ferrovane.desktop share/icons/hicolor/scalable/apps/ferrovane.svg \
    share/metainfo/org.example.ferrovane.metainfo.xml share/man/man1/ferrovane.1.gz; do
    [ -f "$prefix/$file" ] || fail "the install has no $file"
  done
  grep -qx "Exec=$prefix/bin/ferrovane" "$prefix/share/applications/ferrovane.desktop" ||
    fail "the menu entry does not start the installed program"
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/org.example.ferrovane.metainfo.xml" >/dev/null ||
      fail "appstreamcli does not accept the AppStream file"
  fi
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/ferrovane.desktop" ||
      fail "the menu entry is not valid"
  fi
fi

# The installed program keeps the user's files in the configuration folder, seeded from the
# install, and finds its methods there.
export HOME=$work/home XDG_CONFIG_HOME=$work/config
mkdir -p "$HOME"
cli=$prefix/bin/ferrovane-cli
own=$XDG_CONFIG_HOME/ferrovane
listed=$("$cli" methods)
grep -qx "Settings folder: $own/" <<<"$listed" || fail "the settings folder is not $own/: $listed"
grep -q "05-gutmann.mtd  *35 passes" <<<"$listed" || fail "the shipped methods are not listed"
cmp -s "$own/Methods/05-gutmann.mtd" "$prefix/share/ferrovane/Methods/05-gutmann.mtd" ||
  fail "the shipped methods were not copied to $own/Methods"
cmp -s "$own/Ferrovane.ini" "$prefix/share/ferrovane/Ferrovane.ini" ||
  fail "the default settings were not copied to $own"

scratch=$work/scratch
mkdir -p "$scratch/tree/sub"
echo one >"$scratch/file"
echo two >"$scratch/tree/sub/file"
"$cli" wipe -r "$scratch/file" "$scratch/tree" || fail "the installed program did not wipe"
[ -z "$(ls -A "$scratch")" ] || fail "the scratch folder still holds $(ls -A "$scratch")"

"$cli" methods --set-engine files 02-zeros
grep -qx "WipeFiles=02-zeros.mtd" "$own/Ferrovane.ini" || fail "the choice was not recorded"
"$cli" -v -n wipe "$own/Ferrovane.ini" 2>&1 | grep -q "files: 02-zeros.mtd" ||
  fail "the recorded choice is not used"

# Nothing was written into the install.
[ ! -e "$prefix/bin/Ferrovane.ini" ] && [ ! -e "$prefix/bin/Methods" ] ||
  fail "the program wrote into the install"
echo "installed tree: ok"
