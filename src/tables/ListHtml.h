// The list HTML tool (THTMLFrm, "一覧HTML作成ツール"): a candidate file shown
// as an HTML page, one table row per trigger key with its nine candidates as
// numeric character references, under a title, in the fonts, size and
// background colour the user picks.
//
// The page is built by ListHtmlPageLines from the dialog's choices and the
// candidate file's rendering lines (ReadCandForRendering); ListHtmlModel
// holds the dialog's state and the rules of its controls. The view builds
// the controls, copies what the user types into the model, calls the
// actions and shows what the model holds afterwards; message boxes and the
// shell's "open" go through the platform.
//
// Folders: the candidate list and "保存" use TblFolder, "作る" reads and
// "見る" opens from UserTblFolder (one folder unless SysTblFlg is set, and
// then "作る" and "保存" are never enabled).
//
// Values are written into the page escaped for where they land, so that a
// title, file name, key or font name holding <, >, & or a quote cannot end
// an element, an attribute or the style sheet early: in element text & < >
// become entity references; in the style sheet, where entity references are
// not read, a "<" becomes the CSS escape "\3C " (so "</style>" cannot close
// the sheet) and, inside the quoted font names, " and \ are escaped with a
// backslash. Ordinary values (ASCII font names, "#0099DD", "160", a Japanese
// title) come out unchanged.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "settings/Settings.h"
#include "lib/ColorText.h"
#include "lib/TextFile.h"
#include "platform/platform.h"

namespace tess {

inline constexpr char16_t kListHtmlTitle[] = u"一覧HTML作成ツール";
inline constexpr int kListHtmlWidth = 640;
inline constexpr int kListHtmlHeight = 640;

// The main window's MakeHTML action calls this before showing the tool: while
// SysTblFlg is set the user learns that pages can be viewed but not made.
void NoticeBeforeListHtml(Platform& platform, const Settings& settings);

// The title and candidate font a candidate file gets when chosen: the first
// of ThaiCandFile, PhCandFile, MyanmarCandFile, LaosCandFile, KhmerCandFile
// whose name equals it exactly gives its language's title and font; no match
// gives "候補ファイル" and UsrMainFont.
struct CandFileLook {
    std::u16string title;
    std::u16string font;
    bool operator==(const CandFileLook&) const = default;
};
CandFileLook CandFileLookFor(const Settings& settings, std::u16string_view candFileName);

// The candidate file name with its extension (from the last ".") replaced by
// ".html"; a name without one gets ".html" added.
std::u16string HtmlFileNameFor(std::u16string_view candFileName);

// What "作る" takes from the dialog, as typed or chosen.
struct ListHtmlChoices {
    std::u16string title;
    std::u16string candFileName;
    std::u16string titleFont;
    std::u16string candFont;
    std::u16string sizeText;
    std::u16string colourText;
};

// One rendering line (key field and nine code fields) as a table row, four
// spaces in: the key field "0022" shows a double quote, an empty code an
// empty cell, any other code "&#x<code>;".
std::u16string ListHtmlRowLine(const std::array<std::u16string, 10>& fields);

// The whole page, line by line.
Lines ListHtmlPageLines(const ListHtmlChoices& choices,
                        const std::vector<std::array<std::u16string, 10>>& rows);

// The page's lines as they are saved in code page 932: a character the code
// page cannot hold (a Thai title, a Khmer character typed into the text area)
// becomes a numeric character reference instead of "?", so the saved page
// still shows it. Lines the code page holds whole are returned unchanged.
Lines AnsiSafeHtmlLines(Platform& platform, const Lines& lines);

// The dialog's boxes that the user types into or chooses from; the view
// copies every change into them.
struct ListHtmlBoxes {
    std::u16string htmlFileName;  // "２．出力するHTMLファイル名"
    std::u16string title;         // "３．HTMLファイルのタイトル"
    std::u16string titleFont;     // "４．" chooser; empty while nothing is selected
    std::u16string candFont;      // "５．" chooser
    std::u16string sizeText;      // "５．" size box (editable)
};

class ListHtmlModel {
public:
    // Reads the candidate file list ("Cand*.csv" in tblFolder) and the font
    // lists. The title font starts at "ＭＳ Ｐゴシック" and the candidate font
    // at "Tahoma", each only when its chooser lists it (a drop-down list
    // cannot show a name it does not hold), the size at "160", the colour at
    // "#0099DD".
    ListHtmlModel(Platform& platform, const Settings& settings, std::u16string tblFolder,
                  std::u16string userTblFolder);

    // The choosers' items.
    const std::vector<std::u16string>& CandFiles() const { return candFiles_; }
    // TrueType families of the Shift_JIS character set, without "@" and "$" names.
    const std::vector<std::u16string>& TitleFonts() const { return titleFonts_; }
    // Installed fonts, without "@" names.
    const std::vector<std::u16string>& CandFonts() const { return candFonts_; }
    // "120", "130", ... "250".
    static const std::vector<std::u16string>& SizeItems();

    // "■テーブルフォルダ： " and TblFolder.
    std::u16string StatusText() const;

    ListHtmlBoxes boxes;

    // The user picks CandFiles()[index]: the HTML file name, title, candidate
    // font (only when listed) and size follow the file, the text area is
    // emptied, "作る" and "見る" become available and "保存" not.
    void ChooseCandFile(std::size_t index);
    // The chosen name; empty before any choice.
    const std::u16string& ChosenCandFile() const { return chosen_; }

    bool MakeEnabled() const;
    bool SaveEnabled() const;
    bool ShowEnabled() const;

    // The colour box and its swatch. Typing changes the swatch only while the
    // text is "#" and six upper-case hexadecimal digits; a colour picked in
    // the colour dialog (which starts at Swatch()) sets both.
    void SetColourText(std::u16string text);
    const std::u16string& ColourText() const { return colourText_; }
    Color Swatch() const { return swatch_; }
    void ColourPicked(Color color);

    // The text area: freely editable, its lines are what "保存" writes.
    const Lines& HtmlLines() const { return htmlLines_; }
    // Its lines joined by CR LF, as the edit control shows them.
    std::u16string HtmlText() const;
    void EditHtml(std::u16string_view text);

    // "作る": when the chosen file exists in UserTblFolder, the text area
    // holds its page; "保存" becomes available either way.
    void Make();
    // "保存": writes the text area to the trimmed HTML file name in TblFolder
    // (code page 932, CR LF, no mark, atomically) and says so; a blank name
    // gets a warning, a failed write an error naming the file.
    // The page belongs beside the table files, so a name that is not a plain
    // file name (a "\", "/" or ":" in it, or "." or "..") is refused with the
    // blank name's warning rather than written into another folder.
    void Save();
    // "見る": opens the HTML file name, as typed, in UserTblFolder with the
    // system's viewer, or warns that it does not exist. A name that is not a
    // plain file name is not a file of that folder: it gets the same warning,
    // so the box can never open something elsewhere.
    void Show();

private:
    Platform& platform_;
    const Settings& settings_;
    std::u16string tblFolder_;
    std::u16string userTblFolder_;
    std::vector<std::u16string> candFiles_;
    std::vector<std::u16string> titleFonts_;
    std::vector<std::u16string> candFonts_;
    std::u16string chosen_;
    bool made_ = false;
    std::u16string colourText_;
    Color swatch_ = 0;
    Lines htmlLines_;
};

}  // namespace tess
