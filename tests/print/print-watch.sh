#!/usr/bin/env bash
# The session's watcher: the first document makes the inbox appear and is picked
# up, a later one arrives by rename as the backend delivers it, a job held for a
# full inbox leaves its note, each starts the dialog program once; a second
# watcher of the same user leaves at once. A kept fax already due starts the
# outbox's sender once.
#
#   print-watch.sh <desklet-print-watch>
set -euo pipefail

watcher=$1
work=$(mktemp -d)
watch_pid=
finish() {
    if [ -n "$watch_pid" ]; then
        kill "$watch_pid" 2>/dev/null || true
        wait "$watch_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap finish EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

export DESKLET_SPOOL_ROOT=$work/spool XDG_RUNTIME_DIR=$work/run XDG_DATA_HOME=$work/data
mkdir -p "$DESKLET_SPOOL_ROOT" "$XDG_RUNTIME_DIR" "$XDG_DATA_HOME/Quillmark/Desklet"
# The outbox's table as far as the watcher reads it, with one job due an hour ago.
/usr/bin/python3 - "$XDG_DATA_HOME/Quillmark/Desklet/desklet.sqlite" <<'PY'
import sqlite3, sys, time
db = sqlite3.connect(sys.argv[1])
db.execute("CREATE TABLE fax_job (id INTEGER PRIMARY KEY, state TEXT, next_attempt_at INTEGER, lease_until INTEGER)")
db.execute("INSERT INTO fax_job (state, next_attempt_at) VALUES ('waiting', ?)", (int(time.time() * 1000) - 3600000,))
db.commit()
PY
inbox=$DESKLET_SPOOL_ROOT/$(id -u)

# Stands in for `desklet --print-jobs`: notes the run, takes every document and
# tells of every held job; and for `desklet --flush-outbox`, which notes its run
# and sends the job.
cat >"$work/dialogs" <<SCRIPT
#!/bin/sh
if [ "\$1" = --flush-outbox ]; then
    echo flush >>"$work/flushes"
    /usr/bin/python3 -c 'import sqlite3, sys; d = sqlite3.connect(sys.argv[1]); d.execute("UPDATE fax_job SET state = \x27sent\x27"); d.commit()' "\$XDG_DATA_HOME/Quillmark/Desklet/desklet.sqlite"
    exit 0
fi
[ "\$1" = --print-jobs ] || exit 2
echo run >>"$work/runs"
rm -f "$inbox"/QUILLTMP-*.pdf "$inbox"/.QUILLTMP-*.held
SCRIPT
chmod 0755 "$work/dialogs"

runs() { [ -f "$work/runs" ] && wc -l <"$work/runs" || echo 0; }
wait_runs() { # wait_runs <count>: up to 10 s
    for _ in $(seq 1 100); do
        [ "$(runs)" -ge "$1" ] && [ -z "$(find "$inbox" -maxdepth 1 \( -name 'QUILLTMP-*' -o -name '.QUILLTMP-*.held' \) 2>/dev/null)" ] && return 0
        sleep 0.1
    done
    fail "expected $1 run(s) and an empty inbox, saw $(runs) and: $(ls -A "$inbox" 2>&1 | tr '\n' ' ')"
}

"$watcher" "$work/dialogs" &
watch_pid=$!
sleep 0.5
kill -0 "$watch_pid" || fail "the watcher ended by itself"

timeout 5 "$watcher" "$work/dialogs" || fail "a second watcher of the same user did not leave at once"

# The kept fax due since before the login goes at once, once.
for _ in $(seq 1 100); do
    [ -f "$work/flushes" ] && break
    sleep 0.1
done
[ -f "$work/flushes" ] || fail "the due fax did not start the outbox's sender"

# The first document ever: the inbox appears with it.
mkdir -m 0700 "$inbox"
echo "%PDF-1.4 first" >"$inbox/QUILLTMP-1-first.pdf"
wait_runs 1

# Then as the backend delivers: written under a hidden name, renamed when whole.
echo "%PDF-1.4 second" >"$inbox/.QUILLTMP-2.part"
sleep 0.3
[ "$(runs)" -eq 1 ] || fail "a half-written document started the dialogs"
mv "$inbox/.QUILLTMP-2.part" "$inbox/QUILLTMP-2-second.pdf"
wait_runs 2

# A job held for a full inbox: its note alone is reason to run.
echo "third.pdf" >"$inbox/.QUILLTMP-3.held"
wait_runs 3
[ "$(wc -l <"$work/flushes")" -eq 1 ] || fail "the outbox's sender ran $(wc -l <"$work/flushes") times for one job"
echo passed
