#!/usr/bin/python3
"""Writes beside/HAND-M.CUR: a 32 x 32 pointing-hand cursor drawn below.

The file is a Windows cursor: an icon directory of type 2 with the hot spot
at the finger tip, and one 32-bit bitmap with its 1-bit mask.
Run it again after changing the drawing: python3 make_hand_cursor.py
"""
import os
import struct

# '#' outline, 'o' fill, anything else transparent.
HAND = """
.....##
....#oo#
....#oo#
....#oo#
....#oo#
....#oo###
....#oo#oo###
....#oo#oo#oo##
.##.#oo#oo#oo#o#
#oo##oo#oo#oo#oo#
#ooo#oooooooo#oo#
.#oo#oooooooooooo#
..#ooooooooooooooo#
..#ooooooooooooooo#
...#oooooooooooooo#
...#ooooooooooooo#
....#oooooooooooo#
....#ooooooooooo#
.....#oooooooooo#
.....#oooooooooo#
.....############
"""
SIZE = 32
HOTSPOT = (5, 0)


def pixels():
    rows = HAND.strip("\n").split("\n")
    grid = [["." for _ in range(SIZE)] for _ in range(SIZE)]
    for y, row in enumerate(rows):
        for x, c in enumerate(row):
            grid[y][x] = c
    return grid


def cursor_bytes():
    grid = pixels()
    colour = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):  # bitmaps are stored bottom-up
        bits = 0
        for x in range(SIZE):
            c = grid[y][x]
            if c == "#":
                colour += bytes((0, 0, 0, 255))
            elif c == "o":
                colour += bytes((255, 255, 255, 255))
            else:
                colour += bytes((0, 0, 0, 0))
                bits |= 1 << (SIZE - 1 - x)
        mask += struct.pack(">I", bits)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0,
                         len(colour) + len(mask), 0, 0, 0, 0)
    image = header + colour + mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, HOTSPOT[0], HOTSPOT[1],
                        len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "beside", "HAND-M.CUR"), "wb") as f:
        f.write(cursor_bytes())
