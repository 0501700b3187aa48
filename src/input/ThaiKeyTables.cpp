#include "input/ThaiKeyTables.h"

namespace tess {
namespace {

// One literal line per keyboard row. Combining marks and the private-use
// character are written as escapes: alone in a literal they would sit on the
// quote before them and be unreadable.
constexpr std::u16string_view kKedmanee =
    u"_ๅ/-ภถ\u0E38\u0E36คตจขช"
    u"ๆไำพะ\u0E31\u0E35รนยบล"
    u"ฟหกดเ\u0E49\u0E48าสวงฃ"
    u"ผปแอ\u0E34\u0E37ทมใฝ";

constexpr std::u16string_view kKedmaneeShift =
    u"%+๑๒๓๔\u0E39฿๕๖๗๘๙"
    u"๐\"ฎฑธ\u0E4D\u0E4Aณฯญฐ,"
    u"ฤฆฏโฌ\u0E47\u0E4Bษศซ.ฅ"
    u"()ฉฮ\u0E3A\u0E4C?ฒฬฦ";

constexpr std::u16string_view kPattachote =
    u"_=๒๓๔๕\u0E39๗๘๙๐๑๖"
    u"\u0E47ตยอร\u0E48ดมวแใฌ"
    u"\u0E49ทงก\u0E31\u0E35านเไข\uF8C7"
    u"บปลห\u0E34คสะจพ";

constexpr std::u16string_view kPattachoteShift =
    u"฿+\"/,?\u0E38_.()-%"
    u"\u0E4Aฤๆญษ\u0E36ฝซถฒฯฦ"
    u"\u0E4Bธำณ\u0E4C\u0E37ผชโฆฑ\u0E4D"
    u"ฎฏฐภ\u0E31ศฮฟฉฬ";

constexpr std::u16string_view kKeyCaps =
    u"半1234567890-^"
    u"qwertyuiop@["
    u"asdfghjkl;:]"
    u"zxcvbnm,./";

static_assert(kKedmanee.size() == kThaiKeyCount);
static_assert(kKedmaneeShift.size() == kThaiKeyCount);
static_assert(kPattachote.size() == kThaiKeyCount);
static_assert(kPattachoteShift.size() == kThaiKeyCount);
static_assert(kKeyCaps.size() == kThaiKeyCount);

}  // namespace

std::u16string_view ThaiKeyTable(ThaiLayout layout, bool shifted) {
    if (layout == ThaiLayout::Kedmanee) return shifted ? kKedmaneeShift : kKedmanee;
    return shifted ? kPattachoteShift : kPattachote;
}

std::u16string_view MsImeKeyCaps() { return kKeyCaps; }

bool IsThaiCombiningMark(char16_t c) {
    return c == 0x0E31 || (c >= 0x0E34 && c <= 0x0E3A) || (c >= 0x0E47 && c <= 0x0E4E);
}

}  // namespace tess
