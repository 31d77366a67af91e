#!/usr/bin/env python3
"""Draws the shots and blasts (32-bit RGBA, power-of-two sides; strips have eight square
frames, band 0 at the bottom):

- data/images/Bolt.png (32x32): the player's shot, a cyan bolt along +x;
- data/images/Explosion.png (64x512): a flash, a fireball swelling and fading into smoke;
- data/images/ExplosionLarge.png (128x1024): the same with a shock ring and flying debris, for
  big ships and bosses.

Energy has no outline, only a glow round a white-hot middle (style.py). Deterministic.
Run from the project root: /usr/bin/python3 tools/art/effects.py
"""
import math
import random

from PIL import Image, ImageDraw, ImageFilter

import style
from style import SCALE

FIRE = [(255, 90, 20), (255, 170, 50), (255, 240, 190), (255, 255, 255)]
SMOKE = (70, 60, 60)


def blast(cell, frame, seed, ring=False, debris=10):
    rng = random.Random(seed)
    c = cell / 2
    t = frame / 7
    img = style.canvas(cell)
    d = ImageDraw.Draw(img)
    radius = cell * (0.14 + 0.26 * math.sqrt(t))
    heat = max(0.0, 1.0 - 1.4 * t)
    # Smoke puffs take over from the fire as it cools.
    smoke_alpha = int(200 * min(1.0, 2 * t) * (1.0 - t) ** 0.8)
    for k in range(7):
        a = 2 * math.pi * k / 7 + rng.uniform(-0.3, 0.3)
        dist = radius * rng.uniform(0.3, 0.6)
        x, y = style.polar(c, c, dist, a)
        r = radius * rng.uniform(0.45, 0.6)
        style.disc(d, x * SCALE, y * SCALE, r * SCALE, fill=style.rgba(SMOKE, smoke_alpha))
    fire = style.canvas(cell)
    fd = ImageDraw.Draw(fire)
    layers = len(FIRE)
    for k, colour in enumerate(FIRE):
        r = radius * (1.0 - k / layers) * (0.6 + 0.4 * heat)
        if k >= 2 and heat <= 0.2:
            break
        lumpy = [style.polar(c, c, r * rng.uniform(0.85, 1.1), 2 * math.pi * i / 12) for i in range(12)]
        fd.polygon(style.pts(lumpy),
                   fill=style.rgba(colour, int(255 * min(1.0, 0.35 + heat) * (1.0 - t) ** 0.6)))
    img.alpha_composite(style.glow(fire, cell / 32, 0.9))
    if ring and frame >= 1:
        ring_r = cell * (0.12 + 0.36 * t)
        ring_alpha = int(220 * (1.0 - t))
        rl = style.canvas(cell)
        style.disc(ImageDraw.Draw(rl), c * SCALE, c * SCALE, ring_r * SCALE,
                   outline=(255, 220, 170, ring_alpha), width=int(cell / 40 * SCALE))
        img.alpha_composite(style.glow(rl, cell / 48))
    # Debris flung outwards, fading as it flies.
    dd = ImageDraw.Draw(img)
    for _ in range(debris):
        a = rng.uniform(0, 2 * math.pi)
        dist = cell * (0.1 + 0.36 * t) * rng.uniform(0.7, 1.1)
        x, y = style.polar(c, c, dist, a)
        r = cell * rng.uniform(0.012, 0.025)
        style.disc(dd, x * SCALE, y * SCALE, r * SCALE,
                   fill=style.rgba(style.mix((255, 200, 90), (120, 60, 40), t), int(255 * (1 - t))))
    # The first frame is mostly a white flash.
    if frame == 0:
        flash = style.canvas(cell)
        style.disc(ImageDraw.Draw(flash), c * SCALE, c * SCALE, cell * 0.16 * SCALE,
                   fill=(255, 255, 255, 255))
        img.alpha_composite(style.glow(flash, cell / 16))
    return style.shrink(img.filter(ImageFilter.GaussianBlur(SCALE * 0.5)), cell)


def bolt():
    cell, c = 32, 16
    layer = style.canvas(cell)
    d = ImageDraw.Draw(layer)
    d.polygon(style.pts([(c + 13, c), (c + 4, c - 3.5), (c - 13, c - 1.5), (c - 13, c + 1.5),
                         (c + 4, c + 3.5)]), fill=style.rgba((50, 190, 255)))
    d.polygon(style.pts([(c + 11, c), (c + 3, c - 1.8), (c - 9, c), (c + 3, c + 1.8)]),
              fill=style.rgba((225, 250, 255)))
    return style.shrink(style.glow(layer, 1.5), cell)


def main():
    bolt().save("data/images/Bolt.png")
    style.strip([blast(64, i, 5 + i) for i in range(8)], 64).save("data/images/Explosion.png")
    style.strip([blast(128, i, 50 + i, ring=True, debris=18) for i in range(8)],
                128).save("data/images/ExplosionLarge.png")


if __name__ == "__main__":
    main()
