// A long seeded run of what a user does in one sitting: keys typed into the
// main window's fields with trigger keys and popups, words registered,
// edited, moved, deleted and sorted in an open book, and transfers. After every step the
// fields hold whole insertions only (the old text with the selection
// replaced by one typed key or one whole candidate, the caret behind it) and
// the book's list, its file and the counts agree.
// TESS_LONG_SESSION_STEPS sets the number of steps (a bigger run).
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <set>

#include "app/MainWindowFixture.h"
#include "input/FakeInputFields.h"
#include "input/SmallTables.h"
#include "lib/CombiningMarks.h"
#include "settings/Settings.h"
#include "transfer/FakeTransferPort.h"
#include "transfer/TransferModel.h"
#include "wordbook/WordBookFile.h"
#include "wordbook/WordBooks.h"

namespace tess {
namespace {

using namespace testing;

int Steps(int normal) {
    if (const char* text = std::getenv("TESS_LONG_SESSION_STEPS")) {
        const int steps = std::atoi(text);
        if (steps > 0) return steps;
    }
    return normal;
}

// The small tables with a key whose candidates are nonspacing marks.
InputTables TablesWithMarks() {
    InputTables tables = SmallTables();
    tables.GaCandTable.insert(tables.GaCandTable.begin(),
                              Record(u'i', {u'\u0E34', u'\u0E49', u'\u0E48'}));
    return tables;
}

// A popup that picks a cell at random, or is closed without a choice.
struct RandomPopups : CandidatePopupPort {
    std::mt19937* random = nullptr;
    int shown = 0;
    std::optional<std::u16string> RunPopup(CandPopupModel& popup, const PopupLook&, FieldId,
                                           int&) override {
        ++shown;
        const int cell = static_cast<int>((*random)() % (kCellCount + 1));
        if (cell == kCellCount) return std::nullopt;
        const std::u16string text = popup.CellText(cell);
        if (text.empty()) return std::nullopt;
        return text;
    }
};

TEST(LongSession, TypingWithTriggersAndPopupsOnlyEverInsertsWholeCandidates) {
    std::mt19937 random(20261211);
    FakePlatform fake;
    Settings settings;
    settings.InputMode = kModeThaiRomaji;
    InputTables tables = TablesWithMarks();
    FakeFields fields;
    RandomPopups popups;
    popups.random = &random;
    KeyboardLayouts layouts{fake, settings};
    layouts.RecordStartupLayout();
    InputSession session{tables, settings, fields, popups, &layouts};

    std::set<char16_t> candidates;
    for (const CandTable* table : {&tables.GaCandTable, &tables.PhCandTable})
        for (const CandRecord& record : *table)
            for (char16_t c : record.candidates)
                if (c) candidates.insert(c);

    const KeySource sources[] = {kMainForeignKeys, kMainPhoneticKeys};
    const std::u16string keys = u"kaiAE!xbiaK ";
    const int steps = Steps(30000);
    int inserted = 0;
    for (int step = 0; step < steps; ++step) {
        const KeySource& source = sources[random() % 2];
        FakeField& field = fields.open[FieldOf(source.side, source.requester)];
        if (random() % 50 == 0) {  // a new line of text
            field.state = FieldText{};
        }
        if (random() % 7 == 0 && !field.state.text.empty()) {  // the caret put elsewhere
            const int size = static_cast<int>(field.state.text.size());
            int at = static_cast<int>(random() % (size + 1));
            while (at < size && IsNonspacingMark(field.state.text[at])) ++at;
            const int length = static_cast<int>(random() % (size - at + 1));
            field.state.selStart = at;
            field.state.selLength = random() % 3 == 0 ? length : 0;
        }
        // Reversal and one-key input change now and then, as in the settings.
        if (random() % 500 == 0) settings.GaTriRevFlg = !settings.GaTriRevFlg;
        if (random() % 500 == 0) settings.GaOneInpFlg = !settings.GaOneInpFlg;

        const FieldText before = field.state;
        const char16_t key = keys[random() % keys.size()];
        if (!session.KeyTyped(source, key)) {
            const InsertOutcome typed = InsertIntoField(field.state, std::u16string(1, key));
            field.state = FieldText{typed.text, typed.caret, 0};
        }

        const FieldText& after = field.state;
        const int size = static_cast<int>(before.text.size());
        const int start = std::clamp(before.selStart, 0, size);
        const int end = std::clamp(before.selStart + before.selLength, start, size);
        const std::u16string head = before.text.substr(0, start);
        const std::u16string tail = before.text.substr(end);
        if (after.text == before.text) continue;
        ASSERT_TRUE(after.text.starts_with(head) && after.text.ends_with(tail) &&
                    after.text.size() >= head.size() + tail.size())
            << "step " << step;
        const std::u16string added =
            after.text.substr(head.size(), after.text.size() - head.size() - tail.size());
        ASSERT_EQ(added.size(), 1u) << "step " << step;
        ASSERT_TRUE(added[0] == key || candidates.count(added[0])) << "step " << step;
        ASSERT_EQ(after.selStart, start + 1) << "step " << step;
        ++inserted;
    }
    EXPECT_GT(popups.shown, steps / 20);
    EXPECT_GT(inserted, steps / 4);
}

WordEntry Word(std::u16string foreign, std::u16string japanese) {
    return WordEntry{std::move(foreign), u"", u"", std::move(japanese), u"", u"", u""};
}

TEST(LongSession, WordListChangesAlwaysLeaveTheListTheFileAndTheCountsAgreeing) {
    std::mt19937 random(1211);
    MainWindowWorld world;
    world.fake.CreateDirectories(world.folders.ThaiBookFolder);
    const std::u16string folder = world.folders.ThaiBookFolder;
    ASSERT_TRUE(WriteNewWordBook(world.fake, folder + u"\\b.utx", u"本", u"あいさつ", u"",
                                 {Word(u"ก", u"一")}));
    world.Start();
    WordBooks& books = world.model.wordBooks();
    FakeWordBookPort& view = world.wordBookPort;
    books.BookClicked(0);
    world.fake.AdvanceTime(1000);

    // Foreign words: Thai with marks, now and then a lone mark or an empty one.
    const std::u16string pieces[] = {u"ก", u"กิ", u"ข่า", u"\u0E49", u"", u"\"q\"", u"a,b"};
    auto randomWord = [&] {
        std::u16string foreign;
        for (int i = random() % 3; i >= 0; --i) foreign += pieces[random() % std::size(pieces)];
        return Word(foreign, u"訳" + pieces[random() % std::size(pieces)]);
    };
    auto select = [&](std::size_t row) {
        view.selectedRow = row;
        books.WordClicked();
    };

    const int steps = Steps(30000) / 3;
    int done[7] = {};
    std::size_t largest = 0;
    for (int step = 0; step < steps; ++step) {
        const std::size_t count = books.List().RowCount();
        largest = std::max(largest, count);
        const int kind = static_cast<int>(random() % 7);
        ++done[kind];
        switch (kind) {
            case 0:
            case 1:
                if (count < 60) {
                    EXPECT_TRUE(books.AppendWord(randomWord()));
                }
                break;
            case 2:
                if (count > 0 && count < 60) {
                    EXPECT_TRUE(books.InsertWord(1 + random() % count, randomWord()));
                }
                break;
            case 3:
                if (count > 0) {
                    select(random() % count);
                    EXPECT_TRUE(books.ReplaceSelectedWord(randomWord()));
                }
                break;
            case 4:
                if (count > 0) {
                    select(random() % count);
                    EXPECT_TRUE(books.DeleteSelectedWord());
                }
                break;
            case 5:
                if (count > 1) {
                    select(random() % count);
                    EXPECT_TRUE(books.MoveSelectedWord(1 + random() % count));
                }
                break;
            case 6: {
                world.fake.scriptedAnswers = {MessageAnswer::Yes};
                const int column = static_cast<int>(random() % 6);
                books.WordColumnClicked(column == kNoColumn ? 0 : column);
                break;
            }
        }
        // What the list shows is what the file holds, entry for entry.
        auto file = ReadWordBookFile(world.fake, folder, u"b.utx");
        ASSERT_TRUE(file) << "step " << step;
        const WordBook& shown = books.List().Store().Book();
        ASSERT_EQ(file->book.entries.size(), shown.entries.size()) << "step " << step;
        for (std::size_t i = 0; i < shown.entries.size(); ++i)
            ASSERT_EQ(file->book.entries[i], shown.entries[i]) << "step " << step << " row " << i;
        ASSERT_EQ(view.rowCount, shown.entries.size()) << "step " << step;
        ASSERT_EQ(view.bookRows.at(0).count, shown.entries.size()) << "step " << step;
        ASSERT_TRUE(world.fake.messages.empty() ||
                    world.fake.messages.back().kind == MessageKind::Question)
            << "step " << step;
    }
    for (int kind : done) EXPECT_GT(kind, steps / 10);
    EXPECT_GE(largest, 30u);
}

TEST(LongSession, TransfersSendTheChosenTextAndLeaveNoKeyHeldDown) {
    std::mt19937 random(9);
    const std::u16string sys = u"C:\\Sys";
    FakePlatform fake;
    Settings settings;
    LoadDefaults(settings, fake);
    fake.CreateDirectories(sys);
    FakeTransferPort port;
    TransferModel model{fake, settings, port, sys};
    model.LanguageChanged(u"タイ語", 222);
    port.model = &model;
    port.text = {{InputArea::Foreign, u""}, {InputArea::Phonetic, u""}};
    fake.windowTitles = {{7, u"無題 - メモ帳"}, {8, u"Document - WordPad"}};

    const std::u16string pieces[] = {u"ก", u"กิ", u"ข่า", u"ə", u"a\r\nb", u"", u"\u0E49"};
    const int modes[] = {1, 2, 3, 4, 5, 11, 12, 13, 14};
    const int steps = Steps(30000) / 3;
    for (int step = 0; step < steps; ++step) {
        for (InputArea area : {InputArea::Foreign, InputArea::Phonetic}) {
            if (random() % 3 != 0) continue;
            std::u16string text;
            for (int i = random() % 4; i > 0; --i) text += pieces[random() % std::size(pieces)];
            port.text[area] = text;
            const std::size_t start = random() % (text.size() + 1);
            port.selection[area] = {start, random() % 2 ? 0 : random() % (text.size() - start + 1)};
        }
        if (random() % 10 == 0) {  // the user goes to another application and back
            model.OnApplicationDeactivate();
            fake.foreground = random() % 4 == 0 ? 0 : 7 + random() % 2;
            fake.AdvanceTime(static_cast<unsigned>(settings.TrTimer));
            model.OnApplicationActivate();
        }
        settings.TransMode = modes[random() % std::size(modes)];
        settings.TransClearFlg = random() % 5 == 0;
        port.focus = random() % 2 ? InputArea::Foreign : InputArea::Phonetic;
        const std::map<InputArea, std::u16string> before = port.text;
        const bool plain = settings.TransMode == 5 || settings.TransMode == 14;
        const InputArea source = settings.TransMode < 11 ? InputArea::Foreign : InputArea::Phonetic;
        const TextSelection chosen = port.selection[source];
        const std::u16string& from = before.at(source);
        const std::u16string sent =
            chosen.length == 0 ? from : from.substr(chosen.start, chosen.length);
        fake.clipboardText.reset();

        model.TransferTxt1Execute();
        model.OnApplicationDeactivate();  // the target, if one is held, comes to the front
        fake.AdvanceTime(static_cast<unsigned>(settings.PaTimer + settings.TrTimer));
        model.OnApplicationActivate();

        if (plain) {
            ASSERT_EQ(fake.clipboardText, sent) << "step " << step;
        }
        if (settings.TransClearFlg) {
            ASSERT_EQ(port.text[InputArea::Foreign], u"") << "step " << step;
            ASSERT_EQ(port.text[InputArea::Phonetic], u"") << "step " << step;
        } else {
            ASSERT_EQ(port.text, before) << "step " << step;
        }
        // Every key the program pressed it let go again.
        std::map<std::uint16_t, int> held;
        for (const auto& stroke : fake.keyStrokes) held[stroke.virtualKey] += stroke.down ? 1 : -1;
        for (const auto& [key, count] : held) ASSERT_EQ(count, 0) << "step " << step << " key " << key;
        ASSERT_TRUE(fake.messages.empty()) << "step " << step;
        // The work file is a whole document whenever it is there.
        if (auto work = fake.ReadWholeFile(sys + u"\\Work.rtf")) {
            ASSERT_TRUE(work->starts_with("{\\rtf1") && work->ends_with("}\r\n"))
                << "step " << step;
        }
    }
    EXPECT_GT(fake.keyStrokes.size(), static_cast<std::size_t>(steps / 10));  // pastes happened
}

}  // namespace
}  // namespace tess
