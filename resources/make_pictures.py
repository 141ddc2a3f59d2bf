#!/usr/bin/python3
"""Draws the compiled-in pictures of Quizmoor into this folder (Debian's python3-pil).

Run it from anywhere: /usr/bin/python3 resources/make_pictures.py. The files it writes are kept in
the repository; the build only embeds them. Output is the same on every run (the background's
shapes and grain come from a seeded generator).

Pictures:
  check_box.png, check_box_checked.png   13 x 13, the check-box faces, pixel for pixel as the
                                           check-box skin expects them
  arrow_down/up/left/right.png            7 x 4 and 4 x 7 solid black triangles
  title_help/menu/minimize/maximize/restore.png   26 x 18 title-button glyphs, translucent white
  title_close.png                         38 x 18
  background.jpg                          1600 x 900, the quiz window's picture
"""
import os
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter

HERE = os.path.dirname(os.path.abspath(__file__))


def save_png(image, name):
    # RGBA, 8 bits per channel: colour type 6 whatever the pixels hold.
    image.convert("RGBA").save(os.path.join(HERE, name), "PNG", optimize=True)


# ---- check boxes -------------------------------------------------------------------------------

# Interior colour of a check-box pixel by x + y, for x + y = 2 .. 22.
CHECK_FILL = [
    0xDEDFD6, 0xE0E0D8, 0xE2E2DA, 0xE4E4DC, 0xE7E6DF, 0xE9E8E1, 0xEBE9E3, 0xEDEBE5, 0xF0EDE8,
    0xF2EFEA, 0xF4F1EC, 0xF7F3EF, 0xF7F4F0, 0xF8F5F1, 0xF9F6F3, 0xF9F7F4, 0xFAF8F6, 0xFBF9F7,
    0xFCFAF9, 0xFCFBFA, 0xFDFCFC,
]
CHECK_MARK = [(9, 3), (8, 4), (9, 4), (3, 5), (7, 5), (8, 5), (9, 5), (3, 6), (4, 6), (6, 6),
              (7, 6), (8, 6), (3, 7), (4, 7), (5, 7), (6, 7), (7, 7), (4, 8), (5, 8), (6, 8),
              (5, 9)]


def rgb(value):
    return (value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF


def check_box(frame_rgba, mark_rgba=None):
    image = Image.new("RGBA", (13, 13))
    for y in range(13):
        for x in range(13):
            if x in (0, 12) or y in (0, 12):
                image.putpixel((x, y), frame_rgba)
            else:
                image.putpixel((x, y), rgb(CHECK_FILL[x + y - 2]) + (255,))
    if mark_rgba:
        for point in CHECK_MARK:
            image.putpixel(point, mark_rgba)
    return image


# ---- arrows ------------------------------------------------------------------------------------

def arrow_down():
    image = Image.new("RGBA", (7, 4), (0, 0, 0, 0))
    for y in range(4):
        for x in range(y, 7 - y):
            image.putpixel((x, y), (0, 0, 0, 255))
    return image


def arrow_left():
    # Column 3 rows 0..6, column 2 rows 1..5, column 1 rows 2..4, column 0 row 3.
    image = Image.new("RGBA", (4, 7), (0, 0, 0, 0))
    for x in range(4):
        inset = 3 - x
        for y in range(inset, 7 - inset):
            image.putpixel((x, y), (0, 0, 0, 255))
    return image


# ---- title-button glyphs -----------------------------------------------------------------------

SCALE = 8          # glyph shapes are drawn this much larger, then averaged down
GLYPH_ALPHA = 80   # white body at full coverage
EDGE_ALPHA = 56    # dark edge one pixel around the body


def glyph_mask(size, draw_shape):
    """Coverage (L image, 0..255) of a shape drawn by draw_shape(draw, s) in units of pixels * s."""
    big = Image.new("L", (size[0] * SCALE, size[1] * SCALE), 0)
    draw_shape(ImageDraw.Draw(big), SCALE)
    grown = big.filter(ImageFilter.MaxFilter(2 * SCALE + 1))
    return (big.resize(size, Image.BOX), grown.resize(size, Image.BOX))


def over(top, bottom):
    """Porter-Duff 'over' of two straight-alpha RGBA tuples."""
    ta, ba = top[3] / 255.0, bottom[3] / 255.0
    a = ta + ba * (1 - ta)
    if a == 0:
        return (0, 0, 0, 0)
    colour = [round((top[i] * ta + bottom[i] * ba * (1 - ta)) / a) for i in range(3)]
    return tuple(colour) + (round(a * 255),)


def title_button(size, draw_shape, backdrop):
    """A glyph: white body, dark one-pixel edge, laid over the faint backdrop(x, y) wash."""
    body, grown = glyph_mask(size, draw_shape)
    image = Image.new("RGBA", size)
    for y in range(size[1]):
        for x in range(size[0]):
            cover = body.getpixel((x, y)) / 255.0
            edge = max(0.0, grown.getpixel((x, y)) / 255.0 - cover)
            pixel = backdrop(x, y)
            pixel = over((0, 0, 0, round(EDGE_ALPHA * edge)), pixel)
            pixel = over((255, 255, 255, round(GLYPH_ALPHA * cover)), pixel)
            image.putpixel((x, y), pixel)
    return image


def upper_wash(size):
    # A faint white wash over the upper half, fading towards the middle.
    half = size[1] // 2

    def backdrop(x, y):
        return (255, 255, 255, 26 - 12 * y // half) if y < half else (0, 0, 0, 0)
    return backdrop


def top_left_lines(size):
    def backdrop(x, y):
        return (255, 255, 255, 40) if x == 0 or y == 0 else (0, 0, 0, 0)
    return backdrop


def top_and_side_lines(size):
    def backdrop(x, y):
        return (255, 255, 255, 40) if y == 0 or x in (0, size[0] - 1) else (0, 0, 0, 0)
    return backdrop


def box(draw, s, left, top, right, bottom, fill=255):
    # Pixel cells left..right, top..bottom inclusive.
    draw.rectangle([left * s, top * s, (right + 1) * s - 1, (bottom + 1) * s - 1], fill=fill)


def window_outline(draw, s, left, top, right, bottom):
    box(draw, s, left, top, right, bottom)
    box(draw, s, left + 1, top + 2, right - 1, bottom - 1, fill=0)  # two-pixel title edge


def help_shape(draw, s):
    # Speech bubble: rounded outline with a tail at its lower left.
    draw.rounded_rectangle([7 * s, 3 * s, 19 * s, 12 * s], radius=3 * s, fill=255)
    draw.polygon([(9 * s, 11 * s), (8 * s, 15.5 * s), (13 * s, 11 * s)], fill=255)
    draw.rounded_rectangle([8.4 * s, 4.4 * s, 17.6 * s, 10.6 * s], radius=2 * s, fill=0)


def menu_shape(draw, s):
    # A page with a folded corner and four lines of text.
    draw.polygon([(8 * s, 2 * s), (15 * s, 2 * s), (18 * s, 5 * s), (18 * s, 16 * s),
                  (8 * s, 16 * s)], fill=255)
    draw.polygon([(9.3 * s, 3.3 * s), (14.4 * s, 3.3 * s), (16.7 * s, 5.6 * s),
                  (16.7 * s, 14.7 * s), (9.3 * s, 14.7 * s)], fill=0)
    for row, right in ((6, 15), (8, 15), (10, 15), (12, 13)):
        box(draw, s, 11, row, right, row)


def minimize_shape(draw, s):
    box(draw, s, 9, 11, 16, 12)


def maximize_shape(draw, s):
    window_outline(draw, s, 8, 4, 17, 13)


def restore_shape(draw, s):
    window_outline(draw, s, 10, 3, 18, 10)
    box(draw, s, 7, 6, 15, 13, fill=0)       # the front window hides what lies behind it
    window_outline(draw, s, 7, 6, 15, 13)


def close_shape(draw, s):
    width = 2.2 * s
    draw.line([(14.5 * s, 4.5 * s), (23.5 * s, 13.5 * s)], fill=255, width=round(width))
    draw.line([(23.5 * s, 4.5 * s), (14.5 * s, 13.5 * s)], fill=255, width=round(width))


# ---- background --------------------------------------------------------------------------------

def background():
    width, height = 1600, 900
    # Vertical gradient: near black at the top and bottom bands (where caption and status text sit),
    # a deep slate blue through the middle.
    column = Image.new("RGB", (1, height))
    for y in range(height):
        t = y / (height - 1)
        lift = max(0.0, 1 - abs(t - 0.55) / 0.45)  # 0 at the edges, 1 a little below the middle
        lift = lift * lift * (3 - 2 * lift)
        column.putpixel((0, y), (round(8 + 22 * lift), round(11 + 30 * lift), round(18 + 46 * lift)))
    image = column.resize((width, height), Image.BILINEAR)

    # Soft glows: large blurred discs in muted teal and violet.
    rng = random.Random(2817)
    glow = Image.new("RGB", (width // 4, height // 4), (0, 0, 0))
    draw = ImageDraw.Draw(glow)
    for _ in range(26):
        cx, cy = rng.uniform(0, width / 4), rng.uniform(height / 16, height / 4 * 0.9)
        r = rng.uniform(8, 46)
        tone = rng.choice([(20, 64, 72), (38, 40, 86), (16, 48, 80), (52, 44, 70)])
        strength = rng.uniform(0.35, 0.8)
        draw.ellipse([cx - r, cy - r, cx + r, cy + r],
                     fill=tuple(round(c * strength) for c in tone))
    glow = glow.filter(ImageFilter.GaussianBlur(10)).resize((width, height), Image.BICUBIC)
    image = ImageChops.add(image, glow)

    # A faint diagonal sweep of light across the middle.
    sweep = Image.new("L", (width // 4, height // 4), 0)
    ImageDraw.Draw(sweep).polygon([(120, 225), (260, 225), (400, 0), (330, 0)], fill=22)
    sweep = sweep.filter(ImageFilter.GaussianBlur(18)).resize((width, height), Image.BICUBIC)
    image = ImageChops.add(image, Image.merge("RGB", (sweep, sweep, sweep)))

    # Darken the caption and status bands again so silver and haloed text read on them.
    shade = Image.new("L", (1, height))
    for y in range(height):
        top = max(0.0, 1 - y / 170.0)
        bottom = max(0.0, 1 - (height - 1 - y) / 90.0)
        shade.putpixel((0, y), round(255 * (1 - 0.55 * max(top, bottom))))
    image = ImageChops.multiply(image, Image.merge("RGB", [shade.resize((width, height))] * 3))

    # Fine grain against banding (and for the file size of a real photograph-like picture).
    # A seeded tile of grain, centred on 128, repeated over the picture.
    tile = Image.new("L", (200, 180))
    tile.putdata([max(0, min(255, round(rng.gauss(128, 2.5)))) for _ in range(200 * 180)])
    grain = Image.new("L", (width, height))
    for top in range(0, height, 180):
        for left in range(0, width, 200):
            grain.paste(tile, (left, top))
    return ImageChops.add(image, Image.merge("RGB", [grain] * 3), offset=-128)


def save_background(image, name, target=122_000):
    # The highest quality whose file stays near the target size.
    path = os.path.join(HERE, name)
    for quality in range(95, 40, -1):
        image.save(path, "JPEG", quality=quality, optimize=True, subsampling="4:2:0")
        if os.path.getsize(path) <= target:
            return


def main():
    save_png(check_box((3, 3, 3, 230)), "check_box.png")
    save_png(check_box((24, 81, 132, 255), (36, 110, 117, 255)), "check_box_checked.png")
    down = arrow_down()
    save_png(down, "arrow_down.png")
    save_png(down.transpose(Image.FLIP_TOP_BOTTOM), "arrow_up.png")
    left = arrow_left()
    save_png(left, "arrow_left.png")
    save_png(left.transpose(Image.FLIP_LEFT_RIGHT), "arrow_right.png")
    small, wide = (26, 18), (38, 18)
    save_png(title_button(small, help_shape, upper_wash(small)), "title_help.png")
    save_png(title_button(small, menu_shape, upper_wash(small)), "title_menu.png")
    save_png(title_button(small, minimize_shape, top_left_lines(small)), "title_minimize.png")
    save_png(title_button(small, maximize_shape, top_left_lines(small)), "title_maximize.png")
    save_png(title_button(small, restore_shape, top_left_lines(small)), "title_restore.png")
    save_png(title_button(wide, close_shape, top_and_side_lines(wide)), "title_close.png")
    save_background(background(), "background.jpg")


if __name__ == "__main__":
    main()
