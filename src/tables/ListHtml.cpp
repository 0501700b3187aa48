#include "tables/ListHtml.h"

#include <utility>

#include "lib/Blanks.h"
#include "lib/FileFailure.h"
#include "settings/FontLists.h"
#include "tables/CandFile.h"

namespace tess {

namespace {

constexpr char16_t kHtmlNameWarning[] = u"保存するファイル名(*.html)を入力して下さい。";

// Element text: & first, so the references written for < and > stay whole.
// A double quote needs nothing here (it only ends attribute values), which
// keeps the "0022" key's cell a plain double quote.
std::u16string HtmlText(std::u16string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        switch (c) {
            case u'&': out += u"&amp;"; break;
            case u'<': out += u"&lt;"; break;
            case u'>': out += u"&gt;"; break;
            default: out += c;
        }
    }
    return out;
}

// A value inside the style sheet. The sheet is raw text to the HTML parser,
// so only "</style" could end it: every "<" becomes a CSS escape. Inside a
// quoted string, " and \ are escaped as well so the string cannot close early.
std::u16string CssText(std::u16string_view text, bool quoted) {
    std::u16string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        if (c == u'<') {
            out += u"\\3C ";
        } else if (quoted && (c == u'"' || c == u'\\')) {
            out += u'\\';
            out += c;
        } else {
            out += c;
        }
    }
    return out;
}

bool IsPlainFileName(std::u16string_view name) {
    if (name.empty() || name == u"." || name == u"..") return false;
    return name.find_first_of(u"\\/:") == std::u16string_view::npos;
}

std::u16string HexReference(char32_t codePoint) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    std::u16string digits;
    do {
        digits.insert(digits.begin(), kDigits[codePoint & 0xF]);
        codePoint >>= 4;
    } while (codePoint != 0);
    while (digits.size() < 4) digits.insert(digits.begin(), u'0');
    return u"&#x" + digits + u";";
}

}  // namespace

void NoticeBeforeListHtml(Platform& platform, const Settings& settings) {
    if (!settings.SysTblFlg) return;
    platform.ShowMessage(
        u"　テーブル選択が、システムテーブルになっています。一覧HTMLツールで既存のファイルを"
        u"見ることはできますが、「作成」「保存」はできません。\r\n"
        u"　このツールを使うには「設定」「全般」で「システムテーブルを用いる」のチェックを"
        u"外します。",
        MessageKind::Information, MessageButtons::Yes);
}

CandFileLook CandFileLookFor(const Settings& settings, std::u16string_view candFileName) {
    const std::pair<const std::u16string*, CandFileLook> looks[] = {
        {&settings.ThaiCandFile, {u"タイ語　候補ファイル", settings.ThaiFont}},
        {&settings.PhCandFile, {u"発音記号　候補ファイル", settings.UsrSubFont}},
        {&settings.MyanmarCandFile, {u"ミャンマー語　候補ファイル", settings.MyanmarFont}},
        {&settings.LaosCandFile, {u"ラオス語　候補ファイル", settings.LaosFont}},
        {&settings.KhmerCandFile, {u"クメール語　候補ファイル", settings.KhmerFont}},
    };
    for (const auto& [name, look] : looks) {
        if (*name == candFileName) return look;
    }
    return {u"候補ファイル", settings.UsrMainFont};
}

std::u16string HtmlFileNameFor(std::u16string_view candFileName) {
    const std::size_t dot = candFileName.rfind(u'.');
    return std::u16string(candFileName.substr(0, dot)) + u".html";
}

std::u16string ListHtmlRowLine(const std::array<std::u16string, 10>& fields) {
    std::u16string line = u"    <tr><td class=\"trigger\">";
    line += fields[0] == u"0022" ? std::u16string(u"\"") : HtmlText(fields[0]);
    line += u"</td>";
    for (std::size_t i = 1; i < fields.size(); ++i) {
        // A valid code is hexadecimal digits, which escaping leaves as they
        // are; a damaged field shows as text and cannot open markup.
        if (fields[i].empty())
            line += u"<td></td>";
        else
            line += u"<td>&#x" + HtmlText(fields[i]) + u";</td>";
    }
    line += u"</tr>";
    return line;
}

Lines ListHtmlPageLines(const ListHtmlChoices& choices,
                        const std::vector<std::array<std::u16string, 10>>& rows) {
    const std::u16string title = HtmlText(choices.title);
    const std::u16string titleFont = CssText(choices.titleFont, true);
    const std::u16string indent = u"        ";
    Lines lines = {
        u"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
        u"\"http://www.w3.org/TR/html4/loose.dtd\">",
        u"<html lang=\"ja\">",
        u"<head>",
        u"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">",
        u"<meta http-equiv=\"Content-Style-Type\" content=\"text/css\">",
        u"<title>" + title + u"</title>",
        u"<style type=\"text/css\">",
        u"<!--",
        u"body {",
        indent + u"width:  600px;",
        indent + u"margin:  20px;",
        indent + u"padding: 20px;",
        indent + u"text-align: center;",
        indent + u"background-color: " + CssText(choices.colourText, false) + u";",
        indent + u"font-family: \"" + titleFont + u"\";",
        indent + u"color: black;",
        u"}",
        u"h1 {",
        indent + u"text-align: center;",
        indent + u"padding:   10px;",
        indent + u"background-color: white;",
        indent + u"font-family: \"" + titleFont + u"\";",
        u"}",
        u"table {",
        indent + u"margin-left: auto;",
        indent + u"margin-right: auto;",
        indent + u"border: 2px solid;",
        indent + u"border-collapse: collapse;",
        u"}",
        u"th {",
        indent + u"width: 50px;",
        indent + u"height: 40px;",
        indent + u"border: 2px solid;",
        indent + u"background-color: #ffe4e1;",
        indent + u"font-size: 120%;",
        indent + u"font-family: \"Arial\";",
        u"}",
        u"td {",
        indent + u"width: 50px;",
        indent + u"height: 50px;",
        indent + u"background-color: ivory;",
        indent + u"border: 2px solid;",
        indent + u"font-size: " + CssText(choices.sizeText, false) + u"%;",
        indent + u"font-family: \"" + CssText(choices.candFont, true) + u"\";",
        u"}",
        u"td.trigger {",
        indent + u"width: 50px;",
        indent + u"border: 2px solid;",
        indent + u"background-color: #ffe4e1;",
        indent + u"font-size: 120%;",
        indent + u"font-family: \"Arial\";",
        u"}",
        u"-->",
        u"</style>",
        u"</head>",
        u"<body>",
        u"<h1>" + title + u"</h1>",
        u"<table>",
        u"  <caption>\"" + HtmlText(choices.candFileName) + u"\"</caption>",
        u"    <tr><th>Trigger</th><th>1</th><th>2</th><th>3</th><th>4</th><th>5</th>"
        u"<th>6</th><th>7</th><th>8</th><th>9</th></tr>",
    };
    for (const auto& row : rows) lines.push_back(ListHtmlRowLine(row));
    lines.push_back(u"</table>");
    lines.push_back(u"</body>");
    lines.push_back(u"</html>");
    return lines;
}

Lines AnsiSafeHtmlLines(Platform& platform, const Lines& lines) {
    auto holds = [&](const std::u16string& text) {
        return platform.DecodeCodePage(kAnsiCodePage,
                                       platform.EncodeCodePage(kAnsiCodePage, text)) == text;
    };
    Lines out;
    out.reserve(lines.size());
    for (const std::u16string& line : lines) {
        if (holds(line)) {
            out.push_back(line);
            continue;
        }
        std::u16string safe;
        for (std::size_t i = 0; i < line.size(); ++i) {
            std::u16string one(1, line[i]);
            char32_t codePoint = line[i];
            const bool pair = line[i] >= 0xD800 && line[i] <= 0xDBFF && i + 1 < line.size() &&
                              line[i + 1] >= 0xDC00 && line[i + 1] <= 0xDFFF;
            if (pair) {
                one += line[i + 1];
                codePoint = 0x10000 + ((static_cast<char32_t>(line[i]) - 0xD800) << 10) +
                            (static_cast<char32_t>(line[i + 1]) - 0xDC00);
                ++i;
            }
            safe += holds(one) ? one : HexReference(codePoint);
        }
        out.push_back(std::move(safe));
    }
    return out;
}

// --- The dialog ------------------------------------------------------------------

ListHtmlModel::ListHtmlModel(Platform& platform, const Settings& settings,
                             std::u16string tblFolder, std::u16string userTblFolder)
    : platform_(platform),
      settings_(settings),
      tblFolder_(std::move(tblFolder)),
      userTblFolder_(std::move(userTblFolder)),
      candFiles_(platform.ListFiles(tblFolder_, u"Cand*.csv")),
      titleFonts_(FillFontBox(platform, 1, 128)),
      candFonts_(FillFontBox(platform, 0, 0)) {
    if (SelectItemByText(titleFonts_, u"ＭＳ Ｐゴシック") >= 0) boxes.titleFont = u"ＭＳ Ｐゴシック";
    if (SelectItemByText(candFonts_, u"Tahoma") >= 0) boxes.candFont = u"Tahoma";
    boxes.sizeText = u"160";
    SetColourText(u"#0099DD");
}

const std::vector<std::u16string>& ListHtmlModel::SizeItems() {
    static const std::vector<std::u16string> items = [] {
        std::vector<std::u16string> sizes;
        for (const std::u16string& n : FillNumberItems(12, 25)) sizes.push_back(n + u"0");
        return sizes;
    }();
    return items;
}

std::u16string ListHtmlModel::StatusText() const { return u"■テーブルフォルダ： " + tblFolder_; }

void ListHtmlModel::ChooseCandFile(std::size_t index) {
    if (index >= candFiles_.size()) return;
    chosen_ = candFiles_[index];
    boxes.htmlFileName = HtmlFileNameFor(chosen_);
    const CandFileLook look = CandFileLookFor(settings_, chosen_);
    boxes.title = look.title;
    if (SelectItemByText(candFonts_, look.font) >= 0) boxes.candFont = look.font;
    boxes.sizeText = u"160";
    htmlLines_.clear();
    made_ = false;
}

bool ListHtmlModel::MakeEnabled() const { return !chosen_.empty() && !settings_.SysTblFlg; }

bool ListHtmlModel::SaveEnabled() const { return made_ && !settings_.SysTblFlg; }

bool ListHtmlModel::ShowEnabled() const { return !chosen_.empty(); }

void ListHtmlModel::SetColourText(std::u16string text) {
    colourText_ = std::move(text);
    if (IsHexColorText(colourText_)) swatch_ = HexTextToColor(colourText_);
}

void ListHtmlModel::ColourPicked(Color color) {
    swatch_ = color & 0xFFFFFF;
    colourText_ = ColorToHexText(swatch_);
}

std::u16string ListHtmlModel::HtmlText() const {
    std::u16string text;
    for (std::size_t i = 0; i < htmlLines_.size(); ++i) {
        if (i != 0) text += u"\r\n";
        text += htmlLines_[i];
    }
    return text;
}

void ListHtmlModel::EditHtml(std::u16string_view text) { htmlLines_ = SplitLines(text); }

void ListHtmlModel::Make() {
    if (!MakeEnabled()) return;
    if (platform_.FileExists(userTblFolder_ + u"\\" + chosen_)) {
        // An empty chooser (none of its fonts was the language's) writes the
        // language's font, never an empty font-family.
        const std::u16string candFont =
            boxes.candFont.empty() ? CandFileLookFor(settings_, chosen_).font : boxes.candFont;
        const ListHtmlChoices choices{boxes.title, chosen_,        boxes.titleFont,
                                      candFont,    boxes.sizeText, colourText_};
        htmlLines_ = ListHtmlPageLines(choices,
                                       ReadCandForRendering(platform_, userTblFolder_, chosen_));
    }
    made_ = true;
}

void ListHtmlModel::Save() {
    if (!SaveEnabled()) return;
    const std::u16string name(TrimBlanks(boxes.htmlFileName));
    if (!IsPlainFileName(name)) {
        platform_.ShowMessage(kHtmlNameWarning, MessageKind::Warning, MessageButtons::Yes);
        return;
    }
    const std::u16string path = tblFolder_ + u"\\" + name;
    if (!WriteAnsiLines(platform_, path, AnsiSafeHtmlLines(platform_, htmlLines_))) {
        ReportFileFailure(platform_, FileAction::Save, u"ファイル", path);
        return;
    }
    platform_.ShowMessage(u"ファイル \"" + name + u"\" を保存しました。", MessageKind::Information,
                          MessageButtons::Yes);
}

void ListHtmlModel::Show() {
    if (!ShowEnabled()) return;
    const std::u16string& name = boxes.htmlFileName;
    const std::u16string path = userTblFolder_ + u"\\" + name;
    if (IsPlainFileName(name) && platform_.FileExists(path)) {
        platform_.ShellOpen(path);
        return;
    }
    platform_.ShowMessage(u"ファイル \"" + name + u"\" が存在しません。\r\n"
                              u"一度、「作る」ボタンと「保存」ボタンを押し、ファイルを作成してから"
                              u"「見る」ボタンを押して下さい。",
                          MessageKind::Warning, MessageButtons::Yes);
}


}  // namespace tess
