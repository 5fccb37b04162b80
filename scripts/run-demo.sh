#!/usr/bin/env bash
# Prepares the demo folder (the station's portable folder with a demo database that points at the
# simulator), starts the simulator and then the station. Delete demo/ to start afresh.
set -euo pipefail
build=${1:-build}
demo=demo

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "make run needs a desktop session; on a machine without one use: xvfb-run -s '-screen 0 1600x1000x24' make run" >&2
    exit 1
fi

mkdir -p "$demo/Data" "$demo/Dokumentation"
# The station finds its database beside its own program file, so the demo gets a copy of it.
cp -f "$build/bin/pondamir" "$demo/pondamir"
"$build/bin/pondasim" --demo-db "$demo/Data/daten.db"

# Chromium (the webcam page) refuses to run as root with its sandbox on.
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1

"$build/bin/pondasim" &
sim=$!
trap 'kill $sim 2>/dev/null || true' EXIT
sleep 1
"$demo/pondamir"
