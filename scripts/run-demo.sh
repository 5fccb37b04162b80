#!/usr/bin/env bash
# Starts the station from the build's portable folder.
set -euo pipefail
build=${1:-build}
exec "$build/bin/pondamir"
