#include "MemoryMap.h"
#include "clsEtcData.h"
#include "cmcEeprom.h"
#include "cmcKcfDocument.h"
#include "datCh.h"
#include "indDestination.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

namespace {

struct CliRun {
    int status;
    QByteArray out;
    QByteArray err;
};

class Cli : public testing::Test {
protected:
    CliRun run(const QStringList& arguments,
               const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(dir.path());
        process.start(MAVIK_CLI, arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        return {process.exitCode(), process.readAllStandardOutput(),
                process.readAllStandardError()};
    }
    QString file(const char* name) const { return dir.filePath(name); }
    // A new file of the destination, with `change` applied to its image before it is saved.
    template <typename Change> QString crafted(const char* name, int destination, Change change) {
        cmcEeprom image;
        image.loadTemplate(destination);
        change(image);
        cmcEeprom templateImage;
        templateImage.loadTemplate(destination);
        EXPECT_EQ(
            cmcKcfDocument::save(file(name), image, indDestination(destination), templateImage), 0);
        return file(name);
    }

    QTemporaryDir dir;
};

struct UsageCase {
    const char* name;
    QStringList arguments;
};

class CliUsage : public Cli, public testing::WithParamInterface<UsageCase> {};

TEST_P(CliUsage, IsRefusedWith64AndNoFile) {
    const CliRun result = run(GetParam().arguments);
    EXPECT_EQ(result.status, 64);
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_TRUE(result.err.startsWith("Usage:\n  mavik-cli new")) << result.err.constData();
    EXPECT_FALSE(QFile::exists(file("o.kcf")));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliUsage,
    testing::Values(UsageCase{"nothing", {}}, UsageCase{"unknown", {"frobnicate"}},
                    UsageCase{"noDestination", {"new", "o.kcf"}},
                    UsageCase{"destination17", {"new", "--destination", "17", "o.kcf"}},
                    UsageCase{"destinationWord", {"new", "--destination", "six", "o.kcf"}},
                    UsageCase{"twoOutputs", {"new", "--destination", "6", "o.kcf", "p.kcf"}},
                    UsageCase{"unknownOption", {"new", "--dest", "6", "o.kcf"}},
                    UsageCase{"convertOneFile", {"convert", "--destination", "1", "o.kcf"}},
                    UsageCase{"dumpNoKind", {"dump", "o.kcf"}},
                    UsageCase{"dumpBadKind", {"dump", "o.kcf", "--kind", "banks"}},
                    UsageCase{"dumpLastBeforeFirst",
                              {"dump", "o.kcf", "--kind", "memory", "--first", "5", "--last", "4"}},
                    UsageCase{"dumpPastEnd",
                              {"dump", "o.kcf", "--kind", "scanedge", "--last", "25"}},
                    UsageCase{"checkNoFile", {"check"}},
                    UsageCase{"checkTwoFiles", {"check", "o.kcf", "p.kcf"}},
                    UsageCase{"checkOption", {"check", "--page", "1", "o.kcf"}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Csv, CliUsage,
    testing::Values(UsageCase{"exportNoPage", {"export", "n.kcf", "o.csv"}},
                    UsageCase{"exportLinks", {"export", "n.kcf", "--page", "links", "o.csv"}},
                    UsageCase{"exportNoBankS", {"export", "n.kcf", "--page", "bank:S", "o.csv"}},
                    UsageCase{"importMemory13",
                              {"import", "n.kcf", "--page", "memory:13", "i.csv", "o.kcf"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Cli, NewSavesTheDefaultImageAsSaveWould) {
    ASSERT_EQ(run({"new", "--destination", "16", "n.kcf"}).status, 0);
    cmcEeprom document;
    int destination = -1;
    ASSERT_EQ(cmcKcfDocument::open(file("n.kcf"), document, destination), 0);
    EXPECT_EQ(destination, 16);
    cmcEeprom templateImage;
    templateImage.loadTemplate(6);
    EXPECT_EQ(std::memcmp(document.bytes(), templateImage.bytes(), mm::ReceiverSize), 0);
}

TEST_F(Cli, DumpPrintsTheHeaderAndOneLinePerRecord) {
    ASSERT_EQ(run({"new", "--destination", "6", "n.kcf"}).status, 0);
    const CliRun memory = run({"dump", "n.kcf", "--kind", "memory", "--last", "0"});
    EXPECT_EQ(memory.status, 0);
    const QList<QByteArray> lines = memory.out.split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "number\tused\tfrequency\toffset\tduplex\tstep\tmode\tatt\taf\ttone\t"
                        "tone_index\tdtcs_index\tpolarity\tcanceller\ttrain\tvsc\tname\tskip\t"
                        "bank\tposition");
    EXPECT_TRUE(lines[1].startsWith("0\t1\t146010000\t600000\t")) << lines[1].constData();
    const CliRun edges =
        run({"dump", "n.kcf", "--kind", "scanedge", "--first", "1", "--last", "2"});
    EXPECT_EQ(edges.status, 0);
    EXPECT_TRUE(edges.out.startsWith("number\tused\tlow\thigh\tstep\tmode\tatt\tname\n"
                                     "1\t1\t137000000\t174000000\t"))
        << edges.out.constData();
    EXPECT_EQ(edges.out.count('\n'), 3);
    EXPECT_EQ(run({"dump", "n.kcf", "--kind", "autowrite"}).out.count('\n'), 1 + 200);
}

TEST_F(Cli, ConvertTakesTheNewDestinationsSettings) {
    ASSERT_EQ(run({"new", "--destination", "6", "n.kcf"}).status, 0);
    ASSERT_EQ(run({"convert", "--destination", "1", "n.kcf", "c.kcf"}).status, 0);
    QFile converted(file("c.kcf"));
    ASSERT_TRUE(converted.open(QIODevice::ReadOnly));
    const QByteArray etcLine =
        "#EtcData=" +
        QByteArray::number(clsEtcData::encode(1, 0, 1), 16).toUpper().rightJustified(4, '0') +
        "\r\n";
    EXPECT_TRUE(converted.readAll().contains(etcLine));
    cmcEeprom document;
    int destination = -1;
    ASSERT_EQ(cmcKcfDocument::open(file("c.kcf"), document, destination), 0);
    EXPECT_EQ(destination, 1);
    cmcEeprom templateImage;
    templateImage.loadTemplate(1);
    EXPECT_EQ(std::memcmp(document.bytes() + mm::BandDefaultBase,
                          templateImage.bytes() + mm::BandDefaultBase, 11 * mm::RecordSize),
              0);
    datCh channel(&document);
    channel.load(datCh::KindMemory, 0);
    EXPECT_EQ(channel.frequency, 146010000u); // the user's channels stay
}

TEST_F(Cli, FileErrorsExitWith20PlusTheCodeAndPrintTheMessage) {
    const CliRun missing = run({"dump", "none.kcf", "--kind", "band"});
    EXPECT_EQ(missing.status, 21);
    EXPECT_EQ(missing.err, "File error.\n\nCannot open the file.\n");
    ASSERT_EQ(run({"new", "--destination", "0", "n.kcf"}).status, 0);
    QFile text(file("n.kcf"));
    ASSERT_TRUE(text.open(QIODevice::ReadWrite));
    text.seek(3);
    text.write("1"); // model 3251
    text.close();
    const CliRun wrongModel = run({"convert", "--destination", "1", "n.kcf", "c.kcf"});
    EXPECT_EQ(wrongModel.status, 23);
    EXPECT_EQ(wrongModel.err, "File error.\n\nIllegal data.\n");
    EXPECT_FALSE(QFile::exists(file("c.kcf")));
    EXPECT_EQ(run({"new", "--destination", "0", "no/such/dir/n.kcf"}).status, 21);
}

void putChannel(cmcEeprom& image, int n, uint32_t frequency, int bank = datCh::NoBank,
                int position = 0) {
    datCh channel(&image);
    channel.reset();
    channel.frequency = frequency;
    channel.bankGroup = bank;
    channel.bankPosition = position;
    channel.store(datCh::KindMemory, n);
}

struct CheckCase {
    const char* name;
    int destination;
    void (*change)(cmcEeprom& image);
    int status;
    const char* out;
};

class CliCheck : public Cli, public testing::WithParamInterface<CheckCase> {};

TEST_P(CliCheck, PrintsOneLinePerFindingInTreeOrder) {
    const CheckCase& c = GetParam();
    const CliRun result = run({"check", crafted("in.kcf", c.destination, c.change)});
    EXPECT_EQ(result.status, c.status) << result.err.constData();
    EXPECT_EQ(result.out, c.out);
    EXPECT_TRUE(result.err.isEmpty()) << result.err.constData();
}

INSTANTIATE_TEST_SUITE_P(
    Files, CliCheck,
    testing::Values(CheckCase{"clean", 6, [](cmcEeprom&) {}, 0, ""},
                    // 200 MHz lies in a listed range of destination 1, whose expansion is off.
                    CheckCase{"warningOnly", 1,
                              [](cmcEeprom& image) { putChannel(image, 105, 200000000); }, 19,
                              "warning\tmemory:1\t105\tW\n"},
                    CheckCase{"errorInABank", 6,
                              [](cmcEeprom& image) { putChannel(image, 250, 1310000000, 1, 7); },
                              18,
                              "warning\tmemory:2\t250\tW\nerror\tmemory:2\t250\tE1\n"
                              "error\tmemory:2\t250\tE2\nwarning\tbank:B\t7\tW\n"
                              "error\tbank:B\t7\tE1\nerror\tbank:B\t7\tE2\n"},
                    CheckCase{"twoChannelsOnOnePosition", 6,
                              [](cmcEeprom& image) {
                                  putChannel(image, 10, 146000000, 21, 99);
                                  putChannel(image, 1299, 147000000, 21, 99);
                              },
                              18, "error\tmemory:0\t10\tE4\nerror\tmemory:12\t1299\tE4\n"},
                    CheckCase{"autoWriteSlot", 16,
                              [](cmcEeprom& image) {
                                  datCh slot(&image);
                                  slot.reset();
                                  slot.frequency = 1310000000;
                                  slot.store(datCh::KindAutoWrite, 199);
                              },
                              18, "error\tautowrite\t199\tE1\nerror\tautowrite\t199\tE2\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// The command line needs no runtime folder: nothing but its own messages reaches standard error.
TEST_F(Cli, RunsWithoutARuntimeFolder) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("XDG_RUNTIME_DIR");
    const QString in = crafted("in.kcf", 6, [](cmcEeprom&) {});
    for (const QStringList& arguments : {QStringList{"check", in}, {"print", in, "out.pdf"}}) {
        const CliRun clean = run(arguments, environment);
        EXPECT_EQ(clean.status, 0) << arguments[0].toStdString();
        EXPECT_EQ(clean.err, "") << arguments[0].toStdString();
    }
    const QByteArray missing = file("no-cable").toLocal8Bit();
    const CliRun refused = run({"info", "--device", missing}, environment);
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.err, "Cannot access COM 1.\n" + missing +
                               ": no such device. Is the cloning cable plugged in?\n\n"
                               "Check the following:\n - The COM port settings.\n"
                               " - Cloning cable connections.\n - receiver power is ON.\n");
}

TEST_F(Cli, CheckOfAMissingFileIsAFileError) {
    EXPECT_EQ(run({"check", "none.kcf"}).status, 21);
}

TEST_F(Cli, DumpWritesNameBytesOutsidePrintableAsciiAsHex) {
    const QString in = crafted("in.kcf", 6, [](cmcEeprom& image) {
        const uint8_t name[] = {'A', 0x07, '"', 0xFF, '~', ' '};
        image.writeBlock(mm::scanEdge(1) + 10, name, 6);
    });
    const CliRun edges = run({"dump", in, "--kind", "scanedge", "--first", "1", "--last", "1"});
    EXPECT_EQ(edges.status, 0);
    EXPECT_TRUE(edges.out.endsWith("\t\"A\\x07\"\\xFF~ \"\n")) << edges.out.constData();
}

TEST_F(Cli, ExportWritesOneLinePerRowOfThePage) {
    ASSERT_EQ(run({"new", "--destination", "0", "n.kcf"}).status, 0);
    ASSERT_EQ(run({"export", "n.kcf", "--page", "memory:12", "m.csv"}).status, 0);
    QFile csv(file("m.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    ASSERT_EQ(lines.size(), 102);
    EXPECT_EQ(lines[0], "CH No,Frequency,Dup,Offset,TS,Mode,AF Filter,ATT,Name,SKIP,TONE,"
                        "TSQL Frequency,DTCS Code,DTCS Polarity,Canceller,Canceller Frequency,"
                        "VSC\r");
    EXPECT_EQ(lines[100], "099" + QByteArray(16, ',') + "\r");
    ASSERT_EQ(run({"export", "n.kcf", "--page", "35", "e.csv"}).status, 0);
    ASSERT_TRUE(QFile::exists(file("e.csv")));
}

TEST_F(Cli, ImportReplacesThePageAndSavesTheDocument) {
    ASSERT_EQ(run({"new", "--destination", "6", "n.kcf"}).status, 0);
    ASSERT_EQ(run({"export", "n.kcf", "--page", "memory:0", "m.csv"}).status, 0);
    const CliRun imported = run({"import", "n.kcf", "--page", "bank:C", "m.csv", "o.kcf"});
    EXPECT_EQ(imported.status, 0) << imported.err.constData();
    EXPECT_TRUE(imported.err.startsWith("Import from the file.\n")) << imported.err.constData();
    ASSERT_EQ(run({"export", "o.kcf", "--page", "bank:C", "b.csv"}).status, 0);
    QFile memory(file("m.csv")), bank(file("b.csv"));
    ASSERT_TRUE(memory.open(QIODevice::ReadOnly) && bank.open(QIODevice::ReadOnly));
    const QByteArray exported = memory.readAll();
    EXPECT_EQ(bank.readAll(), exported);
    EXPECT_TRUE(exported.contains("\r\n000,146.010000,")) << "the default image has channels";
}

TEST_F(Cli, ImportRefusesAFileWithoutTitlesAndExportAFolderItCannotWrite) {
    ASSERT_EQ(run({"new", "--destination", "1", "n.kcf"}).status, 0);
    QFile csv(file("t.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("CH No,Freq\r\n000,145.0\r\n");
    csv.close();
    const CliRun refused = run({"import", "n.kcf", "--page", "autowrite", "t.csv", "o.kcf"});
    EXPECT_EQ(refused.status, 31);
    EXPECT_TRUE(refused.err.endsWith("File error.\n\nIllegal data.\n")) << refused.err.constData();
    EXPECT_FALSE(QFile::exists(file("o.kcf")));
    const CliRun unwritable = run({"export", "n.kcf", "--page", "memory:0", "n.kcf/m.csv"});
    EXPECT_EQ(unwritable.status, 32);
    EXPECT_EQ(unwritable.err, "File error.\n\nCannot open the file.\n");
}

} // namespace
