#include "MemoryMap.h"
#include "SimRun.h"
#include "cmcCloneFrame.h"
#include "cmcDefaultImages.h"
#include "cmcKcfDocument.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using F = cmcCloneFrame;

constexpr int ReceiverFrames = mm::ReceiverSize / 32;

QByteArray request(uint8_t command) {
    return F::request(command, 0x3250, 0);
}

QByteArray speedSwitch() {
    return F::hexTextToBytes(F::speedSwitchScript(0x3250).mid(12));
}

// The data frames of a read turned back into a receiver area, and the frame count that the
// end-of-data frame claims.
struct ReadBack {
    cmcEeprom image;
    QList<int> addresses;
    QList<QByteArray> badPayloads;
    QByteArray endPayload;
};

ReadBack readBack(const QByteArray& answer) {
    ReadBack result;
    result.image.resize(mm::ImageSize);
    for (const QByteArray& bytes : SimRun::framesOf(answer)) {
        const auto frame = F::parse(bytes);
        if (!frame || frame->to != F::ProgramAddress)
            continue;
        if (frame->command == F::EndOfData) {
            result.endPayload = frame->payload;
            continue;
        }
        const auto block = F::decodeData(frame->payload);
        if (!block) {
            result.badPayloads.append(frame->payload);
            continue;
        }
        result.addresses.append(block->address);
        result.image.writeBlock(block->address,
                                reinterpret_cast<const uint8_t*>(block->bytes.constData()),
                                int32_t(block->bytes.size()));
    }
    return result;
}

cmcEeprom defaultImage(int destination) {
    cmcEeprom image;
    image.resize(mm::ImageSize);
    image.writeBlock(0, cmcDefaultImages::image(destination).bytes(), mm::ReceiverSize);
    return image;
}

bool sameReceiverArea(const cmcEeprom& a, const cmcEeprom& b) {
    return std::equal(a.bytes(), a.bytes() + mm::ReceiverSize, b.bytes());
}

QByteArray writeFrames(const cmcEeprom& image) {
    QByteArray out = request(F::WriteRequest);
    for (int address = 0; address < mm::ReceiverSize; address += 32)
        out += F::dataFrame(F::ReceiverAddress, F::ProgramAddress, address, image.bytes() + address,
                            32);
    return out;
}

class MavikSim : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);
    }
    static inline int argc = 1;
    static inline char arg0[] = "test";
    static inline char* argv[] = {arg0, nullptr};
};

TEST_F(MavikSim, AnswersTheInformationRequestWithTheRecord) {
    SimRun sim({"--destination", "3", "--expansion", "1", "--cellular", "1"});
    ASSERT_TRUE(sim.started());
    const QByteArray sent = request(F::InfoRequest);
    const QByteArray answer = sim.exchange(sent, 1);
    ASSERT_TRUE(answer.startsWith(sent));
    const auto info = F::decodeInfoReply(answer.mid(sent.size()).chopped(1));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->model, 0x3250u);
    EXPECT_EQ(info->version, 1u);
    ASSERT_EQ(info->information.size(), 35);
    EXPECT_EQ(info->information[0], 35);
    EXPECT_EQ(info->information[1], 0);
    EXPECT_EQ(uint8_t(info->information[18]), 0x33);
    EXPECT_EQ(info->information.mid(25), QByteArray(10, char(0xFF)));
}

TEST_F(MavikSim, ReadsOutTheWholeReceiverAreaInBlocks) {
    SimRun sim({"--destination", "11"});
    ASSERT_TRUE(sim.started());
    const ReadBack read = readBack(sim.read(request(F::ReadRequest)));
    ASSERT_EQ(read.addresses.size(), ReceiverFrames);
    EXPECT_EQ(read.addresses.first(), 0);
    EXPECT_EQ(read.addresses.last(), 0x6E40);
    EXPECT_EQ(read.endPayload, QByteArray("Vemo Inc.73"));
    EXPECT_TRUE(sameReceiverArea(read.image, defaultImage(11)));
}

TEST_F(MavikSim, KeepsAnAcceptedWriteAndSavesIt) {
    QTemporaryDir dir;
    const QString saved = dir.filePath("written.kcf");
    SimRun sim({"--save-written", saved});
    ASSERT_TRUE(sim.started());
    cmcEeprom image = defaultImage(6);
    image.writeBlock(mm::Comment, reinterpret_cast<const uint8_t*>("Written by test "), 16);
    image.setByte(0x1234, 0x5A);
    sim.send(writeFrames(image));
    sim.receive(ReceiverFrames + 1);
    const QByteArray result = sim.exchange(
        F::endOfDataFrame(F::ReceiverAddress, F::ProgramAddress, true, ReceiverFrames), 1);
    EXPECT_TRUE(result.endsWith(F::writeResult(0)));

    const ReadBack read = readBack(sim.read(request(F::ReadRequest)));
    EXPECT_TRUE(sameReceiverArea(read.image, image));
    cmcEeprom file;
    int destination = -1;
    ASSERT_EQ(cmcKcfDocument::open(saved, file, destination), 0);
    EXPECT_TRUE(sameReceiverArea(file, image));
    EXPECT_EQ(destination, 6);
}

TEST_F(MavikSim, RefusesAWriteWithAWrongCountAndKeepsItsMemory) {
    SimRun sim({});
    ASSERT_TRUE(sim.started());
    cmcEeprom image = defaultImage(6);
    image.setByte(0x0100, 0x42);
    sim.send(writeFrames(image));
    sim.receive(ReceiverFrames + 1);
    const QByteArray result = sim.exchange(
        F::endOfDataFrame(F::ReceiverAddress, F::ProgramAddress, true, ReceiverFrames + 1), 1);
    EXPECT_TRUE(result.endsWith(F::writeResult(1)));
    const ReadBack read = readBack(sim.read(request(F::ReadRequest)));
    EXPECT_TRUE(sameReceiverArea(read.image, defaultImage(6)));
}

TEST_F(MavikSim, HearsOnlyAtTheSpeedItListensAt) {
    SimRun sim({});
    ASSERT_TRUE(sim.started());
    const QByteArray info = request(F::InfoRequest);
    EXPECT_EQ(sim.exchange(speedSwitch(), 0), speedSwitch());
    // Still at 9600 on the program's side: the receiver hears noise and stays quiet.
    EXPECT_EQ(sim.exchange(info, 1, 500), info);
    sim.setSpeed(B38400);
    EXPECT_EQ(SimRun::framesOf(sim.exchange(info, 1)).size(), 2);
}

TEST_F(MavikSim, ServesAndSavesCloneFiles) {
    QTemporaryDir dir;
    const QString path = dir.filePath("in.kcf");
    cmcEeprom image = defaultImage(2);
    image.setByte(0x0042, 0x99);
    ASSERT_EQ(cmcKcfDocument::write(path, image, 2), 0);
    SimRun sim({"--image", path});
    ASSERT_TRUE(sim.started());
    const QByteArray info = sim.exchange(request(F::InfoRequest), 1);
    EXPECT_EQ(uint8_t(info.at(info.size() - 18)) & 0x0F, 2);
    const ReadBack read = readBack(sim.read(request(F::ReadRequest)));
    EXPECT_TRUE(sameReceiverArea(read.image, image));
}

struct InformationFault {
    const char* name;
    int frameEnds;
    std::function<void(const QByteArray& sent, const QByteArray& answer)> check;
};

TEST_F(MavikSim, InformationFaults) {
    const InformationFault faults[] = {
        {"no-echo", 1,
         [](const QByteArray& sent, const QByteArray& answer) {
             EXPECT_FALSE(answer.startsWith(sent));
             EXPECT_TRUE(F::decodeInfoReply(answer.chopped(1)));
         }},
        {"bad-echo", 2,
         [](const QByteArray& sent, const QByteArray& answer) {
             EXPECT_EQ(answer.left(sent.size() - 1), sent.chopped(1));
             EXPECT_NE(answer[sent.size() - 1], sent.back());
         }},
        {"silent", 1,
         [](const QByteArray& sent, const QByteArray& answer) { EXPECT_EQ(answer, sent); }},
        {"wrong-model", 2,
         [](const QByteArray& sent, const QByteArray& answer) {
             EXPECT_EQ(F::decodeInfoReply(answer.mid(sent.size()).chopped(1))->model, 0x3260u);
         }},
        {"wrong-version", 2,
         [](const QByteArray& sent, const QByteArray& answer) {
             EXPECT_EQ(F::decodeInfoReply(answer.mid(sent.size()).chopped(1))->version, 2u);
         }},
        {"bad-record", 2,
         [](const QByteArray& sent, const QByteArray& answer) {
             const QByteArray record =
                 F::decodeInfoReply(answer.mid(sent.size()).chopped(1))->information;
             EXPECT_NE(record[0], record.size());
         }},
    };
    for (const InformationFault& fault : faults) {
        SCOPED_TRACE(fault.name);
        SimRun sim({"--fault", fault.name});
        ASSERT_TRUE(sim.started());
        const QByteArray sent = request(F::InfoRequest);
        sim.send(sent);
        fault.check(sent, sim.receive(fault.frameEnds, 500));
    }
}

struct ReadFault {
    const char* name;
    std::function<void(const ReadBack& read)> check;
};

TEST_F(MavikSim, ReadFaults) {
    const ReadFault faults[] = {
        {"bad-checksum",
         [](const ReadBack& read) {
             ASSERT_EQ(read.badPayloads.size(), 1);
             EXPECT_TRUE(read.badPayloads[0].startsWith("00A020"));
         }},
        {"lowercase-hex",
         [](const ReadBack& read) {
             ASSERT_EQ(read.badPayloads.size(), 1);
             EXPECT_TRUE(read.badPayloads[0].startsWith("00a020"));
         }},
        {"missing-block",
         [](const ReadBack& read) {
             EXPECT_FALSE(read.addresses.contains(0x00A0));
             EXPECT_EQ(read.endPayload, F::endOfDataPayload(true, ReceiverFrames - 1));
         }},
        {"bad-count",
         [](const ReadBack& read) {
             EXPECT_EQ(read.addresses.size(), ReceiverFrames);
             EXPECT_EQ(read.endPayload, F::endOfDataPayload(true, ReceiverFrames + 1));
         }},
        {"outside-image",
         [](const ReadBack& read) {
             EXPECT_TRUE(read.addresses.contains(mm::ImageSize));
             EXPECT_EQ(read.endPayload, F::endOfDataPayload(true, ReceiverFrames + 1));
         }},
        {"no-signature",
         [](const ReadBack& read) {
             EXPECT_EQ(read.addresses.size(), ReceiverFrames);
             EXPECT_FALSE(read.image.formatAccepted(true));
             EXPECT_TRUE(read.image.formatAccepted(false));
         }},
    };
    for (const ReadFault& fault : faults) {
        SCOPED_TRACE(fault.name);
        SimRun sim({"--fault", fault.name});
        ASSERT_TRUE(sim.started());
        const QByteArray answer = sim.read(request(F::ReadRequest));
        const ReadBack read = readBack(answer);
        EXPECT_FALSE(read.endPayload.isEmpty());
        fault.check(read);
    }
}

TEST_F(MavikSim, WriteNakRefusesEveryWrite) {
    SimRun sim({"--fault", "write-nak"});
    ASSERT_TRUE(sim.started());
    sim.send(writeFrames(defaultImage(6)));
    sim.receive(ReceiverFrames + 1);
    const QByteArray result = sim.exchange(
        F::endOfDataFrame(F::ReceiverAddress, F::ProgramAddress, true, ReceiverFrames), 1);
    EXPECT_TRUE(result.endsWith(F::writeResult(1)));
}

TEST_F(MavikSim, HangUpCutsAReadHalfway) {
    SimRun sim({"--fault", "hang-up"});
    ASSERT_TRUE(sim.started());
    const QByteArray sent = request(F::InfoRequest);
    EXPECT_EQ(SimRun::framesOf(sim.exchange(sent, 1)).size(), 2);
    const ReadBack read = readBack(sim.read(request(F::ReadRequest)));
    EXPECT_TRUE(sim.hungUp());
    EXPECT_TRUE(read.endPayload.isEmpty());
    // What was still in the terminal's buffers when the line went dead is lost with it.
    EXPECT_GT(read.addresses.size(), 0);
    EXPECT_LE(read.addresses.size(), ReceiverFrames / 2);
    EXPECT_EQ(sim.waitForExit(3000), 0);
}

TEST_F(MavikSim, HangUpCutsAWriteHalfway) {
    SimRun sim({"--fault", "hang-up"});
    ASSERT_TRUE(sim.started());
    sim.send(writeFrames(defaultImage(6)));
    const QByteArray echo = sim.receive(ReceiverFrames + 1);
    EXPECT_TRUE(sim.hungUp());
    EXPECT_LE(echo.count(char(0xFD)), ReceiverFrames / 2 + 1);
    EXPECT_EQ(sim.waitForExit(3000), 0);
}

TEST_F(MavikSim, OnceEndsAfterOneOperationAndRemovesItsLink) {
    QTemporaryDir dir;
    const QString link = dir.filePath("kx44");
    SimRun sim({"--once", "--link", link});
    ASSERT_TRUE(sim.started());
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), QString::fromLocal8Bit(sim.device()));
    EXPECT_EQ(SimRun::framesOf(sim.exchange(request(F::InfoRequest), 1)).size(), 2);
    EXPECT_EQ(sim.waitForExit(500), -1);
    sim.closeLine();
    EXPECT_EQ(sim.waitForExit(3000), 0);
    EXPECT_FALSE(QFileInfo::exists(link));
}

TEST_F(MavikSim, RefusesCommandLinesOutsideItsUsage) {
    const QStringList lines[] = {{"--fault", "unknown"},
                                 {"--destination", "16"},
                                 {"--expansion", "2"},
                                 {"--destination", "1", "--image", "x.kcf"},
                                 {"--link"}};
    for (const QStringList& arguments : lines) {
        SimRun sim(arguments);
        EXPECT_FALSE(sim.started()) << arguments.join(' ').toStdString();
        EXPECT_EQ(sim.waitForExit(3000), 64);
    }
}

} // namespace
