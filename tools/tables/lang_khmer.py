"""Khmer character table: symbol DB rows and romaji trigger keys.

Covers every assigned character of the Khmer block U+1780-U+17FF and of the
Khmer Symbols block U+19E0-U+19FF (the lunar-date signs).

English names are the Unicode short names; consonants and vowels carry their
UNGEGN romanisation after a backslash ("KA\\k", "VOWEL SIGN AA\\a/ea"); the
lunar-date signs take their whole Unicode names (MUOY KOET ... DAP-PRAM ROC).
Japanese names are readings; the two consonant series are given in the note
(第1系 = a-series, 第2系 = o-series), and the dependent vowels give the
reading after a consonant of each series ("アー／イア"). Two characters read
alike carry what tells them apart (ឪ アウ（ov）, ឳ アウ（au）).

Trigger keys follow the common romanisation of Khmer (UNGEGN, with the
Indic-style letters of ALA-LC on g, j and b): k gives the k-sounds, c the
ch-sounds and so on. The deprecated characters (ឣ ឤ ឨ ៓ and the invisible
inherent vowels) keep their rows, so text that holds them still shows their
names, but are on no key: ឣ and ឤ look exactly like អ and អា, and text typed
with them looks right but is not found by search nor sorted in its place.
"""

DB_FILE = "DBKhmer.csv"
SCRIPT_NAME = "クメール文字"
GLYPH_FONT = "Khmer UI"

GROUPS = [
    "子音字",          # 0
    "独立母音字",      # 1
    "母音記号",        # 2
    "補助記号",        # 3
    "句読点・記号",    # 4
    "数字",            # 5
    "占い用数字",      # 6
    "太陰暦の日付記号",  # 7
]

G_CONS, G_INDEP, G_VOWEL, G_SIGN, G_PUNCT, G_DIGIT, G_DIVIN, G_LUNAR = range(8)

# The numbers 1 to 15 in the Unicode names of the lunar-date signs
# (KHMER SYMBOL MUOY KOET ... DAP-PRAM ROC).
_DAY_WORDS = ["MUOY", "PII", "BEI", "BUON", "PRAM", "PRAM-MUOY", "PRAM-PII", "PRAM-BEI",
              "PRAM-BUON", "DAP", "DAP-MUOY", "DAP-PII", "DAP-BEI", "DAP-BUON", "DAP-PRAM"]

C1 = "子音（第1系）"
C2 = "子音（第2系）"
V = "母音"
VI = "母音（独立母音字）"

ROWS = [
    # --- consonants ---
    (G_CONS, 0x1780, "KA\\k", "カー", 0, C1),
    (G_CONS, 0x1781, "KHA\\kh", "カー（有気）", 0, C1),
    (G_CONS, 0x1782, "KO\\k", "コー", 0, C2),
    (G_CONS, 0x1783, "KHO\\kh", "コー（有気）", 0, C2),
    (G_CONS, 0x1784, "NGO\\ng", "ンゴー", 0, C2),
    (G_CONS, 0x1785, "CA\\ch", "チャー", 0, C1),
    (G_CONS, 0x1786, "CHA\\chh", "チャー（有気）", 0, C1),
    (G_CONS, 0x1787, "CO\\ch", "チョー", 0, C2),
    (G_CONS, 0x1788, "CHO\\chh", "チョー（有気）", 0, C2),
    (G_CONS, 0x1789, "NYO\\nh", "ニョー", 0, C2),
    (G_CONS, 0x178A, "DA\\d", "ダー", 0, C1),
    (G_CONS, 0x178B, "TTHA\\th", "ター（有気・パーリ語由来）", 0, C1),
    (G_CONS, 0x178C, "DO\\d", "ドー", 0, C2),
    (G_CONS, 0x178D, "TTHO\\th", "トー（有気・パーリ語由来）", 0, C2),
    (G_CONS, 0x178E, "NNO\\n", "ナー（パーリ語由来）", 0, C1),
    (G_CONS, 0x178F, "TA\\t", "ター", 0, C1),
    (G_CONS, 0x1790, "THA\\th", "ター（有気）", 0, C1),
    (G_CONS, 0x1791, "TO\\t", "トー", 0, C2),
    (G_CONS, 0x1792, "THO\\th", "トー（有気）", 0, C2),
    (G_CONS, 0x1793, "NO\\n", "ノー", 0, C2),
    (G_CONS, 0x1794, "BA\\b", "バー", 0, C1),
    (G_CONS, 0x1795, "PHA\\ph", "パー（有気）", 0, C1),
    (G_CONS, 0x1796, "PO\\p", "ポー", 0, C2),
    (G_CONS, 0x1797, "PHO\\ph", "ポー（有気）", 0, C2),
    (G_CONS, 0x1798, "MO\\m", "モー", 0, C2),
    (G_CONS, 0x1799, "YO\\y", "ヨー", 0, C2),
    (G_CONS, 0x179A, "RO\\r", "ロー", 0, C2),
    (G_CONS, 0x179B, "LO\\l", "ロー（l）", 0, C2),
    (G_CONS, 0x179C, "VO\\v", "ヴォー", 0, C2),
    (G_CONS, 0x179D, "SHA\\sh", "シャー（廃字）", 0, C1 + "・サンスクリット語用"),
    (G_CONS, 0x179E, "SSO\\ss", "シャー（そり舌・廃字）", 0, C1 + "・サンスクリット語用"),
    (G_CONS, 0x179F, "SA\\s", "サー", 0, C1),
    (G_CONS, 0x17A0, "HA\\h", "ハー", 0, C1),
    (G_CONS, 0x17A1, "LA\\l", "ラー", 0, C1),
    (G_CONS, 0x17A2, "QA\\'", "アー（母音字の台）", 0, C1),

    # --- independent vowels ---
    (G_INDEP, 0x17A3, "INDEPENDENT VOWEL QAQ", "ア（非推奨・QA で代用）", 0, VI + "・非推奨"),
    (G_INDEP, 0x17A4, "INDEPENDENT VOWEL QAA", "アー（非推奨・QA と AA で代用）", 0, VI + "・非推奨"),
    (G_INDEP, 0x17A5, "INDEPENDENT VOWEL QI\\e", "エッ", 0, VI),
    (G_INDEP, 0x17A6, "INDEPENDENT VOWEL QII\\ei", "エイ", 0, VI),
    (G_INDEP, 0x17A7, "INDEPENDENT VOWEL QU\\o", "オッ", 0, VI),
    (G_INDEP, 0x17A8, "INDEPENDENT VOWEL QUK\\ok", "オック（非推奨）", 0, VI + "・非推奨"),
    (G_INDEP, 0x17A9, "INDEPENDENT VOWEL QUU\\ou", "オウ", 0, VI),
    (G_INDEP, 0x17AA, "INDEPENDENT VOWEL QUUV\\ov", "アウ（ov）", 0, VI),
    (G_INDEP, 0x17AB, "INDEPENDENT VOWEL RY\\rue", "ルッ", 0, VI),
    (G_INDEP, 0x17AC, "INDEPENDENT VOWEL RYY\\rueu", "ルー", 0, VI),
    (G_INDEP, 0x17AD, "INDEPENDENT VOWEL LY\\lue", "ルッ（l）", 0, VI),
    (G_INDEP, 0x17AE, "INDEPENDENT VOWEL LYY\\lueu", "ルー（l）", 0, VI),
    (G_INDEP, 0x17AF, "INDEPENDENT VOWEL QE\\ae", "アエ", 0, VI),
    (G_INDEP, 0x17B0, "INDEPENDENT VOWEL QAI\\ai", "アイ", 0, VI),
    (G_INDEP, 0x17B1, "INDEPENDENT VOWEL QOO TYPE ONE\\ao", "アオ", 0, VI),
    (G_INDEP, 0x17B2, "INDEPENDENT VOWEL QOO TYPE TWO\\ao", "アオ（異体）", 0, VI),
    (G_INDEP, 0x17B3, "INDEPENDENT VOWEL QAU\\au", "アウ（au）", 0, VI),

    # --- dependent vowel signs ---
    (G_VOWEL, 0x17B4, "VOWEL INHERENT AQ", "不可視の固有母音 aq（非推奨）", 1, "非推奨の不可視文字"),
    (G_VOWEL, 0x17B5, "VOWEL INHERENT AA", "不可視の固有母音 aa（非推奨）", 1, "非推奨の不可視文字"),
    (G_VOWEL, 0x17B6, "VOWEL SIGN AA\\a/ea", "アー／イア", 1, V),
    (G_VOWEL, 0x17B7, "VOWEL SIGN I\\e/i", "エ／イ", 1, V),
    (G_VOWEL, 0x17B8, "VOWEL SIGN II\\ei/i", "エイ／イー", 1, V),
    (G_VOWEL, 0x17B9, "VOWEL SIGN Y\\oe/ue", "ウ（短）", 1, V),
    (G_VOWEL, 0x17BA, "VOWEL SIGN YY\\oeu/ueu", "ウー", 1, V),
    (G_VOWEL, 0x17BB, "VOWEL SIGN U\\o/u", "オ／ウ", 1, V),
    (G_VOWEL, 0x17BC, "VOWEL SIGN UU\\ou/u", "オウ／ウー", 1, V),
    (G_VOWEL, 0x17BD, "VOWEL SIGN UA\\uo", "ウオ", 1, V),
    (G_VOWEL, 0x17BE, "VOWEL SIGN OE\\aeu/eu", "アウ／ウー", 1, V + "（子音字を囲む）"),
    (G_VOWEL, 0x17BF, "VOWEL SIGN YA\\oea/eua", "ウア", 1, V + "（子音字を囲む）"),
    (G_VOWEL, 0x17C0, "VOWEL SIGN IE\\ie", "イエ", 1, V + "（子音字を囲む）"),
    (G_VOWEL, 0x17C1, "VOWEL SIGN E\\e", "エー", 1, V + "（子音字の前に書く）"),
    (G_VOWEL, 0x17C2, "VOWEL SIGN AE\\ae/e", "アエ／エー", 1, V + "（子音字の前に書く）"),
    (G_VOWEL, 0x17C3, "VOWEL SIGN AI\\ai/ey", "アイ／エイ", 1, V + "（子音字の前に書く）"),
    (G_VOWEL, 0x17C4, "VOWEL SIGN OO\\ao/o", "アオ／オー", 1, V + "（子音字を囲む）"),
    (G_VOWEL, 0x17C5, "VOWEL SIGN AU\\au/ou", "アウ／オウ", 1, V + "（子音字を囲む）"),

    # --- signs ---
    (G_SIGN, 0x17C6, "NIKAHIT\\am/um", "ニッカヘット（アム／ウム）", 1, V + "（鼻音）"),
    (G_SIGN, 0x17C7, "REAHMUK\\ah/eah", "レアハムック（アッ／エアッ）", 1, V + "（気音）"),
    (G_SIGN, 0x17C8, "YUUKALEAPINTU", "ユコレアピントゥ（アッ）", 1, V + "（短音化）"),
    (G_SIGN, 0x17C9, "MUUSIKATOAN", "ムーセクトアン（第2系を第1系に）", 1, "系を変える記号"),
    (G_SIGN, 0x17CA, "TRIISAP", "トレイサップ（第1系を第2系に）", 1, "系を変える記号"),
    (G_SIGN, 0x17CB, "BANTOC", "バントック（短音化記号）", 1, "短音化の記号"),
    (G_SIGN, 0x17CC, "ROBAT", "ロバート（上付きの r）", 1, "記号（サンスクリット語由来）"),
    (G_SIGN, 0x17CD, "TOANDAKHIAT", "トアンダケアット（黙字記号）", 1, "黙字の記号"),
    (G_SIGN, 0x17CE, "KAKABAT", "カーカバート（感嘆記号）", 1, "記号（感嘆）"),
    (G_SIGN, 0x17CF, "AHSDA", "アッサダー（強調記号）", 1, "記号（強調）"),
    (G_SIGN, 0x17D0, "SAMYOK SANNYA", "サンヨーク・サンニャー", 1, "記号（サンスクリット語由来）"),
    (G_SIGN, 0x17D1, "VIRIAM", "ヴィリアム（ビラーマ）", 1, "記号（サンスクリット語由来）"),
    (G_SIGN, 0x17D2, "COENG", "ジューン（脚字を作る記号）", 1, "脚字（下付き字形）を作る記号"),
    (G_SIGN, 0x17D3, "BATHAMASAT", "バトアマサット（非推奨）", 1, "記号・非推奨"),
    (G_SIGN, 0x17DD, "ATTHACAN", "アッタチャン", 1, "記号"),

    # --- punctuation and other signs ---
    (G_PUNCT, 0x17D4, "KHAN", "カン（句点）", 0, "句読点"),
    (G_PUNCT, 0x17D5, "BARIYOOSAN", "バリヨーサン（章末の句点）", 0, "句読点"),
    (G_PUNCT, 0x17D6, "CAMNUC PII KUUH", "チャムノッ・ピー・コッ（コロン）", 0, "句読点"),
    (G_PUNCT, 0x17D7, "LEK TOO", "レーク・トー（繰り返し記号）", 0, "記号"),
    (G_PUNCT, 0x17D8, "BEYYAL", "ベイヤール（…など）", 0, "記号"),
    (G_PUNCT, 0x17D9, "PHNAEK MUAN", "プネーク・モアン（文書の始まり）", 0, "記号"),
    (G_PUNCT, 0x17DA, "KOOMUUT", "コームート（文書の終わり）", 0, "記号"),
    (G_PUNCT, 0x17DB, "CURRENCY SYMBOL RIEL", "リエル（通貨記号）", 0, "記号"),
    (G_PUNCT, 0x17DC, "AVAKRAHASANYA", "アヴァカラハサンニャー", 0, "記号（サンスクリット語由来）"),

    # --- digits ---
    (G_DIGIT, 0x17E0, "DIGIT ZERO\\soun", "0（ソーン）", 0, "数字"),
    (G_DIGIT, 0x17E1, "DIGIT ONE\\muoy", "1（ムオイ）", 0, "数字"),
    (G_DIGIT, 0x17E2, "DIGIT TWO\\pir", "2（ピー）", 0, "数字"),
    (G_DIGIT, 0x17E3, "DIGIT THREE\\bei", "3（バイ）", 0, "数字"),
    (G_DIGIT, 0x17E4, "DIGIT FOUR\\buon", "4（ブオン）", 0, "数字"),
    (G_DIGIT, 0x17E5, "DIGIT FIVE\\pram", "5（プラム）", 0, "数字"),
    (G_DIGIT, 0x17E6, "DIGIT SIX\\pram muoy", "6（プラム・ムオイ）", 0, "数字"),
    (G_DIGIT, 0x17E7, "DIGIT SEVEN\\pram pir", "7（プラム・ピー）", 0, "数字"),
    (G_DIGIT, 0x17E8, "DIGIT EIGHT\\pram bei", "8（プラム・バイ）", 0, "数字"),
    (G_DIGIT, 0x17E9, "DIGIT NINE\\pram buon", "9（プラム・ブオン）", 0, "数字"),

    # --- numerals used in divination (lek attak) ---
    (G_DIVIN, 0x17F0, "LEK ATTAK SON", "占い用の 0", 0, "数字（占い用）"),
    (G_DIVIN, 0x17F1, "LEK ATTAK MUOY", "占い用の 1", 0, "数字（占い用）"),
    (G_DIVIN, 0x17F2, "LEK ATTAK PII", "占い用の 2", 0, "数字（占い用）"),
    (G_DIVIN, 0x17F3, "LEK ATTAK BEI", "占い用の 3", 0, "数字（占い用）"),
    (G_DIVIN, 0x17F4, "LEK ATTAK BUON", "占い用の 4", 0, "数字（占い用）"),
    (G_DIVIN, 0x17F5, "LEK ATTAK PRAM", "占い用の 5", 0, "数字（占い用）"),
    (G_DIVIN, 0x17F6, "LEK ATTAK PRAM-MUOY", "占い用の 6", 0, "数字（占い用）"),
    (G_DIVIN, 0x17F7, "LEK ATTAK PRAM-PII", "占い用の 7", 0, "数字（占い用）"),
    (G_DIVIN, 0x17F8, "LEK ATTAK PRAM-BEI", "占い用の 8", 0, "数字（占い用）"),
    (G_DIVIN, 0x17F9, "LEK ATTAK PRAM-BUON", "占い用の 9", 0, "数字（占い用）"),

    # --- lunar date signs (Khmer Symbols block) ---
    (G_LUNAR, 0x19E0, "PATHAMASAT", "閏年の第1アーサート月", 0, "暦の記号"),
] + [
    (G_LUNAR, 0x19E0 + d, _DAY_WORDS[d - 1] + " KOET", "上弦 %d 日" % d, 0, "暦の記号")
    for d in range(1, 16)
] + [
    (G_LUNAR, 0x19F0, "TUTEYASAT", "閏年の第2アーサート月", 0, "暦の記号"),
] + [
    (G_LUNAR, 0x19F0 + d, _DAY_WORDS[d - 1] + " ROC", "下弦 %d 日" % d, 0, "暦の記号")
    for d in range(1, 16)
]

BLOCKS = [(0x1780, 0x17FF), (0x19E0, 0x19FF)]

KEYS = {
    # vowels
    "a": [0x17B6, 0x17C3, 0x17C5, 0x17C6, 0x17C7, 0x17B0, 0x17B3],
    "e": [0x17C1, 0x17C2, 0x17BE, 0x17C0, 0x17BF, 0x17AF, 0x17A5, 0x17A6],
    "i": [0x17B7, 0x17B8, 0x17C0, 0x17A5, 0x17A6],
    "o": [0x17C4, 0x17C5, 0x17BB, 0x17BC, 0x17BD, 0x17B1, 0x17B2, 0x17A7, 0x17B3],
    "u": [0x17BB, 0x17BC, 0x17BD, 0x17B9, 0x17BA, 0x17A7, 0x17A9, 0x17AA],
    # consonants
    "k": [0x1780, 0x1781, 0x1782, 0x1783],
    "g": [0x1782, 0x1784, 0x1783],
    "n": [0x1793, 0x1784, 0x1789, 0x178E],
    "c": [0x1785, 0x1786, 0x1787, 0x1788],
    "j": [0x1787, 0x1788],
    "d": [0x178A, 0x178C],
    "t": [0x178F, 0x1791, 0x1790, 0x1792, 0x178B, 0x178D],
    "b": [0x1794, 0x1796, 0x1797],
    "p": [0x1796, 0x1795, 0x1797, 0x1794],
    "m": [0x1798, 0x17C6],
    "y": [0x1799],
    "r": [0x179A, 0x17AB, 0x17AC, 0x17CC],
    "l": [0x179B, 0x17A1, 0x17AD, 0x17AE],
    "v": [0x179C],
    "w": [0x179C],
    "s": [0x179F, 0x179D, 0x179E],
    "h": [0x17A0, 0x17C7],
    "q": [0x17A2],
    # signs
    "/": [0x17D2],                                   # coeng: subscript consonants
    ":": [0x17C7, 0x17C8, 0x17D6],
    "^": [0x17C9, 0x17CA],                           # series shifters
    "'": [0x17CB, 0x17CD, 0x17CC, 0x17CE, 0x17CF, 0x17D0, 0x17D1, 0x17DD],
    ".": [0x17D4, 0x17D5],
    "=": [0x17D7],
    "~": [0x17D8],
    "*": [0x17D9, 0x17DA, 0x17DC],
    "\\": [0x17DB],
    # digits: the key's candidate n is the digit n
    "#": [0x17E1, 0x17E2, 0x17E3, 0x17E4, 0x17E5, 0x17E6, 0x17E7, 0x17E8, 0x17E9],
    "$": [0x17E0, 0x17F0],
    "%": [0x17F1, 0x17F2, 0x17F3, 0x17F4, 0x17F5, 0x17F6, 0x17F7, 0x17F8, 0x17F9],
    # lunar dates: waxing (koet) and waning (roc) days
    "[": [0x19E1, 0x19E2, 0x19E3, 0x19E4, 0x19E5, 0x19E6, 0x19E7, 0x19E8, 0x19E9],
    "{": [0x19E0, 0x19EA, 0x19EB, 0x19EC, 0x19ED, 0x19EE, 0x19EF],
    "]": [0x19F1, 0x19F2, 0x19F3, 0x19F4, 0x19F5, 0x19F6, 0x19F7, 0x19F8, 0x19F9],
    "}": [0x19F0, 0x19FA, 0x19FB, 0x19FC, 0x19FD, 0x19FE, 0x19FF],
}

DOC = """
Lower-case keys follow the common romanisation of Khmer (UNGEGN): `k` offers
ក ខ គ ឃ (first-series letters before second-series ones, plain before
aspirated), `c` offers ច ឆ ជ ឈ, `t` ត ទ ថ ធ ឋ ឍ, `n` ន ង ញ ណ. The
Indic-style letters of the ALA-LC romanisation work too: `g` for គ, ង (ng)
and ឃ, `j` for ជ ឈ, `b` for ប ព ភ. `q` gives អ alone, the bearer of the
independent vowels. The vowel keys offer the vowel signs first, then the
independent vowels: `a` ា ៃ ៅ ំ ះ, `e` េ ែ ើ ៀ ឿ, `i` ិ ី, `o` ោ ៅ ុ ូ ួ,
`u` ុ ូ ួ ឹ ឺ.

The deprecated ឣ ឤ ឨ and ៓ are on no key (their rows stay in DBKhmer.csv): ឣ
and ឤ look exactly like អ and អា, so text typed with them looks right but is
neither found by search nor sorted in its place. Type អ, or អ then ា, instead.

`/` gives the coeng ្, which makes the following consonant a subscript
(ក ្ ស gives ក្ស); `^` the series shifters ៉ ៊; `'` the other signs
above the letter (់ ៍ ៌ ...); `:` ះ ៈ ៖; `.` the full stops ។ ៕.
Digits: `#` offers ១ to ៩ as candidates 1 to 9, `$` zero ០ (and ៰), `%` the
divination numerals ៱ to ៹. The lunar-date signs are on `[` and `{` (waxing
days) and `]` and `}` (waning days).

Characters are typed in Unicode order: a vowel sign drawn to the left of its
consonant (េ ែ ៃ) is typed after the consonant.
"""

CAND = dict(FILE="CandKhmer.csv", DB="DBKhmer.csv", MODE="Alphabet_Lower", KEYS=KEYS)
CAND_EXTRA = []
