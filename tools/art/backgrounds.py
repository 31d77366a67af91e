#!/usr/bin/env python3
"""Draws the backdrops (32-bit RGBA, power-of-two sides, all but the menu's seamless tiles):

- data/images/Bg1.png ... Bg8.png (512x512): each story level's star field and nebula, in that
  level's own palette (docs/art-direction.md);
- data/images/Starfield.png (256x256): the plain star field;
- data/images/TitleNebula.png (512x512): the menu's violet and teal nebula, stretched over the
  800x600-unit view, with the "VANTORIX" logotype (tools/art/title.py) in its lower right corner,
  clear of the texts the menu, the help screens and the results screen put over it.

Backdrops stay dark so that everything that moves is brighter than what it moves over.
Deterministic (fixed seeds). Run from the project root: /usr/bin/python3 tools/art/backgrounds.py
"""
import math

from PIL import Image, ImageChops, ImageDraw

import style
import title

SIZE = 512


def cloud(size, seed, colour, strength, threshold=90, gamma=1.6, octaves=None):
    """A layer of `colour` whose opacity follows seamless noise above `threshold`."""
    noise = style.tile_noise(size, seed, octaves) if octaves else style.tile_noise(size, seed)

    def curve(v):
        if v <= threshold:
            return 0
        t = (v - threshold) / (255 - threshold)
        return int(255 * strength * t ** gamma)

    layer = Image.new("RGBA", (size, size), style.rgba(colour))
    layer.putalpha(noise.point(curve))
    return layer


def dust(size, seed, amount, octaves=None):
    """Dark lanes: a black layer over the nebula where the noise is low."""
    noise = style.tile_noise(size, seed, octaves) if octaves else style.tile_noise(size, seed)
    layer = Image.new("RGBA", (size, size), (0, 0, 0, 255))
    layer.putalpha(noise.point(lambda v: int(255 * amount * max(0.0, (120 - v) / 120) ** 1.2)))
    return layer


def streaks(size, seed, colour, strength, across=2, down=16):
    """Long horizontal wisps (a drift)."""
    octaves = (((across, down), 1.0), ((across * 2, down), 0.5), ((across * 4, down * 2), 0.25))
    return style.wrap_blur(cloud(size, seed, colour, strength, threshold=125, gamma=1.3,
                                 octaves=octaves), 3)


def lanes(size, colour, count, strength):
    """Horizontal bands of glow that repeat `count` times down the tile."""
    layer = Image.new("RGBA", (size, size), style.rgba(colour))
    mask = Image.new("L", (1, size))
    mask.putdata([int(255 * strength * (0.5 + 0.5 * math.cos(2 * math.pi * count * y / size)) ** 6)
                  for y in range(size)])
    layer.putalpha(mask.resize((size, size)))
    return layer


def facets(size, seed, colour, count):
    """Thin diagonal glints at 45 degrees; a slope of one wraps round a square tile exactly."""
    import random
    rng = random.Random(seed)
    layer = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    d = ImageDraw.Draw(layer)
    for _ in range(count):
        offset = rng.uniform(0, size)
        alpha = rng.randint(20, 55)
        width = rng.choice((1, 1, 2, 3))
        slope = rng.choice((1, -1))
        for k in (-1, 0, 1, 2):
            x0 = offset + k * size
            if slope > 0:
                d.line([(x0 - size, 0), (x0, size)], fill=style.rgba(colour, alpha), width=width)
            else:
                d.line([(x0, 0), (x0 - size, size)], fill=style.rgba(colour, alpha), width=width)
    return style.wrap_blur(layer, 1.2)


# Per level: base colour, clouds (colour, strength, threshold), dust amount, star tints, extras.
LEVELS = {
    1: dict(base=(6, 8, 14), clouds=[((84, 100, 132), 0.55, 75), ((46, 60, 92), 0.55, 55)],
            dust=0.6, tints=((0.85, 0.9, 1.0), (1.0, 1.0, 1.0), (0.7, 0.8, 1.0)), stars=520),
    2: dict(base=(3, 10, 12), clouds=[((20, 110, 110), 0.42, 90), ((20, 70, 60), 0.45, 70)],
            dust=0.5, tints=((0.8, 1.0, 1.0), (1.0, 1.0, 1.0)), stars=380, streaks=(40, 140, 130)),
    3: dict(base=(12, 8, 4), clouds=[((150, 95, 30), 0.38, 95), ((90, 50, 20), 0.45, 70)],
            dust=0.55, tints=((1.0, 0.9, 0.7), (1.0, 0.95, 0.85), (1.0, 0.8, 0.6)), stars=360),
    4: dict(base=(10, 3, 5), clouds=[((120, 20, 30), 0.4, 95), ((60, 12, 24), 0.5, 70)],
            dust=0.6, tints=((1.0, 0.85, 0.8), (1.0, 1.0, 1.0)), stars=340,
            lanes=((150, 30, 30), 3, 0.16)),
    5: dict(base=(3, 10, 5), clouds=[((40, 130, 50), 0.38, 95), ((20, 70, 40), 0.5, 70)],
            dust=0.7, tints=((0.85, 1.0, 0.85), (1.0, 1.0, 0.9)), stars=380),
    6: dict(base=(8, 4, 14), clouds=[((110, 50, 150), 0.42, 90), ((70, 30, 80), 0.5, 65)],
            dust=0.55, tints=((0.95, 0.85, 1.0), (1.0, 1.0, 1.0)), stars=400),
    7: dict(base=(3, 10, 16), clouds=[((40, 150, 190), 0.34, 100), ((30, 80, 120), 0.45, 75)],
            dust=0.4, tints=((0.8, 1.0, 1.0), (1.0, 1.0, 1.0)), stars=420,
            facets=(150, 230, 255)),
    8: dict(base=(12, 9, 5), clouds=[((235, 205, 140), 0.3, 110), ((150, 95, 35), 0.42, 75)],
            dust=0.45, tints=((1.0, 0.95, 0.8), (1.0, 1.0, 1.0), (1.0, 0.85, 0.6)), stars=560),
}


def level_backdrop(level):
    look = LEVELS[level]
    seed = 100 * level
    img = Image.new("RGBA", (SIZE, SIZE), style.rgba(look["base"]))
    for index, (colour, strength, threshold) in enumerate(look["clouds"]):
        img.alpha_composite(cloud(SIZE, seed + index, colour, strength, threshold))
    if "lanes" in look:
        img.alpha_composite(lanes(SIZE, *look["lanes"]))
    if "streaks" in look:
        img.alpha_composite(streaks(SIZE, seed + 7, look["streaks"], 0.3))
    img.alpha_composite(dust(SIZE, seed + 5, look["dust"]))
    if "facets" in look:
        img.alpha_composite(facets(SIZE, seed + 9, look["facets"], 14))
    style.stars(img, look["stars"], seed + 3, tints=look["tints"])
    return img


LOGO_BOX = (170, 390, -298, -243)


def title_nebula():
    img = Image.new("RGBA", (SIZE, SIZE), (5, 4, 14, 255))
    img.alpha_composite(cloud(SIZE, 11, (110, 40, 160), 0.5, 85))
    img.alpha_composite(cloud(SIZE, 12, (30, 120, 150), 0.45, 95))
    img.alpha_composite(cloud(SIZE, 13, (170, 50, 120), 0.3, 120))
    img.alpha_composite(dust(SIZE, 14, 0.5))
    # Darker at the middle, where the menu's texts are.
    vignette = Image.radial_gradient("L").resize((SIZE, SIZE))
    shade = Image.new("RGBA", (SIZE, SIZE), (0, 0, 0, 255))
    shade.putalpha(ImageChops.invert(vignette).point(lambda v: int(v * 0.45)))
    img.alpha_composite(shade)
    style.stars(img, 420, 15)
    # The logotype's place in view units (the view spans -400..400 by -300..300); the picture is
    # stretched to the view, so the logo is squeezed here by the same amount.
    left, right, bottom, top = LOGO_BOX
    to_px = lambda x, y: (int((x + 400) * SIZE / 800), int((300 - y) * SIZE / 600))
    x0, y0 = to_px(left, top)
    x1, y1 = to_px(right, bottom)
    img.alpha_composite(title.logotype().resize((x1 - x0, y1 - y0), Image.LANCZOS), (x0, y0))
    return img


def main():
    for level in LEVELS:
        level_backdrop(level).save("data/images/Bg%d.png" % level)
    starfield = Image.new("RGBA", (256, 256), (4, 6, 16, 255))
    style.stars(starfield, 180, 7).save("data/images/Starfield.png")
    title_nebula().save("data/images/TitleNebula.png")


if __name__ == "__main__":
    main()
