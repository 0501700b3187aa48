// Every writer of the program, failed at every step of every file it writes
// in one save (create the temporary file, each write, flush, the replace):
// the file being written stays byte for byte as it was, and a Japanese
// message names it. Files the same save wrote before the failure keep what
// was written to them; nothing else changes.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/DictionaryGeneration.h"
#include "app/MainWindowFixture.h"
#include "lib/TextFile.h"
#include "tables/CandEditor.h"
#include "tables/ListHtml.h"
#include "tables/SymbolDbEditor.h"
#include "wordbook/AnkiExport.h"
#include "wordbook/BookDialogModels.h"
#include "wordbook/BookList.h"
#include "wordbook/LegacyConverter.h"
#include "wordbook/WordBookFile.h"
#include "wordbook/WordBooks.h"

namespace tess {
namespace {

WordEntry Word(const std::u16string& foreign) {
    return WordEntry{foreign, u"kàj", u"カイ", u"訳", u"", u"", u""};
}

std::u16string BareName(const std::u16string& path) {
    return path.substr(path.find_last_of(u'\\') + 1);
}

// One save as the user makes it, in a world of its own.
struct Writer {
    const char* name;
    std::function<void(MainWindowWorld&)> setUp;  // before the program starts
    std::function<void(MainWindowWorld&)> save;
};

std::u16string BookPath(MainWindowWorld& w) { return w.folders.ThaiBookFolder + u"\\b.utx"; }

void PutBook(MainWindowWorld& w) {
    w.fake.CreateDirectories(w.folders.ThaiBookFolder);
    ASSERT_TRUE(WriteNewWordBook(w.fake, BookPath(w), u"本", u"あいさつ", u"",
                                 {Word(u"ไก่"), Word(u"ไข่")}));
}

// A book bigger than one 64 KiB write, so that its save takes several.
void PutBigBook(MainWindowWorld& w) {
    w.fake.CreateDirectories(w.folders.ThaiBookFolder);
    std::vector<WordEntry> words;
    for (int i = 0; i < 1500; ++i) words.push_back(Word(u"ไก่" + Utf8ToUtf16(std::to_string(i))));
    ASSERT_TRUE(WriteNewWordBook(w.fake, BookPath(w), u"本", u"あいさつ", u"", words));
    ASSERT_GT(w.fake.ReadWholeFile(BookPath(w))->size(), 65536u);
}

void OpenBook(MainWindowWorld& w) {
    w.model.wordBooks().BookClicked(0);
    w.fake.AdvanceTime(1000);
}

const std::u16string kDbText =
    u"\"タイ文字\",\"Tahoma\"\r\nGroup,0,\"子音\"\r\n0,\"0E01\",\"KO KAI\",\"コー・カイ\",\"0\",\"\"\r\n";
const std::u16string kCandText = u"\"DBSmall.csv\",Alphabet_Lower\r\n\"k\",0E01,,,,,,,,\r\n";

void PutTables(MainWindowWorld& w) {
    const std::u16string tbl = w.folders.UserTblFolder;
    w.fake.PutFile(tbl + u"\\DBSmall.csv", w.fake.EncodeCodePage(kAnsiCodePage, kDbText));
    w.fake.PutFile(tbl + u"\\CandSmall.csv", w.fake.EncodeCodePage(kAnsiCodePage, kCandText));
}

const std::vector<Writer>& Writers() {
    static const std::vector<Writer> writers = {
        {"a word appended to the open book", PutBook,
         [](MainWindowWorld& w) {
             OpenBook(w);
             w.model.wordBooks().AppendWord(Word(u"น้ำ"));
         }},
        {"a word appended to a book of several writes", PutBigBook,
         [](MainWindowWorld& w) {
             OpenBook(w);
             w.model.wordBooks().AppendWord(Word(u"น้ำ"));
         }},
        {"the open book's properties", PutBook,
         [](MainWindowWorld& w) {
             OpenBook(w);
             BookPropertiesDialogModel dialog(w.model.wordBooks());
             dialog.ChangePressed(u"新しい題", 0, u"");
         }},
        {"the group names", nullptr,
         [](MainWindowWorld& w) {
             GroupNamesDialogModel dialog(Lines{u"あいさつ", u"家族", u"食べ物"});
             dialog.UpdatePressed(w.model.wordBooks(), [] {});
         }},
        {"the folder list after browsing for a folder",
         [](MainWindowWorld& w) {
             ASSERT_TRUE(WriteAnsiLines(w.fake, w.folders.SysFolder + u"\\" + kFolderListFile,
                                        {w.folders.ThaiBookFolder, w.folders.ThaiDicFolder}));
         },
         [](MainWindowWorld& w) {
             w.fake.CreateDirectories(u"C:\\単語\\新しい");
             w.wordBookPort.browseAnswer = u"C:\\単語\\新しい";
             w.model.wordBooks().BrowseForFolder();
         }},
        {"the dictionary books", [](MainWindowWorld& w) { w.WriteSettings({u"DicFlg,1"}); },
         [](MainWindowWorld& w) {
             w.fake.scriptedAnswers = {MessageAnswer::Yes, MessageAnswer::Yes};
             RunDictionaryGeneration(w.fake, w.folders, w.model.wordBooks());
         }},
        {"the settings file at exit", nullptr,
         [](MainWindowWorld& w) { w.model.RunShutdownSequence(); }},
        {"a text file saved from the foreign area", nullptr,
         [](MainWindowWorld& w) {
             w.port.memoText = u"สวัสดี";
             w.model.SaveTextFileAs(w.folders.TextFolder + u"\\memo.txt");
         }},
        {"the symbol DB editor's 上書", PutTables,
         [](MainWindowWorld& w) {
             SymbolDbEditor editor(w.fake, w.folders.UserTblFolder, false, 222, u"Tahoma");
             editor.Open(u"DBSmall.csv");
             editor.SelectRow(0);
             editor.NoteChanged(u"注");
             editor.OverWrite();
         }},
        {"the candidate editor's 上書", PutTables,
         [](MainWindowWorld& w) {
             CandEditor editor(w.fake, w.folders.UserTblFolder, false, 222, u"Tahoma");
             editor.Open(u"CandSmall.csv");
             editor.SelectKey(static_cast<int>(
                 std::find(kKeyLayout.begin(), kKeyLayout.end(), u'a') - kKeyLayout.begin()));
             editor.BoxChanged(0, u"1");
             editor.Register();
             editor.OverWrite();
         }},
        {"a list HTML page", PutTables,
         [](MainWindowWorld& w) {
             ListHtmlModel tool(w.fake, w.model.settings(), w.folders.UserTblFolder,
                                w.folders.UserTblFolder);
             tool.ChooseCandFile(0);
             tool.boxes.htmlFileName = u"list.html";
             tool.boxes.title = u"一覧";
             tool.Make();
             tool.Save();
         }},
        {"a book exported for Anki", PutBook,
         [](MainWindowWorld& w) {
             const auto file = ReadWordBookFile(w.fake, w.folders.ThaiBookFolder, u"b.utx");
             ASSERT_TRUE(file);
             ExportWordBookToAnki(w.fake, file->book, w.folders.ThaiBookFolder,
                                  w.folders.TextFolder + u"\\b.txt");
         }},
        {"old books converted",
         [](MainWindowWorld& w) {
             for (const char16_t* name : {u"a.twd", u"b.twd"}) {
                 Bytes bytes = w.fake.EncodeCodePage(932, u"古い単語帳\r\n1\r\n鶏\r\nカイ\r\n\r\n");
                 bytes += w.fake.EncodeCodePage(874, u"ไก่\r\n");
                 w.fake.PutFile(std::u16string(u"C:\\Quillory\\Morvane\\bookA\\") + name, bytes);
             }
         },
         [](MainWindowWorld& w) {
             LegacyConverter converter(w.fake, w.folders.ThaiBookFolder);
             converter.Convert(w.folders.ThaiBookFolder);
         }},
    };
    return writers;
}

std::map<std::u16string, Bytes> Snapshot(FakePlatform& fake) {
    std::map<std::u16string, Bytes> files;
    for (const std::u16string& path : fake.AllFiles()) files[path] = *fake.ReadWholeFile(path);
    return files;
}

class SaveFailureTest : public ::testing::TestWithParam<std::size_t> {};

TEST_P(SaveFailureTest, EveryStepThatFailsLeavesTheFileAndNamesIt) {
    const Writer& writer = Writers()[GetParam()];
    // A save that goes through counts its steps.
    int steps = 0;
    {
        MainWindowWorld w;
        if (writer.setUp) writer.setUp(w);
        w.Start();
        w.fake.FailReplaceStep(0);
        writer.save(w);
        steps = w.fake.replaceSteps;
    }
    ASSERT_GT(steps, 0) << writer.name << " wrote nothing";
    for (int n = 1; n <= steps; ++n) {
        SCOPED_TRACE(std::string(writer.name) + ", step " + std::to_string(n));
        MainWindowWorld w;
        if (writer.setUp) writer.setUp(w);
        w.Start();
        const std::map<std::u16string, Bytes> before = Snapshot(w.fake);
        w.fake.messages.clear();
        w.fake.FailReplaceStep(n);
        writer.save(w);
        const std::u16string failed = w.fake.failedReplace;
        ASSERT_FALSE(failed.empty());
        const auto old = before.find(failed);
        if (old == before.end()) {
            EXPECT_FALSE(w.fake.FileExists(failed)) << Utf16ToUtf8(failed);
        } else {
            EXPECT_EQ(*w.fake.ReadWholeFile(failed), old->second) << Utf16ToUtf8(failed);
        }
        bool named = false;
        for (const FakePlatform::ShownMessage& message : w.fake.messages)
            named = named || message.text.find(BareName(failed)) != std::u16string::npos;
        EXPECT_TRUE(named) << Utf16ToUtf8(failed) << " was not named in a message";
    }
}

INSTANTIATE_TEST_SUITE_P(AllWriters, SaveFailureTest,
                         ::testing::Range<std::size_t>(0, Writers().size()),
                         [](const ::testing::TestParamInfo<std::size_t>& info) {
                             std::string name;
                             for (char c : std::string(Writers()[info.param].name))
                                 if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) name += c;
                             return name.empty() ? std::to_string(info.param) : name;
                         });

}  // namespace
}  // namespace tess
