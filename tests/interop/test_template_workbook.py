"""The template workbook the program carries: LibreOffice and xlrd open it,
it has one empty sheet and the default font, and LibreOffice finds the
CopyTimes macro in it."""

import os
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from lo_session import Office  # noqa: E402
import workbook_checks as wc  # noqa: E402


def main():
    bin_dir = sys.argv[1]
    failures = wc.Failures()
    with tempfile.TemporaryDirectory(prefix="tallyloom-interop-") as tmp:
        path = os.path.join(tmp, "template.xls")
        desc = wc.describe(bin_dir, "template", path, os.path.join(tmp, "template.json"))
        failures.check([s["name"] for s in desc["sheets"]] == ["Sheet1"], "sheets of the template")
        failures.check(desc["defaultFont"] == {"name": "Arial Cyr", "size": 10},
                       "default font %r" % desc["defaultFont"])
        failures.check(not desc["sheets"][0]["cells"], "the template's sheet is not empty")
        failures.check([m["name"] for m in desc["macroModules"]] ==
                       ["ThisWorkbook", "Sheet1", "Module1"], "macro modules")
        wc.check_with_xlrd(path, desc, failures)
        with Office(time_limit=300) as office:
            doc = wc.check_with_libreoffice(office, path, desc, failures)
            if doc is not None:
                library, source = wc.basic_module(doc, "Module1")
                failures.check(source and "Sub CopyTimes(lngCol As Long)" in source,
                               "CopyTimes in LibreOffice's %r library" % library)
                doc.close(True)
    if failures.report("template"):
        print("template workbook: all checks passed")
        return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())
