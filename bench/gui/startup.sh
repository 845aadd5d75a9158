#!/usr/bin/env bash
# Start-up of plwin against a bare Qt window, side by side under Xvfb.
#   bench/gui/startup.sh BUILD_DIR [ROUNDS] [DISPLAY_NUMBER]
set -euo pipefail
bin=$(cd "${1:?build directory}/bin" && pwd)
rounds=${2:-9}
display=${3:-51}
home=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$home"' EXIT
Xvfb ":$display" -screen 0 1600x1000x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=":$display" HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home"
# "plwin" is its first window (the splash), "frame" the main window.
"$bin/first_window" --rounds "$rounds" \
  --case bare -- "$bin/bare_window" \
  --case plwin -- "$bin/plwin" \
  --case frame --title "Pitch Ledger" -- "$bin/plwin" 2>/dev/null
