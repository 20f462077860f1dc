#include "MemoryMap.h"
#include "cmcDefaultImages.h"
#include "cmcEeprom.h"
#include "datCh.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

cmcEeprom templateOf(int destination) {
    cmcEeprom image;
    image.resize(mm::ImageSize);
    image.loadTemplate(destination);
    return image;
}

bool receiverAreasEqual(const cmcEeprom& a, const cmcEeprom& b) {
    return std::memcmp(a.bytes(), b.bytes(), mm::ReceiverSize) == 0;
}

TEST(DefaultImages, DestinationsWithoutAnImageUseImageSix) {
    EXPECT_TRUE(receiverAreasEqual(templateOf(16), templateOf(6)));
    EXPECT_FALSE(receiverAreasEqual(templateOf(1), templateOf(6)));
}

TEST(DefaultImages, TemplateHasAnEmptyBankIndexAndKeepsTheGap) {
    cmcEeprom image;
    image.resize(mm::ImageSize);
    image.fill(0x11);
    image.loadTemplate(3);
    EXPECT_EQ(image.getByte(mm::FormatRevision), 1);
    EXPECT_TRUE(image.formatAccepted(true));
    EXPECT_EQ(image.getByte(mm::ReceiverSize), 0x11);
    for (int a = mm::BankIndexBase; a < mm::ImageSize; ++a)
        ASSERT_EQ(image.getByte(a), 0xFF) << a;
}

TEST(DefaultImages, ImagesDifferOnlyInTheirMarketData) {
    struct Area {
        int start, end;
    };
    const Area market[] = {{mm::memoryChannel(0), mm::memoryChannel(2) - 1},
                           {mm::scanEdge(0), mm::scanEdge(3) - 1},
                           {mm::channelFlags(0), mm::channelFlags(2) - 1},
                           {mm::scanEdgeFlags(0), mm::scanEdgeFlags(3) - 1},
                           {mm::bandDefault(0), mm::bandDefault(mm::BandLayoutRecords) - 1}};
    const cmcEeprom& first = cmcDefaultImages::image(0);
    for (int d = 1; d < cmcDefaultImages::Count; ++d) {
        const cmcEeprom& other = cmcDefaultImages::image(d);
        for (int a = 0; a < mm::ReceiverSize; ++a) {
            bool inMarket = false;
            for (const Area& area : market)
                inMarket = inMarket || (a >= area.start && a <= area.end);
            if (!inMarket) {
                ASSERT_EQ(first.getByte(a), other.getByte(a)) << d << " at " << a;
            }
        }
    }
}

TEST(DefaultImages, EmptyState) {
    cmcEeprom image = templateOf(9);
    datCh record(&image);
    EXPECT_EQ(datCh::emptyChannelCount(image), 1298);
    for (int n = 0; n < mm::AutoWriteChannels; ++n) {
        record.load(datCh::KindAutoWrite, n);
        ASSERT_FALSE(record.inUse()) << n;
    }
    for (int n = 3; n < mm::ScanEdges; ++n) {
        record.load(datCh::KindScanEdge, n);
        ASSERT_FALSE(record.inUse()) << n;
    }
    record.load(datCh::KindScanLink, 4 * datCh::ScanLinkRows + 1);
    EXPECT_EQ(record.memberEdge, 1);
    record.load(datCh::KindScanLink, 4 * datCh::ScanLinkRows + 24);
    EXPECT_EQ(record.memberEdge, 24);
    EXPECT_EQ(image.getByte(mm::FreeAutoWriteCount), 200);
    EXPECT_EQ(image.getByte(mm::Comment + 15), ' ');
    EXPECT_EQ(image.getByte(mm::bankName(21) + 5), ' ');
    EXPECT_EQ(image.getByte(mm::bankName(21) + 6), 0xFF);
    EXPECT_EQ(image.getByte(mm::AutoWriteOrderEnd), 0xFF);
    EXPECT_EQ(image.getByte(mm::ConversionKeptBase + 1), 0x01);
}

TEST(DefaultImages, PresetsOfDestinationSix) {
    cmcEeprom image = templateOf(6);
    datCh record(&image);
    record.load(datCh::KindMemory, 0);
    EXPECT_TRUE(record.inUse());
    EXPECT_EQ(record.frequency, 146010000u);
    EXPECT_EQ(record.offset, 600000u);
    EXPECT_EQ(record.bankGroup, datCh::NoBank);
    record.load(datCh::KindScanEdge, 1);
    EXPECT_TRUE(record.inUse());
    EXPECT_EQ(record.lowEdge, 137000000u);
    EXPECT_EQ(record.frequency, 174000000u);
    record.load(datCh::KindBandDefault, 1);
    EXPECT_EQ(record.step, 4) << "10 kHz broadcast spacing";
    EXPECT_EQ(record.trainFrequency, 2280u);
}

TEST(DefaultImages, DestinationElevenLeavesTheSecondPresetsEmpty) {
    cmcEeprom image = templateOf(11);
    datCh record(&image);
    record.load(datCh::KindMemory, 0);
    EXPECT_TRUE(record.inUse());
    record.load(datCh::KindMemory, 1);
    EXPECT_FALSE(record.inUse());
    record.load(datCh::KindScanEdge, 1);
    EXPECT_TRUE(record.inUse());
    record.load(datCh::KindScanEdge, 2);
    EXPECT_FALSE(record.inUse());
}

TEST(DefaultImages, MarketSteps) {
    struct Case {
        int destination, band, mode, step;
    };
    const Case cases[] = {
        {1, 1, datCh::ModeAM, datCh::Step9k},    {6, 4, datCh::ModeWFM, 13},
        {1, 5, datCh::ModeAM, datCh::Step8_33k}, {10, 5, datCh::ModeAM, 8},
        {0, 6, datCh::ModeFM, datCh::StepAuto},  {15, 1, datCh::ModeAM, datCh::StepAuto},
    };
    for (const Case& c : cases) {
        cmcEeprom image = templateOf(c.destination);
        datCh record(&image);
        record.load(datCh::KindBandDefault, c.band);
        EXPECT_EQ(record.mode, c.mode) << c.destination << " band " << c.band;
        EXPECT_EQ(record.step, c.step) << c.destination << " band " << c.band;
    }
}

TEST(DefaultImagesDeath, UnreadableTableLineEndsTheProgram) {
    const char* const lines[] = {"# comment", "band 0-15 1 0.531 AM 7k", nullptr};
    cmcEeprom images[cmcDefaultImages::Count];
    EXPECT_EXIT(cmcDefaultImages::build(lines, images), testing::ExitedWithCode(3),
                "band 0-15 1 0.531 AM 7k");
}

TEST(BankIndex, ConflictAndChannelsOutsideEveryBank) {
    cmcEeprom image = templateOf(6);
    datCh record(&image);
    struct Assign {
        int channel, group, position;
    };
    const Assign assigns[] = {{5, 2, 7}, {6, 2, 7}, {7, 2, 8}, {8, 22, 9}, {9, 3, 0}};
    for (const Assign& a : assigns) {
        record.load(datCh::KindMemory, a.channel);
        record.setInUse(a.channel != 9);
        record.frequency = 145000000;
        record.bankGroup = a.group;
        record.bankPosition = a.position;
        record.store();
    }
    image.rebuildBankIndex();
    EXPECT_EQ(image.bankEntry(2, 7), mm::BankEntryConflict);
    EXPECT_EQ(image.bankEntry(2, 8), 7);
    EXPECT_EQ(image.bankEntry(2, 9), mm::BankEntryFree);
    EXPECT_EQ(image.bankEntry(3, 0), mm::BankEntryFree) << "an empty channel is in no bank";
    int used = 0;
    for (int b = 0; b < mm::Banks; ++b)
        for (int p = 0; p < mm::BankPositions; ++p)
            used += image.bankEntry(b, p) != mm::BankEntryFree;
    EXPECT_EQ(used, 2);
}

TEST(FormatCheck, RevisionAndSignature) {
    struct Case {
        uint8_t revision;
        int changedSignatureByte;
        bool checkSignature, accepted;
    };
    const Case cases[] = {{0, -1, true, true},  {1, -1, true, true}, {2, -1, true, false},
                          {1, 15, true, false}, {1, 0, false, true}, {0xFF, -1, false, false}};
    for (const Case& c : cases) {
        cmcEeprom image = templateOf(1);
        image.setByte(mm::FormatRevision, c.revision);
        if (c.changedSignatureByte >= 0)
            image.setByte(mm::Signature + c.changedSignatureByte, '4');
        EXPECT_EQ(image.formatAccepted(c.checkSignature), c.accepted)
            << int(c.revision) << " " << c.changedSignatureByte;
    }
    cmcEeprom small;
    small.resize(mm::ReceiverSize - 1);
    EXPECT_FALSE(small.formatAccepted(false));
}

} // namespace
