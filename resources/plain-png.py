#!/usr/bin/env python3
# Rewrites a PNG with no ancillary chunks and no row filters: the same pixels, decoded fastest.
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

src, dst = sys.argv[1], sys.argv[2]
data = open(src, 'rb').read()
parts = list(chunks(data))
ihdr = next(b for k, b in parts if k == b'IHDR')
w, h, depth, colour, _, _, interlace = struct.unpack('>IIBBBBB', ihdr)
assert depth == 8 and interlace == 0 and colour in (2, 6)
bpp = 4 if colour == 6 else 3
raw = zlib.decompress(b''.join(b for k, b in parts if k == b'IDAT'))
rows = unfilter(raw, h, w * bpp, bpp)
idat = zlib.compress(b''.join(b'\0' + r for r in rows), 9)
open(dst, 'wb').write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', ihdr) + chunk(b'IDAT', idat) + chunk(b'IEND', b''))
