#!/usr/bin/env python3
"""Builds a .ico file from a text picture.

The picture file holds a palette and one or more images:

    palette
    .  transparent
    k  #202020
    image 16
    ....kk....   (one character per pixel, one line per row)

Lines starting with '#' and blank lines are ignored outside the grids.
Every image becomes a 16-colour (4 bits per pixel) bitmap with an AND mask;
pixels of the transparent character are masked out. Colour 0 is black and
holds the transparent pixels: the screen shows (background AND mask) XOR
colour, so anything but black there would tint the background.

Usage: make-icon.py PICTURE.txt OUTPUT.ico
"""

import struct
import sys

MAX_COLOURS = 16
BLACK = (0, 0, 0)
TRANSPARENT_INDEX = 0  # black


class PictureError(Exception):
    pass


def parse(text):
    palette = {}          # character -> colour index, or None for transparent
    colours = [BLACK]     # index -> (r, g, b)
    images = []           # (size, [rows])
    section = None
    for number, raw in enumerate(text.splitlines(), start=1):
        line = raw.rstrip()
        where = f"line {number}"
        if section == "image" and images and len(images[-1][1]) < images[-1][0]:
            size, rows = images[-1]
            if len(line) != size:
                raise PictureError(f"{where}: row of {len(line)} pixels in a {size} x {size} image")
            for ch in line:
                if ch not in palette:
                    raise PictureError(f"{where}: '{ch}' is not in the palette")
            rows.append(line)
            continue
        if not line or line.lstrip().startswith("#"):
            continue
        words = line.split()
        if words[0] == "palette":
            section = "palette"
        elif words[0] == "image":
            if len(words) != 2 or not words[1].isdigit() or not 1 <= int(words[1]) <= 256:
                raise PictureError(f"{where}: expected 'image SIZE' with SIZE from 1 to 256")
            section = "image"
            images.append((int(words[1]), []))
        elif section == "palette":
            ch, value = line[0], line[1:].split()
            if not value:
                raise PictureError(f"{where}: colour missing for '{ch}'")
            if ch in palette:
                raise PictureError(f"{where}: '{ch}' is defined twice")
            if value[0] == "transparent":
                palette[ch] = None
            else:
                colour = parse_colour(value[0], where)
                if colour not in colours:
                    colours.append(colour)
                if len(colours) > MAX_COLOURS:
                    raise PictureError(f"{where}: more than {MAX_COLOURS} colours with black")
                palette[ch] = colours.index(colour)
        else:
            raise PictureError(f"{where}: expected 'palette' or 'image SIZE'")
    for size, rows in images:
        if len(rows) != size:
            raise PictureError(f"image {size}: {len(rows)} rows instead of {size}")
    if not images:
        raise PictureError("no image")
    return palette, colours, images


def parse_colour(value, where):
    if len(value) != 7 or value[0] != "#":
        raise PictureError(f"{where}: colour '{value}' is not #RRGGBB")
    try:
        return tuple(int(value[i:i + 2], 16) for i in (1, 3, 5))
    except ValueError:
        raise PictureError(f"{where}: colour '{value}' is not #RRGGBB") from None


def padded(row_bytes):
    """Bitmap rows are padded to a multiple of four bytes."""
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def image_data(size, rows, palette, colours):
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 4, 0, 0, 0, 0, MAX_COLOURS, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in colours)
    table += b"\0\0\0\0" * (MAX_COLOURS - len(colours))
    xor = b""
    mask = b""
    for row in reversed(rows):  # bitmaps are stored bottom-up
        indices = [palette[ch] if palette[ch] is not None else TRANSPARENT_INDEX for ch in row]
        indices += [0] * (size % 2)
        xor += padded(bytes((indices[i] << 4) | indices[i + 1] for i in range(0, len(indices), 2)))
        bits = [1 if palette[ch] is None else 0 for ch in row]
        bits += [0] * (-len(bits) % 8)
        mask += padded(bytes(int("".join(map(str, bits[i:i + 8])), 2) for i in range(0, len(bits), 8)))
    return header + table + xor + mask


def build_ico(palette, colours, images):
    blobs = [image_data(size, rows, palette, colours) for size, rows in images]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for (size, _), blob in zip(images, blobs):
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, MAX_COLOURS, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    return directory + entries + b"".join(blobs)


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    source, target = argv[1], argv[2]
    try:
        with open(source, encoding="utf-8") as f:
            ico = build_ico(*parse(f.read()))
    except PictureError as e:
        print(f"{source}: {e}", file=sys.stderr)
        return 1
    with open(target, "wb") as f:
        f.write(ico)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
