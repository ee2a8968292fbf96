#!/usr/bin/env python3
"""Draws the two pictures of the outputs and writes them beside this script:

  Logo.bmp   284 x 184, 8-bit BMP: the built-in logo of the printed report (page header when the
             start-up directory has no Logo.bmp, and the corner picture of every page) and of
             the HTML page (Belvo.bmp beside the page).
  Belvo.gif  256 x 153, GIF89a: the picture beside the legend of the HTML page.

Both are drawn from scratch here (a brick wall, a hollow ceramic block, block letters), so the
files are ours and can be regenerated at any time: python3 make_pictures.py
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# Palette shared by both pictures (R, G, B).
PALETTE = [
    (255, 255, 255),  # 0 white
    (0, 0, 0),        # 1 black
    (178, 58, 38),    # 2 brick red
    (204, 92, 64),    # 3 light brick
    (140, 40, 28),    # 4 dark brick
    (215, 210, 200),  # 5 mortar
    (0, 128, 0),      # 6 green (the rule colour of the report)
    (0, 96, 48),      # 7 dark green
    (238, 238, 238),  # 8 light grey
    (96, 96, 96),     # 9 grey
    (230, 170, 120),  # 10 sand
    (255, 204, 238),  # 11 pink (the totals table of the page)
    (0, 153, 153),    # 12 teal (the rule of the page)
    (250, 250, 240),  # 13 paper
    (60, 60, 60),     # 14 dark grey
    (255, 230, 200),  # 15 pale sand
]

# 5 x 7 block letters for the few words drawn.
GLYPHS = {
    'B': ["1111.", "1...1", "1...1", "1111.", "1...1", "1...1", "1111."],
    'E': ["11111", "1....", "1....", "1111.", "1....", "1....", "11111"],
    'L': ["1....", "1....", "1....", "1....", "1....", "1....", "11111"],
    'V': ["1...1", "1...1", "1...1", "1...1", ".1.1.", ".1.1.", "..1.."],
    'O': [".111.", "1...1", "1...1", "1...1", "1...1", "1...1", ".111."],
    'K': ["1...1", "1..1.", "1.1..", "11...", "1.1..", "1..1.", "1...1"],
    'A': [".111.", "1...1", "1...1", "11111", "1...1", "1...1", "1...1"],
    'R': ["1111.", "1...1", "1...1", "1111.", "1.1..", "1..1.", "1...1"],
    'N': ["1...1", "11..1", "1.1.1", "1..11", "1...1", "1...1", "1...1"],
    ' ': [".....", ".....", ".....", ".....", ".....", ".....", "....."],
}


class Picture:
    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.pixels = [[background] * width for _ in range(height)]

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(max(0, y0), min(self.height, y1)):
            row = self.pixels[y]
            for x in range(max(0, x0), min(self.width, x1)):
                row[x] = colour

    def frame(self, x0, y0, x1, y1, colour, thickness=1):
        self.rect(x0, y0, x1, y0 + thickness, colour)
        self.rect(x0, y1 - thickness, x1, y1, colour)
        self.rect(x0, y0, x0 + thickness, y1, colour)
        self.rect(x1 - thickness, y0, x1, y1, colour)

    def text(self, x, y, word, colour, scale):
        for ch in word:
            for gy, line in enumerate(GLYPHS[ch]):
                for gx, cell in enumerate(line):
                    if cell == '1':
                        self.rect(x + gx * scale, y + gy * scale, x + (gx + 1) * scale, y + (gy + 1) * scale, colour)
            x += 6 * scale

    def brick_wall(self, x0, y0, x1, y1, brick_w, brick_h, joint):
        shades = [2, 3, 4, 2, 3]
        row = 0
        y = y0
        while y < y1:
            offset = 0 if row % 2 == 0 else -brick_w // 2
            x = x0 + offset
            n = row
            while x < x1:
                self.rect(max(x, x0), y, min(x + brick_w - joint, x1), min(y + brick_h - joint, y1), shades[n % len(shades)])
                x += brick_w
                n += 2
            y += brick_h
            row += 1


def draw_logo():
    p = Picture(284, 184, 13)
    p.rect(0, 0, 284, 104, 5)
    p.brick_wall(0, 0, 284, 104, 46, 17, 3)
    p.rect(0, 104, 284, 112, 6)
    p.text(52, 124, "BELVO", 7, 6)
    p.rect(0, 176, 284, 184, 12)
    p.frame(0, 0, 284, 184, 14, 2)
    return p


def draw_block():
    p = Picture(256, 153, 0)
    # A hollow ceramic block seen from its bed face, with a shadow.
    p.rect(40, 24, 224, 140, 8)
    p.rect(32, 16, 216, 132, 2)
    p.frame(32, 16, 216, 132, 4, 3)
    for col in range(8):
        for row in range(4):
            x = 44 + col * 21
            y = 28 + row * 25
            p.rect(x, y, x + 14, y + 17, 4 if (col + row) % 2 else 14)
    p.text(58, 140, "KARNO", 6, 2)
    return p


def bmp_bytes(p):
    row_size = (p.width + 3) & ~3
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    palette += b"\0\0\0\0" * (256 - len(PALETTE))
    rows = []
    for y in range(p.height - 1, -1, -1):  # bottom-up
        line = bytes(p.pixels[y])
        rows.append(line + b"\0" * (row_size - p.width))
    data = b"".join(rows)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, p.width, p.height, 1, 8, 0, len(data), 3780, 3780, 256, 0)
    return header + info + palette + data


def lzw_encode(indices, min_code_size):
    """GIF LZW: variable-width codes, packed least significant bit first."""
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    bit_buffer = 0
    bit_count = 0

    def emit(code, width):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += width
        while bit_count >= 8:
            out.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    def reset():
        return {(i,): i for i in range(clear)}, end + 1, min_code_size + 1

    table, next_code, width = reset()
    emit(clear, width)
    current = (indices[0],)
    for value in indices[1:]:
        candidate = current + (value,)
        if candidate in table:
            current = candidate
            continue
        emit(table[current], width)
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            emit(clear, width)
            table, next_code, width = reset()
        current = (value,)
    emit(table[current], width)
    emit(end, width)
    if bit_count:
        out.append(bit_buffer & 0xFF)
    return bytes(out)


def gif_bytes(p):
    colours = 16
    palette = b"".join(struct.pack("BBB", *c) for c in PALETTE[:colours])
    screen = struct.pack("<6sHHBBB", b"GIF89a", p.width, p.height, 0x80 | 0x30 | 3, 0, 0)
    image = struct.pack("<BHHHHB", 0x2C, 0, 0, p.width, p.height, 0)
    indices = [c for row in p.pixels for c in row]
    data = lzw_encode(indices, 4)
    blocks = bytearray([4])
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        blocks.append(len(chunk))
        blocks += chunk
    blocks.append(0)
    return screen + palette + image + bytes(blocks) + b";"


def main():
    with open(os.path.join(HERE, "Logo.bmp"), "wb") as f:
        f.write(bmp_bytes(draw_logo()))
    with open(os.path.join(HERE, "Belvo.gif"), "wb") as f:
        f.write(gif_bytes(draw_block()))


if __name__ == "__main__":
    main()
