#!/bin/sh
# Starts a local CUPS scheduler (when none answers) with the raw test queue
# "oltoma-test", whose device is the capture backend scripts/cups/oltoma-capture:
# every job sent to it lands as job-<id>.pdf in /var/spool/oltoma-capture,
# where the print tests read it. Safe to run again. Needs root (re-runs itself
# through sudo when available).
set -eu
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
        exec sudo "$0" "$@"
    fi
    echo "start-test-printer.sh: needs root" >&2
    exit 1
fi

here=$(cd "$(dirname "$0")" && pwd)
queue=oltoma-test
spool=/var/spool/oltoma-capture
backends=$(cups-config --serverbin 2>/dev/null || echo /usr/lib/cups)/backend

# Backends readable by others run as user lp, so the spool folder is open
# to everyone.
mkdir -p "$spool"
chmod 1777 "$spool"
install -m 0755 "$here/cups/oltoma-capture" "$backends/oltoma-capture"

# lpstat -r exits 0 either way; its text tells.
scheduler_answers() {
    lpstat -r 2>/dev/null | grep -q "scheduler is running"
}
if ! scheduler_answers; then
    mkdir -p /run/cups
    /usr/sbin/cupsd
fi
tries=0
until scheduler_answers; do
    tries=$((tries + 1))
    if [ "$tries" -gt 50 ]; then
        echo "start-test-printer.sh: the CUPS scheduler does not answer" >&2
        exit 1
    fi
    sleep 0.2
done

# A queue without a model is raw: the PDF that Qt submits reaches the
# backend unchanged.
lpadmin -p "$queue" -E -v "oltoma-capture:$spool" -D "oltoma test capture"
cupsenable "$queue"
cupsaccept "$queue"
if ! lpstat -d 2>/dev/null | grep -q ':'; then
    lpadmin -d "$queue"
fi
echo "CUPS queue $queue captures jobs in $spool"
