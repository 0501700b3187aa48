#!/usr/bin/env python3
"""Generate the shipped character tables in data/Tbl/ and docs/tables.md.

Every tools/tables/lang_<x>.py present is imported. Each describes one
writing system:

    DB_FILE = "DBThai.csv"          # symbol DB file written to data/Tbl/
    SCRIPT_NAME = "タイ文字"         # header line: script name
    GLYPH_FONT = "Tahoma"           # header line: glyph font
    GROUPS = ["子音字", ...]         # group names, numbered 0, 1, 2, ...
    ROWS = [(group, code, english, japanese, aux, note), ...]
    BLOCKS = [(lo, hi), ...]        # every assigned character must have a row
    CAND = None or dict(FILE=..., DB=..., MODE=..., KEYS={key: [codes]})
    CAND_EXTRA = [further such dicts]
    REACHABLE = set of codes        # optional; see below
    DOC = "markdown text"           # optional; introduces the language in
                                    # docs/tables.md (a candidate dict may
                                    # carry its own "DOC" too)

Checks (any failure stops the run before anything is written):

* every text field is encodable in code page 932 and survives a round trip,
  holds no double quote and no control character;
* English names are printable ASCII; "#$" is always followed by four
  upper-case hexadecimal digits (a name escape);
* codes are assigned characters of U+0000..U+FFFF, unique within a DB;
* every assigned character of BLOCKS has a row;
* no two rows of a DB share a Japanese name (the candidate popup shows it to
  tell candidates apart), except the capital and small form of one letter
  (English names "CAPITAL x" and "SMALL x");
* auxiliary class 1 for every combining mark (Mn, Mc, Me), 0 or 2 otherwise;
* rows stand grouped, in ascending group order (the symbol DB editor lists
  rows under their group and inserts new rows after a group's last row);
* candidate keys are trigger keys of the file's mode, at most nine
  candidates per key, no candidate twice on one key, every candidate a row
  of the paired DB, and no candidate a deprecated character (a row whose
  note contains 非推奨): it keeps its row so that text holding it still
  shows its names, but nobody should type it;
* every code in REACHABLE is offered by every candidate file paired with
  that DB. Without REACHABLE the set is derived: rows whose note contains
  子音, 母音 or 声調, and decimal digits (general category Nd), leaving out
  deprecated rows.

Usage:
    python3 tools/tables/make_tables.py           # write data/Tbl/ and docs
    python3 tools/tables/make_tables.py --check   # compare, write nothing
Options: --ucd PATH (UnicodeData.txt; default $UNICODE_DATA or
/usr/share/unicode/UnicodeData.txt from Debian's unicode-data package).
"""

from __future__ import annotations

import argparse
import importlib
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
ROOT = HERE.parents[1]
TBL_DIR = ROOT / "data" / "Tbl"
DOC_PATH = ROOT / "docs" / "tables.md"

sys.dont_write_bytecode = True  # keep tools/tables free of __pycache__
sys.path.insert(0, str(HERE))
import tblfmt  # noqa: E402

# Order of the languages in docs/tables.md; others follow alphabetically.
DOC_ORDER = ["ipa", "thai", "myanmar", "lao", "khmer", "cyrillic"]

VOWEL, CONSONANT, TONE = "母音", "子音", "声調"
DEPRECATED = "非推奨"


class Failures(Exception):
    pass


def load_modules() -> list:
    paths = sorted(HERE.glob("lang_*.py"))
    stems = [p.stem[len("lang_"):] for p in paths]

    def order(stem: str):
        return (DOC_ORDER.index(stem) if stem in DOC_ORDER else len(DOC_ORDER), stem)

    mods = []
    for stem in sorted(stems, key=order):
        name = f"lang_{stem}"
        if name in sys.modules:
            mod = importlib.reload(sys.modules[name])
        else:
            mod = importlib.import_module(name)
        mod.STEM = stem
        mods.append(mod)
    return mods


def cand_dicts(mod) -> list[dict]:
    out = []
    if getattr(mod, "CAND", None):
        out.append(mod.CAND)
    out.extend(getattr(mod, "CAND_EXTRA", None) or [])
    return out


def derived_reachable(mod, ucd: tblfmt.UCD) -> set[int]:
    if getattr(mod, "REACHABLE", None) is not None:
        return set(mod.REACHABLE)
    out = set()
    for row in mod.ROWS:
        note = row[5]
        if DEPRECATED in note:
            continue
        if VOWEL in note or CONSONANT in note or TONE in note or ucd.category(row[1]) == "Nd":
            out.add(row[1])
    return out


# ---------------------------------------------------------------------------
# Validation


def check_text(errs: list, where: str, text, english: bool = False):
    if not isinstance(text, str):
        errs.append(f"{where}: not a string: {text!r}")
        return
    prob = tblfmt.cp932_problem(text)
    if prob:
        errs.append(f"{where}: {text!r} {prob}")
    if english:
        if any(not (0x20 <= ord(ch) < 0x7F) for ch in text):
            errs.append(f"{where}: English name {text!r} is not printable ASCII (use #$XXXX escapes)")
        prob = tblfmt.escape_problem(text)
        if prob:
            errs.append(f"{where}: English name {text!r}: {prob}")


def check_db(mod, ucd: tblfmt.UCD, errs: list):
    tag = f"lang_{mod.STEM}.py"
    for attr in ("DB_FILE", "SCRIPT_NAME", "GLYPH_FONT", "GROUPS", "ROWS", "BLOCKS"):
        if not hasattr(mod, attr):
            errs.append(f"{tag}: missing {attr}")
    if any(e.startswith(f"{tag}: missing") for e in errs):
        return
    db = mod.DB_FILE
    if not (isinstance(db, str) and db.startswith("DB") and db.endswith(".csv") and "/" not in db and "\\" not in db):
        errs.append(f"{tag}: DB_FILE {db!r} must be a bare name DB*.csv")
    check_text(errs, f"{db} script name", mod.SCRIPT_NAME)
    check_text(errs, f"{db} glyph font", mod.GLYPH_FONT)
    if not mod.GROUPS:
        errs.append(f"{db}: no groups")
    for i, g in enumerate(mod.GROUPS):
        check_text(errs, f"{db} group {i}", g)
    seen: dict[int, int] = {}
    last_group = -1
    misordered = False
    used_groups = set()
    for n, row in enumerate(mod.ROWS, 1):
        where = f"{db} row {n}"
        if not (isinstance(row, tuple) and len(row) == 6):
            errs.append(f"{where}: not a 6-tuple: {row!r}")
            continue
        group, code, eng, jpn, aux, note = row
        if not isinstance(code, int) or not (0 <= code <= 0xFFFF):
            errs.append(f"{where}: code {code!r} is not in U+0000..U+FFFF")
            continue
        where = f"{db} row {n} U+{code:04X}"
        if not isinstance(group, int) or not (0 <= group < len(mod.GROUPS)):
            errs.append(f"{where}: group {group!r} out of range 0..{len(mod.GROUPS) - 1}")
        else:
            used_groups.add(group)
            if group < last_group and not misordered:
                misordered = True
                errs.append(f"{where}: group {group} after group {last_group} "
                            "(rows must stand grouped, in ascending group order)")
            last_group = max(last_group, group)
        if code in seen:
            errs.append(f"{where}: code already on row {seen[code]}")
        seen.setdefault(code, n)
        if not ucd.assigned(code):
            errs.append(f"{where}: not an assigned character in {ucd.path}")
        check_text(errs, f"{where} English", eng, english=True)
        check_text(errs, f"{where} Japanese", jpn)
        check_text(errs, f"{where} note", note)
        if isinstance(eng, str) and not eng.strip():
            errs.append(f"{where}: empty English name")
        if isinstance(jpn, str) and not jpn.strip():
            errs.append(f"{where}: empty Japanese name")
        if aux not in (0, 1, 2) or isinstance(aux, bool):
            errs.append(f"{where}: auxiliary class {aux!r} is not 0, 1 or 2")
        elif ucd.assigned(code):
            comb = ucd.is_combining(code)
            if comb and aux != 1:
                errs.append(f"{where}: combining mark ({ucd.category(code)}) needs auxiliary class 1, has {aux}")
            if not comb and aux == 1:
                errs.append(f"{where}: not a combining mark ({ucd.category(code)}) but auxiliary class 1")
    check_japanese_names(mod, errs)
    for lo, hi in mod.BLOCKS:
        missing = [c for c in ucd.assigned_in(lo, hi) if c not in seen]
        if missing:
            listed = " ".join(f"U+{c:04X}" for c in missing[:20])
            more = f" and {len(missing) - 20} more" if len(missing) > 20 else ""
            errs.append(f"{db}: block U+{lo:04X}..U+{hi:04X} lacks rows for {listed}{more}")
    for i in range(len(mod.GROUPS)):
        if i not in used_groups:
            print(f"note: {db}: group {i} {mod.GROUPS[i]!r} has no rows", file=sys.stderr)


def case_pair(eng_a: str, eng_b: str) -> bool:
    """Whether two English names are the capital and small form of one letter."""
    for a, b in ((eng_a, eng_b), (eng_b, eng_a)):
        if a.startswith("CAPITAL ") and b.startswith("SMALL ") and a[8:] == b[6:]:
            return True
    return False


def check_japanese_names(mod, errs: list):
    first: dict[str, tuple] = {}
    for row in mod.ROWS:
        if not (isinstance(row, tuple) and len(row) == 6 and isinstance(row[3], str)):
            continue
        other = first.setdefault(row[3], row)
        if other is not row and not case_pair(other[2], row[2]):
            errs.append(f"{mod.DB_FILE}: U+{other[1]:04X} and U+{row[1]:04X} share the Japanese "
                        f"name {row[3]!r}")


def check_cand(cand: dict, dbs: dict, errs: list):
    name = cand.get("FILE") if isinstance(cand, dict) else None
    if not isinstance(name, str) or not (name.startswith("Cand") and name.endswith(".csv")):
        errs.append(f"candidate file name {name!r} must be a bare name Cand*.csv")
        return
    for attr in ("DB", "MODE", "KEYS"):
        if attr not in cand:
            errs.append(f"{name}: missing {attr}")
            return
    if cand["DB"] not in dbs:
        errs.append(f"{name}: paired DB {cand['DB']!r} is not generated by any lang module")
        return
    check_text(errs, f"{name} paired DB", cand["DB"])
    if cand["MODE"] not in tblfmt.MODES:
        errs.append(f"{name}: mode {cand['MODE']!r} is not one of {tblfmt.MODES}")
        return
    allowed = tblfmt.trigger_keys(cand["MODE"])
    codes = {row[1] for row in dbs[cand["DB"]].ROWS}
    deprecated = {row[1] for row in dbs[cand["DB"]].ROWS if DEPRECATED in row[5]}
    for key, lst in cand["KEYS"].items():
        where = f"{name} key {key!r}"
        if not (isinstance(key, str) and len(key) == 1 and key in allowed):
            errs.append(f"{where}: not a trigger key of {cand['MODE']}")
            continue
        if not isinstance(lst, (list, tuple)):
            errs.append(f"{where}: candidates must be a list")
            continue
        if len(lst) > 9:
            errs.append(f"{where}: {len(lst)} candidates (at most 9)")
        real = [c for c in lst if c is not None]
        if not real:
            errs.append(f"{where}: no candidate")
        if len(set(real)) != len(real):
            errs.append(f"{where}: a candidate stands twice")
        for c in real:
            if not isinstance(c, int) or c not in codes:
                shown = f"U+{c:04X}" if isinstance(c, int) else repr(c)
                errs.append(f"{where}: candidate {shown} is not a row of {cand['DB']}")
            elif c in deprecated:
                errs.append(f"{where}: candidate U+{c:04X} is deprecated ({DEPRECATED})")


def check_reachable(mods: list, ucd: tblfmt.UCD, errs: list) -> dict:
    """Returns {cand file: (reached, required)} for the summary."""
    by_db = {m.DB_FILE: m for m in mods}
    result = {}
    for m in mods:
        for cand in cand_dicts(m):
            db_mod = by_db[cand["DB"]]
            need = derived_reachable(db_mod, ucd)
            offered = {c for lst in cand["KEYS"].values() for c in lst if c is not None}
            missing = sorted(need - offered)
            if missing:
                listed = " ".join(f"U+{c:04X}" for c in missing)
                errs.append(f"{cand['FILE']}: these letters, vowels, tone marks or digits of "
                            f"{cand['DB']} are on no key: {listed}")
            result[cand["FILE"]] = (len(need & offered), len(need))
    return result


# ---------------------------------------------------------------------------
# docs/tables.md

MD_SPECIAL = str.maketrans({
    "\\": "\\\\", "|": "\\|", "*": "\\*", "_": "\\_", "`": "\\`",
    "<": "&lt;", ">": "&gt;", "[": "\\[", "]": "\\]", "#": "\\#", "&": "&amp;",
})

DOTTED_CIRCLE = "\u25CC"


def md(text: str) -> str:
    return text.translate(MD_SPECIAL)


def glyph(code: int, ucd: tblfmt.UCD) -> str:
    ch = chr(code)
    if ucd.is_combining(code):
        ch = DOTTED_CIRCLE + ch
    elif ucd.category(code) in ("Zs", "Cf", "Cc"):
        return f"U+{code:04X}"
    return md(ch)


def md_key(key: str) -> str:
    if key == "`":
        return "`` ` ``"
    if key == "|":
        return "`\\|`"
    return f"`{key}`"


def doc_for(mods: list, ucd: tblfmt.UCD) -> str:
    out = []
    w = out.append
    w("# Character tables")
    w("")
    w("This file and the tables in `data/Tbl/` are generated by `tools/tables/make_tables.py` "
      "from the language modules `tools/tables/lang_*.py`. Do not edit them by hand: change a "
      "language module and run `python3 tools/tables/make_tables.py` (`--check` only compares).")
    w("")
    w("A **symbol DB** (`DB*.csv`) lists the characters of one writing system, one row per "
      "character: Unicode code, English name, Japanese name, auxiliary class (1 for a mark "
      "that attaches to a base letter, 0 for a character used by itself, 2 for a symbol placed "
      "between symbols) and a note. Notes that contain 母音 (vowel), 子音 (consonant) or "
      "声調 (tone) colour the character red, blue or green on the symbol tab. An English name "
      "made of two parts joined by `\\` shows the first part in the top-left and the second in "
      "the bottom-left corner of a symbol-tab cell; `#$XXXX` in an English name stands for the "
      "character U+XXXX.")
    w("")
    w("A **candidate file** (`Cand*.csv`) gives each trigger key up to nine candidates. Typing "
      "the key opens the candidate popup; digit *n* picks candidate *n*. A key with a single "
      "candidate inserts it directly when one-key input is on. Combining marks are shown "
      f"here on a dotted circle ({DOTTED_CIRCLE}); the tables hold only the mark.")
    w("")
    if ucd.version:
        w(f"Coverage was checked against the Unicode Character Database {ucd.version}.")
        w("")
    w("| Script | Symbol DB | Rows | Groups | Candidate files |")
    w("|---|---|---|---|---|")
    for m in mods:
        cands = ", ".join(f"`{c['FILE']}` ({len(non_empty(c))} keys)" for c in cand_dicts(m)) or "—"
        w(f"| {m.SCRIPT_NAME} | `{m.DB_FILE}` | {len(m.ROWS)} | {len(m.GROUPS)} | {cands} |")
    w("")
    for m in mods:
        w(f"## {m.SCRIPT_NAME} — `{m.DB_FILE}`")
        w("")
        blocks = ", ".join(f"U+{lo:04X}–U+{hi:04X}" for lo, hi in m.BLOCKS)
        w(f"Glyph font: {m.GLYPH_FONT}. Rows: {len(m.ROWS)}. Complete for: {blocks or '—'}.")
        w("")
        doc = getattr(m, "DOC", "")
        if doc:
            w(doc.strip())
            w("")
        w("### Groups")
        w("")
        w("| No | Group | Rows | Characters |")
        w("|---|---|---|---|")
        for gi, gname in enumerate(m.GROUPS):
            members = [r[1] for r in m.ROWS if r[0] == gi]
            chars = " ".join(glyph(c, ucd) for c in members)
            w(f"| {gi} | {md(gname)} | {len(members)} | {chars} |")
        w("")
        for cand in cand_dicts(m):
            write_cand_doc(w, cand, {r[1]: r for r in all_rows(mods, cand['DB'])}, ucd)
        w("<details><summary>All rows of " + m.DB_FILE + "</summary>")
        w("")
        w("| No | Code | Char | English name | Japanese name | Aux | Note |")
        w("|---|---|---|---|---|---|---|")
        for n, (g, code, eng, jpn, aux, note) in enumerate(m.ROWS, 1):
            w(f"| {n} | {code:04X} | {glyph(code, ucd)} | {md(eng)} | {md(jpn)} | {aux} | {md(note)} |")
        w("")
        w("</details>")
        w("")
    return "\n".join(out).rstrip("\n") + "\n"


def all_rows(mods: list, db: str) -> list:
    for m in mods:
        if m.DB_FILE == db:
            return m.ROWS
    return []


def non_empty(cand: dict) -> list[str]:
    return [k for k in tblfmt.KEY_LAYOUT
            if k is not None and any(c is not None for c in cand["KEYS"].get(k, []))]


def write_cand_doc(w, cand: dict, rows: dict, ucd: tblfmt.UCD):
    w(f"### `{cand['FILE']}` — keys {cand['MODE']}, paired with `{cand['DB']}`")
    w("")
    if cand.get("DOC"):
        w(cand["DOC"].strip())
        w("")
    w("Letter keys are listed in alphabet order, symbol keys after them in the order of "
      "the keyboard (the file itself holds all keys in keyboard order).")
    w("")
    w("| Key | Candidates | English names (in order) |")
    w("|---|---|---|")
    keys = non_empty(cand)
    keys = sorted(k for k in keys if k.isalpha()) + [k for k in keys if not k.isalpha()]
    for key in keys:
        lst = cand["KEYS"][key]
        chars = " ".join("·" if c is None else glyph(c, ucd) for c in lst)
        names = "; ".join(
            f"{i} —" if c is None else f"{i} {md(tblfmt.decode_escapes(rows[c][2]))}"
            for i, c in enumerate(lst, 1))
        w(f"| {md_key(key)} | {chars} | {names} |")
    w("")


# ---------------------------------------------------------------------------


def build(mods: list, ucd: tblfmt.UCD) -> tuple[dict, list]:
    errs: list[str] = []
    dbs = {}
    for m in mods:
        check_db(m, ucd, errs)
        if hasattr(m, "DB_FILE"):
            if m.DB_FILE in dbs:
                errs.append(f"{m.DB_FILE} is made by two lang modules")
            dbs[m.DB_FILE] = m
    if errs:
        raise Failures(errs)
    files = set()
    for m in mods:
        for cand in cand_dicts(m):
            check_cand(cand, dbs, errs)
            if isinstance(cand, dict) and cand.get("FILE") in files:
                errs.append(f"{cand.get('FILE')} is made twice")
            files.add(cand.get("FILE") if isinstance(cand, dict) else None)
    if errs:
        raise Failures(errs)
    reach = check_reachable(mods, ucd, errs)
    if errs:
        raise Failures(errs)

    outputs: dict[Path, bytes] = {}
    summary: list[str] = []
    for m in mods:
        lines = tblfmt.db_lines(m.SCRIPT_NAME, m.GLYPH_FONT, list(m.GROUPS), list(m.ROWS))
        outputs[TBL_DIR / m.DB_FILE] = tblfmt.encode_lines(lines)
        covered = sum(len(ucd.assigned_in(lo, hi)) for lo, hi in m.BLOCKS)
        comb = sum(1 for r in m.ROWS if r[4] == 1)
        summary.append(f"{m.DB_FILE:18} {len(m.ROWS):4} rows, {len(m.GROUPS):2} groups, "
                       f"{comb} combining (aux 1); blocks cover {covered} assigned chars")
        for cand in cand_dicts(m):
            lines = tblfmt.cand_lines(cand["DB"], cand["MODE"], cand["KEYS"])
            outputs[TBL_DIR / cand["FILE"]] = tblfmt.encode_lines(lines)
            keys = non_empty(cand)
            ncand = sum(1 for k in keys for c in cand["KEYS"][k] if c is not None)
            got, need = reach[cand["FILE"]]
            summary.append(f"{cand['FILE']:18} {len(keys):4} keys, {ncand} candidates "
                           f"-> {cand['DB']} ({cand['MODE']}); reachable {got}/{need}")
    outputs[DOC_PATH] = doc_for(mods, ucd).encode("utf-8")
    return outputs, summary


def main(argv=None) -> int:
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--check", action="store_true",
                    help="compare the generated files with those on disk; write nothing")
    ap.add_argument("--ucd", help="path of UnicodeData.txt")
    args = ap.parse_args(argv)

    try:
        ucd = tblfmt.UCD(args.ucd)
    except OSError as e:
        print(f"error: cannot read UnicodeData.txt ({e}); install Debian's unicode-data "
              "package or pass --ucd", file=sys.stderr)
        return 2
    mods = load_modules()
    if not mods:
        print("error: no tools/tables/lang_*.py found", file=sys.stderr)
        return 2
    try:
        outputs, summary = build(mods, ucd)
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
            stale.append(str(rel))
        else:
            path.parent.mkdir(parents=True, exist_ok=True)
            tmp = path.with_name(path.name + ".tmp")
            tmp.write_bytes(data)
            tmp.replace(path)
            print(f"wrote {rel}")
    for line in summary:
        print(line)
    if stale:
        for s in stale:
            print(f"out of date: {s}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
