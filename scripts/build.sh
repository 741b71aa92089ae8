#!/usr/bin/env bash
# Configures and builds into build/ (or $LANZE_BUILD_DIR).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${LANZE_BUILD_DIR:-$top/build}
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=${LANZE_BUILD_TYPE:-RelWithDebInfo} >/dev/null
cmake --build "$build" -j "$(nproc)"
