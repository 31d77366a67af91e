#!/usr/bin/env python3
"""Draws the enemies (32-bit RGBA, power-of-two sides; strips have eight square frames, band 0
at the bottom; noses point along +x):

- data/images/Drone.png (64x64): the hunter drone, a dart with a red eye;
- data/images/Dasher.png (64x512): a three-bladed spinner, a third of a turn over the strip;
- data/images/Avoider.png (64x512): a round drone whose eye and rim lights pulse;
- data/images/Gunship.png (128x1024): a heavy gunship, engines flickering, lights blinking;
- data/images/Warden.png (256x2048): the first boss; frames 0-3 calm, 4-7 angry;
- data/images/Core.png (256x2048): the last boss; 0-2 calm, 3-5 angry, 6-7 frenzy;
- data/images/BossOrb.png (32x256): the bosses' pulsing shot;
- data/images/EnemyBolt.png (32x32): the enemies' red-orange bolt along +x.

Enemies are dark gunmetal with red and orange lights and sharp shapes, so they never look like
the player's light steel ship or the round pickups. Deterministic.
Run from the project root: /usr/bin/python3 tools/art/enemies.py
"""
import math

from PIL import Image, ImageDraw

import style
from style import SCALE

METAL = (84, 90, 104)
DARK = (46, 50, 62)
RED = (225, 45, 40)
ORANGE = (255, 140, 40)
EMBER = (160, 30, 30)


def finish(img, cell):
    return style.shrink(style.outline(img), cell)


def drone():
    c = 32
    img = style.canvas(64)
    img.alpha_composite(style.lit_part(64, [
        ("poly", [(c - 4, c - 6), (c - 22, c - 24), (c - 12, c - 24), (c + 6, c - 8)], DARK),
        ("poly", [(c - 4, c + 6), (c - 22, c + 24), (c - 12, c + 24), (c + 6, c + 8)], DARK),
    ]))
    img.alpha_composite(style.lit_part(64, [
        ("poly", [(c + 27, c), (c - 12, c - 15), (c - 6, c), (c - 12, c + 15)], METAL),
        ("poly", [(c + 27, c), (c + 4, c - 5), (c + 4, c + 5)], RED),
        ("poly", [(c - 21, c - 23), (c - 16, c - 23), (c - 13, c - 17)], RED),
        ("poly", [(c - 21, c + 23), (c - 16, c + 23), (c - 13, c + 17)], RED),
    ]))
    img = style.outline(img)
    img.alpha_composite(style.light(64, c + 8, c, 3.2, RED, halo=1.5))
    return style.shrink(img, 64)


def dasher(frame):
    c = 32
    blade = style.canvas(64)
    for k in range(3):
        a = 2 * math.pi * k / 3
        # A hooked blade: a long trailing edge sweeping back from the hub.
        shape = []
        for r, da in ((8, -0.45), (29, 0.15), (24, 0.55), (11, 0.55)):
            shape.append(style.polar(c, c, r, a + da))
        edge = [style.polar(c, c, 29, a + 0.15), style.polar(c, c, 24, a + 0.55),
                style.polar(c, c, 21, a + 0.42)]
        blade.alpha_composite(style.lit_part(64, [("poly", shape, METAL), ("poly", edge, RED)]))
    blade.alpha_composite(style.lit_part(64, [("disc", (c, c, 10), DARK)]))
    blade = style.rotate(style.outline(blade), -15 * frame)
    blade.alpha_composite(style.light(64, c, c, 4.5, ORANGE, halo=1.8))
    return style.shrink(blade, 64)


def avoider(frame):
    c = 32
    pulse = 0.5 + 0.5 * math.cos(2 * math.pi * frame / 8)
    img = style.canvas(64)
    spikes = []
    for k in range(4):
        a = math.pi / 4 + k * math.pi / 2
        spikes.append(("poly", [style.polar(c, c, 27, a), style.polar(c, c, 16, a - 0.35),
                                style.polar(c, c, 16, a + 0.35)], DARK))
    img.alpha_composite(style.lit_part(64, spikes))
    img.alpha_composite(style.lit_part(64, [("disc", (c, c, 18), METAL)], bevel=2))
    img.alpha_composite(style.lit_part(64, [("disc", (c, c, 10), DARK)], bevel=1))
    img = style.outline(img)
    for k in range(4):
        x, y = style.polar(c, c, 14, k * math.pi / 2)
        img.alpha_composite(style.light(64, x, y, 1.4 + 0.6 * pulse,
                                        style.mix(EMBER, ORANGE, pulse), halo=1.0))
    img.alpha_composite(style.light(64, c, c, 4 + 2.5 * pulse, RED, halo=1.5 + pulse,
                                    strength=0.7 + 0.5 * pulse))
    return style.shrink(img, 64)


def flame(cell, x, y, length, width, colour=ORANGE):
    """An exhaust plume pointing along -x from (x, y), in cell pixels."""
    layer = style.canvas(cell)
    d = ImageDraw.Draw(layer)
    for scale, col in ((1.0, colour), (0.65, (255, 210, 120)), (0.35, (255, 250, 230))):
        h = width * scale / 2
        d.polygon(style.pts([(x, y - h), (x - length * scale, y), (x, y + h)]),
                  fill=style.rgba(col))
    return style.glow(layer, 1.5)


def gunship(frame):
    cell, c = 128, 64
    img = style.canvas(cell)
    lengths = (16, 20, 14, 19, 17, 13, 20, 15)
    flames = style.canvas(cell)
    for dy, k in ((-22, 0), (22, 3)):
        flames.alpha_composite(flame(cell, c - 38, c + dy, lengths[(frame + k) % 8], 12))
    # Guns and wings under the hull.
    img.alpha_composite(style.lit_part(cell, [
        ("poly", [(c + 10, c - 30), (c + 46, c - 30), (c + 46, c - 24), (c + 10, c - 22)], DARK),
        ("poly", [(c + 10, c + 30), (c + 46, c + 30), (c + 46, c + 24), (c + 10, c + 22)], DARK),
        ("poly", [(c - 10, c - 16), (c - 34, c - 54), (c - 20, c - 56), (c + 24, c - 22)], METAL),
        ("poly", [(c - 10, c + 16), (c - 34, c + 54), (c - 20, c + 56), (c + 24, c + 22)], METAL),
    ]))
    img.alpha_composite(style.lit_part(cell, [
        ("poly", [(c - 40, c - 30), (c - 30, c - 30), (c - 30, c - 14), (c - 40, c - 14)], DARK),
        ("poly", [(c - 40, c + 14), (c - 30, c + 14), (c - 30, c + 30), (c - 40, c + 30)], DARK),
        ("poly", [(c + 54, c), (c + 30, c - 14), (c - 30, c - 22), (c - 36, c), (c - 30, c + 22),
                  (c + 30, c + 14)], METAL),
        ("poly", [(c + 54, c), (c + 30, c - 5), (c + 30, c + 5)], RED),
        ("poly", [(c - 30, c - 56), (c - 20, c - 56), (c - 14, c - 46), (c - 26, c - 47)], RED),
        ("poly", [(c - 30, c + 56), (c - 20, c + 56), (c - 14, c + 46), (c - 26, c + 47)], RED),
    ], bevel=2))
    img.alpha_composite(style.lit_part(cell, [
        ("poly", [(c + 20, c - 7), (c + 6, c - 10), (c + 6, c + 10), (c + 20, c + 7)], DARK),
    ], bevel=1))
    img = style.outline(img)
    img.alpha_composite(flames)
    img.alpha_composite(style.light(cell, c + 13, c, 3.5, RED, halo=2))
    on = frame % 4 < 2
    for y in (c - 53, c + 53):
        img.alpha_composite(style.light(cell, c - 25, y, 2.2 if on else 1.2,
                                        ORANGE if on else EMBER, halo=2 if on else 0.5))
    return style.shrink(img, cell)


def warden(frame):
    """An armoured ring round a watching eye, cannons forward. Angry: plates pushed out, vents
    glowing red between them."""
    cell, c = 256, 128
    angry = frame >= 4
    phase = (frame % 4) / 4
    pulse = 0.5 + 0.5 * math.cos(2 * math.pi * phase)
    gap = 7 if angry else 0
    eye = RED if angry else (255, 170, 50)
    img = style.canvas(cell)
    if angry:
        vents = style.canvas(cell)
        d = ImageDraw.Draw(vents)
        style.disc(d, c * SCALE, c * SCALE, 100 * SCALE, fill=style.rgba(style.mix(EMBER, RED, pulse)))
        img.alpha_composite(style.glow(vents, 3))
    # Cannons.
    img.alpha_composite(style.lit_part(cell, [
        ("poly", [(c + 60, c - 46), (c + 122, c - 42), (c + 122, c - 30), (c + 60, c - 26)], DARK),
        ("poly", [(c + 60, c + 46), (c + 122, c + 42), (c + 122, c + 30), (c + 60, c + 26)], DARK),
    ], bevel=2))
    # Eight armour plates round the ring.
    for k in range(8):
        a = 2 * math.pi * k / 8
        ox, oy = gap * math.cos(a), gap * math.sin(a)
        plate = [style.polar(c + ox, c + oy, r, a + da) for r, da in
                 ((60, -0.36), (104, -0.30), (112, 0.0), (104, 0.30), (60, 0.36))]
        stripe = [style.polar(c + ox, c + oy, r, a + da) for r, da in
                  ((100, -0.2), (108, 0.0), (100, 0.2), (94, 0.0))]
        img.alpha_composite(style.lit_part(cell, [("poly", plate, METAL),
                                                  ("poly", stripe, RED if angry else ORANGE)],
                                           bevel=3))
    img.alpha_composite(style.lit_part(cell, [("disc", (c, c, 58), DARK)], bevel=3))
    img.alpha_composite(style.lit_part(cell, [("disc", (c, c, 40), METAL)], bevel=3))
    img = style.outline(img, 1.5)
    img.alpha_composite(style.light(cell, c, c, 20 + 6 * pulse, eye, halo=6 + 4 * pulse,
                                    strength=0.8 + 0.4 * pulse))
    img.alpha_composite(style.light(cell, c + 8, c, 6, (40, 10, 10), core=(20, 0, 0), halo=0.5))
    for y in (c - 36, c + 36):
        img.alpha_composite(style.light(cell, c + 120, y, 4 + (3 if angry else 0) * pulse,
                                        eye, halo=3))
    return style.shrink(img, cell)


def core(frame):
    """A reactor sphere in a six-piece shell that turns; the shell opens as the Core is hurt."""
    cell, c = 256, 128
    if frame <= 2:
        mood, step = 0, frame
    elif frame <= 5:
        mood, step = 1, frame - 3
    else:
        mood, step = 2, frame - 6
    heart = [(255, 205, 90), (255, 130, 40), (255, 90, 70)][mood]
    gap = [2, 12, 22][mood]
    turn = math.radians(20 * step) if mood < 2 else math.radians(10 * step)
    img = style.canvas(cell)
    reactor = style.canvas(cell)
    # A smooth sphere of light: white-hot in the middle, the mood's colour, a dark red rim.
    size = int(148 * SCALE)
    grad = Image.radial_gradient("L").resize((size, size))
    ball = Image.new("RGBA", (size, size), (255, 255, 245, 255))
    mid = Image.new("RGBA", (size, size), style.rgba(heart))
    rim = Image.new("RGBA", (size, size), style.rgba(style.scaled(heart, 0.45)))
    ball = Image.composite(mid, ball, grad.point(lambda v: max(0, min(255, int((v - 40) * 2.4)))))
    ball = Image.composite(rim, ball, grad.point(lambda v: max(0, min(255, int((v - 150) * 2.5)))))
    mask = Image.new("L", (size, size), 0)
    style.disc(ImageDraw.Draw(mask), size / 2, size / 2, size / 2 - 1, fill=255)
    ball.putalpha(mask)
    reactor.alpha_composite(ball, (int((c - 74) * SCALE), int((c - 74) * SCALE)))
    d = ImageDraw.Draw(reactor)
    # A ring of dark slots round the heart, turning with the shell.
    for k in range(12):
        a = turn + 2 * math.pi * (k + 0.25) / 12
        d.line(style.pts([style.polar(c, c, 54, a), style.polar(c, c, 66, a)]),
               fill=style.rgba(style.scaled(heart, 0.3)), width=3 * SCALE)
    if mood == 2:
        for k in range(6):
            a = turn + 2 * math.pi * (k + 0.5) / 6
            d.line(style.pts([style.polar(c, c, 30, a), style.polar(c, c, 70, a + 0.2 * (-1) ** k)]),
                   fill=(255, 255, 255, 255), width=3 * SCALE)
    img.alpha_composite(style.glow(reactor, 6 + 3 * mood, 0.9))
    for k in range(6):
        a = turn + 2 * math.pi * k / 6
        ox, oy = gap * math.cos(a), gap * math.sin(a)
        shell = [style.polar(c + ox, c + oy, r, a + da) for r, da in
                 ((78, -0.45), (112, -0.42), (124, 0.0), (112, 0.42), (78, 0.45), (88, 0.0))]
        rib = [style.polar(c + ox, c + oy, r, a + da) for r, da in
               ((96, -0.08), (120, -0.04), (120, 0.04), (96, 0.08))]
        img.alpha_composite(style.lit_part(cell, [("poly", shell, (112, 106, 110)),
                                                  ("poly", rib, style.scaled(heart, 0.9))],
                                           bevel=3))
    img = style.outline(img, 1.5)
    return style.shrink(img, cell)


def boss_orb(frame):
    pulse = 0.5 + 0.5 * math.cos(2 * math.pi * frame / 8)
    return style.shrink(style.light(32, 16, 16, 6 + 2 * pulse, (255, 50, 110), halo=2 + pulse,
                                    strength=0.9 + 0.4 * pulse), 32)


def enemy_bolt():
    cell, c = 32, 16
    layer = style.canvas(cell)
    d = ImageDraw.Draw(layer)
    d.polygon(style.pts([(c + 13, c), (c + 2, c - 4), (c - 12, c - 2), (c - 12, c + 2),
                         (c + 2, c + 4)]), fill=style.rgba((255, 80, 30)))
    d.polygon(style.pts([(c + 11, c), (c + 2, c - 2), (c - 8, c), (c + 2, c + 2)]),
              fill=style.rgba((255, 230, 160)))
    return style.shrink(style.glow(layer, 1.5), cell)


def main():
    drone().save("data/images/Drone.png")
    style.strip([dasher(i) for i in range(8)], 64).save("data/images/Dasher.png")
    style.strip([avoider(i) for i in range(8)], 64).save("data/images/Avoider.png")
    style.strip([gunship(i) for i in range(8)], 128).save("data/images/Gunship.png")
    style.strip([warden(i) for i in range(8)], 256).save("data/images/Warden.png")
    style.strip([core(i) for i in range(8)], 256).save("data/images/Core.png")
    style.strip([boss_orb(i) for i in range(8)], 32).save("data/images/BossOrb.png")
    enemy_bolt().save("data/images/EnemyBolt.png")


if __name__ == "__main__":
    main()
