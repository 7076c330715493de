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
# The polkit action lets administrators' rights be asked for the installed command line only.
policy=$prefix/share/polkit-1/actions/org.ferrovane.wipe.policy
[ -f "$policy" ] || fail "the install has no polkit action"
grep -q '<action id="org.ferrovane.wipe">' "$policy" || fail "the polkit action has another id"
grep -q "<allow_active>auth_admin</allow_active>" "$policy" || fail "the polkit action asks no password"
grep -q "exec.path\">$prefix/bin/ferrovane-cli</annotate>" "$policy" ||
  fail "the polkit action does not name the installed command line"
if command -v xmllint >/dev/null; then
  xmllint --noout "$policy" || fail "the polkit action is no XML"
fi
if [ -x "$prefix/bin/ferrovane" ]; then
  for file in share/applications/ferrovane.desktop share/icons/hicolor/scalable/apps/ferrovane.svg \
    share/metainfo/org.example.ferrovane.metainfo.xml share/man/man1/ferrovane.1.gz; do
    [ -f "$prefix/$file" ] || fail "the install has no $file"
  done
  entry=$prefix/share/applications/ferrovane.desktop
  grep -qx "Exec=$prefix/bin/ferrovane %F" "$entry" ||
    fail "the menu entry does not start the installed program with the chosen files"
  # The program is never the opener of files or folders: no menu entry claims a MIME type, so
  # xdg-open never hands a file or folder to the wiper. (A Dolphin service menu names the types
  # its context-menu action is offered for; it lies outside the applications folder and opens
  # nothing.)
  while IFS= read -r -d '' desktop; do
    ! grep -q '^MimeType=' "$desktop" || fail "$desktop claims to open files or folders"
  done < <(find "$prefix/share" -path "$prefix/share/kio" -prune -o -name '*.desktop' -print0)
  grep -q '<mediatype>' "$prefix/share/metainfo/org.example.ferrovane.metainfo.xml" &&
    fail "the AppStream file claims to open files or folders"
  grep -qx "Comment\[de\]=Dateien, Ordner und freien Speicherplatz vor dem Löschen überschreiben" \
    "$entry" || fail "the menu entry has no German summary"
  grep -q '<summary xml:lang="de">' "$prefix/share/metainfo/org.example.ferrovane.metainfo.xml" ||
    fail "the AppStream file has no German summary"
  # Every language the program speaks names the program, its action and the file-manager
  # entries in the menus and the software centre: each entry carries its own text, and the
  # action's entry sits in the action's own group.
  for language in de fr es it pt_BR pl ru zh_CN ja; do
    for key in GenericName Comment Keywords; do
      grep -q "^$key\[$language\]=." "$entry" || fail "the menu entry has no $key in $language"
    done
    sed -n '/^\[Desktop Action WipeFreeSpace\]/,$p' "$entry" | grep -q "^Name\[$language\]=." ||
      fail "the action that wipes free space has no $language name"
    grep -q "<summary xml:lang=\"$language\">[^<]" \
      "$prefix/share/metainfo/org.example.ferrovane.metainfo.xml" ||
      fail "the AppStream file has no $language summary"
    [ "$(grep -c "^Name\[$language\]=." "$prefix/share/kio/servicemenus/ferrovane-wipe.desktop")" = 2 ] ||
      fail "the service menu and its action have no $language name"
    for key in Name Comment; do
      grep -q "^$key\[$language\]=." "$prefix/share/nemo/actions/ferrovane-wipe.nemo_action" ||
        fail "the Nemo action has no $key in $language"
    done
    for tag in name description; do
      grep -q "<$tag xml:lang=\"$language\">[^<]" \
        "$prefix/share/ferrovane/filemanagers/thunar-action.xml" ||
        fail "the Thunar action has no $tag in $language"
    done
  done
  grep -qx "Exec=$prefix/bin/ferrovane --free-space" "$entry" ||
    fail "the menu entry has no action that wipes free space"
  # The file-manager entries start the installed window with the selection; none wipes itself.
  service_menu=$prefix/share/kio/servicemenus/ferrovane-wipe.desktop
  nemo=$prefix/share/nemo/actions/ferrovane-wipe.nemo_action
  script="$prefix/share/ferrovane/filemanagers/Wipe with Ferrovane"
  thunar=$prefix/share/ferrovane/filemanagers/thunar-action.xml
  for file in "$service_menu" "$nemo" "$script" "$thunar"; do
    [ -f "$file" ] || fail "the install has no $file"
    [ "$(grep -c "$prefix/bin/ferrovane" "$file")" = 1 ] || fail "$file does not start the window"
    ! grep -q "ferrovane-cli" "$file" || fail "$file wipes without the window's question"
  done
  grep -qx "Exec=$prefix/bin/ferrovane -- %F" "$service_menu" || fail "the service menu is wrong"
  grep -qx "Exec='$prefix/bin/ferrovane' -- %F" "$nemo" || fail "the Nemo action is wrong"
  [ -x "$script" ] || fail "the Nautilus script cannot be run"
  sh -n "$script" || fail "the Nautilus script is no shell script"
  if command -v xmllint >/dev/null; then
    xmllint --noout "$thunar" || fail "the Thunar action is no XML"
  fi
  # The script hands its arguments, names with blanks and dashes kept whole, to the program, as
  # full paths of the folder it was started in.
  mkdir -p "$work/fake/bin"
  sed "s|'$prefix/bin/ferrovane'|'$work/fake/bin/ferrovane'|" "$script" >"$work/fake/script"
  printf '#!/bin/sh\nfor a in "$@"; do printf "[%%s]" "$a"; done\n' >"$work/fake/bin/ferrovane"
  chmod +x "$work/fake/bin/ferrovane"
  handed=$(cd "$work/fake" && sh "$work/fake/script" "a b" -x /abs)
  [ "$handed" = "[--][$work/fake/a b][$work/fake/-x][/abs]" ] ||
    fail "the Nautilus script handed over $handed"
  # Every screenshot the AppStream file names is one taken from the program, kept with the
  # sources (the web site serves the same files).
  metainfo=$prefix/share/metainfo/org.example.ferrovane.metainfo.xml
  shots=$(grep -o 'https://[^<]*/screenshots/[^<]*[.]png' "$metainfo" || true)
  [ -n "$shots" ] || fail "the AppStream file shows no screenshot"
  for url in $shots; do
    [ -f "$(dirname "$0")/../../dist/screenshots/${url##*/}" ] || fail "no screenshot ${url##*/}"
  done
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/org.example.ferrovane.metainfo.xml" >/dev/null ||
      fail "appstreamcli does not accept the AppStream file"
  fi
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "the menu entry is not valid"
    # A service menu is of KDE's own type "Service", whose MimeType and Actions the validator
    # knows only for applications: those two findings are expected, any other is a fault.
    others=$(desktop-file-validate --no-hints "$service_menu" 2>&1 |
      grep -v 'but the type is "Service" while this key is only valid for type "Application"' || true)
    [ -z "$others" ] || fail "the service menu is not valid: $others"
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

# The catalogues of every language: the command line speaks German from the install, and
# English under the C locale.
for language in de fr es it pt_BR pl ru zh_CN ja; do
  [ -f "$prefix/share/locale/$language/LC_MESSAGES/ferrovane.mo" ] ||
    fail "the install has no $language messages"
  if [ -x "$prefix/bin/ferrovane" ]; then
    [ -f "$prefix/share/ferrovane/translations/ferrovane_$language.qm" ] ||
      fail "the install has no $language window texts"
  fi
done
LANG=C.UTF-8 LANGUAGE=de "$cli" methods | grep -qx "Einstellungsordner: $own/" ||
  fail "the installed command line does not speak German"
LANG=C "$cli" methods | grep -qx "Settings folder: $own/" ||
  fail "the installed command line does not speak English under the C locale"

# Nothing was written into the install.
[ ! -e "$prefix/bin/Ferrovane.ini" ] && [ ! -e "$prefix/bin/Methods" ] ||
  fail "the program wrote into the install"
echo "installed tree: ok"
