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
