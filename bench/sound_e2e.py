#!/usr/bin/python3
"""Drives the real program under Xvfb with the built-in synthesizer and
measures what reaches a PulseAudio null sink (run by scripts/bench-sound,
which provides the server and the display).

Each run: start-up time to the window's MapNotify with --midi-out none and
with synth; then, with synth, a scale display (double-click) and clicks on
the neck, recorded from the sink's monitor; then the idle cost of the program
and of the sound server, and the program's memory. Times are CLOCK_MONOTONIC,
the clock the program stamps its notes with; the recording is placed on that
clock by the lower envelope of "read time - frames read / rate"."""

import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

import numpy as np

from sound_capture import RATE, Recorder, StallProbe, XDisplay, idle_cost, now_ns, resident_mb
from sound_listening import Templates, analyse
STRING_Y = [29, 50, 71, 92, 113, 134]  # client px, string 0 = high E
OPEN_NOTE = [64, 59, 55, 50, 45, 40]
FRET_X = [51, 73, 96, 120, 142, 165, 188, 211, 234, 257, 279, 303]  # client px, fret 0..11
# First rows of the lists, under their edit fields: "C" and "Lydian".
ROOT_LIST = (47 + 12, 205 + 27)
SCALE_LIST = (116 + 20, 205 + 27)
NECK_CLICKS = [(2, 5), (1, 3), (3, 7), (0, 8), (4, 2), (2, 9), (5, 3), (1, 10), (3, 4), (0, 1)]
CLICK_GAP_S = 0.4
IDLE_WAIT_S = 4.0   # 2 s of silence after the tail, and some margin
IDLE_MEASURE_S = 10.0


def start_program(program, backend, xd, extra_env=None, log=None):
    env = dict(os.environ)
    env.update(extra_env or {})
    out = ("log:" + log) if log else backend
    xd.drain()
    started = now_ns()
    process = subprocess.Popen([program, "--midi-out", out], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    mapped = xd.wait_map(15)
    if mapped is None:
        process.kill()
        sys.exit("the window did not appear: " + process.stderr.read().decode())
    window, at = mapped
    return process, window, (at - started) / 1e6


def end_program(process):
    process.terminate()
    try:
        process.wait(5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def play(xd, window, display_notes):
    """The user's part: root C, double-click Lydian, wait for the display, then
    after a silence one click on the neck, then ten clicks 0.4 s apart.
    Returns the click times (ns), the first after the silence first."""
    ox, oy = xd.client_origin(window)
    xd.click(ox + ROOT_LIST[0], oy + ROOT_LIST[1])
    time.sleep(0.3)
    display = xd.click(ox + SCALE_LIST[0], oy + SCALE_LIST[1], double=True)
    time.sleep(display_notes * 0.15 + IDLE_WAIT_S)
    clicks = []
    for string, fret in NECK_CLICKS[:1] + NECK_CLICKS:
        clicks.append(xd.click(ox + FRET_X[fret], oy + STRING_Y[string]))
        time.sleep(CLICK_GAP_S)
    return display, clicks


def display_notes(program, xd):
    """The notes the display plays, in order, from a run with the log output."""
    with tempfile.TemporaryDirectory() as folder:
        log = os.path.join(folder, "notes.log")
        process, window, _ = start_program(program, None, xd, log=log)
        time.sleep(0.5)
        ox, oy = xd.client_origin(window)
        xd.click(ox + ROOT_LIST[0], oy + ROOT_LIST[1])
        time.sleep(0.3)
        xd.click(ox + SCALE_LIST[0], oy + SCALE_LIST[1], double=True)
        size, quiet_since = -1, time.monotonic()
        while time.monotonic() - quiet_since < 1.0:
            time.sleep(0.1)
            if os.path.getsize(log) != size:
                size, quiet_since = os.path.getsize(log), time.monotonic()
        end_program(process)
        with open(log) as f:
            return [int(line.split()[2]) for line in f if " on " in line]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--server-pid", type=int, required=True)
    parser.add_argument("--sink", required=True)
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--soundfont", default="/usr/share/sounds/sf2/default-GM.sf2")
    parser.add_argument("--keep", help="folder to keep each run's recording in (.npz)")
    parser.add_argument("--stall-probe", help="program that reports the machine's stalls")
    args = parser.parse_args()
    xd = XDisplay()
    templates = Templates(args.soundfont)
    notes = display_notes(args.program, xd)
    click_notes = [OPEN_NOTE[s] + f for s, f in NECK_CLICKS[:1] + NECK_CLICKS]
    print("display: C Lydian, %d notes at 150 ms; then 1 click after %.0f s of silence and %d clicks %.1f s apart"
          % (len(notes), IDLE_WAIT_S, len(NECK_CLICKS), CLICK_GAP_S))
    results = []
    for run in range(args.runs):
        # Start-up, each backend three times in turn; the median of each.
        startup = {"none": [], "synth": []}
        for attempt in range(3):
            for backend in ("none", "synth"):
                process, _, ms = start_program(args.program, backend, xd)
                startup[backend].append(ms)
                time.sleep(1.5 if attempt == 0 else 0.3)
                if attempt == 0 and backend == "none":
                    startup["none_rss"] = resident_mb(process.pid)
                end_program(process)
        startup["none"] = statistics.median(startup["none"])
        startup["synth"] = statistics.median(startup["synth"])
        # The null sink renders in long blocks while nothing listens: the
        # recording has begun once its first frames arrive.
        recorder = Recorder(args.sink)
        probe = StallProbe(args.stall_probe)
        recorder.start()
        while recorder.frames < RATE // 2:
            time.sleep(0.05)
        process, window, _ = start_program(args.program, "synth", xd)
        time.sleep(1.0)
        display, clicks = play(xd, window, len(notes))
        time.sleep(1.0)
        left, right = recorder.stop()
        stalls = probe.stop()
        time.sleep(IDLE_WAIT_S)
        cost = idle_cost([process.pid, args.server_pid], IDLE_MEASURE_S)
        rss = resident_mb(process.pid)
        end_program(process)
        if args.keep:
            np.savez(os.path.join(args.keep, "run%d.npz" % (run + 1)), left=left, right=right,
                     anchor=recorder.anchor, slope=recorder.slope, arrivals=np.array(recorder.arrivals), display=display, clicks=np.array(clicks), notes=np.array(notes))
        r = analyse(left, right, recorder, display, clicks, notes, click_notes, templates)
        r.update(startup_none=startup["none"], startup_synth=startup["synth"], rss_none=startup["none_rss"],
                 rss_synth=rss, cpu_program=cost[process.pid][0], wake_program=cost[process.pid][1],
                 cpu_server=cost[args.server_pid][0], wake_server=cost[args.server_pid][1],
                 stalls=sum(s >= 5.0 for s in stalls), stall_longest=max(stalls, default=0.0))
        results.append(r)
        print("run %d: onsets %d/%d, interval error median %.2f max %.2f ms; pitch %d/%d within 6 cents "
              "(worst %.1f); click->sound median %.1f ms, spread %.1f ms; first after silence %.1f ms; "
              "idle: program %.2f %% %.1f wake-ups/s, server %.2f %% %.1f wake-ups/s; peak %.1f dBFS; "
              "L-R %.1f dB below L+R (max |L-R| %.3f); RSS %.1f MB (none %.1f); window mapped %.0f ms "
              "(none %.0f); dropouts %d (longest %.1f ms); machine stalls >= 5 ms %d (longest %.1f ms)" % (
                  run + 1, r["notes"], r["expected"], r["dev_median"], r["dev_max"], r["pitch_ok"],
                  r["expected"], r["pitch_worst"], r["click_median"], r["click_spread"],
                  r["first_after_idle"], r["cpu_program"], r["wake_program"], r["cpu_server"],
                  r["wake_server"], r["peak_dbfs"], -r["side_db"], r["max_lr"], r["rss_synth"],
                  r["rss_none"], r["startup_synth"], r["startup_none"], r["dropouts"],
                  r["dropout_longest"], r["stalls"], r["stall_longest"]), flush=True)
    print("over %d runs (min / median / max):" % len(results))
    rows = [
        ("onset interval error, median (ms)", "dev_median", "<= 2"),
        ("onset interval error, max (ms)", "dev_max", "<= 2"),
        ("pitches within 6 cents", "pitch_ok", "all %d" % len(notes)),
        ("click -> sound, median (ms)", "click_median", "<= 30"),
        ("click -> sound, spread max-min (ms)", "click_spread", "<= 3"),
        ("first note after silence (ms)", "first_after_idle", "<= 60"),
        ("idle CPU, program (% of a core)", "cpu_program", "<= 0.5"),
        ("idle wake-ups/s, program", "wake_program", "<= 20"),
        ("idle CPU, sound server (% of a core)", "cpu_server", "<= 0.5"),
        ("idle wake-ups/s, sound server", "wake_server", ""),
        ("peak level (dBFS)", "peak_dbfs", "notes near -12, < -3"),
        ("L-R relative to L+R (dB)", "side_db", "stereo: well above -inf"),
        ("resident memory with synth (MB)", "rss_synth", "<= 45"),
        ("resident memory with none (MB)", "rss_none", ""),
        ("window mapped, synth (ms)", "startup_synth", "within 10 of none"),
        ("window mapped, none (ms)", "startup_none", ""),
        ("dropouts (gaps of silence in the sound)", "dropouts", ""),
        ("longest dropout (ms)", "dropout_longest", ""),
        ("machine stalls >= 5 ms while recording", "stalls", ""),
        ("longest machine stall (ms)", "stall_longest", ""),
    ]
    for label, key, target in rows:
        values = sorted(r[key] for r in results)
        print("  %-40s %8.2f %8.2f %8.2f   %s" % (label, values[0], statistics.median(values), values[-1], target))


if __name__ == "__main__":
    main()
