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
    # Puffs: each a ball of fire that drifts out from the middle, cooling from white through
    # yellow and orange to smoke.
    puffs = [(rng.uniform(0, 2 * math.pi), rng.uniform(0.0, 0.55), rng.uniform(0.55, 0.9))
             for _ in range(9)]
    reach = cell * (0.12 + 0.3 * math.sqrt(t))
    heat = max(0.0, 1.0 - 1.25 * t)
    smoke = style.canvas(cell)
    sd = ImageDraw.Draw(smoke)
    smoke_alpha = int(230 * min(1.0, 2.5 * t) * (1.0 - t) ** 0.6)
    for angle, dist, size in puffs:
        x, y = style.polar(c, c, reach * (dist + 0.25 * t), angle)
        style.disc(sd, x * SCALE, y * SCALE, reach * size * 0.8 * SCALE,
                   fill=style.rgba(SMOKE, smoke_alpha))
    img.alpha_composite(smoke.filter(ImageFilter.GaussianBlur(cell / 24 * SCALE)))
    fire = style.canvas(cell)
    fd = ImageDraw.Draw(fire)
    for k, colour in enumerate(FIRE):
        # Hotter layers shrink faster as the blast cools, and the rest reddens.
        share = (1.0, 0.78, 0.55, 0.32)[k] * (0.7 + 0.3 * heat if k == 0 else heat ** (0.7 * k))
        if share < 0.08:
            continue
        colour = style.mix(colour, (150, 35, 20), t * 0.8)
        for angle, dist, size in puffs:
            x, y = style.polar(c, c, reach * dist, angle)
            style.disc(fd, x * SCALE, y * SCALE, reach * size * share * SCALE,
                       fill=style.rgba(colour))
    img.alpha_composite(style.fade(style.glow(fire, cell / 24, 0.8), (1.0 - t) ** 1.3))
    if ring and frame >= 1:
        ring_r = cell * (0.14 + 0.34 * t)
        ring_alpha = int(230 * (1.0 - t) ** 0.8)
        rl = style.canvas(cell)
        style.disc(ImageDraw.Draw(rl), c * SCALE, c * SCALE, ring_r * SCALE,
                   outline=(255, 225, 180, ring_alpha), width=int(cell / 48 * SCALE))
        img.alpha_composite(style.glow(rl, cell / 48))
    # Sparks flung outwards as short streaks, fading as they fly.
    sparks = style.canvas(cell)
    dd = ImageDraw.Draw(sparks)
    for _ in range(debris):
        a = rng.uniform(0, 2 * math.pi)
        dist = cell * (0.08 + 0.38 * t) * rng.uniform(0.75, 1.1)
        inner = style.polar(c, c, dist * 0.86, a)
        outer = style.polar(c, c, dist, a)
        dd.line(style.pts([inner, outer]), width=int(cell / 40 * SCALE),
                fill=style.rgba(style.mix((255, 240, 170), (255, 120, 40), t), int(255 * (1 - t))))
    img.alpha_composite(style.glow(sparks, cell / 64))
    # The first frame is mostly a white flash.
    if frame == 0:
        flash = style.canvas(cell)
        style.disc(ImageDraw.Draw(flash), c * SCALE, c * SCALE, cell * 0.16 * SCALE,
                   fill=(255, 255, 255, 255))
        img.alpha_composite(style.glow(flash, cell / 16))
    return style.shrink(img, cell)


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
