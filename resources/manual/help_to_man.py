#!/usr/bin/env python3
"""Writes the manual page tallyloom(1), gzipped.

The options are not written twice: they come from the built program's --help,
turned into roff and put into the hand-written page (tallyloom.1.in) at its
placeholders. The help text is read as blocks: a heading is a line at the left
margin ending in ":"; an entry is a line indented by two spaces, its term and
its description parted by two or more spaces, continued by deeper-indented
lines; any other line at the left margin is a paragraph.

Usage: help_to_man.py PROGRAM TEMPLATE VERSION OUTPUT.gz
"""
import gzip
import os
import re
import subprocess
import sys
import time


def help_text(program):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    # A sanitizer build of the program runs here too; a leak report at its
    # exit must not fail the build.
    env["ASAN_OPTIONS"] = "detect_leaks=0"
    run = subprocess.run([program, "--help"], env=env, capture_output=True, text=True)
    if run.returncode != 0:
        sys.exit(f"help_to_man: {program} --help failed ({run.returncode}): {run.stderr}")
    return run.stdout


def blocks(text):
    """(heading, [entry or paragraph]) pairs; an entry is [term, description lines]."""
    result = []
    blank = False  # a blank line ends a paragraph
    for line in text.splitlines():
        if not line.strip():
            blank = True
            continue
        indent = len(line) - len(line.lstrip(" "))
        if indent == 0 and line.endswith(":"):
            result.append((line[:-1], []))
            blank = False
            continue
        if not result:
            sys.exit(f"help_to_man: text before the first heading: {line!r}")
        items = result[-1][1]
        if indent == 0:
            if items and items[-1][0] is None and not blank:
                items[-1][1].append(line)
            else:
                items.append([None, [line]])
        elif indent == 2:
            term, *description = re.split(r"\s{2,}", line.strip(), maxsplit=1)
            items.append([term, description])
        else:
            if not items or items[-1][0] is None:
                sys.exit(f"help_to_man: continuation without an entry: {line!r}")
            items[-1][1].append(line.strip())
        blank = False
    return result


def escape(text):
    text = text.replace("\\", "\\e").replace("-", "\\-")
    # Options are not hyphenated at the end of a line; lists of words without
    # blanks may break after a comma instead.
    text = re.sub(r"(?<!\S)(?=\S*\\-)", r"\\%", text)
    text = re.sub(r",(?=\S)", r",\\:", text)
    return "\\&" + text if text[:1] in (".", "'") else text


def term_roff(term):
    """Commands and options bold, placeholders (FILE, [options]) italic."""
    words = []
    for word in term.split():
        bracketed = word.startswith("[") and word.endswith("]")
        inner = word[1:-1] if bracketed else word
        if inner.isupper() or (bracketed and not inner.startswith("-")):
            styled = f"\\fI{escape(inner)}\\fR"
        else:
            styled = f"\\fB{escape(inner)}\\fR"
        words.append(f"[{styled}]" if bracketed else styled)
    return " ".join(words)


def items_roff(items):
    lines = []
    for term, description in items:
        if term is None:
            lines.append(".PP")
        else:
            lines += [".TP", term_roff(term)]
        lines += [escape(text) for text in description]
    return lines


def section_name(heading):
    return "OPTIONS" if heading.lower().startswith("options") else heading.upper()


def main():
    program, template_path, version, output = sys.argv[1:]
    parsed = blocks(help_text(program))
    usage = [items for heading, items in parsed if heading == "Usage"]
    if not usage:
        sys.exit("help_to_man: the help text has no 'Usage:' block")
    synopsis = []
    for term, _ in usage[0]:
        if term is not None:
            synopsis += [term_roff(term), ".br"]
    sections = []
    for heading, items in parsed:
        if heading != "Usage":
            sections += [f".SH {section_name(heading)}"] + items_roff(items)

    stamp = int(os.environ.get("SOURCE_DATE_EPOCH", time.time()))
    with open(template_path, encoding="utf-8") as f:
        page = f.read()
    for key, value in {
        "@DATE@": time.strftime("%Y-%m-%d", time.gmtime(stamp)),
        "@VERSION@": version,
        "@SYNOPSIS@": "\n".join(synopsis[:-1]),
        "@COMMANDS@": "\n".join(items_roff(usage[0])),
        "@HELP_SECTIONS@": "\n".join(sections),
    }.items():
        if key not in page:
            sys.exit(f"help_to_man: the template has no {key}")
        page = page.replace(key, value)

    # Fixed time stamp and no file name inside: the same page gives the same bytes.
    with open(output, "wb") as raw, gzip.GzipFile(
        filename="", mode="wb", fileobj=raw, mtime=0, compresslevel=9
    ) as packed:
        packed.write(page.encode("utf-8"))


if __name__ == "__main__":
    main()
