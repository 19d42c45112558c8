#!/bin/sh
# Runs the command given (the pool's tests) against a throwaway PostgreSQL
# cluster in a temporary folder, reached by its socket only, and stops the
# cluster and removes the folder whatever happens.
set -eu
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$bin" ]; then
    echo "with_postgresql: no PostgreSQL server installed (Debian package postgresql)" >&2
    exit 1
fi
dir=$(mktemp -d)
# The server refuses to run as root: as root, the cluster is the postgres user's.
if [ "$(id -u)" = 0 ]; then
    chown postgres "$dir"
    owner() { runuser -u postgres -- "$@"; }
else
    owner() { "$@"; }
fi
stop() {
    owner "$bin/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
    rm -rf "$dir"
}
trap stop EXIT
trap 'exit 1' INT TERM HUP
owner "$bin/initdb" -D "$dir/data" -A trust -U pool >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log" >&2; exit 1; }
owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w \
    -o "-k $dir -c listen_addresses= -c fsync=off" start >/dev/null || { cat "$dir/server.log" >&2; exit 1; }
"$bin/createdb" -h "$dir" -U pool pool
PGHOST=$dir VYLORA_POOL_DATABASE=postgresql://pool@/pool "$@"
