#!/bin/sh
# Starts the program under its own Xvfb and accessibility bus, and reads it
# from outside as a screen reader does (atspi_tree.py).
#   run_atspi_check.sh <program> <folder of this script>
set -u
PROGRAM="$1"
HERE="$2"
for tool in Xvfb dbus-run-session gdbus /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null 2>&1 || { echo "$tool is missing: run scripts/install-deps.sh"; exit 1; }
done
/usr/bin/python3 -c "import pyatspi" || { echo "python3-pyatspi is missing"; exit 1; }

. "$HERE/xvfb.sh"
avvia_xvfb

# The user's own data and settings stay out of the check: no class first,
# then a class imported, for "Chi gioca?" and the teacher's "Registro".
HOME_DATA=$(mktemp -d)
trap 'kill $XVFB 2>/dev/null; rm -rf "$HOME_DATA"' EXIT
export XDG_DATA_HOME="$HOME_DATA/data" XDG_CONFIG_HOME="$HOME_DATA/config"
printf '5ª B, Aldo\n5ª B, Bea\n5ª B, Cèsare\n' > "$HOME_DATA/classe.txt"

dbus-run-session -- sh -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  sleep 1
  gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.freedesktop.DBus.Properties.Set org.a11y.Status IsEnabled "<true>" >/dev/null
  # A reading can miss the events of the bus on a loaded machine (seen once in a
  # clean clone: every announcement missing, all else read right): a
  # failed reading is made once more, and a fault of the program fails both.
  for reading in 1 2; do
    QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$0" >/dev/null 2>&1 &
    APP=$!
    /usr/bin/python3 "$1/atspi_tree.py" "$(basename "$0")"
    RESULT=$?
    kill $APP 2>/dev/null
    wait $APP 2>/dev/null
    [ $RESULT -eq 0 ] && break
    [ $reading -eq 1 ] && echo "run_atspi_check: reading again"
  done
  "$0" --importa-classi "$2" >/dev/null || exit 1
  QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$0" >/dev/null 2>&1 &
  APP=$!
  /usr/bin/python3 "$1/atspi_tree.py" "$(basename "$0")" registro || RESULT=1
  kill $APP 2>/dev/null
  exit $RESULT
' "$PROGRAM" "$HERE" "$HOME_DATA/classe.txt"
