#!/bin/sh
# The installed program: installs the build into a temporary prefix, checks
# the layout, answers --version and --help without a display, then runs the
# installed vocario from another folder, headless, with the probe plugin
# (installprobe.cpp) pressing its way into the first exercise; the exercise
# must show words of the installed lists and load the installed sound module,
# and nothing under the prefix may change.
#
# Usage: run-installed.sh <build folder> <probe plugin folder> <version>
#        <bindir> <datadir> <moduledir>     (relative to the prefix)
set -eu
build=$1 plugins=$2 version=$3 bindir=$4 datadir=$5 moduledir=$6
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" > "$work/install.log" ||
  { cat "$work/install.log"; fail "cmake --install"; }
for file in "$bindir/vocario" "$moduledir/vocario_suoni.so" "$moduledir/vocario_insegnante.so" \
  "$datadir/vocario/testi/contrari.txt" "$datadir/vocario/testi/vocario.txt" \
  "$datadir/vocario/suoni/si1.wav" "$datadir/vocario/suoni/no.wav" \
  "$datadir/applications/vocario.desktop" "$datadir/icons/hicolor/scalable/apps/vocario.svg" \
  "$datadir/icons/hicolor/16x16/apps/vocario.png" "$datadir/icons/hicolor/256x256/apps/vocario.png" \
  "$datadir/doc/vocario/copyright" "$datadir/doc/vocario/changelog.gz" \
  "$datadir/man/man1/vocario.1.gz" "$datadir/man/it/man1/vocario.1.gz"; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done
ls "$prefix/$datadir/metainfo/"*.metainfo.xml > /dev/null || fail "no metainfo installed"
[ "$(ls "$prefix/$datadir/vocario/testi" | wc -l)" -eq 7 ] || fail "not the seven word lists"
[ "$(ls "$prefix/$datadir/vocario/suoni" | wc -l)" -eq 5 ] || fail "not the five sounds"

# Debian wants every library linked against the C library.
for module in "$prefix/$moduledir"/*.so; do
  readelf -d "$module" | grep -q 'NEEDED.*\[libc\.so' || fail "$module is not linked against libc"
done

mkdir "$work/elsewhere" "$work/home"
cd "$work/elsewhere"
nodisplay() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/$bindir/vocario" "$@"; }
out=$(nodisplay --version) || fail "--version without a display"
[ "$out" = "Vocario $version" ] || fail "--version says '$out'"
nodisplay --help > "$work/help" || fail "--help without a display"
grep -q '^Uso: vocario' "$work/help" || fail "--help is not the Italian help"
# A worksheet is the teacher's module's work: it must be found where it is installed.
HOME=$work/home nodisplay --scheda abbina-contrari --pdf "$work/scheda.pdf" > /dev/null ||
  fail "--scheda with the installed teacher's module"
[ -s "$work/scheda.pdf" ] || fail "--scheda wrote no PDF"
# A mistake is told in Italian, exit 2, with no display as with one.
for mistake in "--bogus|opzione sconosciuta: --bogus" \
  "--dimensione|manca il valore di --dimensione: si può scegliere normale, grande o schermo-intero"; do
  status=0
  nodisplay "${mistake%%|*}" 2> "$work/mistake" || status=$?
  [ "$status" -eq 2 ] && grep -qF -- "${mistake#*|}" "$work/mistake" ||
    fail "'vocario ${mistake%%|*}' without a display: exit $status, $(cat "$work/mistake")"
done

before=$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)
status=0
HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config \
  QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH=$plugins QT_QPA_GENERIC_PLUGINS=vocarioinstallprobe \
  timeout 60 "$prefix/$bindir/vocario" > "$work/run.log" 2> "$work/run.err" || status=$?
cat "$work/run.log"
[ "$status" -eq 0 ] || { cat "$work/run.err"; fail "the installed program ended with $status"; }
grep -qx 'WINDOW Form1' "$work/run.log" || fail "the first exercise did not open"
[ "$(grep -c '^WORD ' "$work/run.log")" -eq 9 ] || fail "Form1 does not show nine words"
grep '^WORD ' "$work/run.log" | cut -c6- | while IFS= read -r word; do
  grep -qF -- "$word" "$prefix/$datadir/vocario/testi/contrari.txt" ||
    fail "'$word' is not in the installed contrari.txt"
done
module=$(sed -n 's/^MODULE //p' "$work/run.log")
[ "$module" = "$(realpath "$prefix/$moduledir/vocario_suoni.so")" ] ||
  fail "sound module loaded from '$module'"
after=$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || fail "the program changed files under the prefix"
echo "PASS: installed in $prefix, run from $work/elsewhere"
