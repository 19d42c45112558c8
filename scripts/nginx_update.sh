#!/usr/bin/env bash
# The update through the nginx site the package ships, as a public site runs
# it: vylora-server on a loopback port, nginx in front with the shipped
# site's limits and TLS (a certificate made here), all in a temporary
# folder. A chart is published through nginx over HTTPS, then the program's
# own update fetches it through the same site; no log line holds the
# password. Stops what it started.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A loopback port nothing listens on.
free_port() {
    local port
    while port=$((20000 + RANDOM % 40000)); (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; do :; done
    echo "$port"
}
server_port=$(free_port); tls_port=$(free_port); plain_port=$(free_port)
password='a password only for this run'

mkdir -p "$work/site" "$work/home" "$work/nginx/temp"
cp data/VYL2010.ini "$work/site/"
printf '%s\n' "$password" > "$work/password" && chmod 600 "$work/password"
build/src/vylora-server --folder "$work/site" --port "$server_port" --password-file "$work/password" \
    > "$work/server.log" 2>&1 &
pids+=($!)

openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 1 -subj /CN=127.0.0.1 \
    -addext subjectAltName=IP:127.0.0.1 -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
# The shipped site, on loopback ports: its TLS server also listens in plain
# HTTP for the program, which trusts only the system's certificates; the
# redirecting server at its end is left out.
sed -e '/^# Plain HTTP only sends to HTTPS/,$d' -e '/listen \[::\]/d' \
    -e "s|listen 443 ssl;|listen 127.0.0.1:$tls_port ssl; listen 127.0.0.1:$plain_port;|" \
    -e "s|127.0.0.1:8080|127.0.0.1:$server_port|" \
    -e "s|/etc/ssl/certs/ssl-cert-snakeoil.pem|$work/cert.pem|" \
    -e "s|/etc/ssl/private/ssl-cert-snakeoil.key|$work/key.pem|" \
    -e "s|/var/log/nginx/|$work/nginx/|" packaging/nginx-vylora-server > "$work/nginx/site"
cat > "$work/nginx/nginx.conf" <<CONF
daemon off;
master_process off;
pid $work/nginx/pid;
error_log $work/nginx/error.log;
events {}
http {
    access_log $work/nginx/access.log;
    client_body_temp_path $work/nginx/temp; proxy_temp_path $work/nginx/temp; fastcgi_temp_path $work/nginx/temp;
    uwsgi_temp_path $work/nginx/temp; scgi_temp_path $work/nginx/temp;
    include $work/nginx/site;
}
CONF
"$(command -v nginx || echo /usr/sbin/nginx)" -p "$work/nginx" -c "$work/nginx/nginx.conf" &
pids+=($!)
# Both answer before the first request: nginx says 502 while its upstream
# is still starting.
for port in "$server_port" "$plain_port"; do
    for _ in $(seq 50); do
        curl -s -o /dev/null "http://127.0.0.1:$port/" && break
        sleep 0.2
    done
done

# A chart of the publisher's: the shipped one with the first match played.
sed -e '2s/^0=-/0=2/' -e '3s/^1=-/1=1/' data/VYL2010.ini > "$work/published.ini"
! cmp -s data/VYL2010.ini "$work/published.ini"
status=$(curl -s -o "$work/answer" -w '%{http_code}' --cacert "$work/cert.pem" --data-binary "@$work/published.ini" \
    "https://127.0.0.1:$tls_port/expvyl2010.php?mdp=${password// /%20}&pseudo=ci")
test "$status" = 200 || { echo "publish through nginx: $status"; cat "$work/answer" "$work/server.log"; exit 1; }

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
