#!/usr/bin/env bash
# A throw-away PostgreSQL cluster on loopback for the tests: its own folder and port, nothing shared
# with a server the machine may run.
#   scripts/test-postgres.sh start DIR PORT   prints the URI to use as LANZE_TEST_PG
#   scripts/test-postgres.sh stop DIR
set -euo pipefail
cmd=${1:?start or stop}
dir=${2:?folder}
bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -n "$bindir" ] || { echo "PostgreSQL server programs not found (install postgresql)" >&2; exit 1; }

# The server refuses to run as root: run it as the postgres system user when we are root.
as_owner() {
  if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

case "$cmd" in
  start)
    port=${3:?port}
    mkdir -p "$dir"
    [ "$(id -u)" = 0 ] && chown postgres "$dir"
    as_owner "$bindir/initdb" -D "$dir/data" -U postgres -A trust -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1
    as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
      -o "-c listen_addresses=127.0.0.1 -c port=$port -c unix_socket_directories='$dir' -c fsync=off -c full_page_writes=off" \
      start >/dev/null
    as_owner "$bindir/createdb" -h 127.0.0.1 -p "$port" -U postgres lanze_test
    echo "postgresql://postgres@127.0.0.1:$port/lanze_test"
    ;;
  stop)
    if [ -d "$dir/data" ]; then
      as_owner "$bindir/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
    fi
    rm -rf "$dir"
    ;;
  *) echo "usage: $0 start DIR PORT | stop DIR" >&2; exit 2 ;;
esac
