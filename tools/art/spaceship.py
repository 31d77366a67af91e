#!/usr/bin/env python3
"""Draws the player's ship: data/images/Spaceship.png (64x64, 32-bit RGBA).

The ship points up (+y on screen). It is drawn at four times the size and scaled down, which
gives clean anti-aliased edges. Run from the project root: python3 tools/art/spaceship.py
"""
from PIL import Image, ImageDraw, ImageFilter

SIZE = 64
SCALE = 4
S = SIZE * SCALE


def p(x, y):
    return (x * SCALE, y * SCALE)


def poly(draw, points, fill, outline=None):
    draw.polygon([p(x, y) for x, y in points], fill=fill, outline=outline)


def main(path="data/images/Spaceship.png"):
    img = Image.new("RGBA", (S, S), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)

    # Wings: swept back, dark steel with a lighter leading edge.
    poly(d, [(32, 18), (6, 48), (8, 53), (24, 47), (32, 44)], (70, 84, 108, 255))
    poly(d, [(32, 18), (58, 48), (56, 53), (40, 47), (32, 44)], (58, 70, 92, 255))
    poly(d, [(32, 20), (8, 48), (10, 49), (32, 25)], (150, 170, 200, 255))
    poly(d, [(32, 20), (56, 48), (54, 49), (32, 25)], (120, 140, 170, 255))
    # Wing-tip stripes in the player's colour.
    poly(d, [(8, 48), (13, 44), (15, 46), (10, 51)], (230, 120, 30, 255))
    poly(d, [(56, 48), (51, 44), (49, 46), (54, 51)], (230, 120, 30, 255))

    # Hull: a long nose, lit from the left.
    poly(d, [(32, 3), (37, 16), (39, 40), (36, 55), (28, 55), (25, 40), (27, 16)], (176, 188, 206, 255))
    poly(d, [(32, 3), (32, 55), (36, 55), (39, 40), (37, 16)], (132, 144, 166, 255))
    # Engines.
    for x in (26, 34):
        poly(d, [(x, 50), (x + 4, 50), (x + 4, 58), (x, 58)], (50, 56, 68, 255))
        poly(d, [(x + 1, 57), (x + 3, 57), (x + 3, 60), (x + 1, 60)], (255, 170, 60, 255))

    # Cockpit canopy with a highlight.
    d.ellipse([*p(29, 17), *p(35, 30)], fill=(40, 120, 200, 255))
    d.ellipse([*p(30, 18), *p(33, 23)], fill=(170, 220, 255, 255))

    # A thin dark outline keeps the ship readable on any background.
    alpha = img.split()[3]
    outline = alpha.filter(ImageFilter.MaxFilter(2 * SCALE + 1))
    shadow = Image.new("RGBA", (S, S), (12, 14, 22, 255))
    shadow.putalpha(outline)
    shadow.alpha_composite(img)

    result = shadow.resize((SIZE, SIZE), Image.LANCZOS)
    result.save(path)


if __name__ == "__main__":
    main()
