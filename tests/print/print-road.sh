#!/usr/bin/env bash
# The whole road through a real print server: a cupsd of our own on a loopback
# port, with its own configuration and spool folders and our backend, takes a
# PDF and a plain-text file printed to "Desklet-Fax" with lp, and each arrives in
# the job owner's inbox as a PDF of as many pages.
#
#   print-road.sh <tests' backend> <PPD>
#
# Exit 0: passed; 1: failed; 77: skipped (not root, or a tool is missing).
set -euo pipefail
export PATH=/usr/sbin:/usr/bin:/sbin:/bin LC_ALL=C

backend=$1
ppd=$2

skip() {
    echo "SKIP: $*"
    exit 77
}
[ "$(id -u)" -eq 0 ] || skip "the print server runs backends as root only when it is root itself"
for tool in cupsd:cups-daemon lpadmin:cups-client lp:cups-client lpstat:cups-client pdfinfo:poppler-utils; do
    command -v "${tool%%:*}" >/dev/null 2>&1 || skip "${tool%%:*} is not installed (Debian package ${tool#*:})"
done
if [ ! -x /usr/lib/cups/filter/pdftopdf ] || [ ! -x /usr/lib/cups/filter/texttopdf ]; then
    skip "the PDF filters are not installed (Debian package cups-filters)"
fi

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

port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
server=127.0.0.1:$port

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
cat >"$work/conf/cupsd.conf" <<CONF
LogLevel debug
Listen $server
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow from 127.0.0.1
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

cupsd -f -c "$work/conf/cupsd.conf" -s "$work/conf/cups-files.conf" &
cupsd_pid=$!
for _ in $(seq 1 100); do
    lpstat -h "$server" -r 2>/dev/null | grep -qx "scheduler is running" && break
    kill -0 "$cupsd_pid" 2>/dev/null || fail "cupsd ended at its start"
    sleep 0.1
done
lpstat -h "$server" -r 2>/dev/null | grep -qx "scheduler is running" || fail "cupsd did not answer within 10 s"

# The same line as the README's and the package's.
lpadmin -h "$server" -p Desklet-Fax -E -v desklet:/ -P "$ppd" -D "Fax (Desklet)" \
    -o printer-error-policy=abort-job || fail "lpadmin"

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

lp -h "$server" -d Desklet-Fax -t "Three pages" "$work/three.pdf" >/dev/null || fail "lp of the PDF"
lp -h "$server" -d Desklet-Fax -t "note.txt" "$work/note.txt" >/dev/null || fail "lp of the text"

inbox=$work/inboxes/$(id -u)
for _ in $(seq 1 150); do
    [ "$(find "$inbox" -maxdepth 1 -name 'QUILLTMP-*.pdf' 2>/dev/null | wc -l)" -ge 2 ] && break
    sleep 0.2
done

check() { # check <name pattern> <pages>
    local file
    file=$(find "$inbox" -maxdepth 1 -name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$file" ] || fail "nothing named $1 arrived in $inbox within 30 s: $(ls -A "$inbox" 2>&1 | tr '\n' ' ')"
    [ "$(stat -c '%a %u' "$file")" = "600 $(id -u)" ] || fail "$file is $(stat -c '%a %u' "$file")"
    [ "$(pdfinfo "$file" | awk '/^Pages:/ { print $2 }')" = "$2" ] || fail "$file has not $2 page(s)"
}
check 'QUILLTMP-*-Three pages.pdf' 3
check 'QUILLTMP-*-note.txt.pdf' 1
[ "$(stat -c '%a' "$inbox")" = 700 ] || fail "the inbox is not mode 0700"
[ -z "$(find "$inbox" -name '.*' -o -type l)" ] || fail "something half-written or a link was left in the inbox"
echo passed
