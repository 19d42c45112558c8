#!/usr/bin/env bash
# The update through the nginx site the package ships, as a public site runs
# it: vylora-server on a loopback port, nginx in front with the shipped
# site's limits and TLS (a certificate made here), all in a temporary
# folder. A chart is published through nginx over HTTPS, then the program's
# own update fetches it through the same site; no log line holds the
# password. Stops what it started.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/loopback_site.sh
free_port server_port; free_port tls_port; free_port plain_port
password='a password only for this run'

mkdir -p "$work/site" "$work/home"
cp data/VYL2010.ini "$work/site/"
printf '%s\n' "$password" > "$work/password" && chmod 600 "$work/password"
build/src/vylora-server --folder "$work/site" --port "$server_port" --password-file "$work/password" \
    > "$work/server.log" 2>&1 &
pids+=($!)

start_nginx "http://127.0.0.1:$server_port"
wait_for "$server_port" "$plain_port"

# A chart of the publisher's: the shipped one with the first match played.
sed -e '2s/^0=-/0=2/' -e '3s/^1=-/1=1/' data/VYL2010.ini > "$work/published.ini"
! cmp -s data/VYL2010.ini "$work/published.ini"
status=$(curl -s -o "$work/answer" -w '%{http_code}' --cacert "$work/cert.pem" --data-binary "@$work/published.ini" \
    "https://127.0.0.1:$tls_port/expvyl2010.php?mdp=${password// /%20}&pseudo=ci")
test "$status" = 200 || { echo "publish through nginx: $status"; cat "$work/answer" "$work/server.log" "$work/nginx/error.log"; exit 1; }

cp data/VYL2010.ini "$work/home/VYL2010.ini"
QT_QPA_PLATFORM=offscreen HOME=$work/home XDG_CONFIG_HOME=$work/home/.config \
    build/src/vylora --update --server "http://127.0.0.1:$plain_port" --data-dir "$work/home" | tee "$work/update"
grep -q '^chart updated' "$work/update"
cmp "$work/home/VYL2010.ini" "$work/published.ini"
if grep -h -e 'mdp=' -e "${password// /%20}" "$work/server.log" "$work/nginx/"*.log; then
    echo "a log line holds the password"
    exit 1
fi
echo "update through nginx: published and fetched; no password in the logs"
