#include "MemoryMap.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcFatal.h"
#include "cmcScriptPrompt.h"
#include "cmcTvPreset.h"
#include "cmcTvTables.h"
#include "datCh.h"

#include <gtest/gtest.h>

namespace {

struct TableCase {
    int index;
    int count;
    uint32_t first;
    const char* firstName;
    uint32_t last;
    const char* lastName;
    uint32_t mode;
};

const TableCase tableCases[] = {
    {0, 10, 49250000, " 1CH", 229250000, "10CH", 1},
    {1, 55, 51750000, " 0CH", 819750000, "69CH", 1},
    {2, 61, 46750000, " 1CH", 860750000, "69CH", 1},
    {3, 68, 56250000, " 1CH", 957750000, "68CH", 1},
    {4, 6, 181750000, " 4CH", 221750000, " 9CH", 1},
    {5, 58, 49250000, " 2CH", 861750000, "69CH", 2},
    {6, 60, 53750000, "1ACH", 860750000, "69CH", 1},
    {7, 9, 51750000, " ACH", 221250000, " JCH", 1},
    {8, 59, 59250000, " ACH", 860750000, "69CH", 1},
    {9, 9, 49250000, " 1CH", 221250000, " 9CH", 1},
    {10, 62, 95750000, " 1CH", 769750000, "62CH", 1},
    {11, 7, 168750000, " 4CH", 216750000, "10CH", 1},
    {12, 11, 50750000, " 1CH", 229750000, "11CH", 1},
    {13, 12, 56250000, " 1CH", 229750000, "12CH", 1},
    {14, 9, 181250000, " 4CH", 253430000, "13CH", 1},
    {15, 6, 179750000, " 7CH", 209750000, "12CH", 1},
    {16, 49, 477250000, "21CH", 861250000, "69CH", 1},
    {17, 68, 59750000, " 2CH", 805750000, "69CH", 1},
};

class TvTableTest : public testing::TestWithParam<TableCase> {};

TEST_P(TvTableTest, CountEndsModeAndChannelOrder) {
    const TableCase& c = GetParam();
    const cmcTvTables::Table& table = cmcTvTables::builtIn().table(c.index);
    ASSERT_EQ(int(table.size()), c.count);
    EXPECT_EQ(table.front().frequency, c.first);
    EXPECT_EQ(table.front().name, c.firstName);
    EXPECT_EQ(table.back().frequency, c.last);
    EXPECT_EQ(table.back().name, c.lastName);
    uint32_t previous = 0;
    for (const cmcTvTables::Entry& e : table) {
        EXPECT_EQ(e.mode, c.mode);
        EXPECT_EQ(e.name.size(), cmcTvTables::NameSize);
        EXPECT_TRUE(e.name.endsWith("CH")) << e.name.constData();
        // Every plan is on a 5 kHz grid and listed from the lowest channel up.
        EXPECT_EQ(e.frequency % 5000, 0u) << e.frequency;
        EXPECT_GT(e.frequency, previous) << e.name.constData();
        previous = e.frequency;
    }
}

INSTANTIATE_TEST_SUITE_P(AllSystems, TvTableTest, testing::ValuesIn(tableCases));

TEST(TvTables, DirectoryHoldsEighteenTablesAndNothingBeyond) {
    EXPECT_EQ(cmcTvTables::builtIn().count(), 18);
    EXPECT_TRUE(cmcTvTables::builtIn().table(18).empty());
    EXPECT_TRUE(cmcTvTables::builtIn().table(-1).empty());
}

TEST(TvTablesDeathTest, MalformedLineEndsTheProgram) {
    const char* const lines[] = {"=1 X", "49250000 \" 1CH\"", "49250000 \"1CH\"", nullptr};
    EXPECT_EXIT(cmcTvTables{lines}, testing::ExitedWithCode(cmcFatal::ExitStatus), "1CH");
}

// A template whose band default 6 has every setting switched on, and a document whose memory
// channels are all empty.
class TvPresetTest : public testing::Test {
protected:
    void SetUp() override {
        templ.resize(mm::ImageSize);
        datCh band(&templ);
        band.frequency = 145000000;
        band.offset = 600000;
        band.duplex = 1;
        band.step = 4;
        band.mode = 0;
        band.attenuator = 1;
        band.afFilter = 1;
        band.toneMode = 1;
        band.toneIndex = 8;
        band.dtcsIndex = 5;
        band.dtcsPolarity = 1;
        band.canceller = 2;
        band.trainFrequency = 2280;
        band.storeBandDefault(cmcTvPreset::BandDefaultRecord);
        document.resize(mm::ImageSize);
        datCh empty(&document);
        empty.setInUse(false);
        for (int n = 0; n < mm::MemoryChannels; ++n)
            empty.store(datCh::KindMemory, n);
    }

    datCh channel(int n) {
        datCh ch(&document);
        ch.load(datCh::KindMemory, n);
        return ch;
    }
    void useChannel(int n, int bank, int position) {
        datCh ch(&document);
        ch.frequency = 433000000;
        ch.bankGroup = bank;
        ch.bankPosition = position;
        ch.store(datCh::KindMemory, n);
    }

    cmcEeprom templ;
    cmcEeprom document;
};

constexpr int Usa = 17;
constexpr int Fot = 4;

TEST_F(TvPresetTest, GroupPresetReplacesTheGroupsFirstRowsFromBandDefaultSix) {
    useChannel(105, 0, 3);
    useChannel(168, 0, 4);
    cmcTvPreset preset(document, templ, 6);
    EXPECT_EQ(preset.presetGroup(Usa, 1), cmcTvPreset::Done);
    EXPECT_EQ(preset.storedCount(), 68);

    const datCh first = channel(100);
    EXPECT_TRUE(first.inUse());
    EXPECT_EQ(first.frequency, 59750000u);
    EXPECT_EQ(QByteArray(first.name.data(), 6), " 2CH  ");
    EXPECT_EQ(first.mode, datCh::ModeWFM);
    EXPECT_EQ(first.step, cmcTvPreset::PresetStep);
    EXPECT_EQ(first.toneIndex, 8);
    EXPECT_EQ(first.dtcsIndex, 5);
    EXPECT_EQ(first.trainFrequency, 2280u);
    for (int field : {int(first.offset), first.duplex, first.attenuator, first.afFilter,
                      first.toneMode, first.dtcsPolarity, first.canceller, first.vsc})
        EXPECT_EQ(field, 0);
    EXPECT_EQ(first.bankGroup, datCh::NoBank);

    EXPECT_EQ(channel(167).frequency, 805750000u);
    EXPECT_EQ(channel(105).bankGroup, datCh::NoBank);
    EXPECT_EQ(channel(168).frequency, 433000000u);
    EXPECT_EQ(channel(168).bankGroup, 0);
    EXPECT_FALSE(channel(99).inUse());
}

TEST_F(TvPresetTest, JapaneseTableTakesTheAutomaticStepOnlyWhereReceiversChooseIt) {
    const struct {
        int table;
        int destination;
        int step;
    } cases[] = {{cmcTvTables::Japan, 0, datCh::StepAuto},
                 {cmcTvTables::Japan, 14, datCh::StepAuto},
                 {cmcTvTables::Japan, 15, datCh::StepAuto},
                 {cmcTvTables::Japan, 6, cmcTvPreset::PresetStep},
                 {Usa, 0, cmcTvPreset::PresetStep}};
    for (const auto& c : cases) {
        cmcTvPreset(document, templ, c.destination).presetGroup(c.table, 0);
        EXPECT_EQ(channel(0).step, c.step) << c.table << " " << c.destination;
    }
}

TEST_F(TvPresetTest, BankPresetFillsTheFirstEmptyChannelsAndTakesOverThePositions) {
    useChannel(0, 2, 1);
    useChannel(2, 2, 7);
    cmcTvPreset preset(document, templ, 6);
    EXPECT_EQ(preset.presetBank(Fot, 2), cmcTvPreset::Done);
    EXPECT_EQ(preset.storedCount(), 6);
    const int expected[] = {1, 3, 4, 5, 6, 7};
    for (int position = 0; position < 6; ++position) {
        const datCh ch = channel(expected[position]);
        EXPECT_EQ(ch.bankGroup, 2);
        EXPECT_EQ(ch.bankPosition, position);
    }
    EXPECT_EQ(channel(1).frequency, 181750000u);
    EXPECT_EQ(channel(0).bankGroup, datCh::NoBank);
    EXPECT_TRUE(channel(0).inUse());
    EXPECT_EQ(channel(2).bankPosition, 7);
    document.rebuildBankIndex();
    EXPECT_EQ(document.bankEntry(2, 1), 3);
}

void recordEvent(void* context, cmcEvent& event) {
    static_cast<QList<std::pair<cmcEventId, int>>*>(context)->append({event.id(), event.mode});
}

TEST_F(TvPresetTest, BankPresetWithoutEmptyChannelsStopsWithTheOverflowMessage) {
    for (int n = 0; n < mm::MemoryChannels; ++n)
        if (n != 40 && n != 900)
            useChannel(n, datCh::NoBank, 0);
    useChannel(10, 5, 2);
    cmcEvMan events;
    QList<std::pair<cmcEventId, int>> seen;
    events.AddListener(recordEvent, &seen);
    cmcScriptPrompt prompt;
    prompt.answer(cmcPrompt::AnswerOk);
    prompt.answer(cmcPrompt::AnswerOk);

    cmcTvPreset preset(document, templ, 6);
    EXPECT_TRUE(preset.execute(prompt, Fot, cmcTvPreset::Bank, 5));
    events.deliverQueue();

    EXPECT_EQ(preset.storedCount(), 2);
    EXPECT_EQ(channel(40).bankPosition, 0);
    EXPECT_EQ(channel(900).bankPosition, 1);
    // Position 2 keeps its channel: the preset stopped before it.
    EXPECT_EQ(channel(10).bankGroup, 5);
    const QList<cmcPrompt::Message> asked = prompt.messages();
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0].buttons, cmcPrompt::OkCancel);
    EXPECT_EQ(asked[0].defaultAnswer, cmcPrompt::AnswerCancel);
    EXPECT_EQ(asked[1].text, "Channel overflow.\nSome channels cannot be preset.");
    EXPECT_EQ(asked[1].buttons, cmcPrompt::Ok);
    EXPECT_EQ(asked[1].icon, cmcPrompt::Exclamation);
    EXPECT_EQ(asked[1].caption, "Mavik");
    const QList<std::pair<cmcEventId, int>> expected = {
        {cmcEventId::ChannelsChanged, cmcEvent::Sent}, {cmcEventId::RedrawAll, cmcEvent::Posted}};
    EXPECT_EQ(seen, expected);
}

TEST_F(TvPresetTest, CancelledPresetChangesNothing) {
    useChannel(0, 1, 0);
    const cmcEeprom before = document;
    cmcEvMan events;
    QList<std::pair<cmcEventId, int>> seen;
    events.AddListener(recordEvent, &seen);
    cmcScriptPrompt prompt;
    prompt.answer(cmcPrompt::AnswerCancel);
    EXPECT_FALSE(cmcTvPreset(document, templ, 6).execute(prompt, Usa, cmcTvPreset::MemoryGroup, 0));
    events.deliverQueue();
    EXPECT_TRUE(document == before);
    EXPECT_TRUE(seen.isEmpty());
    ASSERT_EQ(prompt.messages().size(), 1);
    EXPECT_EQ(prompt.messages()[0].icon, cmcPrompt::Exclamation);
}

TEST(TvPresetTexts, ConfirmationNamesTheTable) {
    EXPECT_EQ(cmcTvPreset::confirmText(Fot),
              "All TV CH will be replaced with 'FOT' table.\nAre you Sure ?");
    EXPECT_EQ(cmcTvPreset::confirmText(16),
              "All TV CH will be replaced with 'U.K.' table.\nAre you Sure ?");
}

} // namespace
