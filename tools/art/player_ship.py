#!/usr/bin/env python3
"""Draws the player's ship strip: data/images/PlayerShip.png (64x512, 32-bit RGBA).

Eight 64x64 bands, numbered from the bottom of the picture upwards as the strip sequences read
them: band 0 the ship, band 1 empty (the flame's "None"), bands 2 to 7 the engine flame
flickering. The flame bands share the ship's frame, so the flame entity sits on the ship's
origin and lines up with the nozzles without an offset.

The ship's nose points along +x (its local forward axis). Everything is drawn nose up at four
times the size, turned, lit from the upper left with a dark outline (style.py) and scaled down,
which gives clean anti-aliased edges. Light steel with cyan wing tips: the lightest, coolest
thing on screen, never mistaken for the red-lit enemies. Run from the
project root: /usr/bin/python3 tools/art/player_ship.py
"""
from PIL import Image, ImageDraw, ImageFilter

import style

CELL = 64
BANDS = 8
SCALE = 4
S = CELL * SCALE

# The icon's ship shape, shrunk towards the top so the flame fits below the nozzles.
SHRINK = 0.78


def p(x, y):
    return ((32 + (x - 32) * SHRINK) * SCALE, (2 + (y - 3) * SHRINK) * SCALE)


def poly(draw, points, fill):
    draw.polygon([p(x, y) for x, y in points], fill=fill)


def draw_ship():
    img = Image.new("RGBA", (S, S), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)

    # Wings: swept back, steel with a lighter leading edge.
    poly(d, [(32, 18), (6, 48), (8, 53), (24, 47), (32, 44)], (120, 134, 158, 255))
    poly(d, [(32, 18), (58, 48), (56, 53), (40, 47), (32, 44)], (104, 118, 142, 255))
    poly(d, [(32, 20), (8, 48), (10, 49), (32, 25)], (200, 214, 232, 255))
    poly(d, [(32, 20), (56, 48), (54, 49), (32, 25)], (170, 186, 210, 255))
    # Wing-tip stripes in the player's colour.
    poly(d, [(8, 48), (13, 44), (15, 46), (10, 51)], (40, 210, 255, 255))
    poly(d, [(56, 48), (51, 44), (49, 46), (54, 51)], (40, 210, 255, 255))

    # Hull: a long nose.
    poly(d, [(32, 3), (37, 16), (39, 40), (36, 55), (28, 55), (25, 40), (27, 16)],
         (222, 230, 240, 255))
    poly(d, [(32, 3), (32, 55), (36, 55), (39, 40), (37, 16)], (186, 198, 216, 255))
    # Engine housings with dark nozzles; the flame bands start where these end.
    for x in (26, 34):
        poly(d, [(x, 50), (x + 4, 50), (x + 4, 58), (x, 58)], (70, 78, 94, 255))
        poly(d, [(x + 1, 57), (x + 3, 57), (x + 3, 59), (x + 1, 59)], (24, 26, 32, 255))

    # Cockpit canopy with a highlight.
    x0, y0 = p(29, 17)
    x1, y1 = p(35, 30)
    d.ellipse([x0, y0, x1, y1], fill=(30, 150, 230, 255))
    x0, y0 = p(30, 18)
    x1, y1 = p(33, 23)
    d.ellipse([x0, y0, x1, y1], fill=(190, 240, 255, 255))
    return img


# Flame length below the nozzles, per flame frame and engine, in cell pixels. Uneven on purpose:
# the two engines flicker out of step.
FLAME_LENGTHS = [(11, 13), (14, 12), (12, 15), (15, 13), (10, 12), (13, 11)]


def flame_points(x_left, x_right, top, length, narrowing):
    middle = (x_left + x_right) / 2
    half = (x_right - x_left) / 2 * narrowing
    return [(middle - half, top), (middle + half, top), (middle + half * 0.5, top + length * 0.6),
            (middle, top + length), (middle - half * 0.5, top + length * 0.6)]


def draw_flame(lengths):
    img = Image.new("RGBA", (S, S), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    layers = [(1.0, 1.0, (255, 120, 30, 230)), (0.75, 0.7, (255, 200, 80, 245)),
              (0.45, 0.4, (255, 250, 220, 255))]
    for x, length in zip((26, 34), lengths):
        for scale, narrowing, colour in layers:
            poly(d, flame_points(x - 0.5, x + 4.5, 58.5, length * scale / SHRINK, narrowing), colour)
    # A soft glow around the flame; kept well inside the band so neighbours never bleed in.
    glow = img.filter(ImageFilter.GaussianBlur(2 * SCALE))
    glow.alpha_composite(img)
    return glow


def to_band(drawing):
    # Nose up becomes nose along +x; then down to the cell size.
    return drawing.rotate(-90, resample=Image.BICUBIC).resize((CELL, CELL), Image.LANCZOS)


def main(path="data/images/PlayerShip.png"):
    # Lit after turning, so the light falls from the upper left of the finished band.
    ship = style.outline(style.body(draw_ship().rotate(-90, resample=Image.BICUBIC), 1.0, 0.25))
    bands = [ship.resize((CELL, CELL), Image.LANCZOS), Image.new("RGBA", (CELL, CELL), (0, 0, 0, 0))]
    bands += [to_band(draw_flame(lengths)) for lengths in FLAME_LENGTHS]
    assert len(bands) == BANDS

    strip = Image.new("RGBA", (CELL, CELL * BANDS), (0, 0, 0, 0))
    for index, band in enumerate(bands):
        # Band 0 is the bottom of the picture.
        strip.paste(band, (0, CELL * (BANDS - 1 - index)))
    strip.save(path)


if __name__ == "__main__":
    main()
