#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. The tests that need PostgreSQL use the server
# named by LANZE_TEST_PG; when it is unset, a throw-away cluster on loopback is started for this run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
if [ -z "${LANZE_TEST_PG:-}" ]; then
  pgdir=$(mktemp -d /tmp/lanze-test-pg.XXXXXX)
  chmod 755 "$pgdir"
  trap '"$top/scripts/test-postgres.sh" stop "$pgdir/cluster"; rm -rf "$pgdir"' EXIT
  LANZE_TEST_PG=$("$top/scripts/test-postgres.sh" start "$pgdir/cluster" $(( 40000 + RANDOM % 20000 )))
  export LANZE_TEST_PG
fi
echo "PostgreSQL for the tests: $LANZE_TEST_PG"
cd "${LANZE_BUILD_DIR:-$top/build}"
ctest --output-on-failure -j "$(nproc)" "$@"
