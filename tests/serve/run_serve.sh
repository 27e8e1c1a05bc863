#!/usr/bin/env bash
# Serves a working folder with the configuration lines the README gives, on
# 127.0.0.1, and fetches from it as a device does: its own file is served;
# zev.conf, the previous versions, the lock and staged files are not.
# Usage: run_serve.sh README
set -euo pipefail

readme=$1
work=$(mktemp -d)
nginx_pid=""
tftpd_pid=""
cleanup() {
    [ -z "$nginx_pid" ] || kill "$nginx_pid" 2>/dev/null || true
    [ -z "$tftpd_pid" ] || kill "$tftpd_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "serve: FAILED: $*" >&2; exit 1; }

site=$work/site
mkdir -p "$site/.zev-previous"
echo "display_name=New" >"$site/D1.conf"
echo "[SERVER]" >"$site/zev.conf"
echo "the whole previous configuration" >"$site/.zev-previous/zev.conf"
: >"$site/.zev-lock"
echo "half written" >"$site/.D1.conf.zev-new-1"

# A free port: the kernel picks one.
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')

# The README's server block, listening here and serving this folder.
server_block=$(sed -n '/^```nginx$/,/^```$/p' "$readme" | sed '1d;$d' |
    sed -e "s|listen 80;|listen 127.0.0.1:$port;|" -e "s|root /srv/zev;|root $site;|")
grep -q "root $site;" <<<"$server_block" || fail "the README holds no nginx server block to serve the folder"
cat >"$work/nginx.conf" <<CONF
user root;
worker_processes 1;
pid $work/nginx.pid;
error_log $work/error.log;
events {}
http {
    access_log off;
    client_body_temp_path $work;
    $server_block
}
CONF
nginx -p "$work" -c "$work/nginx.conf" -g "daemon off;" &
nginx_pid=$!

fetch() { curl -s -o "$work/got" -w '%{http_code}' "http://127.0.0.1:$port/$1" || true; }
for _ in $(seq 50); do [ "$(fetch D1.conf)" = 200 ] && break; sleep 0.1; done
[ "$(fetch D1.conf)" = 200 ] && grep -qx "display_name=New" "$work/got" || fail "nginx did not serve the device file"
for hidden in zev.conf .zev-previous/zev.conf .zev-previous/ .zev-lock .D1.conf.zev-new-1 sub/../.zev-previous/zev.conf \
    %2Ezev-previous/zev.conf %7Aev.conf; do
    code=$(fetch "$hidden")
    [ "$code" = 404 ] || fail "nginx answered $code for $hidden"
done

# TFTP, with the README's map file.
sed -n '/^```conf$/,/^```$/p' "$readme" | sed '1d;$d' >"$work/tftp.map"
[ -s "$work/tftp.map" ] || fail "the README holds no tftpd-hpa map file"
tport=$(python3 -c 'import socket; s=socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
in.tftpd --foreground --listen --address "127.0.0.1:$tport" --secure --map-file "$work/tftp.map" --user root "$site" &
tftpd_pid=$!
tftp_get() { (cd "$work" && rm -f got && timeout 5 tftp 127.0.0.1 "$tport" -c get "$1" got >/dev/null 2>&1 && [ -s got ]); }
for _ in $(seq 50); do tftp_get D1.conf && break; sleep 0.1; done
tftp_get D1.conf && grep -qx "display_name=New" "$work/got" || fail "tftpd did not serve the device file"
for hidden in zev.conf /zev.conf .zev-previous/zev.conf /.zev-previous/zev.conf .zev-lock .D1.conf.zev-new-1; do
    ! tftp_get "$hidden" || fail "tftpd served $hidden"
done
echo "serve: passed"
