#!/usr/bin/env bash
# What listening costs: a private PulseAudio server whose null sink plays
# rendered guitar notes in a loop, its monitor the default input; the
# listening benchmark captures it for real (notes and tuner) for SECONDS,
# RUNS times, and reports its processor time and wake-ups from /proc, then
# the same with listening stopped. Prints every run and the medians.
#   bench/listen/capture_cpu.sh [RUNS [SECONDS]]     # default 5 runs of 60 s
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-5}
seconds=${2:-60}
FRETLAB_BENCH_DEPS=1 ./scripts/install-deps
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFRETLAB_BUILD_UI=OFF \
      -DFRETLAB_BUILD_TESTS=OFF >/dev/null
cmake --build build/bench --target listen_bench >/dev/null
bench=$PWD/build/bench/listen_bench

work=$(mktemp -d /tmp/fretlab-listen-XXXXXX)
pulse_pid="" player_pid=""
# Each step on its own: a killed process's status must not end the clean-up
# (set -e) before the server is stopped.
stop() {
  set +e
  # The server first: the player's paplay then fails and its loop ends.
  if [[ -n $pulse_pid ]]; then kill "$pulse_pid"; wait "$pulse_pid"; fi 2>/dev/null
  if [[ -n $player_pid ]]; then wait "$player_pid"; fi 2>/dev/null
  rm -rf "$work"
}
trap stop EXIT

# A sound server of our own, as ./scripts/bench-sound starts it.
export XDG_RUNTIME_DIR=$work/runtime PULSE_RUNTIME_PATH=$work/runtime/pulse
export PULSE_STATE_PATH=$work/state PULSE_SERVER=unix:$work/runtime/pulse/native
mkdir -p "$XDG_RUNTIME_DIR" "$PULSE_STATE_PATH"
chmod 700 "$XDG_RUNTIME_DIR"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disallow-exit \
  --load=module-native-protocol-unix \
  --load="module-null-sink sink_name=fretlab_guitar rate=44100" \
  >"$work/pulseaudio.log" 2>&1 &
pulse_pid=$!
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.05; done
pactl info >/dev/null || { cat "$work/pulseaudio.log"; exit 1; }
pactl set-default-source fretlab_guitar.monitor

"$bench" render "$work/notes.wav"
( while true; do paplay --device=fretlab_guitar "$work/notes.wav" || exit; done ) 2>/dev/null &
player_pid=$!

# Notes alone (a drill answered by playing), then notes with the tuner, in
# turn, so that both see the same machine.
results=$work/results
for run in $(seq "$runs"); do
  "$bench" capture "$seconds" | tee -a "$results"
  "$bench" capture "$seconds" tuner | tee -a "$results"
done
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
field() { sed "s/.*$1.*/\\1/"; }
echo "median of $runs runs of $seconds s (load average: $(cut -d' ' -f1-3 /proc/loadavg)):"
for what in notes notes+tuner; do
  lines=$(grep "^$what " "$results")
  printf '  %-12s CPU %s %% of a core (target <= 2), %s wake-ups/s\n' "$what" \
    "$(field 'CPU \([0-9.]*\) %.*' <<<"$lines" | median)" \
    "$(field ', \([0-9.]*\) wake-ups.*' <<<"$lines" | median)"
done
lines=$(grep '^stopped' "$results")
printf '  %-12s CPU %s %% of a core, %s wake-ups/s\n' "stopped" \
  "$(field 'CPU \([0-9.]*\) %.*' <<<"$lines" | median)" \
  "$(field ', \([0-9.]*\) wake-ups.*' <<<"$lines" | median)"
