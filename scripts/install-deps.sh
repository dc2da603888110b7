#!/bin/sh
# Installs the Debian packages that building, testing and looking at Vocario need.
# Each is named for what uses it. The play-through and the screen reader's
# check start an Xvfb of their own, play with xdotool and take screenshots
# with ImageMagick's import; Arial and MS Sans Serif come as Liberation and DejaVu.
# Does nothing when every package is already there, so repeated runs stay fast.
# libx11-dev and libxdamage-dev build the start-up benchmark (bench/);
# desktop-file-utils and appstream validate the desktop files (tests/install);
# file lets make package compute the package's dependencies (CPack, dpkg-shlibdeps);
# at-spi2-core, dbus-x11 and python3-pyatspi read the program as a screen reader
# does (tests/accessibility). Reading aloud: Qt TextToSpeech (whose CMake package
# needs qt6-declarative-dev on Debian 12) through speech-dispatcher with
# espeak-ng's Italian voice. The readable letters: Andika (fonts-sil-andika).
# poppler-utils reads the worksheets' PDF back as text and pictures (tests/tst_worksheets).
# Qt's own texts (context menus) in Italian: qt6-translations-l10n.
# The class register: Qt SQL's SQLite driver (libqt6sql6-sqlite), and sqlite3
# to look into the register's file; on a school's server, Qt SQL's PostgreSQL
# driver (libqt6sql6-psql), and the server itself (postgresql), which the
# register's tests start in a temporary folder of their own.
set -eu
PACKAGES="build-essential cmake qt6-base-dev qt6-multimedia-dev qt6-svg-dev \
  xvfb xdotool imagemagick fonts-liberation fonts-dejavu-core \
  libx11-dev libxdamage-dev desktop-file-utils appstream file \
  at-spi2-core dbus-x11 python3-pyatspi \
  qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher \
  speech-dispatcher-espeak-ng espeak-ng fonts-sil-andika poppler-utils qt6-translations-l10n \
  libqt6sql6-sqlite sqlite3 libqt6sql6-psql postgresql"
missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
# shellcheck disable=SC2086
$SUDO apt-get install -y -q --no-install-recommends $missing
