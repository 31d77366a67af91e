#!/usr/bin/python3
"""Writes the tiny images the render and animation tests draw. Run from this directory."""
from PIL import Image

RED, GREEN, BLUE, WHITE = (255, 0, 0, 255), (0, 255, 0, 255), (0, 0, 255, 255), (255, 255, 255, 255)


def paint(name, width, height, colour_at):
    image = Image.new("RGBA", (width, height))
    for y in range(height):
        for x in range(width):
            image.putpixel((x, y), colour_at(x, y))
    image.save(name)


for name, colour in (("Red", RED), ("Green", GREEN), ("Blue", BLUE), ("Yellow", (255, 255, 0, 255))):
    Image.new("RGBA", (8, 8), colour).save(name + "8.png")
# Left half red, right half green, so whole tiles can be told from cut ones.
paint("HalfTile16.png", 16, 16, lambda x, y: RED if x < 8 else GREEN)
# Band 0 is the bottom one (red), then green, blue, white on top.
paint("Strip4.png", 16, 64, lambda x, y: (WHITE, BLUE, GREEN, RED)[y // 16])
paint("Quarters64x16.png", 64, 16, lambda x, y: (RED, GREEN, BLUE, WHITE)[x // 16])
# The showcase: a navy checker tile (top-left and bottom-right quarters darker) and four lights,
# band 0 (bottom) magenta, then cyan, orange, and an unused grey band (sides must be powers of two).
DARK, LIGHT = (16, 24, 72, 255), (32, 48, 112, 255)
paint("NavyChecker16.png", 16, 16, lambda x, y: DARK if (x < 8) == (y < 8) else LIGHT)
LIGHTS = ((64, 64, 64, 255), (255, 140, 0, 255), (0, 255, 255, 255), (255, 0, 255, 255))
paint("Lights4.png", 16, 64, lambda x, y: LIGHTS[y // 16])
