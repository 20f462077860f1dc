#include "MemoryMap.h"
#include "cmcEeprom.h"
#include "cmcKcfDocument.h"
#include "cmcKcfFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

const mm::Range Small[] = {{0x0000, 0x001F}, {1, 0}};

QByteArray record(int address, int count, char digit = '3') {
    QByteArray text = QByteArray::number(address, 16).toUpper().rightJustified(4, '0') +
                      QByteArray::number(count, 16).toUpper().rightJustified(2, '0');
    return text + QByteArray(2 * count, digit);
}

void putFile(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

class KcfFile : public testing::Test {
protected:
    void SetUp() override {
        image.resize(mm::ImageSize);
        for (int a = 0; a < mm::ReceiverSize; ++a)
            image.setByte(a, static_cast<uint8_t>(a * 7 + 3));
        path = dir.filePath("a.kcf");
    }

    // A reader with the controller's header values and checks on a target filled with 0x5A.
    int readBack(const mm::Range* coverage, const QString& from) {
        target.resize(mm::ImageSize);
        target.fill(0x5A);
        cmcKcfFile reader;
        reader.setImage(target);
        cmcKcfDocument::prepareReader(reader);
        return reader.read(from, coverage);
    }

    int writeImage(const mm::Range* coverage, int recordLength = 16) {
        cmcKcfFile writer;
        writer.setImage(image);
        writer.setModelCode(0x3250);
        writer.setModelVersion(1);
        writer.setMapRevision(1);
        writer.setEtcData(0xAB);
        writer.setComment("HELLO");
        EXPECT_TRUE(writer.setRecordLength(recordLength));
        return writer.write(path, coverage);
    }

    bool receiverAreaEqual() const {
        for (int a = 0; a < mm::ReceiverSize; ++a)
            if (image.getByte(a) != target.getByte(a))
                return false;
        return true;
    }

    QTemporaryDir dir;
    QString path;
    cmcEeprom image;
    cmcEeprom target;
};

TEST_F(KcfFile, WrittenFileHasTheHeaderAndCrlfRecordsOfTheReceiverArea) {
    ASSERT_EQ(writeImage(mm::ReadRanges), cmcKcfFile::Ok);
    const QList<QByteArray> lines = readAll(path).split('\n');
    ASSERT_EQ(lines.size(), 4 + 1766 + 1);
    EXPECT_EQ(lines[0], "32500001\r");
    EXPECT_EQ(lines[1], "#Comment=HELLO\r");
    EXPECT_EQ(lines[2], "#MapRev=1\r");
    EXPECT_EQ(lines[3], "#EtcData=00AB\r");
    EXPECT_EQ(lines[4].left(6), "000010");
    EXPECT_EQ(lines[4].mid(6, 4), "030A");
    EXPECT_EQ(lines[4 + 1765].left(6), "6E5010");
    for (int i = 4; i < 4 + 1766; ++i)
        ASSERT_EQ(lines[i].size(), 38 + 1) << i;
    EXPECT_TRUE(lines.last().isEmpty());
}

TEST_F(KcfFile, ReadsBackWhatItWroteWithEitherLineEnd) {
    ASSERT_EQ(writeImage(mm::ReadRanges), cmcKcfFile::Ok);
    const QByteArray crlf = readAll(path);
    for (const QByteArray& text : {crlf, QByteArray(crlf).replace("\r\n", "\n")}) {
        putFile(path, text);
        ASSERT_EQ(readBack(mm::ReadRanges, path), cmcKcfFile::Ok);
        EXPECT_TRUE(receiverAreaEqual());
        EXPECT_EQ(target.getByte(mm::ReceiverSize), 0x5A); // working area untouched
    }
}

TEST_F(KcfFile, RecordCrossingTheEndOfTheReceiverAreaIsReadThenRefused) {
    ASSERT_EQ(writeImage(mm::ReadRanges), cmcKcfFile::Ok);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(record(0x6E5A, 16) + "\r\n");
    file.close();
    target.resize(mm::ImageSize);
    cmcKcfFile reader;
    reader.setImage(target);
    cmcKcfDocument::prepareReader(reader);
    ASSERT_EQ(reader.read(path, nullptr), cmcKcfFile::Ok);
    EXPECT_EQ(target.getByte(0x6E69), 0x33);
    EXPECT_EQ(reader.checkCoverage(mm::ReadRanges), cmcKcfFile::Data);
}

TEST_F(KcfFile, RecordsOf255BytesAreWrittenAndRead) {
    const mm::Range table[] = {{0x0000, 0x01FD}, {1, 0}};
    cmcKcfFile writer;
    EXPECT_FALSE(writer.setRecordLength(256)); // the count has two digits
    ASSERT_EQ(writeImage(table, 255), cmcKcfFile::Ok);
    const QList<QByteArray> lines = readAll(path).split('\n');
    ASSERT_EQ(lines.size(), 4 + 2 + 1);
    EXPECT_EQ(lines[4].size(), 516 + 1);
    EXPECT_EQ(lines[5].left(6), "00FFFF");
    ASSERT_EQ(readBack(table, path), cmcKcfFile::Ok);
    EXPECT_EQ(target.getByte(0x01FD), image.getByte(0x01FD));
    EXPECT_EQ(target.getByte(0x01FE), 0x5A);
}

TEST_F(KcfFile, RecordsStopAtMultiplesOfTheRecordLength) {
    const mm::Range table[] = {{0x0005, 0x0024}, {0x0030, 0x0030}, {1, 0}, {0x40, 0x4F}};
    ASSERT_EQ(writeImage(table), cmcKcfFile::Ok);
    const QList<QByteArray> lines = readAll(path).split('\n');
    ASSERT_EQ(lines.size(), 4 + 4 + 1);
    EXPECT_EQ(lines[4].left(6), "00050B");
    EXPECT_EQ(lines[5].left(6), "001010");
    EXPECT_EQ(lines[6].left(6), "002005");
    EXPECT_EQ(lines[7].left(6), "003001");
}

TEST_F(KcfFile, PlainFormatHasNoLabelAndNoMapRevision) {
    cmcKcfFile writer;
    writer.setImage(image);
    writer.setFormatVersion(0);
    writer.setComment("A\nB");
    ASSERT_EQ(writer.write(path, Small), cmcKcfFile::Ok);
    EXPECT_TRUE(readAll(path).startsWith("00000000\r\n#A B\r\n#EtcData=0000\r\n000010"));
}

struct CraftedCase {
    const char* name;
    QByteArray text;
    int expected;
};

const QByteArray Model = "32500001\n";
const QByteArray Header = Model + "#Comment=x\n#MapRev=1\n#EtcData=00AB\n";
const QByteArray Rec0 = record(0x0000, 16) + "\n";
const QByteArray Rec1 = record(0x0010, 16) + "\n";

const CraftedCase CraftedCases[] = {
    {"complete", Header + Rec0 + Rec1, cmcKcfFile::Ok},
    {"records in any order", Header + Rec1 + Rec0, cmcKcfFile::Ok},
    {"lower-case data", Header + Rec0 + record(0x0010, 16, 'a') + "\n", cmcKcfFile::Ok},
    {"no map revision line", Model + "#EtcData=00AB\n" + Rec0 + Rec1, cmcKcfFile::Ok},
    {"header after the records", Header + Rec0 + Rec1 + "#MapRev=7\n", cmcKcfFile::Ok},
    {"model 3251", "32510001\n" + Header.mid(9) + Rec0 + Rec1, cmcKcfFile::Model},
    {"version 2", "32500002\n" + Header.mid(9) + Rec0 + Rec1, cmcKcfFile::Extra},
    {"map revision 2", Model + "#MapRev=2\n#EtcData=00AB\n" + Rec0 + Rec1, cmcKcfFile::MapRev},
    {"letter in the model line", "3250000A\n" + Header.mid(9) + Rec0, cmcKcfFile::Format},
    {"nine-character model line", "325000001\n" + Header.mid(9) + Rec0, cmcKcfFile::Format},
    {"empty file", "", cmcKcfFile::Format},
    {"blank line among records", Header + Rec0 + "\n" + Rec1, cmcKcfFile::Format},
    {"blank line with crlf", Header + Rec0 + "\r\n" + Rec1, cmcKcfFile::Format},
    {"last line without end", Header + Rec0 + Rec1.chopped(1), cmcKcfFile::Format},
    {"count disagrees", Header + Rec0 + record(0x0010, 16).chopped(2) + "\n", cmcKcfFile::Format},
    {"not hexadecimal", Header + Rec0 + "0010103G" + QByteArray(30, '0') + "\n",
     cmcKcfFile::Format},
    {"record too short", Header + "000000\n", cmcKcfFile::Format},
    {"overlong line", Header + Rec0 + "#" + QByteArray(900, 'x') + "\n" + Rec1, cmcKcfFile::Format},
    {"longest line with crlf", Header + Rec0 + "#" + QByteArray(765, 'x') + "\r\n" + Rec1,
     cmcKcfFile::Ok},
    {"one more with crlf", Header + Rec0 + "#" + QByteArray(766, 'x') + "\r\n" + Rec1,
     cmcKcfFile::Format},
    {"one record missing", Header + Rec0, cmcKcfFile::Coverage},
    {"no records", Header, cmcKcfFile::Coverage},
    {"record crossing the covered end", Header + Rec0 + record(0x001A, 16) + "\n",
     cmcKcfFile::Data},
    {"record outside the image", Header + Rec0 + Rec1 + record(0x912F, 2) + "\n", cmcKcfFile::Data},
    {"no EtcData line", Model + "#MapRev=1\n" + Rec0 + Rec1, cmcKcfFile::EtcData},
    {"EtcData check bits wrong", Model + "#EtcData=00AA\n" + Rec0 + Rec1, cmcKcfFile::EtcData},
    {"EtcData without flag b", Model + "#EtcData=00A8\n" + Rec0 + Rec1, cmcKcfFile::EtcData},
};

class KcfCrafted : public KcfFile, public testing::WithParamInterface<CraftedCase> {};

TEST_P(KcfCrafted, GivesItsCodeAndAFailureLeavesTheImageAlone) {
    putFile(path, GetParam().text);
    const int code = readBack(Small, path);
    EXPECT_EQ(code, GetParam().expected);
    const uint8_t first = target.getByte(0x0000);
    const uint8_t last = target.getByte(0x001F);
    if (code == cmcKcfFile::Ok) {
        EXPECT_EQ(first, 0x33);
        EXPECT_TRUE(last == 0x33 || last == 0xAA);
    } else {
        EXPECT_EQ(first, 0x5A);
        EXPECT_EQ(last, 0x5A);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, KcfCrafted, testing::ValuesIn(CraftedCases), [](const auto& info) {
    QByteArray name = info.param.name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name.toStdString();
});

TEST_F(KcfFile, ReaderUsedAgainForgetsTheLastFilesHeader) {
    target.resize(mm::ImageSize);
    cmcKcfFile reader;
    reader.setImage(target);
    cmcKcfDocument::prepareReader(reader);
    putFile(path, Model + "#MapRev=2\n#EtcData=00AB\n" + Rec0 + Rec1);
    EXPECT_EQ(reader.read(path, Small), cmcKcfFile::MapRev);
    putFile(path, Model + "#EtcData=001A\n" + Rec0 + Rec1);
    EXPECT_EQ(reader.read(path, Small), cmcKcfFile::Ok);
    EXPECT_EQ(reader.mapRevision(), -1);
    EXPECT_EQ(reader.decodedEtcData(), 1);
}

TEST_F(KcfFile, MissingFileGivesCodeOneAndForgetsTheLastFile) {
    EXPECT_EQ(readBack(Small, dir.filePath("none.kcf")), cmcKcfFile::FileOpen);
    putFile(path, Header + Rec0 + Rec1);
    target.resize(mm::ImageSize);
    cmcKcfFile reader;
    reader.setImage(target);
    cmcKcfDocument::prepareReader(reader);
    ASSERT_EQ(reader.read(path, Small), cmcKcfFile::Ok);
    EXPECT_EQ(reader.read(dir.filePath("none.kcf"), nullptr), cmcKcfFile::FileOpen);
    EXPECT_EQ(reader.checkCoverage(Small), cmcKcfFile::Coverage);
    EXPECT_EQ(reader.mapRevision(), -1);
    EXPECT_EQ(reader.decodedEtcData(), 0);
}

TEST_F(KcfFile, ModelCheckDecidesAndItsCodeIsReported) {
    putFile(path, Header + Rec0 + Rec1);
    cmcKcfFile reader;
    reader.setImage(target);
    cmcKcfDocument::prepareReader(reader);
    reader.setModelCheck(
        [](void*, uint32_t model, uint32_t version, int32_t* code) {
            *code = cmcKcfFile::Newer;
            return model == 0x3250 && version == 0;
        },
        nullptr);
    EXPECT_EQ(reader.read(path, Small), cmcKcfFile::Newer);
}

// A device that fails after the model line.
class BrokenDevice : public QIODevice {
public:
    BrokenDevice() { open(QIODevice::ReadOnly); }
    qint64 size() const override { return 1000; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        if (pos() >= 9 || maxSize < 9)
            return -1;
        memcpy(data, "32500001\n", 9);
        return 9;
    }
    qint64 writeData(const char*, qint64) override { return -1; }
};

TEST_F(KcfFile, FailingDeviceGivesCodeTwo) {
    target.resize(mm::ImageSize);
    cmcKcfFile reader;
    reader.setImage(target);
    cmcKcfDocument::prepareReader(reader);
    BrokenDevice device;
    EXPECT_EQ(reader.read(device, Small), cmcKcfFile::FileAccess);
}

TEST_F(KcfFile, FailedSaveKeepsTheFileItWasReplacing) {
    putFile(path, "old content");
    EXPECT_EQ(writeImage(mm::ReadRanges, 16), cmcKcfFile::Ok);
    const QByteArray good = readAll(path);
    image.setByte(0, 0xEE);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const int code = writeImage(mm::ReadRanges, 16);
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(code, cmcKcfFile::FileAccess);
    EXPECT_EQ(readAll(path), good);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.kcf"});
    path = dir.filePath("no/such/folder/a.kcf");
    EXPECT_EQ(writeImage(mm::ReadRanges, 16), cmcKcfFile::FileOpen);
}

TEST_F(KcfFile, MessagesGoToTheHandler) {
    QByteArrayList shown;
    cmcKcfFile reader;
    reader.setImage(target);
    reader.setMessageHandler(
        [](void* context, const QByteArray& text) {
            static_cast<QByteArrayList*>(context)->append(text);
        },
        &shown);
    EXPECT_EQ(reader.report(cmcKcfFile::Ok), 0);
    EXPECT_EQ(reader.report(11), 11);
    EXPECT_EQ(reader.read(dir.filePath("none.kcf"), nullptr), cmcKcfFile::FileOpen);
    EXPECT_EQ(reader.report(cmcKcfFile::Coverage), cmcKcfFile::Coverage);
    EXPECT_EQ(shown, QByteArrayList({"File error.\n\nCannot open the file.",
                                     "File error.\n\nThere is not enough data."}));
}

TEST_F(KcfFile, CoverageTableEndsAtTheFirstInvalidPair) {
    putFile(path, Header + Rec0 + Rec1);
    target.resize(mm::ImageSize);
    cmcKcfFile reader;
    reader.setImage(target);
    cmcKcfDocument::prepareReader(reader);
    ASSERT_EQ(reader.read(path, nullptr), cmcKcfFile::Ok);
    const mm::Range pastImage[] = {{0, 0x1F}, {0x9000, 0x9130}, {0x20, 0x2F}};
    EXPECT_EQ(reader.checkCoverage(pastImage), cmcKcfFile::Ok);
    const mm::Range more[] = {{0, 0x2F}, {1, 0}};
    EXPECT_EQ(reader.checkCoverage(more), cmcKcfFile::Coverage);
    const mm::Range less[] = {{0, 0x0F}, {1, 0}};
    EXPECT_EQ(reader.checkCoverage(less), cmcKcfFile::Data);
    EXPECT_TRUE(reader.isLoaded(0x1F));
    EXPECT_FALSE(reader.isLoaded(0x20));
}

} // namespace
