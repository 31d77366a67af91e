#!/usr/bin/env python3
"""Draws the status bars of the level HUD (32-bit RGBA, power-of-two sides):

- data/images/HudBars.png (256x128): eight 256x16 bands, band 0 at the bottom:
  0 the empty frame both bars sit in, 1-3 the health fill in green, yellow and red,
  4 the shield fill in cyan, 5-7 empty.

- data/images/BossBar.png (512x64): four 512x16 bands, band 0 at the bottom: 0 the boss bar's
  frame (a darker track with a red-gold rim), 1-3 its fill: deep red while the boss is above
  half, orange down to a quarter, white-hot below.

Every fill keeps a 4-pixel margin at each end, inside the frame's rim, so a bar drawn with
minPos 4/width and maxPos (width - 4)/width fills exactly the frame's inside.
Deterministic. Drawn at four times the size and scaled down.
Run from the project root: /usr/bin/python3 tools/art/hud_bars.py
"""
from PIL import Image, ImageDraw, ImageFilter

SCALE = 4
WIDTH, BAND, BANDS = 256, 16, 8
MARGIN = 4


def canvas(width=WIDTH):
    return Image.new("RGBA", (width * SCALE, BAND * SCALE), (0, 0, 0, 0))


def frame(width=WIDTH, rim=(150, 190, 230), track=(8, 14, 30), ticks=(90, 120, 160)):
    img = canvas(width)
    d = ImageDraw.Draw(img)
    w, h = width * SCALE, BAND * SCALE
    # A dark, translucent track with a light rim, so the bar reads over stars and nebula alike.
    d.rounded_rectangle([SCALE, SCALE, w - SCALE, h - SCALE], radius=6 * SCALE,
                        fill=track + (190,), outline=rim + (255,), width=SCALE + 2)
    # Tick marks at the quarters help reading the level at a glance.
    for quarter in (1, 2, 3):
        x = MARGIN * SCALE + (w - 2 * MARGIN * SCALE) * quarter / 4
        d.line([x, 4 * SCALE, x, h - 4 * SCALE], fill=ticks + (200,), width=SCALE)
    return img.resize((width, BAND), Image.LANCZOS)


def fill(dark, light, width=WIDTH):
    img = canvas(width)
    d = ImageDraw.Draw(img)
    w, h = width * SCALE, BAND * SCALE
    top, bottom = 4 * SCALE, h - 4 * SCALE
    # A vertical gradient: bright along the top edge, darker below, like a lit glass tube.
    for y in range(top, bottom):
        t = (y - top) / (bottom - top)
        shade = 1.0 - 0.55 * t
        colour = tuple(int(dark[i] + (light[i] - dark[i]) * shade) for i in range(3)) + (255,)
        d.line([MARGIN * SCALE, y, w - MARGIN * SCALE, y], fill=colour)
    glow = img.filter(ImageFilter.GaussianBlur(SCALE))
    glow.alpha_composite(img)
    return glow.resize((width, BAND), Image.LANCZOS)


def boss_bar(path="data/images/BossBar.png"):
    width = 512
    bands = [
        frame(width, rim=(235, 170, 70), track=(26, 6, 10), ticks=(150, 70, 50)),
        fill((110, 10, 20), (255, 70, 60), width),
        fill((150, 70, 10), (255, 170, 60), width),
        fill((200, 150, 90), (255, 250, 220), width),
    ]
    strip = Image.new("RGBA", (width, BAND * len(bands)), (0, 0, 0, 0))
    for index, band in enumerate(bands):
        strip.paste(band, (0, BAND * (len(bands) - 1 - index)))
    strip.save(path)


def main(path="data/images/HudBars.png"):
    bands = [
        frame(),
        fill((20, 110, 40), (120, 255, 120)),
        fill((130, 100, 10), (255, 230, 80)),
        fill((120, 20, 20), (255, 90, 70)),
        fill((10, 80, 130), (110, 220, 255)),
    ]
    strip = Image.new("RGBA", (WIDTH, BAND * BANDS), (0, 0, 0, 0))
    for index, band in enumerate(bands):
        strip.paste(band, (0, BAND * (BANDS - 1 - index)))
    strip.save(path)
    boss_bar()


if __name__ == "__main__":
    main()
