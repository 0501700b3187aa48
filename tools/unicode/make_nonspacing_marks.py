#!/usr/bin/env python3
"""Prints the table of nonspacing and enclosing marks (General_Category Mn
and Me) for src/lib/CombiningMarks.cpp, from Python's own Unicode database.

    python3 tools/unicode/make_nonspacing_marks.py

Paste the output over the table between the "generated" comments; the
comment above it names the Unicode version printed here.
"""
import unicodedata


def ranges():
    start = None
    for cp in range(0x110000 + 1):
        mark = cp < 0x110000 and unicodedata.category(chr(cp)) in ("Mn", "Me")
        if mark and start is None:
            start = cp
        elif not mark and start is not None:
            yield start, cp - 1
            start = None


def main():
    print(f"// Unicode {unicodedata.unidata_version}, General_Category Mn and Me.")
    line = ""
    for first, last in ranges():
        item = f"{{0x{first:04X}, 0x{last:04X}}},"
        if len(line) + len(item) + 1 > 96:
            print("    " + line.rstrip())
            line = ""
        line += item + " "
    if line:
        print("    " + line.rstrip())


if __name__ == "__main__":
    main()
