#!/usr/bin/env bash
# Pictures of the main window in each state, at 800x600 and 1280x1024, drawn by a real X server
# (Xvfb). Usage: tests/ui/captures.sh [BUILD_DIR] [OUTPUT_DIR]
set -euo pipefail
build=${1:-build}
out=${2:-/tmp/quimerix-captures}
mkdir -p "$out"
for screen in 1280x1024 800x600; do
  QUIMERIX_CAPTURES="$out" xvfb-run -a -s "-screen 0 ${screen}x24" "$build/bin/captures_test" >/dev/null
done
ls "$out"
