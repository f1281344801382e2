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
import ctypes
import os
import select
import statistics
import subprocess
import sys
import tempfile
import threading
import time

import numpy as np

RATE = 44100
MENU_BAR = 19  # px above the window's client area
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


def now_ns():
    return time.clock_gettime_ns(time.CLOCK_MONOTONIC)


class XDisplay:
    """Just enough Xlib and XTest: top-level map events, window origin, clicks."""

    def __init__(self):
        self.x = ctypes.CDLL("libX11.so.6")
        self.xt = ctypes.CDLL("libXtst.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        for name in ("XDefaultRootWindow", "XSelectInput", "XConnectionNumber", "XPending",
                     "XNextEvent", "XFlush", "XTranslateCoordinates", "XSync", "XGetGeometry"):
            getattr(self.x, name).argtypes = None
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.d = self.x.XOpenDisplay(None)
        if not self.d:
            sys.exit("no X display")
        self.root = self.x.XDefaultRootWindow(self.d)
        self.x.XSelectInput(ctypes.c_void_p(self.d), ctypes.c_ulong(self.root),
                            ctypes.c_long(1 << 19))  # SubstructureNotifyMask
        self.fd = self.x.XConnectionNumber(ctypes.c_void_p(self.d))
        self.event = ctypes.create_string_buffer(192)

    def drain(self):
        while self.x.XPending(ctypes.c_void_p(self.d)):
            self.x.XNextEvent(ctypes.c_void_p(self.d), self.event)

    def wait_map(self, timeout_s):
        """The next top-level window mapped, and when: (window, ns) or None."""
        end = time.monotonic() + timeout_s
        while time.monotonic() < end:
            while self.x.XPending(ctypes.c_void_p(self.d)):
                self.x.XNextEvent(ctypes.c_void_p(self.d), self.event)
                if ctypes.c_int.from_buffer(self.event, 0).value == 19:  # MapNotify
                    window, at = ctypes.c_ulong.from_buffer(self.event, 40).value, now_ns()
                    # Qt maps a few helper windows of a pixel or three first.
                    if self.width(window) > 100:
                        return window, at
            select.select([self.fd], [], [], 0.01)
        return None

    def width(self, window):
        root, x, y = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_int()
        w, h, border, depth = ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint()
        if not self.x.XGetGeometry(ctypes.c_void_p(self.d), ctypes.c_ulong(window), ctypes.byref(root),
                                   ctypes.byref(x), ctypes.byref(y), ctypes.byref(w), ctypes.byref(h),
                                   ctypes.byref(border), ctypes.byref(depth)):
            return 0
        return w.value

    def client_origin(self, window):
        x, y, child = ctypes.c_int(), ctypes.c_int(), ctypes.c_ulong()
        self.x.XTranslateCoordinates(ctypes.c_void_p(self.d), ctypes.c_ulong(window),
                                     ctypes.c_ulong(self.root), 0, 0, ctypes.byref(x),
                                     ctypes.byref(y), ctypes.byref(child))
        return x.value, y.value + MENU_BAR

    def click(self, x, y, double=False):
        """Clicks at root pixel (x, y); returns the time the press went out."""
        d = ctypes.c_void_p(self.d)
        self.xt.XTestFakeMotionEvent(d, -1, x, y, 0)
        self.x.XFlush(d)
        time.sleep(0.02)
        sent = None
        for _ in range(2 if double else 1):
            self.xt.XTestFakeButtonEvent(d, 1, 1, 0)
            self.x.XFlush(d)
            sent = sent or now_ns()
            self.xt.XTestFakeButtonEvent(d, 1, 0, 0)
            self.x.XFlush(d)
            time.sleep(0.03)
        return sent


class Recorder(threading.Thread):
    """Reads the sink's monitor in 128-frame pieces, noting when each arrives."""

    def __init__(self, sink):
        super().__init__(daemon=True)
        pa = ctypes.CDLL("libpulse-simple.so.0")
        pa.pa_simple_new.restype = ctypes.c_void_p

        class Spec(ctypes.Structure):
            _fields_ = [("format", ctypes.c_int), ("rate", ctypes.c_uint32),
                        ("channels", ctypes.c_uint8)]

        class Attr(ctypes.Structure):
            _fields_ = [(n, ctypes.c_uint32) for n in
                        ("maxlength", "tlength", "prebuf", "minreq", "fragsize")]

        self.piece = 128 * 8
        spec = Spec(5, RATE, 2)  # PA_SAMPLE_FLOAT32LE, stereo
        attr = Attr(0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, self.piece)
        error = ctypes.c_int()
        self.pa = pa
        self.stream = pa.pa_simple_new(None, b"fretlab-bench", 2, (sink + ".monitor").encode(),
                                       b"record", ctypes.byref(spec), None, ctypes.byref(attr),
                                       ctypes.byref(error))
        if not self.stream:
            sys.exit("cannot record from %s.monitor (error %d)" % (sink, error.value))
        self.chunks, self.frames, self.anchor, self.arrivals = [], 0, None, []
        self.running = True

    def run(self):
        buffer = ctypes.create_string_buffer(self.piece)
        error = ctypes.c_int()
        while self.running:
            if self.pa.pa_simple_read(ctypes.c_void_p(self.stream), buffer, self.piece,
                                      ctypes.byref(error)) < 0:
                break
            arrived = now_ns()
            self.chunks.append(buffer.raw)
            self.frames += self.piece // 8
            start = arrived - self.frames * 1_000_000_000 // RATE
            self.arrivals.append((self.frames, start))

    def stop(self):
        self.running = False
        self.join()
        self.pa.pa_simple_free(ctypes.c_void_p(self.stream))
        self.fit_clock()
        data = np.frombuffer(b"".join(self.chunks), dtype="<f4").reshape(-1, 2)
        return data[:, 0].copy(), data[:, 1].copy()

    def fit_clock(self):
        """A straight line through the earliest arrival of each second: a
        piece that arrives late says nothing of when it was played."""
        frames = np.array([f for f, _ in self.arrivals], dtype=float)
        starts = np.array([s for _, s in self.arrivals], dtype=float)
        keys, lows = [], []
        for second in range(int(frames[-1] // RATE) + 1):
            inside = (frames >= second * RATE) & (frames < (second + 1) * RATE)
            if inside.any():
                i = np.argmin(np.where(inside, starts, np.inf))
                keys.append(frames[i])
                lows.append(starts[i])
        self.slope, self.anchor = np.polyfit(keys, lows, 1) if len(keys) > 1 else (0.0, lows[0])

    def frame_of(self, ns):
        """The recorded frame that was played at monotonic time `ns`."""
        # start(f) = anchor + slope f is when frame 0 was played, seen from f.
        return int(round((ns - self.anchor) * RATE / 1e9 / (1 + self.slope * RATE / 1e9)))

    def time_of(self, frame):
        return self.anchor + self.slope * frame + frame * 1e9 / RATE


def cpu_ticks(pid):
    """utime + stime of the whole process, in clock ticks."""
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


def switches(pid):
    """Context switches of every thread: each one is a wake-up or a preemption."""
    total = 0
    for task in os.listdir("/proc/%d/task" % pid):
        try:
            with open("/proc/%d/task/%s/status" % (pid, task)) as f:
                for line in f:
                    if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                        total += int(line.split()[1])
        except FileNotFoundError:
            pass
    return total


def resident_mb(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024.0
    return float("nan")


def idle_cost(pids, seconds):
    """Per pid: (share of one core in %, wake-ups per second) over `seconds`."""
    hz = os.sysconf("SC_CLK_TCK")
    before = {p: (cpu_ticks(p), switches(p)) for p in pids}
    t0 = time.monotonic()
    time.sleep(seconds)
    wall = time.monotonic() - t0
    return {p: (100.0 * (cpu_ticks(p) - before[p][0]) / hz / wall,
                (switches(p) - before[p][1]) / wall) for p in pids}


class Templates:
    """How each note begins, rendered straight by FluidSynth from the same
    soundfont and program, starting at frame 0: found again in the recording
    by cross-correlation, its onset is placed to a fraction of a frame,
    whatever rings on from the note before."""

    LENGTH = int(0.030 * RATE)  # the attack and the start of the note, 30 ms

    def __init__(self, soundfont):
        fl = ctypes.CDLL("libfluidsynth.so.3")
        fl.new_fluid_settings.restype = ctypes.c_void_p
        fl.new_fluid_synth.restype = ctypes.c_void_p
        fl.new_fluid_synth.argtypes = [ctypes.c_void_p]
        fl.fluid_settings_setnum.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_double]
        fl.fluid_settings_setint.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        for name in ("fluid_synth_sfload", "fluid_synth_program_change", "fluid_synth_noteon",
                     "fluid_synth_all_sounds_off", "fluid_synth_write_float"):
            getattr(fl, name).argtypes = None
        settings = fl.new_fluid_settings()
        fl.fluid_settings_setnum(settings, b"synth.sample-rate", float(RATE))
        fl.fluid_settings_setint(settings, b"synth.reverb.active", 0)
        fl.fluid_settings_setint(settings, b"synth.chorus.active", 0)
        self.fl, self.synth = fl, fl.new_fluid_synth(settings)
        fl.fluid_synth_sfload(ctypes.c_void_p(self.synth), soundfont.encode(), 1)
        fl.fluid_synth_program_change(ctypes.c_void_p(self.synth), 0, 24)
        self.cache = {}

    def __getitem__(self, note):
        if note not in self.cache:
            synth = ctypes.c_void_p(self.synth)
            n = (self.LENGTH + 63) // 64 * 64
            left, right = (ctypes.c_float * n)(), (ctypes.c_float * n)()
            self.fl.fluid_synth_noteon(synth, 0, int(note), 64)
            self.fl.fluid_synth_write_float(synth, n, left, 0, 1, right, 0, 1)
            self.fl.fluid_synth_all_sounds_off(synth, -1)
            rest = (ctypes.c_float * (64 * 200))()
            self.fl.fluid_synth_write_float(synth, 64 * 200, rest, 0, 1, rest, 0, 1)
            attack = np.frombuffer(left, dtype=np.float32).astype(float)
            self.cache[note] = high_pass(np.concatenate([attack, np.zeros(n)]))[:self.LENGTH]
        return self.cache[note]


def high_pass(signal):
    """Above 6 kHz: a pluck's first milliseconds, hardly any of the notes ringing."""
    spectrum = np.fft.rfft(signal)
    spectrum[np.fft.rfftfreq(len(signal), 1.0 / RATE) < 6000] = 0
    return np.fft.irfft(spectrum, len(signal))


def envelope(signal):
    return np.sqrt(np.convolve(signal ** 2, np.ones(22) / 22, mode="same"))


def rough_onset(band, start, stop):
    """First frame in [start, stop) where the high band rises six times
    over its median in the 20 ms before, or None: within a few ms."""
    start, stop = max(start, 900), min(stop, len(band))
    for block in range(start, stop, 64):
        level = max(6.0 * np.median(band[block - 882:block]), 1e-6)
        above = np.nonzero(band[block:block + 64] > level)[0]
        if above.size:
            return block + int(above[0])
    return None


def exact_onset(high, template, rough):
    """The frame where `template` starts, near `rough` (10 ms before to 2 ms
    after), by normalised cross-correlation of the high bands, refined with
    a parabola."""
    lo = rough - int(0.010 * RATE)
    hi = rough + int(0.002 * RATE)
    if lo < 0 or hi + len(template) > len(high):
        return None
    t = template / np.linalg.norm(template)
    scores = np.array([np.dot(high[lag:lag + len(t)], t) / (np.linalg.norm(high[lag:lag + len(t)]) + 1e-12)
                       for lag in range(lo, hi)])
    i = int(np.argmax(scores))
    if 0 < i < len(scores) - 1:
        a, b, c = scores[i - 1], scores[i], scores[i + 1]
        return lo + i + 0.5 * (a - c) / (a - 2 * b + c)
    return float(lo + i)


def find_onset(high, band, templates, note, start, stop):
    rough = rough_onset(band, start, stop)
    return None if rough is None else exact_onset(high, templates[note], rough)


def pitch_cents(mono, onset, note):
    """Cents between the note's pitch and equal temperament: the peaks of its
    first three harmonics, each searched within 40 cents of where it belongs,
    in the spectrum of 30..230 ms after the onset. Notes still ringing from
    before (and their reverb) lie a semitone or more away, outside."""
    expected = 440.0 * 2 ** ((note - 69) / 12.0)
    piece = mono[onset + int(0.02 * RATE):onset + int(0.14 * RATE)]
    size = 1 << 18
    spectrum = np.log(np.abs(np.fft.rfft(piece * np.hanning(len(piece)), size)) + 1e-12)
    weighted, weights = 0.0, 0.0
    for harmonic in (1, 2, 3):
        centre = harmonic * expected * size / RATE
        lo, hi = int(centre * 2 ** (-40 / 1200)), int(centre * 2 ** (40 / 1200)) + 1
        i = lo + int(np.argmax(spectrum[lo:hi]))
        a, b, c = spectrum[i - 1], spectrum[i], spectrum[i + 1]
        peak = i + 0.5 * (a - c) / (a - 2 * b + c)
        weight = np.exp(b)
        weighted += weight * 1200.0 * np.log2(peak * RATE / size / (harmonic * expected))
        weights += weight
    return weighted / weights


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


def analyse(left, right, recorder, display, clicks, notes, click_notes, templates):
    mono = 0.5 * (left + right)
    high = high_pass(mono)
    band = envelope(high)
    onsets = []
    start, stop = recorder.frame_of(display), recorder.frame_of(display) + RATE
    for note in notes:
        onset = find_onset(high, band, templates, note, start, stop)
        if onset is None:
            break
        onsets.append(onset)
        start, stop = int(onset) + int(0.1 * RATE), int(onset) + int(0.2 * RATE)
    intervals = np.diff(onsets) * 1000.0 / RATE
    deviation = np.abs(intervals - 150.0)
    cents = [pitch_cents(mono, int(o), n) for o, n in zip(onsets, notes)]
    latencies = []
    for c, note in zip(clicks, click_notes):
        at = recorder.frame_of(c)
        o = find_onset(high, band, templates, note, at, at + int(0.2 * RATE))
        latencies.append(float("nan") if o is None else (recorder.time_of(o) - c) / 1e6)
    peak = max(np.max(np.abs(left)), np.max(np.abs(right)), 1e-12)
    side = np.sqrt(np.mean((left - right) ** 2))
    mid = np.sqrt(np.mean((left + right) ** 2)) + 1e-12
    return {
        "notes": len(onsets), "expected": len(notes),
        "dev_median": float(np.median(deviation)) if len(deviation) else float("nan"),
        "dev_max": float(np.max(deviation)) if len(deviation) else float("nan"),
        "pitch_ok": sum(abs(c) <= 6.0 for c in cents), "pitch_worst": max((abs(c) for c in cents), default=float("nan")),
        "first_after_idle": latencies[0],
        "click_median": float(np.nanmedian(latencies[1:])),
        "click_spread": float(np.nanmax(latencies[1:]) - np.nanmin(latencies[1:])),
        "peak_dbfs": 20 * np.log10(peak),
        "side_db": 20 * np.log10(side / mid + 1e-12),
        "max_lr": float(np.max(np.abs(left - right))),
    }


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--server-pid", type=int, required=True)
    parser.add_argument("--sink", required=True)
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--soundfont", default="/usr/share/sounds/sf2/default-GM.sf2")
    parser.add_argument("--keep", help="folder to keep each run's recording in (.npz)")
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
        recorder.start()
        while recorder.frames < RATE // 2:
            time.sleep(0.05)
        process, window, _ = start_program(args.program, "synth", xd)
        time.sleep(1.0)
        display, clicks = play(xd, window, len(notes))
        time.sleep(1.0)
        left, right = recorder.stop()
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
                 cpu_server=cost[args.server_pid][0], wake_server=cost[args.server_pid][1])
        results.append(r)
        print("run %d: onsets %d/%d, interval error median %.2f max %.2f ms; pitch %d/%d within 6 cents "
              "(worst %.1f); click->sound median %.1f ms, spread %.1f ms; first after silence %.1f ms; "
              "idle: program %.2f %% %.1f wake-ups/s, server %.2f %% %.1f wake-ups/s; peak %.1f dBFS; "
              "L-R %.1f dB below L+R (max |L-R| %.3f); RSS %.1f MB (none %.1f); window mapped %.0f ms "
              "(none %.0f)" % (
                  run + 1, r["notes"], r["expected"], r["dev_median"], r["dev_max"], r["pitch_ok"],
                  r["expected"], r["pitch_worst"], r["click_median"], r["click_spread"],
                  r["first_after_idle"], r["cpu_program"], r["wake_program"], r["cpu_server"],
                  r["wake_server"], r["peak_dbfs"], -r["side_db"], r["max_lr"], r["rss_synth"],
                  r["rss_none"], r["startup_synth"], r["startup_none"]), flush=True)
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
    ]
    for label, key, target in rows:
        values = sorted(r[key] for r in results)
        print("  %-40s %8.2f %8.2f %8.2f   %s" % (label, values[0], statistics.median(values), values[-1], target))


if __name__ == "__main__":
    main()
