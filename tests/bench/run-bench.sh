#!/bin/sh
# The benchmark: the program's speed figures, each against a baseline measured in the same run on
# the same machine. Not part of the test suite (CTest never runs it); see tests/README.md.
#
#   tests/bench/run-bench.sh [BUILD_DIR]      (default: ./build; needs root for the namespace bed)
#
# Prints one report line per figure. The measuring program's own output goes to a log that is
# shown when a part fails.
set -u

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd) || exit 2
bench=$build/tests/bench/vork_bench.d/vork_bench
simserver=$build/tests/simserver/simserver
bed=$root/tests/common/netns-bed.sh
units=1000

for f in "$bench" "$simserver"; do
    if [ ! -x "$f" ]; then
        echo "run-bench: $f is missing: build first (cmake --build $build)" >&2
        exit 2
    fi
done
if [ "$(id -u)" -ne 0 ]; then
    echo "run-bench: the namespace bed needs root" >&2
    exit 2
fi

work=$(mktemp -d /tmp/vork-bench.XXXXXX) || exit 2
trap 'rm -rf "$work"' EXIT INT TERM
chmod 755 "$work"
log=$work/bench.log
: >"$log"
status=0

# The value after NAME in a line of "name value" pairs.
field() {
    printf '%s\n' "$1" | awk -v k="$2" '{ for (i = 1; i < NF; i++) if ($i == k) { print $(i + 1); exit } }'
}

ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'
}

# Runs the measuring program (arguments as given) and returns its last line on stdout; the rest
# goes to the log. A failure is reported and remembered.
measure() {
    name=$1
    shift
    echo "== $name: $*" >>"$log"
    out=$("$@" 2>>"$log" | tee -a "$log" | tail -n 1)
    case $out in
    "" | error*)
        echo "  $name: FAILED (${out:-no result}); log follows" >&2
        sed 's/^/    /' "$log" >&2
        status=1
        return 1
        ;;
    esac
    printf '%s\n' "$out"
}

# A home of its own for each user the burst runs as.
home_for() {
    dir=$work/home-$1
    mkdir -p "$dir/.config" "$dir/tmp"
    chown -R "$1" "$dir" 2>/dev/null || true
    chmod 700 "$dir"
    printf '%s\n' "$dir"
}

echo "VRVornakeeper benchmark, $(date '+%Y-%m-%d %H:%M'), $(uname -r), $(nproc) CPUs," \
     "load $(cut -d' ' -f1-3 /proc/loadavg), net.core.rmem_max $(cat /proc/sys/net/core/rmem_max)"

"$bench" scenario "$work/units.json" "$units" 2>>"$log" || { echo "run-bench: no scenario" >&2; exit 1; }
chmod 644 "$work/units.json"

echo "Discovery burst: $units units answer both copies of one search (bound and unbound) at once; the"
echo "finder page and the discovery thread take them (baseline: the units, and the answers they sent)."
for user in root nobody; do
    home=$(home_for "$user")
    if [ "$user" = root ]; then
        as=""
    else
        as="setpriv --reuid=nobody --regid=nogroup --clear-groups --"
    fi
    for debug in off on; do
        extra=""
        [ "$debug" = on ] && extra="--debug $home/debug.txt"
        # shellcheck disable=SC2086
        line=$(measure "burst $user debug $debug" "$bed" --simserver-bin "$simserver" --simserver \
            --scenario "$work/units.json" -- env HOME="$home" XDG_CONFIG_HOME="$home/.config" \
            XDG_RUNTIME_DIR="$home/tmp" TMPDIR="$home/tmp" $as "$bench" burst --units "$units" $extra) || continue
        printf '  %s, debug log %s: listed %s of %s units, %s of %s answers; GUI longest stall %s ms (idle page: %s ms); receive buffer %s bytes\n' \
            "$user" "$debug" "$(field "$line" listed)" "$(field "$line" units)" \
            "$(field "$line" answers)" "$(field "$line" expected)" "$(field "$line" stall_ms)" \
            "$(field "$line" idle_stall_ms)" "$(field "$line" rcvbuf)"
    done
done

if line=$(measure reader "$bench" reader); then
    printf 'Packet reader: %s answers/s read into records (baseline: clearing a record and copying the %s-byte answer, %s/s; ratio %s)\n' \
        "$(field "$line" reader_pps)" "$(field "$line" answer_bytes)" "$(field "$line" copy_pps)" "$(field "$line" ratio)"
fi

if line=$(measure loop "$bed" -- "$bench" loop); then
    printf 'Listening loop, %s answers flooded on loopback: %s answers/s handed on, %s taken (baseline: a bare batch receive, %s/s, %s taken; ratio %s)\n' \
        "$(field "$line" sent)" "$(field "$line" loop_pps)" "$(field "$line" loop_received)" \
        "$(field "$line" bare_pps)" "$(field "$line" bare_received)" \
        "$(ratio "$(field "$line" loop_pps)" "$(field "$line" bare_pps)")"
fi

if line=$(measure upload "$bed" -- env TMPDIR="$work" "$bench" upload --mib 256); then
    printf 'Patch upload, %s MiB over loopback: %s MB/s (baseline: a plain push of the same file, %s MB/s; ratio %s)\n' \
        "$(field "$line" mib)" "$(field "$line" upload_mbs)" "$(field "$line" push_mbs)" "$(field "$line" ratio)"
fi

home=$(home_for root)
if line=$(measure photo "$bed" -- env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/tmp" \
    TMPDIR="$home/tmp" "$bench" photo); then
    printf 'Photo upload, %s files of %s MiB to the simulated server: %s MB/s (baseline: curl -T of the same files, %s MB/s; ratio %s)\n' \
        "$(field "$line" files)" "$(field "$line" mib)" "$(field "$line" upload_mbs)" "$(field "$line" curl_mbs)" \
        "$(field "$line" ratio)"
fi

if line=$(measure convert env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/tmp" \
    TMPDIR="$home/tmp" "$bench" convert); then
    printf 'Image converter, 4000x3000 JPEG uploaded: %s ms (baseline: its %s tool runs started bare, %s ms; ratio %s)\n' \
        "$(field "$line" image_ms)" "$(field "$line" image_runs)" "$(field "$line" image_bare_ms)" \
        "$(ratio "$(field "$line" image_ms)" "$(field "$line" image_bare_ms)")"
    printf 'Video converter, 5 s clip in four profiles: %s ms (baseline: its %s tool runs started bare, %s ms; ratio %s)\n' \
        "$(field "$line" video_ms)" "$(field "$line" video_runs)" "$(field "$line" video_bare_ms)" \
        "$(ratio "$(field "$line" video_ms)" "$(field "$line" video_bare_ms)")"
fi

exit $status
