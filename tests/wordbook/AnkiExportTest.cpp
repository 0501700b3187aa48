#include "wordbook/AnkiExport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "lib/TextFile.h"
#include "platform/fake/FakePlatform.h"

namespace tess {
namespace {

const std::u16string kBookFolder = u"C:\\Users\\user\\Documents\\Quillory\\Tessaline\\bookA";
const std::u16string kExportFolder = u"C:\\Users\\user\\Desktop\\anki";
const std::u16string kTarget = kExportFolder + u"\\anki_book.txt";

Bytes FixtureBytes(const char* name) {
    const std::filesystem::path path =
        std::filesystem::path(TESS_SOURCE_DIR) / "tests" / "wordbook" / "fixtures" / name;
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The fixture book, read by the program's own reader.
WordBook FixtureBook(FakePlatform& platform) {
    platform.PutFile(kBookFolder + u"\\anki_book.utx", FixtureBytes("anki_book.utx"));
    std::optional<WordBookFile> file = ReadWordBookFile(platform, kBookFolder, u"anki_book.utx");
    EXPECT_TRUE(file);
    return file ? file->book : WordBook{};
}

// A reader of the records by the rules Anki documents for its text import,
// written apart from the exporter: lines beginning with "#" before the
// first record are headers; fields are separated by the separator; a field
// that begins with a double quote runs to the closing quote and may hold the
// separator and line breaks, a doubled quote inside it standing for one.
struct AnkiFile {
    std::vector<std::string> headers;
    std::vector<std::vector<std::string>> records;
};

AnkiFile ReadAsAnki(const std::string& text) {
    AnkiFile file;
    std::size_t i = 0;
    while (i < text.size() && text[i] == '#') {
        const std::size_t end = text.find('\n', i);
        file.headers.push_back(text.substr(i, end - i));
        i = end + 1;
    }
    std::vector<std::string> record;
    std::string field;
    while (i < text.size()) {
        if (text[i] == '"') {
            for (++i; i < text.size(); ++i) {
                if (text[i] == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else if (text[i] == '"') {
                    ++i;
                    break;
                } else {
                    field += text[i];
                }
            }
        } else {
            while (i < text.size() && text[i] != '\t' && text[i] != '\n') field += text[i++];
        }
        record.push_back(field);
        field.clear();
        if (i < text.size() && text[i] == '\n') {
            file.records.push_back(record);
            record.clear();
        }
        ++i;  // past the tab or the line end
    }
    return file;
}

TEST(AnkiExportTest, FixtureBookGivesTheExpectedBytes) {
    FakePlatform platform;
    const WordBook book = FixtureBook(platform);
    EXPECT_EQ(AnkiExportBytes(book), FixtureBytes("anki_book.txt"));
}

// Every script of the program, the IPA, a character outside the BMP, the
// quote, the line break, the tab and the "#" come back from the file as the
// word list holds them, by Anki's own rules.
TEST(AnkiExportTest, AnkiReadsBackEveryFieldExactly) {
    FakePlatform platform;
    const WordBook book = FixtureBook(platform);
    const AnkiFile file = ReadAsAnki(AnkiExportBytes(book));
    EXPECT_EQ(file.headers,
              (std::vector<std::string>{"#separator:tab", "#html:false",
                                        "#columns:外国語\t発音記号\t発音カナ\t日本語\t備考\t音声"}));
    ASSERT_EQ(file.records.size(), book.entries.size());
    for (std::size_t i = 0; i < book.entries.size(); ++i) {
        const WordEntry& e = book.entries[i];
        std::string note = Utf16ToUtf8(e.note);
        for (std::size_t at; (at = note.find("#$0D")) != std::string::npos;) {
            note.replace(at, 4, "\n");
        }
        const std::vector<std::string> expected = {
            Utf16ToUtf8(e.foreignWord), Utf16ToUtf8(e.phonetic), Utf16ToUtf8(e.kana),
            Utf16ToUtf8(e.japanese),    note,
            e.audioFile.empty() ? "" : "[sound:" + Utf16ToUtf8(e.audioFile) + "]"};
        EXPECT_EQ(file.records[i], expected) << "entry " << i + 1;
    }
    // The fixture holds each script once; the checks above would pass on an empty book.
    EXPECT_EQ(file.records.at(0).at(0), "สวัสดี");
    EXPECT_EQ(file.records.at(1).at(0), "မင်္ဂလာပါ");
    EXPECT_EQ(file.records.at(2).at(0), "ສະບາຍດີ");
    EXPECT_EQ(file.records.at(3).at(0), "សួស្ដី");
    EXPECT_EQ(file.records.at(4).at(4), "\"ไม่\" で否定");
}

struct FieldCase {
    std::u16string stored;   // as the word list holds it
    std::u16string written;  // as the file holds it
};

TEST(AnkiExportTest, FieldsAreQuotedOnlyWhenAnkiNeedsIt) {
    const FieldCase cases[] = {
        {u"", u""},
        {u"plain, with commas; and <b>", u"plain, with commas; and <b>"},
        {u"a#$0Db", u"\"a\nb\""},
        {u"a#$0D#$0D", u"\"a\n\n\""},
        {u"a\r\nb\rc", u"\"a\nb\nc\""},
        {u"say \"hi\"", u"\"say \"\"hi\"\"\""},
        {u"\"", u"\"\"\"\""},
        {u"a\tb", u"\"a\tb\""},
        {u"#tag", u"\"#tag\""},
        {u"a#b", u"a#b"},
        {u"x#$22", u"x#$22"},  // the word list holds no escapes but "#$0D"
    };
    for (const FieldCase& c : cases) {
        EXPECT_EQ(AnkiField(c.stored), c.written) << Utf16ToUtf8(c.stored);
    }
}

TEST(AnkiExportTest, FileNameOffered) {
    EXPECT_EQ(AnkiExportFileName(u"Thai01_Greetings.utx"), u"Thai01_Greetings.txt");
    EXPECT_EQ(AnkiExportFileName(u"my.book.utx"), u"my.book.txt");
    EXPECT_EQ(AnkiExportFileName(u"noext"), u"noext.txt");
}

// --- The export with its question -------------------------------------------------------

struct ExportWorld {
    FakePlatform platform;
    WordBook book;
    ExportWorld() {
        book = FixtureBook(platform);
        platform.CreateDirectories(kExportFolder);
        // The fixture names sawatdii.mp3 and suosdei.wav; only these exist.
        platform.PutFile(kBookFolder + u"\\sawatdii.mp3", "mp3 bytes");
        platform.PutFile(kBookFolder + u"\\suosdei.wav", "wav bytes");
    }
    std::optional<Bytes> At(const std::u16string& name) {
        return platform.ReadWholeFile(kExportFolder + u"\\" + name);
    }
};

TEST(AnkiExportTest, YesCopiesTheAudioFilesBesideTheFile) {
    ExportWorld w;
    w.platform.scriptedAnswers = {MessageAnswer::Yes};
    EXPECT_TRUE(ExportWordBookToAnki(w.platform, w.book, kBookFolder, kTarget));
    EXPECT_EQ(w.At(u"anki_book.txt"), AnkiExportBytes(w.book));
    ASSERT_EQ(w.platform.messages.size(), 1u);
    EXPECT_EQ(w.platform.messages[0].text,
              u"音声ファイル（2個）を「" + kExportFolder + u"」にコピーしますか？");
    EXPECT_EQ(w.platform.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(w.At(u"sawatdii.mp3"), "mp3 bytes");
    EXPECT_EQ(w.At(u"suosdei.wav"), "wav bytes");
}

TEST(AnkiExportTest, NoWritesTheFileAlone) {
    ExportWorld w;
    w.platform.scriptedAnswers = {MessageAnswer::No};
    EXPECT_TRUE(ExportWordBookToAnki(w.platform, w.book, kBookFolder, kTarget));
    EXPECT_TRUE(w.At(u"anki_book.txt"));
    EXPECT_FALSE(w.At(u"sawatdii.mp3"));
    EXPECT_FALSE(w.At(u"suosdei.wav"));
}

// Only audio files that exist and are not there yet are offered; a file of
// that name already there stays as it was.
TEST(AnkiExportTest, OffersOnlyTheAudioFilesStillToCopy) {
    ExportWorld w;
    w.platform.RemoveFile(kBookFolder + u"\\suosdei.wav");
    w.platform.PutFile(kExportFolder + u"\\sawatdii.mp3", "the user's own");
    EXPECT_TRUE(ExportWordBookToAnki(w.platform, w.book, kBookFolder, kTarget));
    EXPECT_TRUE(w.platform.messages.empty());
    EXPECT_EQ(w.At(u"sawatdii.mp3"), "the user's own");

    // Written into the audio folder itself: nothing to copy, no question.
    ExportWorld same;
    EXPECT_TRUE(ExportWordBookToAnki(same.platform, same.book, kBookFolder,
                                     kBookFolder + u"\\anki_book.txt"));
    EXPECT_TRUE(same.platform.messages.empty());
}

TEST(AnkiExportTest, FailedWriteIsReportedAndKeepsTheOldFile) {
    ExportWorld w;
    w.platform.PutFile(kTarget, "old export");
    w.platform.FailWritesTo(kTarget);
    EXPECT_FALSE(ExportWordBookToAnki(w.platform, w.book, kBookFolder, kTarget));
    EXPECT_EQ(w.At(u"anki_book.txt"), "old export");
    ASSERT_EQ(w.platform.messages.size(), 1u);  // no question after a failure
    EXPECT_EQ(w.platform.messages[0].text,
              u"「" + kTarget + u"」を書き出せませんでした。ファイルは元のままです。");
    EXPECT_EQ(w.platform.messages[0].kind, MessageKind::Warning);
}

TEST(AnkiExportTest, FailedCopyIsNamedAndTheOthersAreCopied) {
    ExportWorld w;
    w.platform.scriptedAnswers = {MessageAnswer::Yes};
    w.platform.FailWritesTo(kExportFolder + u"\\sawatdii.mp3");
    EXPECT_TRUE(ExportWordBookToAnki(w.platform, w.book, kBookFolder, kTarget));
    EXPECT_EQ(w.At(u"suosdei.wav"), "wav bytes");
    ASSERT_EQ(w.platform.messages.size(), 2u);
    EXPECT_EQ(w.platform.messages[1].text, u"次の音声ファイルをコピーできませんでした。\r\n" +
                                               kExportFolder + u"\\sawatdii.mp3");
}

}  // namespace
}  // namespace tess
