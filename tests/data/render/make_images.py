#!/usr/bin/python3
"""Writes the tiny images the render and animation tests draw. Run from this directory."""
from PIL import Image

RED, GREEN, BLUE, WHITE = (255, 0, 0, 255), (0, 255, 0, 255), (0, 0, 255, 255), (255, 255, 255, 255)

for name, colour in (("Red", RED), ("Green", GREEN), ("Blue", BLUE)):
    Image.new("RGBA", (8, 8), colour).save(name + "8.png")

# A tile whose left half is red and right half green, so whole tiles can be told from cut ones.
tile = Image.new("RGBA", (16, 16))
for y in range(16):
    for x in range(16):
        tile.putpixel((x, y), RED if x < 8 else GREEN)
tile.save("HalfTile16.png")

# Four bands stacked vertically; band 0 is the bottom one (red), then green, blue, white on top.
strip = Image.new("RGBA", (16, 64))
for y in range(64):
    for x in range(16):
        strip.putpixel((x, y), (WHITE, BLUE, GREEN, RED)[y // 16])
strip.save("Strip4.png")

# One frame of four vertical quarters: red, green, blue, white from left to right.
quarters = Image.new("RGBA", (64, 16))
for y in range(16):
    for x in range(64):
        quarters.putpixel((x, y), (RED, GREEN, BLUE, WHITE)[x // 16])
quarters.save("Quarters64x16.png")

# The showcase screen: a two-tone navy checker tile (top-left and bottom-right quarters the darker
# one), a yellow sprite, and a strip of four lights; band 0 (bottom) magenta, then cyan, orange,
# and an unused grey band on top (the sides must be powers of two).
DARK, LIGHT = (16, 24, 72, 255), (32, 48, 112, 255)
checker = Image.new("RGBA", (16, 16))
for y in range(16):
    for x in range(16):
        checker.putpixel((x, y), DARK if (x < 8) == (y < 8) else LIGHT)
checker.save("NavyChecker16.png")

Image.new("RGBA", (8, 8), (255, 255, 0, 255)).save("Yellow8.png")

LIGHTS = ((64, 64, 64, 255), (255, 140, 0, 255), (0, 255, 255, 255), (255, 0, 255, 255))
lights = Image.new("RGBA", (16, 64))
for y in range(64):
    for x in range(16):
        lights.putpixel((x, y), LIGHTS[y // 16])
lights.save("Lights4.png")
