#!/bin/sh
# Runs a window test on a real X server (Xvfb) with a window manager (openbox), on a screen of the
# given size. Usage: escriptori.sh WIDTHxHEIGHT TEST [ARGUMENTS...]
# Exits 77 (skipped) when Xvfb or openbox is missing or the server cannot start; everything it
# starts is ended on the way out.
set -u
pantalla=$1
shift
for programa in Xvfb openbox; do
  if ! command -v "$programa" >/dev/null 2>&1; then
    echo "SKIP: $programa is not installed (./dev installs it)"
    exit 77
  fi
done
carpeta=$(mktemp -d) || exit 1
xvfb=
openbox=
acaba() {
  [ -n "$openbox" ] && kill "$openbox" 2>/dev/null && wait "$openbox" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$carpeta"
}
trap acaba EXIT
trap 'exit 1' HUP INT TERM

# espera FILE PID LOG STATUS MESSAGE: waits up to ten seconds for FILE to be written while PID lives;
# otherwise prints MESSAGE and LOG and exits with STATUS.
espera() {
  i=0
  while [ ! -s "$1" ]; do
    if ! kill -0 "$2" 2>/dev/null || [ $i -ge 100 ]; then
      echo "$5"
      cat "$3"
      exit "$4"
    fi
    sleep 0.1
    i=$((i + 1))
  done
}

# Xvfb picks a free display itself and writes its number once it accepts connections.
Xvfb -displayfd 3 -screen 0 "${pantalla}x24" -nolisten tcp 3>"$carpeta/display" 2>"$carpeta/xvfb.log" &
xvfb=$!
espera "$carpeta/display" "$xvfb" "$carpeta/xvfb.log" 77 "SKIP: no X server could start"
DISPLAY=:$(head -n 1 "$carpeta/display")
export DISPLAY

# openbox runs its start-up command once it manages the screen.
HOME=$carpeta openbox --sm-disable --startup "sh -c 'echo a punt >$carpeta/openbox'" >"$carpeta/openbox.log" 2>&1 &
openbox=$!
espera "$carpeta/openbox" "$openbox" "$carpeta/openbox.log" 1 "FAIL: openbox did not start"

echo "screen $pantalla on $DISPLAY, managed by openbox"
# Ended here, well before CTest's own time limit, so that the server and openbox are ended too;
# ESCRIPTORI_TEMPS gives a longer test more than the usual 90 seconds.
timeout "${ESCRIPTORI_TEMPS:-90}" env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$carpeta" "$@"
