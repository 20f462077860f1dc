#include "CsvFixture.h"
#include "cmcAutoWriteOrder.h"
#include "cmcCsvExport.h"
#include "indDestination.h"

namespace {

using namespace csv;

const QByteArray Titles = "CH No,Frequency,Dup,Offset,TS,Mode,AF Filter,ATT,Name,SKIP,TONE,"
                          "TSQL Frequency,DTCS Code,DTCS Polarity,";

QList<QByteArray> linesOf(const QByteArray& text) {
    EXPECT_TRUE(text.endsWith("\r\n"));
    QList<QByteArray> lines = text.split('\n');
    lines.removeLast();
    for (QByteArray& line : lines) {
        EXPECT_TRUE(line.endsWith('\r'));
        line.chop(1);
    }
    return lines;
}

using CsvExport = CsvTest;

TEST_F(CsvExport, AnEmptyMemoryPageIsItsTitlesAndOneIndexLinePerRow) {
    const QList<QByteArray> lines = linesOf(exported(MemoryPage2, 200));
    ASSERT_EQ(lines.size(), 101);
    EXPECT_EQ(lines[0], Titles + "VSC");
    EXPECT_EQ(lines[1], "000" + QByteArray(14, ','));
    EXPECT_EQ(lines[100], "099" + QByteArray(14, ','));
}

TEST_F(CsvExport, AUsedChannelIsWrittenInTheFilesWords) {
    put(datCh::KindMemory, 205, [](datCh& c) {
        c.duplex = 2;
        c.offset = 600000;
        c.afFilter = 1;
        c.name = {'A', 'B', ',', 'C', ';', ' '};
        c.skip = 3;
        c.toneMode = 1;
        c.toneIndex = 8;
        c.dtcsPolarity = 1;
        c.vsc = 1;
    });
    put(datCh::KindMemory, 206, [](datCh& c) {
        c.toneMode = 8;
        c.toneIndex = 60;
        c.dtcsIndex = 110;
        c.step = 13;
        c.mode = datCh::ModeAuto;
    });
    const QList<QByteArray> lines = linesOf(exported(MemoryPage2, 200));
    EXPECT_EQ(lines[6], "005,146.010000,DUP+,0.600000,5kHz,FM,ON,OFF,AB C,PSKIP,TSQL,88.5Hz,023,"
                        "Reverse,ON");
    EXPECT_EQ(lines[7], "006,146.010000,OFF,0.000000,200kHz,Auto,OFF,OFF,,OFF,NOT_FOUND,"
                        "NOT_FOUND,NOT_FOUND,Normal,OFF");
}

TEST_F(CsvExport, DestinationZeroAddsTheCancellerColumns) {
    use(0);
    put(datCh::KindMemory, 200, [](datCh& c) {
        c.canceller = 1;
        c.trainFrequency = 3000;
        c.dtcsIndex = 103;
    });
    const QList<QByteArray> lines = linesOf(exported(MemoryPage2, 200));
    EXPECT_EQ(lines[0], Titles + "Canceller,Canceller Frequency,VSC");
    EXPECT_EQ(lines[1].count(',') + 1, 17);
    EXPECT_TRUE(lines[1].endsWith(",754,Normal,TRAIN,3000,OFF")) << lines[1].constData();
    EXPECT_EQ(lines[2], "001" + QByteArray(16, ','));
}

TEST_F(CsvExport, ABankPageWritesThePositionsChannelsAndHidesInvalidOnes) {
    put(datCh::KindMemory, 700, [](datCh& c) {
        c.bankGroup = 0;
        c.bankPosition = 5;
        c.frequency = 433012500;
    });
    put(datCh::KindMemory, 701, [](datCh& c) {
        c.bankGroup = 0;
        c.bankPosition = 6;
        c.frequency = indDestination::UpperLimit;
    });
    const QList<QByteArray> lines = linesOf(exported(BankA));
    ASSERT_EQ(lines.size(), 101);
    EXPECT_TRUE(lines[6].startsWith("005,433.012500,")) << lines[6].constData();
    EXPECT_EQ(lines[7], "006" + QByteArray(14, ','));
}

TEST_F(CsvExport, TheScanEdgePageHasItsOwnLayout) {
    put(datCh::KindScanEdge, 3, [](datCh& e) {
        e.step = datCh::StepUnset;
        e.mode = datCh::ModeUnset;
        e.attenuator = 2;
        e.name = {'E', 'D', 'G', 'E', ' ', '1'};
    });
    put(datCh::KindScanEdge, 4, [](datCh& e) { e.setInUse(false); });
    const QList<QByteArray> lines = linesOf(exported(ScanEdgePage));
    ASSERT_EQ(lines.size(), 26);
    EXPECT_EQ(lines[0], "No,Name,Frequency Low,Frequency High,TS,Mode,ATT");
    EXPECT_EQ(lines[4], "03,EDGE 1,145.000000,146.010000,-,-,-");
    EXPECT_EQ(lines[5], "04,,,,,,");
}

TEST_F(CsvExport, TheAutoWritePageFollowsItsOrder) {
    put(datCh::KindAutoWrite, 7, [](datCh& c) { c.frequency = 145000000; });
    put(datCh::KindAutoWrite, 4);
    image().setByte(mm::AutoWriteOrderEnd - 1, 7);
    image().setByte(mm::AutoWriteOrderEnd, 4);
    const QList<QByteArray> lines = linesOf(exported(AutoWritePage));
    ASSERT_EQ(lines.size(), 201);
    EXPECT_TRUE(lines[1].startsWith("000,145.000000,")) << lines[1].constData();
    EXPECT_TRUE(lines[2].startsWith("001,146.010000,")) << lines[2].constData();
    EXPECT_EQ(lines[3], "002" + QByteArray(14, ','));
}

TEST_F(CsvExport, NamesLoseWhatWouldSplitOrQuoteAField) {
    datCh record;
    record.name = {'"', 'A', ';', 'B', '\x7F', ' '};
    EXPECT_EQ(cmcCsvExport::name(record), " A B");
    record.name = {'A', 'B', '\0', 'C', 'D', 'E'};
    EXPECT_EQ(cmcCsvExport::name(record), "AB");
}

TEST_F(CsvExport, AFolderThatCannotBeWrittenShowsTheFileError) {
    QFile plain(path("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_EQ(cmcCsvFile::exportPage(*data, MemoryPage2, 200, path("plain") + "/out.csv"),
              cmcCsvFile::Unwritable);
    const QList<cmcPrompt::Message> shown = prompt().messages();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, "File error.\n\nCannot open the file.");
    EXPECT_EQ(shown[0].icon, cmcPrompt::Exclamation);
    EXPECT_EQ(shown[0].caption, "Mavik");
}

TEST_F(CsvExport, AnExportReplacesTheOldFileWhole) {
    QFile old(path("out.csv"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'x'));
    old.close();
    const QByteArray text = exported(ScanEdgePage);
    EXPECT_FALSE(text.contains('x'));
    EXPECT_EQ(text.count('\n'), 26);
}

TEST_F(CsvExport, OnlyPagesWithChannelsOrEdgesHaveFiles) {
    for (int page : {0, 12, 13, 34, 35, 46})
        EXPECT_TRUE(cmcCsvFile::available(page)) << page;
    for (int page : {-1, 36, 45, 47, 48, 49})
        EXPECT_FALSE(cmcCsvFile::available(page)) << page;
    EXPECT_EQ(cmcCsvFile::exportPage(*data, 47, 0, path("common.csv")), cmcCsvFile::NoRecords);
    EXPECT_FALSE(QFile::exists(path("common.csv")));
}

TEST_F(CsvExport, TheFileDialogOffersCsvFilesInTheCurrentDirectory) {
    prompt().choose("/tmp/x.csv");
    EXPECT_EQ(cmcCsvFile::chooseFile(prompt(), "/home/me", cmcPrompt::FileDialog::Save),
              "/tmp/x.csv");
    EXPECT_EQ(cmcCsvFile::chooseFile(prompt(), "/home/me", cmcPrompt::FileDialog::Open), "");
    ASSERT_EQ(prompt().asked().size(), 2);
    const auto& save = std::get<cmcPrompt::FileDialog>(prompt().asked()[0]);
    EXPECT_EQ(save.kind, cmcPrompt::FileDialog::Save);
    EXPECT_EQ(save.defaultSuffix, "csv");
    EXPECT_EQ(save.filter, "CSV files (*.csv)|*.csv|All files (*.*)|*.*");
    EXPECT_EQ(save.directory, "/home/me");
    EXPECT_TRUE(save.fileName.isEmpty());
    EXPECT_TRUE(save.confirmOverwrite);
    const auto& open = std::get<cmcPrompt::FileDialog>(prompt().asked()[1]);
    EXPECT_EQ(open.kind, cmcPrompt::FileDialog::Open);
    EXPECT_TRUE(open.mustExist);
}

} // namespace
