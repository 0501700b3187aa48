r"""Thai: DBThai.csv, CandThai2.csv (default) and CandThai.csv (alternative).

Names: the English name is the Unicode character name without "THAI
CHARACTER" (the currency sign is just "BAHT"); where it has more than one
word, the first space becomes "\" so the symbol tab shows the letter's sound
(KO, SARA, MAI, DIGIT) in the top-left corner and the key word (KAI, AA, EK,
ZERO) in the bottom-left one. The Japanese name is the reading learners use
(コー・カイ, サラ・アー, マイ・エーク); where two letters share a reading, the
meaning of the key word (コー・カイ（鶏）, コー・カイ（卵）) or the RTGS spelling
of the vowel (サラ・ウ（ue）, サラ・ウ（u）) tells them apart. Consonant notes give the class
(中子音, 高子音, 低子音), the sound at the start and at the end of a syllable
(Royal Thai General System spelling) and the meaning of the key word.
"""

DB_FILE = "DBThai.csv"
SCRIPT_NAME = "タイ文字"
GLYPH_FONT = "Tahoma"

GROUPS = ["子音字", "母音字・母音符号", "声調記号", "その他の符号", "句読点・記号", "数字"]
G_CONS, G_VOWEL, G_TONE, G_MARK, G_PUNCT, G_DIGIT = range(6)

# code, letter name, key word, Japanese reading, class, initial, final, meaning
# class: 中 (middle), 高 (high), 低 (low); final "" = does not end a syllable.
_CONSONANTS = [
    (0x0E01, "KO", "KAI", "コー・カイ（鶏）", "中", "k", "k", "鶏"),
    (0x0E02, "KHO", "KHAI", "コー・カイ（卵）", "高", "kh", "k", "卵"),
    (0x0E03, "KHO", "KHUAT", "コー・クアット", "高", "kh", "k", "瓶（廃字）"),
    (0x0E04, "KHO", "KHWAI", "コー・クワーイ", "低", "kh", "k", "水牛"),
    (0x0E05, "KHO", "KHON", "コー・コン", "低", "kh", "k", "人（廃字）"),
    (0x0E06, "KHO", "RAKHANG", "コー・ラカン", "低", "kh", "k", "鐘"),
    (0x0E07, "NGO", "NGU", "ンゴー・ングー", "低", "ng", "ng", "蛇"),
    (0x0E08, "CHO", "CHAN", "チョー・チャーン（皿）", "中", "ch", "t", "皿"),
    (0x0E09, "CHO", "CHING", "チョー・チン", "高", "ch", "", "小さなシンバル"),
    (0x0E0A, "CHO", "CHANG", "チョー・チャーン（象）", "低", "ch", "t", "象"),
    (0x0E0B, "SO", "SO", "ソー・ソー", "低", "s", "t", "鎖"),
    (0x0E0C, "CHO", "CHOE", "チョー・チュー", "低", "ch", "", "樹木"),
    (0x0E0D, "YO", "YING", "ヨー・イン", "低", "y", "n", "女性"),
    (0x0E0E, "DO", "CHADA", "ドー・チャダー", "中", "d", "t", "冠（舞踊の冠）"),
    (0x0E0F, "TO", "PATAK", "トー・パタック", "中", "t", "t", "突き棒"),
    (0x0E10, "THO", "THAN", "トー・ターン", "高", "th", "t", "台座"),
    (0x0E11, "THO", "NANGMONTHO", "トー・ナンモントー", "低", "th（d）", "t", "モントー妃（ラーマキエンの登場人物）"),
    (0x0E12, "THO", "PHUTHAO", "トー・プータオ", "低", "th", "t", "老人"),
    (0x0E13, "NO", "NEN", "ノー・ネーン", "低", "n", "n", "見習い僧"),
    (0x0E14, "DO", "DEK", "ドー・デック", "中", "d", "t", "子ども"),
    (0x0E15, "TO", "TAO", "トー・タオ", "中", "t", "t", "亀"),
    (0x0E16, "THO", "THUNG", "トー・トゥン", "高", "th", "t", "袋"),
    (0x0E17, "THO", "THAHAN", "トー・タハーン", "低", "th", "t", "兵士"),
    (0x0E18, "THO", "THONG", "トー・トン", "低", "th", "t", "旗"),
    (0x0E19, "NO", "NU", "ノー・ヌー", "低", "n", "n", "鼠"),
    (0x0E1A, "BO", "BAIMAI", "ボー・バイマーイ", "中", "b", "p", "木の葉"),
    (0x0E1B, "PO", "PLA", "ポー・プラー", "中", "p", "p", "魚"),
    (0x0E1C, "PHO", "PHUNG", "ポー・プン", "高", "ph", "", "蜂"),
    (0x0E1D, "FO", "FA", "フォー・ファー", "高", "f", "", "蓋"),
    (0x0E1E, "PHO", "PHAN", "ポー・パーン", "低", "ph", "p", "脚付きの盆"),
    (0x0E1F, "FO", "FAN", "フォー・ファン", "低", "f", "p", "歯"),
    (0x0E20, "PHO", "SAMPHAO", "ポー・サムパオ", "低", "ph", "p", "ジャンク船"),
    (0x0E21, "MO", "MA", "モー・マー", "低", "m", "m", "馬"),
    (0x0E22, "YO", "YAK", "ヨー・ヤック", "低", "y", "i", "鬼（夜叉）"),
    (0x0E23, "RO", "RUA", "ロー・ルア", "低", "r", "n", "船"),
    (0x0E25, "LO", "LING", "ロー・リン", "低", "l", "n", "猿"),
    (0x0E27, "WO", "WAEN", "ウォー・ウェーン", "低", "w", "o", "指輪"),
    (0x0E28, "SO", "SALA", "ソー・サーラー", "高", "s", "t", "東屋"),
    (0x0E29, "SO", "RUSI", "ソー・ルースィー", "高", "s", "t", "仙人"),
    (0x0E2A, "SO", "SUA", "ソー・スア", "高", "s", "t", "虎"),
    (0x0E2B, "HO", "HIP", "ホー・ヒープ", "高", "h", "", "箱"),
    (0x0E2C, "LO", "CHULA", "ロー・チュラー", "低", "l", "n", "星形の凧"),
    (0x0E2D, "O", "ANG", "オー・アーン", "中", "無音（母音の台）", "", "たらい"),
    (0x0E2E, "HO", "NOKHUK", "ホー・ノックフーク", "低", "h", "", "ふくろう"),
]


def _consonant_note(cls, ini, fin, meaning):
    end = f"語末{fin}" if fin else "語末に来ない"
    return f"子音（{cls}子音）語頭{ini}・{end}：{meaning}"


# code, English name, Japanese name, group, note
_OTHERS = [
    # vowel letters and vowel signs
    (0x0E24, "RU", "ル（rue）", G_VOWEL, "母音字（rue・ri・roe と読む。ラッカンヤーオが付くと長いルー）"),
    (0x0E26, "LU", "ル（lue）", G_VOWEL, "母音字（lue、ほぼ廃字。ラッカンヤーオが付くと長いルー）"),
    (0x0E30, "SARA\\A", "サラ・ア", G_VOWEL, "母音（短母音a、子音の後）"),
    (0x0E31, "MAI\\HAN-AKAT", "マイ・ハンアカート", G_VOWEL, "母音（短母音a、閉音節で子音の上）"),
    (0x0E32, "SARA\\AA", "サラ・アー", G_VOWEL, "母音（長母音aa、子音の後）"),
    (0x0E33, "SARA\\AM", "サラ・アム", G_VOWEL, "母音（am、子音の後）"),
    (0x0E34, "SARA\\I", "サラ・イ", G_VOWEL, "母音（短母音i、子音の上）"),
    (0x0E35, "SARA\\II", "サラ・イー", G_VOWEL, "母音（長母音ii、子音の上）"),
    (0x0E36, "SARA\\UE", "サラ・ウ（ue）", G_VOWEL, "母音（短母音ue、唇を丸めないウ、子音の上）"),
    (0x0E37, "SARA\\UEE", "サラ・ウー（uee）", G_VOWEL, "母音（長母音uee、唇を丸めないウー、子音の上）"),
    (0x0E38, "SARA\\U", "サラ・ウ（u）", G_VOWEL, "母音（短母音u、唇を丸めるウ、子音の下）"),
    (0x0E39, "SARA\\UU", "サラ・ウー（uu）", G_VOWEL, "母音（長母音uu、唇を丸めるウー、子音の下）"),
    (0x0E40, "SARA\\E", "サラ・エー（e）", G_VOWEL, "母音（長母音e、子音の前。複合母音にも使う）"),
    (0x0E41, "SARA\\AE", "サラ・エー（ae）", G_VOWEL, "母音（長母音ae、口を広く開けるエー、子音の前）"),
    (0x0E42, "SARA\\O", "サラ・オー", G_VOWEL, "母音（長母音o、子音の前）"),
    (0x0E43, "SARA\\AI MAIMUAN", "サラ・アイ・マイムアン", G_VOWEL, "母音（ai、子音の前。20語ほどの決まった語に使う）"),
    (0x0E44, "SARA\\AI MAIMALAI", "サラ・アイ・マイマーライ", G_VOWEL, "母音（ai、子音の前）"),
    (0x0E45, "LAKKHANGYAO", "ラッカンヤーオ", G_VOWEL, "母音（ル（rue）・ル（lue）の後に付けて長いルー（rue）・ルー（lue）にする）"),
    (0x0E47, "MAITAIKHU", "マイタイクー", G_VOWEL, "母音（母音を短くする記号、子音の上）"),
    # tone marks
    (0x0E48, "MAI\\EK", "マイ・エーク", G_TONE, "声調（第1声調記号：中・高子音で低声、低子音で下声）"),
    (0x0E49, "MAI\\THO", "マイ・トー", G_TONE, "声調（第2声調記号：中・高子音で下声、低子音で高声）"),
    (0x0E4A, "MAI\\TRI", "マイ・トリー", G_TONE, "声調（第3声調記号：高声）"),
    (0x0E4B, "MAI\\CHATTAWA", "マイ・チャッタワー", G_TONE, "声調（第4声調記号：上声）"),
    # other marks
    (0x0E3A, "PHINTHU", "ピントゥ", G_MARK, "符号（パーリ語・サンスクリット語の表記で母音のない子音を示す、子音の下）"),
    (0x0E4C, "THANTHAKHAT", "タンタカート", G_MARK, "符号（黙字記号ガラン：この子音を読まない）"),
    (0x0E4D, "NIKHAHIT", "ニッカヒット", G_MARK, "符号（パーリ語・サンスクリット語の表記で鼻音を示す、子音の上）"),
    (0x0E4E, "YAMAKKAN", "ヤマッカーン", G_MARK, "符号（古いパーリ語表記で子音の連続を示す、廃用）"),
    # punctuation and signs
    (0x0E2F, "PAIYANNOI", "パイヤーンノーイ", G_PUNCT, "記号（省略記号）"),
    (0x0E3F, "BAHT", "バーツ", G_PUNCT, "記号（通貨記号バーツ）"),
    (0x0E46, "MAIYAMOK", "マイヤモック", G_PUNCT, "記号（繰り返し記号：直前の語を繰り返す）"),
    (0x0E4F, "FONGMAN", "フォンマン", G_PUNCT, "記号（段落・詩の始まりの印、古い用法）"),
    (0x0E5A, "ANGKHANKHU", "アンカンクー", G_PUNCT, "記号（章・節の終わりの印、古い用法）"),
    (0x0E5B, "KHOMUT", "コームット", G_PUNCT, "記号（文書の終わりの印、古い用法）"),
]

_DIGITS = ["スーン", "ヌン", "ソーン", "サーム", "シー", "ハー", "ホック", "チェット", "ペート", "カーオ"]
_DIGIT_EN = ["ZERO", "ONE", "TWO", "THREE", "FOUR", "FIVE", "SIX", "SEVEN", "EIGHT", "NINE"]

_COMBINING = {0x0E31, 0x0E34, 0x0E35, 0x0E36, 0x0E37, 0x0E38, 0x0E39, 0x0E3A,
              0x0E47, 0x0E48, 0x0E49, 0x0E4A, 0x0E4B, 0x0E4C, 0x0E4D, 0x0E4E}


def _rows():
    rows = []
    for code, name, word, jpn, cls, ini, fin, meaning in _CONSONANTS:
        rows.append((G_CONS, code, f"{name}\\{word}", jpn, 0, _consonant_note(cls, ini, fin, meaning)))
    for code, eng, jpn, group, note in _OTHERS:
        rows.append((group, code, eng, jpn, 1 if code in _COMBINING else 0, note))
    for d in range(10):
        rows.append((G_DIGIT, 0x0E50 + d, f"DIGIT\\{_DIGIT_EN[d]}", f"{_DIGITS[d]}（{d}）", 0, f"数字（タイ数字の{d}）"))
    rows.sort(key=lambda r: (r[0], r[1]))
    return rows


ROWS = _rows()
BLOCKS = [(0x0E01, 0x0E5B)]

# Every Thai character is on some key of both candidate files.
REACHABLE = {r[1] for r in ROWS}

# --- candidate files --------------------------------------------------------

# Keys shared by both arrangements: vowels, tone marks, other marks, signs and
# digits.
_COMMON = {
    # vowels by sound (RTGS spelling)
    "a": [0x0E32, 0x0E31, 0x0E30, 0x0E33, 0x0E44, 0x0E43],  # า ั ะ ำ ไ ใ
    "i": [0x0E34, 0x0E35],                                  # ิ ี
    "u": [0x0E38, 0x0E39, 0x0E36, 0x0E37],                  # ุ ู ึ ื
    "e": [0x0E40, 0x0E41, 0x0E47],                          # เ แ ็
    "o": [0x0E2D, 0x0E42],                                  # อ โ
    # tone marks: Shift+1..4 give mai ek, mai tho, mai tri, mai chattawa;
    # ^ offers all four
    "!": [0x0E48],
    '"': [0x0E49],
    "#": [0x0E4A],
    "$": [0x0E4B],
    "^": [0x0E48, 0x0E49, 0x0E4A, 0x0E4B],
    # other marks
    "'": [0x0E4C],                                          # ์ alone
    "@": [0x0E47, 0x0E4C, 0x0E4D, 0x0E3A, 0x0E4E],          # ็ ์ ํ ฺ ๎
    # punctuation and signs
    ".": [0x0E2F, 0x0E46, 0x0E4F, 0x0E5A, 0x0E5B],          # ฯ ๆ ๏ ๚ ๛
    "~": [0x0E46],                                          # ๆ alone
    "\\": [0x0E3F],                                         # ฿ (the yen key)
    # digits: candidate n of [ is the Thai digit n; ] gives zero
    "[": [0x0E51 + d for d in range(9)],
    "]": [0x0E50],
}

_BY_SOUND = {
    "k": [0x0E01, 0x0E02, 0x0E04, 0x0E06, 0x0E03, 0x0E05],  # ก ข ค ฆ ฃ ฅ
    "g": [0x0E07],                                          # ง
    "n": [0x0E19, 0x0E07, 0x0E13],                          # น ง ณ
    "c": [0x0E08, 0x0E0A, 0x0E09, 0x0E0C],                  # จ ช ฉ ฌ
    "j": [0x0E08],                                          # จ
    "s": [0x0E2A, 0x0E0B, 0x0E28, 0x0E29],                  # ส ซ ศ ษ
    "y": [0x0E22, 0x0E0D],                                  # ย ญ
    "d": [0x0E14, 0x0E0E, 0x0E11],                          # ด ฎ ฑ
    "t": [0x0E15, 0x0E17, 0x0E16, 0x0E18,                   # ต ท ถ ธ
          0x0E0F, 0x0E10, 0x0E11, 0x0E12],                  # ฏ ฐ ฑ ฒ
    "b": [0x0E1A],                                          # บ
    "p": [0x0E1B, 0x0E1E, 0x0E1C, 0x0E20],                  # ป พ ผ ภ
    "f": [0x0E1F, 0x0E1D],                                  # ฟ ฝ
    "m": [0x0E21],                                          # ม
    "r": [0x0E23, 0x0E24, 0x0E45],                          # ร ฤ ๅ
    "l": [0x0E25, 0x0E2C, 0x0E26, 0x0E45],                  # ล ฬ ฦ ๅ
    "w": [0x0E27],                                          # ว
    "h": [0x0E2B, 0x0E2E],                                  # ห ฮ
}

# The rows of the traditional alphabet chart (the Pali vargas), in chart
# order. `d` gives the everyday ด (of the dental row on `t`) before its own
# row, the retroflex one, which holds only letters of Pali and Sanskrit words;
# `j` gives จ alone, as in the default table.
_BY_CHART_ROW = {
    "k": [0x0E01, 0x0E02, 0x0E03, 0x0E04, 0x0E05, 0x0E06, 0x0E07],  # ก ข ฃ ค ฅ ฆ ง
    "c": [0x0E08, 0x0E09, 0x0E0A, 0x0E0B, 0x0E0C, 0x0E0D],          # จ ฉ ช ซ ฌ ญ
    "j": [0x0E08],                                                  # จ
    "d": [0x0E14, 0x0E0E, 0x0E0F, 0x0E10, 0x0E11, 0x0E12, 0x0E13],  # ด, ฎ ฏ ฐ ฑ ฒ ณ
    "t": [0x0E14, 0x0E15, 0x0E16, 0x0E17, 0x0E18, 0x0E19],          # ด ต ถ ท ธ น
    "p": [0x0E1A, 0x0E1B, 0x0E1C, 0x0E1D, 0x0E1E, 0x0E1F, 0x0E20, 0x0E21],  # บ ป ผ ฝ พ ฟ ภ ม
    "y": [0x0E22, 0x0E23, 0x0E24, 0x0E25, 0x0E26, 0x0E27, 0x0E45],  # ย ร ฤ ล ฦ ว ๅ
    "s": [0x0E28, 0x0E29, 0x0E2A, 0x0E2B, 0x0E2C, 0x0E2D, 0x0E2E],  # ศ ษ ส ห ฬ อ ฮ
}

CAND = dict(
    FILE="CandThai2.csv", DB=DB_FILE, MODE="Alphabet_Lower",
    KEYS={**_BY_SOUND, **_COMMON},
    DOC="""
The default Thai table. Consonants sit on the key of their sound in the Royal Thai
General System of Transcription (RTGS). A key is one keyboard character, so a key
gathers every letter whose RTGS spelling starts with it: `k` holds k and kh
(ก ข ค ฆ, then the obsolete ฃ ฅ), `t` holds t and th, `p` holds p and ph, `c`
holds ch, and `j` gives จ alone. Common letters come first (`n` น ง ณ, `c`
จ ช ฉ, `p` ป พ ผ, `f` ฟ ฝ), letters used mainly in Pali and Sanskrit words after
them. ง (ng) is on `g` alone and second on `n`; ฤ and ฦ with the lengthening sign ๅ
(which makes ฤๅ and ฦๅ) are on `r` and `l`.

Vowels are on the five vowel keys by their RTGS spelling (ไ ใ "ai" and ำ "am" on
`a`, ึ ื "ue" on `u`, แ "ae" on `e`, อ and โ on `o`). The tone marks are on
Shift+1 to Shift+4 (`!` mai ek, `"` mai tho, `#` mai tri, `$` mai chattawa),
each alone so it is inserted at once, and all four together on `^`. `'` gives
the silencer ์ alone, `@` all the other marks, `.` the punctuation, `~` the
repetition sign ๆ alone and `\\` (the yen key) the baht sign. Thai digits: on
`[`, candidate *n* is the digit *n*, so `[` then `5` gives ๕; `]` gives ๐.
""",
)

CAND_EXTRA = [dict(
    FILE="CandThai.csv", DB=DB_FILE, MODE="Alphabet_Lower",
    KEYS={**_BY_CHART_ROW, **_COMMON},
    DOC="""
An alternative for learners who know the alphabet chart: each consonant key holds
one row of the traditional chart (the Pali vargas), in chart order, so the
candidate number is the letter's place in its row. `k` ก–ง, `c` จ–ญ, `t` the
dental row ด–น, `p` บ–ม, `y` the sonorants ย ร ฤ ล ฦ ว with ๅ, `s` ศ–ฮ. `d`
gives the everyday ด first and then the retroflex row ฎ–ณ, whose letters are
used mainly in Pali and Sanskrit words (so there the candidate number is one
more than the place in the row); `j` gives จ alone. Vowels, tone marks, other
marks, punctuation and digits are on the same keys as in `CandThai2.csv`.
""",
)]

DOC = """
All assigned characters of the Thai block. Consonant notes give the class
(中子音 middle, 高子音 high, 低子音 low, which decides the tone), the RTGS sound at
the start (語頭) and at the end (語末) of a syllable and the meaning of the key word
of the letter's name. English names follow the Unicode names (without "THAI
CHARACTER"), split with `\\` after the first word.
"""
