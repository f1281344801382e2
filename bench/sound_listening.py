"""Measuring the recording of the sound benchmark: onsets by cross-
correlation with each note's attack rendered straight by FluidSynth, pitch
from the harmonics, click-to-sound latency, level and stereo."""

import ctypes

import numpy as np

from sound_capture import RATE


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
    """Cents between the note's pitch and equal temperament, from the spectrum
    of 20..145 ms after the onset (the next note of a display starts at 150):
    the peaks of the note's harmonics 1..6, each searched within 40 cents of
    where it belongs, weighted by their magnitude.

    Only the harmonics whose neighbours a semitone away lie outside the
    window's main lobe are used. The Hann window of T = 125 ms is +-2/T
    (16 Hz) wide, and the note before in a scale display rings on (with its
    reverb) a semitone or a tone away: 6 % of the harmonic's frequency, so at
    a low note's fundamental (130-200 Hz) 8-12 Hz, inside the lobe, where it
    pulled the peak by up to 6.5 cents although the note was in tune. From
    3/T on it moves the peak by less than 0.2 cents."""
    expected = 440.0 * 2 ** ((note - 69) / 12.0)
    piece = mono[onset + int(0.020 * RATE):onset + int(0.145 * RATE)]
    window_s = len(piece) / RATE
    size = 1 << 18
    spectrum = np.log(np.abs(np.fft.rfft(piece * np.hanning(len(piece)), size)) + 1e-12)
    weighted, weights = 0.0, 0.0
    for harmonic in range(1, 7):
        if harmonic * expected * (2 ** (1 / 12.0) - 1) < 3.0 / window_s:
            continue
        centre = harmonic * expected * size / RATE
        lo, hi = int(centre * 2 ** (-40 / 1200)), int(centre * 2 ** (40 / 1200)) + 1
        i = lo + int(np.argmax(spectrum[lo:hi]))
        a, b, c = spectrum[i - 1], spectrum[i], spectrum[i + 1]
        peak = i + 0.5 * (a - c) / (a - 2 * b + c)
        weight = np.exp(b)
        weighted += weight * 1200.0 * np.log2(peak * RATE / size / (harmonic * expected))
        weights += weight
    return weighted / weights


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
    gaps = dropouts(left, right)
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
        "dropouts": len(gaps), "dropout_longest": max(gaps, default=0) * 1000.0 / RATE,
    }


def dropouts(left, right, around=500, heard=0.01):
    """Gaps the sound server filled with silence: 8 or more frames of exact
    zeros on both channels with sound on both sides (a note's own decay and
    the reverb never reach exact zero). Their lengths in frames."""
    zero = np.concatenate(([0], ((left == 0) & (right == 0)).astype(np.int8), [0]))
    edges = np.flatnonzero(np.diff(zero))
    gaps = []
    for start, end in zip(edges[::2], edges[1::2]):
        if end - start < 8 or start < around or end + around > len(left):
            continue
        if np.max(np.abs(left[start - around:start])) > heard and np.max(np.abs(left[end:end + around])) > heard:
            gaps.append(int(end - start))
    return gaps
