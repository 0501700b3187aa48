#!/usr/bin/env python3
"""Copies of fonts whose GPOS mark-to-mark and mark-to-ligature lookups are
emptied, for the prefix of a 64-bit Wine session.

    wine64-fonts.py OUT_DIR FONT...

64-bit Wine 8 reads outside its glyph buffer (and the program dies with a
page fault in gdi32) when a shaped run begins with a mark that a font's
mark-to-mark or mark-to-ligature lookup covers: GPOS_apply_MarkToMark and
GPOS_apply_MarkToLigature look at the glyph before the first one, an index of
-1 held unsigned, which on 64-bit lands 8 GiB past the buffer. A rich edit that
wraps a Thai, Lao or Khmer line between a letter and its mark makes such a
run (the program's hidden rich buffers for F9 wrap at every letter). The
32-bit Wine reads a stray word instead and goes on.

The win64 session puts these copies into its prefix's Fonts folder, which
Wine reads before the system's fonts: a face of the same name and version
found later is skipped, so the prefix draws with the copy. Each font is
copied byte for byte and only its lookups of type 5 and 6 (also inside an
extension lookup, type 9) lose their subtables (a count of 0, which a font
may well have): the glyphs, the mark-to-base positioning and every other
table stay as they were; a stacked mark (a tone mark over an upper vowel)
sits where it would without those lookups. A font with no such lookup is not
copied. Prints the paths of the fonts it copied.
"""
import os
import struct
import sys

MARK_TO_LIGATURE, MARK_TO_MARK, EXTENSION = 5, 6, 9


def tables(data, base=0):
    """The table records of the sfnt at BASE: {tag: (offset, length)}."""
    count = struct.unpack_from(">H", data, base + 4)[0]
    found = {}
    for i in range(count):
        tag, _checksum, offset, length = struct.unpack_from(">4sIII", data, base + 12 + 16 * i)
        found[tag] = (offset, length)
    return found


def empty_mark_lookups(data, gpos):
    """Empties every mark-to-mark and mark-to-ligature lookup of the GPOS
    table at offset GPOS; returns how many it emptied."""
    lookup_list = gpos + struct.unpack_from(">H", data, gpos + 8)[0]
    emptied = 0
    for i in range(struct.unpack_from(">H", data, lookup_list)[0]):
        lookup = lookup_list + struct.unpack_from(">H", data, lookup_list + 2 + 2 * i)[0]
        kind, _flags, subtables = struct.unpack_from(">HHH", data, lookup)
        if kind == EXTENSION and subtables:
            first = lookup + struct.unpack_from(">H", data, lookup + 6)[0]
            kind = struct.unpack_from(">H", data, first + 2)[0]
        if kind in (MARK_TO_LIGATURE, MARK_TO_MARK) and subtables:
            struct.pack_into(">H", data, lookup + 4, 0)
            emptied += 1
    return emptied


def copy_font(path, out_dir):
    with open(path, "rb") as f:
        data = bytearray(f.read())
    if data[:4] == b"ttcf":
        count = struct.unpack_from(">I", data, 8)[0]
        bases = [struct.unpack_from(">I", data, 12 + 4 * i)[0] for i in range(count)]
    else:
        bases = [0]
    emptied = 0
    seen = set()
    for base in bases:
        gpos = tables(data, base).get(b"GPOS")
        if gpos and gpos[0] not in seen:  # faces of a collection may share one table
            seen.add(gpos[0])
            emptied += empty_mark_lookups(data, gpos[0])
    if not emptied:
        return False
    with open(os.path.join(out_dir, os.path.basename(path)), "wb") as f:
        f.write(data)
    return True


def main():
    out_dir, fonts = sys.argv[1], sys.argv[2:]
    os.makedirs(out_dir, exist_ok=True)
    for path in fonts:
        try:
            if copy_font(path, out_dir):
                print(path)
        except (OSError, struct.error) as error:
            print(f"wine64-fonts: {path}: {error}", file=sys.stderr)


if __name__ == "__main__":
    main()
