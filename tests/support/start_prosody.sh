#!/bin/bash
# Starts a Jabber server of the tests' own in the foreground: start_prosody.sh FOLDER PORT ACCOUNT...
# FOLDER gets a certificate authority (ca.pem) and a certificate for the domain shelvy.test signed
# by it, the configuration, the data; every ACCOUNT is "name:password" on shelvy.test.  The server
# takes client connections on 127.0.0.1:PORT only, with TLS required, and talks to no other server.
# It logs to FOLDER/prosody.log from the level PROSODY_LOG_LEVEL (warn unless set; info names every login).
set -euo pipefail
folder=$1 port=$2
shift 2
domain=shelvy.test
mkdir -p "$folder/data"
chmod 700 "$folder" "$folder/data"
cd "$folder"

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Shelvy test authority" \
    -keyout ca.key -out ca.pem 2>/dev/null
openssl req -newkey rsa:2048 -nodes -subj "/CN=$domain" -keyout server.key -out server.csr 2>/dev/null
printf 'subjectAltName=DNS:%s\n' "$domain" > server.ext
openssl x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 \
    -extfile server.ext -out server.pem 2>/dev/null
chmod 600 server.key ca.key

cat > prosody.cfg.lua <<CONFIG
run_as_root = true
daemonize = false
pidfile = "$folder/prosody.pid"
data_path = "$folder/data"
plugin_paths = {}
modules_enabled = { "roster", "saslauth", "tls", "disco", "ping" }
modules_disabled = { "s2s", "offline", "c2s_limits" }
authentication = "internal_hashed"
c2s_require_encryption = true
allow_unencrypted_plain_auth = false
c2s_ports = { $port }
c2s_interfaces = { "127.0.0.1" }
s2s_ports = {}
http_ports = {}
https_ports = {}
component_ports = {}
log = { { levels = { min = "${PROSODY_LOG_LEVEL:-warn}" }, to = "file", filename = "$folder/prosody.log" } }
certificates = "$folder"
VirtualHost "$domain"
    ssl = { key = "$folder/server.key", certificate = "$folder/server.pem" }
CONFIG

for account in "$@"; do
    name=${account%%:*} password=${account#*:}
    printf '%s\n%s\n' "$password" "$password" | prosodyctl --config "$folder/prosody.cfg.lua" \
        adduser "$name@$domain" >/dev/null 2>&1
done
exec prosody --config "$folder/prosody.cfg.lua"
