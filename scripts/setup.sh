#!/usr/bin/env bash
# Installs what the build needs on Debian 12 (as root) and builds into build/:
# the targets named as arguments, or everything.
set -euo pipefail
cd "$(dirname "$0")/.."

# libqt6network6 carries Qt's OpenSSL backend, which loads libssl3 at run
# time: the server's HTTPS and the program's https updates need it; the
# tests make their certificate with openssl. The package build (cpack) reads
# the programs' library needs with file and dpkg-shlibdeps. CI publishes
# through the shipped nginx site with curl. The pool keeps its players
# through Qt SQL's SQLite and PostgreSQL drivers; its tests start a
# throwaway PostgreSQL cluster. The layer check and the language files'
# generator are Python.
packages=(cmake ninja-build g++ qt6-base-dev qt6-httpserver-dev qt6-websockets-dev libgl-dev fonts-dejavu-core
          fonts-liberation libssl3 openssl nginx curl qt6-translations-l10n tzdata file dpkg-dev
          libqt6sql6-sqlite libqt6sql6-psql postgresql python3)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2 ${1:+--target "$@"}
