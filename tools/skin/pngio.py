"""Minimal PNG writer and reader (8-bit RGB / RGBA, non-interlaced).

Standard library only: zlib for the compressed stream, struct for the chunk
framing. The reader accepts every filter type so it can also read files that
were re-saved by other tools, but only the two colour types the skin uses.
"""

import struct
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"
COLOUR_RGB = 2
COLOUR_RGBA = 6
CHANNELS = {COLOUR_RGB: 3, COLOUR_RGBA: 4}


def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def encode_png(width, height, pixels, colour_type=COLOUR_RGBA):
    """pixels: list of rows, each a list of (r, g, b, a) tuples.

    For colour type 2 the alpha channel is dropped (every pixel must then be
    opaque; the caller decides). Rows are written with filter 0, which keeps
    the output byte-for-byte reproducible."""
    if colour_type not in CHANNELS:
        raise ValueError("unsupported colour type %r" % colour_type)
    if len(pixels) != height or any(len(row) != width for row in pixels):
        raise ValueError("pixel array does not match %dx%d" % (width, height))
    n = CHANNELS[colour_type]
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for px in row:
            for v in px[:n]:
                if not 0 <= v <= 255:
                    raise ValueError("sample out of range: %r" % (px,))
                raw.append(v)
    ihdr = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    return (SIGNATURE + _chunk(b"IHDR", ihdr)
            + _chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + _chunk(b"IEND", b""))


def write_png(path, width, height, pixels, colour_type=COLOUR_RGBA):
    data = encode_png(width, height, pixels, colour_type)
    with open(path, "wb") as f:
        f.write(data)


class PngError(Exception):
    pass


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    if pb <= pc:
        return b
    return c


def decode_png(data):
    """Returns (width, height, colour_type, rows) with rows of (r, g, b, a)
    tuples; RGB files get alpha 255."""
    if data[:8] != SIGNATURE:
        raise PngError("not a PNG signature")
    pos = 8
    ihdr = None
    idat = bytearray()
    seen_end = False
    while pos < len(data):
        if pos + 8 > len(data):
            raise PngError("truncated chunk header")
        (length,) = struct.unpack(">I", data[pos:pos + 4])
        kind = data[pos + 4:pos + 8]
        body = data[pos + 8:pos + 8 + length]
        if len(body) != length or pos + 12 + length > len(data):
            raise PngError("truncated chunk %r" % kind)
        (crc,) = struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])
        if zlib.crc32(kind + body) & 0xFFFFFFFF != crc:
            raise PngError("bad CRC in chunk %r" % kind)
        pos += 12 + length
        if kind == b"IHDR":
            ihdr = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            seen_end = True
            break
    if ihdr is None or not seen_end:
        raise PngError("missing IHDR or IEND")
    width, height, depth, colour_type, comp, filt, interlace = ihdr
    if depth != 8 or colour_type not in CHANNELS or comp or filt or interlace:
        raise PngError("unsupported format: depth %d, colour type %d, interlace %d"
                       % (depth, colour_type, interlace))
    n = CHANNELS[colour_type]
    raw = zlib.decompress(bytes(idat))
    stride = width * n
    if len(raw) != height * (stride + 1):
        raise PngError("image data has the wrong length")
    rows = []
    prev = bytearray(stride)
    for y in range(height):
        ftype = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - n] if i >= n else 0
            b = prev[i]
            c = prev[i - n] if i >= n else 0
            if ftype == 0:
                pass
            elif ftype == 1:
                line[i] = (line[i] + a) & 0xFF
            elif ftype == 2:
                line[i] = (line[i] + b) & 0xFF
            elif ftype == 3:
                line[i] = (line[i] + ((a + b) >> 1)) & 0xFF
            elif ftype == 4:
                line[i] = (line[i] + _paeth(a, b, c)) & 0xFF
            else:
                raise PngError("unknown filter type %d in row %d" % (ftype, y))
        if n == 4:
            rows.append([tuple(line[x * 4:x * 4 + 4]) for x in range(width)])
        else:
            rows.append([tuple(line[x * 3:x * 3 + 3]) + (255,) for x in range(width)])
        prev = line
    return width, height, colour_type, rows


def read_png(path):
    with open(path, "rb") as f:
        return decode_png(f.read())
