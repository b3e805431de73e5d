#!/usr/bin/env bash
# Proves the README's two set-up commands on a fresh Debian 12 machine: makes a
# minimal Debian 12 root with debootstrap (from the mirror this machine's apt
# uses), copies a clean clone of this checkout's HEAD into it, and runs
# ./scripts/test.sh and then ./scripts/start.sh inside it with chroot, as root,
# with nothing installed beforehand. Not part of the test run; needs root.
#
#   scripts/fresh-system-check.sh [--dir DIR] [--mirror URL] [--keep]
#
# DIR (default $PICKWISE_FRESH_DIR or /tmp/pickwise_fresh) holds the root
# (DIR/root), which must not exist yet or be empty, and the logs (DIR/*.log).
# The root is removed after a green run unless --keep is given, and kept after
# a failed one; the mounts inside it are removed whatever happens.
#
# The program runs until it is closed, so the start command passes when the
# program is still running 10 seconds after it started (offscreen), with
# nothing on stderr that signals a failure; the check then stops it.
#
# The chroot shares this machine's network ports, where a cupsd may already
# listen on 631 and refuse the root's lpadmin. The test command therefore runs
# with PICKWISE_CUPS_PORT set to a free port, so that it starts a scheduler of
# its own inside the root (see scripts/ensure-cups-queue.sh).
set -euo pipefail

REPO="$(cd "$(dirname "$0")/.." && pwd)"
DIR="${PICKWISE_FRESH_DIR:-/tmp/pickwise_fresh}"
MIRROR=""
KEEP=0
WAIT_SECONDS=10

usage() { sed -n '8p' "$0" | sed 's/^#   //' >&2; }

while (($#)); do
    case "$1" in
    --dir) DIR="$2"; shift 2 ;;
    --mirror) MIRROR="$2"; shift 2 ;;
    --keep) KEEP=1; shift ;;
    -h | --help) usage; exit 0 ;;
    *) usage; exit 2 ;;
    esac
done

if [ "$(id -u)" -ne 0 ]; then
    echo "debootstrap, mount and chroot need root: sudo $0" >&2
    exit 2
fi
case "$DIR" in
/*) ;;
*) DIR="$PWD/$DIR" ;;
esac
if [[ "$DIR" =~ [[:space:]] ]]; then
    echo "the folder's path must not hold spaces: $DIR" >&2
    exit 2
fi
mkdir -p "$DIR"
DIR="$(realpath "$DIR")"
ROOT="$DIR/root"
if [ "$DIR" = / ] || { [ -e "$ROOT" ] && [ -n "$(ls -A "$ROOT")" ]; }; then
    echo "$ROOT is not empty: remove it or choose another folder with --dir" >&2
    exit 2
fi
mkdir -p "$ROOT"

# The first archive (and security archive) this machine's apt fetches from.
apt_uris() {
    local f
    for f in /etc/apt/sources.list.d/*.sources; do
        if [ -f "$f" ]; then awk '/^URIs:/ { for (i = 2; i <= NF; i++) print $i }' "$f"; fi
    done
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        if [ -f "$f" ]; then
            awk '$1 == "deb" { for (i = 2; i <= NF; i++) if ($i ~ /^[a-z+]+:\/\//) { print $i; break } }' "$f"
        fi
    done
}
if [ -z "$MIRROR" ]; then MIRROR="$(apt_uris | grep -v security | head -1 || true)"; fi
MIRROR="${MIRROR:-http://deb.debian.org/debian}"
SECURITY="$(apt_uris | grep security | head -1 || true)"
SECURITY="${SECURITY:-http://deb.debian.org/debian-security}"

# A free port on this machine for the root's own print scheduler.
CUPS_PORT="${PICKWISE_FRESH_CUPS_PORT:-8631}"
while (exec 3<>"/dev/tcp/127.0.0.1/$CUPS_PORT") 2>/dev/null; do CUPS_PORT=$((CUPS_PORT + 1)); done

say() { printf '\n=== %s\n' "$*"; }
elapsed() { printf '%dm %02ds' $(($1 / 60)) $(($1 % 60)); }

# ---- cleaning up: always, however the check ends -------------------------

# Processes this check started inside the root (the test run's cupsd, the
# program, anything left behind by an interrupted command).
root_pids() {
    local p
    for p in /proc/[0-9]*; do
        if [ "$(readlink "$p/root" 2>/dev/null)" = "$ROOT" ]; then echo "${p#/proc/}"; fi
    done
}

# Deepest first, so /dev/pts goes before /dev.
mounts_in_root() {
    awk -v r="$ROOT/" 'index($2, r) == 1 { print $2 }' /proc/self/mounts | sort -r
}

stop_root_processes() {
    local pids
    pids="$(root_pids)"
    if [ -z "$pids" ]; then return 0; fi
    # shellcheck disable=SC2086
    kill -TERM $pids 2>/dev/null || true
    for _ in $(seq 1 50); do
        if [ -z "$(root_pids)" ]; then return 0; fi
        sleep 0.1
    done
    pids="$(root_pids)"
    # shellcheck disable=SC2086
    if [ -n "$pids" ]; then kill -KILL $pids 2>/dev/null || true; fi
    sleep 0.5
}

MOUNTS_LEFT=""
cleanup() {
    # Run from the exit trap after a failed command, errexit would end the
    # cleaning up at its first failing step.
    local -
    set +e
    stop_root_processes
    local m
    for m in $(mounts_in_root); do
        umount "$m" 2>/dev/null || umount -l "$m" 2>/dev/null || true
    done
    MOUNTS_LEFT="$(mounts_in_root)"
}
FINISHED=0
on_exit() {
    local status=$?
    cleanup
    if [ "$FINISHED" -eq 0 ]; then
        echo "RESULT: FAILED (the check stopped early with status $status);" \
            "mounts in the root: ${MOUNTS_LEFT:+NOT all }removed; root kept at $ROOT"
    fi
}
trap 'exit 130' INT TERM
trap on_exit EXIT

# ---- the root -------------------------------------------------------------

COMMIT="$(git -C "$REPO" rev-parse HEAD)"
echo "checking commit $(git -C "$REPO" log -1 --format='%h %s' HEAD)"
if [ -n "$(git -C "$REPO" status --porcelain)" ]; then
    echo "note: uncommitted changes in $REPO are not part of this check"
fi
echo "root: $ROOT, mirror: $MIRROR, own print scheduler: localhost:$CUPS_PORT"

if ! command -v debootstrap >/dev/null; then
    say "installing debootstrap on this machine"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null ||
        { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null; }
fi

say "debootstrap --variant=minbase bookworm $ROOT $MIRROR"
start=$SECONDS
if ! debootstrap --variant=minbase bookworm "$ROOT" "$MIRROR" >"$DIR/debootstrap.log" 2>&1; then
    tail -20 "$DIR/debootstrap.log"
    echo "debootstrap failed after $(elapsed $((SECONDS - start))); its log: $DIR/debootstrap.log"
    exit 1
fi
DEBOOTSTRAP_TIME=$((SECONDS - start))
echo "done in $(elapsed "$DEBOOTSTRAP_TIME")"

# What the Debian installer would have set up: the archive with its updates
# and security archive, name resolution and the loopback name.
cat >"$ROOT/etc/apt/sources.list" <<EOF
deb $MIRROR bookworm main
deb $MIRROR bookworm-updates main
deb $SECURITY bookworm-security main
EOF
cp -L /etc/resolv.conf "$ROOT/etc/resolv.conf"
if ! grep -qs '^127\.0\.0\.1[[:space:]].*localhost' "$ROOT/etc/hosts"; then
    printf '127.0.0.1\tlocalhost\n::1\t\tlocalhost ip6-localhost ip6-loopback\n' >>"$ROOT/etc/hosts"
fi
# Packages installed inside must not start their daemons: they would share
# this machine's ports. The test command starts the print scheduler itself.
printf '#!/bin/sh\nexit 101\n' >"$ROOT/usr/sbin/policy-rc.d"
chmod 755 "$ROOT/usr/sbin/policy-rc.d"
PACKAGES_BEFORE="$(chroot "$ROOT" dpkg-query -W | wc -l)"

# A clean clone: only what is committed, no build folder.
git clone -q --no-hardlinks "$REPO" "$ROOT/root/pickwise"
git -C "$ROOT/root/pickwise" fetch -q "$REPO" HEAD
git -C "$ROOT/root/pickwise" checkout -q --detach FETCH_HEAD
test "$(git -C "$ROOT/root/pickwise" rev-parse HEAD)" = "$COMMIT"

mount -t proc proc "$ROOT/proc"
mount --rbind /sys "$ROOT/sys"
mount --make-rslave "$ROOT/sys"
mount --rbind /dev "$ROOT/dev"
mount --make-rslave "$ROOT/dev"

# A login shell's environment on a machine without a desktop session.
inner_env=(HOME=/root USER=root LOGNAME=root SHELL=/bin/bash TERM=dumb LANG=C.UTF-8
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin)

# ---- the test command -----------------------------------------------------

say "./scripts/test.sh inside the root (log: $DIR/test.log)"
start=$SECONDS
set +e
chroot "$ROOT" /usr/bin/env -i "${inner_env[@]}" PICKWISE_CUPS_PORT="$CUPS_PORT" \
    /bin/bash -c 'cd /root/pickwise && ./scripts/test.sh' </dev/null 2>&1 | tee "$DIR/test.log"
TEST_STATUS=${PIPESTATUS[0]}
set -e
TEST_TIME=$((SECONDS - start))
CTEST_LINE="$(grep -E 'tests passed, [0-9]+ tests? failed out of' "$DIR/test.log" | tail -1 || true)"
CTEST_LINE="${CTEST_LINE:-no ctest summary: see $DIR/test.log}"
PACKAGES_AFTER="$(chroot "$ROOT" dpkg-query -W | wc -l)"
# The printing tests' jobs, as the root's own scheduler remembers them.
JOBS="$(chroot "$ROOT" /usr/bin/env -i "${inner_env[@]}" CUPS_SERVER="localhost:$CUPS_PORT" \
    lpstat -W completed -o 2>/dev/null | wc -l || true)"

# ---- the start command ----------------------------------------------------

say "./scripts/start.sh inside the root, offscreen (log: $DIR/start.log)"
start=$SECONDS
# chroot, env, bash and start.sh each replace themselves, so this process id
# becomes the program's once start.sh has installed and built what it needs.
chroot "$ROOT" /usr/bin/env -i "${inner_env[@]}" QT_QPA_PLATFORM=offscreen \
    CUPS_SERVER="localhost:$CUPS_PORT" \
    /bin/bash -c 'cd /root/pickwise && exec ./scripts/start.sh' \
    </dev/null >"$DIR/start.log" 2>"$DIR/start.err" &
pid=$!
START_STATUS=1
START_NOTE=""
# An ended process stays a zombie until it is waited for.
alive() {
    local state
    state="$(sed 's/.*) //' "/proc/$pid/stat" 2>/dev/null | cut -d' ' -f1)"
    [ -n "$state" ] && [ "$state" != Z ]
}
running_program() { alive && [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = pickwise ]; }
while alive && ! running_program; do sleep 0.5; done
if ! running_program; then
    wait "$pid" && code=0 || code=$?
    cat "$DIR/start.err"
    START_NOTE="ended with status $code before the program ran"
else
    BUILD_TIME=$((SECONDS - start))
    echo "the program started after $(elapsed "$BUILD_TIME") of installing and building"
    # Only what the program itself writes, not the build before it.
    offset=$(stat -c %s "$DIR/start.err")
    sleep "$WAIT_SECONDS"
    program_err="$(tail -c +$((offset + 1)) "$DIR/start.err")"
    echo "the program's stderr in its first ${WAIT_SECONDS} s:"
    if [ -n "$program_err" ]; then sed 's/^/  | /' <<<"$program_err"; else echo "  (nothing)"; fi
    failure="$(grep -Ei 'fatal|failed to start|could not (load|find)|error while loading|cannot open shared|segmentation|abort|core dumped|terminate called' <<<"$program_err" || true)"
    if ! running_program; then
        wait "$pid" && code=0 || code=$?
        START_NOTE="the program ended within ${WAIT_SECONDS} s (status $code)"
    elif [ -n "$failure" ]; then
        START_NOTE="running after ${WAIT_SECONDS} s, but its stderr signals a failure: $(head -1 <<<"$failure")"
    else
        START_STATUS=0
        START_NOTE="the program was still running ${WAIT_SECONDS} s after it started, with no failure on stderr"
    fi
    kill -TERM "$pid" 2>/dev/null || true
    for _ in $(seq 1 50); do
        if ! alive; then break; fi
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    START_NOTE="$START_NOTE; stopped by this check"
fi
START_TIME=$((SECONDS - start))

# ---- summary --------------------------------------------------------------

cleanup
verdict() { if [ "$1" -eq 0 ]; then echo passed; else echo FAILED; fi; }
OVERALL=$((TEST_STATUS != 0 || START_STATUS != 0 || ${#MOUNTS_LEFT} != 0))
ROOT_NOTE="kept at $ROOT"
if [ -n "$MOUNTS_LEFT" ]; then
    ROOT_NOTE="kept at $ROOT: still mounted inside it: $(tr '\n' ' ' <<<"$MOUNTS_LEFT")"
elif [ "$OVERALL" -eq 0 ] && [ "$KEEP" -eq 0 ]; then
    rm -rf --one-file-system "$ROOT"
    ROOT_NOTE="removed ($ROOT; --keep keeps it)"
fi

say "Fresh Debian 12 check of commit ${COMMIT:0:12}"
printf '%-40s %-7s %9s\n' "debootstrap --variant=minbase bookworm" passed "$(elapsed "$DEBOOTSTRAP_TIME")"
printf '%-40s %-7s %9s   %s\n' "./scripts/test.sh" "$(verdict "$TEST_STATUS")" \
    "$(elapsed "$TEST_TIME")" "$CTEST_LINE"
printf '%-40s %-7s %9s   %s\n' "./scripts/start.sh" "$(verdict "$START_STATUS")" \
    "$(elapsed "$START_TIME")" "$START_NOTE"
echo "print jobs completed by the root's own scheduler (localhost:$CUPS_PORT): $JOBS"
echo "packages in the root: $PACKAGES_BEFORE after debootstrap, $PACKAGES_AFTER after the test command"
echo "mounts in the root: ${MOUNTS_LEFT:+NOT all }removed; root: $ROOT_NOTE; logs: $DIR/*.log"
FINISHED=1
echo "RESULT: $(if [ "$OVERALL" -eq 0 ]; then echo PASSED; else echo FAILED; fi)"
exit "$OVERALL"
