#!/usr/bin/env python3
"""Synthesises the game's sound effects: data/sounds/*.wav (mono, 16-bit, 22050 Hz).

Plain oscillators and filtered noise, sample by sample; the noise comes from a fixed seed, so
every run writes the same files. Each sound is faded in over a millisecond and out over a few,
and scaled to a peak of -1.5 dBFS. The palette is in docs/art-direction.md.
Run from the project root: python3 tools/art/sounds.py
"""
import math
import os
import random
import struct
import wave

RATE = 22050
PEAK = 10 ** (-1.5 / 20)
OUT = os.path.join("data", "sounds")


def frames(seconds):
    return int(round(seconds * RATE))


def sweep(seconds, start_hz, end_hz, shape, curve=1.0):
    """An oscillator whose pitch glides from start_hz to end_hz (exponentially if both > 0)."""
    n = frames(seconds)
    out = []
    phase = 0.0
    for i in range(n):
        t = (i / max(n - 1, 1)) ** curve
        hz = start_hz * (end_hz / start_hz) ** t
        phase = (phase + hz / RATE) % 1.0
        out.append(shape(phase))
    return out


def square(phase):
    return 1.0 if phase < 0.5 else -1.0


def saw(phase):
    return 2.0 * phase - 1.0


def triangle(phase):
    return 4.0 * abs(phase - 0.5) - 1.0


def sine(phase):
    return math.sin(2.0 * math.pi * phase)


def noise(seconds, seed):
    rng = random.Random(seed)
    return [rng.uniform(-1.0, 1.0) for _ in range(frames(seconds))]


def decay(samples, seconds):
    """Exponential decay that falls by 60 dB over the given time."""
    k = math.log(1000.0) / (seconds * RATE)
    return [s * math.exp(-k * i) for i, s in enumerate(samples)]


def envelope(samples, attack, hold, release):
    """Linear attack, flat hold, then a cosine release to zero; the rest is cut."""
    a, h, r = frames(attack), frames(hold), frames(release)
    out = []
    for i, s in enumerate(samples[: a + h + r]):
        if i < a:
            g = i / a
        elif i < a + h:
            g = 1.0
        else:
            g = 0.5 + 0.5 * math.cos(math.pi * (i - a - h) / r)
        out.append(s * g)
    return out


def lowpass(samples, cutoff):
    """One-pole lowpass; cutoff may be a number or a function of the position 0..1."""
    out = []
    y = 0.0
    n = len(samples)
    for i, s in enumerate(samples):
        hz = cutoff(i / max(n - 1, 1)) if callable(cutoff) else cutoff
        a = 1.0 - math.exp(-2.0 * math.pi * hz / RATE)
        y += a * (s - y)
        out.append(y)
    return out


def highpass(samples, cutoff):
    low = lowpass(samples, cutoff)
    return [s - l for s, l in zip(samples, low)]


def mix(*parts):
    """Sums (gain, offset seconds, samples) triples."""
    length = max(frames(off) + len(s) for _, off, s in parts)
    out = [0.0] * length
    for gain, off, s in parts:
        start = frames(off)
        for i, v in enumerate(s):
            out[start + i] += gain * v
    return out


def note(name):
    """Frequency of a note name such as "C5" or "F#4" (A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semis = steps[name[0]] + name.count("#") - name.count("b")
    octave = int(name[-1])
    return 440.0 * 2 ** ((semis + 12 * (octave - 4)) / 12)


def tone(name, seconds, shape, tail=0.04):
    hz = note(name)
    return envelope(sweep(seconds + tail, hz, hz, shape), 0.002, seconds - 0.002, tail)


def finish(samples, fade_out=0.01):
    """Fades both ends and scales to the common peak."""
    s = list(samples)
    a, r = frames(0.001), frames(fade_out)
    for i in range(min(a, len(s))):
        s[i] *= i / a
    for i in range(min(r, len(s))):
        s[-1 - i] *= i / r
    top = max(abs(v) for v in s)
    return [v * PEAK / top for v in s]


def shot():
    body = sweep(0.11, 1500, 450, square, curve=0.6)
    return lowpass(decay(body, 0.16), 6000)


def enemy_shot():
    a = sweep(0.17, 620, 180, saw, curve=0.7)
    b = sweep(0.17, 637, 185, saw, curve=0.7)
    return lowpass(decay(mix((0.5, 0, a), (0.5, 0, b)), 0.3), 2600)


def hit():
    crack = decay(highpass(noise(0.08, 11), 2500), 0.05)
    ring = decay(sweep(0.08, 2200, 1900, sine), 0.07)
    return mix((0.8, 0, crack), (0.5, 0, ring))


def explosion(seconds, seed, top_hz, thump_from, thump_to, thump_gain):
    rumble = lowpass(noise(seconds, seed), lambda t: top_hz * (150.0 / top_hz) ** t)
    rumble = lowpass(rumble, lambda t: top_hz * (150.0 / top_hz) ** t)
    rumble = decay(rumble, seconds * 1.1)
    thump = decay(sweep(seconds * 0.6, thump_from, thump_to, sine, curve=0.5), seconds * 0.55)
    return mix((1.6, 0, rumble), (thump_gain, 0, thump))


def drive(samples, amount):
    """Soft saturation: explosions read louder at the same peak."""
    top = max(abs(v) for v in samples)
    return [math.tanh(amount * v / top) for v in samples]


def explosion_small():
    return envelope(drive(explosion(0.75, 21, 4000, 90, 40, 0.9), 2.5), 0.001, 0.55, 0.2)


def explosion_large():
    first = explosion(1.3, 31, 5000, 70, 28, 1.0)
    second = explosion(1.2, 32, 1800, 55, 25, 0.8)
    rng = random.Random(33)
    crackle = [0.0] * frames(1.2)
    for _ in range(60):
        at = int(rng.random() ** 1.8 * (len(crackle) - 40))
        for j in range(30):
            crackle[at + j] += rng.uniform(-1, 1) * math.exp(-j / 6.0)
    crackle = highpass(decay(crackle, 1.3), 1500)
    body = mix((1.0, 0, first), (0.8, 0.12, second), (0.5, 0.05, crackle))
    return envelope(drive(body, 2.5), 0.001, 1.1, 0.3)


def pickup():
    parts = [(1.0, i * 0.055, tone(n, 0.055, triangle, tail=0.1))
             for i, n in enumerate(["C6", "E6", "G6", "C7"])]
    return mix(*parts)


def ping():
    def blip(attack):
        return envelope(decay(sweep(0.34, 1320, 1300, sine), 0.34), attack, 0.05, 0.29)
    click = decay(highpass(noise(0.01, 41), 3000), 0.01)
    # The echo swells in softly: a hard onset there would sound like a second click.
    return mix((1.0, 0, blip(0.003)), (0.25, 0, click), (0.3, 0.16, blip(0.02)))


def shield():
    body = sweep(0.6, 110, 330, saw, curve=0.8)
    shimmer = [0.7 + 0.3 * math.sin(2 * math.pi * 14 * i / RATE) for i in range(len(body))]
    body = [b * s for b, s in zip(body, shimmer)]
    body = lowpass(body, lambda t: 500 + 2500 * t)
    return envelope(body, 0.06, 0.4, 0.14)


def menu_select():
    return mix((1.0, 0, lowpass(tone("A5", 0.05, square, tail=0.02), 5000)),
               (1.0, 0.055, lowpass(tone("E6", 0.05, square, tail=0.02), 5000)))


def level_end():
    # In D major, the key the results screen's music opens in.
    melody = [("D5", 0.0, 0.14), ("F#5", 0.15, 0.14), ("A5", 0.30, 0.14), ("D6", 0.45, 0.38),
              ("A5", 0.85, 0.14), ("D6", 1.0, 0.9)]
    lead = [(0.55, at, lowpass(tone(n, length, square, tail=0.12), 3500))
            for n, at, length in melody]
    chord = [(0.35, 1.0, envelope(sweep(1.2, note(n), note(n), triangle), 0.02, 0.6, 0.58))
             for n in ["D4", "F#4", "A4"]]
    bass = [(0.5, 0.0, tone("D3", 0.4, triangle, tail=0.1)),
            (0.5, 0.45, tone("A2", 0.35, triangle, tail=0.1)),
            (0.6, 1.0, envelope(sweep(1.2, note("D3"), note("D3"), triangle), 0.01, 0.6, 0.59))]
    return mix(*(lead + chord + bass))


def boss_alarm():
    def whoop():
        high = sweep(0.5, 380, 760, saw, curve=0.9)
        low = sweep(0.5, 190, 380, square, curve=0.9)
        return envelope(lowpass(mix((0.6, 0, high), (0.35, 0, low)), 3000), 0.01, 0.42, 0.07)
    return mix((1.0, 0, whoop()), (1.0, 0.6, whoop()))


SOUNDS = {
    "Shot": shot,
    "EnemyShot": enemy_shot,
    "Hit": hit,
    "ExplosionSmall": explosion_small,
    "ExplosionLarge": explosion_large,
    "Pickup": pickup,
    "Ping": ping,
    "Shield": shield,
    "MenuSelect": menu_select,
    "LevelEnd": level_end,
    "BossAlarm": boss_alarm,
}


def write(name, samples):
    path = os.path.join(OUT, name + ".wav")
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(round(v * 32767))) for v in samples))
    print("%-15s %.3f s" % (name, len(samples) / RATE))


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, make in SOUNDS.items():
        write(name, finish(make()))


if __name__ == "__main__":
    main()
