# Sourced by the scripts that run the shipped nginx site on loopback ports in
# a temporary folder ($work); whatever they start goes into pids and is
# stopped on exit.
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A loopback port nothing listens on, below the kernel's range of outgoing
# ports (32768 and up) so that no client connection holds it by the time a
# server binds it, and not one handed out before in this run. Sets the
# variable named $1.
taken_ports=" "
free_port() {
    local port
    while port=$((20000 + RANDOM % 12000))
          [[ $taken_ports == *" $port "* ]] || (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; do :; done
    taken_ports+="$port "
    printf -v "$1" %s "$port"
}

# The shipped site on loopback ports: its TLS server also listens in plain
# HTTP for the program, which trusts only the system's certificates; the
# redirecting server at its end is left out. $1 replaces the upstream
# address; the optional $2 is a line put before the site.
start_nginx() {
    local upstream=$1 before=${2:-}
    mkdir -p "$work/nginx/temp"
    openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 1 -subj /CN=127.0.0.1 \
        -addext subjectAltName=IP:127.0.0.1 -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
    {
        [ -z "$before" ] || echo "$before"
        sed -e '/^# Plain HTTP only sends to HTTPS/,$d' -e '/listen \[::\]/d' \
            -e "s|listen 443 ssl;|listen 127.0.0.1:$tls_port ssl; listen 127.0.0.1:$plain_port;|" \
            -e "s|http://127.0.0.1:8080|$upstream|" \
            -e "s|/etc/ssl/certs/ssl-cert-snakeoil.pem|$work/cert.pem|" \
            -e "s|/etc/ssl/private/ssl-cert-snakeoil.key|$work/key.pem|" \
            -e "s|/var/log/nginx/|$work/nginx/|" packaging/nginx-vylora-server
    } > "$work/nginx/site"
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
}

# Waits until every port given answers: nginx says 502 while its upstream is
# still starting. A server that could not start fails the script here, with
# its log, rather than as a 502 later.
wait_for() {
    local port
    for port in "$@"; do
        for _ in $(seq 50); do
            curl -s -o /dev/null "http://127.0.0.1:$port/" && continue 2
            sleep 0.2
        done
        echo "nothing answers on port $port"
        cat "$work"/*.log "$work/nginx/error.log" 2>/dev/null || true
        exit 1
    done
}
