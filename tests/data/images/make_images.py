#!/usr/bin/python3
"""Writes the tiny images the texture tests load. Run from this directory."""
from PIL import Image

# Quadrants tell the orientation apart: top-left red, top-right green, bottom-left blue, bottom-right white.
image = Image.new("RGBA", (64, 32))
for y in range(32):
    for x in range(64):
        image.putpixel((x, y), ((255, 0, 0, 255), (0, 255, 0, 255), (0, 0, 255, 255), (255, 255, 255, 255))[(y >= 16) * 2 + (x >= 32)])
image.save("Quadrants64x32.png")
Image.new("RGB", (64, 64), (200, 100, 50)).save("Rgb24Bit64x64.png")
Image.new("RGBA", (100, 100), (10, 20, 30, 255)).save("Rgba100x100.png")
