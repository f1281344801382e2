#!/usr/bin/python3
"""Checks `fretlab --export` against programs that are not ours.

    export_check.py midi FRETLAB       our .mid, read back with mido: every event
    export_check.py musescore FRETLAB  our .musicxml, turned into MIDI by MuseScore 3

Each mode exports a handful of sequences written here byte by byte (the
60-byte example file, 6000 chords, muted strings and silent chords, lengths
that are no note value, a unison) and compares what the other program reads
with what the .fbs holds: the notes of every chord, their order, and their
durations relative to the stored lengths. Exit status 0 passed, 1 failed,
77 skipped (mido or MuseScore missing).
"""

import os
import struct
import subprocess
import sys
import tempfile

SKIP = 77
OPEN = [40, 45, 50, 55, 59, 64]  # open strings by chord slot, low E first
NOTE_VALUE_TICKS = {200: 1920, 100: 960, 50: 480, 25: 240, 12: 120, 150: 1440, 75: 720, 37: 360}
VALUES = list(NOTE_VALUE_TICKS)

try:
    import mido
except ImportError:
    print("SKIP: python3-mido is not installed (scripts/install-deps with FRETLAB_TEST_DEPS=1)")
    sys.exit(SKIP)


def ticks(length):
    """The MIDI ticks of a stored length (480 a quarter note, 50 units a quarter)."""
    if length <= 0:
        return 0
    return NOTE_VALUE_TICKS.get(length, int(length * 9.6 + 0.5))


def fbs_bytes(chords):
    """A sequence file: per chord six (note, fret) pairs, (length, 0), then 9999."""
    words = []
    for notes, frets, length in chords:
        for k in range(6):
            words += [notes[k], frets[k]]
        words += [length, 0]
    return struct.pack(f"<{len(words) + 1}i", *words, 9999)


def shape(frets, length):
    """A chord from frets low E to high E, None for a muted string."""
    notes = [0 if f is None else OPEN[k] + f for k, f in enumerate(frets)]
    return notes, [0 if f is None else f for f in frets], length


def sequences():
    x = None
    forms = [[0, 2, 2, 1, 0, 0], [x, 0, 2, 2, 2, 0], [3, 2, 0, 0, 0, 3], [x, 3, 2, 0, 1, 0],
             [x, x, 0, 2, 3, 2], [0, 2, 2, 0, 0, 0], [x, 0, 2, 0, 1, 0]]
    big = []
    for i in range(6000):
        up = (i // len(forms)) % 12
        frets = [None if f is None else f + up for f in forms[i % len(forms)]]
        big.append(shape(frets, VALUES[i % 8]))
    return {
        "example": bytes.fromhex(
            "28000000 00000000 2F000000 02000000 34000000 02000000 38000000 01000000"
            " 3B000000 00000000 40000000 00000000 32000000 00000000 0F270000".replace(" ", "")),
        "six-thousand": fbs_bytes(big),
        "muted": fbs_bytes([
            shape([3, x, 2, 2, 1, 0], 50),       # Am7/G, A string muted
            shape([x, x, x, x, x, x], 100),      # silence takes no time
            shape([x, 3, x, x, x, 0], 25),       # two notes, no chord
            shape([x, x, 0, x, x, x], 0),        # length 0 takes no time
            shape([x, x, 0, 2, 3, 2], 200),      # D
            shape([5, x, x, x, x, x], 150),      # one note, crossing the bar
            shape([x, 3, 2, 0, 1, 0], 37),
        ]),
        "odd-lengths": fbs_bytes([shape([x, 3, 2, 0, 1, 0], n)
                                  for n in [1, 7, 13, 33, 99, 149, 333, 1000, 51, 12, 36, 2]]),
        "unison": fbs_bytes([([52, 55, 60, 67, 67, 76], [12, 10, 10, 12, 8, 12], 50),
                             shape([0, 2, 2, 1, 0, 0], 75)]),
    }


def parse_fbs(data):
    """The chords of a sequence file: (pitches sounding, in slot order, distinct; ticks)."""
    chords = []
    at = 0
    while struct.unpack_from("<i", data, at)[0] != 9999:
        words = struct.unpack_from("<14i", data, at)
        at += 56
        pitches = []
        for note in words[0:12:2]:
            if note > 0 and note not in pitches:
                pitches.append(note)
        chords.append((pitches, ticks(words[12])))
    return chords


def timed(chords):
    """The chords that take time, with their start and end in ticks."""
    out, at = [], 0
    for pitches, length in chords:
        if length == 0 or not pitches:
            continue
        out.append((pitches, at, at + length))
        at += length
    return out


def score_times(chords):
    """Where a score puts timed chords: each starts where the one before ends
    and ends at its MIDI end brought to the nearest 64th note (30 ticks),
    lasting one 64th at least. So a score never strays more than 15 ticks from
    the MIDI file except after a chord shorter than a 64th."""
    out, at = [], 0
    for pitches, start, stop in chords:
        end = max((stop + 15) // 30 * 30, at + 30)
        assert at == start or abs(at - start) <= 15 or out[-1][2] - out[-1][1] == 30
        out.append((pitches, at, end))
        at = end
    return out


def without_display():
    """The environment with no window system to reach: --export needs none."""
    env = dict(os.environ)
    for variable in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
        env.pop(variable, None)
    return env


def check_refusals(fretlab, work):
    """A refused file or extension: status 2, one line, no output file."""
    cut = os.path.join(work, "cut.fbs")
    with open(cut, "wb") as f:
        f.write(fbs_bytes([shape([0, 2, 2, 1, 0, 0], 50)])[:30])
    for out, source, start in [("cut.mid", cut, "fretlab: Cannot open"),
                               ("song.pdf", cut, "fretlab: cannot export to")]:
        path = os.path.join(work, out)
        run = subprocess.run([fretlab, "--export", path, source], capture_output=True,
                             text=True, env=without_display())
        lines = run.stderr.splitlines()
        assert run.returncode == 2, f"{out}: status {run.returncode}"
        assert len(lines) == 1 and lines[0].startswith(start), f"{out}: said {run.stderr!r}"
        assert run.stdout == "" and not os.path.exists(path), f"{out}: wrote something"


def export(fretlab, work, name, data, extension):
    fbs = os.path.join(work, name + ".fbs")
    with open(fbs, "wb") as f:
        f.write(data)
    out = os.path.join(work, name + extension)
    run = subprocess.run([fretlab, "--export", out, fbs], capture_output=True, text=True,
                         env=without_display())
    if run.returncode != 0 or run.stdout or run.stderr:
        raise AssertionError(f"{name}: --export status {run.returncode}, said {run.stdout!r} "
                             f"{run.stderr!r}")
    return out


def absolute(track):
    at = 0
    for message in track:
        at += message.time
        yield at, message


def check_midi(name, path, chords):
    """Every event of our own file, in order."""
    song = mido.MidiFile(path)
    assert song.type == 1 and song.ticks_per_beat == 480, (song.type, song.ticks_per_beat)
    assert len(song.tracks) == 2, len(song.tracks)
    conductor = [(t, m.dict()) for t, m in absolute(song.tracks[0])]
    for _, m in conductor:
        m.pop("time")
    expected = [
        (0, {"type": "track_name", "name": name}),
        (0, {"type": "set_tempo", "tempo": 500000}),
        (0, {"type": "time_signature", "numerator": 4, "denominator": 4,
             "clocks_per_click": 24, "notated_32nd_notes_per_beat": 8}),
        (0, {"type": "end_of_track"}),
    ]
    assert conductor == expected, f"track 1: {conductor}"

    events = []
    for t, m in absolute(song.tracks[1]):
        if m.type == "track_name":
            events.append((t, "name", m.name))
        elif m.type == "program_change":
            events.append((t, "program", m.channel, m.program))
        elif m.type in ("note_on", "note_off"):
            events.append((t, m.type, m.channel, m.note, m.velocity))
        else:
            events.append((t, m.type))
    want = [(0, "name", "Guitar"), (0, "program", 0, 24)]
    end = 0
    for pitches, start, end in timed(chords):
        want += [(start, "note_on", 0, p, 64) for p in pitches]
        want += [(end, "note_off", 0, p, 64) for p in pitches]
    want.append((end, "end_of_track"))
    if events != want:
        for i, (a, b) in enumerate(zip(events, want)):
            if a != b:
                raise AssertionError(f"track 2, event {i}: {a}, expected {b}")
        raise AssertionError(f"track 2: {len(events)} events, expected {len(want)}")


def sounded(path):
    """MuseScore's MIDI file as chords: (onset, sorted pitches, latest end), ticks scaled to 480."""
    song = mido.MidiFile(path)
    scale = 480 / song.ticks_per_beat
    tempos = {m.tempo for track in song.tracks for m in track if m.type == "set_tempo"}
    assert tempos == {500000}, f"tempo {tempos}"
    starts, ends = {}, []
    for track in song.tracks:
        sounding = {}
        for t, m in absolute(track):
            if m.type == "note_on" and m.velocity > 0:
                sounding.setdefault(m.note, []).append(t)
            elif m.type in ("note_off", "note_on"):
                on = sounding[m.note].pop(0)
                starts.setdefault(on, set()).add(m.note)
                ends.append((on, m.note, t))
    chords = []
    for onset in sorted(starts):
        end = max(t for on, _, t in ends if on == onset)
        chords.append((onset * scale, sorted(starts[onset]), end * scale))
    return chords


def check_musescore(name, path, chords, work):
    converted = os.path.join(work, name + "-musescore.mid")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    for variable in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"):
        env[variable] = os.path.join(work, "musescore-" + variable.lower())
        os.makedirs(env[variable], mode=0o700, exist_ok=True)
    run = subprocess.run(["mscore3", "-o", converted, path], env=env, capture_output=True,
                         text=True, timeout=900)
    if run.returncode != 0 or not os.path.exists(converted):
        raise AssertionError(f"{name}: MuseScore failed ({run.returncode}): {run.stderr[-2000:]}")
    # MuseScore checks the file against the MusicXML schema first. Of its
    # import notes only one is expected: it keeps a tuning for tablature
    # staves alone, while ours stands with a notation staff's string and fret
    # marks for any reader that uses it.
    complaints = [line for line in run.stderr.splitlines()
                  if ("not a valid MusicXML" in line or "no instrument found" in line.lower()
                      or "Error" in line) and "<staff-tuning> on non-TAB staff" not in line]
    if complaints:
        raise AssertionError(f"{name}: MuseScore says: {complaints[:5]}")
    got = sounded(converted)
    want = score_times(timed(chords))
    assert len(got) == len(want), f"{name}: MuseScore plays {len(got)} chords, expected {len(want)}"
    # MuseScore ends every note a tick early.
    for i, ((onset, pitches, end), (expected, start, stop)) in enumerate(zip(got, want)):
        assert pitches == sorted(expected), f"{name} chord {i + 1}: {pitches}, expected {expected}"
        assert abs(onset - start) <= 1, f"{name} chord {i + 1}: starts at {onset}, expected {start}"
        assert abs(end - stop) <= 1, f"{name} chord {i + 1}: ends at {end}, expected {stop}"


def main():
    mode, fretlab = sys.argv[1], sys.argv[2]
    if mode == "musescore" and subprocess.run(["sh", "-c", "command -v mscore3"],
                                              capture_output=True).returncode != 0:
        print("SKIP: MuseScore 3 (mscore3) is not installed "
              "(scripts/install-deps with FRETLAB_TEST_DEPS=1)")
        return SKIP
    failures = 0
    with tempfile.TemporaryDirectory(prefix="fretlab-export-") as work:
        if mode == "midi":
            try:
                check_refusals(fretlab, work)
            except AssertionError as problem:
                print(f"FAIL refusals: {problem}")
                failures += 1
        for name, data in sequences().items():
            chords = parse_fbs(data)
            try:
                if name == "example":
                    assert len(data) == 60, len(data)
                if mode == "midi":
                    check_midi(name, export(fretlab, work, name, data, ".mid"), chords)
                else:
                    check_musescore(name, export(fretlab, work, name, data, ".musicxml"),
                                    chords, work)
                print(f"{name}: {len(timed(chords))} chords as expected")
            except AssertionError as problem:
                print(f"FAIL {name}: {problem}")
                failures += 1
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
