"""Fills a generated time sheet in at the keyboard in LibreOffice, in every
format: times typed into the start, end and break cells are kept or refused
by the sheet's lists as a user meets them ("Mark invalid data" applies the
same test as typing does). Listed times ("8:00 AM", "5:30 PM", a "00:30"
break) are accepted; "8:07 AM" and a "00:07" break are not. The lists show
their quarter hours and five-minute steps as before, and LibreOffice shows
the .xlsx and .xlsm rows at their exact heights (20 and 32 points), as the
.xls. Beyond the sheet every format shows white cells in the sheet's font,
and the .ods buttons neither keep the focus nor print.

Skips (exit 0) when the program's `generate` command is not built."""

import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from lo_session import Office  # noqa: E402
import workbook_checks as wc  # noqa: E402

ENDINGS = (".xls", ".xlsx", ".xlsm", ".ods")
# (cell, typed text, accepted)
TYPED = [("E11", "8:00 AM", True), ("E12", "5:30 PM", True), ("E14", "00:30", True),
         ("G11", "8:07 AM", False), ("G14", "00:07", False)]


def marked_cells(sheet):
    """The cells LibreOffice circles as invalid, as (row, column)."""
    sheet.clearArrows()
    sheet.showInvalid()
    found = set()
    page = sheet.DrawPage
    for i in range(page.getCount()):
        shape = page.getByIndex(i)
        if shape.ShapeType == "com.sun.star.drawing.EllipseShape":
            at = shape.Anchor.getCellAddress()
            found.add((at.Row + 1, at.Column + 1))
    return found


def check_typing(office, path, failures):
    doc, _ = office.load(path)
    if not failures.check(doc is not None, "%s: LibreOffice did not open it" % path):
        return
    try:
        sheet = doc.Sheets.getByIndex(0)
        for cell, _, _ in TYPED:
            failures.check(sheet.getCellRangeByName(cell).Validation.Type.value == "LIST",
                           "%s: %s has no list" % (path, cell))
        before = marked_cells(sheet)
        failures.check(not before, "%s: marked before typing: %r" % (path, sorted(before)))
        for cell, text, _ in TYPED:
            sheet.getCellRangeByName(cell).setFormula(text)
        marked = marked_cells(sheet)
        for cell, text, accepted in TYPED:
            refused = wc.parse_area(cell)[1:3] in marked
            failures.check(refused != accepted, "%s: %r in %s %s" % (
                path, text, cell, "refused" if refused else "accepted"))
        for cell, (_, text) in wc.LIST_MINUTES.items():
            shown = sheet.getCellRangeByName(cell).getString()
            failures.check(shown == text, "%s: %s shows %r, expected %r" % (path, cell, shown, text))
        if path.endswith((".xlsx", ".xlsm")):
            check_row_heights(path, sheet, failures)
        if path.endswith(".ods"):
            check_ods_buttons(path, sheet, failures)
        check_beyond_the_sheet(path, sheet, failures)
    finally:
        doc.close(True)


def check_ods_buttons(path, sheet, failures):
    """A click leaves the keyboard with the cell cursor; the page has no button."""
    page = sheet.DrawPage
    shapes = [page.getByIndex(i) for i in range(page.getCount())]
    models = [s.getControl() for s in shapes if hasattr(s, "getControl") and s.getControl()]
    failures.check(models, "%s: no buttons" % path)
    for model in models:
        failures.check(not model.FocusOnClick and not model.Printable,
                       "%s: a button takes the focus (%r) or prints (%r)" % (
                           path, model.FocusOnClick, model.Printable))


def check_beyond_the_sheet(path, sheet, failures):
    """Far below and right of the sheet, cells are white (no grid) in Arial, as
    the sheet's own cells."""
    for ref in ("A30", "Z100", "A400", "IW5", "AZ2000"):
        cell = sheet.getCellRangeByName(ref)
        failures.check((cell.CellBackColor, cell.CharFontName) == (0xFFFFFF, "Arial"),
                       "%s: %s is %r in %s" % (path, ref, cell.CellBackColor, cell.CharFontName))


def check_row_heights(path, sheet, failures):
    """Rows 4 and 11 of the default sheet: 20 and 32 points, as LibreOffice
    reads them from the .xls (1/100 mm, rounded)."""
    rows = sheet.getRows()
    for row, points in ((4, 20), (11, 32)):
        got = rows.getByIndex(row - 1).Height
        want = round(points * wc.HMM_PER_POINT)
        failures.check(abs(got - want) <= 1, "%s: row %d is %d/100 mm, expected %d (%g pt)" % (
            path, row, got, want, points))


def checks(bin_dir, program, failures):
    with tempfile.TemporaryDirectory(prefix="tallyloom-keyboard-") as tmp:
        env = wc.private_env(tmp)
        base = os.path.join(tmp, "default")
        for ending in ENDINGS:
            wc.generate(program, base + ending, [], env)
        with Office(time_limit=400) as office:
            for ending in ENDINGS:
                check_typing(office, base + ending, failures)


if __name__ == "__main__":
    sys.exit(wc.script_main("keyboard and screen", checks))
