#!/usr/bin/env python3
# Stores a picture drawn as an 8-bit PNG in one of the two forms the program reads:
#
#   picture-files.py plain in.png out.png   the same PNG with no ancillary chunks and no row
#                                           filters (the windows' icon, read through Qt)
#   picture-files.py raw in.png out.rgba    bare pixels for the practice window's pictures:
#                                           width and height (32-bit little-endian), then
#                                           premultiplied R, G, B, A bytes, row after row
#
# Raw pixels cost the practice window no decoding at all when it opens.
import struct, sys, zlib

def chunks(data):
    i = 8
    while i < len(data):
        n, kind = struct.unpack('>I4s', data[i:i + 8])
        yield kind, data[i + 8:i + 8 + n]
        i += 12 + n

def unfilter(raw, height, stride, bpp):
    rows, prev, i = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[i], bytearray(raw[i + 1:i + 1 + stride]); i += 1 + stride
        for x in range(stride):
            a = line[x - bpp] if x >= bpp else 0
            b = prev[x]
            c = prev[x - bpp] if x >= bpp else 0
            if kind == 1: line[x] = (line[x] + a) & 255
            elif kind == 2: line[x] = (line[x] + b) & 255
            elif kind == 3: line[x] = (line[x] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c; pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[x] = (line[x] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(bytes(line)); prev = line
    return rows

def chunk(kind, body):
    return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))

def read_png(path):
    parts = list(chunks(open(path, 'rb').read()))
    ihdr = next(b for k, b in parts if k == b'IHDR')
    w, h, depth, colour, _, _, interlace = struct.unpack('>IIBBBBB', ihdr)
    assert depth == 8 and interlace == 0 and colour in (2, 6)
    bpp = 4 if colour == 6 else 3
    raw = zlib.decompress(b''.join(b for k, b in parts if k == b'IDAT'))
    return ihdr, w, h, bpp, unfilter(raw, h, w * bpp, bpp)

def write_plain(src, dst):
    ihdr, _, _, _, rows = read_png(src)
    idat = zlib.compress(b''.join(b'\0' + r for r in rows), 9)
    open(dst, 'wb').write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', ihdr) + chunk(b'IDAT', idat) + chunk(b'IEND', b''))

def premultiply(value, alpha):
    # Qt's own rounding of a channel times alpha over 255.
    t = value * alpha + 128
    return (t + (t >> 8)) >> 8

def write_raw(src, dst):
    _, w, h, bpp, rows = read_png(src)
    pixels = bytearray()
    for row in rows:
        for x in range(w):
            r, g, b = row[x * bpp:x * bpp + 3]
            a = row[x * bpp + 3] if bpp == 4 else 255
            pixels += bytes((premultiply(r, a), premultiply(g, a), premultiply(b, a), a))
    open(dst, 'wb').write(struct.pack('<II', w, h) + pixels)

if __name__ == '__main__':
    command, src, dst = sys.argv[1:4]
    {'plain': write_plain, 'raw': write_raw}[command](src, dst)
