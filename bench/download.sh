#!/usr/bin/env bash
# Download benchmark: a 200 MB file from the local server, through each engine
# and through curl; prints the throughput ratios and the engines' peak memory.
# Not a test: it only reports. Environment: BUILD (build directory), RUNS, SIZE_MB.
# The runs are interleaved and both the median and the best run are shown, because
# other work on the machine slows single runs down.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build-bench}
RUNS=${RUNS:-5}
SIZE_MB=${SIZE_MB:-200}
CA=$PWD/tests/support/certs/ca.pem

cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target velkor_posluzitelj velkor_bench_download >/dev/null

work=$(mktemp -d)
server=
cleanup() {
    [ -n "$server" ] && kill "$server" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/srv" "$work/app/Update" "$work/curl"
head -c "${SIZE_MB}M" /dev/urandom >"$work/srv/paket.bin"
printf 'Verzije;22;1;1;0;0;\r\n' >"$work/srv/Verzije.txt"
bytes=$(stat -c %s "$work/srv/paket.bin")

"$BUILD/tests/velkor_posluzitelj" --dir "$work/srv" >"$work/port" &
server=$!
for _ in $(seq 50); do [ -s "$work/port" ] && break; sleep 0.1; done
port=$(head -n1 "$work/port")
host=127.0.0.1:$port
url=download/Verzija22/paket.bin
echo "file: $bytes bytes, server: $host, runs: $RUNS"

# Median of the numbers on stdin.
median() { sort -g | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

curl_once() { # $1: name, then curl's arguments; appends the seconds to $work/$1.t
    local name=$1
    shift
    curl -sS --fail -o "$work/curl/paket.bin" -w '%{time_total}\n' "$@" >>"$work/$name.t"
    cmp -s "$work/curl/paket.bin" "$work/srv/paket.bin" || { echo "$name: wrong bytes" >&2; exit 1; }
}

engine_once() { # $1: https or http; appends the seconds and the memory line
    "$BUILD/bench/velkor_bench_download" --engine "$1" --host "$host" --ca "$CA" \
        --dir "$work/app" --warmup Verzije.txt --file paket.bin --repeat 1 >"$work/out"
    cmp -s "$work/app/Update/paket.bin" "$work/srv/paket.bin" || { echo "$1: wrong bytes" >&2; exit 1; }
    awk '/^run / {print $4}' "$work/out" >>"$work/$1.t"
    awk '/^idle/ {print $6}' "$work/out" >>"$work/$1.m"
}

# Interleaved, so that whatever else the machine does falls on all of them alike.
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
for _ in $(seq "$RUNS"); do
    curl_once curl-https --cacert "$CA" "https://$host/$url"
    engine_once https
    curl_once curl-http "http://$host/$url"
    engine_once http
done

report() { # name, engine, curl
    local e c eb cb m
    e=$(median <"$work/$2.t")
    c=$(median <"$work/$3.t")
    eb=$(sort -g "$work/$2.t" | head -n1)
    cb=$(sort -g "$work/$3.t" | head -n1)
    m=$(sort -g "$work/$2.m" | tail -n1)
    awk -v n="$1" -v e="$e" -v c="$c" -v eb="$eb" -v cb="$cb" -v b="$bytes" -v m="$m" 'BEGIN {
        printf "%-12s median %6.1f MB/s (curl %6.1f) ratio %.2f | best %6.1f MB/s (curl %6.1f) ratio %.2f | peak above idle %.1f MB\n",
               n, b / e / 1e6, b / c / 1e6, c / e, b / eb / 1e6, b / cb / 1e6, cb / eb, m / 1024 }'
}
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "$RUNS runs each; ratio = engine throughput / curl throughput"
report DownChilkat https curl-https
report DownInet http curl-http
