#!/usr/bin/python3
"""Draws the program's artwork and writes it beside this script.

background.jpg  248 x 248 baseline JPEG: the start window's stretched background, and the
                start button's hover picture, whose exactly-white pixels are see-through.
button.png      345 x 323 opaque RGBA PNG: the start button's normal picture; only its top-left
                88 x 32 pixels show, as the button face under the caption.
quorvane.ico    one 32 x 32, 32-bpp icon stored as an uncompressed bitmap.

Run with Debian's python3-pil: /usr/bin/python3 assets/make_artwork.py. The output is the same on
every run, so the committed files can be rebuilt and compared.
"""

import io
import math
import pathlib
import struct

from PIL import Image, ImageChops, ImageDraw, ImageFilter

HERE = pathlib.Path(__file__).resolve().parent

BACKGROUND_SIZE = 248
BUTTON_SIZE = (345, 323)
BUTTON_FACE = (88, 32)
ICON_SIDE = 32

# The button's normal picture uses this colour as its transparent key, so the picture must not
# contain it anywhere or the button face would show holes.
BUTTON_KEY = (236, 236, 236)
WHITE = (255, 255, 255)


def lerp(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def gradient(size, corners):
    """Bilinear blend of four corner colours: top-left, top-right, bottom-left, bottom-right."""
    width, height = size
    top_left, top_right, bottom_left, bottom_right = corners
    image = Image.new("RGB", size)
    pixels = []
    for y in range(height):
        v = y / (height - 1)
        left = lerp(top_left, bottom_left, v)
        right = lerp(top_right, bottom_right, v)
        for x in range(width):
            pixels.append(lerp(left, right, x / (width - 1)))
    image.putdata(pixels)
    return image


def soft_mask(size, shapes, blur):
    """A grey mask of filled ellipses, blurred so the shapes melt into what lies beneath."""
    mask = Image.new("L", size, 0)
    draw = ImageDraw.Draw(mask)
    for box, level in shapes:
        draw.ellipse(box, fill=level)
    return mask.filter(ImageFilter.GaussianBlur(blur))


def hard_mask(size, shapes):
    mask = Image.new("L", size, 0)
    draw = ImageDraw.Draw(mask)
    for box in shapes:
        draw.ellipse(box, fill=255)
    return mask


def make_background():
    size = (BACKGROUND_SIZE, BACKGROUND_SIZE)
    picture = gradient(size, [(186, 218, 255), (206, 194, 255), (255, 196, 222), (255, 222, 178)])

    glow_colours = [
        ((40, 150, 150, 260), (255, 176, 210), 170),
        ((150, 110, 280, 240), (166, 210, 255), 190),
        ((-30, 170, 70, 270), (255, 226, 170), 170),
        ((170, -20, 270, 80), (196, 180, 255), 170),
        ((70, 60, 170, 140), (232, 222, 255), 120),
    ]
    for box, colour, level in glow_colours:
        mask = soft_mask(size, [(box, level)], 18)
        picture = Image.composite(Image.new("RGB", size, colour), picture, mask)

    bubbles = [
        ((18, 120, 58, 160), 120),
        ((196, 96, 226, 126), 110),
        ((120, 196, 150, 226), 100),
        ((76, 84, 96, 104), 90),
        ((214, 170, 240, 196), 90),
    ]
    picture = Image.composite(Image.new("RGB", size, WHITE), picture, soft_mask(size, bubbles, 3))

    # Clouds of pure white: they survive compression exactly, so the button's hover picture turns
    # see-through there; the gap between the two upper ones keeps some colour under the caption.
    clouds = [
        [(-60, -70, 40, 40), (64, -40, 174, 60), (-40, 10, 36, 70)],
        [(150, 196, 300, 300), (110, 220, 220, 320), (200, 170, 290, 260)],
    ]
    for cloud in clouds:
        halo = soft_mask(size, [(box, 255) for box in cloud], 7)
        picture = Image.composite(Image.new("RGB", size, WHITE), picture, halo)
        picture.paste(WHITE, (0, 0), hard_mask(size, cloud))

    ribbon = Image.new("L", size, 0)
    ImageDraw.Draw(ribbon).arc((-120, 60, 380, 420), 200, 340, fill=150, width=5)
    ribbon = ribbon.filter(ImageFilter.GaussianBlur(1.5))
    picture = Image.composite(Image.new("RGB", size, WHITE), picture, ribbon)
    picture = Image.composite(Image.new("RGB", size, WHITE), picture, sparkles(size))
    return picture


def sparkles(size):
    """Small four-pointed glints scattered over the coloured part of the picture."""
    mask = Image.new("L", size, 0)
    draw = ImageDraw.Draw(mask)
    glints = [(30, 100, 6), (112, 150, 4), (200, 70, 5), (58, 206, 5), (180, 140, 7), (232, 120, 3),
              (96, 228, 3), (140, 96, 3), (16, 160, 3), (222, 30, 4), (70, 176, 3), (160, 180, 4)]
    for x, y, arm in glints:
        waist = max(1, arm // 3)
        draw.polygon([(x, y - arm), (x + waist, y), (x, y + arm), (x - waist, y)], fill=230)
        draw.polygon([(x - arm, y), (x, y - waist), (x + arm, y), (x, y + waist)], fill=230)
    return mask.filter(ImageFilter.GaussianBlur(0.6))


def encode_background(picture):
    buffer = io.BytesIO()
    # Full-resolution chroma keeps the white clouds exactly white up to their edges.
    picture.save(buffer, "JPEG", quality=94, subsampling=0, optimize=True, progressive=False)
    return buffer.getvalue()


def vertical_gradient(size, top, bottom):
    width, height = size
    column = Image.new("RGB", (1, height))
    column.putdata([lerp(top, bottom, y / (height - 1)) for y in range(height)])
    return column.resize(size, Image.NEAREST)


def make_button():
    picture = vertical_gradient(BUTTON_SIZE, (252, 240, 214), (214, 170, 112))
    draw = ImageDraw.Draw(picture)

    # A faint diagonal weave across the sheet beyond the face.
    weave = Image.new("L", BUTTON_SIZE, 0)
    weave_draw = ImageDraw.Draw(weave)
    for offset in range(-BUTTON_SIZE[1], BUTTON_SIZE[0], 14):
        weave_draw.line((offset, 0, offset + BUTTON_SIZE[1], BUTTON_SIZE[1]), fill=38, width=2)
    picture = Image.composite(Image.new("RGB", BUTTON_SIZE, (255, 248, 232)), picture, weave)
    draw = ImageDraw.Draw(picture)

    face_width, face_height = BUTTON_FACE
    face = vertical_gradient(BUTTON_FACE, (255, 246, 222), (240, 200, 132))
    gloss = vertical_gradient((face_width, face_height // 2), (255, 252, 242), (252, 232, 192))
    face.paste(gloss, (0, 0))
    face_draw = ImageDraw.Draw(face)
    right, bottom = face_width - 1, face_height - 1
    face_draw.line((0, 0, right, 0), fill=(255, 255, 250))
    face_draw.line((0, 0, 0, bottom), fill=(255, 252, 240))
    face_draw.line((1, 1, right - 1, 1), fill=(255, 250, 236))
    face_draw.line((0, bottom, right, bottom), fill=(176, 126, 64))
    face_draw.line((right, 0, right, bottom), fill=(186, 136, 74))
    face_draw.line((1, bottom - 1, right - 1, bottom - 1), fill=(212, 168, 104))
    face_draw.line((right - 1, 1, right - 1, bottom - 1), fill=(218, 176, 112))
    picture.paste(face, (0, 0))
    # The face's shadow continues into the sheet so the picture reads as one design.
    draw.line((face_width, 2, face_width, face_height), fill=(196, 150, 90))
    draw.line((2, face_height, face_width, face_height), fill=(196, 150, 90))

    return avoid_key_colour(picture.convert("RGBA"))


def avoid_key_colour(picture):
    pixels = [(r + 1, g, b, 255) if (r, g, b) == BUTTON_KEY else (r, g, b, 255) for r, g, b, _ in
              picture.getdata()]
    picture.putdata(pixels)
    return picture


def encode_button(picture):
    buffer = io.BytesIO()
    picture.save(buffer, "PNG", optimize=True)
    return buffer.getvalue()


def make_icon():
    scale = 8
    side = ICON_SIDE * scale
    canvas = (side, side)
    tile = gradient(canvas, [(255, 120, 70), (250, 70, 90), (236, 60, 110), (200, 30, 120)])
    tile_mask = Image.new("L", canvas, 0)
    ImageDraw.Draw(tile_mask).rounded_rectangle((1 * scale, 1 * scale, side - 1 * scale - 1, side - 1 * scale - 1),
                                                radius=7 * scale, fill=255)

    marks = Image.new("L", canvas, 0)
    marks_draw = ImageDraw.Draw(marks)
    centre = (13.5 * scale, 16 * scale)
    triangle = [(centre[0] - 4.5 * scale, centre[1] - 6.5 * scale),
                (centre[0] - 4.5 * scale, centre[1] + 6.5 * scale),
                (centre[0] + 6.5 * scale, centre[1])]
    marks_draw.polygon(triangle, fill=255)
    for radius in (10, 14):
        box = (centre[0] - radius * scale, centre[1] - radius * scale,
               centre[0] + radius * scale, centre[1] + radius * scale)
        marks_draw.arc(box, -40, 40, fill=255, width=int(2.2 * scale))
    marks = ImageChops.multiply(marks, tile_mask)

    icon = Image.new("RGBA", canvas, (0, 0, 0, 0))
    icon.paste(tile, (0, 0), tile_mask)
    icon.paste((255, 255, 255, 255), (0, 0), marks)
    return icon.resize((ICON_SIDE, ICON_SIDE), Image.BOX)


def encode_icon(icon):
    """A single-image ICO whose entry is a bottom-up BGRA bitmap followed by its AND mask."""
    side = ICON_SIDE
    colour_rows = []
    mask_rows = []
    for y in reversed(range(side)):
        row = bytearray()
        mask_bits = 0
        for x in range(side):
            r, g, b, a = icon.getpixel((x, y))
            row += bytes((b, g, r, a))
            if a < 128:
                mask_bits |= 1 << (side - 1 - x)
        colour_rows.append(bytes(row))
        mask_rows.append(struct.pack(">I", mask_bits))
    colour = b"".join(colour_rows)
    mask = b"".join(mask_rows)
    bitmap_header = struct.pack("<IiiHHIIiiII", 40, side, side * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    image = bitmap_header + colour + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def white_run_summary(jpeg_bytes):
    decoded = Image.open(io.BytesIO(jpeg_bytes)).convert("RGB")
    face_white = sum(1 for y in range(BUTTON_FACE[1]) for x in range(BUTTON_FACE[0])
                     if decoded.getpixel((x, y)) == WHITE)
    all_white = sum(1 for p in decoded.getdata() if p == WHITE)
    return face_white, all_white


def main():
    background = encode_background(make_background())
    button = encode_button(make_button())
    icon = encode_icon(make_icon())
    (HERE / "background.jpg").write_bytes(background)
    (HERE / "button.png").write_bytes(button)
    (HERE / "quorvane.ico").write_bytes(icon)
    face_white, all_white = white_run_summary(background)
    print(f"background.jpg {len(background)} bytes, {face_white} white pixels in the button face, "
          f"{all_white} in all")
    print(f"button.png {len(button)} bytes")
    print(f"quorvane.ico {len(icon)} bytes")


if __name__ == "__main__":
    main()
