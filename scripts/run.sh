#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on the embedded default store
# (~/.local/share/lanze, or --home DIR, or LANZE_HOME).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
exec "${LANZE_BUILD_DIR:-$top/build}/lanze" "$@"
