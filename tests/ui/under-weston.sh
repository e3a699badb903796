#!/usr/bin/env bash
# Runs a program as a Wayland client of a headless compositor of its own, and returns the
# program's status.
set -euo pipefail
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
socket=quellin-test-$$
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 >"$runtime/weston.log" 2>&1 &
compositor=$!
trap 'kill $compositor 2>/dev/null; wait $compositor 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
  [ -S "$runtime/$socket" ] && break
  sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
  echo "the compositor did not start:" >&2
  cat "$runtime/weston.log" >&2
  exit 1
fi
WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@"
