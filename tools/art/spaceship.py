#!/usr/bin/env python3
"""Draws the window icon: data/images/Spaceship.png (64x64, 32-bit RGBA).

The level ship's hull (tools/art/player_ship.py) pointing up, with glowing nozzles, lit from the
upper left and outlined in the house style (tools/art/style.py). Drawn at four times the size and
scaled down. Run from the project root: /usr/bin/python3 tools/art/spaceship.py
"""
from PIL import Image, ImageDraw

import player_ship
import style

SIZE = 64


def main(path="data/images/Spaceship.png"):
    img = player_ship.draw_ship()
    d = ImageDraw.Draw(img)
    for x in (26, 34):
        player_ship.poly(d, [(x + 1, 57), (x + 3, 57), (x + 3, 60), (x + 1, 60)], (255, 170, 60, 255))
    style.outline(style.body(img, 1.0, 0.25)).resize((SIZE, SIZE), Image.LANCZOS).save(path)


if __name__ == "__main__":
    main()
