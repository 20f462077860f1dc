#include "MemoryMap.h"
#include "cmcDefaultImages.h"
#include "cmcEeprom.h"
#include "datCh.h"
#include "indDestination.h"

#include <gtest/gtest.h>

namespace {

constexpr int FM = datCh::ModeFM, WFM = datCh::ModeWFM, AM = datCh::ModeAM, Auto = datCh::ModeAuto;

cmcEeprom templateOf(int destination) {
    cmcEeprom image;
    image.loadTemplate(destination);
    return image;
}

TEST(indDestination, BandOfAFrequency) {
    struct Case {
        int destination;
        uint32_t frequency;
        int band;
    };
    const Case cases[] = {{1, 87900000, 3},  {6, 87900000, 4},    {13, 87500000, 4},
                          {13, 87499999, 3}, {1, 494999, 0},      {1, 495000, 1},
                          {1, 137000000, 6}, {1, 1309999999, 10}, {16, 80000000, 3}};
    for (const Case& c : cases)
        EXPECT_EQ(indDestination(c.destination).bandOf(c.frequency), c.band)
            << c.destination << " " << c.frequency;
}

TEST(indDestination, FrequencyClassAndFlag) {
    struct Case {
        int destination;
        bool cellular, expansion;
        uint32_t frequency;
        int mode, frequencyClass;
        bool flagged;
    };
    const Case cases[] = {
        {1, false, false, 100000, FM, 2, false},      {1, false, false, 99999, FM, 1, true},
        {1, false, false, 1310000000, FM, 1, true},   {6, false, false, 830000000, FM, 1, true},
        {6, false, false, 850500000, WFM, 1, true},   {6, false, false, 850500000, FM, 2, false},
        {6, false, false, 850500000, Auto, 2, false}, {6, false, true, 830000000, FM, 2, false},
        {6, true, true, 830000000, FM, 1, true},      {6, false, false, 50000000, AM, 2, false},
        {1, false, false, 145000000, FM, 2, false},   {2, false, false, 100000000, WFM, 0, true},
        {2, false, true, 100000000, WFM, 0, false},   {1, false, false, 49999999, FM, 0, true},
        {1, false, false, 50000000, FM, 2, false},    {1, false, false, 52000000, FM, 2, false},
        {1, false, false, 52000001, FM, 0, true},     {0, false, false, 255099999, FM, 0, true},
        {0, false, false, 255100000, FM, 2, false},   {16, false, false, 830000000, FM, 0, true},
        {8, true, false, 830000000, FM, 2, false},
    };
    for (const Case& c : cases) {
        const indDestination plan(c.destination, c.cellular, c.expansion);
        EXPECT_EQ(plan.frequencyClass(c.frequency, c.mode), c.frequencyClass)
            << c.destination << " " << c.frequency << " mode " << c.mode;
        EXPECT_EQ(plan.flagged(c.frequency, c.mode), c.flagged)
            << c.destination << " " << c.frequency << " mode " << c.mode;
    }
}

TEST(indDestination, AutomaticModeTable) {
    struct Case {
        uint32_t frequency;
        int mode, effective;
    };
    const Case cases[] = {{289999, Auto, FM},    {290000, Auto, AM},      {89999999, Auto, WFM},
                          {136000000, Auto, FM}, {1259999999, Auto, WFM}, {1260000000, Auto, FM},
                          {100000000, AM, AM},   {0xFFFFFFFF, Auto, FM}};
    for (const Case& c : cases)
        EXPECT_EQ(indDestination::effectiveMode(c.frequency, c.mode), c.effective) << c.frequency;
}

TEST(indDestination, PlacingOnTheBandGrid) {
    struct Case {
        uint32_t value;
        int band;
        uint32_t placed;
    };
    const Case cases[] = {
        {145003300, 6, 145005000}, {531000, 1, 531000},       {530000, 1, 530000},
        {531001, 1, 531250},       {118008000, 5, 118008333}, {118008000, 6, 118006250},
        {100008000, 4, 100006250}, {145024000, 6, 145025000}, {118016666, 5, 118016666},
        {600000, 6, 600000},       {9000, 2, 10000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(indDestination::placeOnGrid(c.value, c.band), c.placed) << c.value;
}

TEST(indDestination, TypedFrequenciesAndOffsetsAreLimited) {
    const indDestination plan(1);
    const uint32_t typed[][2] = {{100000, 100000},         {50000, 100000},
                                 {1309995000, 1309995000}, {1310000000, 1309995000},
                                 {145003300, 145005000},   {UINT32_MAX, 1309995000}};
    for (const auto& t : typed)
        EXPECT_EQ(plan.placeFrequency(t[0]), t[1]) << t[0];
    EXPECT_EQ(indDestination::placeOffset(170000000, 6), indDestination::HighestOffset);
    EXPECT_EQ(indDestination::placeOffset(603300, 6), 605000u);
    EXPECT_EQ(indDestination::placeOnGrid(UINT32_MAX, 6), UINT32_MAX - UINT32_MAX % 25000);
}

TEST(indDestination, ListsAndRestriction) {
    EXPECT_TRUE(indDestination(14).automaticLists());
    EXPECT_FALSE(indDestination(6).automaticLists());
    EXPECT_TRUE(indDestination(6, false, false).cellularRestriction());
    EXPECT_FALSE(indDestination(6, false, true).cellularRestriction());
    EXPECT_FALSE(indDestination(8, true, false).cellularRestriction());
    EXPECT_EQ(indDestination(6).listedRanges()[0].low, indDestination::UnusedBound);
}

TEST(DefaultImageData, BandDefaultsLieInTheirBandsAndTemplatesAreConverted) {
    for (int d = 0; d < cmcDefaultImages::Count; ++d) {
        const indDestination plan(d);
        cmcEeprom image = templateOf(d);
        datCh record(&image);
        for (int band = 0; band < mm::BandRecords; ++band) {
            record.load(datCh::KindBandDefault, band);
            EXPECT_EQ(plan.bandOf(record.frequency), band) << d;
            EXPECT_EQ(record.step == datCh::StepAuto, plan.automaticLists()) << d;
            EXPECT_TRUE(record.step != datCh::Step9k || band == 1) << d << " band " << band;
            EXPECT_TRUE(record.step != datCh::Step8_33k || band == 5) << d << " band " << band;
        }
        for (int n : {0, 1}) {
            record.load(datCh::KindMemory, n);
            EXPECT_TRUE(!record.inUse() || !plan.flagged(record.frequency, record.mode)) << d;
        }
        for (int n : {0, 1, 2}) {
            record.load(datCh::KindScanEdge, n);
            EXPECT_TRUE(!record.inUse() || (!plan.flagged(record.lowEdge, record.mode) &&
                                            !plan.flagged(record.frequency, record.mode)))
                << d << " edge " << n;
        }
        const cmcEeprom original = image;
        plan.convert(image, original);
        image.rebuildBankIndex();
        EXPECT_TRUE(image == original) << "a template already fits destination " << d;
    }
}

class Conversion : public testing::Test {
protected:
    datCh channel(int n) {
        datCh record(&image);
        record.kind = datCh::KindMemory;
        record.number = n;
        return record;
    }

    cmcEeprom image = templateOf(0);
};

TEST_F(Conversion, ChannelsFitTheNewDestination) {
    datCh record = channel(20);
    record.frequency = 145008333; // stored on the 8.33 kHz raster outside the air band
    record.offset = 608333;
    record.mode = Auto;
    record.step = datCh::StepAuto;
    record.canceller = 1;
    record.trainFrequency = 900;
    record.bankGroup = 4;
    record.bankPosition = 9;
    record.store();
    datCh autoWrite = record;
    autoWrite.kind = datCh::KindAutoWrite;
    autoWrite.number = 3;
    autoWrite.store();
    datCh edge(&image);
    edge.load(datCh::KindScanEdge, 5);
    edge.setInUse(true);
    edge.lowEdge = 145003300;
    edge.frequency = 146003300;
    edge.store();

    const cmcEeprom japan = image;
    indDestination(0).convert(image, templateOf(0));
    record.reload();
    EXPECT_EQ(record.mode, Auto) << "destination 0 keeps the automatic settings";
    EXPECT_EQ(record.canceller, 1);
    EXPECT_EQ(record.frequency, 145010000u);
    edge.reload();
    EXPECT_EQ(edge.frequency, 146005000u) << "the high edge is placed on the grid";
    EXPECT_EQ(edge.lowEdge, 145003300u) << "the low edge is left as it is";

    image = japan;
    const cmcEeprom usa = templateOf(6);
    indDestination(6, false, true).convert(image, usa);
    record.reload();
    EXPECT_EQ(record.frequency, 145010000u);
    EXPECT_EQ(record.offset, 610000u);
    EXPECT_EQ(record.mode, FM) << "the mode of band 6's default";
    EXPECT_EQ(record.step, 0) << "the 5 kHz step of band 6's default";
    EXPECT_EQ(record.canceller, 0);
    EXPECT_EQ(record.trainFrequency, 2280u);
    EXPECT_EQ(image.bankEntry(4, 9), 20);
    EXPECT_EQ(image.getByte(mm::FreeAutoWriteCount), 199);
    EXPECT_EQ(image.getByte(mm::bandDefault(1) + 8), 4) << "band defaults of the template";
}

TEST_F(Conversion, CommonSettingsComeFromTheTemplateExceptTheUsers) {
    const cmcEeprom usa = templateOf(6);
    struct Byte {
        int address;
        uint8_t value;
    };
    const Byte own[] = {{0x6C04, 0xFF}, {0x6C05, 0xBF}, {0x6C0A, 0x5A},
                        {0x6BEE, 0x01}, {0x6C0B, 0x07}, {0x6BDC, 0x33}};
    for (const Byte& b : own)
        image.setByte(b.address, b.value);
    image.setByte(mm::Signature, 'X');
    image.setByte(mm::FormatRevision, 0);
    indDestination(6, false, true).convert(image, usa);
    EXPECT_EQ(image.getByte(0x6C04), (usa.getByte(0x6C04) & ~0x13) | 0x13);
    EXPECT_EQ(image.getByte(0x6C05), (usa.getByte(0x6C05) & ~0x48) | 0x08 | 0x40);
    EXPECT_EQ(image.getByte(0x6C0A), 0x5A);
    EXPECT_EQ(image.getByte(0x6BEE), 0x01) << "destination 6 keeps its weather alert";
    EXPECT_EQ(image.getByte(0x6C0B), 0x07);
    EXPECT_EQ(image.getByte(0x6BDC), usa.getByte(0x6BDC));
    EXPECT_TRUE(image.formatAccepted(true));
    EXPECT_EQ(image.getByte(mm::FormatRevision), 1);

    indDestination(1).convert(image, templateOf(1));
    EXPECT_EQ(image.getByte(0x6BEE), templateOf(1).getByte(0x6BEE));
    EXPECT_EQ(image.getByte(0x6C05) & 0x40, 0);
}

TEST_F(Conversion, RefitReplacesWhatThePlanRejects) {
    image = templateOf(2);
    struct Placed {
        int n;
        uint32_t frequency;
    };
    const Placed placed[] = {{0, 100000000}, {7, 100000000}, {8, 145000000}};
    for (const Placed& p : placed) {
        datCh record = channel(p.n);
        record.frequency = p.frequency;
        record.bankGroup = 0;
        record.bankPosition = static_cast<int>(p.n);
        record.store();
    }
    datCh edge(&image);
    edge.load(datCh::KindScanEdge, 1);
    edge.lowEdge = 100000000; // listed
    edge.store();
    datCh autoWrite = channel(0);
    autoWrite.frequency = 100000000;
    for (int n : {4, 5}) {
        autoWrite.store(datCh::KindAutoWrite, n);
        image.setByte(mm::AutoWriteOrderEnd - 1 + (n - 4), static_cast<uint8_t>(n));
    }
    autoWrite.frequency = 145000000;
    autoWrite.store(datCh::KindAutoWrite, 5);
    image.setByte(mm::FreeAutoWriteCount, 198);

    const cmcEeprom templateImage = templateOf(2);
    indDestination(2, false, false).refit(image, templateImage);

    datCh record(&image);
    record.load(datCh::KindMemory, 0);
    EXPECT_EQ(record.frequency, 145500000u) << "the template's channel 0";
    record.load(datCh::KindMemory, 7);
    EXPECT_FALSE(record.inUse());
    record.load(datCh::KindMemory, 8);
    EXPECT_TRUE(record.inUse());
    EXPECT_EQ(image.bankEntry(0, 8), 8);
    EXPECT_EQ(image.bankEntry(0, 7), mm::BankEntryFree);
    record.load(datCh::KindScanEdge, 1);
    EXPECT_FALSE(record.inUse());
    record.load(datCh::KindScanEdge, 0);
    EXPECT_TRUE(record.inUse());
    record.load(datCh::KindAutoWrite, 4);
    EXPECT_FALSE(record.inUse());
    record.load(datCh::KindAutoWrite, 5);
    EXPECT_TRUE(record.inUse());
    EXPECT_EQ(image.getByte(mm::AutoWriteOrderEnd), 5);
    EXPECT_EQ(image.getByte(mm::AutoWriteOrderEnd - 1), 0xFF);
    EXPECT_EQ(image.getByte(mm::FreeAutoWriteCount), 199);

    image = templateImage;
    indDestination(2, false, true).refit(image, templateImage);
    EXPECT_TRUE(image == templateImage) << "nothing is rejected with expansion on";
}

} // namespace
