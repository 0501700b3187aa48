"""Myanmar (Burmese) character table: symbol DB rows and romaji trigger keys.

Covers every assigned character of the Myanmar block U+1000-U+109F: the
Burmese alphabet first, then the letters and signs that Pali/Sanskrit, Mon,
the Karen languages, Kayah, Shan and the smaller Tai languages add.

English names are the Unicode short names; the Burmese letters carry their
traditional name after a backslash ("KA\\ka gyi"). Japanese names are the
readings a Japanese learner of Burmese meets in textbooks.

Trigger keys follow the usual Latin transcription of Burmese (MLC / common
practice): k gives the k-sounds, s the s-sounds, and so on; the letters of the
minority languages follow the Burmese ones on the key of the same sound.
"""

DB_FILE = "DBMyanmar.csv"
SCRIPT_NAME = "ミャンマー文字"
GLYPH_FONT = "Padauk Book"

GROUPS = [
    "子音字",                          # 0
    "独立母音字",                      # 1
    "母音記号",                        # 2
    "声調記号",                        # 3
    "その他の記号",                    # 4
    "介子音記号",                      # 5
    "数字",                            # 6
    "句読点・略字",                    # 7
    "パーリ語・サンスクリット語用文字",  # 8
    "モン語用文字",                    # 9
    "カレン語・カヤー語用文字",         # 10
    "シャン語用文字",                  # 11
    "その他の少数言語用文字",           # 12
    "シャン数字・記号",                # 13
]

G_CONS, G_INDEP, G_VOWEL, G_TONE, G_SIGN, G_MEDIAL, G_DIGIT, G_PUNCT, \
    G_PALI, G_MON, G_KAREN, G_SHAN, G_MINOR, G_SHANDIG = range(14)

C = "子音"
V = "母音"
T = "声調"

ROWS = [
    # --- Burmese consonants (the 33 letters of the alphabet) ---
    (G_CONS, 0x1000, "KA\\ka gyi", "カ・ジー", 0, C),
    (G_CONS, 0x1001, "KHA\\kha gway", "カ・グエー", 0, C + "（有気）"),
    (G_CONS, 0x1002, "GA\\ga nge", "ガ・ンゲー", 0, C),
    (G_CONS, 0x1003, "GHA\\ga gyi", "ガ・ジー", 0, C + "（パーリ語由来）"),
    (G_CONS, 0x1004, "NGA\\nga", "ンガ", 0, C),
    (G_CONS, 0x1005, "CA\\sa lone", "サ・ロン", 0, C),
    (G_CONS, 0x1006, "CHA\\hsa lein", "サ・レイン", 0, C + "（有気）"),
    (G_CONS, 0x1007, "JA\\za gwe", "ザ・グエー", 0, C),
    (G_CONS, 0x1008, "JHA\\za myin zwe", "ザ・ミンズエー", 0, C + "（パーリ語由来）"),
    (G_CONS, 0x1009, "NYA\\nya lay", "ニャ・レー", 0, C),
    (G_CONS, 0x100A, "NNYA\\nya gyi", "ニャ・ジー", 0, C),
    (G_CONS, 0x100B, "TTA\\ta talin jeik", "タ・タリンジェイッ", 0, C + "（パーリ語由来）"),
    (G_CONS, 0x100C, "TTHA\\hta wun be", "タ・ウンベー", 0, C + "（パーリ語由来）"),
    (G_CONS, 0x100D, "DDA\\da yin gauk", "ダ・インガウッ", 0, C + "（パーリ語由来）"),
    (G_CONS, 0x100E, "DDHA\\da yei hmot", "ダ・イェーフモウッ", 0, C + "（パーリ語由来）"),
    (G_CONS, 0x100F, "NNA\\na gyi", "ナ・ジー", 0, C + "（パーリ語由来）"),
    (G_CONS, 0x1010, "TA\\ta wun bu", "タ・ウンブ", 0, C),
    (G_CONS, 0x1011, "THA\\hta hsin htu", "タ・シントゥー", 0, C + "（有気）"),
    (G_CONS, 0x1012, "DA\\da dway", "ダ・ドゥエー", 0, C),
    (G_CONS, 0x1013, "DHA\\da auk chaik", "ダ・アウッチャイッ", 0, C + "（パーリ語由来）"),
    (G_CONS, 0x1014, "NA\\na nge", "ナ・ンゲー", 0, C),
    (G_CONS, 0x1015, "PA\\pa zaut", "パ・ザウッ", 0, C),
    (G_CONS, 0x1016, "PHA\\pha u htoke", "パ・ウートウッ", 0, C + "（有気）"),
    (G_CONS, 0x1017, "BA\\ba htet chaik", "バ・テッチャイッ", 0, C),
    (G_CONS, 0x1018, "BHA\\ba gone", "バ・ゴン", 0, C),
    (G_CONS, 0x1019, "MA\\ma", "マ", 0, C),
    (G_CONS, 0x101A, "YA\\ya pet let", "ヤ・ペッレッ", 0, C),
    (G_CONS, 0x101B, "RA\\ya gauk", "ヤ・ガウッ", 0, C + "（ヤまたはラ）"),
    (G_CONS, 0x101C, "LA\\la", "ラ", 0, C),
    (G_CONS, 0x101D, "WA\\wa", "ワ", 0, C),
    (G_CONS, 0x101E, "SA\\tha", "タ（歯摩擦音）", 0, C),
    (G_CONS, 0x101F, "HA\\ha", "ハ", 0, C),
    (G_CONS, 0x1020, "LLA\\la gyi", "ラ・ジー", 0, C + "（パーリ語由来）"),
    (G_CONS, 0x1021, "A\\a", "ア", 0, C + "（声門閉鎖音・母音字の台）"),
    (G_CONS, 0x103F, "GREAT SA\\tha gyi", "タ・ジー（重ねタ）", 0, C + "（重ね字）"),

    # --- independent vowels ---
    (G_INDEP, 0x1023, "I\\i", "イ", 0, V + "（独立母音字）"),
    (G_INDEP, 0x1024, "II\\i", "イー", 0, V + "（独立母音字）"),
    (G_INDEP, 0x1025, "U\\u", "ウ", 0, V + "（独立母音字）"),
    (G_INDEP, 0x1026, "UU\\u", "ウー", 0, V + "（独立母音字）"),
    (G_INDEP, 0x1027, "E\\e", "エー", 0, V + "（独立母音字）"),
    (G_INDEP, 0x1029, "O\\aw", "オー（高声調）", 0, V + "（独立母音字）"),
    (G_INDEP, 0x102A, "AU\\aw", "オー（低声調）", 0, V + "（独立母音字）"),

    # --- dependent vowel signs ---
    (G_VOWEL, 0x102B, "TALL AA\\yay cha", "アー記号（縦長のイェーチャー）", 1, V),
    (G_VOWEL, 0x102C, "AA\\yay cha", "アー記号（イェーチャー）", 1, V),
    (G_VOWEL, 0x102D, "I\\lone gyi tin", "イ記号（ロンジーティン）", 1, V),
    (G_VOWEL, 0x102E, "II\\lone gyi tin hsan khat", "イー記号（ロンジーティン・サンカッ）", 1, V),
    (G_VOWEL, 0x102F, "U\\ta chaung ngin", "ウ記号（タチャウンギン）", 1, V),
    (G_VOWEL, 0x1030, "UU\\hna chaung ngin", "ウー記号（フナチャウンギン）", 1, V),
    (G_VOWEL, 0x1031, "E\\thaway htoe", "エー記号（タウェートー）", 1, V + "（子音字の前に書く）"),
    (G_VOWEL, 0x1032, "AI\\naut pyit", "エ記号（ナウッピッ）", 1, V),

    # --- tone marks ---
    (G_TONE, 0x1037, "DOT BELOW\\auk myit", "アウッミッ（きしみ声調記号）", 1, T),
    (G_TONE, 0x1038, "VISARGA\\wissa hnalone pauk", "ウィッサナロンパウッ（高声調記号）", 1, T),

    # --- other signs ---
    (G_SIGN, 0x1036, "ANUSVARA\\thay thay tin", "テーテーティン（鼻音記号）", 1, "鼻音の記号"),
    (G_SIGN, 0x1039, "VIRAMA\\pat sint", "パッスィン（重ね字記号）", 1, "重ね字を作る記号（不可視）"),
    (G_SIGN, 0x103A, "ASAT\\a that", "アタッ（母音消去記号）", 1, "音節末の記号"),

    # --- medial consonant signs ---
    (G_MEDIAL, 0x103B, "MEDIAL YA\\ya pin", "ヤピン（介子音ヤ）", 1, C + "（介子音）"),
    (G_MEDIAL, 0x103C, "MEDIAL RA\\ya yit", "ヤイッ（介子音ラ）", 1, C + "（介子音・子音字を囲む）"),
    (G_MEDIAL, 0x103D, "MEDIAL WA\\wa hswe", "ワスエー（介子音ワ）", 1, C + "（介子音）"),
    (G_MEDIAL, 0x103E, "MEDIAL HA\\ha htoe", "ハトー（無声化記号）", 1, C + "（介子音）"),

    # --- digits ---
    (G_DIGIT, 0x1040, "DIGIT ZERO\\thone nya", "0（トウンニャ）", 0, "数字"),
    (G_DIGIT, 0x1041, "DIGIT ONE\\tit", "1（ティッ）", 0, "数字"),
    (G_DIGIT, 0x1042, "DIGIT TWO\\hnit", "2（フニッ）", 0, "数字"),
    (G_DIGIT, 0x1043, "DIGIT THREE\\thone", "3（トウン）", 0, "数字"),
    (G_DIGIT, 0x1044, "DIGIT FOUR\\lay", "4（レー）", 0, "数字"),
    (G_DIGIT, 0x1045, "DIGIT FIVE\\nga", "5（ンガー）", 0, "数字"),
    (G_DIGIT, 0x1046, "DIGIT SIX\\chauk", "6（チャウッ）", 0, "数字"),
    (G_DIGIT, 0x1047, "DIGIT SEVEN\\khun hnit", "7（クンニッ）", 0, "数字"),
    (G_DIGIT, 0x1048, "DIGIT EIGHT\\shit", "8（シッ）", 0, "数字"),
    (G_DIGIT, 0x1049, "DIGIT NINE\\ko", "9（コー）", 0, "数字"),

    # --- punctuation and abbreviation symbols ---
    (G_PUNCT, 0x104A, "LITTLE SECTION\\pote kalay", "ポウッカレー（読点）", 0, "句読点"),
    (G_PUNCT, 0x104B, "SECTION\\pote ma", "ポウッマ（句点）", 0, "句読点"),
    (G_PUNCT, 0x104C, "LOCATIVE\\hnaik", "フナイッ（…において）", 0, "略字"),
    (G_PUNCT, 0x104D, "COMPLETED\\ywe", "ユエ（…して）", 0, "略字"),
    (G_PUNCT, 0x104E, "AFOREMENTIONED\\lagaung", "ラガウン（前述の）", 0, "略字"),
    (G_PUNCT, 0x104F, "GENITIVE\\i", "イ（…の）", 0, "略字"),

    # --- Pali and Sanskrit ---
    (G_PALI, 0x1050, "SHA", "シャ（サンスクリット語）", 0, C + "（サンスクリット語）"),
    (G_PALI, 0x1051, "SSA", "シャ（そり舌・サンスクリット語）", 0, C + "（サンスクリット語）"),
    (G_PALI, 0x1052, "VOCALIC R", "母音字 r（リ）", 0, V + "（独立母音字・パーリ語）"),
    (G_PALI, 0x1053, "VOCALIC RR", "母音字 rr（リー）", 0, V + "（独立母音字・パーリ語）"),
    (G_PALI, 0x1054, "VOCALIC L", "母音字 l（リ）", 0, V + "（独立母音字・パーリ語）"),
    (G_PALI, 0x1055, "VOCALIC LL", "母音字 ll（リー）", 0, V + "（独立母音字・パーリ語）"),
    (G_PALI, 0x1056, "VOWEL SIGN VOCALIC R", "母音記号 r（リ）", 1, V + "（パーリ語）"),
    (G_PALI, 0x1057, "VOWEL SIGN VOCALIC RR", "母音記号 rr（リー）", 1, V + "（パーリ語）"),
    (G_PALI, 0x1058, "VOWEL SIGN VOCALIC L", "母音記号 l（リ）", 1, V + "（パーリ語）"),
    (G_PALI, 0x1059, "VOWEL SIGN VOCALIC LL", "母音記号 ll（リー）", 1, V + "（パーリ語）"),

    # --- Mon ---
    (G_MON, 0x1028, "MON E", "エ（モン語）", 0, V + "（独立母音字・モン語）"),
    (G_MON, 0x1033, "VOWEL SIGN MON II", "イー記号（モン語）", 1, V + "（モン語）"),
    (G_MON, 0x1034, "VOWEL SIGN MON O", "オ記号（モン語）", 1, V + "（モン語）"),
    (G_MON, 0x105A, "MON NGA", "ンガ（モン語）", 0, C + "（モン語）"),
    (G_MON, 0x105B, "MON JHA", "ジャ（モン語）", 0, C + "（モン語）"),
    (G_MON, 0x105C, "MON BBA", "バ（モン語）", 0, C + "（モン語）"),
    (G_MON, 0x105D, "MON BBE", "ベ（モン語）", 0, C + "（モン語）"),
    (G_MON, 0x105E, "MON MEDIAL NA", "介子音ナ（モン語）", 1, C + "（介子音・モン語）"),
    (G_MON, 0x105F, "MON MEDIAL MA", "介子音マ（モン語）", 1, C + "（介子音・モン語）"),
    (G_MON, 0x1060, "MON MEDIAL LA", "介子音ラ（モン語）", 1, C + "（介子音・モン語）"),

    # --- Karen languages and Kayah ---
    (G_KAREN, 0x1061, "SGAW KAREN SHA", "シャ（スゴー・カレン語）", 0, C + "（スゴー・カレン語）"),
    (G_KAREN, 0x1062, "VOWEL SIGN SGAW KAREN EU", "母音記号 eu（スゴー・カレン語）", 1, V + "（スゴー・カレン語）"),
    (G_KAREN, 0x1063, "TONE MARK SGAW KAREN HATHI", "声調記号ハティ（スゴー・カレン語）", 1, T + "（スゴー・カレン語）"),
    (G_KAREN, 0x1064, "TONE MARK SGAW KAREN KE PHO", "声調記号ケポ（スゴー・カレン語）", 1, T + "（スゴー・カレン語）"),
    (G_KAREN, 0x1065, "WESTERN PWO KAREN THA", "タ（西ポー・カレン語）", 0, C + "（西ポー・カレン語）"),
    (G_KAREN, 0x1066, "WESTERN PWO KAREN PWA", "プワ（西ポー・カレン語）", 0, C + "（西ポー・カレン語）"),
    (G_KAREN, 0x1067, "VOWEL SIGN WESTERN PWO KAREN EU", "母音記号 eu（西ポー・カレン語）", 1, V + "（西ポー・カレン語）"),
    (G_KAREN, 0x1068, "VOWEL SIGN WESTERN PWO KAREN UE", "母音記号 ue（西ポー・カレン語）", 1, V + "（西ポー・カレン語）"),
    (G_KAREN, 0x1069, "WESTERN PWO KAREN TONE-1", "第1声調記号（西ポー・カレン語）", 1, T + "（西ポー・カレン語）"),
    (G_KAREN, 0x106A, "WESTERN PWO KAREN TONE-2", "第2声調記号（西ポー・カレン語）", 1, T + "（西ポー・カレン語）"),
    (G_KAREN, 0x106B, "WESTERN PWO KAREN TONE-3", "第3声調記号（西ポー・カレン語）", 1, T + "（西ポー・カレン語）"),
    (G_KAREN, 0x106C, "WESTERN PWO KAREN TONE-4", "第4声調記号（西ポー・カレン語）", 1, T + "（西ポー・カレン語）"),
    (G_KAREN, 0x106D, "WESTERN PWO KAREN TONE-5", "第5声調記号（西ポー・カレン語）", 1, T + "（西ポー・カレン語）"),
    (G_KAREN, 0x106E, "EASTERN PWO KAREN NNA", "ナ（東ポー・カレン語）", 0, C + "（東ポー・カレン語）"),
    (G_KAREN, 0x106F, "EASTERN PWO KAREN YWA", "ユワ（東ポー・カレン語）", 0, C + "（東ポー・カレン語）"),
    (G_KAREN, 0x1070, "EASTERN PWO KAREN GHWA", "グワ（東ポー・カレン語）", 0, C + "（東ポー・カレン語）"),
    (G_KAREN, 0x1071, "VOWEL SIGN GEBA KAREN I", "イ記号（ゲバ・カレン語）", 1, V + "（ゲバ・カレン語）"),
    (G_KAREN, 0x1072, "VOWEL SIGN KAYAH OE", "オエ記号（カヤー語）", 1, V + "（カヤー語）"),
    (G_KAREN, 0x1073, "VOWEL SIGN KAYAH U", "ウ記号（カヤー語）", 1, V + "（カヤー語）"),
    (G_KAREN, 0x1074, "VOWEL SIGN KAYAH EE", "エー記号（カヤー語）", 1, V + "（カヤー語）"),

    # --- Shan ---
    (G_SHAN, 0x1022, "SHAN A", "ア（シャン語）", 0, V + "（独立母音字の台・シャン語）"),
    (G_SHAN, 0x1075, "SHAN KA", "カ（シャン語）", 0, C + "（シャン語）"),
    (G_SHAN, 0x1076, "SHAN KHA", "カ（有気・シャン語）", 0, C + "（シャン語）"),
    (G_SHAN, 0x1077, "SHAN GA", "ガ（シャン語）", 0, C + "（シャン語）"),
    (G_SHAN, 0x1078, "SHAN CA", "ツァ（シャン語）", 0, C + "（シャン語）"),
    (G_SHAN, 0x1079, "SHAN ZA", "ザ（シャン語）", 0, C + "（シャン語）"),
    (G_SHAN, 0x107A, "SHAN NYA", "ニャ（シャン語）", 0, C + "（シャン語）"),
    (G_SHAN, 0x107B, "SHAN DA", "ダ（シャン語）", 0, C + "（シャン語）"),
    (G_SHAN, 0x107C, "SHAN NA", "ナ（シャン語）", 0, C + "（シャン語）"),
    (G_SHAN, 0x107D, "SHAN PHA", "パ（有気・シャン語）", 0, C + "（シャン語）"),
    (G_SHAN, 0x107E, "SHAN FA", "ファ（シャン語）", 0, C + "（シャン語）"),
    (G_SHAN, 0x107F, "SHAN BA", "バ（シャン語）", 0, C + "（シャン語）"),
    (G_SHAN, 0x1080, "SHAN THA", "タ（有気・シャン語）", 0, C + "（シャン語）"),
    (G_SHAN, 0x1081, "SHAN HA", "ハ（シャン語）", 0, C + "（シャン語）"),
    (G_SHAN, 0x1082, "SHAN MEDIAL WA", "介子音ワ（シャン語）", 1, C + "（介子音・シャン語）"),
    (G_SHAN, 0x1083, "VOWEL SIGN SHAN AA", "アー記号（シャン語）", 1, V + "（シャン語）"),
    (G_SHAN, 0x1084, "VOWEL SIGN SHAN E", "エー記号（シャン語）", 1, V + "（シャン語）"),
    (G_SHAN, 0x1085, "VOWEL SIGN SHAN E ABOVE", "エ記号（上付き・シャン語）", 1, V + "（シャン語）"),
    (G_SHAN, 0x1086, "VOWEL SIGN SHAN FINAL Y", "語末イ記号（シャン語）", 1, V + "（シャン語）"),
    (G_SHAN, 0x1087, "SHAN TONE-2", "第2声調記号（シャン語）", 1, T + "（シャン語）"),
    (G_SHAN, 0x1088, "SHAN TONE-3", "第3声調記号（シャン語）", 1, T + "（シャン語）"),
    (G_SHAN, 0x1089, "SHAN TONE-5", "第5声調記号（シャン語）", 1, T + "（シャン語）"),
    (G_SHAN, 0x108A, "SHAN TONE-6", "第6声調記号（シャン語）", 1, T + "（シャン語）"),
    (G_SHAN, 0x108B, "SHAN COUNCIL TONE-2", "第2声調記号（シャン語協議会式）", 1, T + "（シャン語）"),
    (G_SHAN, 0x108C, "SHAN COUNCIL TONE-3", "第3声調記号（シャン語協議会式）", 1, T + "（シャン語）"),
    (G_SHAN, 0x108D, "SHAN COUNCIL EMPHATIC TONE", "強調声調記号（シャン語協議会式）", 1, T + "（シャン語）"),

    # --- other minority languages ---
    (G_MINOR, 0x1035, "VOWEL SIGN E ABOVE", "エ記号（上付き）", 1, V + "（少数言語）"),
    (G_MINOR, 0x108E, "RUMAI PALAUNG FA", "ファ（ルマイ・パラウン語）", 0, C + "（パラウン語）"),
    (G_MINOR, 0x108F, "RUMAI PALAUNG TONE-5", "第5声調記号（ルマイ・パラウン語）", 1, T + "（パラウン語）"),
    (G_MINOR, 0x109A, "KHAMTI TONE-1", "第1声調記号（カムティ・シャン語）", 1, T + "（カムティ・シャン語）"),
    (G_MINOR, 0x109B, "KHAMTI TONE-3", "第3声調記号（カムティ・シャン語）", 1, T + "（カムティ・シャン語）"),
    (G_MINOR, 0x109C, "VOWEL SIGN AITON A", "ア記号（アイトン語）", 1, V + "（アイトン語）"),
    (G_MINOR, 0x109D, "VOWEL SIGN AITON AI", "アイ記号（アイトン語）", 1, V + "（アイトン語）"),

    # --- Shan digits and symbols ---
    (G_SHANDIG, 0x1090, "SHAN DIGIT ZERO", "シャン数字 0", 0, "数字（シャン語）"),
    (G_SHANDIG, 0x1091, "SHAN DIGIT ONE", "シャン数字 1", 0, "数字（シャン語）"),
    (G_SHANDIG, 0x1092, "SHAN DIGIT TWO", "シャン数字 2", 0, "数字（シャン語）"),
    (G_SHANDIG, 0x1093, "SHAN DIGIT THREE", "シャン数字 3", 0, "数字（シャン語）"),
    (G_SHANDIG, 0x1094, "SHAN DIGIT FOUR", "シャン数字 4", 0, "数字（シャン語）"),
    (G_SHANDIG, 0x1095, "SHAN DIGIT FIVE", "シャン数字 5", 0, "数字（シャン語）"),
    (G_SHANDIG, 0x1096, "SHAN DIGIT SIX", "シャン数字 6", 0, "数字（シャン語）"),
    (G_SHANDIG, 0x1097, "SHAN DIGIT SEVEN", "シャン数字 7", 0, "数字（シャン語）"),
    (G_SHANDIG, 0x1098, "SHAN DIGIT EIGHT", "シャン数字 8", 0, "数字（シャン語）"),
    (G_SHANDIG, 0x1099, "SHAN DIGIT NINE", "シャン数字 9", 0, "数字（シャン語）"),
    (G_SHANDIG, 0x109E, "SYMBOL SHAN ONE", "記号「1」（シャン語）", 0, "記号（シャン語）"),
    (G_SHANDIG, 0x109F, "SYMBOL SHAN EXCLAMATION", "感嘆記号（シャン語）", 0, "記号（シャン語）"),
]

BLOCKS = [(0x1000, 0x109F)]

# Trigger keys: one key gathers the letters of one sound, Burmese first,
# then the letters other languages written in the script add for it.
KEYS = {
    # vowels
    "a": [0x102C, 0x102B, 0x1021, 0x1032, 0x1083, 0x109C, 0x109D, 0x1022],
    "i": [0x102D, 0x102E, 0x1023, 0x1024, 0x1033, 0x1071],
    "u": [0x102F, 0x1030, 0x1025, 0x1026, 0x1073, 0x1062, 0x1067, 0x1068],
    "e": [0x1031, 0x1032, 0x1027, 0x1028, 0x1084, 0x1085, 0x1035, 0x1074],
    "o": [0x102D, 0x102F, 0x1031, 0x102C, 0x1029, 0x102A, 0x1034, 0x1072],
    # consonants
    "k": [0x1000, 0x1001, 0x1002, 0x1003, 0x1075, 0x1076],
    "g": [0x1002, 0x1004, 0x1003, 0x1077, 0x1070],
    "n": [0x1014, 0x1004, 0x100A, 0x100F, 0x1009, 0x105A, 0x107C, 0x107A, 0x106E],
    "c": [0x1005, 0x1006, 0x1078],
    "s": [0x1005, 0x1006, 0x101E, 0x103F, 0x1050, 0x1051, 0x1061],
    "z": [0x1007, 0x1008, 0x1079],
    "j": [0x1007, 0x1008, 0x105B],
    "t": [0x1010, 0x1011, 0x101E, 0x100B, 0x100C, 0x1080, 0x1065],
    "d": [0x1012, 0x1013, 0x100D, 0x100E, 0x107B],
    "p": [0x1015, 0x1016, 0x107D, 0x1066],
    "b": [0x1018, 0x1017, 0x107F, 0x105C, 0x105D],
    "f": [0x107E, 0x108E],
    "m": [0x1019, 0x1036],
    "y": [0x101A, 0x103B, 0x101B, 0x103C, 0x1086, 0x106F],
    "r": [0x101B, 0x103C, 0x1052, 0x1053, 0x1056, 0x1057],
    "l": [0x101C, 0x1020, 0x1054, 0x1055, 0x1058, 0x1059],
    "w": [0x101D, 0x103D, 0x1082, 0x106F],
    "h": [0x101F, 0x103E, 0x1081],
    # tone marks and signs
    ".": [0x1037],                                   # aukmyit: the dot below
    ":": [0x1038],                                   # visarga: two dots
    "'": [0x103A, 0x1039],                           # asat, stacking virama
    "-": [0x103B, 0x103C, 0x103D, 0x103E, 0x105E, 0x105F, 0x1060, 0x1082],
    ",": [0x104A, 0x104B],
    "&": [0x104F, 0x104C, 0x104D, 0x104E],
    # digits: the key's candidate n is the digit n
    "#": [0x1041, 0x1042, 0x1043, 0x1044, 0x1045, 0x1046, 0x1047, 0x1048, 0x1049],
    "$": [0x1040, 0x1090],
    "%": [0x1091, 0x1092, 0x1093, 0x1094, 0x1095, 0x1096, 0x1097, 0x1098, 0x1099],
    # tone marks of the minority languages
    "[": [0x1063, 0x1064, 0x1069, 0x106A, 0x106B, 0x106C, 0x106D],
    "]": [0x1087, 0x1088, 0x1089, 0x108A, 0x108B, 0x108C, 0x108D],
    "}": [0x108F, 0x109A, 0x109B],
    "!": [0x109F, 0x109E],
}

DOC = """
Lower-case keys follow the usual Latin transcription of Burmese: `k` offers
က ခ ဂ ဃ, `s` offers စ ဆ သ ..., `t` offers တ ထ သ ဋ ဌ, `n` all the nasals
(န င ည ဏ ဉ); `g` offers ဂ, င (ng) and ဃ, `b` the common ဘ before ဗ. The
vowel keys offer the vowel signs first and then the independent vowels: `a`
ာ ါ, `i` ိ ီ, `u` ု ူ, `e` ေ ဲ; `o` offers the parts of the o-vowels
(ို = ိ + ု, ော = ေ + ာ). Letters that Mon, Karen, Kayah, Shan and Pali add
follow the Burmese ones on the key of their sound.

The tone marks are `.` (့ aukmyit, the dot below) and `:` (း visarga);
`'` gives the asat ် and the stacking virama ္, `-` the medials
(ျ ြ ွ ှ ...), `,` the punctuation ၊ ။, `&` the abbreviation symbols.
Digits: `#` offers ၁ to ၉ as candidates 1 to 9, `$` zero (၀ and Shan ႐),
`%` the Shan digits 1 to 9. The tone marks of Karen are on `[`, those of
Shan on `]`, and those of Palaung and Khamti on `}`.

Characters are typed in Unicode order, which is not always the order in
which they are seen: the vowel sign ေ and the medial ြ are drawn to the left
of the consonant but are typed after it (က then ေ gives ကေ).
"""

CAND = dict(FILE="CandMyanmar.csv", DB="DBMyanmar.csv", MODE="Alphabet_Lower", KEYS=KEYS)
CAND_EXTRA = []
