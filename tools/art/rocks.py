#!/usr/bin/env python3
"""Draws the neutral things in the way (32-bit RGBA, power-of-two sides):

- data/images/Asteroid.png (64x64), AsteroidLarge.png (128x128), AsteroidSmall.png (32x32):
  grey-brown cratered rocks, each its own shape;
- data/images/Obstacle.png (128x128): a square armoured block with a crystal core;
- data/images/Barrier.png (256x32): an energy fence segment along x between two emitters.

Rocks and blocks are lit from the upper left and outlined like every solid body (style.py);
the fence's energy glows instead. Deterministic (fixed seeds).
Run from the project root: /usr/bin/python3 tools/art/rocks.py
"""
import math
import random

from PIL import Image, ImageDraw

import style
from style import SCALE


def rock(cell, seed, colour=(122, 112, 100), craters=6):
    rng = random.Random(seed)
    c = cell / 2
    points = []
    corners = 11 + cell // 32
    for i in range(corners):
        a = 2 * math.pi * i / corners + rng.uniform(-0.12, 0.12)
        points.append(style.polar(c, c, cell * rng.uniform(0.37, 0.46), a))
    img = style.body(style.flat(cell, [("poly", points, colour)]), bevel=cell / 32, contrast=0.45)
    d = ImageDraw.Draw(img)
    for _ in range(craters):
        x, y = c + rng.uniform(-0.22, 0.22) * cell, c + rng.uniform(-0.22, 0.22) * cell
        r = cell * rng.uniform(0.04, 0.1)
        # A hollow: dark, with its lower-right inner wall catching the light from the upper left.
        style.disc(d, x * SCALE, y * SCALE, r * SCALE, fill=style.rgba(style.scaled(colour, 0.62)))
        w = max(1, int(r * SCALE * 0.35))
        d.arc([(x - r) * SCALE, (y - r) * SCALE, (x + r) * SCALE, (y + r) * SCALE], 0, 110,
              fill=style.rgba(style.scaled(colour, 1.3)), width=w)
        d.arc([(x - r) * SCALE, (y - r) * SCALE, (x + r) * SCALE, (y + r) * SCALE], 180, 290,
              fill=style.rgba(style.scaled(colour, 0.45)), width=w)
    return style.shrink(style.outline(img, 1.0 if cell > 32 else 0.7), cell)


def obstacle():
    cell = 128
    img = style.canvas(cell)
    img.alpha_composite(style.lit_part(cell, [
        ("poly", [(4, 14), (14, 4), (114, 4), (124, 14), (124, 114), (114, 124), (14, 124),
                  (4, 114)], (96, 104, 118))], bevel=4, contrast=0.4))
    img.alpha_composite(style.lit_part(cell, [
        ("poly", [(22, 30), (30, 22), (98, 22), (106, 30), (106, 98), (98, 106), (30, 106),
                  (22, 98)], (70, 76, 90))], bevel=-3, contrast=0.2))
    # Rivets at the corners.
    for x in (13, 115):
        for y in (13, 115):
            img.alpha_composite(style.lit_part(cell, [("disc", (x, y, 3), (150, 158, 170))], bevel=1))
    # The crystal: a faceted gem, light faces to the upper left.
    c = 64
    gem = style.canvas(cell)
    facets = [
        ([(c, c - 34), (c - 30, c), (c, c)], (200, 190, 255)),
        ([(c, c - 34), (c + 30, c), (c, c)], (140, 120, 230)),
        ([(c - 30, c), (c, c + 34), (c, c)], (110, 90, 200)),
        ([(c + 30, c), (c, c + 34), (c, c)], (70, 50, 150)),
    ]
    d = ImageDraw.Draw(gem)
    for points, colour in facets:
        d.polygon(style.pts(points), fill=style.rgba(colour))
    img.alpha_composite(style.glow(gem, 3, 0.6))
    return style.shrink(style.outline(img, 1.2), cell)


def barrier():
    w, h = 256, 32
    img = Image.new("RGBA", (w * SCALE, h * SCALE), (0, 0, 0, 0))
    beam = Image.new("RGBA", img.size, (0, 0, 0, 0))
    d = ImageDraw.Draw(beam)
    rng = random.Random(41)
    # A steady band with a crackling bolt along it.
    d.rectangle([12 * SCALE, 12 * SCALE, (w - 12) * SCALE, 20 * SCALE], fill=(255, 110, 40, 170))
    d.rectangle([12 * SCALE, 14.5 * SCALE, (w - 12) * SCALE, 17.5 * SCALE], fill=(255, 210, 150, 255))
    points = [(12, 16)]
    x = 12
    while x < w - 24:
        x += rng.uniform(8, 16)
        points.append((x, 16 + rng.uniform(-5, 5)))
    points.append((w - 12, 16))
    d.line(style.pts(points), fill=(255, 250, 230, 255), width=SCALE, joint="curve")
    img.alpha_composite(style.glow(beam, 3))
    posts = Image.new("RGBA", img.size, (0, 0, 0, 0))
    pd = ImageDraw.Draw(posts)
    for x0 in (1, w - 15):
        pd.rounded_rectangle([x0 * SCALE, 3 * SCALE, (x0 + 14) * SCALE, 29 * SCALE], radius=3 * SCALE,
                             fill=(96, 104, 118, 255))
    posts = style.outline(style.body(posts, 1.5, 0.4), 0.8)
    img.alpha_composite(posts)
    for x0 in (8, w - 8):
        img.alpha_composite(style.glow(style.flat_disc(img.size, x0, 16, 3, (255, 200, 120)), 1.5))
    return img.resize((w, h), Image.LANCZOS)


def main():
    rock(64, 3).save("data/images/Asteroid.png")
    rock(128, 5, (112, 104, 96), craters=10).save("data/images/AsteroidLarge.png")
    rock(32, 8, (130, 118, 104), craters=3).save("data/images/AsteroidSmall.png")
    obstacle().save("data/images/Obstacle.png")
    barrier().save("data/images/Barrier.png")


if __name__ == "__main__":
    main()
