#!/usr/bin/env python3
"""Draws the program's icon and writes it as one .ico and as hicolor PNGs.

The picture is a steel-blue button with a white bar on a light rounded tile. Each image is a
list of layers (rounded rectangles in palette colours) painted in order; pixels that no layer
covers are transparent. The .ico holds three images in this order: 32 x 32 in 2 colours,
32 x 32 in 16 colours and 16 x 16 in 16 colours, each with its AND mask. The PNGs (16 and 32)
are the 16-colour images with the mask as alpha.

Usage: make_icon.py [--check] [OUTPUT_DIR]
  Writes skinbench.ico, skinbench-16.png and skinbench-32.png into OUTPUT_DIR (app/icon of the
  repository by default). With --check, writes nothing and exits 1 when the files there differ
  from what this script draws.
"""

import struct
import sys
import zlib
from pathlib import Path

# The 16-colour palette: the program's own colours first, then common ones to fill it up.
PALETTE_16 = [
    (0, 0, 0),  # 0 black: the colour bits of transparent pixels
    (70, 130, 180),  # 1 steel blue: the button's face
    (35, 75, 110),  # 2 dark steel: the button's rim
    (255, 255, 255),  # 3 white: the bar
    (225, 232, 240),  # 4 light tile
    (130, 175, 215),  # 5 light steel
    (128, 0, 0),
    (0, 128, 0),
    (128, 128, 0),
    (0, 0, 128),
    (128, 0, 128),
    (0, 128, 128),
    (192, 192, 192),
    (128, 128, 128),
    (255, 0, 0),
    (0, 255, 0),
]
PALETTE_2 = [(0, 0, 0), (255, 255, 255)]

TILE, RIM, FACE, BAR = "tile", "rim", "face", "bar"
INDEX_16 = {TILE: 4, RIM: 2, FACE: 1, BAR: 3}
INDEX_2 = {TILE: 1, RIM: 0, FACE: 0, BAR: 1}

# Layers per size: (part, left, top, right, bottom, corner radius), edges inclusive.
LAYERS = {
    32: [
        (TILE, 0, 0, 31, 31, 5),
        (RIM, 3, 8, 28, 23, 4),
        (FACE, 4, 9, 27, 22, 3),
        (BAR, 9, 14, 22, 17, 1),
    ],
    16: [
        (TILE, 0, 0, 15, 15, 3),
        (RIM, 1, 4, 14, 11, 2),
        (FACE, 2, 5, 13, 10, 1),
        (BAR, 4, 7, 11, 8, 0),
    ],
}

# The images of the .ico, in the file's order: (size, bits per pixel).
ICO_IMAGES = [(32, 1), (32, 4), (16, 4)]

TRANSPARENT = None


def inside_rounded(x, y, left, top, right, bottom, radius):
    """Whether the centre of pixel (x, y) lies in the rounded rectangle."""
    cx, cy = x + 0.5, y + 0.5
    x0, y0, x1, y1 = left, top, right + 1, bottom + 1
    if not (x0 <= cx <= x1 and y0 <= cy <= y1):
        return False
    nearest_x = min(max(cx, x0 + radius), x1 - radius)
    nearest_y = min(max(cy, y0 + radius), y1 - radius)
    return (cx - nearest_x) ** 2 + (cy - nearest_y) ** 2 <= radius**2


def draw(size, index_of):
    """Returns rows of palette indices (top row first), TRANSPARENT where no layer paints."""
    rows = [[TRANSPARENT] * size for _ in range(size)]
    for part, *shape in LAYERS[size]:
        for y in range(size):
            for x in range(size):
                if inside_rounded(x, y, *shape):
                    rows[y][x] = index_of[part]
    return rows


def pack_row(values, bits):
    """Packs one row of small integers, most significant bits first, padded to 4 bytes."""
    per_byte = 8 // bits
    data = bytearray()
    for start in range(0, len(values), per_byte):
        byte = 0
        for offset, value in enumerate(values[start : start + per_byte]):
            byte |= value << (8 - bits * (offset + 1))
        data.append(byte)
    while len(data) % 4:
        data.append(0)
    return bytes(data)


def ico_image(size, bits):
    """One image of the .ico: BITMAPINFOHEADER, palette, colour bits and AND mask (bottom up)."""
    palette, index_of = (PALETTE_2, INDEX_2) if bits == 1 else (PALETTE_16, INDEX_16)
    rows = draw(size, index_of)
    colours = b"".join(pack_row([0 if v is TRANSPARENT else v for v in r], bits) for r in rows[::-1])
    mask = b"".join(pack_row([1 if v is TRANSPARENT else 0 for v in r], 1) for r in rows[::-1])
    header = struct.pack(
        "<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0, len(colours) + len(mask), 0, 0, 0, 0
    )
    quads = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + quads + colours + mask


def ico_file():
    images = [ico_image(size, bits) for size, bits in ICO_IMAGES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    for (size, bits), image in zip(ICO_IMAGES, images):
        colour_count = 1 << bits
        directory += struct.pack("<BBBBHHII", size, size, colour_count, 0, 1, bits, len(image), offset)
        offset += len(image)
    return directory + b"".join(images)


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png_file(size):
    """The 16-colour image of this size as an 8-bit RGBA PNG."""
    rows = draw(size, INDEX_16)
    raw = bytearray()
    for row in rows:
        raw.append(0)  # filter type: none
        for value in row:
            raw += bytes((0, 0, 0, 0)) if value is TRANSPARENT else bytes(PALETTE_16[value] + (255,))
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (
        b"\x89PNG\r\n\x1a\n"
        + png_chunk(b"IHDR", header)
        + png_chunk(b"IDAT", zlib.compress(bytes(raw), 9))
        + png_chunk(b"IEND", b"")
    )


def outputs():
    return {
        "skinbench.ico": ico_file(),
        "skinbench-16.png": png_file(16),
        "skinbench-32.png": png_file(32),
    }


def main(arguments):
    check = "--check" in arguments
    folders = [a for a in arguments if a != "--check"]
    folder = Path(folders[0]) if folders else Path(__file__).resolve().parent.parent / "app" / "icon"
    stale = []
    for name, data in outputs().items():
        path = folder / name
        if check:
            if not path.is_file() or path.read_bytes() != data:
                stale.append(str(path))
        else:
            folder.mkdir(parents=True, exist_ok=True)
            path.write_bytes(data)
    for path in stale:
        print(f"out of date: {path} (run scripts/make_icon.py and commit the result)")
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
