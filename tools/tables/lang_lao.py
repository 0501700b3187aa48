r"""Lao: DBLao.csv and CandLao.csv.

Names: the English name is the Unicode character name without "LAO",
"LETTER" and "SIGN" (so "LAO VOWEL SIGN AA" is "VOWEL AA"); for the four
letters whose Unicode names are known mistakes (U+0E9D, U+0E9F, U+0EA3,
U+0EA5) the corrected names of NameAliases.txt are used (FO FON, FO FAY, RO,
LO). Where a name has more than one word, the first space becomes "\" so the
symbol tab shows the two parts in two corners (KHO\SUNG, VOWEL\AA,
TONE\MAI EK). The Japanese name is the letter's name with the key word of the
alphabet chart (コー・カイ) or the vowel's reading (サラ・アー); where two
letters share a reading, the meaning of the key word (コー・カイ（鶏）,
コー・カイ（卵）) or the romanised vowel (サラ・ウ（ue）, サラ・ウ（u）) tells them
apart. Signs carry their Lao name with what they do (カーナン（黙字記号）). Consonant
notes give the class (中子音, 高子音, 低子音), the sound at the start and at
the end of a syllable (common Lao romanisation) and the meaning of the key
word.
"""

DB_FILE = "DBLao.csv"
SCRIPT_NAME = "ラオス文字"
GLYPH_FONT = "Lao UI"

GROUPS = ["子音字", "パーリ語・サンスクリット語用の子音字", "母音符号", "声調記号", "その他の符号", "句読点・記号", "数字"]
G_CONS, G_PALI, G_VOWEL, G_TONE, G_MARK, G_PUNCT, G_DIGIT = range(7)

# code, English name, Japanese name, class, initial, final, key word meaning
# class: 中 (middle), 高 (high), 低 (low); final "" = does not end a syllable.
_CONSONANTS = [
    (0x0E81, "KO", "コー・カイ（鶏）", "中", "k", "k", "鶏"),
    (0x0E82, "KHO\\SUNG", "コー・カイ（卵）", "高", "kh", "", "卵"),
    (0x0E84, "KHO\\TAM", "コー・クワーイ", "低", "kh", "", "水牛"),
    (0x0E87, "NGO", "ンゴー・ングア", "低", "ng", "ng", "牛"),
    (0x0E88, "CO", "チョー・チョーク", "中", "ch（j）", "", "コップ"),
    (0x0E8A, "SO\\TAM", "ソー・サーン", "低", "x（s）", "", "象"),
    (0x0E8D, "NYO", "ニョー・ニュン", "低", "ny", "y（i）", "蚊"),
    (0x0E94, "DO", "ドー・デック", "中", "d", "t", "子ども"),
    (0x0E95, "TO", "トー・ター", "中", "t", "", "目"),
    (0x0E96, "THO\\SUNG", "トー・トン", "高", "th", "", "袋"),
    (0x0E97, "THO\\TAM", "トー・トゥン", "低", "th", "", "旗"),
    (0x0E99, "NO", "ノー・ノック", "低", "n", "n", "鳥"),
    (0x0E9A, "BO", "ボー・ベー", "中", "b", "p", "山羊"),
    (0x0E9B, "PO", "ポー・パー", "中", "p", "", "魚"),
    (0x0E9C, "PHO\\SUNG", "ポー・プン", "高", "ph", "", "蜂"),
    (0x0E9D, "FO\\FON", "フォー・フォン", "高", "f", "", "雨"),
    (0x0E9E, "PHO\\TAM", "ポー・プー", "低", "ph", "", "山"),
    (0x0E9F, "FO\\FAY", "フォー・ファイ", "低", "f", "", "火"),
    (0x0EA1, "MO", "モー・メーオ", "低", "m", "m", "猫"),
    (0x0EA2, "YO", "ヨー・ヤー", "中", "y", "", "薬"),
    (0x0EA3, "RO", "ロー・ロット", "低", "r", "", "車（主に外来語に使う）"),
    (0x0EA5, "LO", "ロー・リン", "低", "l", "", "猿"),
    (0x0EA7, "WO", "ウォー・ウィー", "低", "v（w）", "o（w）", "うちわ"),
    (0x0EAA, "SO\\SUNG", "ソー・スア", "高", "s", "", "虎"),
    (0x0EAB, "HO\\SUNG", "ホー・ハーン", "高", "h", "", "ガチョウ"),
    (0x0EAD, "O", "オー・オー", "中", "無音（母音の台）", "", "鉢"),
    (0x0EAE, "HO\\TAM", "ホー・フアン", "低", "h", "", "家"),
    (0x0EDC, "HO\\NO", "ノー（ホー・ノー）", "高", "n", "", "ホーとノーの合字"),
    (0x0EDD, "HO\\MO", "モー（ホー・モー）", "高", "m", "", "ホーとモーの合字"),
]

# Letters added for Pali, Sanskrit and Khmu: code, English, Japanese, note
_EXTRA_CONSONANTS = [
    (0x0E86, "PALI\\GHA", "パーリ・ガ（gha）", "子音（パーリ語表記用）"),
    (0x0E89, "PALI\\CHA", "パーリ・チャ（cha）", "子音（パーリ語表記用）"),
    (0x0E8C, "PALI\\JHA", "パーリ・ジャ（jha）", "子音（パーリ語表記用）"),
    (0x0E8E, "PALI\\NYA", "パーリ・ニャ（nya）", "子音（パーリ語表記用）"),
    (0x0E8F, "PALI\\TTA", "パーリ・タ（反り舌のta）", "子音（パーリ語表記用）"),
    (0x0E90, "PALI\\TTHA", "パーリ・タ（反り舌のtha）", "子音（パーリ語表記用）"),
    (0x0E91, "PALI\\DDA", "パーリ・ダ（反り舌のda）", "子音（パーリ語表記用）"),
    (0x0E92, "PALI\\DDHA", "パーリ・ダ（反り舌のdha）", "子音（パーリ語表記用）"),
    (0x0E93, "PALI\\NNA", "パーリ・ナ（反り舌のna）", "子音（パーリ語表記用）"),
    (0x0E98, "PALI\\DHA", "パーリ・ダ（dha）", "子音（パーリ語表記用）"),
    (0x0EA0, "PALI\\BHA", "パーリ・バ（bha）", "子音（パーリ語表記用）"),
    (0x0EA8, "SANSKRIT\\SHA", "サンスクリット・シャ（sha）", "子音（サンスクリット語表記用）"),
    (0x0EA9, "SANSKRIT\\SSA", "サンスクリット・シャ（反り舌のssa）", "子音（サンスクリット語表記用）"),
    (0x0EAC, "PALI\\LLA", "パーリ・ラ（反り舌のlla）", "子音（パーリ語表記用）"),
    (0x0EDE, "KHMU\\GO", "クム・ゴー", "子音（クム語表記用、g）"),
    (0x0EDF, "KHMU\\NYO", "クム・ニョー", "子音（クム語表記用、ny）"),
]


def _consonant_note(cls, ini, fin, meaning):
    end = f"語末{fin}" if fin else "語末に来ない"
    return f"子音（{cls}子音）語頭{ini}・{end}：{meaning}"


# code, English name, Japanese name, group, note
_OTHERS = [
    (0x0EB0, "VOWEL\\A", "サラ・ア", G_VOWEL, "母音（短母音a、子音の後）"),
    (0x0EB1, "VOWEL\\MAI KAN", "マイ・カン", G_VOWEL, "母音（短母音a、閉音節で子音の上）"),
    (0x0EB2, "VOWEL\\AA", "サラ・アー", G_VOWEL, "母音（長母音aa、子音の後）"),
    (0x0EB3, "VOWEL\\AM", "サラ・アム", G_VOWEL, "母音（am、子音の後）"),
    (0x0EB4, "VOWEL\\I", "サラ・イ", G_VOWEL, "母音（短母音i、子音の上）"),
    (0x0EB5, "VOWEL\\II", "サラ・イー", G_VOWEL, "母音（長母音ii、子音の上）"),
    (0x0EB6, "VOWEL\\Y", "サラ・ウ（ue）", G_VOWEL, "母音（短母音ue、唇を丸めないウ、子音の上）"),
    (0x0EB7, "VOWEL\\YY", "サラ・ウー（uee）", G_VOWEL, "母音（長母音uee、唇を丸めないウー、子音の上）"),
    (0x0EB8, "VOWEL\\U", "サラ・ウ（u）", G_VOWEL, "母音（短母音u、唇を丸めるウ、子音の下）"),
    (0x0EB9, "VOWEL\\UU", "サラ・ウー（uu）", G_VOWEL, "母音（長母音uu、唇を丸めるウー、子音の下）"),
    (0x0EBB, "VOWEL\\MAI KON", "マイ・コン", G_VOWEL, "母音（短母音o、閉音節で子音の上）"),
    (0x0EBC, "SEMIVOWEL\\LO", "下付きのロー", G_CONS, "子音（子音の下に付けてlを添える、子音連続）"),
    (0x0EBD, "SEMIVOWEL\\NYO", "ニョー（半母音）", G_VOWEL, "母音（二重母音iaの一部、閉音節）"),
    (0x0EC0, "VOWEL\\E", "サラ・エー（e）", G_VOWEL, "母音（長母音e、子音の前。複合母音にも使う）"),
    (0x0EC1, "VOWEL\\EI", "サラ・エー（ae）", G_VOWEL, "母音（長母音ae、口を広く開けるエー、子音の前）"),
    (0x0EC2, "VOWEL\\O", "サラ・オー", G_VOWEL, "母音（長母音o、子音の前）"),
    (0x0EC3, "VOWEL\\AY", "サラ・アイ・マイムアン", G_VOWEL, "母音（ai、子音の前。決まった語に使う）"),
    (0x0EC4, "VOWEL\\AI", "サラ・アイ・マイマーイ", G_VOWEL, "母音（ai、子音の前）"),
    (0x0ECD, "NIGGAHITA", "ニッカヒット", G_VOWEL, "母音（開音節の長母音o、口を広く開けるオー。パーリ語表記では鼻音）"),
    (0x0EC8, "TONE\\MAI EK", "マイ・エーク", G_TONE, "声調（第1声調記号）"),
    (0x0EC9, "TONE\\MAI THO", "マイ・トー", G_TONE, "声調（第2声調記号）"),
    (0x0ECA, "TONE\\MAI TI", "マイ・ティー", G_TONE, "声調（第3声調記号）"),
    (0x0ECB, "TONE\\MAI CATAWA", "マイ・チャッタワー", G_TONE, "声調（第4声調記号）"),
    (0x0EBA, "PALI\\VIRAMA", "ヴィラーマ", G_MARK, "符号（パーリ語表記で母音のない子音を示す、子音の下）"),
    (0x0ECC, "CANCELLATION\\MARK", "カーナン（黙字記号）", G_MARK, "符号（この子音を読まない）"),
    (0x0ECE, "YAMAKKAN", "ヤマッカーン", G_MARK, "符号（パーリ語表記で子音の連続を示す）"),
    (0x0EAF, "ELLIPSIS", "パイニャーンノーイ（省略記号）", G_PUNCT, "記号（省略記号）"),
    (0x0EC6, "KO\\LA", "マイ・ニョック", G_PUNCT, "記号（繰り返し記号：直前の語を繰り返す）"),
]

_DIGITS = ["スーン", "ヌン", "ソーン", "サーム", "シー", "ハー", "ホック", "チェット", "ペート", "カオ"]
_DIGIT_EN = ["ZERO", "ONE", "TWO", "THREE", "FOUR", "FIVE", "SIX", "SEVEN", "EIGHT", "NINE"]

_COMBINING = {0x0EB1, 0x0EB4, 0x0EB5, 0x0EB6, 0x0EB7, 0x0EB8, 0x0EB9, 0x0EBA, 0x0EBB,
              0x0EBC, 0x0EC8, 0x0EC9, 0x0ECA, 0x0ECB, 0x0ECC, 0x0ECD, 0x0ECE}


def _rows():
    rows = []
    for code, eng, jpn, cls, ini, fin, meaning in _CONSONANTS:
        rows.append((G_CONS, code, eng, jpn, 0, _consonant_note(cls, ini, fin, meaning)))
    for code, eng, jpn, note in _EXTRA_CONSONANTS:
        rows.append((G_PALI, code, eng, jpn, 0, note))
    for code, eng, jpn, group, note in _OTHERS:
        rows.append((group, code, eng, jpn, 1 if code in _COMBINING else 0, note))
    for d in range(10):
        rows.append((G_DIGIT, 0x0ED0 + d, f"DIGIT\\{_DIGIT_EN[d]}", f"{_DIGITS[d]}（{d}）", 0, f"数字（ラオス数字の{d}）"))
    rows.sort(key=lambda r: (r[0], r[1]))
    return rows


ROWS = _rows()
BLOCKS = [(0x0E81, 0x0EDF)]

# Every Lao character is on some key.
REACHABLE = {r[1] for r in ROWS}

CAND = dict(
    FILE="CandLao.csv", DB=DB_FILE, MODE="Alphabet_Lower",
    KEYS={
        # consonants by sound
        "k": [0x0E81, 0x0E82, 0x0E84, 0x0E86],                  # ກ ຂ ຄ ຆ
        "g": [0x0E87, 0x0EDE],                                  # ງ ໞ
        "n": [0x0E99, 0x0EDC, 0x0E87, 0x0E8D, 0x0E93, 0x0E8E, 0x0EDF],  # ນ ໜ ງ ຍ ຓ ຎ ໟ
        "c": [0x0E88, 0x0E89, 0x0E8C],                          # ຈ ຉ ຌ
        "j": [0x0E88],                                          # ຈ
        "x": [0x0E8A],                                          # ຊ
        "s": [0x0EAA, 0x0E8A, 0x0EA8, 0x0EA9],                  # ສ ຊ ຨ ຩ
        "y": [0x0EA2, 0x0E8D, 0x0EBD, 0x0E8E, 0x0EDF],          # ຢ ຍ ຽ ຎ ໟ
        "d": [0x0E94, 0x0E91, 0x0E92, 0x0E98],                  # ດ ຑ ຒ ຘ
        "t": [0x0E95, 0x0E96, 0x0E97, 0x0E8F, 0x0E90],          # ຕ ຖ ທ ຏ ຐ
        "b": [0x0E9A],                                          # ບ
        "p": [0x0E9B, 0x0E9C, 0x0E9E, 0x0EA0],                  # ປ ຜ ພ ຠ
        "f": [0x0E9F, 0x0E9D],                                  # ຟ ຝ
        "m": [0x0EA1, 0x0EDD],                                  # ມ ໝ
        "r": [0x0EA3],                                          # ຣ
        "l": [0x0EA5, 0x0EBC, 0x0EA3, 0x0EAC],                  # ລ ຼ ຣ ຬ
        "v": [0x0EA7],                                          # ວ
        "w": [0x0EA7],                                          # ວ
        "h": [0x0EAB, 0x0EAE, 0x0EDC, 0x0EDD],                  # ຫ ຮ ໜ ໝ
        # vowels by sound
        "a": [0x0EB2, 0x0EB1, 0x0EB0, 0x0EB3, 0x0EC4, 0x0EC3],  # າ ັ ະ ຳ ໄ ໃ
        "i": [0x0EB4, 0x0EB5, 0x0EBD],                          # ິ ີ ຽ
        "u": [0x0EB8, 0x0EB9, 0x0EB6, 0x0EB7],                  # ຸ ູ ຶ ື
        "e": [0x0EC0, 0x0EC1],                                  # ເ ແ
        "o": [0x0EAD, 0x0EC2, 0x0EBB, 0x0ECD],                  # ອ ໂ ົ ໍ
        # tone marks: Shift+1..4, all four on ^
        "!": [0x0EC8],
        '"': [0x0EC9],
        "#": [0x0ECA],
        "$": [0x0ECB],
        "^": [0x0EC8, 0x0EC9, 0x0ECA, 0x0ECB],
        # other marks
        "'": [0x0ECC],                                          # ໌ alone
        "@": [0x0ECC, 0x0EBA, 0x0ECD, 0x0ECE, 0x0EBC],          # ໌ ຺ ໍ ໎ ຼ
        # punctuation
        ".": [0x0EAF, 0x0EC6],                                  # ຯ ໆ
        "~": [0x0EC6],                                          # ໆ alone
        # digits: candidate n of [ is the Lao digit n; ] gives zero
        "[": [0x0ED1 + d for d in range(9)],
        "]": [0x0ED0],
    },
    DOC="""
Consonants sit on the key of their sound in the common Lao romanisation, common
letters first, then the letters used for Pali, Sanskrit and Khmu: `k` k and kh,
`t` t and th, `p` p and ph, `c` (and `j`) ຈ, `x` ຊ (also second on `s`), `n`
ນ and ໜ, `m` ມ and ໝ, `v` and `w` ວ, `h` ຫ ຮ and the ligatures ໜ ໝ. ງ is on
`g` and `n`, ຍ on `n` and `y`, ຣ on `r` and `l`.

Vowels: `a` າ ັ ະ ຳ ໄ ໃ, `i` ິ ີ ຽ, `u` ຸ ູ ຶ ື, `e` ເ ແ, `o` ອ ໂ ົ ໍ. Tone marks,
other marks, punctuation and digits are on the same keys as in the Thai tables:
`!` `"` `#` `$` the four tone marks (all on `^`), `'` the cancellation mark, `@`
the other marks, `.` and `~` the ellipsis and the repetition sign, `[` the digits
1–9 (candidate *n* is digit *n*) and `]` zero.
""",
)
CAND_EXTRA = []

DOC = """
All assigned characters of the Lao block (Unicode 15 adds ໎ YAMAKKAN). The
letters added for Pali, Sanskrit and Khmu have a group of their own. Consonant notes
give the class (中子音 middle, 高子音 high, 低子音 low), the sound at the start (語頭)
and at the end (語末) of a syllable and the meaning of the key word of the chart.
ໍ is filed as a vowel: in Lao it writes the open-syllable vowel ɔː (ກໍ).
"""
