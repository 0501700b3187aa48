"""Shared helpers for the table generator (make_tables.py).

Knows the on-disk shape of the two table kinds shipped in data/Tbl/:

* symbol DB files (DB*.csv): a header line, one group line per group and one
  symbol line per row;
* candidate files (Cand*.csv): a header line and one trigger line per key
  that has at least one candidate, in the order of the 95-position JIS key
  layout.

Both are written in code page 932 (Shift_JIS as Windows has it), without a
byte-order mark, with CR LF after every line including the last.

Also reads the Unicode Character Database (UnicodeData.txt) so that the
generator can check block coverage and the combining class of each row.

Standard library only.
"""

from __future__ import annotations

import os
import re

ENCODING = "cp932"
EOL = b"\r\n"

# Where Debian's unicode-data package puts the database; UNICODE_DATA
# overrides it.
DEFAULT_UCD = "/usr/share/unicode/UnicodeData.txt"

MODES = ("Alphabet_Lower", "Alphabet_Upper")

# The 95-position key layout of the candidate editor (Japanese JIS keyboard):
# 48 shifted positions, then 47 unshifted ones, row by row, left to right.
# None marks the tenth shifted position (Shift+0), which holds no character.
KEY_LAYOUT = (
    # shifted, rows 1 to 4 (13, 12, 12, 11 positions)
    ["!", '"', "#", "$", "%", "&", "'", "(", ")", None, "=", "~", "|"]
    + list("QWERTYUIOP`{")
    + list("ASDFGHJKL+*}")
    + list("ZXCVBNM<>?_")
    # unshifted, rows 1 to 4 (13, 12, 12, 10 positions)
    + list("1234567890-^\\")
    + list("qwertyuiop@[")
    + list("asdfghjkl;:]")
    + list("zxcvbnm,./")
)
assert len(KEY_LAYOUT) == 95

# The 32 symbol keys that may be trigger keys in either mode.
SYMBOL_KEYS = "!\"#$%&'()=~|`{+*}<>?_-^\\@[;:],./"
assert len(SYMBOL_KEYS) == 32


def trigger_keys(mode: str) -> set[str]:
    """The 58 trigger keys of a mode: 26 letters of its case + 32 symbols."""
    if mode == "Alphabet_Lower":
        letters = "abcdefghijklmnopqrstuvwxyz"
    elif mode == "Alphabet_Upper":
        letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
    else:
        raise ValueError(f"unknown trigger-key mode {mode!r}")
    return set(letters) | set(SYMBOL_KEYS)


def layout_index(key: str) -> int:
    """Position of a key in the 95-position layout (0-based)."""
    return KEY_LAYOUT.index(key)


def key_field(key: str) -> str:
    """The quoted key field of a trigger line; the double quote is "0022"."""
    if key == '"':
        return '"0022"'
    return '"' + key + '"'


def code_str(code: int) -> str:
    """Four upper-case hexadecimal digits."""
    return f"{code:04X}"


# ---------------------------------------------------------------------------
# Unicode Character Database


class UCD:
    """The assigned characters of UnicodeData.txt: code -> (name, category)."""

    def __init__(self, path: str | None = None):
        self.path = path or os.environ.get("UNICODE_DATA") or DEFAULT_UCD
        self.chars: dict[int, tuple[str, str]] = {}
        self.version = ""
        with open(self.path, encoding="utf-8") as f:
            first = None
            for line in f:
                fields = line.rstrip("\n").split(";")
                if len(fields) < 3:
                    continue
                code = int(fields[0], 16)
                name, cat = fields[1], fields[2]
                if name.endswith(", First>"):
                    first = code
                    continue
                if name.endswith(", Last>") and first is not None:
                    base = name[1:-len(", Last>")]
                    for c in range(first, code + 1):
                        self.chars[c] = (f"<{base}>", cat)
                    first = None
                    continue
                self.chars[code] = (name, cat)
        readme = os.path.join(os.path.dirname(self.path), "ReadMe.txt")
        try:
            with open(readme, encoding="utf-8") as f:
                m = re.search(r"Version (\d+\.\d+\.\d+)", f.read())
                if m:
                    self.version = m.group(1)
        except OSError:
            pass

    def assigned(self, code: int) -> bool:
        return code in self.chars

    def name(self, code: int) -> str:
        return self.chars.get(code, ("", ""))[0]

    def category(self, code: int) -> str:
        return self.chars.get(code, ("", "Cn"))[1]

    def is_combining(self, code: int) -> bool:
        return self.category(code) in ("Mn", "Mc", "Me")

    def assigned_in(self, lo: int, hi: int) -> list[int]:
        return [c for c in range(lo, hi + 1) if c in self.chars]


# ---------------------------------------------------------------------------
# Text checks

_ESCAPE = re.compile(r"#\$")
_HEX4 = re.compile(r"[0-9A-F]{4}")


def cp932_problem(text: str) -> str | None:
    """Why text cannot be stored in a cp932 table field, or None."""
    if '"' in text:
        return "contains a double quote"
    if any(ord(ch) < 0x20 or ord(ch) == 0x7F for ch in text):
        return "contains a control character"
    try:
        raw = text.encode(ENCODING)
    except UnicodeEncodeError as e:
        return f"character {text[e.start]!r} (U+{ord(text[e.start]):04X}) is not in code page 932"
    if raw.decode(ENCODING) != text:
        return "does not survive a round trip through code page 932"
    return None


def escape_problem(name: str) -> str | None:
    """Why an English name's #$ escapes would not decode as meant, or None."""
    for m in _ESCAPE.finditer(name):
        if not _HEX4.fullmatch(name[m.end():m.end() + 4]):
            return f"'#$' at offset {m.start()} is not followed by four upper-case hex digits"
    return None


def decode_escapes(name: str) -> str:
    """Decode #$XXXX name escapes the way the input engine does."""
    out = name
    while True:
        i = out.find("#$")
        if i < 0:
            return out
        tail = out[i + 2:i + 6]
        if len(out) - i >= 6 and _HEX4.fullmatch(tail):
            out = out[:i] + chr(int(tail, 16)) + out[i + 6:]
        else:
            out = out[:i] + out[i + 2:]


# ---------------------------------------------------------------------------
# Writers (pure: they return bytes)


def encode_lines(lines: list[str]) -> bytes:
    """Lines in code page 932 with CR LF after every line."""
    return b"".join(line.encode(ENCODING) + EOL for line in lines)


def db_lines(script: str, font: str, groups: list[str], rows: list[tuple]) -> list[str]:
    """The lines of a symbol DB file.

    rows: (group, code, english, japanese, aux, note) tuples in row order.
    """
    lines = [f'"{script}","{font}"']
    for i, g in enumerate(groups):
        lines.append(f'Group,{i},"{g}"')
    for group, code, eng, jpn, aux, note in rows:
        lines.append(f'{group},"{code_str(code)}","{eng}","{jpn}","{aux}","{note}"')
    return lines


def cand_lines(db_file: str, mode: str, keys: dict[str, list]) -> list[str]:
    """The lines of a candidate file, trigger lines in key-layout order.

    keys: key -> list of up to nine codes (None for an empty position).
    Keys without any candidate are not written.
    """
    lines = [f'"{db_file}",{mode}']
    for key in KEY_LAYOUT:
        if key is None or key not in keys:
            continue
        cands = list(keys[key])
        if not any(c is not None for c in cands):
            continue
        cands += [None] * (9 - len(cands))
        fields = [key_field(key)] + ["" if c is None else code_str(c) for c in cands]
        lines.append(",".join(fields))
    return lines
