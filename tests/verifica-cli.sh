#!/bin/sh
# Runs `vocario --verifica FOLDER` with no display and no Qt platform, checks
# its exit status and that its report holds every given text.
#   verifica-cli.sh PROGRAM FOLDER STATUS TEXT...
program="$1" folder="$2" status="$3"
shift 3
report=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --verifica "$folder")
got=$?
printf '%s\n' "$report"
if [ "$got" -ne "$status" ]; then
    echo "exit status $got, expected $status"
    exit 1
fi
for text in "$@"; do
    if ! printf '%s\n' "$report" | grep -qF -- "$text"; then
        echo "missing from the report: $text"
        exit 1
    fi
done
