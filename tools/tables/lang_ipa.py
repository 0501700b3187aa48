"""IPA phonetic symbols: symbol DB rows and upper-case trigger keys.

The table holds the whole IPA chart: the pulmonic consonants, the
non-pulmonic consonants, the other symbols, the vowels, the diacritics, the
suprasegmentals and the tones and word accents. It also covers every
character of the IPA Extensions block U+0250-U+02AF, so the withdrawn and
obsolete letters, the affricate ligatures, the Sinological apical vowels and
the extIPA letters of that block are there too, in a group of their own.

English names are "<letter name>\\<phonetic value>" (the IPA Handbook's names
for the letters), so the symbol tab shows the letter's name in one corner and
its value in the other; "#$XXXX" stands for an IPA letter inside a name.
Japanese names are the phonetic descriptions used in Japanese phonetics
(有声歯摩擦音, 非円唇前舌狭母音, ...).

Trigger keys are the upper-case letters: each gathers the symbols of one
letter's family, the plain letter's own IPA symbol first. Diacritics,
suprasegmentals and tones sit on the symbol keys.
"""

DB_FILE = "DBPhonet.csv"
SCRIPT_NAME = "発音記号"
GLYPH_FONT = "Segoe UI"

GROUPS = [
    "肺気流子音",              # 0
    "非肺気流子音",            # 1
    "その他の記号",            # 2
    "母音",                    # 3
    "補助記号",                # 4
    "超分節要素",              # 5
    "声調記号",                # 6
    "旧記号・拡張記号",        # 7
]

G_PULM, G_NONPULM, G_OTHER, G_VOWEL, G_DIAC, G_SUPRA, G_TONE, G_EXTRA = range(8)

C = "子音"
V = "母音"
T = "声調"
D = "補助記号"
S = "超分節要素"

ROWS = [
    # --- pulmonic consonants: plosives ---
    (G_PULM, 0x0070, "p\\voiceless bilabial plosive", "無声両唇破裂音", 0, C),
    (G_PULM, 0x0062, "b\\voiced bilabial plosive", "有声両唇破裂音", 0, C),
    (G_PULM, 0x0074, "t\\voiceless alveolar plosive", "無声歯茎破裂音", 0, C),
    (G_PULM, 0x0064, "d\\voiced alveolar plosive", "有声歯茎破裂音", 0, C),
    (G_PULM, 0x0288, "t with retroflex hook\\voiceless retroflex plosive", "無声そり舌破裂音", 0, C),
    (G_PULM, 0x0256, "d with tail\\voiced retroflex plosive", "有声そり舌破裂音", 0, C),
    (G_PULM, 0x0063, "c\\voiceless palatal plosive", "無声硬口蓋破裂音", 0, C),
    (G_PULM, 0x025F, "barred dotless j\\voiced palatal plosive", "有声硬口蓋破裂音", 0, C),
    (G_PULM, 0x006B, "k\\voiceless velar plosive", "無声軟口蓋破裂音", 0, C),
    (G_PULM, 0x0261, "script g\\voiced velar plosive", "有声軟口蓋破裂音", 0, C),
    (G_PULM, 0x0067, "g (typewriter form)\\voiced velar plosive", "有声軟口蓋破裂音（活字体の g）", 0, C),
    (G_PULM, 0x0071, "q\\voiceless uvular plosive", "無声口蓋垂破裂音", 0, C),
    (G_PULM, 0x0262, "small capital g\\voiced uvular plosive", "有声口蓋垂破裂音", 0, C),
    (G_PULM, 0x0294, "glottal stop\\glottal plosive", "声門破裂音（声門閉鎖音）", 0, C),
    # nasals
    (G_PULM, 0x006D, "m\\bilabial nasal", "両唇鼻音", 0, C),
    (G_PULM, 0x0271, "m with hook\\labiodental nasal", "唇歯鼻音", 0, C),
    (G_PULM, 0x006E, "n\\alveolar nasal", "歯茎鼻音", 0, C),
    (G_PULM, 0x0273, "n with retroflex hook\\retroflex nasal", "そり舌鼻音", 0, C),
    (G_PULM, 0x0272, "n with left hook\\palatal nasal", "硬口蓋鼻音", 0, C),
    (G_PULM, 0x014B, "eng\\velar nasal", "軟口蓋鼻音", 0, C),
    (G_PULM, 0x0274, "small capital n\\uvular nasal", "口蓋垂鼻音", 0, C),
    # trills
    (G_PULM, 0x0299, "small capital b\\bilabial trill", "両唇ふるえ音", 0, C),
    (G_PULM, 0x0072, "r\\alveolar trill", "歯茎ふるえ音", 0, C),
    (G_PULM, 0x0280, "small capital r\\uvular trill", "口蓋垂ふるえ音", 0, C),
    # taps and flaps
    (G_PULM, 0x2C71, "v with right hook\\labiodental flap", "唇歯はじき音", 0, C),
    (G_PULM, 0x027E, "fish-hook r\\alveolar tap", "歯茎はじき音", 0, C),
    (G_PULM, 0x027D, "r with tail\\retroflex flap", "そり舌はじき音", 0, C),
    # fricatives
    (G_PULM, 0x0278, "phi\\voiceless bilabial fricative", "無声両唇摩擦音", 0, C),
    (G_PULM, 0x03B2, "beta\\voiced bilabial fricative", "有声両唇摩擦音", 0, C),
    (G_PULM, 0x0066, "f\\voiceless labiodental fricative", "無声唇歯摩擦音", 0, C),
    (G_PULM, 0x0076, "v\\voiced labiodental fricative", "有声唇歯摩擦音", 0, C),
    (G_PULM, 0x03B8, "theta\\voiceless dental fricative", "無声歯摩擦音", 0, C),
    (G_PULM, 0x00F0, "eth\\voiced dental fricative", "有声歯摩擦音", 0, C),
    (G_PULM, 0x0073, "s\\voiceless alveolar fricative", "無声歯茎摩擦音", 0, C),
    (G_PULM, 0x007A, "z\\voiced alveolar fricative", "有声歯茎摩擦音", 0, C),
    (G_PULM, 0x0283, "esh\\voiceless postalveolar fricative", "無声後部歯茎摩擦音", 0, C),
    (G_PULM, 0x0292, "ezh\\voiced postalveolar fricative", "有声後部歯茎摩擦音", 0, C),
    (G_PULM, 0x0282, "s with hook\\voiceless retroflex fricative", "無声そり舌摩擦音", 0, C),
    (G_PULM, 0x0290, "z with retroflex hook\\voiced retroflex fricative", "有声そり舌摩擦音", 0, C),
    (G_PULM, 0x00E7, "c cedilla\\voiceless palatal fricative", "無声硬口蓋摩擦音", 0, C),
    (G_PULM, 0x029D, "curly-tail j\\voiced palatal fricative", "有声硬口蓋摩擦音", 0, C),
    (G_PULM, 0x0078, "x\\voiceless velar fricative", "無声軟口蓋摩擦音", 0, C),
    (G_PULM, 0x0263, "gamma\\voiced velar fricative", "有声軟口蓋摩擦音", 0, C),
    (G_PULM, 0x03C7, "chi\\voiceless uvular fricative", "無声口蓋垂摩擦音", 0, C),
    (G_PULM, 0x0281, "inverted small capital r\\voiced uvular fricative", "有声口蓋垂摩擦音", 0, C),
    (G_PULM, 0x0127, "barred h\\voiceless pharyngeal fricative", "無声咽頭摩擦音", 0, C),
    (G_PULM, 0x0295, "reversed glottal stop\\voiced pharyngeal fricative", "有声咽頭摩擦音", 0, C),
    (G_PULM, 0x0068, "h\\voiceless glottal fricative", "無声声門摩擦音", 0, C),
    (G_PULM, 0x0266, "hooktop h\\voiced glottal fricative", "有声声門摩擦音", 0, C),
    # lateral fricatives
    (G_PULM, 0x026C, "belted l\\voiceless alveolar lateral fricative", "無声歯茎側面摩擦音", 0, C),
    (G_PULM, 0x026E, "lezh\\voiced alveolar lateral fricative", "有声歯茎側面摩擦音", 0, C),
    # approximants
    (G_PULM, 0x028B, "cursive v\\labiodental approximant", "唇歯接近音", 0, C),
    (G_PULM, 0x0279, "turned r\\alveolar approximant", "歯茎接近音", 0, C),
    (G_PULM, 0x027B, "turned r with hook\\retroflex approximant", "そり舌接近音", 0, C),
    (G_PULM, 0x006A, "j\\palatal approximant", "硬口蓋接近音", 0, C),
    (G_PULM, 0x0270, "turned m with long leg\\velar approximant", "軟口蓋接近音", 0, C),
    # lateral approximants
    (G_PULM, 0x006C, "l\\alveolar lateral approximant", "歯茎側面接近音", 0, C),
    (G_PULM, 0x026D, "l with retroflex hook\\retroflex lateral approximant", "そり舌側面接近音", 0, C),
    (G_PULM, 0x028E, "turned y\\palatal lateral approximant", "硬口蓋側面接近音", 0, C),
    (G_PULM, 0x029F, "small capital l\\velar lateral approximant", "軟口蓋側面接近音", 0, C),

    # --- non-pulmonic consonants: clicks, voiced implosives, ejectives ---
    (G_NONPULM, 0x0298, "bulls eye\\bilabial click", "両唇吸着音", 0, C + "（吸着音）"),
    (G_NONPULM, 0x01C0, "pipe\\dental click", "歯吸着音", 0, C + "（吸着音）"),
    (G_NONPULM, 0x01C3, "exclamation point\\(post)alveolar click", "（後部）歯茎吸着音", 0, C + "（吸着音）"),
    (G_NONPULM, 0x01C2, "double-barred pipe\\palatoalveolar click", "硬口蓋歯茎吸着音", 0, C + "（吸着音）"),
    (G_NONPULM, 0x01C1, "double pipe\\alveolar lateral click", "歯茎側面吸着音", 0, C + "（吸着音）"),
    (G_NONPULM, 0x0253, "hooktop b\\voiced bilabial implosive", "有声両唇入破音", 0, C + "（入破音）"),
    (G_NONPULM, 0x0257, "hooktop d\\voiced dental/alveolar implosive", "有声歯（茎）入破音", 0, C + "（入破音）"),
    (G_NONPULM, 0x0284, "hooktop barred dotless j\\voiced palatal implosive", "有声硬口蓋入破音", 0, C + "（入破音）"),
    (G_NONPULM, 0x0260, "hooktop g\\voiced velar implosive", "有声軟口蓋入破音", 0, C + "（入破音）"),
    (G_NONPULM, 0x029B, "hooktop small capital g\\voiced uvular implosive", "有声口蓋垂入破音", 0, C + "（入破音）"),
    (G_NONPULM, 0x02BC, "apostrophe\\ejective", "放出音の記号", 0, C + "（放出音を表す記号）"),

    # --- other symbols ---
    (G_OTHER, 0x028D, "turned w\\voiceless labial-velar fricative", "無声両唇軟口蓋摩擦音", 0, C),
    (G_OTHER, 0x0077, "w\\voiced labial-velar approximant", "有声両唇軟口蓋接近音", 0, C),
    (G_OTHER, 0x0265, "turned h\\voiced labial-palatal approximant", "有声両唇硬口蓋接近音", 0, C),
    (G_OTHER, 0x029C, "small capital h\\voiceless epiglottal fricative", "無声喉頭蓋摩擦音", 0, C),
    (G_OTHER, 0x02A2, "barred reversed glottal stop\\voiced epiglottal fricative", "有声喉頭蓋摩擦音", 0, C),
    (G_OTHER, 0x02A1, "barred glottal stop\\epiglottal plosive", "喉頭蓋破裂音", 0, C),
    (G_OTHER, 0x0255, "curly-tail c\\voiceless alveolo-palatal fricative", "無声歯茎硬口蓋摩擦音", 0, C),
    (G_OTHER, 0x0291, "curly-tail z\\voiced alveolo-palatal fricative", "有声歯茎硬口蓋摩擦音", 0, C),
    (G_OTHER, 0x027A, "turned long-leg r\\voiced alveolar lateral flap", "歯茎側面はじき音", 0, C),
    (G_OTHER, 0x0267, "hooktop heng\\simultaneous #$0283 and x", "無声後部歯茎軟口蓋摩擦音（同時調音）", 0, C),
    (G_OTHER, 0x026B, "l with tilde\\velarized alveolar lateral approximant", "軟口蓋化した歯茎側面接近音（暗いL）", 0, C),
    (G_OTHER, 0x0361, "top tie bar\\affricate or double articulation", "連結記号（上）", 1, "破擦音・二重調音を表す連結記号"),
    (G_OTHER, 0x035C, "bottom tie bar\\affricate or double articulation", "連結記号（下）", 1, "破擦音・二重調音を表す連結記号"),

    # --- vowels ---
    (G_VOWEL, 0x0069, "i\\close front unrounded vowel", "非円唇前舌狭母音", 0, V),
    (G_VOWEL, 0x0079, "y\\close front rounded vowel", "円唇前舌狭母音", 0, V),
    (G_VOWEL, 0x0268, "barred i\\close central unrounded vowel", "非円唇中舌狭母音", 0, V),
    (G_VOWEL, 0x0289, "barred u\\close central rounded vowel", "円唇中舌狭母音", 0, V),
    (G_VOWEL, 0x026F, "turned m\\close back unrounded vowel", "非円唇後舌狭母音", 0, V),
    (G_VOWEL, 0x0075, "u\\close back rounded vowel", "円唇後舌狭母音", 0, V),
    (G_VOWEL, 0x026A, "small capital i\\near-close near-front unrounded vowel", "非円唇準前舌準狭母音", 0, V),
    (G_VOWEL, 0x028F, "small capital y\\near-close near-front rounded vowel", "円唇準前舌準狭母音", 0, V),
    (G_VOWEL, 0x028A, "upsilon\\near-close near-back rounded vowel", "円唇準後舌準狭母音", 0, V),
    (G_VOWEL, 0x0065, "e\\close-mid front unrounded vowel", "非円唇前舌半狭母音", 0, V),
    (G_VOWEL, 0x00F8, "slashed o\\close-mid front rounded vowel", "円唇前舌半狭母音", 0, V),
    (G_VOWEL, 0x0258, "reversed e\\close-mid central unrounded vowel", "非円唇中舌半狭母音", 0, V),
    (G_VOWEL, 0x0275, "barred o\\close-mid central rounded vowel", "円唇中舌半狭母音", 0, V),
    (G_VOWEL, 0x0264, "rams horn\\close-mid back unrounded vowel", "非円唇後舌半狭母音", 0, V),
    (G_VOWEL, 0x006F, "o\\close-mid back rounded vowel", "円唇後舌半狭母音", 0, V),
    (G_VOWEL, 0x0259, "schwa\\mid central vowel", "中舌中母音（シュワー）", 0, V),
    (G_VOWEL, 0x025B, "epsilon\\open-mid front unrounded vowel", "非円唇前舌半広母音", 0, V),
    (G_VOWEL, 0x0153, "lower-case o-e ligature\\open-mid front rounded vowel", "円唇前舌半広母音", 0, V),
    (G_VOWEL, 0x025C, "reversed epsilon\\open-mid central unrounded vowel", "非円唇中舌半広母音", 0, V),
    (G_VOWEL, 0x025E, "closed reversed epsilon\\open-mid central rounded vowel", "円唇中舌半広母音", 0, V),
    (G_VOWEL, 0x028C, "turned v\\open-mid back unrounded vowel", "非円唇後舌半広母音", 0, V),
    (G_VOWEL, 0x0254, "open o\\open-mid back rounded vowel", "円唇後舌半広母音", 0, V),
    (G_VOWEL, 0x00E6, "ash\\near-open front unrounded vowel", "非円唇前舌準広母音", 0, V),
    (G_VOWEL, 0x0250, "turned a\\near-open central vowel", "中舌準広母音", 0, V),
    (G_VOWEL, 0x0061, "a\\open front unrounded vowel", "非円唇前舌広母音", 0, V),
    (G_VOWEL, 0x0276, "small capital o-e ligature\\open front rounded vowel", "円唇前舌広母音", 0, V),
    (G_VOWEL, 0x0251, "script a\\open back unrounded vowel", "非円唇後舌広母音", 0, V),
    (G_VOWEL, 0x0252, "turned script a\\open back rounded vowel", "円唇後舌広母音", 0, V),
    (G_VOWEL, 0x025A, "right-hook schwa\\rhotacized mid central vowel", "R音化した中舌中母音（かぎ付きシュワー）", 0, V),
    (G_VOWEL, 0x025D, "right-hook reversed epsilon\\rhotacized open-mid central vowel", "R音化した非円唇中舌半広母音", 0, V),

    # --- diacritics ---
    (G_DIAC, 0x0325, "under-ring\\voiceless", "無声化", 1, D),
    (G_DIAC, 0x030A, "over-ring\\voiceless (above a descender)", "無声化（下に長い文字用）", 1, D),
    (G_DIAC, 0x032C, "subscript wedge\\voiced", "有声化", 1, D),
    (G_DIAC, 0x02B0, "superscript h\\aspirated", "有気（帯気）", 0, D),
    (G_DIAC, 0x02B1, "superscript hooktop h\\breathy-voiced aspiration", "有声の有気（息もれ）", 0, D),
    (G_DIAC, 0x0339, "subscript right half-ring\\more rounded", "円唇性を強める", 1, D),
    (G_DIAC, 0x031C, "subscript left half-ring\\less rounded", "円唇性を弱める", 1, D),
    (G_DIAC, 0x031F, "subscript plus\\advanced", "前寄り", 1, D),
    (G_DIAC, 0x0320, "under-bar\\retracted", "後ろ寄り", 1, D),
    (G_DIAC, 0x0308, "umlaut\\centralized", "中舌寄り", 1, D),
    (G_DIAC, 0x033D, "over-cross\\mid-centralized", "中央寄り", 1, D),
    (G_DIAC, 0x0329, "syllabicity mark\\syllabic", "音節主音（成節的）", 1, D),
    (G_DIAC, 0x030D, "over-syllabicity mark\\syllabic (below a descender)", "音節主音（下に長い文字用）", 1, D),
    (G_DIAC, 0x032F, "subscript arch\\non-syllabic", "非音節主音", 1, D),
    (G_DIAC, 0x02DE, "right hook\\rhoticity", "R音化", 0, D),
    (G_DIAC, 0x0324, "subscript umlaut\\breathy voiced", "息もれ声", 1, D),
    (G_DIAC, 0x0330, "subscript tilde\\creaky voiced", "きしみ声", 1, D),
    (G_DIAC, 0x033C, "subscript seagull\\linguolabial", "舌唇音", 1, D),
    (G_DIAC, 0x032A, "subscript bridge\\dental", "歯音", 1, D),
    (G_DIAC, 0x033A, "inverted subscript bridge\\apical", "舌尖音", 1, D),
    (G_DIAC, 0x033B, "subscript square\\laminal", "舌端音", 1, D),
    (G_DIAC, 0x0303, "superscript tilde\\nasalized", "鼻音化", 1, D),
    (G_DIAC, 0x207F, "superscript n\\nasal release", "鼻腔開放", 0, D),
    (G_DIAC, 0x02E1, "superscript l\\lateral release", "側面開放", 0, D),
    (G_DIAC, 0x031A, "corner\\no audible release", "無開放（内破）", 1, D),
    (G_DIAC, 0x02B7, "superscript w\\labialized", "唇音化", 0, D),
    (G_DIAC, 0x02B2, "superscript j\\palatalized", "硬口蓋化", 0, D),
    (G_DIAC, 0x02E0, "superscript gamma\\velarized", "軟口蓋化", 0, D),
    (G_DIAC, 0x02E4, "superscript reversed glottal stop\\pharyngealized", "咽頭化", 0, D),
    (G_DIAC, 0x02C0, "superscript glottal stop\\glottalized", "声門化", 0, D),
    (G_DIAC, 0x0334, "superimposed tilde\\velarized or pharyngealized", "軟口蓋化または咽頭化", 1, D),
    (G_DIAC, 0x031D, "raising sign\\raised", "上寄り（狭め）", 1, D),
    (G_DIAC, 0x031E, "lowering sign\\lowered", "下寄り（広め）", 1, D),
    (G_DIAC, 0x0318, "advancing sign\\advanced tongue root", "舌根前進", 1, D),
    (G_DIAC, 0x0319, "retracting sign\\retracted tongue root", "舌根後退", 1, D),

    # --- suprasegmentals ---
    (G_SUPRA, 0x02C8, "vertical stroke\\primary stress", "第1強勢", 0, S),
    (G_SUPRA, 0x02CC, "low vertical stroke\\secondary stress", "第2強勢", 0, S),
    (G_SUPRA, 0x02D0, "length mark\\long", "長音", 0, S),
    (G_SUPRA, 0x02D1, "half-length mark\\half-long", "半長音", 0, S),
    (G_SUPRA, 0x0306, "breve\\extra-short", "超短音", 1, S),
    (G_SUPRA, 0x007C, "vertical line\\minor (foot) group", "小さな（韻脚の）グループの境界", 0, S),
    (G_SUPRA, 0x2016, "double vertical line\\major (intonation) group", "大きな（イントネーションの）グループの境界", 0, S),
    (G_SUPRA, 0x002E, "period\\syllable break", "音節の切れ目", 0, S),
    (G_SUPRA, 0x203F, "undertie\\linking (absence of a break)", "連結（切れ目がないこと）", 2, S),

    # --- tones and word accents ---
    (G_TONE, 0x030B, "double acute accent\\extra high tone", "超高平調", 1, T),
    (G_TONE, 0x0301, "acute accent\\high tone", "高平調", 1, T),
    (G_TONE, 0x0304, "macron\\mid tone", "中平調", 1, T),
    (G_TONE, 0x0300, "grave accent\\low tone", "低平調", 1, T),
    (G_TONE, 0x030F, "double grave accent\\extra low tone", "超低平調", 1, T),
    (G_TONE, 0x02E5, "extra-high tone letter\\extra high", "声調文字（超高）", 0, T),
    (G_TONE, 0x02E6, "high tone letter\\high", "声調文字（高）", 0, T),
    (G_TONE, 0x02E7, "mid tone letter\\mid", "声調文字（中）", 0, T),
    (G_TONE, 0x02E8, "low tone letter\\low", "声調文字（低）", 0, T),
    (G_TONE, 0x02E9, "extra-low tone letter\\extra low", "声調文字（超低）", 0, T),
    (G_TONE, 0x030C, "wedge\\rising tone", "上昇調", 1, T),
    (G_TONE, 0x0302, "circumflex\\falling tone", "下降調", 1, T),
    (G_TONE, 0x1DC4, "macron-acute\\high rising tone", "高上昇調", 1, T),
    (G_TONE, 0x1DC5, "grave-macron\\low rising tone", "低上昇調", 1, T),
    (G_TONE, 0x1DC8, "grave-acute-grave\\rising-falling tone", "上昇下降調", 1, T),
    (G_TONE, 0xA71C, "down arrow\\downstep", "ダウンステップ", 0, T),
    (G_TONE, 0xA71B, "up arrow\\upstep", "アップステップ", 0, T),
    (G_TONE, 0x2197, "rising arrow\\global rise", "全体的上昇", 0, T),
    (G_TONE, 0x2198, "falling arrow\\global fall", "全体的下降", 0, T),

    # --- withdrawn and obsolete letters, ligatures, extIPA and Sinology ---
    (G_EXTRA, 0x02A6, "t-s ligature\\voiceless alveolar affricate", "無声歯茎破擦音（合字）", 0, C + "（破擦音の合字）"),
    (G_EXTRA, 0x02A3, "d-z ligature\\voiced alveolar affricate", "有声歯茎破擦音（合字）", 0, C + "（破擦音の合字）"),
    (G_EXTRA, 0x02A7, "t-esh ligature\\voiceless postalveolar affricate", "無声後部歯茎破擦音（合字）", 0, C + "（破擦音の合字）"),
    (G_EXTRA, 0x02A4, "d-ezh ligature\\voiced postalveolar affricate", "有声後部歯茎破擦音（合字）", 0, C + "（破擦音の合字）"),
    (G_EXTRA, 0x02A8, "t-curly-tail-c ligature\\voiceless alveolo-palatal affricate", "無声歯茎硬口蓋破擦音（合字）", 0, C + "（破擦音の合字）"),
    (G_EXTRA, 0x02A5, "d-curly-tail-z ligature\\voiced alveolo-palatal affricate", "有声歯茎硬口蓋破擦音（合字）", 0, C + "（破擦音の合字）"),
    (G_EXTRA, 0x0269, "iota\\former near-close front vowel", "非円唇準前舌準狭母音（旧記号）", 0, V + "（旧記号）"),
    (G_EXTRA, 0x0277, "closed omega\\former near-close back rounded vowel", "円唇準後舌準狭母音（旧記号）", 0, V + "（旧記号）"),
    (G_EXTRA, 0x029A, "closed epsilon\\former open-mid central rounded vowel", "円唇中舌半広母音（旧記号）", 0, V + "（旧記号）"),
    (G_EXTRA, 0x027C, "long-leg r\\former alveolar fricative trill", "歯茎摩擦ふるえ音（旧記号）", 0, C + "（旧記号）"),
    (G_EXTRA, 0x0286, "curly-tail esh\\former palatalized #$0283", "硬口蓋化した無声後部歯茎摩擦音（旧記号）", 0, C + "（旧記号）"),
    (G_EXTRA, 0x0293, "curly-tail ezh\\former palatalized #$0292", "硬口蓋化した有声後部歯茎摩擦音（旧記号）", 0, C + "（旧記号）"),
    (G_EXTRA, 0x0287, "turned t\\former dental click", "歯吸着音（旧記号）", 0, C + "（旧記号）"),
    (G_EXTRA, 0x0297, "stretched c\\former (post)alveolar click", "（後部）歯茎吸着音（旧記号）", 0, C + "（旧記号）"),
    (G_EXTRA, 0x0296, "inverted glottal stop\\former alveolar lateral click", "歯茎側面吸着音（旧記号）", 0, C + "（旧記号）"),
    (G_EXTRA, 0x029E, "turned k\\former velar click", "軟口蓋吸着音（撤回された記号）", 0, C + "（旧記号）"),
    (G_EXTRA, 0x02A0, "hooktop q\\former voiceless uvular implosive", "無声口蓋垂入破音（旧記号）", 0, C + "（旧記号）"),
    (G_EXTRA, 0x027F, "reversed fish-hook r\\apical dental vowel (Sinology)", "舌尖母音（歯・中国語学）", 0, V + "（中国語学）"),
    (G_EXTRA, 0x0285, "squat reversed esh\\apical retroflex vowel (Sinology)", "舌尖母音（そり舌・中国語学）", 0, V + "（中国語学）"),
    (G_EXTRA, 0x02AE, "turned h with fishhook\\rounded apical dental vowel (Sinology)", "円唇舌尖母音（歯・中国語学）", 0, V + "（中国語学）"),
    (G_EXTRA, 0x02AF, "turned h with fishhook and tail\\rounded apical retroflex vowel (Sinology)", "円唇舌尖母音（そり舌・中国語学）", 0, V + "（中国語学）"),
    (G_EXTRA, 0x02A9, "feng\\velopharyngeal fricative (extIPA)", "軟口蓋咽頭摩擦音（拡張IPA）", 0, C + "（拡張IPA）"),
    (G_EXTRA, 0x02AA, "l-s ligature\\voiceless grooved lateral fricative (extIPA)", "無声溝付き側面摩擦音（拡張IPA）", 0, C + "（拡張IPA）"),
    (G_EXTRA, 0x02AB, "l-z ligature\\voiced grooved lateral fricative (extIPA)", "有声溝付き側面摩擦音（拡張IPA）", 0, C + "（拡張IPA）"),
    (G_EXTRA, 0x02AC, "bilabial percussive\\(extIPA)", "両唇打音（拡張IPA）", 0, C + "（拡張IPA）"),
    (G_EXTRA, 0x02AD, "bidental percussive\\(extIPA)", "両歯打音（拡張IPA）", 0, C + "（拡張IPA）"),
]

BLOCKS = [(0x0250, 0x02AF), (0x02E5, 0x02E9)]

# Upper-case letter keys gather a letter's family; symbol keys carry the
# suprasegmentals, the tones and the diacritics by kind.
KEYS = {
    "A": [0x0061, 0x0251, 0x00E6, 0x0250, 0x028C, 0x0252, 0x0276],
    "B": [0x0062, 0x03B2, 0x0253, 0x0299, 0x0298, 0x02AC, 0x02AD],
    "C": [0x0063, 0x00E7, 0x0255, 0x02A8, 0x02A7, 0x02A6, 0x0297],
    "D": [0x0064, 0x00F0, 0x0256, 0x0257, 0x02A4, 0x02A3, 0x02A5],
    "E": [0x0065, 0x0259, 0x025B, 0x025C, 0x0264, 0x025A, 0x025D, 0x0258, 0x025E],
    "F": [0x0066, 0x0278, 0x2C71, 0x02A9],
    "G": [0x0261, 0x0067, 0x0263, 0x0262, 0x0260, 0x029B, 0x0264],
    "H": [0x0068, 0x0127, 0x0266, 0x029C, 0x0265, 0x0267, 0x02B0, 0x02AE, 0x02AF],
    "I": [0x0069, 0x026A, 0x0268, 0x0269, 0x027F, 0x0285],
    "J": [0x006A, 0x025F, 0x029D, 0x0284, 0x028E, 0x02B2],
    "K": [0x006B, 0x029E],
    "L": [0x006C, 0x026B, 0x026C, 0x026E, 0x026D, 0x028E, 0x029F, 0x027A, 0x02E1],
    "M": [0x006D, 0x0271, 0x026F, 0x0270],
    "N": [0x006E, 0x014B, 0x0272, 0x0273, 0x0274, 0x207F],
    "O": [0x006F, 0x0254, 0x00F8, 0x0153, 0x0275, 0x0264, 0x0276, 0x0298, 0x029A],
    "P": [0x0070, 0x0278],
    "Q": [0x0071, 0x0262, 0x02A0],
    "R": [0x0072, 0x027E, 0x0279, 0x0281, 0x0280, 0x027D, 0x027B, 0x027A, 0x027C],
    "S": [0x0073, 0x0283, 0x0282, 0x0255, 0x0286, 0x02AA],
    "T": [0x0074, 0x03B8, 0x0288, 0x02A7, 0x02A6, 0x02A8, 0x0287],
    "U": [0x0075, 0x028A, 0x0289, 0x026F, 0x0277],
    "V": [0x0076, 0x028B, 0x028C, 0x2C71],
    "W": [0x0077, 0x028D, 0x0265, 0x02B7, 0x0270],
    "X": [0x0078, 0x03C7, 0x0267],
    "Y": [0x0079, 0x006A, 0x028F, 0x0263, 0x028E, 0x0265],
    "Z": [0x007A, 0x0292, 0x0290, 0x0291, 0x0293, 0x02A3, 0x02A4, 0x02A5, 0x02AB],
    # glottal and pharyngeal sounds, clicks
    "?": [0x0294, 0x0295, 0x02A1, 0x02A2, 0x0296, 0x02C0, 0x02E4],
    "!": [0x01C3, 0x01C0, 0x01C1, 0x01C2, 0x0298, 0x0297, 0x0287, 0x0296, 0x029E],
    # suprasegmentals
    ":": [0x02D0, 0x02D1, 0x0306],
    "'": [0x02C8, 0x02CC, 0x02BC],
    ".": [0x002E, 0x203F, 0x007C, 0x2016],
    "_": [0x0361, 0x035C, 0x203F],
    # tones
    "|": [0x02E5, 0x02E6, 0x02E7, 0x02E8, 0x02E9, 0x007C, 0x2016],
    "`": [0x0301, 0x0300, 0x0304, 0x030B, 0x030F],
    "\\": [0x030C, 0x0302, 0x1DC4, 0x1DC5, 0x1DC8],
    "^": [0xA71B, 0xA71C, 0x2197, 0x2198],
    # diacritics, by kind
    "@": [0x0325, 0x030A, 0x032C, 0x0324, 0x0330],                   # phonation
    "~": [0x0303, 0x0330, 0x0334],                                   # tildes
    "&": [0x032A, 0x033A, 0x033B, 0x033C],                           # place
    "+": [0x031F, 0x0320, 0x031D, 0x031E, 0x0308, 0x033D, 0x0318, 0x0319],  # tongue position
    "{": [0x0339, 0x031C],                                           # rounding
    "=": [0x02B0, 0x02B1, 0x02B7, 0x02B2, 0x02E0, 0x02E4, 0x02C0, 0x0334],  # secondary articulation
    ";": [0x0329, 0x030D, 0x032F],                                   # syllabicity
    "*": [0x031A, 0x207F, 0x02E1, 0x02DE],                           # release, rhoticity
    # "/", "[", "]", "(", ")", "," and "-" stay free: transcriptions need
    # them as typed (/phonemic/, [phonetic], (optional), alternatives).
}

DOC = """
IPA symbols for the phonetic area. Upper-case letter keys (Shift + letter)
gather the symbols that look like that letter or are usually taught with it,
the letter's own IPA symbol first: `A` offers a ɑ æ ɐ ʌ ɒ ɶ, `E` offers
e ə ɛ ɜ ɤ ..., `N` offers n ŋ ɲ ɳ ɴ ⁿ, `S` offers s ʃ ʂ ɕ ..., `Y` offers y
and then j, the sound the letter y writes in English. A key holds at most
nine symbols, so the withdrawn letters that do not fit on the key of their
look sit with the sounds they stood for (ʚ with the rounded vowels on `O`,
ɷ with ʊ on `U`). The glottal and pharyngeal sounds are on `?`, the clicks
on `!`.

The symbol keys carry everything that is not a letter: `:` length
(ː ˑ and the extra-short breve), `'` stress (ˈ ˌ) and the ejective
apostrophe, `.` syllable break, linking and group boundaries, `_` the tie
bars; tones on `|` (tone letters ˥ ˦ ˧ ˨ ˩), `` ` `` (level tone accents),
`\\` (contour tone accents) and `^` (upstep, downstep, global rise and
fall); diacritics by kind on `@` (phonation), `~` (tildes), `&` (place),
`+` (tongue position), `{` (rounding), `=` (secondary articulation),
`;` (syllabicity) and `*` (release and rhoticity). A diacritic is typed
after the symbol it belongs to.

A trigger key no longer types its own character, so `/`, `[`, `]`, `(`,
`)`, `,` and `-` are left free for /phonemic/ and [phonetic] brackets,
optional sounds and lists; `.` and `|` offer themselves as a candidate.
"""

CAND = dict(FILE="CandAll.csv", DB="DBPhonet.csv", MODE="Alphabet_Upper", KEYS=KEYS)
CAND_EXTRA = []
