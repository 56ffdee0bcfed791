# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts that prove Larkspan on a fresh Debian 12: sourced, never run.
#
# The caller sets $fresh_root_usage and calls freshRoot "$@" first. That makes a folder for the root and runs the
# calling script again in a PID and mount namespace of its own (unshare), so that nothing it mounts is seen outside and
# every process it starts ends with it; it removes the root afterwards (KEEP_ROOT=1 keeps it). Inside, the script
# goes on with $fresh naming the root, $aside a folder beside it for its own files, and the helpers below. MIRROR
# names another Debian mirror than the one that apt uses here.

seconds() { date +%s.%N; }
took() { awk -v a="$1" -v b="$(seconds)" 'BEGIN { printf "%.0f s", b - a }'; }

# Runs a command up to three times, for the steps that fetch from the network.
retried() {
    local attempt
    for attempt in 1 2 3; do
        "$@" && return 0
        [ "$attempt" -lt 3 ] && echo "(failed; trying again in $((attempt * 10)) s)" >&2 && sleep $((attempt * 10))
    done
    return 1
}

freshRoot() {
    [ "$(id -u)" -eq 0 ] || { echo "$fresh_root_usage: must run as root (debootstrap, chroot, namespaces)" >&2; exit 1; }
    if [ -z "${FRESH_ROOT_INSIDE:-}" ]; then
        "$(dirname "$0")/bootstrap" fresh-root
        local folder status
        folder=$(mktemp -d /var/tmp/larkspan-fresh-root.XXXXXX)
        FRESH_ROOT_INSIDE=$folder unshare --pid --fork --mount-proc --propagation private "$0" "$@"
        status=$?
        # The namespace took its mounts with it; --one-file-system stays on this side of any that were not.
        if [ "${KEEP_ROOT:-0}" = 1 ]; then
            echo "The root is kept in $folder"
        else
            rm -rf --one-file-system "$folder"
        fi
        exit "$status"
    fi
    # The root, and beside it the scripts' own files, all in the one folder removed afterwards.
    fresh=$FRESH_ROOT_INSIDE/root
    aside=$FRESH_ROOT_INSIDE
    mounted=()
    xvfb=''
    trap leaveRoot EXIT
}

leaveRoot() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; --i)); do
        umount -l "${mounted[i]}" 2>/dev/null || echo "could not unmount ${mounted[i]}" >&2
    done
}

mountInRoot() {
    local target=$fresh/$1
    shift
    mkdir -p "$target"
    mount "$@" "$target" && mounted+=("$target")
}

# The archive that apt uses here, suite by suite: "<address> <suite>" lines for bookworm, its updates and security.
archives() {
    if [ -n "${MIRROR:-}" ]; then
        echo "$MIRROR bookworm"
        return
    fi
    apt-cache policy | awk '$3 ~ /^bookworm(-updates|-security)?\/main$/ { split($3, s, "/"); print $2, s[1] }' |
        sort -u
}

# A minimal Debian 12 root from the archive that apt uses here, with the system's file systems mounted in it.
makeRoot() {
    local mirror
    mirror=$(archives | awk '$2 == "bookworm" { print $1; exit }')
    [ -n "$mirror" ] || { echo "apt knows no archive of bookworm here; name one in MIRROR" >&2; return 1; }
    echo "== debootstrap --variant=minbase bookworm from $mirror"
    local start
    start=$(seconds)
    # A failed attempt leaves a half-made root behind, which the next one must not build on.
    retried eval 'rm -rf --one-file-system "$fresh" &&
        debootstrap --variant=minbase bookworm "$fresh" "$mirror" >"$aside/debootstrap.log" 2>&1' ||
        { echo "debootstrap failed:" >&2; tail -n 20 "$aside/debootstrap.log" >&2; return 1; }
    rm -f "$aside/debootstrap.log"
    archives | awk '{ print "deb", $1, $2, "main" }' >"$fresh/etc/apt/sources.list"
    # What Debian's installer writes and debootstrap leaves out: without it "localhost" is no name.
    [ -e "$fresh/etc/hosts" ] || printf '127.0.0.1\tlocalhost\n::1\t\tlocalhost ip6-localhost ip6-loopback\n' \
        >"$fresh/etc/hosts"
    cp /etc/resolv.conf "$fresh/etc/resolv.conf"
    mountInRoot proc -t proc proc
    mountInRoot sys --rbind /sys
    mountInRoot dev --rbind /dev
    echo "minimal root built in $(took "$start"), $(du -shx "$fresh" | cut -f1)"
}

# Runs a command in the root as root would on a fresh machine, in a clean environment.
inRoot() {
    chroot "$fresh" env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
        LANG=C.UTF-8 TERM=dumb ${DISPLAY:+DISPLAY="$DISPLAY"} "$@"
}

# An X server outside the root, whose abstract socket the programs inside reach; sets DISPLAY.
startScreen() {
    Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$aside/display" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$aside/display" ] && break; sleep 0.1; done
    [ -s "$aside/display" ] || { echo "Xvfb did not start." >&2; return 1; }
    export DISPLAY=":$(head -n1 "$aside/display")"
    rm -f "$aside/display"
}

# Waits up to $2 seconds until the wizard started as process $1 has mapped its main window; prints its id.
mappedWindow() {
    local window='' _
    for _ in $(seq $(($2 * 10))); do
        window=$(xdotool search --onlyvisible --name '^Larkspan 1\.1$' 2>/dev/null | head -n1)
        [ -n "$window" ] && { echo "$window"; return 0; }
        kill -0 "$1" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}
