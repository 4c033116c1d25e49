"""Checks of the .xlsx, .xlsm and .ods workbooks: openpyxl's view of the Office
Open XML files, and LibreOffice's view of every new format compared with the
same workbook's .xls as LibreOffice reads it."""

import re
import zipfile

import openpyxl

import workbook_checks as wc

FILTERS = {".xls": "MS Excel 97", ".xlsx": "Calc MS Excel 2007 XML",
           ".xlsm": "Calc MS Excel 2007 VBA XML", ".ods": "calc8"}


# ------------------------------------------------------------------ openpyxl

def check_with_openpyxl(path, desc, failures):
    """The macro project only in .xlsm, the defined names, validations, print
    area and page setup, and the buttons' macros in the drawing."""
    macro_enabled = path.endswith(".xlsm")
    book = openpyxl.load_workbook(path, keep_vba=True)
    with zipfile.ZipFile(path) as z:
        parts = z.namelist()
        vml = [z.read(n).decode("utf-8") for n in parts if n.startswith("xl/drawings/vmlDrawing")]
        types = z.read("[Content_Types].xml").decode("utf-8")
    failures.check(("xl/vbaProject.bin" in parts) == macro_enabled,
                   "%s: vbaProject.bin present %r" % (path, "xl/vbaProject.bin" in parts))
    failures.check(("macroEnabled" in types) == macro_enabled, "%s: content types %r" % (path, types))
    names = {n.name: n.attr_text for n in book.defined_names.definedName}
    for n in desc["names"]:
        failures.check(wc.parse_area(names.get(n["name"], "")) == wc.parse_area(n["refersTo"]),
                       "%s: name %s refers to %r, expected %r" % (
                           path, n["name"], names.get(n["name"]), n["refersTo"]))
    ds = desc["sheets"][0]
    sheet = book[ds["name"]]
    rules = {}
    for dv in sheet.data_validations.dataValidation:
        for cells in str(dv.sqref).split():
            rules[cells] = dv
    for v in ds["validations"]:
        for r1, c1, r2, c2 in v["ranges"]:
            for row, col in ((r1, c1), (r2, c2)):
                ref = openpyxl.utils.get_column_letter(col) + str(row)
                dv = next((d for d in sheet.data_validations.dataValidation if ref in d.sqref), None)
                if not failures.check(dv is not None, "%s: no validation at %s" % (path, ref)):
                    continue
                failures.check(dv.type == "list" and dv.formula1 == v["formula1"].lstrip("="),
                               "%s: validation at %s is %s %r" % (path, ref, dv.type, dv.formula1))
                failures.check(dv.error == v["errorMessage"] and dv.errorTitle == v["errorTitle"],
                               "%s: error text at %s" % (path, ref))
                failures.check((dv.prompt or "") == v["inputMessage"], "%s: input text at %s" % (path, ref))
    page = ds["pageSetup"]
    if page["printArea"]:
        r1, c1, r2, c2 = page["printArea"]
        want = "%s!$%s$%d:$%s$%d" % (ds["name"], openpyxl.utils.get_column_letter(c1), r1,
                                     openpyxl.utils.get_column_letter(c2), r2)
        area = sheet.print_area
        area = area[0] if isinstance(area, list) else area
        area = area if "!" in area else ds["name"] + "!" + area
        failures.check(area.replace("'", "") == want,
                       "%s: print area %r, expected %r" % (path, sheet.print_area, want))
    failures.check(sheet.page_setup.orientation == ("landscape" if page["orientation"] == 2 else "portrait"),
                   "%s: orientation %r" % (path, sheet.page_setup.orientation))
    failures.check(int(sheet.page_setup.paperSize) == page["paperSize"],
                   "%s: paper %r" % (path, sheet.page_setup.paperSize))
    if page["zoom"] is None:
        failures.check(sheet.sheet_properties.pageSetUpPr.fitToPage and
                       (sheet.page_setup.fitToWidth, sheet.page_setup.fitToHeight) in
                       ((page["fitToPagesWide"], page["fitToPagesTall"]), (None, None)),
                       "%s: fit to pages" % path)
    # Each button: its macro and the cell its top-left corner stands in, by
    # the described sizes (Excel places a button by this anchor).
    found = sorted((int(c) + 1, int(r) + 1, m) for c, r, m in re.findall(
        r"<x:Anchor>(\d+), *\d+, *(\d+),.*?</x:Anchor>.*?<x:FmlaMacro>\[0\]!(.*?)</x:FmlaMacro>",
        "".join(vml), re.S))
    wanted = sorted(wc.cell_at(ds, b["left"], b["top"])[::-1] + (b["onAction"],)
                    for b in ds["buttons"]) if macro_enabled else []
    failures.check(found == wanted, "%s: buttons (column, row, macro) %r, expected %r" % (
        path, found, wanted))


# --------------------------------------------------------------- LibreOffice

def lo_sizes(sheet, desc_sheet):
    columns, rows = sheet.getColumns(), sheet.getRows()
    return ({i: columns.getByIndex(int(i) - 1).Width for i in desc_sheet["columnWidths"]},
            {i: rows.getByIndex(int(i) - 1).Height for i in desc_sheet["rowHeights"]})


def described_sizes(desc_sheet):
    """The sizes in 1/100 mm that the .xls describes: an .ods stores lengths,
    which LibreOffice takes as they are."""
    return ({i: wc.column_pixels(w) * wc.HMM_PER_PIXEL for i, w in desc_sheet["columnWidths"].items()},
            {i: h * wc.HMM_PER_POINT for i, h in desc_sheet["rowHeights"].items()})


def check_same_sizes(path, got, want, failures):
    """Widths and heights within one pixel of the .xls's: for the Office Open
    XML files as LibreOffice reads the .xls (both count widths in characters
    of LibreOffice's fonts), for the .ods as described."""
    (widths, heights), (xls_widths, xls_heights) = got, want
    for i, w in xls_widths.items():
        failures.check(abs(widths[i] - w) <= wc.HMM_PER_PIXEL,
                       "%s: column %s is %d/100 mm wide, the .xls %d" % (path, i, widths[i], w))
    for i, h in xls_heights.items():
        failures.check(abs(heights[i] - h) <= wc.HMM_PER_PIXEL,
                       "%s: row %s is %d/100 mm high, the .xls %d" % (path, i, heights[i], h))


def controls(sheet):
    """(label, x, y, width, height) of each form control, left to right."""
    found = []
    page = sheet.DrawPage
    for i in range(page.getCount()):
        shape = page.getByIndex(i)
        if hasattr(shape, "getControl") and shape.getControl() is not None:
            found.append((shape.getControl().Label, shape.Position.X, shape.Position.Y,
                          shape.Size.Width, shape.Size.Height))
    return sorted(found, key=lambda c: c[1])


def check_buttons(path, sheet, desc_sheet, failures):
    """Button count and labels; none in .xlsx. For the .ods also places and
    sizes as described and the cells they are anchored at. LibreOffice places
    an .xlsm's buttons by its own column widths, which differ from the file's
    character widths: their anchors are checked in the file (openpyxl part)."""
    got = controls(sheet)
    want = [] if path.endswith(".xlsx") else sorted(desc_sheet["buttons"], key=lambda b: b["left"])
    if not failures.check(len(got) == len(want), "%d buttons, expected %d" % (len(got), len(want))):
        return
    failures.check(all(g[0] == b["text"] for g, b in zip(got, want)), "button labels %r" % got)
    if not path.endswith(".ods"):
        return
    for (label, x, y, width, height), b in zip(got, want):
        for what, value, points in (("left", x, b["left"]), ("top", y, b["top"]),
                                    ("width", width, b["width"]), ("height", height, b["height"])):
            failures.check(abs(value - points * wc.HMM_PER_POINT) <= wc.HMM_PER_PIXEL + 1,
                           "button %s %d/100 mm, expected %.0f" % (what, value, points * wc.HMM_PER_POINT))
    wc.check_lo_buttons(sheet, desc_sheet, failures)


def cell_looks(sheet, desc_sheet):
    """How each described cell looks in LibreOffice: shown text, fill, font,
    alignment, wrap and which edges have a line."""
    looks = {}
    for c in desc_sheet["cells"]:
        cell = sheet.getCellByPosition(c["col"] - 1, c["row"] - 1)
        edges = tuple(getattr(cell, side).OuterLineWidth + getattr(cell, side).InnerLineWidth > 0
                      for side in ("LeftBorder", "TopBorder", "RightBorder", "BottomBorder"))
        looks[c["ref"]] = (cell.getString(), cell.CellBackColor, cell.CharFontName, round(cell.CharHeight, 1),
                           cell.CharWeight > 100, cell.CharPosture.value, cell.HoriJustify.value,
                           cell.VertJustify or 3, cell.IsTextWrapped, edges)  # standard shows at the bottom
    return looks


def check_same_looks(path, got, want, failures):
    for ref, look in want.items():
        failures.check(got.get(ref) == look, "%s: %s looks %r, in the .xls %r" % (path, ref, got.get(ref), look))


def check_format(office, path, desc, xls_sizes, failures, xls_looks=None):
    """Opens one new-format file and checks it like the .xls; returns the open
    document (the caller closes it)."""
    doc, questions = office.load(path)
    if not failures.check(doc is not None, "%s: LibreOffice did not open it" % path):
        return None
    failures.check(not questions, "%s: the import asked %r" % (path, questions))
    ending = path[path.rindex("."):]
    filters = [a.Value for a in doc.getArgs() if a.Name == "FilterName"]
    failures.check(filters == [FILTERS[ending]], "%s: read with filter %r" % (path, filters))
    names = list(doc.Sheets.getElementNames())
    failures.check(names == [s["name"] for s in desc["sheets"]], "%s: sheets %r" % (path, names))
    ds = desc["sheets"][0]
    sheet = doc.Sheets.getByName(ds["name"])
    sub = wc.Failures()
    wc.check_lo_values(sheet, ds, sub, "as loaded")
    wc.check_lo_merges(sheet, ds, sub)
    wc.check_lo_validations(sheet, ds, sub)
    wc.check_lo_page(doc, sheet, ds, sub)
    wc.check_lo_names(doc, desc, sub)
    check_buttons(path, sheet, ds, sub)
    check_same_sizes(path, lo_sizes(sheet, ds), described_sizes(ds) if ending == ".ods" else xls_sizes, sub)
    if xls_looks is not None:
        check_same_looks(path, cell_looks(sheet, ds), xls_looks, sub)
    doc.calculateAll()
    wc.check_lo_values(sheet, ds, sub, "recalculated")
    failures.items += ["%s: %s" % (path, item) for item in sub.items]
    return doc


def first_button_scripts(sheet):
    """The scripts bound to the leftmost button, the one over day column 2
    (each further button stands 81 points to the right)."""
    controls = []
    page = sheet.DrawPage
    for i in range(page.getCount()):
        shape = page.getByIndex(i)
        if hasattr(shape, "getControl") and shape.getControl() is not None:
            controls.append((shape.Position.X, shape.getControl()))
    if not controls:
        return []
    model = min(controls, key=lambda c: c[0])[1]
    form = model.getParent()
    for k in range(form.getCount()):
        if form.getByIndex(k) == model:
            return [e.ScriptCode for e in form.getScriptEvents(k)]
    return []
