#!/usr/bin/env bash
# The whole road through a real print server: a cupsd of our own on a local
# socket, with its own configuration and spool folders and our backend, and the
# queue "Desklet-Fax" set up as the package sets it up. A PDF and a plain-text
# file printed with lp each arrive in the job owner's inbox as a PDF of as many
# pages; a user other than root prints without a password; a job that names
# another user than the one printing, or that is not a PDF, reaches no inbox; a
# job past a full inbox is held, and delivered once released.
#
#   print-road.sh <tests' backend> <PPD> <the package's postinst>
#
# Exit 0: passed; 1: failed; 77: skipped (not root, or a tool is missing).
set -euo pipefail
export PATH=/usr/sbin:/usr/bin:/sbin:/bin LC_ALL=C

backend=$1
ppd=$2
postinst=$3

skip() {
    echo "SKIP: $*"
    exit 77
}
[ "$(id -u)" -eq 0 ] || skip "the print server runs backends as root only when it is root itself"
for tool in cupsd:cups-daemon lpadmin:cups-client lp:cups-client lpstat:cups-client lpoptions:cups-client \
    pdfinfo:poppler-utils setpriv:util-linux setsid:util-linux; do
    command -v "${tool%%:*}" >/dev/null 2>&1 || skip "${tool%%:*} is not installed (Debian package ${tool#*:})"
done
if [ ! -x /usr/lib/cups/filter/pdftopdf ] || [ ! -x /usr/lib/cups/filter/texttopdf ]; then
    skip "the PDF filters are not installed (Debian package cups-filters)"
fi
# Someone other than root to print as, and to be printed for.
id nobody >/dev/null 2>&1 || skip "there is no user nobody to print as"
other_uid=$(id -u nobody)
other_gid=$(id -g nobody)

work=$(mktemp -d)
cupsd_pid=
finish() {
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null || true
        wait "$cupsd_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap finish EXIT
fail() {
    echo "FAIL: $*"
    echo "--- the print server's log:"
    grep -v '^d ' "$work/log/error_log" | tail -n 80 2>/dev/null || true
    exit 1
}

# The filters run as the server's unprivileged user and must reach the spool.
chmod 0755 "$work"
mkdir -p "$work"/{conf/ppd,spool/tmp,cache,state,log,bin/backend}
ln -s /usr/lib/cups/filter "$work/bin/filter"
ln -s /usr/lib/cups/daemon "$work/bin/daemon"
# Run as root by the server only when nobody else may execute it, as installed.
install -m 0700 "$backend" "$work/bin/backend/desklet"
install -d -m 0711 "$work/inboxes"

# The local socket, where the print server knows who is at the other end; as on
# a desktop, where the print system's clients use the socket by default.
server=$work/cups.sock

cat >"$work/conf/cups-files.conf" <<CONF
ServerRoot $work/conf
RequestRoot $work/spool
TempDir $work/spool/tmp
CacheDir $work/cache
StateDir $work/state
ServerBin $work/bin
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
Printcap $work/printcap
FileDevice No
SetEnv DESKLET_SPOOL_ROOT $work/inboxes
CONF
# The print system's own policy "authenticated", which the package's queue uses:
# whoever creates a job proves who they are, a local client by the socket's peer
# credentials.
policy=$(sed -n '/^<Policy authenticated>/,/^<\/Policy>/p' /etc/cups/cupsd.conf 2>/dev/null || true)
[ -n "$policy" ] || skip "/etc/cups/cupsd.conf has no policy \"authenticated\" (Debian's cupsd.conf has it)"
cat >"$work/conf/cupsd.conf" <<CONF
LogLevel debug
Listen $server
Browsing No
WebInterface No
DefaultAuthType Basic
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
$policy
CONF

cupsd -f -c "$work/conf/cupsd.conf" -s "$work/conf/cups-files.conf" &
cupsd_pid=$!
for _ in $(seq 1 100); do
    lpstat -h "$server" -r 2>/dev/null | grep -qx "scheduler is running" && break
    kill -0 "$cupsd_pid" 2>/dev/null || fail "cupsd ended at its start"
    sleep 0.1
done
lpstat -h "$server" -r 2>/dev/null | grep -qx "scheduler is running" || fail "cupsd did not answer within 10 s"

# The queue's options as the package sets them (the README's line has the same).
options=()
while read -r option; do
    options+=(-o "$option")
done < <(grep -o -- '-o printer-[a-z-]*=[a-z-]*' "$postinst" | sed 's/^-o //')
[ "${#options[@]}" -gt 0 ] || fail "no queue options found in $postinst"
lpadmin -h "$server" -p Desklet-Fax -E -v desklet:/ -P "$ppd" -D "Fax (Desklet)" "${options[@]}" || fail "lpadmin"
lpoptions -h "$server" -p Desklet-Fax | grep -q 'printer-is-shared=false' || fail "the queue is shared on the network"

# A PDF of three pages, and a page of text.
/usr/bin/python3 - "$work/three.pdf" <<'PY'
import sys
pages = 3
objects = ["<< /Type /Catalog /Pages 2 0 R >>",
           "<< /Type /Pages /Kids [%s] /Count %d >>" % (" ".join("%d 0 R" % (4 + 2 * i) for i in range(pages)), pages),
           "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"]
for i in range(pages):
    stream = "BT /F1 24 Tf 72 700 Td (Page %d) Tj ET" % (i + 1)
    objects.append("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Resources << /Font << /F1 3 0 R >> >> "
                   "/Contents %d 0 R >>" % (5 + 2 * i))
    objects.append("<< /Length %d >>\nstream\n%s\nendstream" % (len(stream), stream))
out = b"%PDF-1.4\n"
offsets = []
for number, body in enumerate(objects, 1):
    offsets.append(len(out))
    out += b"%d 0 obj\n%s\nendobj\n" % (number, body.encode())
xref = len(out)
out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
out += b"".join(b"%010d 00000 n \n" % o for o in offsets)
out += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(objects) + 1, xref)
open(sys.argv[1], "wb").write(out)
PY
printf 'To: Accounts\nPlease find the figures below.\n' >"$work/note.txt"
[ "$(pdfinfo "$work/three.pdf" | awk '/^Pages:/ { print $2 }')" = 3 ] || fail "the test's own PDF is not three pages"

# Prints as root, or as nobody with "as-other"; no terminal, so that a password
# asked for is a password not given.
print_job() { # print_job [as-other] <lp arguments...>
    local as=()
    if [ "$1" = as-other ]; then
        as=(setpriv --reuid="$other_uid" --regid="$other_gid" --clear-groups)
        shift
    fi
    setsid -w "${as[@]}" lp -h "$server" -d Desklet-Fax "$@" </dev/null 2>&1
}
job_id() { sed -n 's/^request id is Desklet-Fax-\([0-9]*\) .*/\1/p'; }
# Waits up to 30 s until no job of the queue is pending or printing.
wait_idle() {
    for _ in $(seq 1 150); do
        [ -z "$(lpstat -h "$server" -o Desklet-Fax 2>/dev/null)" ] && return 0
        lpstat -h "$server" -l -o Desklet-Fax 2>/dev/null | grep -q 'held' && return 0
        sleep 0.2
    done
    fail "the queue is still busy after 30 s: $(lpstat -h "$server" -l -o Desklet-Fax 2>&1 | tr '\n' ' ')"
}

inbox=$work/inboxes/$(id -u)
other_inbox=$work/inboxes/$other_uid

print_job -t "Three pages" "$work/three.pdf" >/dev/null || fail "lp of the PDF"
print_job -t "note.txt" "$work/note.txt" >/dev/null || fail "lp of the text"
print_job as-other -t "Own report" "$work/three.pdf" >/dev/null || fail "nobody cannot print without a password"
# Naming another user than the one printing: the print server asks for that
# user's password, and nobody gives it.
out=$(print_job -U nobody -t "Sign and fax back" "$work/three.pdf") && fail "root printed as nobody: $out"
out=$(print_job as-other -U root -t "Sign and fax back" "$work/three.pdf") && fail "nobody printed as root: $out"
# Raw, past the filters that make a PDF.
print_job -o raw -t "raw.txt" "$work/note.txt" >/dev/null || fail "lp of the raw text"
wait_idle

check() { # check <inbox> <owner's uid> <name pattern> <pages>
    local file
    file=$(find "$1" -maxdepth 1 -name "$3" 2>/dev/null | head -n 1 || true)
    [ -n "$file" ] || fail "nothing named $3 arrived in $1 within 30 s: $(ls -A "$1" 2>&1 | tr '\n' ' ')"
    [ "$(stat -c '%a %u' "$file")" = "600 $2" ] || fail "$file is $(stat -c '%a %u' "$file")"
    [ "$(pdfinfo "$file" | awk '/^Pages:/ { print $2 }')" = "$4" ] || fail "$file has not $4 page(s)"
}
check "$inbox" "$(id -u)" 'QUILLTMP-*-Three pages.pdf' 3
check "$inbox" "$(id -u)" 'QUILLTMP-*-note.txt.pdf' 1
check "$other_inbox" "$other_uid" 'QUILLTMP-*-Own report.pdf' 3
[ "$(find "$inbox" "$other_inbox" -name 'QUILLTMP-*' | wc -l)" -eq 3 ] ||
    fail "more arrived than was printed by its owner as a PDF: $(ls -A "$inbox" "$other_inbox" | tr '\n' ' ')"
[ "$(stat -c '%a' "$inbox")" = 700 ] || fail "the inbox is not mode 0700"

# A full inbox holds the job in the queue and says so in the inbox; released once
# there is room, the job arrives.
for i in $(seq 1 50); do
    : >"$other_inbox/QUILLTMP-$((1000 + i))-waiting.pdf"
done
id=$(print_job as-other -t "Past the limit" "$work/three.pdf" | job_id || true)
[ -n "$id" ] || fail "lp of the job past the limit"
wait_idle
lpstat -h "$server" -l -o Desklet-Fax | grep -q "^Desklet-Fax-$id " || fail "job $id past the limit was not kept"
[ "$(cat "$other_inbox/.QUILLTMP-$id.held" 2>/dev/null)" = "Past the limit.pdf" ] ||
    fail "no note on the held job $id: $(ls -A "$other_inbox" | tr '\n' ' ')"
rm -f "$other_inbox"/QUILLTMP-10*-waiting.pdf
out=$(setsid -w setpriv --reuid="$other_uid" --regid="$other_gid" --clear-groups \
    lp -h "$server" -i "$id" -H resume </dev/null 2>&1) || fail "nobody cannot release their own job: $out"
for _ in $(seq 1 150); do
    [ -n "$(find "$other_inbox" -name "QUILLTMP-$id-*")" ] && break
    sleep 0.2
done
check "$other_inbox" "$other_uid" "QUILLTMP-$id-Past the limit.pdf" 3
[ -z "$(find "$inbox" "$other_inbox" -name '.*' -o -type l)" ] ||
    fail "something half-written, a note or a link was left: $(ls -A "$inbox" "$other_inbox" | tr '\n' ' ')"
echo passed
