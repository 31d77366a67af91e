#!/usr/bin/env python3
"""Draws the logotype: data/images/Title.png (512x128, 32-bit RGBA), the word "VANTORIX" in
angular, slanted stroke letters, white-gold lit from the upper left with a dark outline and a
cyan glow. The letters are drawn from strokes of our own, so no font is needed. The menu's
backdrop (tools/art/backgrounds.py) carries the same logotype.
Deterministic. Run from the project root: /usr/bin/python3 tools/art/title.py
"""
from PIL import Image, ImageDraw

import style
from style import SCALE

WIDTH, HEIGHT = 512, 128
TOP, LETTER_H = 26, 74
STROKE = 11
SLANT = 0.22

# Each letter: its width in pixels and its strokes as polylines in a unit box (y down).
LETTERS = {
    "V": (60, [[(0, 0), (0.5, 1), (1, 0)]]),
    "A": (60, [[(0, 1), (0.5, 0), (1, 1)], [(0.27, 0.64), (0.73, 0.64)]]),
    "N": (54, [[(0, 1), (0, 0), (1, 1), (1, 0)]]),
    "T": (54, [[(0, 0), (1, 0)], [(0.5, 0), (0.5, 1)]]),
    "O": (56, [[(0.28, 0), (0.72, 0), (1, 0.26), (1, 0.74), (0.72, 1), (0.28, 1), (0, 0.74),
                (0, 0.26), (0.28, 0)]]),
    "R": (54, [[(0, 1), (0, 0), (0.72, 0), (1, 0.2), (1, 0.36), (0.72, 0.55), (0, 0.55)],
               [(0.45, 0.55), (1, 1)]]),
    "I": (22, [[(0.5, 0), (0.5, 1)]]),
    "X": (58, [[(0, 0), (1, 1)], [(1, 0), (0, 1)]]),
}
GAP = 6


def letter_mask():
    word = "VANTORIX"
    total = sum(LETTERS[ch][0] for ch in word) + GAP * (len(word) - 1)
    x = (WIDTH - total) / 2 - SLANT * LETTER_H / 2
    mask = Image.new("L", (WIDTH * SCALE, HEIGHT * SCALE), 0)
    d = ImageDraw.Draw(mask)
    inset = STROKE / 2
    for ch in word:
        width, strokes = LETTERS[ch]
        for line in strokes:
            points = []
            for u, v in line:
                px = x + inset + u * (width - 2 * inset)
                py = TOP + inset + v * (LETTER_H - 2 * inset)
                # Slanted forwards: the top leans right.
                px += SLANT * (TOP + LETTER_H - py)
                points.append((px * SCALE, py * SCALE))
            d.line(points, fill=255, width=STROKE * SCALE, joint="curve")
            for px, py in (points[0], points[-1]):
                r = STROKE * SCALE / 2
                d.rectangle([px - r, py - r, px + r, py + r], fill=255)
        x += width + GAP
    return mask


def logotype():
    """The logotype at four times its final size."""
    mask = letter_mask()
    size = mask.size
    # White at the top to gold at the foot.
    gradient = Image.linear_gradient("L").resize(size)
    white = Image.new("RGBA", size, (255, 252, 235, 255))
    gold = Image.new("RGBA", size, (230, 160, 40, 255))
    letters = Image.composite(gold, white, gradient)
    letters.putalpha(mask)
    letters = style.outline(style.body(letters, 2.0, 0.3), 1.5)
    halo = Image.new("RGBA", size, (40, 200, 255, 255))
    halo.putalpha(mask)
    img = style.glow(halo, 6, 0.9)
    img.alpha_composite(letters)
    return img


def main(path="data/images/Title.png"):
    logotype().resize((WIDTH, HEIGHT), Image.LANCZOS).save(path)


if __name__ == "__main__":
    main()
