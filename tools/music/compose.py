#!/usr/bin/env python3
"""The game's music as scores: writes one Standard MIDI File per track.

Each track is an intro followed by a looped section: A, B, A' (the tune doubled an octave up),
sometimes B', and C (a breakdown). The last bar of the loop and the last bar of the intro are
the same turnaround bar, so the game can jump from the loop's end back to its start without a
seam. Melodies are grown from a two-bar motif by a seeded generator, so every run writes the
same bytes. The sound of each track is described in docs/art-direction.md.

Usage: python3 tools/music/compose.py OUTPUT_FOLDER
Writes NAME.mid for every track and loops.txt with one line per track:
    NAME LOOP_START_MS LOOP_END_MS RENDER_END_MS BAR_MS
"""
import os
import random
import re
import struct
import sys

PPQ = 480
STEP = PPQ // 4  # one sixteenth
BAR = 16  # sixteenths in a 4/4 bar

SCALES = {
    "major": [0, 2, 4, 5, 7, 9, 11],
    "minor": [0, 2, 3, 5, 7, 8, 10],
    "dorian": [0, 2, 3, 5, 7, 9, 10],
    "phrygian": [0, 1, 3, 5, 7, 8, 10],
    "harmonic": [0, 2, 3, 5, 7, 8, 11],
    "phrygian-dominant": [0, 1, 4, 5, 7, 8, 10],
}

NOTE_NAMES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
ROMAN = {"i": 0, "ii": 2, "iii": 4, "iv": 5, "v": 7, "vi": 9, "vii": 11}

# General MIDI drum keys.
KICK, STICK, SNARE, HAT, OPEN = 36, 37, 38, 42, 46
CRASH, RIDE, BELL, TAMB = 49, 51, 53, 54
TOMS = [50, 48, 47, 45, 43, 41]

# Drum grooves, one character per sixteenth: X accent, x normal, o ghost.
GROOVES = {
    "none": {},
    "pulse": {HAT: "x.x.x.x.x.x.x.x."},
    "ride": {RIDE: "x...x...x...x...", KICK: "o.......o.......", STICK: "....o.......o..."},
    "ride2": {RIDE: "x...x.o.x...x.o.", KICK: "x.......o.x.....", STICK: "....x.......x..."},
    "rock": {KICK: "X.......x.x.....", SNARE: "....X.......X...", HAT: "x.x.x.x.x.x.x.x."},
    "rock2": {KICK: "X.....x.x.x.....", SNARE: "....X.......X..o",
              HAT: "x.x.x.x.x.x.x.X.", OPEN: "..............x."},
    "drive": {KICK: "X...x...x...x...", SNARE: "....X.......X...", HAT: "xoxoxoxoxoxoxoxo",
              OPEN: "..x...x...x...x."},
    "drive2": {KICK: "X...x...x...x.x.", SNARE: "....X..o....X...", HAT: "xoxoxoxoxoxoxoxo",
               OPEN: "..x...x...x...x.", TAMB: "....x.......x..."},
    "funk": {KICK: "X.....x...x..x..", SNARE: "....X..o.o..X...", HAT: "xxxxxxxxxxxxxxxx"},
    "funk2": {KICK: "X.x...x...x..x..", SNARE: "....X..o.o..X.o.", HAT: "xxxxxxXxxxxxxxXx"},
    "march": {KICK: "X.......X.......", SNARE: "x..ox.x.x..ox.xx", HAT: "....x.......x..."},
    "march2": {KICK: "X...x...X...x...", SNARE: "X..ox.xoX.ox.xXx", CRASH: "........o......."},
    "half": {KICK: "X.........x.....", SNARE: "........X.......", HAT: "xxxxxxxxxxxxxxxx"},
    "half2": {KICK: "X.x.......x..x..", SNARE: "........X.....o.", HAT: "xxXxxxXxxxXxxxXx"},
    "heavy": {KICK: "X.x.x...X.x.x...", SNARE: "....X.......X...", HAT: "x.x.x.x.x.x.x.x."},
    "heavy2": {KICK: "X.xxx.x.X.xxx.x.", SNARE: "....X.......X...", RIDE: "x.x.x.x.x.x.x.x.",
               BELL: "x...x...x...x..."},
    "blast": {KICK: "XxxxXxxxXxxxXxxx", SNARE: "....X.......X...", HAT: "x.x.x.x.x.x.x.x."},
    "blast2": {KICK: "XxxxXxxxXxxxXxxx", SNARE: "..x.X.x...x.X.x.", RIDE: "x.x.x.x.x.x.x.x."},
    "sparse": {KICK: "X.........x.....", HAT: "..x...x...x...x."},
}

# Bass figures: (start, length in sixteenths, tone): r root, 5 fifth, 8 octave, 3 third,
# a the note a semitone below the next chord's root.
BASS = {
    "whole": [(0, 12, "r"), (12, 4, "5")],
    "half": [(0, 7, "r"), (8, 6, "5"), (14, 2, "a")],
    "eighths": [(i * 2, 2, "8" if i in (3, 7) else "r") for i in range(8)],
    "rolling": [(0, 3, "r"), (3, 3, "r"), (6, 2, "8"), (8, 3, "r"), (11, 3, "5"), (14, 2, "a")],
    "walk": [(0, 4, "r"), (4, 4, "3"), (8, 4, "5"), (12, 4, "a")],
    "funk": [(0, 3, "r"), (3, 1, "8"), (6, 2, "r"), (8, 1, "5"), (10, 2, "8"), (13, 1, "r"),
             (14, 2, "a")],
    "gallop": [(0, 2, "r"), (2, 1, "r"), (3, 1, "r"), (4, 2, "r"), (6, 1, "r"), (7, 1, "r"),
               (8, 2, "r"), (10, 1, "8"), (11, 1, "r"), (12, 2, "5"), (14, 1, "r"), (15, 1, "a")],
    "sixteenths": [(i, 1, "8" if i % 4 == 2 else "r") for i in range(16)],
    "pedal": [(0, 16, "r")],
}

# Arpeggios: sixteenths per note, then indexes into the chord tones stacked upwards.
ARPS = {
    "up8": (2, [0, 1, 2, 3, 4, 3, 2, 1]),
    "broken8": (2, [0, 2, 1, 3, 2, 4, 3, 1]),
    "up16": (1, [0, 1, 2, 3, 4, 5, 4, 3, 2, 1, 2, 3, 4, 5, 6, 5]),
    "waves16": (1, [0, 2, 4, 2, 1, 3, 5, 3, 2, 4, 6, 4, 3, 5, 7, 5]),
    "pulse8": (2, [0, 0, 1, 0, 2, 0, 1, 0]),
    "quarters": (4, [0, 2, 1, 3]),
}

# Rhythmic chord hits (start, length).
STABS = {
    "offbeat": [(2, 2), (6, 2), (10, 2), (14, 2)],
    "march": [(0, 3), (4, 1), (6, 2), (8, 3), (12, 1), (14, 2)],
    "push": [(0, 3), (3, 3), (6, 4), (10, 2), (12, 4)],
    "chug": [(i * 2, 1) for i in range(8)],
    "downbeat": [(0, 4)],
    "two": [(0, 6), (8, 6)],
}


def parse_chord(name):
    """A Roman numeral relative to the key: case gives major or minor; b/# moves the root;
    suffixes: o (diminished), + (augmented), 7, maj7, sus2, sus4."""
    m = re.fullmatch(r"([b#]?)([ivIV]+)(o|\+)?(7|maj7|sus2|sus4)?", name)
    if not m:
        raise ValueError("bad chord " + name)
    accidental, numeral, quality, extension = m.groups()
    root = ROMAN[numeral.lower()] + {"b": -1, "#": 1, "": 0}[accidental]
    third = 4 if numeral.isupper() else 3
    fifth = 7
    if quality == "o":
        third, fifth = 3, 6
    elif quality == "+":
        fifth = 8
    tones = [0, third, fifth]
    if extension == "sus2":
        tones = [0, 2, 7]
    elif extension == "sus4":
        tones = [0, 5, 7]
    elif extension == "7":
        tones.append(10)
    elif extension == "maj7":
        tones.append(11)
    return root % 12, tones


class Chord:
    def __init__(self, key, name):
        root, tones = parse_chord(name)
        self.name = name
        self.root = (key + root) % 12
        self.classes = [(self.root + t) % 12 for t in tones]


def place(pitch_class, low):
    """The lowest pitch of that class at or above low."""
    return low + (pitch_class - low) % 12


class Track:
    """One piece: key ("F#") and scale name, bar length in milliseconds (the MIDI tempo is derived
    from it, so bar lines fall on whole milliseconds), melody seed, the looped sections as
    (label, chords) with labels A, B, A2, B2, C, the intro's chords, the turnaround chord, the
    parts, the lead's pitch range and how busy the lead is ("sparse", "medium", "busy").

    A part is a dict: "role" (pad, stabs, power, bass, arp, lead, double, counter, accent or
    drums), "channel", "program" (General MIDI, 0-based; for drums the kit), "in" (where it
    plays: i intro, t turnaround, A, B, D for A2, E for B2, C), mix settings "volume", "pan",
    "reverb", "chorus", "velocity", and what its role needs: "style" (a BASS, ARPS or STABS
    entry), "low" or "centre" (register), "shift" (a double's interval), "pedal" (bass holds
    the root in C)."""

    def __init__(self, name, key, scale, bar_ms, seed, sections, intro, turnaround, parts,
                 lead_range, density):
        self.name = name
        self.key = NOTE_NAMES[key[0]] + key[1:].count("#") - key[1:].count("b")
        self.scale = SCALES[scale]
        self.bar_ms = bar_ms
        self.seed = seed
        self.sections = sections  # [(label, [chord per bar])], played in this order in the loop
        self.intro = intro  # chords of the intro bars before the turnaround
        self.turnaround = turnaround
        self.parts = parts
        self.lead_range = lead_range
        self.density = density


# ----------------------------------------------------------------------------------------
# Melody


def local_scale(track, chord):
    """The key's scale bent so that the chord's own tones are in it."""
    classes = [(track.key + s) % 12 for s in track.scale]
    for c in chord.classes:
        if c not in classes:
            near = min(classes, key=lambda x: min((x - c) % 12, (c - x) % 12))
            classes[classes.index(near)] = c
    return sorted(classes)


def step(track, chord, pitch, steps):
    """Moves a pitch by scale steps in the chord's local scale."""
    classes = local_scale(track, chord)
    direction = 1 if steps > 0 else -1
    for _ in range(abs(steps)):
        pitch += direction
        while pitch % 12 not in classes:
            pitch += direction
    return pitch


def nearest_chord_tone(chord, pitch, low, high):
    candidates = [p for p in range(low, high + 1) if p % 12 in chord.classes]
    return min(candidates, key=lambda p: (abs(p - pitch), p))


CELLS = {
    "sparse": [[(0, 4)], [(0, 4)], [(0, 2), (2, 2)], [(0, 3), (3, 1)], [], [(0, 8)]],
    "medium": [[(0, 2), (2, 2)], [(0, 4)], [(0, 3), (3, 1)], [(0, 1), (1, 1), (2, 2)],
               [(2, 2)], [(0, 6)]],
    "busy": [[(0, 1), (1, 1), (2, 1), (3, 1)], [(0, 2), (2, 2)], [(0, 1), (1, 1), (2, 2)],
             [(0, 3), (3, 1)], [(0, 2), (2, 1), (3, 1)], [(0, 4)]],
}


def motif_rhythm(rng, density):
    """Two bars of (start, length): beat cells, ending in a held note and a breath."""
    notes = []
    beat = 0
    while beat < 6:
        cell = rng.choice(CELLS[density])
        for start, length in cell:
            notes.append((beat * 4 + start, min(length, 24 - beat * 4 - start)))
        # A cell longer than a beat holds over the beats it covers.
        beat += max(1, max((start + length + 3) // 4 for start, length in cell) if cell else 1)
    notes.append((24, 6))
    return notes


def motif_contour(rng, count):
    steps = []
    level = 0
    for _ in range(count - 1):
        move = rng.choice([-2, -1, -1, 1, 1, 2, 0, 3, -3])
        if abs(level + move) > 4:
            move = -move
        level += move
        steps.append(move)
    return steps


def realise(track, chords, bar, rhythm, contour, start_pitch):
    """Pitches for a motif placed at a bar: follows the contour in scale steps, and puts chord
    tones on the strong beats."""
    low, high = track.lead_range
    out = []
    pitch = nearest_chord_tone(chords[bar], start_pitch, low, high)
    for i, (start, length) in enumerate(rhythm):
        chord = chords[bar + start // BAR]
        if i > 0:
            pitch = step(track, chord, pitch, contour[i - 1]) if contour[i - 1] else pitch
            if pitch < low or pitch > high:
                pitch = step(track, chord, pitch, -2 * contour[i - 1])
        if start % 4 == 0 and pitch % 12 not in chord.classes:
            pitch = nearest_chord_tone(chord, pitch, low, high)
        out.append((bar * BAR + start, length, pitch))
    return out


def compose_phrase(track, rng, chords, lift):
    """Eight bars: motif, motif again, a second motif, a cadence; the eighth bar breathes."""
    low, high = track.lead_range
    centre = (low + high) // 2 + lift
    first = motif_rhythm(rng, track.density)
    shape = motif_contour(rng, len(first))
    second = motif_rhythm(rng, track.density)
    second_shape = motif_contour(rng, len(second))
    notes = realise(track, chords, 0, first, shape, centre)
    answer = first[:-1] + [(24, 4)]
    notes += realise(track, chords, 2, answer, shape, centre + rng.choice([-2, 2]))
    notes += realise(track, chords, 4, second, second_shape, centre + 3)
    cadence = [n for n in first if n[0] < 12]
    notes += realise(track, chords, 6, cadence, shape, centre)
    last = chords[6]
    target = place(last.root, low)
    while target + 12 <= centre + 2:
        target += 12
    notes.append((6 * BAR + 12, 4, target))
    # A note ends where the next begins: one voice, and no repeated pitch cut by an earlier off.
    notes.sort()
    return [(start, min(length, following[0] - start), pitch)
            for (start, length, pitch), following in zip(notes, notes[1:] + [(8 * BAR,)])]


# ----------------------------------------------------------------------------------------
# Parts


def pad_voicing(chord, centre, voices):
    pitches = sorted(place(c, centre - 6) for c in chord.classes)
    while len(pitches) < voices:
        pitches.append(pitches[len(pitches) - 3] + 12)
    return pitches[:voices]


def bass_note(chord, next_chord, tone, low):
    root = place(chord.root, low)
    if tone == "r":
        return root
    if tone == "8":
        return root + 12
    if tone == "5":
        return root + 7
    if tone == "3":
        return place(chord.classes[1], root)
    return place(next_chord.root, low) - 1 if tone == "a" else root


def play_bar(part, bar, chord, next_chord, melody, section):
    """Notes (start sixteenth in the bar, length, pitch, velocity) of one part in one bar."""
    role = part["role"]
    vel = part.get("velocity", 90)
    out = []
    if role == "pad":
        for p in pad_voicing(chord, part["centre"], part.get("voices", 4)):
            out.append((0, BAR, p, vel))
    elif role == "stabs":
        for start, length in STABS[part["style"]]:
            accent = vel if start % 4 == 0 else vel - 12
            for p in pad_voicing(chord, part["centre"], part.get("voices", 3)):
                out.append((start, length, p, accent))
    elif role == "power":
        root = place(chord.root, part["low"])
        for start, length in STABS[part["style"]]:
            accent = vel if start % 4 == 0 else vel - 15
            for p in (root, root + 7, root + 12):
                out.append((start, length, p, accent))
    elif role == "bass":
        # In the breakdown the bass holds the root.
        style = "pedal" if section == "C" and part.get("pedal") else part["style"]
        for start, length, tone in BASS[style]:
            accent = vel if start % 4 == 0 else vel - 10
            out.append((start, length, bass_note(chord, next_chord, tone, part["low"]), accent))
    elif role == "arp":
        every, pattern = ARPS[part["style"]]
        tones = sorted(place(c, part["low"]) for c in chord.classes)
        stack = [t + 12 * (i // len(tones)) for i, t in enumerate(tones * 3)]
        for i, index in enumerate(pattern):
            if i * every < BAR:
                accent = vel if (i * every) % 4 == 0 else vel - 14
                out.append((i * every, every, stack[index], accent))
    elif role in ("lead", "double"):
        shift = part.get("shift", 0)
        for start, length, pitch in melody:
            if bar * BAR <= start < (bar + 1) * BAR:
                out.append((start - bar * BAR, length, pitch + shift, vel))
    elif role == "counter":
        top = max(pad_voicing(chord, part["centre"], 3))
        out.append((0, 8, top, vel))
        out.append((8, 8, nearest_chord_tone(chord, top - 3, top - 7, top), vel - 8))
    elif role == "accent":
        out.append((0, 8, place(chord.root, part["low"]), vel))
    return out


def drum_bar(groove, crash, fill):
    """Drum hits (start, key, velocity) of one bar; a fill replaces the second half."""
    hits = []
    for key, line in GROOVES[groove].items():
        for i, ch in enumerate(line):
            if ch != "." and not (fill and i >= 8):
                hits.append((i, key, {"X": 118, "x": 96, "o": 58}[ch]))
    if fill:
        for i in range(8, 16):
            hits.append((i, TOMS[(i - 8) * len(TOMS) // 8], 92 + (i - 8) * 3))
        hits += [(8, KICK, 100), (12, KICK, 100), (15, SNARE, 120)]
    if crash:
        hits.append((0, CRASH, 112))
        hits.append((0, KICK, 118))
    # One hit per drum and step: the loudest.
    loudest = {}
    for start, key, vel in hits:
        loudest[start, key] = max(vel, loudest.get((start, key), 0))
    return [(start, key, vel) for (start, key), vel in sorted(loudest.items())]


# ----------------------------------------------------------------------------------------
# The score


def layout(track):
    """The bars in playing order: (section label, chord, index in section)."""
    bars = []
    for i, name in enumerate(track.intro):
        bars.append(("intro", name, i))
    bars.append(("T", track.turnaround, 0))
    loop_start = len(bars)
    for label, chords in track.sections:
        for i, name in enumerate(chords):
            bars.append((label, name, i))
    bars[-1] = ("T", track.turnaround, 0)
    loop_end = len(bars)
    # Past the loop's end: the loop's first bar again, so the render rings on naturally.
    label, chords = track.sections[0]
    bars.append((label, chords[0], 0))
    return bars, loop_start, loop_end


def plays(part, label):
    codes = {"intro": "i", "T": "t", "A": "A", "B": "B", "A2": "D", "B2": "E", "C": "C"}
    return codes[label] in part["in"]


def build(track):
    rng = random.Random(track.seed)
    bars, loop_start, loop_end = layout(track)
    chords = [Chord(track.key, name) for _, name, _ in bars]
    melodies = {}
    for label, names in track.sections:
        base = label.rstrip("2")
        if base not in melodies:
            section_chords = [Chord(track.key, n) for n in names]
            melodies[base] = compose_phrase(track, rng, section_chords, 0 if base == "A" else 2)
    events = {}  # channel -> [(tick, order, bytes)]
    for index, (label, _, in_section) in enumerate(bars):
        chord = chords[index]
        next_chord = chords[index + 1] if index + 1 < len(chords) else chord
        base = label.rstrip("2")
        for part in track.parts:
            if not plays(part, label):
                continue
            channel = part["channel"]
            out = events.setdefault(channel, [])
            if part["role"] == "drums":
                # The turnaround keeps the breakdown's groove under its fill.
                grooves = part["grooves"]
                groove = grooves.get(label, grooves.get("C", "none") if label == "T" else "none")
                crash = in_section == 0 and label in part.get("crash", "")
                fill = label == "T" or (in_section == 7 and label in part.get("fills", ""))
                for start, key, vel in drum_bar(groove, crash, fill):
                    tick = (index * BAR + start) * STEP
                    out.append((tick, 1, bytes([0x99, key, vel])))
                    out.append((tick + STEP, 0, bytes([0x89, key, 0])))
                continue
            melody = melodies.get(base, [])
            for start, length, pitch, vel in play_bar(part, in_section, chord, next_chord,
                                                      melody, label):
                tick = (index * BAR + start) * STEP
                end = tick + length * STEP - (STEP // 8)  # a hair of air between repeated notes
                vel = max(1, min(127, vel))
                out.append((tick, 1, bytes([0x90 | channel, pitch, vel])))
                out.append((end, 0, bytes([0x80 | channel, pitch, 0])))
    return bars, loop_start, loop_end, events


def vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.insert(0, (n & 0x7F) | 0x80)
        n >>= 7
    return bytes(out)


def chunk(kind, data):
    return kind + struct.pack(">I", len(data)) + data


def track_chunk(events, end_tick):
    data = b""
    now = 0
    for tick, _, payload in sorted(events, key=lambda e: (e[0], e[1])):
        data += vlq(tick - now) + payload
        now = tick
    data += vlq(max(0, end_tick - now)) + b"\xff\x2f\x00"
    return chunk(b"MTrk", data)


def write_midi(track, path):
    bars, loop_start, loop_end, events = build(track)
    end_tick = (len(bars) * BAR + 2 * BAR) * STEP  # two bars of silence for the tails
    tempo = track.bar_ms * 250  # microseconds per quarter note
    conductor = [(0, 0, b"\xff\x03" + vlq(len(track.name)) + track.name.encode()),
                 (0, 0, b"\xff\x51\x03" + struct.pack(">I", tempo)[1:]),
                 (0, 0, b"\xff\x58\x04\x04\x02\x18\x08")]
    chunks = [track_chunk(conductor, end_tick)]
    for part in track.parts:
        ch = part["channel"]
        setup = [(0, 0, bytes([0xC0 | ch, part["program"]])),
                 (0, 0, bytes([0xB0 | ch, 7, part.get("volume", 100)])),
                 (0, 0, bytes([0xB0 | ch, 10, part.get("pan", 64)])),
                 (0, 0, bytes([0xB0 | ch, 91, part.get("reverb", 50)])),
                 (0, 0, bytes([0xB0 | ch, 93, part.get("chorus", 20)]))]
        chunks.append(track_chunk(setup + events.get(ch, []), end_tick))
    header = chunk(b"MThd", struct.pack(">HHH", 1, len(chunks), PPQ))
    with open(path, "wb") as f:
        f.write(header + b"".join(chunks))
    return loop_start * track.bar_ms, loop_end * track.bar_ms, (loop_end + 1) * track.bar_ms


# ----------------------------------------------------------------------------------------
# The tracks


def drums(kit, grooves, crash="ABDE", fills="ABDE", volume=100, parts="itABDEC"):
    return {"role": "drums", "channel": 9, "program": kit, "volume": volume, "grooves": grooves,
            "crash": crash, "fills": fills, "in": parts, "reverb": 30, "chorus": 0}


LOOP4 = "tABDEC"  # a part that plays throughout the loop but not in the intro
ALL = "itABDEC"

TRACKS = [
    Track("Title", "D", "major", 3000, 101,
          [("A", ["I", "II", "vi", "IV", "I", "II", "IV", "V"]),
           ("B", ["IVmaj7", "V", "iii", "vi", "ii", "V", "IV", "IV"]),
           ("A2", ["I", "II", "vi", "IV", "I", "II", "IV", "V"])],
          ["Isus2"], "Vsus4",
          [{"role": "pad", "channel": 0, "program": 89, "centre": 62, "velocity": 66,
            "volume": 80, "in": ALL, "reverb": 90, "chorus": 60},
           {"role": "arp", "channel": 1, "program": 4, "style": "broken8", "low": 62,
            "velocity": 62, "volume": 85, "pan": 44, "in": ALL, "reverb": 80},
           {"role": "bass", "channel": 2, "program": 35, "style": "whole", "low": 38,
            "velocity": 88, "volume": 100, "in": "tABD"},
           {"role": "lead", "channel": 3, "program": 60, "velocity": 84, "volume": 92,
            "pan": 72, "in": "ABD", "reverb": 80},
           {"role": "double", "channel": 4, "program": 11, "shift": 12, "velocity": 70,
            "volume": 80, "pan": 84, "in": "D", "reverb": 90},
           {"role": "counter", "channel": 5, "program": 48, "centre": 70, "velocity": 58,
            "volume": 80, "pan": 40, "in": "B", "reverb": 90},
           drums(40, {"B": "ride", "A2": "ride2"}, crash="BD", fills="B", volume=80,
                 parts="BD")],
          (64, 83), "sparse"),

    Track("Level1", "A", "minor", 2300, 202,
          [("A", ["i", "bVI", "bIII", "bVII", "i", "bVI", "iv", "V"]),
           ("B", ["iv", "v", "bVI", "bVII", "iv", "bVI", "bVII", "bVII"]),
           ("A2", ["i", "bVI", "bIII", "bVII", "i", "bVI", "iv", "V"]),
           ("C", ["i", "i", "bVI", "bVI", "iv", "iv", "bVII", "V"])],
          ["i", "bVI", "i"], "V",
          [{"role": "pad", "channel": 0, "program": 90, "centre": 62, "velocity": 64,
            "volume": 80, "in": ALL, "reverb": 70, "chorus": 50},
           {"role": "arp", "channel": 1, "program": 5, "style": "up8", "low": 57,
            "velocity": 74, "volume": 88, "pan": 40, "in": ALL},
           {"role": "bass", "channel": 2, "program": 38, "style": "rolling", "low": 33,
            "velocity": 100, "volume": 105, "in": LOOP4, "pedal": True},
           {"role": "lead", "channel": 3, "program": 81, "velocity": 88, "volume": 84,
            "pan": 76, "in": "ABD"},
           {"role": "double", "channel": 4, "program": 80, "shift": 12, "velocity": 70,
            "volume": 70, "pan": 52, "in": "D"},
           {"role": "counter", "channel": 5, "program": 89, "centre": 72, "velocity": 60,
            "volume": 80, "in": "C", "reverb": 80},
           drums(0, {"intro": "pulse", "A": "rock", "B": "rock2", "A2": "rock2", "C": "sparse"})],
          (64, 84), "medium"),

    Track("Level2", "E", "dorian", 2200, 303,
          [("A", ["i", "IV", "i", "IV", "bVII", "IV", "i", "v"]),
           ("B", ["bIII", "bVII", "IV", "IV", "bVI", "bVII", "i", "i"]),
           ("A2", ["i", "IV", "i", "IV", "bVII", "IV", "i", "v"]),
           ("C", ["i", "i", "IV", "IV", "bIII", "bIII", "bVII", "bVII"])],
          ["i", "IV", "i"], "bVII",
          [{"role": "pad", "channel": 0, "program": 49, "centre": 60, "velocity": 66,
            "volume": 84, "in": ALL, "reverb": 70},
           {"role": "arp", "channel": 1, "program": 46, "style": "up16", "low": 52,
            "velocity": 70, "volume": 84, "pan": 36, "in": ALL},
           {"role": "bass", "channel": 2, "program": 33, "style": "eighths", "low": 28,
            "velocity": 98, "volume": 104, "in": LOOP4, "pedal": True},
           {"role": "lead", "channel": 3, "program": 80, "velocity": 86, "volume": 78,
            "pan": 80, "in": "ABD"},
           {"role": "double", "channel": 4, "program": 73, "shift": 12, "velocity": 74,
            "volume": 80, "pan": 50, "in": "D"},
           {"role": "counter", "channel": 5, "program": 49, "centre": 74, "velocity": 60,
            "volume": 80, "in": "BC"},
           drums(0, {"intro": "pulse", "A": "drive", "B": "drive2", "A2": "drive2",
                     "C": "half"})],
          (64, 83), "medium"),

    Track("Level3", "F", "major", 2100, 404,
          [("A", ["I", "V", "vi", "IV", "I", "V", "IV", "V"]),
           ("B", ["vi", "IV", "I", "V", "ii", "IV", "V", "V"]),
           ("A2", ["I", "V", "vi", "IV", "I", "V", "IV", "V"]),
           ("C", ["IV", "IV", "I", "I", "ii", "ii", "IV", "V"])],
          ["I", "IV", "I"], "V7",
          [{"role": "pad", "channel": 0, "program": 88, "centre": 62, "velocity": 60,
            "volume": 76, "in": ALL, "reverb": 70, "chorus": 50},
           {"role": "arp", "channel": 1, "program": 12, "style": "waves16", "low": 60,
            "velocity": 80, "volume": 92, "pan": 38, "in": ALL},
           {"role": "bass", "channel": 2, "program": 36, "style": "funk", "low": 29,
            "velocity": 104, "volume": 104, "in": LOOP4},
           {"role": "lead", "channel": 3, "program": 87, "velocity": 88, "volume": 80,
            "pan": 78, "in": "ABD"},
           {"role": "double", "channel": 4, "program": 9, "shift": 12, "velocity": 74,
            "volume": 76, "pan": 50, "in": "DC"},
           {"role": "stabs", "channel": 5, "program": 17, "style": "offbeat", "centre": 66,
            "velocity": 70, "volume": 70, "pan": 90, "in": "BDC"},
           drums(0, {"intro": "pulse", "A": "funk", "B": "funk2", "A2": "funk2",
                     "C": "half"})],
          (65, 84), "busy"),

    Track("Level4", "C", "minor", 2000, 505,
          [("A", ["i", "i", "bVI", "bVII", "i", "iv", "V", "V"]),
           ("B", ["bVI", "bIII", "bVII", "iv", "bVI", "bVII", "V", "V"]),
           ("A2", ["i", "i", "bVI", "bVII", "i", "iv", "V", "V"]),
           ("C", ["i", "i", "bVI", "bVI", "iv", "iv", "V", "V"])],
          ["i", "i", "iv"], "V",
          [{"role": "stabs", "channel": 0, "program": 61, "style": "march", "centre": 60,
            "velocity": 92, "volume": 84, "in": "tABD"},
           {"role": "pad", "channel": 6, "program": 50, "centre": 58, "velocity": 60,
            "volume": 80, "in": "iBC", "reverb": 70},
           {"role": "arp", "channel": 1, "program": 45, "style": "pulse8", "low": 55,
            "velocity": 84, "volume": 92, "pan": 40, "in": ALL},
           {"role": "bass", "channel": 2, "program": 39, "style": "gallop", "low": 24,
            "velocity": 100, "volume": 100, "in": LOOP4, "pedal": True},
           {"role": "lead", "channel": 3, "program": 81, "velocity": 90, "volume": 84,
            "pan": 76, "in": "ABD"},
           {"role": "double", "channel": 4, "program": 56, "shift": 12, "velocity": 76,
            "volume": 72, "pan": 52, "in": "D"},
           {"role": "counter", "channel": 5, "program": 60, "centre": 64, "velocity": 70,
            "volume": 84, "in": "C"},
           drums(48, {"intro": "march", "A": "march", "B": "march2", "A2": "march2",
                      "C": "sparse"})],
          (60, 79), "medium"),

    Track("Level5", "F#", "phrygian", 1920, 606,
          [("A", ["i", "bII", "i", "bvii", "i", "bII", "bVI", "bII"]),
           ("B", ["bVI", "bVII", "i", "i", "bIII", "bII", "iv", "bII"]),
           ("A2", ["i", "bII", "i", "bvii", "i", "bII", "bVI", "bII"]),
           ("C", ["i", "i", "bII", "bII", "i", "i", "bVI", "bII"])],
          ["i", "bII", "i"], "bII",
          [{"role": "pad", "channel": 0, "program": 95, "centre": 60, "velocity": 66,
            "volume": 84, "in": ALL, "reverb": 80},
           {"role": "arp", "channel": 1, "program": 28, "style": "up16", "low": 54,
            "velocity": 84, "volume": 88, "pan": 34, "in": LOOP4},
           {"role": "bass", "channel": 2, "program": 38, "style": "sixteenths", "low": 30,
            "velocity": 96, "volume": 100, "in": ALL, "pedal": True},
           {"role": "lead", "channel": 3, "program": 85, "velocity": 90, "volume": 88,
            "pan": 80, "in": "ABD"},
           {"role": "double", "channel": 4, "program": 86, "shift": 12, "velocity": 70,
            "volume": 66, "pan": 50, "in": "D"},
           {"role": "counter", "channel": 5, "program": 95, "centre": 72, "velocity": 64,
            "volume": 80, "in": "C"},
           drums(24, {"intro": "pulse", "A": "half", "B": "half2", "A2": "half2",
                      "C": "sparse"})],
          (61, 80), "medium"),

    Track("Level6", "G", "dorian", 1880, 707,
          [("A", ["i", "bVII", "IV", "i", "i", "bVII", "bVI", "bVII"]),
           ("B", ["bIII", "IV", "bVII", "i", "bVI", "bVII", "IV", "IV"]),
           ("A2", ["i", "bVII", "IV", "i", "i", "bVII", "bVI", "bVII"]),
           ("C", ["i", "i", "IV", "IV", "bVI", "bVI", "bVII", "IV"])],
          ["i", "bVII", "i"], "IV",
          [{"role": "power", "channel": 0, "program": 29, "style": "chug", "low": 43,
            "velocity": 92, "volume": 82, "pan": 40, "in": "tABD", "reverb": 30},
           {"role": "pad", "channel": 6, "program": 18, "centre": 62, "velocity": 70,
            "volume": 78, "pan": 88, "in": "iBDC"},
           {"role": "bass", "channel": 2, "program": 34, "style": "eighths", "low": 31,
            "velocity": 104, "volume": 104, "in": LOOP4, "pedal": True},
           {"role": "lead", "channel": 3, "program": 80, "velocity": 92, "volume": 80,
            "pan": 72, "in": "ABD"},
           {"role": "double", "channel": 4, "program": 30, "shift": 0, "velocity": 80,
            "volume": 62, "pan": 56, "in": "D"},
           {"role": "arp", "channel": 1, "program": 18, "style": "quarters", "low": 55,
            "velocity": 70, "volume": 70, "in": "iC"},
           drums(16, {"intro": "sparse", "A": "heavy", "B": "rock2", "A2": "heavy2",
                      "C": "half"})],
          (62, 81), "medium"),

    Track("Level7", "B", "minor", 1800, 808,
          [("A", ["i", "bVI", "bII", "i", "i", "bVI", "IV", "V"]),
           ("B", ["bIII", "II", "bIII", "II", "bVI", "bVII", "V", "V"]),
           ("A2", ["i", "bVI", "bII", "i", "i", "bVI", "IV", "V"]),
           ("B2", ["bIII", "II", "bIII", "II", "bVI", "bVII", "V", "V"]),
           ("C", ["i", "i", "bVI", "bVI", "i", "i", "bII", "V"])],
          ["i", "bVI", "i"], "V",
          [{"role": "pad", "channel": 0, "program": 91, "centre": 62, "velocity": 66,
            "volume": 84, "in": ALL, "reverb": 100, "chorus": 80},
           {"role": "arp", "channel": 1, "program": 8, "style": "waves16", "low": 59,
            "velocity": 80, "volume": 88, "pan": 30, "in": ALL, "reverb": 90},
           {"role": "bass", "channel": 2, "program": 35, "style": "half", "low": 35,
            "velocity": 100, "volume": 104, "in": LOOP4, "pedal": True},
           {"role": "lead", "channel": 3, "program": 82, "velocity": 90, "volume": 86,
            "pan": 78, "in": "ABDE", "reverb": 80},
           {"role": "double", "channel": 4, "program": 98, "shift": 12, "velocity": 80,
            "volume": 74, "pan": 46, "in": "DE", "reverb": 100},
           {"role": "counter", "channel": 5, "program": 91, "centre": 74, "velocity": 62,
            "volume": 78, "in": "C", "reverb": 100},
           drums(25, {"intro": "pulse", "A": "drive", "B": "half2", "A2": "drive2",
                      "B2": "drive2", "C": "half"})],
          (66, 85), "medium"),

    Track("Level8", "D", "harmonic", 1700, 909,
          [("A", ["i", "bVI", "iv", "V", "i", "bVI", "bII", "V"]),
           ("B", ["iv", "V", "i", "bVI", "iv", "bII", "V", "V"]),
           ("A2", ["i", "bVI", "iv", "V", "i", "bVI", "bII", "V"]),
           ("B2", ["bVI", "bVII", "i", "i", "iv", "iv", "V", "V"]),
           ("C", ["i", "i", "bVI", "bVI", "iv", "iv", "bII", "V"])],
          ["i", "iv", "i"], "V",
          [{"role": "pad", "channel": 0, "program": 48, "centre": 60, "velocity": 74,
            "volume": 88, "in": ALL, "reverb": 70},
           {"role": "arp", "channel": 1, "program": 38, "style": "up16", "low": 50,
            "velocity": 82, "volume": 82, "pan": 36, "in": LOOP4},
           {"role": "bass", "channel": 2, "program": 39, "style": "gallop", "low": 26,
            "velocity": 104, "volume": 100, "in": ALL, "pedal": True},
           {"role": "lead", "channel": 3, "program": 81, "velocity": 94, "volume": 86,
            "pan": 76, "in": "ABDE"},
           {"role": "double", "channel": 4, "program": 62, "shift": -12, "velocity": 84,
            "volume": 80, "pan": 52, "in": "DE"},
           {"role": "accent", "channel": 5, "program": 55, "low": 50, "velocity": 96,
            "volume": 72, "in": "ADE"},
           {"role": "counter", "channel": 6, "program": 62, "centre": 70, "velocity": 76,
            "volume": 80, "in": "C"},
           drums(16, {"intro": "pulse", "A": "drive", "B": "drive2", "A2": "blast",
                      "B2": "drive2", "C": "half2"})],
          (62, 81), "busy"),

    Track("Boss", "E", "phrygian-dominant", 1600, 1010,
          [("A", ["I", "bII", "I", "bII", "iv", "bII", "I", "I"]),
           ("B", ["bVI", "bII", "iv", "I", "bVI", "bII", "bvii", "bII"]),
           ("A2", ["I", "bII", "I", "bII", "iv", "bII", "I", "I"]),
           ("B2", ["iv", "iv", "bII", "bII", "bVI", "bVI", "bII", "I"]),
           ("C", ["I", "I", "I", "I", "bII", "bII", "bII", "bII"])],
          ["I", "bII", "I"], "bII",
          [{"role": "power", "channel": 0, "program": 30, "style": "chug", "low": 40,
            "velocity": 96, "volume": 84, "pan": 36, "in": "tABDE", "reverb": 30},
           {"role": "pad", "channel": 6, "program": 52, "centre": 64, "velocity": 76,
            "volume": 86, "pan": 84, "in": ALL, "reverb": 80},
           {"role": "bass", "channel": 2, "program": 39, "style": "sixteenths", "low": 28,
            "velocity": 100, "volume": 100, "in": ALL, "pedal": True},
           {"role": "lead", "channel": 3, "program": 63, "velocity": 100, "volume": 90,
            "pan": 70, "in": "ABDE"},
           {"role": "double", "channel": 4, "program": 81, "shift": 12, "velocity": 80,
            "volume": 64, "pan": 56, "in": "DE"},
           {"role": "accent", "channel": 5, "program": 47, "low": 40, "velocity": 110,
            "volume": 100, "in": "iABDEC"},
           {"role": "arp", "channel": 1, "program": 30, "style": "pulse8", "low": 52,
            "velocity": 80, "volume": 70, "in": "C"},
           drums(16, {"intro": "sparse", "A": "blast", "B": "heavy2", "A2": "blast2",
                      "B2": "blast", "C": "half2"})],
          (64, 83), "busy"),
]


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "loops.txt"), "w") as loops:
        for track in TRACKS:
            start, end, render_end = write_midi(track, os.path.join(out, track.name + ".mid"))
            loops.write("%s %d %d %d %d\n" % (track.name, start, end, render_end, track.bar_ms))
            print("%-7s loop %6d-%6d ms (%.1f s looped)" % (track.name, start, end,
                                                              (end - start) / 1000.0))


if __name__ == "__main__":
    main()
