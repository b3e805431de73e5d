#!/usr/bin/env bash
# Makes sure a real CUPS print queue that writes PDF files exists, for the
# printing tests: starts cupsd when it is not running and adds the queue.
#
# With PICKWISE_CUPS_PORT set, the queue lives on a scheduler of its own that
# listens on localhost:<port> only, with its configuration, state, spool and
# logs under PICKWISE_CUPS_DIR (default /tmp/pickwise-cups-<port>): for a
# machine whose own scheduler cannot be used, such as a chroot, which shares
# the host's ports and whose lpadmin the host's cupsd refuses. Programs print
# to it with CUPS_SERVER=localhost:<port> (scripts/test.sh sets it).
set -euo pipefail

QUEUE="${PICKWISE_TEST_QUEUE:-PickwisePDF}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

PORT="${PICKWISE_CUPS_PORT:-}"
if [ -n "$PORT" ]; then
    OWN="${PICKWISE_CUPS_DIR:-/tmp/pickwise-cups-$PORT}"
    export CUPS_SERVER="localhost:$PORT"
    # lpadmin proves to a scheduler on localhost that it runs as root with the
    # certificate that scheduler keeps in its state folder.
    export CUPS_STATEDIR="$OWN/run"
fi

# sudo drops the environment that names the scheduler.
admin() {
    if [ -n "$PORT" ]; then
        $SUDO env CUPS_SERVER="$CUPS_SERVER" CUPS_STATEDIR="$CUPS_STATEDIR" "$@"
    else
        $SUDO "$@"
    fi
}

# The system's settings, but listening on our port only, sharing nothing, and
# keeping every file it writes apart from the system's scheduler.
start_own_cupsd() {
    $SUDO mkdir -p "$OWN/etc" "$OWN/run" "$OWN/cache" "$OWN/spool/tmp" "$OWN/log"
    {
        grep -Ev '^[[:space:]]*(Listen|Port|Browsing|BrowseLocalProtocols)[[:space:]]' \
            /etc/cups/cupsd.conf || true
        printf 'Listen localhost:%s\nBrowsing No\n' "$PORT"
    } | $SUDO tee "$OWN/etc/cupsd.conf" >/dev/null
    {
        grep -Ev '^[[:space:]]*(ServerRoot|StateDir|CacheDir|RequestRoot|TempDir|AccessLog|ErrorLog|PageLog|Printcap)[[:space:]]' \
            /etc/cups/cups-files.conf || true
        printf 'ServerRoot %s\n' "$OWN/etc"
        printf 'StateDir %s\n' "$OWN/run"
        printf 'CacheDir %s\n' "$OWN/cache"
        printf 'RequestRoot %s\n' "$OWN/spool"
        printf 'TempDir %s\n' "$OWN/spool/tmp"
        printf 'AccessLog %s\nErrorLog %s\nPageLog %s\n' \
            "$OWN/log/access_log" "$OWN/log/error_log" "$OWN/log/page_log"
        printf 'Printcap %s\n' "$OWN/run/printcap"
    } | $SUDO tee "$OWN/etc/cups-files.conf" >/dev/null
    # File types the system adds beside the packaged ones (raw printing).
    for f in /etc/cups/*.types /etc/cups/*.convs; do
        if [ -f "$f" ]; then $SUDO cp "$f" "$OWN/etc/"; fi
    done
    $SUDO /usr/sbin/cupsd -c "$OWN/etc/cupsd.conf" -s "$OWN/etc/cups-files.conf"
}

if ! lpstat -r >/dev/null 2>&1 || ! lpstat -r 2>/dev/null | grep -q "is running"; then
    if [ -n "$PORT" ]; then start_own_cupsd; else $SUDO /usr/sbin/cupsd; fi
    for _ in $(seq 1 50); do
        if lpstat -r 2>/dev/null | grep -q "is running"; then break; fi
        sleep 0.2
    done
    if [ -n "$PORT" ] && ! lpstat -r 2>/dev/null | grep -q "is running"; then
        echo "cupsd did not start on localhost:$PORT; its log:" >&2
        $SUDO tail -20 "$OWN/log/error_log" >&2 || true
        exit 1
    fi
fi

if ! lpstat -p "$QUEUE" >/dev/null 2>&1; then
    ppd="$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_noopt.ppd/ {print $1; exit}')"
    if [ -z "$ppd" ]; then ppd="$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF/ {print $1; exit}')"; fi
    admin lpadmin -p "$QUEUE" -E -v cups-pdf:/ -m "$ppd" 2>/dev/null
fi
# Poppler's cairo renderer keeps the text of the printed PDF searchable, which
# the tests read back.
admin lpadmin -p "$QUEUE" -o pdftops-renderer-default=pdftocairo
admin cupsenable "$QUEUE"
admin cupsaccept "$QUEUE"
lpstat -p "$QUEUE"
