#!/usr/bin/env bash
# Runs a Qt Test executable with a limit for each of its test functions (each data row of a
# data-driven one, initTestCase and cleanupTestCase too), and lets nothing it started outlive it:
#
#   function-watch.sh SECONDS COMMAND [ARGS...]
#
# Qt's own limit per function (QTEST_FUNCTION_TIMEOUT) cannot be this in Qt 5.15: its watchdog
# thread starts a new limit only when it wakes between the end of one function and the start of
# the next, a moment it misses between back-to-back data rows and often between functions, so
# that one limit runs on over several of them. This script reads the test's own result lines
# instead: in Qt's text output every function or row ends with one (PASS, FAIL!, SKIP, ...), and
# from the test's start and from each such line the next one must come within SECONDS. When it
# does not, the script says so and sends the test SIGTERM: Qt's crash handler then fails the
# running function by its name ("Received signal 15"), with a stack trace where gdb is installed.
# A test that does not end within a minute after that is killed.
#
# The test runs as the leader of a session and process group of its own (the subshell of the
# process substitution leads no group, so setsid does not fork and $! stays the test's PID), and
# the helpers it starts (simulated servers, the program, copies of itself) are in that group.
# They share the test's output channels, so one left running would hold CTest's pipe open until
# CTest's own limit. When the test has ended, however it ended, or when this script is stopped,
# what is left of the group gets SIGTERM and, after two seconds, SIGKILL.
#
# The clock is bash's own (EPOCHSECONDS): nothing forks per line, so a burst of log lines does not
# hold up the test's logging threads. Standard error is passed on as it is; the exit status is the
# test's.
set -u

limit=$1
shift
exec {out}< <(exec setsid "$@")
pid=$!

end_group() {
    local i
    kill -TERM -- -$pid 2>/dev/null || return 0
    for ((i = 0; i < 20; i++)); do
        sleep 0.1
        kill -0 -- -$pid 2>/dev/null || return 0
    done
    kill -KILL -- -$pid 2>/dev/null
}
trap 'end_group; exit 130' INT
trap 'end_group; exit 143' TERM
trap 'end_group; exit 129' HUP

deadline=$((EPOCHSECONDS + limit))
last="the start of the test"
stopping=
while :; do
    if ((EPOCHSECONDS >= deadline)); then
        if [ -n "$stopping" ]; then
            echo "function-watch: the test did not end after SIGTERM; killing it"
            kill -KILL $pid 2>/dev/null
            break
        fi
        echo "QFATAL : Test function timed out: no result within $limit s after $last;" \
             "stopping the test (pid $pid) with SIGTERM"
        kill -TERM $pid 2>/dev/null
        stopping=1
        deadline=$((EPOCHSECONDS + 60))
        continue
    fi
    line=
    if IFS= read -r -t 1 line <&$out; then
        printf '%s\n' "$line"
        if [ -z "$stopping" ] &&
           [[ $line =~ ^(PASS|FAIL!|SKIP|XFAIL|XPASS|BPASS|BFAIL|BXPASS|BXFAIL)\ +:\  ]]; then
            deadline=$((EPOCHSECONDS + limit))
            last="\"$line\""
        fi
    elif [ $? -le 128 ]; then
        # The end of the output; a last line without a line break is passed on too.
        [ -n "$line" ] && printf '%s\n' "$line"
        break
    else
        # A second without a whole line: what came of one is passed on as it is. A helper the
        # test left behind may hold the output open after the test has ended.
        [ -n "$line" ] && printf '%s' "$line"
        kill -0 $pid 2>/dev/null || break
    fi
done
exec {out}<&-
wait $pid
rc=$?
end_group
exit $rc
