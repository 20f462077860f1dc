#include "MemoryMap.h"
#include "cmcEeprom.h"
#include "datCh.h"

#include <gtest/gtest.h>

namespace {

class datChTest : public testing::Test {
protected:
    void SetUp() override { image.loadTemplate(6); }

    uint8_t at(int address) const { return image.getByte(address); }

    datCh channel(uint32_t frequency, uint32_t offset) {
        datCh record(&image);
        record.kind = datCh::KindMemory;
        record.number = 10;
        record.frequency = frequency;
        record.offset = offset;
        return record;
    }

    cmcEeprom image;
};

struct RasterCase {
    uint32_t frequency;
    uint32_t offset;
    int raster;
    uint32_t count;
    uint32_t offsetCount;
    uint32_t loaded;
};

TEST_F(datChTest, FrequencyAndOffsetTakeTheFirstFittingRaster) {
    const RasterCase cases[] = {
        {146010000, 600000, datCh::Raster5k, 29202, 120, 146010000},
        {118008333, 0, datCh::Raster8_33k, 14161, 0, 118008333},
        {118008330, 0, datCh::Raster5k, 23601, 0, 118005000},
        {10008000, 0, datCh::Raster9k, 1112, 0, 10008000},
        {145006250, 0, datCh::Raster6_25k, 23201, 0, 145006250},
    };
    for (const RasterCase& c : cases) {
        datCh record = channel(c.frequency, c.offset);
        record.store();
        const int base = mm::memoryChannel(10);
        EXPECT_EQ(at(base) | at(base + 1) << 8 | (at(base + 2) & 0x0F) << 16, c.count)
            << c.frequency;
        EXPECT_EQ((at(base + 2) >> 4) & 3, c.raster) << c.frequency;
        EXPECT_EQ(at(base + 5) | at(base + 6) << 8, c.offsetCount) << c.frequency;
        record.reload();
        EXPECT_EQ(record.frequency, c.loaded);
        EXPECT_EQ(record.offset, c.offset);
    }
}

TEST_F(datChTest, LargeCountsSaturateInsteadOfWrapping) {
    const uint8_t bytes[3] = {0xFF, 0xFF, 0x3F}; // count 0xFFFFF on the 9 kHz raster
    image.writeBlock(mm::memoryChannel(10), bytes, 3);
    datCh record(&image);
    record.load(datCh::KindMemory, 10);
    EXPECT_EQ(record.frequency, 0xFFFFFFFFu);

    record = channel(145000000, 400000000); // 80,000 steps of 5 kHz
    record.storeAndReload();
    EXPECT_EQ(record.offset, 0xFFFFu * 5000);
}

TEST_F(datChTest, OffsetThatFitsNoCommonRasterTakesItsOwn) {
    datCh record = channel(118008333, 600000);
    record.storeAndReload();
    EXPECT_EQ(record.frequencyRaster, datCh::Raster8_33k);
    EXPECT_EQ(record.offsetRaster, datCh::Raster5k);
    EXPECT_EQ(record.frequency, 118008333u);
    EXPECT_EQ(record.offset, 600000u);
}

TEST_F(datChTest, VscAndCancellerShareOneNibble) {
    datCh record = channel(145000000, 0);
    record.canceller = 2;
    record.vsc = 1;
    record.toneMode = 1;
    record.storeAndReload();
    EXPECT_EQ(record.vsc, 1);
    EXPECT_EQ(record.canceller, 0);
    EXPECT_EQ(record.toneMode, 1);
    EXPECT_EQ(at(mm::memoryChannel(10) + 10) & 0x0F, 4);

    record.vsc = 0;
    record.canceller = 1;
    record.storeAndReload();
    EXPECT_EQ(record.canceller, 1);
    EXPECT_EQ(record.toneMode, 0) << "a canceller turns the tone off";
}

TEST_F(datChTest, TrainFrequencySplitsOverTwoBytes) {
    for (uint32_t train : {3000u, 300u, 2280u, 2290u}) {
        datCh record = channel(145000000, 0);
        record.trainFrequency = train;
        record.storeAndReload();
        EXPECT_EQ(record.trainFrequency, train);
    }
    datCh record = channel(145000000, 0);
    record.trainFrequency = 3000;
    record.store();
    EXPECT_EQ(at(mm::memoryChannel(10) + 9), 150);
    EXPECT_EQ(at(mm::memoryChannel(10) + 10) & 0x80, 0);
}

TEST_F(datChTest, EveryFieldRoundTrips) {
    datCh record = channel(433500000, 5000000);
    record.duplex = 2;
    record.step = 13;
    record.mode = datCh::ModeAM;
    record.attenuator = 1;
    record.afFilter = 1;
    record.toneMode = 4;
    record.toneIndex = 49;
    record.dtcsIndex = 103;
    record.dtcsPolarity = 1;
    record.skip = 3;
    record.bankGroup = 21;
    record.bankPosition = 99;
    record.name = {'A', 'Z', '0', '_', ' ', '('};
    const datCh expected = record;
    record.storeAndReload();
    EXPECT_EQ(record.duplex, expected.duplex);
    EXPECT_EQ(record.step, expected.step);
    EXPECT_EQ(record.mode, expected.mode);
    EXPECT_EQ(record.attenuator, 1);
    EXPECT_EQ(record.afFilter, 1);
    EXPECT_EQ(record.toneMode, 4);
    EXPECT_EQ(record.toneIndex, 49);
    EXPECT_EQ(record.dtcsIndex, 103);
    EXPECT_EQ(record.dtcsPolarity, 1);
    EXPECT_EQ(record.skip, 3);
    EXPECT_EQ(record.bankGroup, 21);
    EXPECT_EQ(record.bankPosition, 99);
    EXPECT_EQ(record.name, expected.name);
}

TEST_F(datChTest, NamesOutsideTheCodeSetAreMapped) {
    datCh record = channel(145000000, 0);
    record.name = {'a', 'b', '#', '~', '\t', 'Z'};
    record.storeAndReload();
    EXPECT_EQ(std::string(record.name.begin(), record.name.end()), "AB#  Z");
}

TEST_F(datChTest, NoBankIsStoredAsGroup31PositionZero) {
    datCh record = channel(145000000, 0);
    record.bankGroup = datCh::NoBank;
    record.bankPosition = 42;
    record.skip = 1;
    record.store();
    EXPECT_EQ(at(mm::channelFlags(10)), 0x1F | 0x20);
    EXPECT_EQ(at(mm::channelFlags(10) + 1), 0);
    record.reload();
    EXPECT_EQ(record.bankGroup, datCh::NoBank);
    EXPECT_EQ(record.bankPosition, 0);
    EXPECT_EQ(record.skip, 1);
}

TEST_F(datChTest, ScanLinkRowsFollowTheMemberBits) {
    const uint8_t members[4] = {0x88, 0, 0, 0}; // edges 3 and 7
    image.writeBlock(mm::scanLinkMembers(2), members, 4);
    datCh edge(&image);
    edge.load(datCh::KindScanEdge, 3);
    edge.setInUse(true);
    edge.lowEdge = 118000000;
    edge.frequency = 137000000;
    edge.name = {'A', 'I', 'R', ' ', ' ', ' '};
    edge.store();

    datCh row(&image);
    row.load(datCh::KindScanLink, 2 * datCh::ScanLinkRows + 1);
    EXPECT_EQ(row.memberEdge, 3);
    EXPECT_EQ(row.flags, datCh::InUse | datCh::LowEdgeValid | datCh::HighEdgeValid);
    EXPECT_EQ(row.lowEdge, 118000000u);
    EXPECT_EQ(row.name, edge.name);
    image.setByte(mm::scanEdgeFlags(3) + 2, 0x80); // high edge marked not set
    row.reload();
    EXPECT_EQ(row.flags, datCh::InUse | datCh::LowEdgeValid);
    row.load(datCh::KindScanLink, 2 * datCh::ScanLinkRows + 2);
    EXPECT_EQ(row.memberEdge, 7);
    EXPECT_EQ(row.flags, datCh::InUse) << "edge 7 is empty";
    for (int r : {0, 3, 25}) {
        row.load(datCh::KindScanLink, 2 * datCh::ScanLinkRows + r);
        EXPECT_EQ(row.memberEdge, datCh::NoEdge) << r;
        EXPECT_EQ(row.flags, 0) << r;
    }

    row.memberEdge = 24;
    row.memberFlag = 1;
    row.store();
    row.memberEdge = 3;
    row.memberFlag = 0;
    row.store();
    EXPECT_EQ(at(mm::scanLinkMembers(2)), 0x80);
    EXPECT_EQ(at(mm::scanLinkMembers(2) + 3), 0x01);
}

TEST_F(datChTest, ScanEdgesKeepTheirEdgesInThirdsOfAHertz) {
    datCh edge(&image);
    edge.load(datCh::KindScanEdge, 20);
    EXPECT_FALSE(edge.inUse());
    edge.setInUse(true);
    edge.lowEdge = 118008333;
    edge.frequency = 1309999999;
    edge.step = 2;
    edge.mode = datCh::ModeAM;
    edge.attenuator = 1;
    edge.storeAndReload();
    EXPECT_TRUE(edge.inUse());
    EXPECT_EQ(edge.lowEdge, 118008333u);
    EXPECT_EQ(edge.frequency, 1309999999u);
    EXPECT_EQ(edge.lowEdgeRaster, datCh::Raster8_33k);
    EXPECT_EQ(edge.step, 2);
    EXPECT_EQ(edge.attenuator, 1);

    edge.frequency = 1310000000; // at the upper limit: not a valid edge
    edge.storeAndReload();
    EXPECT_FALSE(edge.inUse());
    edge.storeAndReload(); // an unused edge is cleared
    EXPECT_EQ(edge.lowEdge, 0u);
    EXPECT_EQ(at(mm::scanEdgeFlags(20)) & 0x80, 0x80);
}

TEST_F(datChTest, AutoWriteUsesTheEmptyMap) {
    datCh record(&image);
    record.load(datCh::KindAutoWrite, 13);
    EXPECT_FALSE(record.inUse());
    record.setInUse(true);
    record.frequency = 162550000;
    record.name = {'X', 'X', 'X', 'X', 'X', 'X'};
    record.storeAndReload();
    EXPECT_TRUE(record.inUse());
    EXPECT_EQ(record.frequency, 162550000u);
    EXPECT_EQ(record.name[0], ' ');
    EXPECT_EQ(at(mm::AutoWriteEmptyMap + 1), 0xFF & ~(1 << 5));
}

TEST_F(datChTest, KindDefaults) {
    datCh band(&image);
    band.load(datCh::KindBandDefault, 6);
    const datCh edge = datCh::kindDefault(datCh::KindScanEdge, band);
    EXPECT_FALSE(edge.inUse());
    EXPECT_EQ(edge.step, datCh::StepUnset);
    EXPECT_EQ(edge.mode, datCh::ModeUnset);
    EXPECT_EQ(edge.attenuator, 2);
    EXPECT_EQ(edge.frequency, 0u);
    const datCh channel = datCh::kindDefault(datCh::KindMemory, band);
    EXPECT_TRUE(channel.inUse());
    EXPECT_EQ(channel.lowEdge, band.frequency);
}

TEST_F(datChTest, EmptyChannels) {
    EXPECT_EQ(datCh::emptyChannelCount(image), 1298);
    EXPECT_EQ(datCh::firstEmptyChannel(image, 0), 2);
    datCh record = channel(145000000, 0);
    record.store(datCh::KindMemory, 1299);
    EXPECT_EQ(datCh::firstEmptyChannel(image, 1299), -1);
    EXPECT_EQ(datCh::emptyChannelCount(image), 1297);
}

TEST(datChKinds, KindTableAndUnknownKinds) {
    int low = 0, high = 0;
    ASSERT_TRUE(datCh::kindRange(datCh::KindBank, low, high));
    EXPECT_EQ(high, 99);
    ASSERT_TRUE(datCh::kindRange(datCh::KindBandDefault, low, high));
    EXPECT_EQ(high, 12);
    EXPECT_FALSE(datCh::kindRange(7, low, high));
    cmcEeprom image;
    image.loadTemplate(6);
    datCh record(&image);
    record.frequency = 1;
    record.load(7, 0);
    EXPECT_EQ(record.frequency, 0u);
    EXPECT_EQ(record.bankPosition, 255);
}

} // namespace
