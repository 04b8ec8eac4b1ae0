#!/usr/bin/env bash
# Plays two problems with the Orca screen reader listening and prints every
# line Orca would have spoken ("SPEECH OUTPUT:" lines of its debug log).
# Runs headless: Xvfb, a session bus, the accessibility bus, jwm, orca.
#     tests/program/orca-play.sh PROGRAM [LOG [PHRASE...]]
# Each PHRASE must appear in what Orca spoke, on as many lines as it is listed. Exits 77 (skipped) when a tool
# it needs is missing, 1 when the play fails or a phrase was not spoken.
set -u

program=${1:?usage: orca-play.sh PROGRAM [LOG [PHRASE...]]}
log=${2:-}
phrases=("${@:3}")
busLauncher=/usr/libexec/at-spi-bus-launcher

for tool in orca Xvfb jwm xdotool dbus-run-session; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (needs orca xvfb jwm xdotool dbus at-spi2-core)"
        exit 77
    fi
done
if [ ! -x "$busLauncher" ]; then
    echo "SKIP: $busLauncher is missing (Debian package at-spi2-core)"
    exit 77
fi
program=$(realpath "$program")

# Everything below needs its own session bus, which lives as long as this script.
if [ -z "${ORCA_PLAY_SESSION:-}" ]; then
    ORCA_PLAY_SESSION=1 exec dbus-run-session -- "$0" "$program" "$log" "${phrases[@]}"
fi

work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# wait_for PATTERN SECONDS: until Orca's debug log has a line matching PATTERN.
wait_for() {
    local tenths=$(( $2 * 10 ))
    for _ in $(seq "$tenths"); do
        grep -q -- "$1" "$work/orca.out" 2>/dev/null && return 0
        sleep 0.1
    done
    return 1
}

# A free display number, chosen by Xvfb itself.
exec 3<> "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do
    [ -s "$work/displayfd" ] && break
    sleep 0.1
done
display=$(head -n1 "$work/displayfd")
if [ -z "$display" ]; then
    echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1
fi
export DISPLAY=":$display"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# The program must draw on the Xvfb display, whatever the caller chose.
export QT_QPA_PLATFORM=xcb GTK_A11Y=atspi NO_AT_BRIDGE=0 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LC_ALL=C.UTF-8

"$busLauncher" --launch-immediately >"$work/bus.log" 2>&1 &
pids+=($!)
jwm >/dev/null 2>&1 &
pids+=($!)
sleep 1
orca --replace -d speech -u "$work/orca-prefs" --debug-file "$work/orca.out" \
    >"$work/orca.log" 2>&1 &
pids+=($!)
# On a first run Orca takes long to start (its Python caches are cold), so
# wait for it to say so rather than for a fixed time.
if ! wait_for 'ORCA: Startup complete' 120; then
    echo "FAIL: Orca did not start"; cat "$work/orca.log"; exit 1
fi
"$program" >"$work/program.log" 2>&1 &
pids+=($!)
# Then until it has spoken the question, which the answer box says on focus;
# on a loaded machine the program and Orca together took over a minute.
if ! wait_for 'SPEECH OUTPUT: .*in centimetri' 150; then
    echo "FAIL: Orca did not speak the first question"; cat "$work/program.log"; exit 1
fi

window=$(xdotool search --sync --limit 1 --name Solvetra 2>/dev/null | head -n1)
if [ -z "$window" ]; then
    echo "FAIL: the program's window did not appear"; cat "$work/program.log"; exit 1
fi
xdotool windowfocus "$window" 2>/dev/null
sleep 1
# Two problems: a wrong answer, the next problem, another answer, the next one.
for answer in 12 7; do
    xdotool type --delay 120 "$answer"
    xdotool key Return
    sleep 2
    xdotool key Return
    sleep 2
done

[ -n "$log" ] && cp "$work/orca.out" "$log"
if [ ! -s "$work/orca.out" ]; then
    echo "FAIL: orca wrote no debug log"; cat "$work/orca.log"; exit 1
fi
echo "What Orca said:"
grep 'SPEECH OUTPUT:' "$work/orca.out" | tee "$work/speech" || echo "(nothing)"
status=0
# A phrase listed n times must be spoken on at least n lines.
declare -A wanted=()
for phrase in "${phrases[@]}"; do
    wanted[$phrase]=$(( ${wanted[$phrase]:-0} + 1 ))
done
for phrase in "${!wanted[@]}"; do
    spoken=$(grep -cF -- "$phrase" "$work/speech")
    if [ "$spoken" -lt "${wanted[$phrase]}" ]; then
        echo "FAIL: Orca said \"$phrase\" $spoken times, not ${wanted[$phrase]}"
        status=1
    fi
done
exit $status
