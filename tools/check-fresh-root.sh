#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The README's two commands as a new user meets them: a minimal Debian 12 root
# with nothing but git, the repository cloned into it, then ./run.sh (its
# window must come up on an Xvfb display of this machine) and ./test.sh.
# Prints the CTest summary and how many packages each command installed.
#     tools/check-fresh-root.sh [-b BASE.tar] [-d DIR] REPOSITORY [BRANCH]
# BASE.tar is the pristine root with git; when it is missing it is made with
# debootstrap and kept, so that the next run starts from it in minutes. DIR is
# emptied and filled from BASE.tar at each run, and left for a look afterwards.
# REPOSITORY is a local git repository (or worktree); BRANCH is its checked-out
# one unless told. Runs as root (debootstrap, mount, chroot).
set -euo pipefail

base=/work/fresh-root-base.tar
root=/work/fresh-root
while getopts b:d: option; do
    case $option in
        b) base=$OPTARG ;;
        d) root=$OPTARG ;;
        *) sed -n '7p' "$0" >&2; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
repository=${1:?usage: check-fresh-root.sh [-b BASE.tar] [-d DIR] REPOSITORY [BRANCH]}
branch=${2:-$(git -C "$repository" rev-parse --abbrev-ref HEAD)}
suite=bookworm mirror=http://deb.debian.org/debian
[ "$(id -u)" -eq 0 ] || { echo "check-fresh-root.sh: run as root" >&2; exit 2; }
root=$(realpath -m "$root") base=$(realpath -m "$base")
[ "$root" != / ] || { echo "check-fresh-root.sh: -d / would wipe this machine" >&2; exit 2; }

mounted_below() { findmnt -rn -o TARGET | grep -qE "^$root(/|$)"; }

# A chroot with a clean environment, as a root shell on a new machine has it.
in_root() {
    chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}

mount_all() {
    mount -t proc proc "$root/proc"
    mount -t sysfs sysfs "$root/sys"
    mount --bind /dev "$root/dev"
    mount --bind /dev/pts "$root/dev/pts"
    mount -t tmpfs -o mode=1777,nosuid,nodev shm "$root/dev/shm"
}

# What the tests left running inside (a session bus, Xvfb) would hold the
# mounts; those processes are ours, found by their root folder.
unmount_all() {
    local proc pids=()
    for proc in /proc/[0-9]*; do
        [ "$(readlink "$proc/root" 2>/dev/null)" = "$root" ] && pids+=("${proc#/proc/}")
    done
    if [ ${#pids[@]} -gt 0 ]; then
        kill "${pids[@]}" 2>/dev/null || true
        sleep 1
    fi
    local target
    for target in dev/shm dev/pts dev sys proc; do
        mountpoint -q "$root/$target" && umount "$root/$target"
    done
    if mounted_below; then
        echo "check-fresh-root.sh: still mounted below $root:" >&2
        findmnt -rn -o TARGET | grep -E "^$root(/|$)" >&2
    fi
}

installed_count() { in_root dpkg-query -W -f='${db:Status-Abbrev}\n' | grep -c '^ii'; }

make_base() {
    command -v debootstrap >/dev/null || apt-get install -y -qq --no-install-recommends debootstrap
    echo "== debootstrap --variant=minbase $suite $root"
    debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$root.debootstrap.log" 2>&1 \
        || { tail -20 "$root.debootstrap.log"; exit 1; }
    # The sources of a new installation; services are not started in a chroot.
    cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror $suite main
deb $mirror $suite-updates main
deb http://deb.debian.org/debian-security $suite-security main
EOF
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
    chmod 755 "$root/usr/sbin/policy-rc.d"
    mount_all
    in_root apt-get update -qq
    in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends git \
        >/dev/null
    in_root apt-get clean
    unmount_all
    tar -C "$root" --numeric-owner -cf "$base.part" . && mv "$base.part" "$base"
    echo "== kept the root with git as $base ($(installed_count) packages)"
}

# Waits for the window of ./run.sh on a display of this machine: the chroot
# shares the network namespace, so the program reaches Xvfb's abstract socket.
play_with_run_sh() {
    local work display pid status=0 waited=0
    work=$(mktemp -d)
    exec 3<>"$work/displayfd"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    local xvfb=$!
    for _ in $(seq 50); do [ -s "$work/displayfd" ] && break; sleep 0.1; done
    display=:$(head -n1 "$work/displayfd")
    in_root bash -c "cd /root/solvetra && DISPLAY=$display exec ./run.sh" >"$root/root/run.log" 2>&1 &
    pid=$!
    # run.sh installs and builds first; then it becomes the program.
    until DISPLAY=$display xdotool search --classname solvetra >/dev/null 2>&1; do
        if ! kill -0 "$pid" 2>/dev/null || [ "$waited" -ge 3600 ]; then
            status=1
            break
        fi
        sleep 2
        waited=$((waited + 2))
    done
    if [ "$status" -eq 0 ]; then
        sleep 5
        kill -0 "$pid" 2>/dev/null || status=1
    fi
    if [ "$status" -eq 0 ]; then
        echo "./run.sh: the window is up on $display and still running after 5 s"
        if command -v import >/dev/null; then
            DISPLAY=$display import -window root "$root/root/run-window.png" \
                && echo "./run.sh: screenshot $root/root/run-window.png"
        fi
    else
        tail -20 "$root/root/run.log"
        echo "FAIL: ./run.sh did not bring up the window (log: $root/root/run.log)"
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    exec 3>&-
    rm -rf "$work"
    return "$status"
}

for tool in tar git chroot mount findmnt Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "check-fresh-root.sh: $tool is missing" >&2; exit 2; }
done
if mounted_below; then
    echo "check-fresh-root.sh: something is mounted below $root; unmount it first" >&2
    exit 2
fi
start=$SECONDS
rm -rf "$root"
mkdir -p "$root"
trap unmount_all EXIT
trap 'exit 130' INT TERM
if [ -f "$base" ]; then
    tar -C "$root" --numeric-owner -xpf "$base"
    echo "== $root from $base ($(installed_count) packages)"
else
    make_base
fi
echo "== starting took $((SECONDS - start)) s"

git -C "$repository" bundle create "$root/root/solvetra.bundle" "$branch" 2>/dev/null
mount_all
in_root git clone -q --branch "$branch" /root/solvetra.bundle /root/solvetra
echo "== cloned $branch at $(in_root git -C /root/solvetra log -1 --format='%h %s')"

status=0
before=$(installed_count) phase=$SECONDS
play_with_run_sh || status=1
after_run=$(installed_count)
echo "== ./run.sh installed $((after_run - before)) packages ($before before), $((SECONDS - phase)) s"

phase=$SECONDS
in_root bash -c 'cd /root/solvetra && ./test.sh' >"$root/root/test.log" 2>&1 || status=1
after_test=$(installed_count)
echo "== ./test.sh installed $((after_test - after_run)) packages more, $((SECONDS - phase)) s"
sed -n '/tests passed, /,$p' "$root/root/test.log"
grep -q 'tests passed, ' "$root/root/test.log" || tail -30 "$root/root/test.log"
echo "== in all $((after_test - before)) packages; $((SECONDS - start)) s; logs in $root/root/"
exit "$status"
