#!/usr/bin/env bash
# Checks the program as installed under a prefix (install) or as packaged for
# Debian (deb): every file a desktop, a software centre and the program need is
# there, under the name the others refer to it by, and the validators accept it.
# start: the installed program's first start by a user, with the prefix
# read-only, makes and seeds the user's data folder and finds its own files.
#
#   check-package.sh install|deb|start
#
# From the test run's environment: CMAKE, CPACK, PICKWISE_BUILD (the build
# folder), PICKWISE_SOURCE, PICKWISE_VERSION, PICKWISE_APP_ID.
set -euo pipefail
mode="$1"
id="$PICKWISE_APP_ID"
work="$(realpath "$(mktemp -d "${TMPDIR:-/tmp}/pickwise-package.XXXXXX")")"
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# The files of the installation, relative to its prefix.
icon_sizes=(16 24 32 48 64 128 256 512)
expected_files() {
    echo bin/pickwise
    echo share/pickwise/PICKWISE.html
    echo share/pickwise/sa.rtl
    echo share/pickwise/prizes.csv
    local whl
    for whl in "$PICKWISE_SOURCE"/wheels/definitions/*.whl; do
        echo "share/pickwise/wheels/${whl##*/}"
    done
    echo "share/applications/$id.desktop"
    local size
    for size in "${icon_sizes[@]}"; do
        echo "share/icons/hicolor/${size}x${size}/apps/$id.png"
    done
    echo "share/icons/hicolor/scalable/apps/$id.svg"
    echo "share/metainfo/$id.metainfo.xml"
}

check_installed() {
    local prefix="$work/prefix" f
    "$CMAKE" --install "$PICKWISE_BUILD" --prefix "$prefix" >"$work/install.log"
    while read -r f; do
        if [ ! -f "$prefix/$f" ]; then fail "not installed: $f"; fi
    done < <(expected_files)
    if [ ! -x "$prefix/bin/pickwise" ]; then fail "bin/pickwise is not executable"; fi

    # A PNG states its width and height in its first chunk, bytes 16 to 23.
    local size png bytes
    for size in "${icon_sizes[@]}"; do
        png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
        if [ ! -f "$png" ]; then continue; fi
        read -r -a bytes < <(od -An -tx1 -j16 -N8 -v "$png")
        local width=$((16#${bytes[0]}${bytes[1]}${bytes[2]}${bytes[3]}))
        local height=$((16#${bytes[4]}${bytes[5]}${bytes[6]}${bytes[7]}))
        if [ "$width" != "$size" ] || [ "$height" != "$size" ]; then
            fail "the ${size}x${size} icon is ${width}x${height}"
        fi
    done

    local desktop="$prefix/share/applications/$id.desktop"
    local metainfo="$prefix/share/metainfo/$id.metainfo.xml"
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $id.desktop"
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"
    # Also finds the desktop file the metainfo launches.
    appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli rejects the installed tree"

    # The menu entry starts the installed program and shows the installed icon.
    local exec icon
    exec="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
    icon="$(sed -n 's/^Icon=//p' "$desktop")"
    if [ ! -x "$prefix/bin/$exec" ]; then fail "the menu entry starts '$exec', not in bin/"; fi
    if [ "$icon" != "$id" ]; then fail "the menu entry shows icon '$icon', installed as '$id'"; fi

    # The newest release described is this version.
    local release
    release="$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -1)"
    if [ "$release" != "$PICKWISE_VERSION" ]; then
        fail "the metainfo's newest release is '$release', the project is $PICKWISE_VERSION"
    fi
    # Each screenshot is one of the README's, at its path in the repository.
    local url shots=0
    while read -r url; do
        shots=$((shots + 1))
        case "$url" in
        https://*/docs/screenshots/*.png) ;;
        *) fail "screenshot address $url is not <https address>/docs/screenshots/<name>.png" ;;
        esac
        if [ ! -f "$PICKWISE_SOURCE/docs/screenshots/${url##*/}" ]; then
            fail "screenshot $url names no file in docs/screenshots/"
        fi
    done < <(sed -n 's/.*<image>\(.*\)<\/image>.*/\1/p' "$metainfo")
    if [ "$shots" -eq 0 ]; then fail "the metainfo shows no screenshot"; fi
}

check_deb() {
    (cd "$PICKWISE_BUILD" && "$CPACK" -G DEB -B "$work" --config CPackConfig.cmake) \
        >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack failed"; return; }
    local arch deb
    arch="$(dpkg --print-architecture)"
    deb="$work/pickwise_${PICKWISE_VERSION}-1_$arch.deb"
    if [ ! -f "$deb" ]; then
        fail "no $(basename "$deb"); cpack made: $(cd "$work" && echo *.deb)"
        return
    fi

    local f
    dpkg-deb --contents "$deb" | awk '{ print $6 }' >"$work/contents"
    while read -r f; do
        grep -qxF "./usr/$f" "$work/contents" || fail "not in the package: /usr/$f"
    done < <(expected_files)

    local version depends p
    version="$(dpkg-deb --field "$deb" Version)"
    if [ "$version" != "$PICKWISE_VERSION-1" ]; then fail "package version $version"; fi
    depends="$(dpkg-deb --field "$deb" Depends)"
    echo "Depends: $depends"
    # The Qt platform plugins are named explicitly; the libraries come from
    # dpkg-shlibdeps reading the packaged executable.
    for p in qt6-qpa-plugins libqt6widgets6 libqt6charts6 libqt6printsupport6 libqt6network6; do
        [[ ", $depends," == *", $p "* || ", $depends," == *", $p,"* ]] || fail "Depends lacks $p"
    done

    # What apt would unpack: a stripped executable that looks for its libraries
    # only where the system keeps them.
    dpkg-deb --fsys-tarfile "$deb" | tar -x -C "$work" ./usr/bin/pickwise
    if readelf -d "$work/usr/bin/pickwise" | grep -qE 'RPATH|RUNPATH'; then
        fail "the packaged executable carries a library search path"
    fi
    if readelf -S "$work/usr/bin/pickwise" | grep -q '\.debug_info'; then
        fail "the packaged executable is not stripped"
    fi
}

# What the program says it found: the value of its "pickwise: <key>: " line.
reported() {
    sed -n "s/^pickwise: $1: //p" "$work/run.log" | head -1
}

check_first_start() {
    local prefix="$work/prefix" home="$work/home"
    local share="$prefix/share/pickwise" data="$home/.local/share/pickwise"
    "$CMAKE" --install "$PICKWISE_BUILD" --prefix "$prefix" >"$work/install.log"
    find "$prefix" -printf '%p %s %T@\n' | sort >"$work/prefix.before"
    # Read-only for a user; root writes all the same, so the listing above is
    # what shows that nothing was written into the prefix.
    chmod -R a-w "$prefix"
    mkdir "$home"

    # PICKWISE_DIAGNOSTICS writes the folders, and every message the program
    # shows, to the standard error; it runs until its start-up has finished
    # (or a message waits for an answer), then it is ended.
    (cd "$work" && exec env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME HOME="$home" \
        XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$work" \
        QT_QPA_PLATFORM=offscreen PICKWISE_DIAGNOSTICS=1 "$prefix/bin/pickwise") \
        >/dev/null 2>"$work/run.log" &
    local pid=$! tries=0
    until grep -qE '^pickwise: (started|message|question)' "$work/run.log"; do
        tries=$((tries + 1))
        if [ "$tries" -gt 200 ] || ! kill -0 "$pid" 2>/dev/null; then break; fi
        sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    cat "$work/run.log"

    grep -qx 'pickwise: started' "$work/run.log" || fail "the program did not finish its start-up"
    local folders
    folders="$(reported folders)"
    [ "$folders" = "installed, program folder $share, data folder $data (writable)" ] \
        || fail "folders reported: '$folders'"
    local f
    for f in sa.rtl prizes.csv; do
        cmp -s "$share/$f" "$data/$f" || fail "the data folder was not seeded with $f"
    done
    [ "$(reported help)" = "$share/PICKWISE.html" ] && [ -f "$share/PICKWISE.html" ] \
        || fail "help reported as '$(reported help)'"
    local wheels whl
    wheels="$(reported wheels)"
    for whl in "$PICKWISE_SOURCE"/wheels/definitions/*.whl; do
        [ -f "$wheels${whl##*/}" ] || {
            fail "wheel ${whl##*/} (and maybe more) not found in '$wheels'"
            break
        }
    done
    [ "$wheels" = "$share/wheels/" ] || fail "wheels reported in '$wheels'"

    # Every message the user would have had to answer.
    local messages
    messages="$(grep -E '^pickwise: (message|question): ' "$work/run.log" || true)"
    if [ -n "$messages" ]; then fail "messages shown: $messages"; fi

    find "$prefix" -printf '%p %s %T@\n' | sort >"$work/prefix.after"
    diff "$work/prefix.before" "$work/prefix.after" >&2 || fail "the start wrote into the prefix"
}

case "$mode" in
install) check_installed ;;
deb) check_deb ;;
start) check_first_start ;;
*)
    echo "usage: $0 install|deb|start" >&2
    exit 2
    ;;
esac
if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
