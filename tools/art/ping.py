#!/usr/bin/env python3
"""Draws the player's ping strip: data/images/PlayerPing.png (64x512, 32-bit RGBA).

Eight 64x64 bands, band 0 at the bottom of the picture: a sonar ring that widens from the
centre and fades, played once when the ping appears. Drawn at four times the size and scaled
down. Run from the project root: /usr/bin/python3 tools/art/ping.py
"""
from PIL import Image, ImageDraw, ImageFilter

CELL = 64
BANDS = 8
SCALE = 4
S = CELL * SCALE
COLOUR = (90, 220, 255)


def ring(draw, radius, width, alpha):
    c = S / 2
    r = radius * SCALE
    draw.ellipse([c - r, c - r, c + r, c + r], outline=COLOUR + (alpha,), width=int(width * SCALE))


def draw_frame(index):
    progress = index / (BANDS - 1)
    img = Image.new("RGBA", (S, S), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    # The outer ring travels out to the collision radius; an inner echo trails behind it.
    outer = 6 + 22 * progress
    fade = int(255 * (1.0 - 0.75 * progress))
    ring(d, outer, 3.0 - 1.5 * progress, fade)
    if outer > 12:
        ring(d, outer * 0.6, 1.5, fade // 2)
    # A bright centre dot marks where the player clicked until the ring has gone.
    c = S / 2
    dot = (4 - 2 * progress) * SCALE
    d.ellipse([c - dot, c - dot, c + dot, c + dot], fill=(230, 250, 255, fade))

    glow = img.filter(ImageFilter.GaussianBlur(1.5 * SCALE))
    glow.alpha_composite(img)
    return glow.resize((CELL, CELL), Image.LANCZOS)


def main(path="data/images/PlayerPing.png"):
    strip = Image.new("RGBA", (CELL, CELL * BANDS), (0, 0, 0, 0))
    for index in range(BANDS):
        strip.paste(draw_frame(index), (0, CELL * (BANDS - 1 - index)))
    strip.save(path)


if __name__ == "__main__":
    main()
