#!/usr/bin/env bash
# Resident memory of plwin with one and with twenty thread windows (File | New
# by Ctrl+N), under Xvfb.
#   bench/gui/rss_windows.sh BUILD_DIR [WINDOWS] [DISPLAY_NUMBER]
set -euo pipefail
bin=$(cd "${1:?build directory}/bin" && pwd)
windows=${2:-20}
display=${3:-51}
home=$(mktemp -d)
trap 'kill "$plwin" "$xvfb" 2>/dev/null || true; rm -rf "$home"' EXIT
Xvfb ":$display" -screen 0 1600x1000x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=":$display" HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home"
"$bin/plwin" >/dev/null 2>&1 &
plwin=$!
sleep 5
rss() { awk '/^VmRSS/ {print $2 " kB"}' "/proc/$plwin/status"; }
echo "one thread window: $(rss)"
xdotool windowfocus "$(xdotool search --onlyvisible --name 'Pitch Ledger' | head -1)"
for _ in $(seq 2 "$windows"); do xdotool key ctrl+n; sleep 0.25; done
sleep 2
echo "$windows thread windows: $(rss)"
