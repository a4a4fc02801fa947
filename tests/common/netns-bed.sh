#!/usr/bin/env bash
# Network-namespace test bed: a client namespace and a server namespace joined by veth pairs,
# optionally the simulated server in the server namespace, and a test command in the client
# namespace. Everything is removed again on any exit. See tests/README.
#
#   netns-bed.sh [options] -- COMMAND [ARGS...]
#   netns-bed.sh --sweep          remove namespaces left behind by beds whose process is gone
#
# Options:
#   --links N             veth pairs (1..16, default 1). Link k: client "vc<k>" 198.18.k.1/24,
#                         MAC 02:00:c6:12:<k>:01; server "vs<k>" 198.18.k.2/24, MAC 02:00:c6:12:<k>:02
#   --resolv TEXT         resolv.conf of the client namespace (lines separated by "\n")
#   --hosts TEXT          /etc/hosts of the client namespace (lines separated by "\n")
#   --interfaces FILE     /etc/network/interfaces of the client namespace
#   --simserver           run the simulated server in the server namespace
#   --simserver-bin PATH  the simulated server's binary
#   --scenario FILE       its scenario (default: scenarios/default.json beside the binary's sources)
#   --sim-arg ARG         one more argument for the simulated server (repeatable)
#
# Exit status: the command's, 77 when the bed cannot be made here (not root, no "ip netns"),
# 1 when setting up failed.
set -u

SKIP=77
# The bed's own waits (the links' carrier, the simulated server's start) are hang guards: they end
# as soon as the awaited state is there and give up only after this many tenths of a second, as
# long as the tests' longest guard (tests/common/HangGuard.h, sanitizer build).
guard_tenths=1800
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
prefix=vkbed

say() { echo "netns-bed: $*" >&2; }

have_netns() {
    [ "$(id -u)" -eq 0 ] || { say "needs root: skipped"; return 1; }
    command -v ip >/dev/null 2>&1 || { say "no ip command: skipped"; return 1; }
    return 0
}

sweep() {
    local ns pid
    for ns in $(ip netns list 2>/dev/null | awk '{print $1}'); do
        case "$ns" in
            "$prefix"-*-[cs]) ;;
            *) continue ;;
        esac
        pid=${ns#"$prefix"-}
        pid=${pid%-*}
        case "$pid" in
            ''|*[!0-9]*) continue ;;
        esac
        if ! kill -0 "$pid" 2>/dev/null; then
            say "removing stale namespace $ns"
            ip netns del "$ns" 2>/dev/null
            rm -rf "/etc/netns/$ns"
        fi
    done
}

links=1
resolv=
hosts=
interfaces=
want_sim=0
sim_bin=
scenario=
sim_args=()
while [ $# -gt 0 ]; do
    case "$1" in
        --sweep) have_netns || exit $SKIP; sweep; exit 0 ;;
        --links) links=$2; shift 2 ;;
        --resolv) resolv=$2; shift 2 ;;
        --hosts) hosts=$2; shift 2 ;;
        --interfaces) interfaces=$2; shift 2 ;;
        --simserver) want_sim=1; shift ;;
        --simserver-bin) sim_bin=$2; shift 2 ;;
        --scenario) scenario=$2; shift 2 ;;
        --sim-arg) sim_args+=("$2"); shift 2 ;;
        --) shift; break ;;
        *) say "unknown option $1"; exit 1 ;;
    esac
done
[ $# -gt 0 ] || { say "no command given"; exit 1; }
case "$links" in
    [1-9]|1[0-6]) ;;
    *) say "--links must be 1..16"; exit 1 ;;
esac

have_netns || exit $SKIP

ns_c=$prefix-$$-c
ns_s=$prefix-$$-s
work=$(mktemp -d "${TMPDIR:-/tmp}/vkbed.XXXXXX") || exit 1
sim_pid=

cleanup() {
    local rc=$? i
    trap - EXIT INT TERM HUP
    if [ -n "$sim_pid" ] && kill -0 "$sim_pid" 2>/dev/null; then
        kill -TERM "$sim_pid" 2>/dev/null
        for i in $(seq 1 50); do
            kill -0 "$sim_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$sim_pid" 2>/dev/null
        wait "$sim_pid" 2>/dev/null
    fi
    if [ $rc -ne 0 ] && [ $rc -ne $SKIP ] && [ -s "$work/simserver.log" ]; then
        say "simulated server log (last lines):"
        tail -n 40 "$work/simserver.log" >&2
    fi
    ip netns del "$ns_c" 2>/dev/null
    ip netns del "$ns_s" 2>/dev/null
    rm -rf "/etc/netns/$ns_c" "/etc/netns/$ns_s" "$work"
    exit $rc
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# Stale beds of earlier runs that were killed before they could clean up.
sweep

if ! ip netns add "$ns_c" 2>"$work/err" || ! ip netns add "$ns_s" 2>>"$work/err"; then
    say "cannot create network namespaces: skipped ($(cat "$work/err"))"
    exit $SKIP
fi

fail() { say "$*"; exit 1; }

# Namespaces that cannot be entered, or no veth support: this machine cannot hold the bed.
if ! ip netns exec "$ns_c" true 2>"$work/err"; then
    say "cannot enter network namespaces: skipped ($(cat "$work/err"))"
    exit $SKIP
fi
if ! ip -n "$ns_c" link add vkprobe type veth peer name vkprobe-peer 2>"$work/err"; then
    say "no veth interfaces here: skipped ($(cat "$work/err"))"
    exit $SKIP
fi
ip -n "$ns_c" link del vkprobe

ip -n "$ns_c" link set lo up || fail "lo up (client)"
ip -n "$ns_s" link set lo up || fail "lo up (server)"
for ((k = 0; k < links; k++)); do
    hex=$(printf '%02x' "$k")
    # Created inside the namespaces, so names never meet the host's or another bed's.
    ip -n "$ns_c" link add "vc$k" address "02:00:c6:12:$hex:01" type veth \
        peer name "vs$k" address "02:00:c6:12:$hex:02" netns "$ns_s" || fail "veth $k"
    ip -n "$ns_c" addr add "198.18.$k.1/24" brd + dev "vc$k" || fail "address vc$k"
    ip -n "$ns_s" addr add "198.18.$k.2/24" brd + dev "vs$k" || fail "address vs$k"
    ip -n "$ns_c" link set "vc$k" up || fail "up vc$k"
    ip -n "$ns_s" link set "vs$k" up || fail "up vs$k"
done
# Without a default route an unbound send to 255.255.255.255 fails with ENETUNREACH.
ip -n "$ns_c" route add default via 198.18.0.2 dev vc0 || fail "default route (client)"
ip -n "$ns_s" route add default via 198.18.0.1 dev vs0 || fail "default route (server)"

# Files that "ip netns exec" mounts over /etc/resolv.conf, /etc/hosts and /etc/network.
if [ -n "$resolv" ]; then
    mkdir -p "/etc/netns/$ns_c" || fail "/etc/netns/$ns_c"
    printf '%b\n' "$resolv" >"/etc/netns/$ns_c/resolv.conf" || fail "resolv.conf"
fi
if [ -n "$hosts" ]; then
    mkdir -p "/etc/netns/$ns_c" || fail "/etc/netns/$ns_c"
    printf '%b\n' "$hosts" >"/etc/netns/$ns_c/hosts" || fail "hosts"
fi
if [ -n "$interfaces" ]; then
    # "ip netns exec" can only mount the file's directory over an /etc/network that exists; a
    # machine without ifupdown has none, so an empty one is made (and left: other beds may be
    # using it as their mount point at the same time).
    [ -d /etc/network ] || mkdir -p /etc/network || fail "/etc/network"
    mkdir -p "/etc/netns/$ns_c/network" || fail "/etc/netns/$ns_c/network"
    cp "$interfaces" "/etc/netns/$ns_c/network/interfaces" || fail "interfaces"
fi

# Wait until every link has its carrier on both ends.
for i in $(seq 1 "$guard_tenths"); do
    [ "$(ip -n "$ns_c" -o link show | grep -c 'vc[0-9]*@.*state UP')" -eq "$links" ] && break
    sleep 0.1
done

export VORK_NETNS_CLIENT=$ns_c
export VORK_NETNS_SERVER=$ns_s
export VORK_NETNS_LINKS=$links
export VORK_NETNS_WORKDIR=$work
export VORK_SIM_CAPTURE=$work/capture.jsonl
export VORK_SIM_CONTROL=$work/control.sock
[ -n "$sim_bin" ] && export VORK_SIMSERVER_BIN=$sim_bin

if [ $want_sim -eq 1 ]; then
    [ -x "$sim_bin" ] || fail "no simulated server binary (--simserver-bin)"
    [ -n "$scenario" ] || scenario=$here/../simserver/scenarios/default.json
    ip netns exec "$ns_s" "$sim_bin" --scenario "$scenario" --capture "$VORK_SIM_CAPTURE" \
        --control "$VORK_SIM_CONTROL" --ready-file "$work/sim.ready" "${sim_args[@]}" \
        >"$work/simserver.log" 2>&1 &
    sim_pid=$!
    for i in $(seq 1 "$guard_tenths"); do
        [ -e "$work/sim.ready" ] && break
        kill -0 "$sim_pid" 2>/dev/null || break
        sleep 0.1
    done
    [ -e "$work/sim.ready" ] || fail "simulated server did not start"
    export VORK_SIM_PID=$sim_pid
fi

ip netns exec "$ns_c" "$@"
