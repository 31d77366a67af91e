"""The house style shared by the picture generators in tools/art/.

Bodies are drawn flat on a canvas four times the final size, then `body` gives them the light
from the upper left (a diagonal shade and a bevel along the rim) and `outline` a dark rim;
energy gets `glow` instead. `strip` stacks frames with band 0 at the bottom, as the strip
sequences read them. `tile_noise` and `wrap_blur` make seamless backdrop tiles.
Only Pillow (Debian's python3-pil) is needed; every random choice comes from a fixed seed.
"""
import math
import random

from PIL import Image, ImageChops, ImageDraw, ImageEnhance, ImageFilter

SCALE = 4
OUTLINE = (10, 12, 22)


def canvas(width, height=None):
    """A transparent drawing surface for a picture of width x height final pixels."""
    return Image.new("RGBA", (width * SCALE, (height or width) * SCALE), (0, 0, 0, 0))


def shrink(img, width, height=None):
    return img.resize((width, height or width), Image.LANCZOS)


def rgba(colour, alpha=255):
    return tuple(colour[:3]) + (alpha,)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def scaled(colour, factor):
    return tuple(max(0, min(255, int(c * factor))) for c in colour[:3])


def _diagonal(size, low, high):
    # 'L' mask from `low` at the upper left to `high` at the lower right.
    grad = Image.linear_gradient("L").rotate(45, resample=Image.BICUBIC, expand=True)
    w, h = grad.size
    grad = grad.crop((w // 4, h // 4, w - w // 4, h - h // 4)).resize(size, Image.BILINEAR)
    return grad.point(lambda v: int(low + (high - low) * v / 255))


def body(layer, bevel=2.0, contrast=0.35):
    """Lights a flat-coloured layer from the upper left: a diagonal shade over the whole shape
    and a light rim on the edges that face the light, a dark one on those that face away.
    A negative bevel turns the rims round: a sunken panel."""
    alpha = layer.split()[3]
    lighter = ImageEnhance.Brightness(layer).enhance(1.0 + contrast * 0.5)
    darker = ImageEnhance.Brightness(layer).enhance(1.0 - contrast)
    shaded = Image.composite(darker, lighter, _diagonal(layer.size, 0, 255))
    d = int(bevel * SCALE) or 1
    lit = ImageChops.subtract(alpha, ImageChops.offset(alpha, d, d))
    shadow = ImageChops.subtract(alpha, ImageChops.offset(alpha, -d, -d))
    lit = lit.filter(ImageFilter.GaussianBlur(abs(d) * 0.5)).point(lambda v: int(v * 0.55))
    shadow = shadow.filter(ImageFilter.GaussianBlur(abs(d) * 0.5)).point(lambda v: int(v * 0.45))
    white = Image.new("RGBA", layer.size, (255, 255, 255, 255))
    black = Image.new("RGBA", layer.size, (0, 0, 0, 255))
    shaded = Image.composite(white, shaded, lit)
    shaded = Image.composite(black, shaded, shadow)
    shaded.putalpha(alpha)
    return shaded


def outline(img, width=1.0, colour=OUTLINE):
    """A dark rim `width` final pixels wide around everything opaque."""
    alpha = img.split()[3]
    size = 2 * max(1, int(width * SCALE)) + 1
    rim = Image.new("RGBA", img.size, rgba(colour))
    rim.putalpha(alpha.point(lambda v: 255 if v > 40 else 0).filter(ImageFilter.MaxFilter(size)))
    rim.alpha_composite(img)
    return rim


def glow(img, radius, strength=1.0):
    """A soft halo in the picture's own colours under it (radius in final pixels)."""
    halo = img.filter(ImageFilter.GaussianBlur(radius * SCALE))
    if strength != 1.0:
        a = halo.split()[3].point(lambda v: min(255, int(v * strength)))
        halo.putalpha(a)
    halo.alpha_composite(img)
    return halo


def fade(img, factor):
    """Multiplies the alpha by factor (0..1)."""
    out = img.copy()
    out.putalpha(img.split()[3].point(lambda v: int(v * factor)))
    return out


def disc(draw, cx, cy, r, fill=None, outline=None, width=1):
    draw.ellipse([cx - r, cy - r, cx + r, cy + r], fill=fill, outline=outline, width=width)


def polar(cx, cy, r, angle):
    return (cx + r * math.cos(angle), cy + r * math.sin(angle))


def rotate(img, degrees):
    """Turns anticlockwise on screen about the centre, keeping the size."""
    return img.rotate(degrees, resample=Image.BICUBIC)


def strip(frames, cell_w, cell_h=None, bands=None):
    """Stacks frames into one picture, band 0 at the bottom."""
    cell_h = cell_h or cell_w
    bands = bands or len(frames)
    img = Image.new("RGBA", (cell_w, cell_h * bands), (0, 0, 0, 0))
    for index, frame in enumerate(frames):
        img.paste(frame, (0, cell_h * (bands - 1 - index)))
    return img


def wrap_blur(img, radius):
    """A Gaussian blur that wraps round the edges, so a tile stays seamless."""
    w, h = img.size
    big = Image.new(img.mode, (3 * w, 3 * h))
    for i in range(3):
        for j in range(3):
            big.paste(img, (i * w, j * h))
    return big.filter(ImageFilter.GaussianBlur(radius)).crop((w, h, 2 * w, 2 * h))


def tile_noise(size, seed, octaves=((4, 1.0), (8, 0.5), (16, 0.25), (32, 0.125))):
    """Smooth value noise ('L', 0..255) that repeats every `size` pixels both ways: each octave
    is a random grid of `cells` values (a number, or (across, down) for streaks), tiled and
    enlarged with a bicubic filter."""
    rng = random.Random(seed)
    acc = [0.0] * (size * size)
    for cells, weight in octaves:
        cx, cy = cells if isinstance(cells, tuple) else (cells, cells)
        grid = Image.new("L", (cx, cy))
        grid.putdata([rng.randint(0, 255) for _ in range(cx * cy)])
        tiled = Image.new("L", (3 * cx, 3 * cy))
        for i in range(3):
            for j in range(3):
                tiled.paste(grid, (i * cx, j * cy))
        big = tiled.resize((3 * size, 3 * size), Image.BICUBIC).crop((size, size, 2 * size, 2 * size))
        for k, v in enumerate(big.getdata()):
            acc[k] += v * weight
    out = Image.new("L", (size, size))
    lo, hi = min(acc), max(acc)
    out.putdata([int(255 * (v - lo) / (hi - lo)) for v in acc])
    return out


def stars(img, count, seed, tints=((1.0, 1.0, 1.0), (0.8, 0.9, 1.0), (1.0, 0.9, 0.75)),
          big=0.06, glint=0.01):
    """Scatters stars over a backdrop tile, each drawn at every wrapped position so the tile
    stays seamless. A few big ones get a glow and a cross glint."""
    rng = random.Random(seed)
    size = img.size[0]
    layer = Image.new("RGBA", img.size, (0, 0, 0, 0))
    d = ImageDraw.Draw(layer)
    flares = []
    for _ in range(count):
        x, y = rng.uniform(0, size), rng.uniform(0, size)
        level = rng.randint(70, 255)
        tint = rng.choice(tints)
        colour = tuple(min(255, int(level * t)) for t in tint) + (255,)
        roll = rng.random()
        radius = 1.3 if roll < big else (0.6 if roll < 0.45 else 0.45)
        if roll < glint:
            flares.append((x, y, colour))
        for ox in (-size, 0, size):
            for oy in (-size, 0, size):
                disc(d, x + ox, y + oy, radius, fill=colour)
    for x, y, colour in flares:
        for ox in (-size, 0, size):
            for oy in (-size, 0, size):
                cx, cy = x + ox, y + oy
                d.line([cx - 5, cy, cx + 5, cy], fill=colour[:3] + (120,), width=1)
                d.line([cx, cy - 5, cx, cy + 5], fill=colour[:3] + (120,), width=1)
                disc(d, cx, cy, 1.8, fill=colour)
    halo = wrap_blur(layer, 1.5)
    img.alpha_composite(halo)
    img.alpha_composite(layer)
    return img


def pts(points, unit=SCALE, origin=(0, 0)):
    """Cell-pixel points to canvas points."""
    ox, oy = origin
    return [((x + ox) * unit, (y + oy) * unit) for x, y in points]


def flat(size, shapes):
    """One part: a flat layer of (kind, points or box, colour) shapes on a size x size canvas."""
    layer = canvas(size)
    d = ImageDraw.Draw(layer)
    for kind, geometry, colour in shapes:
        if kind == "poly":
            d.polygon(pts(geometry), fill=rgba(colour))
        elif kind == "disc":
            x, y, r = geometry
            disc(d, x * SCALE, y * SCALE, r * SCALE, fill=rgba(colour))
    return layer


def lit_part(size, shapes, bevel=1.5, contrast=0.35):
    return body(flat(size, shapes), bevel, contrast)


def light(size, x, y, radius, colour, core=(255, 255, 255), halo=2.0, strength=1.0):
    """A glowing lamp: a white-hot middle in `colour` with a halo; no outline."""
    layer = canvas(size)
    d = ImageDraw.Draw(layer)
    disc(d, x * SCALE, y * SCALE, radius * SCALE, fill=rgba(colour))
    disc(d, x * SCALE, y * SCALE, radius * 0.5 * SCALE, fill=rgba(mix(colour, core, 0.7)))
    return glow(layer, halo, strength)


def flat_disc(size, x, y, radius, colour):
    """A layer of the canvas size `size` with one disc (cell-pixel centre and radius)."""
    layer = Image.new("RGBA", size, (0, 0, 0, 0))
    disc(ImageDraw.Draw(layer), x * SCALE, y * SCALE, radius * SCALE, fill=rgba(colour))
    return layer
