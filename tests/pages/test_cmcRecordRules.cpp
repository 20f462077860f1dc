#include "MemoryMap.h"
#include "cmcEeprom.h"
#include "cmcGTex.h"
#include "cmcRecordRules.h"
#include "cmcSettingChecks.h"
#include "datCh.h"

#include <gtest/gtest.h>

namespace {

using R = cmcRecordRules;
constexpr uint32_t MHz = 1000000;

struct FrequencyCase {
    int destination;
    bool cellularBlocked;
    bool expansionOn;
    uint32_t frequency;
    int step;
    int mode;
    int bits; // Warning 1, Error 2
};

void PrintTo(const FrequencyCase& c, std::ostream* os) {
    *os << "destination " << c.destination << " cellular " << c.cellularBlocked << " expansion "
        << c.expansionOn << ' ' << c.frequency << " Hz step " << c.step << " mode " << c.mode
        << " -> " << c.bits;
}

class RecordRules : public testing::TestWithParam<FrequencyCase> {};

// One memory channel in group 0 carries the case; the line shows its bits.
TEST_P(RecordRules, MemoryLineBits) {
    const FrequencyCase& c = GetParam();
    cmcEeprom image;
    image.resize(mm::ImageSize);
    image.loadTemplate(c.destination);
    datCh channel(&image);
    channel.reset();
    channel.frequency = c.frequency;
    channel.step = c.step;
    channel.mode = c.mode;
    channel.store(datCh::KindMemory, 5);
    image.rebuildBankIndex();
    const cmcRecordRules rules(indDestination(c.destination, c.cellularBlocked, c.expansionOn));
    // Channels 0 and 1 of the default image are fine on every destination.
    EXPECT_EQ(rules.memoryGroup(image, 0), c.bits) << c.frequency;
}

INSTANTIATE_TEST_SUITE_P(
    Table, RecordRules,
    testing::Values(
        // Plain channel, no rule.
        FrequencyCase{6, false, true, 146 * MHz, 0, datCh::ModeFM, 0},
        // E1 and W at the upper limit; destination 16 never warns.
        FrequencyCase{6, false, true, 1310 * MHz, 0, datCh::ModeFM, R::Warning | R::Error},
        FrequencyCase{16, false, true, 1310 * MHz, 0, datCh::ModeFM, R::Error},
        // E2: 9k only in the broadcast band, 8.33k only in the air band.
        FrequencyCase{6, false, true, 146 * MHz, datCh::Step9k, datCh::ModeFM, R::Error},
        FrequencyCase{6, false, true, 1 * MHz, datCh::Step9k, datCh::ModeAM, 0},
        FrequencyCase{6, false, true, 120 * MHz, datCh::Step8_33k, datCh::ModeAM, 0},
        FrequencyCase{6, false, true, 146 * MHz, datCh::Step8_33k, datCh::ModeFM, R::Error},
        // Cellular restriction on destination 6: W in set A, E3 for wide FM in B but not A.
        FrequencyCase{6, true, true, 830 * MHz, 0, datCh::ModeFM, R::Warning},
        FrequencyCase{6, false, false, 850500000, 0, datCh::ModeWFM, R::Error},
        FrequencyCase{6, false, false, 850500000, 0, datCh::ModeFM, 0},
        FrequencyCase{6, false, true, 850500000, 0, datCh::ModeWFM, 0},
        // Listed range without expansion warns; with it, not.
        FrequencyCase{1, false, false, 200 * MHz, 0, datCh::ModeFM, R::Warning},
        FrequencyCase{1, false, true, 200 * MHz, 0, datCh::ModeFM, 0},
        FrequencyCase{16, false, false, 253 * MHz, 0, datCh::ModeFM, 0}));

class RecordRulesImage : public testing::Test {
protected:
    void SetUp() override {
        image.resize(mm::ImageSize);
        image.loadTemplate(6);
    }
    void channel(int n, uint32_t frequency, int bank, int position) {
        datCh record(&image);
        record.reset();
        record.frequency = frequency;
        record.bankGroup = bank;
        record.bankPosition = position;
        record.store(datCh::KindMemory, n);
    }
    // The line counts of the setting checks, which the clone write is gated by.
    cmcSettingChecks::Result counts() const {
        return cmcSettingChecks(cmcGTex::app()).run(image, plan);
    }
    cmcEeprom image;
    const indDestination plan{6, false, true};
    cmcRecordRules rules{plan};
};

TEST_F(RecordRulesImage, TwoChannelsOnOneBankPositionAreErrorsOnTheirGroupsOnly) {
    channel(10, 146 * MHz, 3, 7);
    channel(250, 147 * MHz, 3, 7);
    image.rebuildBankIndex();
    EXPECT_EQ(rules.memoryGroup(image, 0), R::Error);
    EXPECT_EQ(rules.memoryGroup(image, 2), R::Error);
    EXPECT_EQ(rules.bank(image, 3), 0);
    const cmcSettingChecks::Result lines = counts();
    EXPECT_EQ(lines.errorLines, 2);
    EXPECT_EQ(lines.warningLines, 0);
}

TEST_F(RecordRulesImage, BankLineJudgesTheChannelsItRefersTo) {
    channel(20, 1310 * MHz, 4, 0);
    image.rebuildBankIndex();
    EXPECT_EQ(rules.bank(image, 4), R::Warning | R::Error);
    const cmcSettingChecks::Result lines = counts();
    EXPECT_EQ(lines.errorLines, 2);
    EXPECT_EQ(lines.warningLines, 2);
}

TEST_F(RecordRulesImage, EmptyRecordsRaiseNothing) {
    channel(30, 1310 * MHz, 30, 0);
    datCh record(&image);
    record.load(datCh::KindMemory, 30);
    record.setInUse(false);
    record.store();
    image.rebuildBankIndex();
    EXPECT_EQ(counts().errorLines, 0);
}

TEST_F(RecordRulesImage, ScanEdgesAreJudgedAtBothEdges) {
    EXPECT_EQ(rules.scanEdges(image), 0);
    datCh edge(&image);
    edge.load(datCh::KindScanEdge, 1);
    ASSERT_TRUE(edge.inUse());
    edge.frequency = 1309 * MHz;
    edge.lowEdge = 137 * MHz;
    edge.step = datCh::Step9k;
    edge.store();
    EXPECT_EQ(rules.scanEdges(image), R::Error);
}

TEST_F(RecordRulesImage, AutoWriteSlotsAreJudged) {
    datCh slot(&image);
    slot.reset();
    slot.frequency = 1310 * MHz;
    slot.store(datCh::KindAutoWrite, 199);
    EXPECT_EQ(rules.autoWrite(image), R::Warning | R::Error);
}

} // namespace
