#!/usr/bin/env python3
"""Generate the sample word books of the installation image and docs/samples.md.

Every tools/wordbooks/words_<x>.py present is imported. Each describes the
books of one language:

    LANGUAGE = "タイ語"              # shown in docs/samples.md
    DB_FILE = "DBThai.csv"          # symbol DB (data/Tbl) the words are checked against
    FOLDERS = ("bookA", "bookG")    # its ordinary and its dictionary folder
    BOOKS = [dict(FOLDER="bookA", FILE="Thai01_Greetings.utx",
                  TITLE="タイ語 あいさつ", GROUP="あいさつ",
                  WORDS=[(word, ipa, kana, japanese, note), ...]), ...]
    MISORDERED = [(regex, what)]    # optional: sequences typing never stores
    PARTICLES = [(spelling, (ipa, ...)), ...]  # optional: the particles,
    PARTICLE_SPLIT = "." or " "     # how the IPA parts them from the word before
    LONGER_SYLLABLE = regex         # optional: what, after a particle's spelling,
                                    # makes it the start of a longer syllable
    DOC = "markdown text"           # the transcription conventions

A book becomes data/<FOLDER>/<FILE>, a word book as the program writes it:
UTF-16 LE with the mark FF FE, CR LF after every line (the last one too);
line 1 the title, line 2 the group, line 3 the audio folder (empty), then one
line per word of seven quoted fields joined by commas: word, IPA, kana,
Japanese, note, audio file (empty), text colour (empty). A double quote in
fields 1 to 6 would be stored as "#$22"; the books hold none.

Checks (any failure stops the run before anything is written):

* the folder is one of the language's two; every language has books in both;
  file names are ASCII letters, digits and "_" with ".utx", one per name;
* the title is set; the group is a line of data/Sys/GroupName.txt;
* an ordinary book holds 20 to 40 words, a dictionary book 40 to 60, no word
  twice in one book;
* word, IPA, kana and Japanese are set; no field has a control character,
  "#$", a double quote, or spaces at its ends or doubled;
* every character of a word is a row of the language's symbol DB, or a
  space; the word is in Unicode normal form C and matches none of the
  module's MISORDERED patterns (the stored order of vowels, tone marks,
  medials and subscripts that typing gives);
* every character of the IPA is a row of data/Tbl/DBPhonet.csv, or a space.
  The IPA is stored decomposed (normal form D: a base letter, then its
  combining marks), as the program's phonetic input types it; the word lists
  may spell it either way;
* the kana is katakana or hiragana, "ー", "・" and spaces.

Checks that each language splits its IPA one way (split_problems): in the IPA
"." parts the syllables of a word and a space parts words, and

* the kana has a space where the IPA has one and nowhere else (as many
  space-separated parts);
* a word spelled the same in two entries has the same IPA, and where an
  entry's spelling holds another entry's word and its IPA holds that word's
  syllables, they are parted as that word parts them (ເປັນຫຍັງ `pěn.ɲǎŋ` is
  `pěn.ɲǎŋ` in ບໍ່ເປັນຫຍັງ too);
* each particle of the module's PARTICLES (its spelling, the IPA syllables it
  is read as) that a word's spelling holds, not followed by LONGER_SYLLABLE,
  is read as one of those syllables, parted from the syllable before it by
  PARTICLE_SPLIT: "." joins it to the word before (Burmese), " " makes it a
  word of its own (Thai, Lao, Khmer); it may also open the IPA.

Files with the extension .utx in the eight folders that no module makes are
removed (reported by --check).

Usage:
    python3 tools/wordbooks/make_sample_books.py           # write data/ and docs
    python3 tools/wordbooks/make_sample_books.py --check   # compare, write nothing
"""

from __future__ import annotations

import argparse
import csv
import importlib
import re
import sys
import unicodedata
from pathlib import Path

HERE = Path(__file__).resolve().parent
ROOT = HERE.parents[1]
DATA_DIR = ROOT / "data"
TBL_DIR = DATA_DIR / "Tbl"
GROUP_FILE = DATA_DIR / "Sys" / "GroupName.txt"
DOC_PATH = ROOT / "docs" / "samples.md"
PHONETIC_DB = "DBPhonet.csv"

sys.dont_write_bytecode = True  # keep tools/wordbooks free of __pycache__
sys.path.insert(0, str(HERE))

# The sample folders of the image, in the order the program copies them.
FOLDERS = ["bookA", "bookG", "MyanmarA", "MyanmarG", "LaosA", "LaosG", "KhmerA", "KhmerG"]
LANG_ORDER = ["thai", "myanmar", "lao", "khmer"]

ORDINARY_WORDS = (20, 40)
DICTIONARY_WORDS = (40, 60)

FILE_NAME = re.compile(r"[A-Za-z0-9_]+\.utx")
ANSI = "cp932"
BOM = b"\xff\xfe"
EOL = "\r\n"


class Failures(Exception):
    pass


# ---------------------------------------------------------------------------
# Inputs


def load_modules() -> list:
    stems = [p.stem[len("words_"):] for p in sorted(HERE.glob("words_*.py"))]

    def order(stem: str):
        return (LANG_ORDER.index(stem) if stem in LANG_ORDER else len(LANG_ORDER), stem)

    mods = []
    for stem in sorted(stems, key=order):
        mod = importlib.import_module(f"words_{stem}")
        mod.STEM = stem
        mods.append(mod)
    return mods


def read_symbol_db(name: str) -> set[str]:
    """The characters of a symbol DB: the code of every six-field line."""
    chars = set()
    text = (TBL_DIR / name).read_bytes().decode(ANSI)
    for fields in csv.reader(text.splitlines()):
        if len(fields) == 6 and re.fullmatch(r"[0-9A-F]{4}", fields[1]):
            chars.add(chr(int(fields[1], 16)))
    if not chars:
        raise Failures([f"{name}: no symbol rows in {TBL_DIR / name}"])
    return chars


def read_groups() -> list[str]:
    return GROUP_FILE.read_bytes().decode(ANSI).splitlines()


# ---------------------------------------------------------------------------
# Validation


def is_kana(ch: str) -> bool:
    code = ord(ch)
    return (0x3041 <= code <= 0x3096 or 0x30A1 <= code <= 0x30FA or ch in "ー・ \u3000")


def check_field(errs: list, where: str, name: str, text) -> bool:
    if not isinstance(text, str):
        errs.append(f"{where}: {name} is not a string: {text!r}")
        return False
    if any(unicodedata.category(ch) in ("Cc", "Cf") for ch in text):
        errs.append(f"{where}: {name} {text!r} holds a control or format character")
    if "#$" in text:
        errs.append(f"{where}: {name} {text!r} holds '#$', which the reader takes for an escape")
    if '"' in text:
        errs.append(f"{where}: {name} {text!r} holds a double quote")
    if text != text.strip() or "  " in text:
        errs.append(f"{where}: {name} {text!r} has spaces at an end or doubled")
    return True


def check_chars(errs: list, where: str, name: str, text: str, allowed: set[str], table: str):
    bad = sorted({ch for ch in text if ch != " " and ch not in allowed})
    if bad:
        listed = " ".join(f"U+{ord(ch):04X}" for ch in bad)
        errs.append(f"{where}: {name} {text!r}: not in {table}: {listed}")


def stored_ipa(ipa: str) -> str:
    return unicodedata.normalize("NFD", ipa)


def check_book(mod, book, dbs: dict, groups: list[str], errs: list, names: set):
    tag = f"words_{mod.STEM}.py"
    if not isinstance(book, dict):
        errs.append(f"{tag}: a book is not a dict: {book!r}")
        return
    missing = [k for k in ("FOLDER", "FILE", "TITLE", "GROUP", "WORDS") if k not in book]
    if missing:
        errs.append(f"{tag}: book {book.get('FILE')!r} lacks {', '.join(missing)}")
        return
    folder, file = book["FOLDER"], book["FILE"]
    where = f"{folder}/{file}"
    if folder not in mod.FOLDERS:
        errs.append(f"{where}: folder is not one of {mod.FOLDERS}")
    if not (isinstance(file, str) and FILE_NAME.fullmatch(file)):
        errs.append(f"{where}: file name must be ASCII letters, digits or _ with .utx")
    key = (folder, str(file).lower())
    if key in names:
        errs.append(f"{where}: made twice")
    names.add(key)
    title, group = book["TITLE"], book["GROUP"]
    if check_field(errs, where, "title", title) and not title:
        errs.append(f"{where}: empty title")
    if group not in groups:
        errs.append(f"{where}: group {group!r} is not a line of {GROUP_FILE.relative_to(ROOT)}")

    words = book["WORDS"]
    lo, hi = DICTIONARY_WORDS if folder == mod.FOLDERS[1] else ORDINARY_WORDS
    if not (lo <= len(words) <= hi):
        errs.append(f"{where}: {len(words)} words (between {lo} and {hi} wanted)")
    seen = {}
    script = dbs[mod.DB_FILE]
    phonetic = dbs[PHONETIC_DB]
    for n, entry in enumerate(words, 1):
        at = f"{where} word {n}"
        if not (isinstance(entry, tuple) and len(entry) == 5):
            errs.append(f"{at}: not a 5-tuple (word, ipa, kana, japanese, note): {entry!r}")
            continue
        word, ipa, kana, japanese, note = entry
        at = f"{where} word {n} {word!r}"
        ok = all([check_field(errs, at, "word", word), check_field(errs, at, "IPA", ipa),
                  check_field(errs, at, "kana", kana), check_field(errs, at, "Japanese", japanese),
                  check_field(errs, at, "note", note)])
        if not ok:
            continue
        for name, text in (("word", word), ("IPA", ipa), ("kana", kana), ("Japanese", japanese)):
            if not text:
                errs.append(f"{at}: empty {name}")
        if word in seen:
            errs.append(f"{at}: already word {seen[word]}")
        seen.setdefault(word, n)
        check_chars(errs, at, "word", word, script, mod.DB_FILE)
        if unicodedata.normalize("NFC", word) != word:
            errs.append(f"{at}: not in normal form C (marks out of the stored order?)")
        for pattern, what in getattr(mod, "MISORDERED", []):
            if re.search(pattern, word):
                errs.append(f"{at}: {what}")
        check_chars(errs, at, "IPA", stored_ipa(ipa), phonetic, PHONETIC_DB)
        bad = sorted({ch for ch in kana if not is_kana(ch)})
        if bad:
            errs.append(f"{at}: kana {kana!r} holds {' '.join(f'U+{ord(c):04X}' for c in bad)}")


def ipa_parts(ipa: str) -> tuple[list[str], list[str]]:
    """The syllables of an IPA text and the separators between them ("." or " ")."""
    pieces = re.split(r"([. ])", stored_ipa(ipa))
    return pieces[0::2], pieces[1::2]


def split_problems(mod) -> list[str]:
    """Where the entries of one language split their IPA (or kana) differently."""
    errs = []
    entries = []  # (where, word, ipa)
    for book in mod.BOOKS:
        for n, (word, ipa, kana, _japanese, _note) in enumerate(book["WORDS"], 1):
            at = f"{book['FOLDER']}/{book['FILE']} word {n} {word!r}"
            entries.append((at, word, ipa))
            if len(kana.split(" ")) != len(ipa.split(" ")):
                errs.append(f"{at}: kana {kana!r} is not spaced as the IPA {ipa!r} "
                            "(a space between words, none inside one)")

    for k, (at, word, ipa) in enumerate(entries):
        syllables, seps = ipa_parts(ipa)
        for k2, (at2, word2, ipa2) in enumerate(entries):
            if word2 == word:
                if k2 < k and stored_ipa(ipa2) != stored_ipa(ipa):
                    errs.append(f"{at}: IPA {ipa!r}, but {at2} reads the same word {ipa2!r}")
                continue
            inner, inner_seps = ipa_parts(ipa2)
            if len(inner) < 2 or word2 not in word:
                continue
            for i in range(len(syllables) - len(inner) + 1):
                if syllables[i:i + len(inner)] == inner and seps[i:i + len(inner) - 1] != inner_seps:
                    errs.append(f"{at}: IPA {ipa!r} parts {word2!r} otherwise than {at2} "
                                f"({ipa2!r})")

    split = getattr(mod, "PARTICLE_SPLIT", None)
    how = {".": 'joined to the word before with "."', " ": "set apart with a space"}
    goes_on = getattr(mod, "LONGER_SYLLABLE", None)
    for spelling, readings in getattr(mod, "PARTICLES", []):
        pattern = re.escape(spelling) + (f"(?!{goes_on})" if goes_on else "")
        readings = {stored_ipa(r) for r in readings}
        for at, word, ipa in entries:
            found = len(re.findall(pattern, word))
            if not found:
                continue
            syllables, seps = ipa_parts(ipa)
            # A particle may open the IPA; one that is a word of its own also
            # has a space (or the end) after it.
            placed = sum(1 for i, s in enumerate(syllables)
                         if s in readings and (i == 0 or seps[i - 1] == split)
                         and (split == "." or i == len(seps) or seps[i] == " "))
            if placed < found:
                errs.append(f"{at}: IPA {ipa!r}: the particle {spelling} "
                            f"({' / '.join(sorted(readings))}) must be {how[split]}")
    return errs


# ---------------------------------------------------------------------------
# Output


def encode_quotes(text: str) -> str:
    return text.replace('"', "#$22")


def book_bytes(book: dict) -> bytes:
    lines = [book["TITLE"], book["GROUP"], ""]
    for word, ipa, kana, japanese, note in book["WORDS"]:
        fields = [encode_quotes(f) for f in (word, stored_ipa(ipa), kana, japanese, note, "")]
        fields.append("")  # text colour: the list's default
        lines.append(",".join(f'"{f}"' for f in fields))
    return BOM + "".join(line + EOL for line in lines).encode("utf-16-le")


MD_SPECIAL = str.maketrans({"|": "\\|", "*": "\\*", "_": "\\_", "`": "\\`", "<": "&lt;"})


def md(text: str) -> str:
    return text.translate(MD_SPECIAL)


def doc_for(mods: list) -> str:
    out = []
    w = out.append
    w("# Sample word books")
    w("")
    w("The word books in `data/bookA`, `data/bookG`, `data/MyanmarA` ... `data/KhmerG` and this "
      "file are generated by `tools/wordbooks/make_sample_books.py` from the word lists "
      "`tools/wordbooks/words_*.py`. Do not edit them by hand: change a word list and run "
      "`python3 tools/wordbooks/make_sample_books.py` (`--check` only compares). The program "
      "copies them into the user's word-book folders on the first start of each version.")
    w("")
    w("Every word is checked against the shipped tables: its letters are rows of the "
      "language's symbol DB, its IPA is made of rows of `DBPhonet.csv` (and spaces), so "
      "every character can be typed with the program's own input.")
    w("")
    w("Each language parts its IPA one way, and the generator holds every word to it: "
      "the kana has a space where the IPA has one (between words) and nowhere else, a word "
      "keeps its IPA and its split wherever it recurs, and each particle is joined to the "
      "word before or set apart as its language's section says.")
    w("")
    for m in mods:
        w(f"## {m.LANGUAGE} — `{m.FOLDERS[0]}` and `{m.FOLDERS[1]}`")
        w("")
        doc = getattr(m, "DOC", "")
        if doc:
            w(doc.strip())
            w("")
        w("| Folder | File | Title | Group | Words |")
        w("|---|---|---|---|---|")
        for b in m.BOOKS:
            w(f"| `{b['FOLDER']}` | `{b['FILE']}` | {md(b['TITLE'])} | {md(b['GROUP'])} "
              f"| {len(b['WORDS'])} |")
        w("")
    return "\n".join(out).rstrip("\n") + "\n"


def build(mods: list) -> tuple[dict, list]:
    errs: list[str] = []
    groups = read_groups()
    dbs = {PHONETIC_DB: read_symbol_db(PHONETIC_DB)}
    for m in mods:
        tag = f"words_{m.STEM}.py"
        absent = [a for a in ("LANGUAGE", "DB_FILE", "FOLDERS", "BOOKS") if not hasattr(m, a)]
        if absent:
            errs.append(f"{tag}: missing {', '.join(absent)}")
            continue
        if m.DB_FILE not in dbs:
            dbs[m.DB_FILE] = read_symbol_db(m.DB_FILE)
        if not (len(m.FOLDERS) == 2 and all(f in FOLDERS for f in m.FOLDERS)):
            errs.append(f"{tag}: FOLDERS {m.FOLDERS!r} must be two of {FOLDERS}")
            continue
        names: set = set()
        before = len(errs)
        for book in m.BOOKS:
            check_book(m, book, dbs, groups, errs, names)
        for folder in m.FOLDERS:
            if not any(isinstance(b, dict) and b.get("FOLDER") == folder for b in m.BOOKS):
                errs.append(f"{tag}: no book in {folder}")
        if getattr(m, "PARTICLES", None) and getattr(m, "PARTICLE_SPLIT", None) not in (".", " "):
            errs.append(f"{tag}: PARTICLE_SPLIT must be '.' or ' '")
        elif len(errs) == before:  # the entries are well-formed
            errs.extend(split_problems(m))
    made = [f for m in mods if hasattr(m, "FOLDERS") for f in m.FOLDERS]
    for folder in FOLDERS:
        if made.count(folder) != 1:
            errs.append(f"folder {folder} is filled by {made.count(folder)} modules (one wanted)")
    if errs:
        raise Failures(errs)

    outputs: dict[Path, bytes] = {}
    summary: list[str] = []
    for m in mods:
        for b in m.BOOKS:
            outputs[DATA_DIR / b["FOLDER"] / b["FILE"]] = book_bytes(b)
            summary.append(f"{b['FOLDER'] + '/' + b['FILE']:36} {len(b['WORDS']):3} words  "
                           f"{b['TITLE']} [{b['GROUP']}]")
    outputs[DOC_PATH] = doc_for(mods).encode("utf-8")
    return outputs, summary


def stale_books(outputs: dict) -> list[Path]:
    out = []
    for folder in FOLDERS:
        for path in sorted((DATA_DIR / folder).glob("*")):
            if path.suffix.lower() == ".utx" and path not in outputs:
                out.append(path)
    return out


def main(argv=None) -> int:
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--check", action="store_true",
                    help="compare the generated files with those on disk; write nothing")
    args = ap.parse_args(argv)

    mods = load_modules()
    if not mods:
        print("error: no tools/wordbooks/words_*.py found", file=sys.stderr)
        return 2
    try:
        outputs, summary = build(mods)
    except Failures as f:
        for e in f.args[0]:
            print(f"error: {e}", file=sys.stderr)
        print(f"{len(f.args[0])} problem(s); nothing written", file=sys.stderr)
        return 1

    stale = []
    for path, data in outputs.items():
        rel = path.relative_to(ROOT)
        old = path.read_bytes() if path.exists() else None
        if old == data:
            continue
        if args.check:
            stale.append(f"out of date: {rel}")
        else:
            path.parent.mkdir(parents=True, exist_ok=True)
            tmp = path.with_name(path.name + ".tmp")
            tmp.write_bytes(data)
            tmp.replace(path)
            print(f"wrote {rel}")
    for path in stale_books(outputs):
        rel = path.relative_to(ROOT)
        if args.check:
            stale.append(f"not made by the generator: {rel}")
        else:
            path.unlink()
            print(f"removed {rel}")
    for line in summary:
        print(line)
    if stale:
        for s in stale:
            print(s, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
