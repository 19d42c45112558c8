#!/usr/bin/env bash
# The pool for a crowd as the README sets it up: two vylora-server
# instances on one site folder and one PostgreSQL (a throwaway cluster),
# behind the shipped nginx site. A player joins and sends through nginx;
# once the pool closes, a publication through the first instance shows in
# the second instance's next page of the ranking, and through nginx. Stops
# what it started.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${VYLORA_POOL_DATABASE:-}" ]; then
    exec tests/server/pool/with_postgresql.sh "$0" "$@"
fi
. scripts/loopback_site.sh
free_port first; free_port second; free_port tls_port; free_port plain_port
password='a password only for this run'
mkdir -p "$work/site"
cp data/VYL2010.ini "$work/site/"
printf '%s\n' "$password" > "$work/password" && chmod 600 "$work/password"
# Predictions are taken for a few seconds, then everything is locked.
closes=$(date -u -d '+6 seconds' +%Y-%m-%dT%H:%M:%SZ)
for port in "$first" "$second"; do
    build/src/vylora-server --folder "$work/site" --port "$port" --password-file "$work/password" \
        --proxy 127.0.0.1 --pool --database "$VYLORA_POOL_DATABASE" --pool-closes "$closes" \
        > "$work/server-$port.log" 2>&1 &
    pids+=($!)
done

# The shipped site, its one server replaced by the two instances.
start_nginx http://vylora_pool "upstream vylora_pool { server 127.0.0.1:$first; server 127.0.0.1:$second; }"
wait_for "$first" "$second" "$plain_port"

nginx_url="http://127.0.0.1:$plain_port"
token=$(curl -s -X POST "$nginx_url/pool/join?format=json&pseudo=alice" | sed -n 's/.*"token":"\([0-9a-f]*\)".*/\1/p')
test -n "$token" || { echo "join through nginx failed"; cat "$work"/server-*.log; exit 1; }
# The publisher's results to come: the shipped chart with the first match played, 2 - 1.
sed -e '2s/^0=-/0=2/' -e '3s/^1=-/1=1/' data/VYL2010.ini > "$work/results.ini"
curl -s -f -o /dev/null --data-binary "@$work/results.ini" \
    "$nginx_url/pool/prediction?format=json&pseudo=alice&token=$token"
points() { curl -s "$1/pool/ranking?format=json" | sed -n 's/.*"pseudo":"alice","points":\([0-9]*\).*/\1/p'; }
while [ "$(date -u +%s)" -le "$(date -u -d "$closes" +%s)" ]; do sleep 0.5; done
test "$(points "http://127.0.0.1:$second")" = 0 || { echo "alice scores before anything is published"; exit 1; }

status=$(curl -s -o "$work/answer" -w '%{http_code}' --data-binary "@$work/results.ini" \
    "http://127.0.0.1:$first/expvyl2010.php?mdp=${password// /%20}")
test "$status" = 200 || { echo "publish through the first instance: $status"; cat "$work/answer"; exit 1; }
after=$(points "http://127.0.0.1:$second")
test "$after" = 3 || { echo "the second instance's next page gives alice '$after' points, not 3"; exit 1; }
test "$(points "$nginx_url")" = 3 || { echo "nginx's next page does not give alice 3 points"; exit 1; }
echo "two instances behind nginx on one PostgreSQL: a publication through one shows in the other's next page"
