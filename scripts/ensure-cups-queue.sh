#!/usr/bin/env bash
# Makes sure a real CUPS print queue that writes PDF files exists, for the
# printing tests: starts cupsd when it is not running and adds the queue.
set -euo pipefail

QUEUE="${PICKWISE_TEST_QUEUE:-PickwisePDF}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

if ! lpstat -r >/dev/null 2>&1 || ! lpstat -r 2>/dev/null | grep -q "is running"; then
    $SUDO /usr/sbin/cupsd
    for _ in $(seq 1 50); do
        if lpstat -r 2>/dev/null | grep -q "is running"; then break; fi
        sleep 0.2
    done
fi

if ! lpstat -p "$QUEUE" >/dev/null 2>&1; then
    ppd="$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_noopt.ppd/ {print $1; exit}')"
    if [ -z "$ppd" ]; then ppd="$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF/ {print $1; exit}')"; fi
    $SUDO lpadmin -p "$QUEUE" -E -v cups-pdf:/ -m "$ppd" 2>/dev/null
fi
# Poppler's cairo renderer keeps the text of the printed PDF searchable, which
# the tests read back.
$SUDO lpadmin -p "$QUEUE" -o pdftops-renderer-default=pdftocairo
$SUDO cupsenable "$QUEUE"
$SUDO cupsaccept "$QUEUE"
lpstat -p "$QUEUE"
