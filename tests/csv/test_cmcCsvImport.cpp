#include "CsvFixture.h"
#include "MemoryMap.h"
#include "cmcAutoWriteOrder.h"

#include <algorithm>

namespace {

using namespace csv;

constexpr char ChannelTitles[] = "CH No,Frequency,Dup,Offset,TS,Mode,AF Filter,ATT,Name,SKIP,TONE,"
                                 "TSQL Frequency,DTCS Code,DTCS Polarity,VSC\r\n";

class CsvImport : public CsvTest {
protected:
    // What a row of a memory page shows.
    datCh channel(int number) { return load(datCh::KindMemory, number); }
    datCh bandDefault(uint32_t frequency) {
        datCh record(&data->templateImage());
        record.load(datCh::KindBandDefault, data->bandPlan().bandOf(frequency));
        return record;
    }
    bool sent(cmcEventId id) const {
        return std::any_of(data->sent.begin(), data->sent.end(),
                           [id](const auto& s) { return s.first == id; });
    }
    // Export, spoil the page, import the file: the page must show what it showed before.
    void roundTrip(int pageIndex, int firstRecord = 0) {
        const QByteArray before = exported(pageIndex, firstRecord);
        put(datCh::KindMemory, firstRecord + 1, [](datCh& c) { c.frequency = 145000000; });
        put(datCh::KindScanEdge, 24);
        ASSERT_EQ(imported(pageIndex, before, firstRecord), cmcCsvFile::Done);
        EXPECT_EQ(told(), QList<QByteArray>());
        EXPECT_EQ(exported(pageIndex, firstRecord), before);
    }
    // The channel rows 200 to 299 of every kind of setting.
    void fillPage(bool canceller) {
        put(datCh::KindMemory, 200, [](datCh& c) {
            c.duplex = 2;
            c.offset = 600000;
            c.toneMode = 1;
            c.toneIndex = 12;
            c.skip = 1;
            c.name = {'R', 'E', 'P', ' ', '1', ' '};
        });
        put(datCh::KindMemory, 237, [](datCh& c) {
            c.frequency = 999000;
            c.mode = datCh::ModeAM;
            c.step = datCh::Step9k;
            c.attenuator = 1;
        });
        put(datCh::KindMemory, 250, [](datCh& c) {
            c.frequency = 118008333;
            c.mode = datCh::ModeAM;
            c.step = datCh::Step8_33k;
            c.duplex = 1;
            c.offset = 5000000;
        });
        put(datCh::KindMemory, 261, [](datCh& c) {
            c.frequency = 433012500;
            c.toneMode = 4;
            c.dtcsIndex = 3;
            c.dtcsPolarity = 1;
            c.afFilter = 1;
            c.vsc = 1;
        });
        put(datCh::KindMemory, 299, [canceller](datCh& c) {
            c.frequency = 1309995000;
            c.mode = datCh::ModeWFM;
            c.step = 13;
            c.skip = 3;
            c.name = {'(', '+', '-', '.', '/', ')'};
            c.canceller = canceller ? 2 : 0;
            c.trainFrequency = 1500;
        });
    }
};

class CsvRoundTrip : public CsvImport, public testing::WithParamInterface<int> {};

TEST_P(CsvRoundTrip, AMemoryPageGetsItsRecordsBack) {
    use(GetParam());
    fillPage(GetParam() == 0);
    std::vector<datCh> before;
    for (int n = 200; n < 300; ++n)
        before.push_back(channel(n));
    roundTrip(MemoryPage2, 200);
    for (int n = 200; n < 300; ++n) {
        const datCh& was = before[size_t(n - 200)];
        const datCh now = channel(n);
        ASSERT_EQ(now.inUse(), was.inUse()) << n;
        if (!was.inUse())
            continue;
        EXPECT_EQ(now.frequency, was.frequency) << n;
        EXPECT_EQ(now.offset, was.offset) << n;
        EXPECT_EQ(now.name, was.name) << n;
        EXPECT_EQ(now.toneIndex, was.toneIndex) << n;
        EXPECT_EQ(now.canceller, was.canceller) << n;
        if (GetParam() == 0) {
            EXPECT_EQ(now.trainFrequency, was.trainFrequency) << n;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Destinations, CsvRoundTrip, testing::Values(0, 1, 6));

TEST_F(CsvImport, ABankPageCreatesItsChannelsInFreeMemory) {
    for (auto [number, position] : {std::pair{900, 0}, {50, 7}, {1299, 99}})
        put(datCh::KindMemory, number, [position](datCh& c) {
            c.bankGroup = 1;
            c.bankPosition = position;
            c.frequency = 145000000 + 12500 * uint32_t(position);
            c.name = {'B', 'K', ' ', ' ', ' ', char('0' + position % 10)};
        });
    put(datCh::KindMemory, 901, [](datCh& c) {
        c.bankGroup = 0;
        c.bankPosition = 7;
    });
    const int firstFree = datCh::firstEmptyChannel(image(), 0);
    roundTrip(BankB);
    EXPECT_TRUE(sent(cmcEventId::ChannelsChanged));
    EXPECT_EQ(image().bankEntry(1, 0), firstFree);
    for (int position : {0, 7, 99}) {
        const datCh c = channel(image().bankEntry(1, position));
        EXPECT_TRUE(c.inUse());
        EXPECT_EQ(c.bankGroup, 1);
        EXPECT_EQ(c.bankPosition, position);
    }
    EXPECT_EQ(image().bankEntry(0, 7), 901) << "another bank stays";
}

TEST_F(CsvImport, TheScanEdgeAndAutoWritePagesGetTheirRecordsBack) {
    put(datCh::KindScanEdge, 3, [](datCh& e) {
        e.step = datCh::StepUnset;
        e.mode = datCh::ModeUnset;
        e.attenuator = 2;
        e.name = {'E', 'D', 'G', 'E', ' ', '1'};
    });
    put(datCh::KindScanEdge, 9, [](datCh& e) {
        e.lowEdge = 118008333;
        e.frequency = 136991666;
        e.step = datCh::Step8_33k;
        e.mode = datCh::ModeAM;
    });
    roundTrip(ScanEdgePage);

    put(datCh::KindAutoWrite, 7, [](datCh& c) { c.frequency = 145000000; });
    put(datCh::KindAutoWrite, 4, [](datCh& c) { c.toneMode = 1; });
    image().setByte(mm::AutoWriteOrderEnd - 1, 7);
    image().setByte(mm::AutoWriteOrderEnd, 4);
    roundTrip(AutoWritePage);
    EXPECT_EQ(cmcAutoWriteOrder::length(image()), 2);
    EXPECT_EQ(image().getByte(mm::FreeAutoWriteCount), 198);
}

TEST_F(CsvImport, TitlesAreFoundInAnyOrderAndCaseBesideExtraColumns) {
    put(datCh::KindMemory, 204);
    ASSERT_EQ(imported(MemoryPage2,
                       "Comment, frequency ,ch no,MODE,name\r\nhello,145.000000,003,AM,abc\r\n",
                       200),
              cmcCsvFile::Done);
    EXPECT_EQ(told(), QList<QByteArray>());
    const datCh c = channel(203);
    EXPECT_TRUE(c.inUse());
    EXPECT_EQ(c.frequency, 145000000u);
    EXPECT_EQ(c.mode, datCh::ModeAM);
    EXPECT_EQ(c.name, (std::array<char, 6>{'A', 'B', 'C', ' ', ' ', ' '}));
    EXPECT_EQ(c.step, bandDefault(145000000).step) << "the band default";
    EXPECT_FALSE(channel(204).inUse()) << "the page was cleared";
}

struct RefusedCase {
    const char* name;
    QByteArray text;
};

class CsvRefused : public CsvImport, public testing::WithParamInterface<RefusedCase> {};

TEST_P(CsvRefused, LeavesThePageAsItWas) {
    put(datCh::KindMemory, 204);
    const cmcEeprom before = image();
    EXPECT_EQ(imported(MemoryPage2, GetParam().text, 200), cmcCsvFile::Refused);
    EXPECT_EQ(told(), QList<QByteArray>{text("GI_Mess_Import_TitleErr")});
    EXPECT_EQ(told()[0], "File error.\n\nIllegal data.");
    EXPECT_TRUE(image() == before);
    EXPECT_TRUE(data->sent.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvRefused,
    testing::Values(RefusedCase{"noFrequency", "CH No,Freq,Dup\r\n000,145.0,OFF\r\n"},
                    RefusedCase{"noRow", "No,Frequency\r\n000,145.0\r\n"},
                    RefusedCase{"titleLaterThanLineZero", "\r\nCH No,Frequency\r\n0,145\r\n"},
                    RefusedCase{"empty", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CsvImport, AFileThatCannotBeReadOrACancelChangesNothing) {
    put(datCh::KindMemory, 204);
    const cmcEeprom before = image();
    prompt().answer(cmcPrompt::AnswerOk);
    EXPECT_EQ(cmcCsvFile::importPage(*data, MemoryPage2, 200, path("none.csv")),
              cmcCsvFile::Refused);
    EXPECT_EQ(told(), QList<QByteArray>{text("GI_Mess_Import_TitleErr")});

    QFile file(path("in.csv"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("CH No,Frequency\r\n000,145.0\r\n");
    file.close();
    prompt().answer(cmcPrompt::AnswerCancel);
    EXPECT_EQ(cmcCsvFile::importPage(*data, MemoryPage2, 200, path("in.csv")),
              cmcCsvFile::Cancelled);
    const cmcPrompt::Message asked = prompt().messages().last();
    EXPECT_EQ(asked.text, "Import from the file.\nCurrent sheet will be cleared.\nAre you sure?");
    EXPECT_EQ(asked.buttons, cmcPrompt::OkCancel);
    EXPECT_EQ(asked.defaultAnswer, cmcPrompt::AnswerCancel);
    EXPECT_EQ(asked.icon, cmcPrompt::Exclamation);
    EXPECT_TRUE(image() == before);
}

TEST_F(CsvImport, LinesOutsideThePageBlankOrGarbledAreSkipped) {
    ASSERT_EQ(imported(MemoryPage2,
                       "CH No,Frequency\r\n\r\n100,145.0\r\n-1,145.0\r\nhello world\r\n,,,\r\n"
                       "abc,145.0\r\n   \r\n099,145.0\n\n\r\r005,146.5\r\n",
                       200),
              cmcCsvFile::Done);
    EXPECT_EQ(told(), QList<QByteArray>());
    for (int n = 200; n < 300; ++n)
        EXPECT_EQ(channel(n).inUse(), n == 299 || n == 205) << n;
    EXPECT_FALSE(channel(300).inUse());
    EXPECT_EQ(channel(205).frequency, 146500000u);
}

TEST_F(CsvImport, AnEmptyFileHasNoData) {
    ASSERT_EQ(imported(MemoryPage2, exported(MemoryPage2, 200), 200), cmcCsvFile::Done);
    EXPECT_EQ(told(), QList<QByteArray>{text("GI_Mess_Import_NoData")});
    EXPECT_EQ(told()[0], "No channel data was found.");
}

TEST_F(CsvImport, FrequenciesOutsideTheRangeAreDiscardedWithOneMessage) {
    ASSERT_EQ(imported(MemoryPage2,
                       "CH No,Frequency\r\n0,1310.000000\r\n1,0.099999\r\n2,abc\r\n3,-145\r\n"
                       "4,0.1\r\n5,1309.9999994\r\n6,145.0033\r\n",
                       200),
              cmcCsvFile::Done);
    EXPECT_EQ(told(),
              (QList<QByteArray>{text("GI_Mess_Import_Discard"), text("GI_Mess_Import_Correct")}));
    for (int n = 200; n < 204; ++n)
        EXPECT_FALSE(channel(n).inUse()) << n;
    EXPECT_EQ(channel(204).frequency, 100000u);
    EXPECT_EQ(channel(205).frequency, 1309995000u) << "placed as typed";
    EXPECT_EQ(channel(206).frequency, 145005000u);
}

struct FieldCase {
    const char* name;
    int destination;
    const char* title;
    QByteArray text;
    int datCh::*field;
    int expected; // -1: the band default
    bool corrected;
};

class CsvField : public CsvImport, public testing::WithParamInterface<FieldCase> {};

TEST_P(CsvField, IsReadByItsCodecAndRule) {
    const FieldCase& c = GetParam();
    use(c.destination);
    const QByteArray file =
        QByteArray("CH No,Frequency,") + c.title + "\r\n001,145.000000," + c.text + "\r\n";
    ASSERT_EQ(imported(MemoryPage2, file, 200), cmcCsvFile::Done);
    const int expected = c.expected < 0 ? bandDefault(145000000).*c.field : c.expected;
    EXPECT_EQ(channel(201).*c.field, expected);
    EXPECT_EQ(told(), c.corrected ? QList<QByteArray>{text("GI_Mess_Import_Correct")}
                                  : QList<QByteArray>());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvField,
    testing::Values(
        FieldCase{"toneComma", 1, "TSQL Frequency", "\"88,5Hz\"", &datCh::toneIndex, 8, false},
        FieldCase{"toneLowerCase", 1, "TSQL Frequency", " 88.5hz ", &datCh::toneIndex, 8, false},
        FieldCase{"toneNonStandard", 1, "TSQL Frequency", "89.0Hz", &datCh::toneIndex, 8, true},
        FieldCase{"toneWrittenLonger", 1, "TSQL Frequency", "88.50 HZ", &datCh::toneIndex, 8,
                  false},
        FieldCase{"toneNearTop", 1, "TSQL Frequency", "260Hz", &datCh::toneIndex, 49, true},
        FieldCase{"toneTooHigh", 1, "TSQL Frequency", "300Hz", &datCh::toneIndex, -1, true},
        FieldCase{"toneWithoutHz", 1, "TSQL Frequency", "88.5", &datCh::toneIndex, -1, true},
        FieldCase{"dupLowerCase", 1, "Dup", "dup-", &datCh::duplex, 1, false},
        FieldCase{"toneBlankForm", 1, "TONE", "TSQL R", &datCh::toneMode, 2, false},
        FieldCase{"toneHyphenForm", 1, "TONE", "tsql-r", &datCh::toneMode, 2, false},
        FieldCase{"toneTrain", 1, "TONE", "TRAIN1", &datCh::toneMode, -1, true},
        FieldCase{"afLpf", 1, "AF Filter", "LPF", &datCh::afFilter, 1, false},
        FieldCase{"modeAutoWhereOffered", 0, "Mode", "Auto", &datCh::mode, 3, false},
        FieldCase{"modeAutoElsewhere", 1, "Mode", "auto", &datCh::mode, -1, true},
        FieldCase{"modeNarrow", 1, "Mode", "FM-N", &datCh::mode, -1, true},
        FieldCase{"attUnsetOnAChannel", 1, "ATT", "-", &datCh::attenuator, -1, true},
        FieldCase{"stepNotFound", 1, "TS", "NOT_FOUND", &datCh::step, -1, true},
        FieldCase{"dtcsWithoutZeros", 1, "DTCS Code", "23", &datCh::dtcsIndex, 0, false},
        FieldCase{"dtcsUnknown", 1, "DTCS Code", "024", &datCh::dtcsIndex, -1, true},
        FieldCase{"skip", 1, "SKIP", "pskip", &datCh::skip, 3, false},
        FieldCase{"cancellerWhereShown", 0, "Canceller", "TRAIN", &datCh::canceller, 1, false},
        FieldCase{"cancellerPageName", 0, "Canceller", "TRAIN1", &datCh::canceller, 1, false},
        FieldCase{"cancellerNotShown", 1, "Canceller", "garbage", &datCh::canceller, -1, false},
        FieldCase{"blankFieldIsMissing", 1, "Dup", "  ", &datCh::duplex, -1, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct EntryCase {
    const char* name;
    const char* title;
    QByteArray text;
    uint32_t datCh::*field;
    uint32_t expected;
    bool corrected;
};

class CsvEntry : public CsvImport, public testing::WithParamInterface<EntryCase> {};

TEST_P(CsvEntry, IsPlacedAsTypingWouldPlaceIt) {
    const EntryCase& c = GetParam();
    use(0);
    const QByteArray file =
        QByteArray("CH No,Frequency,") + c.title + "\r\n001,145.000000," + c.text + "\r\n";
    ASSERT_EQ(imported(MemoryPage2, file, 200), cmcCsvFile::Done);
    EXPECT_EQ(channel(201).*c.field, c.expected);
    EXPECT_EQ(told(), c.corrected ? QList<QByteArray>{text("GI_Mess_Import_Correct")}
                                  : QList<QByteArray>());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CsvEntry,
    testing::Values(
        EntryCase{"offset", "Offset", "0.6", &datCh::offset, 600000, false},
        EntryCase{"offsetTooLarge", "Offset", "200", &datCh::offset, 159995000, true},
        EntryCase{"offsetNegative", "Offset", "-1", &datCh::offset, 0, true},
        EntryCase{"offsetOffGrid", "Offset", "0.6033", &datCh::offset, 605000, true},
        EntryCase{"train", "Canceller Frequency", "2500", &datCh::trainFrequency, 2500, false},
        EntryCase{"trainRounded", "Canceller Frequency", "1234", &datCh::trainFrequency, 1230,
                  true},
        EntryCase{"trainTooLow", "Canceller Frequency", "12", &datCh::trainFrequency, 300, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CsvImport, ABankThatRunsOutOfChannelsKeepsWhatFitted) {
    for (int n = 0; n < mm::MemoryChannels; ++n)
        if (n != 600 && n != 800 && !channel(n).inUse())
            put(datCh::KindMemory, n);
    ASSERT_EQ(imported(BankA, QByteArray(ChannelTitles) +
                                  "000,145.000000\r\n001,146.000000\r\n002,147.000000\r\n"
                                  "003,148.000000\r\n"),
              cmcCsvFile::Done);
    EXPECT_EQ(told(), QList<QByteArray>{text("GI_Mess_Import_NoChSpace")});
    EXPECT_EQ(told()[0], "Channel overflow.\nSome channels are not imported.");
    EXPECT_EQ(image().bankEntry(0, 0), 600);
    EXPECT_EQ(image().bankEntry(0, 1), 800);
    EXPECT_EQ(image().bankEntry(0, 2), mm::BankEntryFree);
    EXPECT_EQ(channel(800).frequency, 146000000u);
}

TEST_F(CsvImport, ARowGivenTwiceOnABankPageReusesItsChannel) {
    const int firstFree = datCh::firstEmptyChannel(image(), 0);
    ASSERT_EQ(imported(BankA, "CH No,Frequency\r\n004,145.0\r\n004,146.0\r\n"), cmcCsvFile::Done);
    EXPECT_EQ(image().bankEntry(0, 4), firstFree);
    EXPECT_EQ(channel(firstFree).frequency, 146000000u);
    EXPECT_FALSE(channel(datCh::firstEmptyChannel(image(), 0)).inUse());
    EXPECT_EQ(datCh::firstEmptyChannel(image(), 0), datCh::firstEmptyChannel(image(), firstFree));
}

TEST_F(CsvImport, SpreadsheetFilesImportTheSame) {
    ASSERT_EQ(imported(MemoryPage2,
                       "CH No;Frequency;Offset;Dup;Name;TSQL Frequency\r\n"
                       "005;145,5;0,6;DUP-;A,B;88,5Hz\r\n",
                       200),
              cmcCsvFile::Done);
    EXPECT_EQ(told(), QList<QByteArray>());
    datCh c = channel(205);
    EXPECT_EQ(c.frequency, 145500000u);
    EXPECT_EQ(c.offset, 600000u);
    EXPECT_EQ(c.duplex, 1);
    EXPECT_EQ(c.toneIndex, 8);
    EXPECT_EQ(c.name, (std::array<char, 6>{'A', ' ', 'B', ' ', ' ', ' '}));

    ASSERT_EQ(imported(MemoryPage2,
                       "\xEF\xBB\xBF\"CH No\",\"Frequency\",\"Name\",\"Dup\"\r\n"
                       "\"007\",\"145.000000\",\"X,\"\"Y\",\"DUP+\"\r\n",
                       200),
              cmcCsvFile::Done);
    EXPECT_EQ(told(), QList<QByteArray>());
    c = channel(207);
    EXPECT_EQ(c.frequency, 145000000u);
    EXPECT_EQ(c.duplex, 2);
    EXPECT_EQ(c.name, (std::array<char, 6>{'X', ' ', ' ', 'Y', ' ', ' '}));
    EXPECT_FALSE(channel(205).inUse());
}

TEST_F(CsvImport, TheRestOfTheProgramHearsOfTheChange) {
    ASSERT_EQ(imported(MemoryPage2, "CH No,Frequency\r\n005,145.0\r\n", 200), cmcCsvFile::Done);
    EXPECT_TRUE(sent(cmcEventId::ChannelsChanged));
    EXPECT_TRUE(sent(cmcEventId::PageShown));
    EXPECT_FALSE(sent(cmcEventId::RedrawAll)) << "posted, not sent";
    data->events().deliverQueue();
    EXPECT_TRUE(sent(cmcEventId::RedrawAll));
}

TEST_F(CsvImport, AScanEdgeNeedsBothFrequencies) {
    ASSERT_EQ(imported(ScanEdgePage,
                       "No,Frequency Low,Frequency High,Mode,TS,ATT,Name\r\n"
                       "00,145.0,146.0,-,-,-,low\r\n01,145.0,,FM,5kHz,OFF,X\r\n"
                       "02,145.0,1400,FM,5kHz,OFF,X\r\n03,144.0,145.0,Auto,Auto,ON,\r\n"),
              cmcCsvFile::Done);
    EXPECT_EQ(told(),
              (QList<QByteArray>{text("GI_Mess_Import_Discard"), text("GI_Mess_Import_Correct")}));
    const datCh first = load(datCh::KindScanEdge, 0);
    EXPECT_EQ(first.lowEdge, 145000000u);
    EXPECT_EQ(first.frequency, 146000000u);
    EXPECT_EQ(first.mode, datCh::ModeUnset);
    EXPECT_EQ(first.step, datCh::StepUnset);
    EXPECT_EQ(first.name, (std::array<char, 6>{'L', 'O', 'W', ' ', ' ', ' '}));
    EXPECT_FALSE(load(datCh::KindScanEdge, 1).inUse());
    EXPECT_FALSE(load(datCh::KindScanEdge, 2).inUse());
    const datCh last = load(datCh::KindScanEdge, 3);
    EXPECT_EQ(last.mode, datCh::ModeUnset) << "no Auto on destination 1";
    EXPECT_EQ(last.attenuator, 1);
}

} // namespace
