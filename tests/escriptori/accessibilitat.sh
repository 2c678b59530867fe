#!/bin/sh
# Runs the accessibility test on the display it is given (see escriptori.sh): its own session bus
# and accessibility bus, Qt's bridge to it always on, and a home of its own so that no user file is
# read or written. Usage: accessibilitat.sh QUIMERIX QUIMERIX-EINES
# Exits 77 (skipped) when dbus, the AT-SPI bus or pyatspi is missing.
set -u
aqui=$(dirname "$0")
for programa in dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  if ! command -v "$programa" >/dev/null 2>&1; then
    echo "SKIP: $programa is not installed (./dev installs it)"
    exit 77
  fi
done
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
  echo "SKIP: python3-pyatspi is not installed (./dev installs it)"
  exit 77
fi
casa=$(mktemp -d) || exit 1
trap 'rm -rf "$casa"' EXIT
mkdir -p "$casa/config" "$casa/dades" "$casa/memoria" "$casa/execucio"
chmod 700 "$casa/execucio"
export HOME="$casa" XDG_CONFIG_HOME="$casa/config" XDG_DATA_HOME="$casa/dades" \
  XDG_CACHE_HOME="$casa/memoria" XDG_RUNTIME_DIR="$casa/execucio" \
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
# The accessibility bus is started here, and ended with everything it started once the test ends.
# shellcheck disable=SC2016
dbus-run-session -- sh -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  bus=$!
  /usr/bin/python3 "$0" "$@"
  estat=$?
  kill "$bus" 2>/dev/null
  wait "$bus" 2>/dev/null
  exit $estat' "$aqui/accessibilitat.py" "$@"
