#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, address and undefined-
# behaviour sanitizers) and runs each for SECONDS (default 20), seeded from
# the shipped files of data/. Any crash or sanitizer report fails the run;
# the input that caused it is kept in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DVYLORA_FUZZ=ON -DVYLORA_TESTS=OFF "${launcher[@]}"
targets=(inidocument chartfile languagefile matchnote numericvalue requesthead requeststream)
cmake --build build-fuzz -j2 --target "${targets[@]/#/fuzz_}"

corpus=build-fuzz/corpus
rm -rf "$corpus"
for t in "${targets[@]}"; do mkdir -p "$corpus/$t"; done
cp data/VYL*.ini "$corpus/inidocument/"
cp data/VYL*.ini "$corpus/chartfile/"
cp data/lang*.txt "$corpus/languagefile/"
# Requests as browsers, curl and the editor send them, and a form.
printf 'GET /VYL2010.ini HTTP/1.1\r\nHost: x\r\nAccept: */*\r\n\r\n' > "$corpus/requesthead/get"
printf 'POST /expvyl2010.php?mdp=x HTTP/1.1\r\nContent-Length: 12\r\nContent-Type: text/plain\r\n\r\n[ButA]\r\n0=1' \
    > "$corpus/requesthead/post"
printf 'multipart/form-data; boundary=b\n--b\r\nContent-Disposition: form-data; name="fichier"\r\n\r\n[ButA]\r\n--b--\r\n' \
    > "$corpus/requesthead/form"
# Streams of requests: pipelined, with bodies, and the framings two readers
# could split differently.
printf 'GET /a HTTP/1.1\r\nHost: x\r\n\r\nPOST /up HTTP/1.1\r\nContent-Length: 5\r\n\r\nhelloGET /b HTTP/1.0\r\n\r\n' \
    > "$corpus/requeststream/pipelined"
printf 'POST /up HTTP/1.1\r\nContent-Length : 20\r\n\r\nGET /x HTTP/1.1\r\n\r\n' > "$corpus/requeststream/space"
printf 'GET / HTTP/1.1\r\nX: 1\r\n Content-Length: 20\r\n\r\nGET /x HTTP/1.1\r\n\r\n' > "$corpus/requeststream/fold"
printf 'GET / HTTP/1.1\r\nConnection: close\r\n\r\nGET /x HTTP/1.1\r\n\r\n' > "$corpus/requeststream/close"
# One seed per match note and per stored score of the shipped chart.
n=0
sed -n '/^\[Match\]/,/^\[/{s/^[0-9]*=//p}' data/VYL2010.ini | tr -d '\r' | while IFS= read -r note; do
    n=$((n + 1)); printf '%s' "$note" > "$corpus/matchnote/note$n"
done
# sed, not head, takes the first 50: it reads to the end, so sort never writes into a closed pipe.
sed -n 's/^[0-9]*=//p' data/VYL2010.ini | tr -d '\r' | sort -u | sed -n 1,50p | while IFS= read -r value; do
    n=$((n + 1)); printf '%s' "$value" > "$corpus/numericvalue/value$n"
done

for t in "${targets[@]}"; do
    echo "== fuzz_$t for ${seconds}s"
    build-fuzz/tests/fuzz/fuzz_$t -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix=build-fuzz/"$t"- -print_final_stats=0 "$corpus/$t" 2>&1 | tail -3
done
