#!/usr/bin/env python3
"""Draws the power-up pickups (32-bit RGBA, power-of-two sides, band 0 at the bottom):

- data/images/PowerUpHealth.png, PowerUpShield.png, PowerUpBoost.png, PowerUpPing.png,
  PowerUpAmmo.png, PowerUpScale.png (64x512 each): eight frames in which the ring's four marks
  turn a quarter turn (so the loop is seamless) while the orb pulses;
- data/images/PowerUps.png (64x512): the first frame of each, in the bands the help screen and
  the older levels use: 0 Ammo, 1 Boost, 2 Health, 3 Ping, 4 Scaling, 5 Shield, 6-7 empty.

Pickups are round, bright and friendly: a glowing orb in the kind's colour inside a white ring,
with a bold white symbol that reads at 40 units. Deterministic.
Run from the project root: /usr/bin/python3 tools/art/pickups.py
"""
import math

from PIL import Image, ImageChops, ImageDraw

import style
from style import SCALE

CELL, C = 64, 32
KINDS = {
    "Health": (60, 205, 90),
    "Shield": (60, 125, 255),
    "Boost": (255, 200, 40),
    "Ping": (40, 220, 200),
    "Ammo": (255, 90, 170),
    "Scale": (165, 95, 255),
}
WHITE = (255, 255, 255, 255)


def symbol(kind, d):
    u = SCALE

    def line(points, width):
        d.line(style.pts(points), fill=WHITE, width=int(width * u), joint="curve")
        for x, y in (points[0], points[-1]):
            style.disc(d, x * u, y * u, width * u / 2, fill=WHITE)

    if kind == "Health":
        d.rectangle([(C - 4) * u, (C - 13) * u, (C + 4) * u, (C + 13) * u], fill=WHITE)
        d.rectangle([(C - 13) * u, (C - 4) * u, (C + 13) * u, (C + 4) * u], fill=WHITE)
    elif kind == "Shield":
        # A crest under the arc of a raised shield.
        d.arc([(C - 15) * u, (C - 13) * u, (C + 15) * u, (C + 17) * u], 200, 340,
              fill=WHITE, width=int(3.2 * u))
        d.polygon(style.pts([(C - 8, C - 5), (C + 8, C - 5), (C + 8, C + 3), (C, C + 13),
                             (C - 8, C + 3)]), fill=WHITE)
    elif kind == "Boost":
        for dx in (-7, 4):
            line([(C + dx - 5, C - 10), (C + dx + 5, C), (C + dx - 5, C + 10)], 4.5)
    elif kind == "Ping":
        style.disc(d, C * u, C * u, 3.5 * u, fill=WHITE)
        for r in (8.5, 14):
            style.disc(d, C * u, C * u, r * u, outline=WHITE, width=int(2.6 * u))
    elif kind == "Ammo":
        for dx in (-8, 0, 8):
            x = C + dx
            d.rectangle([(x - 2.8) * u, (C - 5) * u, (x + 2.8) * u, (C + 12) * u], fill=WHITE)
            d.pieslice([(x - 2.8) * u, (C - 11) * u, (x + 2.8) * u, (C + 1) * u], 180, 360, fill=WHITE)
    elif kind == "Scale":
        for sx in (-1, 1):
            for sy in (-1, 1):
                line([(C + 3 * sx, C + 3 * sy), (C + 10 * sx, C + 10 * sy)], 3.5)
                tip = (C + 14 * sx, C + 14 * sy)
                d.polygon(style.pts([tip, (C + 5 * sx, C + 13 * sy), (C + 13 * sx, C + 5 * sy)]),
                          fill=WHITE)


def orb(colour, pulse):
    """The glowing ball: bright in the middle, deeper at the rim, a highlight at the upper left."""
    r = 22
    size = int(2 * r * SCALE)
    grad = Image.radial_gradient("L").resize((size, size))
    deep = Image.new("RGBA", (size, size), style.rgba(style.scaled(colour, 0.7)))
    bright = Image.new("RGBA", (size, size), style.rgba(style.mix(colour, (255, 255, 255), 0.25 + 0.2 * pulse)))
    ball = Image.composite(deep, bright, grad.point(lambda v: min(255, int(v * 1.5))))
    mask = Image.new("L", (size, size), 0)
    style.disc(ImageDraw.Draw(mask), size / 2, size / 2, size / 2 - 1, fill=255)
    ball.putalpha(mask)
    layer = style.canvas(CELL)
    layer.alpha_composite(ball, (int((C - r) * SCALE), int((C - r) * SCALE)))
    shine = style.canvas(CELL)
    sd = ImageDraw.Draw(shine)
    sd.arc([(C - 17) * SCALE, (C - 17) * SCALE, (C + 17) * SCALE, (C + 17) * SCALE], 190, 260,
           fill=(255, 255, 255, 150), width=3 * SCALE)
    layer.alpha_composite(shine)
    return layer


def frame(kind, index):
    colour = KINDS[kind]
    pulse = 0.5 + 0.5 * math.cos(2 * math.pi * index / 8)
    img = style.canvas(CELL)
    halo = style.canvas(CELL)
    style.disc(ImageDraw.Draw(halo), C * SCALE, C * SCALE, 24 * SCALE, fill=style.rgba(colour))
    img.alpha_composite(style.glow(halo, 3 + 1.5 * pulse, 0.6 + 0.3 * pulse))
    img.alpha_composite(orb(colour, pulse))
    ring = style.canvas(CELL)
    rd = ImageDraw.Draw(ring)
    style.disc(rd, C * SCALE, C * SCALE, 24 * SCALE, outline=(255, 255, 255, 230), width=int(1.6 * SCALE))
    turn = index * 90 / 8
    for k in range(4):
        start = turn + 90 * k - 14
        rd.arc([(C - 27) * SCALE, (C - 27) * SCALE, (C + 27) * SCALE, (C + 27) * SCALE],
               start, start + 28, fill=(255, 255, 255, 255), width=int(3 * SCALE))
    img.alpha_composite(style.outline(ring, 0.6))
    sym = style.canvas(CELL)
    symbol(kind, ImageDraw.Draw(sym))
    # A thin shade of the kind's colour keeps the white symbol crisp on the bright orb.
    img.alpha_composite(style.outline(sym, 0.8, style.scaled(colour, 0.35)))
    return style.shrink(img, CELL)


def main():
    firsts = {}
    for kind in KINDS:
        frames = [frame(kind, i) for i in range(8)]
        firsts[kind] = frames[0]
        style.strip(frames, CELL).save("data/images/PowerUp%s.png" % kind)
    order = ["Ammo", "Boost", "Health", "Ping", "Scale", "Shield"]
    style.strip([firsts[k] for k in order], CELL, bands=8).save("data/images/PowerUps.png")


if __name__ == "__main__":
    main()
