"""Column widths, row heights and button positions of generated time sheets as
xlrd (stored values) and LibreOffice (screen pixels) read them, against hand
tables: each must show the pixels our picture draws. LibreOffice measures a
stored width with its own digit width (Liberation Sans 10: about 7.4 px rather
than the application's whole 7), so beyond one character its pixels are
checked to follow the stored values in proportion, and column C (one digit
width exactly) to be the 7 px the picture draws.

Skips (exit 0) when the program's `generate` command is not built."""

import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import xlrd  # noqa: E402

from lo_session import Office  # noqa: E402
import workbook_checks as wc  # noqa: E402

CONFIGURATIONS = [
    ("default", []),
    ("two-weeks", ["--days", "all", "--weeks", "2", "--shifts", "3"]),
]

# The layout's column widths (characters) -> stored 1/256 digit widths and the
# pixels the application shows: w < 1 at 12 px a character, otherwise 7 px a
# character plus 5, half up; stored = px * 256 / 7 truncated.
WIDTHS = {
    0.58: (256, 7), 0.67: (292, 8), 0.92: (402, 11), 7: (1974, 54), 7.29: (2048, 56),
    9.333: (2560, 70), 36: (9398, 257), 8.43: (2340, 64),
}
PIXELS_OF_STORED = {stored: px for stored, px in WIDTHS.values()}


def row_pixels(points):
    return int(points * 4 / 3 + 0.5)


def check_xlrd(path, desc, failures, label):
    """Stored widths are those of the table; column C is 0.58 characters (256)."""
    sheet = xlrd.open_workbook(path, formatting_info=True).sheet_by_index(0)
    stored = {c + 1: info.width for c, info in sheet.colinfo_map.items()}
    failures.check(stored.get(3) == 256, "%s: column C stored as %r, expected 256" % (
        label, stored.get(3)))
    for column, value in stored.items():
        if not failures.check(value in PIXELS_OF_STORED, "%s: column %d stored as %d" % (
                label, column, value)):
            continue
        width = desc["columnWidths"].get(str(column), desc["defaultColumnWidth"])
        failures.check(wc.column_pixels(width) == PIXELS_OF_STORED[value],
                       "%s: column %d reads back as %r characters" % (label, column, width))
    for row, info in sheet.rowinfo_map.items():
        points = info.height / 20
        want = desc["rowHeights"].get(str(row + 1), desc["defaultRowHeight"])
        failures.check(abs(points - want) < 0.01, "%s: row %d stored as %r pt, read as %r" % (
            label, row + 1, points, want))
    return stored


def check_libreoffice(office, path, desc, stored, failures, label):
    doc, _ = office.load(path)
    try:
        sheet = doc.Sheets.getByIndex(0)
        columns, rows = sheet.getColumns(), sheet.getRows()
        failures.check(round(columns.getByIndex(2).Width / wc.HMM_PER_PIXEL) == 7,
                       "%s: LibreOffice shows column C %d/100 mm wide, not 7 px" % (
                           label, columns.getByIndex(2).Width))
        digit = columns.getByIndex(2).Width  # LibreOffice's digit width, 1/100 mm
        for column, value in stored.items():
            got = columns.getByIndex(column - 1).Width
            want = value * digit / 256
            failures.check(abs(got - want) <= wc.HMM_PER_PIXEL, "%s: column %d %d/100 mm, expected %d" % (
                label, column, got, want))
        for row, points in desc["rowHeights"].items():
            got = round(rows.getByIndex(int(row) - 1).Height / wc.HMM_PER_PIXEL)
            failures.check(got == row_pixels(points), "%s: row %s %d px, not %d" % (
                label, row, got, row_pixels(points)))
        # Buttons start in the cell holding the picture's pixel position, at
        # its top and height (rows measure alike in both).
        found = wc.lo_buttons(sheet)
        failures.check(len(found) == len(desc["buttons"]), "%s: %d buttons" % (label, len(found)))
        for b, (_, x, y, w, h, _, anchor) in zip(
                sorted(desc["buttons"], key=lambda b: b["left"]),
                sorted(found, key=lambda f: f[1])):
            cell = wc.cell_at(desc, b["left"], b["top"])
            failures.check(anchor == cell, "%s: button in %r, picture %r" % (label, anchor, cell))
            got = [round(v / wc.HMM_PER_PIXEL) for v in (y, h)]
            want = [round(b[k] / 0.75) for k in ("top", "height")]
            failures.check(all(abs(g - e) <= 1 for g, e in zip(got, want)),
                           "%s: button top, height %r px, picture %r" % (label, got, want))
    finally:
        doc.close(True)


def main():
    bin_dir = sys.argv[1]
    program = wc.usable_program(bin_dir)
    if program is None:
        return 0
    failures = wc.Failures()
    with tempfile.TemporaryDirectory(prefix="tallyloom-sizes-") as tmp:
        env = wc.private_env(tmp)
        done = []
        for label, base, desc in wc.generated_workbooks(bin_dir, program, tmp, env, CONFIGURATIONS,
                                                        failures):
            path = base + ".xls"
            sheet_desc = desc["sheets"][0]
            done.append((label, path, sheet_desc, check_xlrd(path, sheet_desc, failures, label)))
        with Office(time_limit=400) as office:
            for label, path, sheet_desc, stored in done:
                check_libreoffice(office, path, sheet_desc, stored, failures, label)
    if failures.report("sheet sizes"):
        print("sheet sizes: all checks passed")
        return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())
