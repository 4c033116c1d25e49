"""Checks shared by the interop scripts: a workbook file, as LibreOffice and
xlrd read it, against the description our own tool gives of it (see
interop_sample), which lists cells, merges, sizes, names, validations, page
setup, buttons and macro modules."""

import json
import os
import math
import re
import subprocess
import sys

import uno
import xlrd

# Error values as LibreOffice reports them through XCell.getError().
LO_ERRORS = {"#NULL!": 521, "#DIV/0!": 532, "#VALUE!": 519, "#REF!": 524,
             "#NAME?": 525, "#NUM!": 503, "#N/A": 32767}
# Error codes as the file stores them (xlrd gives these back).
FILE_ERRORS = {"#NULL!": 0x00, "#DIV/0!": 0x07, "#VALUE!": 0x0F, "#REF!": 0x17,
               "#NAME?": 0x1D, "#NUM!": 0x24, "#N/A": 0x2A}

HMM_PER_POINT = 2540.0 / 72.0  # LibreOffice lengths are in 1/100 mm
HMM_PER_PIXEL = 2540.0 / 96.0


class Failures:
    def __init__(self):
        self.items = []

    def check(self, condition, message):
        if not condition:
            self.items.append(message)
        return condition

    def report(self, label):
        for item in self.items:
            print("FAIL [%s] %s" % (label, item))
        return not self.items


def run(cmd, timeout=120, **kw):
    return subprocess.run(cmd, timeout=timeout, capture_output=True, text=True, **kw)


def usable_program(bin_dir):
    """The built program, or None (with a line saying the test is skipped) when it cannot generate."""
    program = os.path.join(bin_dir, "tallyloom")
    if not os.path.exists(program) or run([program, "generate", "--help"]).returncode != 0:
        print("skipped: %s generate is not available" % program)
        return None
    return program


def private_env(tmp):
    """An environment whose settings, home and temporary files all live in `tmp`."""
    return dict(os.environ, QT_QPA_PLATFORM="offscreen", HOME=tmp,
                XDG_CONFIG_HOME=os.path.join(tmp, "config"), TEMP=tmp, TMPDIR=tmp)


def generate(program, path, args, env):
    r = run([program, "generate", "--output", path] + args, env=env, timeout=120)
    if r.returncode != 0:
        raise RuntimeError("generate %r failed (%d): %s" % (args, r.returncode, r.stderr))


def describe(bin_dir, mode, xls_path, json_path):
    r = run([bin_dir + "/interop_sample", mode, xls_path, json_path])
    if r.returncode != 0:
        raise RuntimeError("interop_sample %s failed: %s" % (mode, r.stderr))
    with open(json_path, encoding="utf-8") as f:
        return json.load(f)


def generated_workbooks(bin_dir, program, tmp, env, configurations, failures, endings=(".xls",)):
    """Writes each (label, args) configuration in every ending under `tmp` and
    describes its .xls with our reader; yields (label, path without ending,
    description). A failing run is recorded and left out."""
    for label, args in configurations:
        base = os.path.join(tmp, label)
        try:
            for ending in endings:
                generate(program, base + ending, args, env)
            desc = describe(bin_dir, "describe", base + ".xls", base + ".json")
        except RuntimeError as e:
            failures.check(False, "%s: %s" % (label, e))
            continue
        yield label, base, desc


def generate_each(program, tmp, env, cases, endings, failures):
    """Writes each case (name, flags, ...) in every ending under `tmp`; returns
    (path, name + ending, case) of those written. A failing run is recorded."""
    made = []
    for case in cases:
        for ending in endings:
            path = os.path.join(tmp, case[0] + ending)
            try:
                generate(program, path, case[1], env)
                made.append((path, case[0] + ending, case))
            except RuntimeError as e:
                failures.check(False, str(e))
    return made


def script_main(label, checks):
    """The body of a test script: the program from argv's bin folder (or a
    skip, exit 0), then checks(bin_dir, program, failures); exit 1 when any
    check failed."""
    bin_dir = sys.argv[1]
    program = usable_program(bin_dir)
    if program is None:
        return 0
    failures = Failures()
    checks(bin_dir, program, failures)
    if failures.report(label):
        print("%s: all checks passed" % label)
        return 0
    return 1


def clock(minutes, am_pm):
    """A time of day as the time lists show it: "6:15 AM" or "0:05"."""
    hours, minutes = divmod(minutes % 1440, 60)
    if not am_pm:
        return "%d:%02d" % (hours, minutes)
    return "%d:%02d %s" % ((hours + 11) % 12 + 1, minutes, "AM" if hours < 12 else "PM")


# The time lists of the default sheet, cell -> minutes and text: AC201..AC295
# from 6:00 AM in quarter hours past midnight to 5:30 AM; AD201..AD224 0:05
# to 2:00 in five minutes.
LIST_MINUTES = dict([("AC%d" % (201 + i), (360 + 15 * i, clock(360 + 15 * i, True)))
                     for i in range(95)] +
                    [("AD%d" % (201 + i), (5 + 5 * i, clock(5 + 5 * i, False)))
                     for i in range(24)])


def close(a, b, tol=1e-9):
    return math.isclose(a, b, rel_tol=tol, abs_tol=tol)


def column_pixels(width):
    """Screen pixels of a column width in characters of a 7-pixel digit, half up
    as the spreadsheet application shows them."""
    return int(width * 12 + 0.5) if width < 1 else int(width * 7 + 0.5) + 5


A1_AREA = re.compile(r"^=?(?:'?([^'!]+)'?!)?\$?([A-Z]+)\$?(\d+)(?::\$?([A-Z]+)\$?(\d+))?$")


def column_number(letters):
    n = 0
    for ch in letters:
        n = n * 26 + ord(ch) - 64
    return n


def parse_area(text):
    """'=TimeSheet!$AC$201:$AC$295' -> ('TimeSheet', 201, 29, 295, 29)."""
    m = A1_AREA.match(text)
    if not m:
        return None
    sheet, c1, r1, c2, r2 = m.groups()
    c2, r2 = c2 or c1, r2 or r1
    return sheet, int(r1), column_number(c1), int(r2), column_number(c2)


# ---------------------------------------------------------------- LibreOffice

def lo_cell_matches(cell, expected):
    """Compares a LibreOffice cell with a described value; returns a reason or None."""
    if expected is None:
        return None if cell.getString() == "" else "expected empty, got %r" % cell.getString()
    if "e" in expected:
        code = cell.getError()
        return None if code == LO_ERRORS[expected["e"]] else "expected %s, got error %d (%r)" % (
            expected["e"], code, cell.getString())
    if cell.getError() != 0:
        return "unexpected error %d" % cell.getError()
    if "s" in expected:
        return None if cell.getString() == expected["s"] else "expected %r, got %r" % (
            expected["s"], cell.getString())
    number = float(expected["b"]) if "b" in expected else expected["n"]
    return None if close(cell.getValue(), number) else "expected %r, got %r" % (
        number, cell.getValue())


def check_lo_values(sheet, desc_sheet, failures, when):
    for c in desc_sheet["cells"]:
        cell = sheet.getCellByPosition(c["col"] - 1, c["row"] - 1)
        reason = lo_cell_matches(cell, c["value"])
        failures.check(reason is None, "%s %s (%s): %s" % (
            when, c["ref"], c.get("formula", "value"), reason))


def check_lo_merges(sheet, desc_sheet, failures):
    for r1, c1, r2, c2 in desc_sheet["merges"]:
        cursor = sheet.createCursorByRange(sheet.getCellByPosition(c1 - 1, r1 - 1))
        cursor.collapseToMergedArea()
        a = cursor.getRangeAddress()
        got = (a.StartRow + 1, a.StartColumn + 1, a.EndRow + 1, a.EndColumn + 1)
        failures.check(got == (r1, c1, r2, c2), "merged area %r read as %r" % (
            (r1, c1, r2, c2), got))


def check_lo_sizes(sheet, desc_sheet, failures):
    columns = sheet.getColumns()
    for index, width in desc_sheet["columnWidths"].items():
        got = columns.getByIndex(int(index) - 1).Width
        want = column_pixels(width) * HMM_PER_PIXEL
        # LibreOffice measures characters with its own font metrics: allow
        # one pixel and a few per cent.
        failures.check(abs(got - want) <= HMM_PER_PIXEL + 0.05 * want,
                       "column %s width %.3f: %d/100 mm, expected about %d" % (
                           index, width, got, want))
    rows = sheet.getRows()
    for index, height in desc_sheet["rowHeights"].items():
        got = rows.getByIndex(int(index) - 1).Height
        want = height * HMM_PER_POINT
        failures.check(abs(got - want) <= 4, "row %s height %.2f pt: %d/100 mm, expected %d" % (
            index, height, got, want))


def check_lo_validations(sheet, desc_sheet, failures):
    from com.sun.star.sheet.ValidationType import LIST
    from com.sun.star.sheet.ValidationAlertStyle import STOP
    for v in desc_sheet["validations"]:
        for r1, c1, r2, c2 in v["ranges"]:
            for row, col in ((r1, c1), (r2, c2)):
                where = "validation at row %d col %d" % (row, col)
                val = sheet.getCellByPosition(col - 1, row - 1).Validation
                failures.check(val.Type == LIST, "%s: type %r" % (where, val.Type))
                failures.check(val.getFormula1().lstrip("=") == v["formula1"].lstrip("="),
                               "%s: source %r, expected %r" % (
                                   where, val.getFormula1(), v["formula1"]))
                failures.check(val.ErrorTitle == v["errorTitle"], "%s: error title %r" % (
                    where, val.ErrorTitle))
                failures.check(val.ErrorMessage == v["errorMessage"], "%s: error message %r" % (
                    where, val.ErrorMessage))
                failures.check(val.ShowErrorMessage == v["showError"], "%s: show error" % where)
                failures.check(val.ShowInputMessage == v["showInput"], "%s: show input" % where)
                failures.check(val.IgnoreBlankCells == v["ignoreBlank"], "%s: ignore blank" % where)
                failures.check((val.ShowList != 0) == v["inCellDropdown"], "%s: drop-down %r" % (
                    where, val.ShowList))
                if v["alertStyle"] == 1:
                    failures.check(val.ErrorAlertStyle == STOP, "%s: alert style %r" % (
                        where, val.ErrorAlertStyle))


def check_lo_names(doc, desc, failures):
    names = doc.NamedRanges
    sheets = doc.Sheets
    for n in desc["names"]:
        if not failures.check(names.hasByName(n["name"]), "name %s missing" % n["name"]):
            continue
        area = parse_area(n["refersTo"])
        if not failures.check(area is not None, "cannot parse %r" % n["refersTo"]):
            continue
        a = names.getByName(n["name"]).getReferredCells().getRangeAddress()
        got = (sheets.getByIndex(a.Sheet).Name, a.StartRow + 1, a.StartColumn + 1,
               a.EndRow + 1, a.EndColumn + 1)
        failures.check(got == area, "name %s refers to %r, expected %r" % (n["name"], got, area))


def check_lo_page(doc, sheet, desc_sheet, failures):
    page = desc_sheet["pageSetup"]
    areas = sheet.getPrintAreas()
    if page["printArea"]:
        r1, c1, r2, c2 = page["printArea"]
        got = [(a.StartRow + 1, a.StartColumn + 1, a.EndRow + 1, a.EndColumn + 1) for a in areas]
        failures.check(got == [(r1, c1, r2, c2)], "print area %r, expected %r" % (
            got, (r1, c1, r2, c2)))
    style = doc.StyleFamilies.getByName("PageStyles").getByName(sheet.PageStyle)
    landscape = page["orientation"] == 2
    failures.check(style.IsLandscape == landscape, "landscape %r" % style.IsLandscape)
    if page["paperSize"] == 9:
        size = (style.Width, style.Height)
        want = (29700, 21000) if landscape else (21000, 29700)
        failures.check(all(abs(g - w) <= 20 for g, w in zip(size, want)),
                       "paper %r, expected A4 %r" % (size, want))
    if page["zoom"] is None:
        failures.check((style.ScaleToPagesX, style.ScaleToPagesY) == (
            page["fitToPagesWide"], page["fitToPagesTall"]),
            "fit to pages %r x %r" % (style.ScaleToPagesX, style.ScaleToPagesY))
    left, right, top, bottom = page["margins"]
    got = (style.LeftMargin, style.RightMargin)
    failures.check(abs(got[0] - left * HMM_PER_POINT) <= 5 and
                   abs(got[1] - right * HMM_PER_POINT) <= 5, "side margins %r" % (got,))


def lo_buttons(sheet):
    """(label, x, y, width, height, script codes) of each form control on the sheet."""
    found = []
    page = sheet.DrawPage
    for i in range(page.getCount()):
        shape = page.getByIndex(i)
        if not hasattr(shape, "getControl"):
            continue
        model = shape.getControl()
        if model is None:
            continue
        scripts = []
        form = model.getParent()
        try:
            for k in range(form.getCount()):
                if form.getByIndex(k) == model:
                    scripts = [e.ScriptCode for e in form.getScriptEvents(k)]
        except Exception:
            pass  # a control outside any form has no attached events
        pos, size = shape.Position, shape.Size
        anchor = shape.Anchor.getCellAddress()
        found.append((model.Label, pos.X, pos.Y, size.Width, size.Height, scripts,
                      (anchor.Row + 1, anchor.Column + 1)))
    return found


def cell_at(desc_sheet, left, top):
    """The cell (row, column) holding the point (left, top), in points, by the
    described sizes: our own geometry, independent of the reader's fonts."""
    def find(sizes, default, offset, to_points):
        index, edge = 1, 0.0
        while True:
            size = to_points(sizes.get(str(index), default))
            if offset < edge + size:
                return index
            edge += size
            index += 1
    column = find(desc_sheet["columnWidths"], desc_sheet["defaultColumnWidth"], left,
                  lambda w: column_pixels(w) * 0.75)
    row = find(desc_sheet["rowHeights"], desc_sheet["defaultRowHeight"], top, lambda h: h)
    return row, column


def check_lo_buttons(sheet, desc_sheet, failures):
    """Buttons: text, the cell they start in, vertical position, and for a
    macro named without arguments the script LibreOffice binds to it.
    LibreOffice measures columns with its own font metrics, so horizontal
    positions are only compared loosely. It does not carry macro arguments
    ('CopyTimes 2' binds to no script), so those are not checked here."""
    got = lo_buttons(sheet)
    failures.check(len(got) == len(desc_sheet["buttons"]), "%d buttons, expected %d" % (
        len(got), len(desc_sheet["buttons"])))
    for b in desc_sheet["buttons"]:
        row, column = cell_at(desc_sheet, b["left"], b["top"])
        match = [g for g in got if g[0] == b["text"] and g[6] == (row, column)]
        if not failures.check(match, "no button %r starting in %r among %r" % (
                b["text"], (row, column), got)):
            continue
        label, x, y, width, height, scripts, anchor = match[0]
        failures.check(abs(y - b["top"] * HMM_PER_POINT) < 30, "button %r top %d" % (label, y))
        failures.check(abs(height - b["height"] * HMM_PER_POINT) < 30,
                       "button %r height %d" % (label, height))
        failures.check(abs(x - b["left"] * HMM_PER_POINT) < 0.1 * b["left"] * HMM_PER_POINT,
                       "button %r left %d" % (label, x))
        if " " not in b["onAction"]:
            failures.check(any(b["onAction"] in code for code in scripts),
                           "button %r runs %r, expected %s" % (label, scripts, b["onAction"]))
    return got


def basic_module(doc, name):
    libraries = doc.BasicLibraries
    for lib_name in libraries.getElementNames():
        libraries.loadLibrary(lib_name)
        lib = libraries.getByName(lib_name)
        if lib.hasByName(name):
            return lib_name, lib.getByName(name)
    return None, None


def run_copy_times(doc, day_column):
    """Runs the document's CopyTimes as the button of `day_column` would and
    returns the name of the range selected afterwards (None without the macro).
    The document must be loaded with macros allowed."""
    library, _ = basic_module(doc, "Module1")
    if library is None:
        return None
    script = doc.getScriptProvider().getScript(
        "vnd.sun.star.script:%s.Module1.CopyTimes?language=Basic&location=document" % library)
    uno.invoke(script, "invoke", ((uno.Any("long", day_column),), (), ()))
    return doc.CurrentController.getSelection().AbsoluteName


def check_lo_basic(doc, desc, failures):
    for m in desc["macroModules"]:
        if m["document"]:
            continue
        lib, source = basic_module(doc, m["name"])
        if failures.check(source is not None, "Basic module %s missing" % m["name"]):
            for sub in re.findall(r"^Sub (\w+)", m["source"], re.M):
                failures.check("Sub " + sub in source, "module %s lacks Sub %s" % (
                    m["name"], sub))


def check_with_libreoffice(office, path, desc, failures):
    """Opens the file and checks everything the description lists; returns the
    open document (the caller closes it) for further checks."""
    doc, questions = office.load(path)
    if not failures.check(doc is not None, "LibreOffice did not open the file"):
        return None
    failures.check(not questions, "the import asked: %r" % questions)
    filters = [a.Value for a in doc.getArgs() if a.Name == "FilterName"]
    failures.check(filters == ["MS Excel 97"], "read with filter %r" % filters)
    names = list(doc.Sheets.getElementNames())
    failures.check(names == [s["name"] for s in desc["sheets"]], "sheets %r" % names)
    for ds in desc["sheets"]:
        if not doc.Sheets.hasByName(ds["name"]):
            continue
        sheet = doc.Sheets.getByName(ds["name"])
        check_lo_values(sheet, ds, failures, "as loaded")
        check_lo_merges(sheet, ds, failures)
        check_lo_sizes(sheet, ds, failures)
        check_lo_validations(sheet, ds, failures)
        check_lo_page(doc, sheet, ds, failures)
        check_lo_buttons(sheet, ds, failures)
    check_lo_names(doc, desc, failures)
    check_lo_basic(doc, desc, failures)
    doc.calculateAll()
    for ds in desc["sheets"]:
        if doc.Sheets.hasByName(ds["name"]):
            check_lo_values(doc.Sheets.getByName(ds["name"]), ds, failures, "recalculated")
    return doc


# ---------------------------------------------------------------------- xlrd

def xlrd_cell_matches(book, cell, expected):
    if expected is None:
        ok = cell.ctype in (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK)
        return None if ok else "expected empty, got %r" % (cell,)
    if "e" in expected:
        ok = cell.ctype == xlrd.XL_CELL_ERROR and cell.value == FILE_ERRORS[expected["e"]]
    elif "s" in expected:
        ok = cell.ctype == xlrd.XL_CELL_TEXT and cell.value == expected["s"]
    elif "b" in expected:
        ok = cell.ctype == xlrd.XL_CELL_BOOLEAN and cell.value == int(expected["b"])
    else:
        ok = cell.ctype in (xlrd.XL_CELL_NUMBER, xlrd.XL_CELL_DATE) and close(
            cell.value, expected["n"])
    return None if ok else "expected %r, got %r" % (expected, cell)


def check_with_xlrd(path, desc, failures):
    book = xlrd.open_workbook(path, formatting_info=True, on_demand=False)
    failures.check(book.sheet_names() == [s["name"] for s in desc["sheets"]],
                   "xlrd sheets %r" % book.sheet_names())
    failures.check(book.font_list[0].name == desc["defaultFont"]["name"],
                   "xlrd default font %r" % book.font_list[0].name)
    for index, ds in enumerate(desc["sheets"]):
        sheet = book.sheet_by_index(index)
        for c in ds["cells"]:
            if c["row"] > sheet.nrows or c["col"] > sheet.ncols:
                failures.check(False, "xlrd: %s outside %dx%d" % (c["ref"], sheet.nrows, sheet.ncols))
                continue
            cell = sheet.cell(c["row"] - 1, c["col"] - 1)
            reason = xlrd_cell_matches(book, cell, c["value"])
            failures.check(reason is None, "xlrd %s: %s" % (c["ref"], reason))
            fmt = book.format_map[book.xf_list[cell.xf_index].format_key].format_str
            failures.check(fmt == c["numberFormat"] or c["numberFormat"] == "General",
                           "xlrd %s format %r, expected %r" % (c["ref"], fmt, c["numberFormat"]))
        got = sorted((r1 + 1, c1 + 1, r2, c2) for r1, r2, c1, c2 in sheet.merged_cells)
        failures.check(got == sorted(tuple(m) for m in ds["merges"]),
                       "xlrd merges %r, expected %r" % (got, ds["merges"]))
        for index_text, width in ds["columnWidths"].items():
            info = sheet.colinfo_map.get(int(index_text) - 1)
            if not failures.check(info is not None, "xlrd: no width for column %s" % index_text):
                continue
            pixels = info.width * 7 / 256.0
            failures.check(abs(pixels - column_pixels(width)) < 1,
                           "xlrd column %s: stored %d for %.3f" % (index_text, info.width, width))
        for index_text, height in ds["rowHeights"].items():
            info = sheet.rowinfo_map.get(int(index_text) - 1)
            if failures.check(info is not None, "xlrd: no height for row %s" % index_text):
                failures.check(info.height == round(height * 20),
                               "xlrd row %s: %d twips for %.2f pt" % (
                                   index_text, info.height, height))
    for index, ds in enumerate(desc["sheets"]):
        area = ds["pageSetup"]["printArea"]
        if area:
            found = [n for n in book.name_map.get("print_area", []) if n.scope == index]
            if failures.check(found, "xlrd: no Print_Area for sheet %d" % index):
                _, r1, r2, c1, c2 = found[0].area2d()
                failures.check([r1 + 1, c1 + 1, r2, c2] == area, "xlrd Print_Area %r" % (
                    (r1 + 1, c1 + 1, r2, c2),))
    for n in desc["names"]:
        found = book.name_map.get(n["name"].lower())
        if not failures.check(found, "xlrd: name %s missing" % n["name"]):
            continue
        sheet, r1, r2, c1, c2 = found[0].area2d()
        area = parse_area(n["refersTo"])
        got = (sheet.name, r1 + 1, c1 + 1, r2, c2)
        failures.check(got == area, "xlrd name %s: %r, expected %r" % (n["name"], got, area))
    return book
