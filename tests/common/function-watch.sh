#!/usr/bin/env bash
# Runs a Qt Test executable with a limit for each of its test functions (each data row of a
# data-driven one, initTestCase and cleanupTestCase too):
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
# A test that does not end within a minute after that is killed. Standard error is passed on as it is; the exit status
# is the test's.
set -u

limit=$1
shift
exec {out}< <(exec "$@")
pid=$!

now() { echo "${EPOCHREALTIME%.*}"; }

deadline=$(($(now) + limit))
last="the start of the test"
stopping=
while :; do
    if [ $(now) -ge $deadline ]; then
        if [ -n "$stopping" ]; then
            echo "function-watch: the test did not end after SIGTERM; killing it"
            kill -KILL $pid 2>/dev/null
            break
        fi
        echo "QFATAL : Test function timed out: no result within $limit s after $last;" \
             "stopping the test (pid $pid) with SIGTERM"
        kill -TERM $pid 2>/dev/null
        stopping=1
        deadline=$(($(now) + 60))
        continue
    fi
    line=
    if IFS= read -r -t 1 line <&$out; then
        printf '%s\n' "$line"
        if [ -z "$stopping" ] &&
           [[ $line =~ ^(PASS|FAIL!|SKIP|XFAIL|XPASS|BPASS|BFAIL|BXPASS|BXFAIL)\ +:\  ]]; then
            deadline=$(($(now) + limit))
            last="\"$line\""
        fi
    elif [ $? -le 128 ]; then
        # The end of the output; a last line without a line break is passed on too.
        [ -n "$line" ] && printf '%s\n' "$line"
        break
    else
        # A second without a whole line: what came of one is passed on as it is. A process the
        # test left behind may hold the output open after the test has ended.
        [ -n "$line" ] && printf '%s' "$line"
        kill -0 $pid 2>/dev/null || break
    fi
done
exec {out}<&-
wait $pid
