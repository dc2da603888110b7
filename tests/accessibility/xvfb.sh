# Sourced by the accessibility scripts: starts an Xvfb of their own and sets
# XVFB (its pid) and DISPLAY. Xvfb picks a free display and writes its
# number, or takes the one VOCARIO_ACCESSIBILITY_DISPLAY names (a machine
# shared by several testers).
avvia_xvfb() {
  fifo=$(mktemp -u) && mkfifo "$fifo"
  if [ -n "${VOCARIO_ACCESSIBILITY_DISPLAY:-}" ]; then
    Xvfb ":$VOCARIO_ACCESSIBILITY_DISPLAY" -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null &
    XVFB=$!
    number=$VOCARIO_ACCESSIBILITY_DISPLAY
    sleep 1
  else
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
    XVFB=$!
    read -r number < "$fifo"
  fi
  rm -f "$fifo"
  export DISPLAY=":$number"
}
