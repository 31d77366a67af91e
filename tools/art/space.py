#!/usr/bin/env python3
"""Draws the space art of the menu and the levels (all 32-bit RGBA, power-of-two sides):

- data/images/Starfield.png (256x256): a star field that tiles seamlessly, the levels' backdrop;
- data/images/TitleNebula.png (512x512): a violet and teal nebula over stars, the menu's backdrop;
- data/images/Asteroid.png (64x64): a grey, cratered rock;
- data/images/Drone.png (64x64): a red hunter drone, nose along +x;
- data/images/PowerUps.png (64x512): eight 64x64 bands, band 0 at the bottom: the power-up
  pickups Ammo, Boost, Health, Ping, Scaling, Shield, then two empty bands;
- data/images/Explosion.png (64x512): eight bands of a fireball that swells and fades;
- data/images/Bolt.png (32x32): the player's shot, a cyan bolt along +x.

Deterministic (fixed seeds). Drawn at four times the size and scaled down where edges matter.
Run from the project root: /usr/bin/python3 tools/art/space.py
"""
import math
import random

from PIL import Image, ImageDraw, ImageFilter

SCALE = 4


def starfield(size, count, seed, big=0.08):
    rng = random.Random(seed)
    img = Image.new("RGBA", (size, size), (4, 6, 16, 255))
    d = ImageDraw.Draw(img)
    for _ in range(count):
        x, y = rng.uniform(0, size), rng.uniform(0, size)
        level = rng.randint(90, 255)
        tint = rng.choice([(1.0, 1.0, 1.0), (0.8, 0.9, 1.0), (1.0, 0.9, 0.75)])
        colour = tuple(int(level * t) for t in tint) + (255,)
        radius = 1.2 if rng.random() < big else 0.5
        # Drawn at every wrapped position so the picture tiles without seams.
        for ox in (-size, 0, size):
            for oy in (-size, 0, size):
                cx, cy = x + ox, y + oy
                d.ellipse([cx - radius, cy - radius, cx + radius, cy + radius], fill=colour)
    return img


def nebula(size, seed):
    rng = random.Random(seed)
    base = starfield(size, 500, seed + 1)
    cloud = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    d = ImageDraw.Draw(cloud)
    for _ in range(60):
        x, y = rng.gauss(size * 0.5, size * 0.22), rng.gauss(size * 0.55, size * 0.15)
        r = rng.uniform(20, 70)
        colour = rng.choice([(120, 40, 170), (30, 120, 150), (170, 50, 120)])
        d.ellipse([x - r, y - r, x + r, y + r], fill=colour + (rng.randint(18, 40),))
    cloud = cloud.filter(ImageFilter.GaussianBlur(18))
    base.alpha_composite(cloud)
    return base


def big_canvas(cell=64):
    s = cell * SCALE
    return Image.new("RGBA", (s, s), (0, 0, 0, 0)), s


def asteroid(seed):
    rng = random.Random(seed)
    img, s = big_canvas()
    d = ImageDraw.Draw(img)
    c = s / 2
    points = []
    for i in range(14):
        a = 2 * math.pi * i / 14
        r = s * rng.uniform(0.36, 0.46)
        points.append((c + r * math.cos(a), c + r * math.sin(a)))
    d.polygon(points, fill=(118, 108, 98, 255), outline=(60, 54, 48, 255))
    for _ in range(6):
        x, y = c + rng.uniform(-0.22, 0.22) * s, c + rng.uniform(-0.22, 0.22) * s
        r = s * rng.uniform(0.04, 0.09)
        d.ellipse([x - r, y - r, x + r, y + r], fill=(84, 76, 70, 255))
        d.arc([x - r, y - r, x + r, y + r], 200, 340, fill=(150, 140, 128, 255), width=SCALE)
    return img.resize((64, 64), Image.LANCZOS)


def drone():
    img, s = big_canvas()
    d = ImageDraw.Draw(img)
    c = s / 2
    u = s / 64
    # Body: a dart with its nose to the right, two fins and a glowing eye.
    d.polygon([(c + 26 * u, c), (c - 14 * u, c - 18 * u), (c - 6 * u, c), (c - 14 * u, c + 18 * u)],
              fill=(190, 40, 40, 255), outline=(90, 10, 10, 255))
    d.polygon([(c - 6 * u, c - 8 * u), (c - 24 * u, c - 24 * u), (c - 18 * u, c - 4 * u)],
              fill=(130, 25, 25, 255))
    d.polygon([(c - 6 * u, c + 8 * u), (c - 24 * u, c + 24 * u), (c - 18 * u, c + 4 * u)],
              fill=(130, 25, 25, 255))
    d.ellipse([c + 2 * u, c - 5 * u, c + 12 * u, c + 5 * u], fill=(255, 220, 80, 255))
    return img.resize((64, 64), Image.LANCZOS)


def power_up(kind):
    img, s = big_canvas()
    d = ImageDraw.Draw(img)
    c = s / 2
    u = s / 64
    colours = {
        "Ammo": (250, 200, 60),
        "Boost": (80, 220, 120),
        "Health": (240, 70, 80),
        "Ping": (90, 220, 255),
        "Scaling": (200, 120, 250),
        "Shield": (80, 140, 255),
    }
    colour = colours[kind]
    d.ellipse([c - 26 * u, c - 26 * u, c + 26 * u, c + 26 * u], fill=(20, 24, 40, 230),
              outline=colour + (255,), width=int(3 * u))
    w = int(4 * u)
    if kind == "Ammo":
        for dx in (-9, 0, 9):
            d.rectangle([c + (dx - 3) * u, c - 12 * u, c + (dx + 3) * u, c + 12 * u], fill=colour)
            d.ellipse([c + (dx - 3) * u, c - 15 * u, c + (dx + 3) * u, c - 9 * u], fill=colour)
    elif kind == "Boost":
        for dy in (-8, 6):
            d.line([(c - 10 * u, c + (dy - 8) * u), (c, c + dy * u), (c + 10 * u, c + (dy - 8) * u)],
                   fill=colour, width=w)
    elif kind == "Health":
        d.rectangle([c - 4 * u, c - 15 * u, c + 4 * u, c + 15 * u], fill=colour)
        d.rectangle([c - 15 * u, c - 4 * u, c + 15 * u, c + 4 * u], fill=colour)
    elif kind == "Ping":
        for r in (6, 12, 18):
            d.ellipse([c - r * u, c - r * u, c + r * u, c + r * u], outline=colour, width=int(2.5 * u))
    elif kind == "Scaling":
        d.line([(c - 14 * u, c + 14 * u), (c + 14 * u, c - 14 * u)], fill=colour, width=w)
        d.polygon([(c + 16 * u, c - 16 * u), (c + 4 * u, c - 14 * u), (c + 14 * u, c - 4 * u)], fill=colour)
        d.polygon([(c - 16 * u, c + 16 * u), (c - 4 * u, c + 14 * u), (c - 14 * u, c + 4 * u)], fill=colour)
    elif kind == "Shield":
        d.polygon([(c, c - 16 * u), (c + 14 * u, c - 10 * u), (c + 11 * u, c + 6 * u), (c, c + 17 * u),
                   (c - 11 * u, c + 6 * u), (c - 14 * u, c - 10 * u)], outline=colour, width=w)
    return img.resize((64, 64), Image.LANCZOS)


def explosion_frame(index, seed=5):
    rng = random.Random(seed + index)
    img, s = big_canvas()
    d = ImageDraw.Draw(img)
    c = s / 2
    progress = index / 7
    radius = s * (0.12 + 0.3 * progress)
    fade = int(255 * (1.0 - progress) ** 0.7)
    for layer, colour in enumerate([(255, 120, 30), (255, 200, 60), (255, 250, 210)]):
        r = radius * (1.0 - 0.3 * layer)
        d.ellipse([c - r, c - r, c + r, c + r], fill=colour + (fade,))
    # Debris flung outwards.
    for _ in range(10):
        a = rng.uniform(0, 2 * math.pi)
        dist = radius * rng.uniform(0.9, 1.4)
        x, y = c + dist * math.cos(a), c + dist * math.sin(a)
        r = s * 0.02
        d.ellipse([x - r, y - r, x + r, y + r], fill=(255, 180, 90, fade))
    img = img.filter(ImageFilter.GaussianBlur(2 * SCALE))
    return img.resize((64, 64), Image.LANCZOS)


def bolt():
    cell = 32
    s = cell * SCALE
    img = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    c = s / 2
    d.ellipse([c - 13 * SCALE, c - 4 * SCALE, c + 13 * SCALE, c + 4 * SCALE], fill=(60, 200, 255, 180))
    d.ellipse([c - 9 * SCALE, c - 2 * SCALE, c + 11 * SCALE, c + 2 * SCALE], fill=(220, 250, 255, 255))
    glow = img.filter(ImageFilter.GaussianBlur(1.5 * SCALE))
    glow.alpha_composite(img)
    return glow.resize((cell, cell), Image.LANCZOS)


def strip(frames, bands=8, cell=64):
    img = Image.new("RGBA", (cell, cell * bands), (0, 0, 0, 0))
    for index, frame in enumerate(frames):
        # Band 0 is the bottom of the picture.
        img.paste(frame, (0, cell * (bands - 1 - index)))
    return img


def main():
    starfield(256, 180, 7).save("data/images/Starfield.png")
    nebula(512, 11).save("data/images/TitleNebula.png")
    asteroid(3).save("data/images/Asteroid.png")
    drone().save("data/images/Drone.png")
    kinds = ["Ammo", "Boost", "Health", "Ping", "Scaling", "Shield"]
    strip([power_up(k) for k in kinds]).save("data/images/PowerUps.png")
    strip([explosion_frame(i) for i in range(8)]).save("data/images/Explosion.png")
    bolt().save("data/images/Bolt.png")


if __name__ == "__main__":
    main()
