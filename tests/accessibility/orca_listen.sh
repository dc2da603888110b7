#!/bin/sh
# Plays the program by keyboard under Debian's Orca, headless, and prints what
# Orca would speak (its debug log's SPEECH OUTPUT lines) for each exercise.
# Too slow for every build: a check by hand and for the longer benchmark.
#   orca_listen.sh <program> <folder of this script> [exercise caption...]
# ORCA_LOG_COPY=file keeps Orca's whole debug log there.
set -u
PROGRAM="$1"
HERE="$2"
shift 2
for tool in Xvfb dbus-run-session gdbus orca xdotool localedef /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null 2>&1 || { echo "$tool is missing: run scripts/install-deps.sh"; exit 1; }
done

WORK=$(mktemp -d)
trap 'kill $XVFB 2>/dev/null; rm -rf "$WORK"' EXIT
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_DATA_HOME="$WORK/home/.local/share"
mkdir -p "$HOME/.config/speech-dispatcher" "$WORK/prefs" "$WORK/locale"
# Without a sound card speech-dispatcher stops answering after three
# sentences unless ALSA writes to nowhere.
echo 'pcm.!default { type null }' > "$HOME/.asoundrc"
printf 'AudioOutputMethod "alsa"\nDefaultModule espeak-ng\nDefaultLanguage "it"\n' \
  > "$HOME/.config/speech-dispatcher/speechd.conf"
localedef -i it_IT -f UTF-8 "$WORK/locale/it_IT.UTF-8" 2>/dev/null
export LOCPATH="$WORK/locale" LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8

. "$HERE/xvfb.sh"
avvia_xvfb

export HERE_DIR="$HERE" PROGRAM_PATH="$PROGRAM" WORK_DIR="$WORK"
dbus-run-session -- sh -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  sleep 1
  gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.freedesktop.DBus.Properties.Set org.a11y.Status IsEnabled "<true>" >/dev/null
  orca -d braille -u "$WORK_DIR/prefs" --debug-file="$WORK_DIR/orca.log" >"$WORK_DIR/orca.err" 2>&1 &
  ORCA=$!
  sleep 6
  QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$PROGRAM_PATH" >/dev/null 2>&1 &
  APP=$!
  sleep 2
  /usr/bin/python3 "$HERE_DIR/orca_pupil.py" "$(basename "$PROGRAM_PATH")" "$WORK_DIR/orca.log" "$@"
  RESULT=$?
  [ -s "$WORK_DIR/orca.log" ] || cat "$WORK_DIR/orca.err"
  [ -z "${ORCA_LOG_COPY:-}" ] || cp "$WORK_DIR/orca.log" "$ORCA_LOG_COPY"
  kill $APP 2>/dev/null
  # Orca ends only once a key wakes its loop.
  kill $ORCA 2>/dev/null; xdotool key shift 2>/dev/null
  sleep 1; kill -9 $ORCA 2>/dev/null
  exit $RESULT
' sh "$@"
