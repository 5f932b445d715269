#!/usr/bin/python3
"""Writes the fuzzers' seed corpus: the program's own artwork plus small hand-made edge cases.

corpus/jpeg, corpus/png and corpus/ico each get the artwork of their format and files that are
truncated, empty, declare huge or zero sizes, use a colour type or layout the program refuses, or
point outside themselves. Files named huge-* declare 60000 x 60000 pixels; the smoke run checks that
they are refused without any large allocation. Regression inputs from crashes are kept beside these
under names of their own (crash-*), and this script leaves them alone.

Run with Debian's python3-pil: /usr/bin/python3 fuzz/make_corpus.py. The output is the same on every
run, so the committed files can be rebuilt and compared.
"""

import io
import pathlib
import struct
import zlib

from PIL import Image

HERE = pathlib.Path(__file__).resolve().parent
ASSETS = HERE.parent / "assets"
HUGE = 60000


def write(target, name, data):
    folder = HERE / "corpus" / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


def gradient(mode, size):
    image = Image.new("RGB", size)
    image.putdata([(x * 16 % 256, y * 16 % 256, (x + y) * 8 % 256)
                   for y in range(size[1]) for x in range(size[0])])
    return image.convert(mode)


def jpeg_of(image, **options):
    out = io.BytesIO()
    image.save(out, "JPEG", quality=90, **options)
    return out.getvalue()


def jpeg_frame_fields(jpeg):
    """Where the first frame header's precision byte is, for any of the start-of-frame markers."""
    at = 2
    while at + 4 <= len(jpeg):
        marker = jpeg[at + 1]
        length = struct.unpack(">H", jpeg[at + 2:at + 4])[0]
        if marker in (0xC0, 0xC1, 0xC2):
            return at + 4
        at += 2 + length
    raise ValueError("no frame header")


def jpeg_with_size(jpeg, width, height):
    fields = jpeg_frame_fields(jpeg)
    return jpeg[:fields + 1] + struct.pack(">HH", height, width) + jpeg[fields + 5:]


def jpeg_corpus():
    background = (ASSETS / "background.jpg").read_bytes()
    small = jpeg_of(gradient("RGB", (17, 9)))
    write("jpeg", "artwork-background.jpg", background)
    write("jpeg", "empty.jpg", b"")
    write("jpeg", "start-marker-only.jpg", b"\xff\xd8\xff")
    write("jpeg", "truncated-in-header.jpg", background[:jpeg_frame_fields(background) + 4])
    write("jpeg", "truncated-half.jpg", background[:len(background) // 2])
    write("jpeg", "no-end-marker.jpg", small[:-2])
    write("jpeg", "huge-60000x60000.jpg", jpeg_with_size(small, HUGE, HUGE))
    write("jpeg", "largest-side-4096-no-data.jpg", jpeg_with_size(small, 4096, 4096)[:400])
    write("jpeg", "zero-height.jpg", jpeg_with_size(small, 17, 0))
    write("jpeg", "rgb-17x9-420.jpg", small)
    write("jpeg", "rgb-17x9-444.jpg", jpeg_of(gradient("RGB", (17, 9)), subsampling=0))
    write("jpeg", "grey-17x9.jpg", jpeg_of(gradient("L", (17, 9))))
    write("jpeg", "cmyk-17x9.jpg", jpeg_of(gradient("CMYK", (17, 9))))
    write("jpeg", "progressive-17x9.jpg", jpeg_of(gradient("RGB", (17, 9)), progressive=True))
    write("jpeg", "progressive-huge-60000x60000.jpg",
          jpeg_with_size(jpeg_of(gradient("RGB", (17, 9)), progressive=True), HUGE, HUGE))


def png_chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def png_of(width, height, bit_depth, colour_type, raw, interlace=0):
    header = struct.pack(">IIBBBBB", width, height, bit_depth, colour_type, 0, 0, interlace)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) +
            png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def rgba_pixel(x, y):
    return bytes((x * 40 % 256, y * 40 % 256, 200, 255 if (x + y) % 3 else 128))


def rgba_rows(width, height):
    return b"".join(b"\0" + b"".join(rgba_pixel(x, y) for x in range(width)) for y in range(height))


ADAM7 = ((0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2))


def rgba_interlaced(width, height):
    raw = b""
    for x0, y0, dx, dy in ADAM7:
        columns = range(x0, width, dx)
        if not columns:
            continue
        for y in range(y0, height, dy):
            raw += b"\0" + b"".join(rgba_pixel(x, y) for x in columns)
    return raw


def png_corpus():
    button = (ASSETS / "button.png").read_bytes()
    tiny = png_of(5, 3, 8, 6, rgba_rows(5, 3))
    write("png", "artwork-button.png", button)
    write("png", "empty.png", b"")
    write("png", "signature-only.png", button[:8])
    write("png", "truncated-in-header.png", button[:20])
    write("png", "truncated-half.png", button[:len(button) // 2])
    write("png", "no-end-chunk.png", tiny[:-12])
    write("png", "rgba-5x3.png", tiny)
    write("png", "rgba-9x9-interlaced.png", png_of(9, 9, 8, 6, rgba_interlaced(9, 9), interlace=1))
    write("png", "huge-60000x60000.png", png_of(HUGE, HUGE, 8, 6, rgba_rows(4, 4)))
    write("png", "largest-side-4096-short-data.png", png_of(4096, 4096, 8, 6, rgba_rows(4, 4)))
    write("png", "zero-width.png", png_of(0, 3, 8, 6, b""))
    write("png", "colour-type-rgb.png", png_of(2, 2, 8, 2, b"\0" + b"\x40" * 6 + b"\0" + b"\x40" * 6))
    write("png", "colour-type-palette.png",
          button[:8] + png_chunk(b"IHDR", struct.pack(">IIBBBBB", 2, 2, 8, 3, 0, 0, 0)) +
          png_chunk(b"PLTE", b"\xff\0\0\0\xff\0") + png_chunk(b"IDAT", zlib.compress(b"\0\0\1\0\1\0")) +
          png_chunk(b"IEND", b""))
    write("png", "colour-type-grey-alpha.png", png_of(2, 2, 8, 4, b"\0" + b"\x40" * 4 + b"\0" + b"\x40" * 4))
    write("png", "rgba-16-bit.png", png_of(2, 2, 16, 6, b"\0" + b"\x40" * 16 + b"\0" + b"\x40" * 16))
    write("png", "bad-header-checksum.png", tiny[:29] + bytes([tiny[29] ^ 0xFF]) + tiny[30:])
    write("png", "broken-deflate.png",
          tiny[:33] + png_chunk(b"IDAT", b"\x78\x9c\xff\xff\xff\xff") + png_chunk(b"IEND", b""))
    write("png", "fewer-rows-than-declared.png", png_of(5, 30, 8, 6, rgba_rows(5, 3)))


def ico_of(bitmap, width=32, height=32, bit_count=32, count=1, offset=22, size=None):
    directory = struct.pack("<HHH", 0, 1, count)
    entry = struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, bit_count,
                        len(bitmap) if size is None else size, offset)
    return directory + entry + bitmap


def icon_bitmap(side=32, bits=32, alpha=True, mask=True, header_width=None, header_height=None):
    header = struct.pack("<IiiHHIIiiII", 40, side if header_width is None else header_width,
                         2 * side if header_height is None else header_height, 1, bits, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((x * 8, y * 8, 128, (255 if alpha else 0)))
                      for y in range(side) for x in range(side))
    mask_rows = b"".join(struct.pack(">I", 0xF000000F if y in (0, side - 1) else 0) for y in range(side))
    return header + pixels + (mask_rows if mask else b"")


def ico_corpus():
    ico = (ASSETS / "quorvane.ico").read_bytes()
    write("ico", "artwork-quorvane.ico", ico)
    write("ico", "empty.ico", b"")
    write("ico", "directory-only.ico", ico[:6])
    write("ico", "truncated-in-entry.ico", ico[:14])
    write("ico", "truncated-half.ico", ico[:len(ico) // 2])
    write("ico", "no-images.ico", struct.pack("<HHH", 0, 1, 0))
    write("ico", "directory-longer-than-file.ico", ico_of(icon_bitmap(), count=0xFFFF))
    write("ico", "directory-points-past-end.ico", ico_of(icon_bitmap(), offset=len(ico) + 100))
    write("ico", "entry-size-past-end.ico", ico_of(icon_bitmap(), size=len(icon_bitmap()) + 1))
    write("ico", "entry-offset-wraps.ico", ico_of(icon_bitmap(), offset=0xFFFFFFF0))
    write("ico", "huge-60000x60000.ico", ico_of(icon_bitmap(header_width=HUGE, header_height=2 * HUGE)))
    write("ico", "icon-32-no-alpha-with-mask.ico", ico_of(icon_bitmap(alpha=False)))
    write("ico", "icon-32-without-mask.ico", ico_of(icon_bitmap(mask=False)))
    write("ico", "icon-16.ico", ico_of(icon_bitmap(side=16), width=16, height=16))
    write("ico", "icon-24-bpp.ico", ico_of(icon_bitmap(bits=24), bit_count=24))
    write("ico", "icon-top-down.ico", ico_of(icon_bitmap(header_height=-64)))
    png_inside = png_of(32, 32, 8, 6, rgba_rows(32, 32))
    write("ico", "png-inside.ico", ico_of(png_inside))
    two = icon_bitmap()
    write("ico", "two-entries.ico",
          struct.pack("<HHH", 0, 1, 2) +
          struct.pack("<BBBBHHII", 16, 16, 0, 0, 1, 32, len(two), 38) +
          struct.pack("<BBBBHHII", 32, 32, 0, 0, 1, 32, len(two), 38) + two)


if __name__ == "__main__":
    jpeg_corpus()
    png_corpus()
    ico_corpus()
