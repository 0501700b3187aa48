"""Cyrillic: DBRuss.csv (symbol DB only; Cyrillic has no candidate file).

Covers the basic Cyrillic range U+0400..U+045F: the 33 letters of the Russian
alphabet in both cases (listed in alphabet order, Ё after Е) and the letters
of Ukrainian, Belarusian, Serbian, Macedonian and Bulgarian.

Names: the English name is the Unicode character name without "CYRILLIC" and
"LETTER" ("CAPITAL A", "SMALL SHORT I"). The Japanese name is the letter's
name as Japanese learners of Russian say it (アー, ベー, ヴェー, ...); the
note tells vowel, consonant or sign, the case, and for the non-Russian
letters the languages that use them.
"""

DB_FILE = "DBRuss.csv"
SCRIPT_NAME = "キリル文字"
GLYPH_FONT = "Times New Roman"

GROUPS = ["ロシア語の文字（大文字）", "ロシア語の文字（小文字）", "その他の文字（大文字）", "その他の文字（小文字）"]

V, C, S = "母音", "子音", "記号"

# Russian alphabet in order: capital code, Japanese name, kind
_RUSSIAN = [
    (0x0410, "アー", V), (0x0411, "ベー", C), (0x0412, "ヴェー", C), (0x0413, "ゲー", C),
    (0x0414, "デー", C), (0x0415, "イェー", V), (0x0401, "ヨー", V), (0x0416, "ジェー", C),
    (0x0417, "ゼー", C), (0x0418, "イー", V), (0x0419, "イー・クラートカエ（短いイー）", "子音（半母音）"),
    (0x041A, "カー", C), (0x041B, "エリ", C), (0x041C, "エム", C), (0x041D, "エヌ", C),
    (0x041E, "オー", V), (0x041F, "ペー", C), (0x0420, "エル", C), (0x0421, "エス", C),
    (0x0422, "テー", C), (0x0423, "ウー", V), (0x0424, "エフ", C), (0x0425, "ハー", C),
    (0x0426, "ツェー", C), (0x0427, "チェー", C), (0x0428, "シャー", C), (0x0429, "シシャー", C),
    (0x042A, "硬音記号", S), (0x042B, "ウイ", V), (0x042C, "軟音記号", S), (0x042D, "エー", V),
    (0x042E, "ユー", V), (0x042F, "ヤー", V),
]

# Other letters: capital code, Japanese name, kind, languages
_OTHER = [
    (0x0400, "イェー（アクセント付き）", V, "ブルガリア語・マケドニア語のアクセント表記"),
    (0x0402, "ヂェー", C, "セルビア語"),
    (0x0403, "ギェー", C, "マケドニア語"),
    (0x0404, "イェー（ウクライナ語）", V, "ウクライナ語"),
    (0x0405, "ヅェー", C, "マケドニア語"),
    (0x0406, "イー（点付き）", V, "ウクライナ語・ベラルーシ語"),
    (0x0407, "イィー", V, "ウクライナ語"),
    (0x0408, "ヨット", "子音（半母音）", "セルビア語・マケドニア語"),
    (0x0409, "リェー", C, "セルビア語・マケドニア語"),
    (0x040A, "ニェー", C, "セルビア語・マケドニア語"),
    (0x040B, "チェー（セルビア語）", C, "セルビア語"),
    (0x040C, "キェー", C, "マケドニア語"),
    (0x040D, "イー（アクセント付き）", V, "ブルガリア語・マケドニア語のアクセント表記"),
    (0x040E, "短いウー", "子音（半母音）", "ベラルーシ語"),
    (0x040F, "ジェー（セルビア語）", C, "セルビア語・マケドニア語"),
]


def _english(code):
    names = {
        0x0400: "IE WITH GRAVE", 0x0401: "IO", 0x0402: "DJE", 0x0403: "GJE", 0x0404: "UKRAINIAN IE",
        0x0405: "DZE", 0x0406: "BYELORUSSIAN-UKRAINIAN I", 0x0407: "YI", 0x0408: "JE", 0x0409: "LJE",
        0x040A: "NJE", 0x040B: "TSHE", 0x040C: "KJE", 0x040D: "I WITH GRAVE", 0x040E: "SHORT U",
        0x040F: "DZHE",
    }
    russian = ["A", "BE", "VE", "GHE", "DE", "IE", "ZHE", "ZE", "I", "SHORT I", "KA", "EL", "EM",
               "EN", "O", "PE", "ER", "ES", "TE", "U", "EF", "HA", "TSE", "CHE", "SHA", "SHCHA",
               "HARD SIGN", "YERU", "SOFT SIGN", "E", "YU", "YA"]
    for i, n in enumerate(russian):
        names[0x0410 + i] = n
    return names[code]


def _note(kind, case, langs=None):
    if "（" in kind:                      # 子音（半母音）
        base = kind[:-1] + "、" + case
    else:
        base = kind + "（" + case
    if langs:
        base += "、" + langs
    return base + "）"


def _rows():
    rows = []
    for group, case, offset in ((0, "大文字", 0), (1, "小文字", 0x20)):
        for cap, jpn, kind in _RUSSIAN:
            code = cap + (0x50 if cap < 0x0410 and offset else offset)
            eng = ("CAPITAL " if offset == 0 else "SMALL ") + _english(cap)
            rows.append((group, code, eng, jpn, 0, _note(kind, case)))
    for group, case, offset in ((2, "大文字", 0), (3, "小文字", 0x50)):
        for cap, jpn, kind, langs in _OTHER:
            eng = ("CAPITAL " if offset == 0 else "SMALL ") + _english(cap)
            rows.append((group, cap + offset, eng, jpn, 0, _note(kind, case, langs)))
    return rows


ROWS = _rows()
BLOCKS = [(0x0400, 0x045F)]

CAND = None
CAND_EXTRA = []

DOC = """
All 96 characters of U+0400–U+045F. The Russian alphabet comes first, capitals then
small letters, in alphabet order (Ё after Е); the letters of the other languages
follow in code order. No candidate file is shipped for Cyrillic; a user can build
one on this table with the candidate editor.
"""
