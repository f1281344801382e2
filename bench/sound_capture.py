"""Capturing what the program does for the sound benchmark: X input and
window events through Xlib and XTest, the null sink's monitor through
libpulse-simple, and the processor time, wake-ups and memory of a process
from /proc. Times are CLOCK_MONOTONIC nanoseconds."""

import ctypes
import os
import select
import subprocess
import sys
import threading
import time

import numpy as np

RATE = 44100
MENU_BAR = 19  # px above the window's client area


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

        class SampleFormat(ctypes.Structure):
            _fields_ = [("format", ctypes.c_int), ("rate", ctypes.c_uint32),
                        ("channels", ctypes.c_uint8)]

        class Attr(ctypes.Structure):
            _fields_ = [(n, ctypes.c_uint32) for n in
                        ("maxlength", "tlength", "prebuf", "minreq", "fragsize")]

        self.piece = 128 * 8
        sample = SampleFormat(5, RATE, 2)  # PA_SAMPLE_FLOAT32LE, stereo
        attr = Attr(0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, self.piece)
        error = ctypes.c_int()
        self.pa = pa
        self.stream = pa.pa_simple_new(None, b"fretlab-bench", 2, (sink + ".monitor").encode(),
                                       b"record", ctypes.byref(sample), None, ctypes.byref(attr),
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


class StallProbe:
    """The machine's own hold-ups while it runs: bench/stall_probe.c wakes a
    thread of the highest real-time priority every millisecond on each
    processor and reports each wake-up more than 2 ms late. Without a probe
    program, nothing is reported."""

    def __init__(self, program):
        self.process = None
        if program:
            self.process = subprocess.Popen([program], stdout=subprocess.PIPE, text=True)

    def stop(self):
        """The stalls seen, in ms."""
        if self.process is None:
            return []
        self.process.terminate()
        out, _ = self.process.communicate()
        return [int(line.split()[3]) / 1e6 for line in out.splitlines() if line.startswith("stall ")]
