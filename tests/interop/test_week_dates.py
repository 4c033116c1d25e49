"""Day names stand over dates of their own weekday, read with xlrd from .xls
sheets made with the command line: for every first day of the week, with the
example date and with a date given on that day; the example is the first
date from 29 May 2005 on that falls on the first day, and "Week ending" is
the sheet's last day, over two weeks too. A sheet with a week end and no
week start counts its dates back from the week end. A week start on another
weekday, and a longest break that the break step does not divide, are
refused with both values named.

Skips (exit 0) when the program's `generate` command is not built."""

import datetime
import os
import sys
import tempfile

import xlrd

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import workbook_checks as wc  # noqa: E402

WORDS = ["sun", "mon", "tue", "wed", "thu", "fri", "sat"]
NAMES = ["Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"]
EXAMPLE = datetime.date(2005, 5, 29)  # a Sunday
GIVEN = datetime.date(2026, 12, 6)    # a Sunday
EPOCH = datetime.date(1899, 12, 30)   # day 0 of the 1900 date system from March 1900 on

# label, flags, the first date expected, the last date expected
CASES = []
for i, word in enumerate(WORDS):
    day = datetime.timedelta(days=i)
    CASES.append(("example-" + word, ["--first-day", word], EXAMPLE + day))
    CASES.append(("given-" + word, ["--first-day", word, "--week-start",
                                    (GIVEN + day).isoformat()], GIVEN + day))
CASES.append(("two-weeks-thu", ["--first-day", "thu", "--weeks", "2"],
              EXAMPLE + datetime.timedelta(days=4)))
CASES.append(("counted-back", ["--fields", "employee,week-end", "--weeks", "2",
                               "--week-start", "2026-12-07", "--first-day", "mon"],
              datetime.date(2026, 12, 7)))

REFUSED = [
    (["--first-day", "mon", "--week-start", "2026-12-09"],
     "2026-12-09 is a Wednesday; the week starts on Monday"),
    (["--break-step", "10", "--longest-break", "0:15"],
     "the longest break 0:15 is not a multiple of the break step of 10 minutes"),
]


def as_date(value):
    return EPOCH + datetime.timedelta(days=int(value))


def check_sheet(path, label, weeks, first, failures):
    sheet = xlrd.open_workbook(path).sheet_by_index(0)
    dates = []
    for column in range(4, 4 + 2 * 7 * weeks, 2):
        name, value = sheet.cell_value(8, column), sheet.cell_value(9, column)
        if not failures.check(isinstance(value, float) and value > 0,
                              "%s: no date under %r" % (label, name)):
            return
        dates.append(as_date(value))
        failures.check(NAMES[(as_date(value).weekday() + 1) % 7] == name,
                       "%s: %r stands over %s" % (label, name, as_date(value)))
    want = [first + datetime.timedelta(days=d) for d in range(7 * weeks)]
    failures.check(dates == want, "%s: dates %s to %s, expected %s to %s" % (
        label, dates[0], dates[-1], want[0], want[-1]))
    ends = [sheet.cell_value(4, c) for c in range(sheet.ncols)
            if sheet.cell_type(4, c) in (xlrd.XL_CELL_NUMBER, xlrd.XL_CELL_DATE)]
    failures.check(len(ends) == 1 and as_date(ends[0]) == want[-1],
                   "%s: week ending %r, expected %s" % (label, ends, want[-1]))


def checks(bin_dir, program, failures):
    with tempfile.TemporaryDirectory(prefix="tallyloom-week-dates-") as tmp:
        env = wc.private_env(tmp)
        for label, flags, first in CASES:
            path = os.path.join(tmp, label + ".xls")
            try:
                wc.generate(program, path, flags + ["--days", "all"], env)
            except RuntimeError as e:
                failures.check(False, str(e))
                continue
            weeks = int(flags[flags.index("--weeks") + 1]) if "--weeks" in flags else 1
            check_sheet(path, label, weeks, first, failures)
        for flags, words in REFUSED:
            r = wc.run([program, "generate", "--output", os.path.join(tmp, "refused.xls")] + flags,
                       env=env)
            failures.check(r.returncode == 2 and words in r.stderr and
                           not os.path.exists(os.path.join(tmp, "refused.xls")),
                           "%r: exit %d, %r" % (flags, r.returncode, r.stderr))


if __name__ == "__main__":
    sys.exit(wc.script_main("week dates", checks))
