#!/bin/sh
# The menu entry and the AppStream metadata pass their validators without a
# warning: the metadata as this build made it, and as a build that names an
# author, a web address, a mail address and where the screenshots are.
#
# Usage: validate-desktop-files.sh <source folder> <metainfo of this build> <version> <date>
set -eu
source=$1 metainfo=$2 version=$3 date=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

out=$(desktop-file-validate "$source/data/vocario.desktop" 2>&1) || fail "$out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
appstreamcli validate --no-net "$metainfo" || fail "metainfo of this build"

cmake -DOUTPUT="$work/full.metainfo.xml" -DVERSION="$version" -DDATE="$date" \
  -DID=it.scuola.vocario "-DAUTHOR=Maria Rossi & C." -DWEB=https://scuola.it/vocario \
  -DMAIL=vocario@scuola.it -DSCREENSHOTS_URL=https://scuola.it/vocario/screenshots \
  -P "$source/cmake/writemetainfo.cmake"
appstreamcli validate --no-net "$work/full.metainfo.xml" || fail "metainfo with every field"
for shot in $(sed -n 's|.*<image>.*/\([^/]*\)</image>.*|\1|p' "$work/full.metainfo.xml"); do
  [ -f "$source/data/screenshots/$shot" ] || fail "screenshot $shot is not in data/screenshots"
done
grep -q "<release version=\"$version\" date=\"$date\"" "$metainfo" || fail "release $version"
echo "PASS"
