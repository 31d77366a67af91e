#!/usr/bin/env python3
"""Smooths a music loop's seam in a 16-bit WAV file.

The game plays a track to its loop end and jumps back to its loop start. The score makes the
bars before both points the same turnaround, but the tails of the notes before them differ; so
over the last FADE milliseconds before the loop end the audio is blended, linearly, into the
audio that precedes the loop start. At the jump the sound then carries straight on.

Usage: python3 tools/music/seam.py IN.wav OUT.wav LOOP_START_MS LOOP_END_MS FADE_MS
"""
import array
import sys
import wave


def main():
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    source, target = sys.argv[1], sys.argv[2]
    start_ms, end_ms, fade_ms = (int(v) for v in sys.argv[3:])
    with wave.open(source, "rb") as w:
        params = w.getparams()
        samples = array.array("h", w.readframes(params.nframes))
    if params.sampwidth != 2 or sys.byteorder != "little":
        sys.exit("expects 16-bit samples on a little-endian machine")
    channels, rate = params.nchannels, params.framerate
    start = start_ms * rate // 1000
    end = end_ms * rate // 1000
    fade = min(fade_ms * rate // 1000, start)
    if end > params.nframes or start >= end:
        sys.exit("loop points outside the audio")
    for i in range(fade):
        weight = (i + 1) / fade
        here = (end - fade + i) * channels
        there = (start - fade + i) * channels
        for c in range(channels):
            mixed = (1 - weight) * samples[here + c] + weight * samples[there + c]
            samples[here + c] = max(-32768, min(32767, int(round(mixed))))
    with wave.open(target, "wb") as w:
        w.setparams(params)
        w.writeframes(samples.tobytes())


if __name__ == "__main__":
    main()
