#!/usr/bin/env python3
"""Where a recorded guitar's sound broke off: stretches of digital silence
(at least 2 ms of zero samples) while a note sounded (above -40 dBFS in the
10 ms before). A synthesizer starved of processor time leaves them, and
after each the note begins again for any listener.

    sound_breaks.py MONITOR.wav      # 16-bit mono, as parecord writes it
"""
import math
import struct
import sys
import wave


def level_db(samples):
    if not samples:
        return -180.0
    rms = math.sqrt(sum(v * v for v in samples) / len(samples)) / 32768
    return 20 * math.log10(rms + 1e-9)


def main():
    with wave.open(sys.argv[1]) as w:
        rate, count = w.getframerate(), w.getnframes()
        x = struct.unpack("<%dh" % count, w.readframes(count))
    breaks, start = [], None
    for i, v in enumerate(x):
        if v == 0:
            if start is None:
                start = i
            continue
        if start is not None and i - start >= rate // 500:
            if level_db(x[max(start - rate // 100, 0):start]) > -40:
                breaks.append((start / rate, (i - start) * 1000 / rate))
        start = None
    print("the guitar's sound broke off %d times in %.0f s%s"
          % (len(breaks), count / rate, ":" if breaks else ""))
    for at, ms in breaks:
        print("  at %.2f s for %.0f ms" % (at, ms))


if __name__ == "__main__":
    main()
