#include "FakeReceiver.h"
#include "MemoryMap.h"
#include "cmcCloneDrv.h"
#include "cmcCloneFrame.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {

using F = cmcCloneFrame;

constexpr uint8_t ToProgram = F::ProgramAddress;
constexpr uint8_t FromReceiver = F::ReceiverAddress;

QByteArray infoBlock() {
    QByteArray block(35, char(0xFF));
    block[0] = 35;
    block[1] = 1;
    block[18] = 6;
    return block;
}

cmcEeprom patternImage() {
    cmcEeprom image;
    image.resize(mm::ImageSize);
    for (int a = 0; a <= mm::ReceiverEnd; ++a)
        image.setByte(a, uint8_t(a * 7 + (a >> 8)));
    return image;
}

// The receiver's side of a read: every block of the receiver area, then the end of data.
QByteArray readAnswer(const cmcEeprom& image, int preamble = 0, int skipBlockAt = -1,
                      int countOffset = 0) {
    QByteArray out;
    int frames = 0;
    for (int a = 0; a <= mm::ReceiverEnd; a += 32) {
        if (a == skipBlockAt)
            continue;
        out += F::dataFrame(ToProgram, FromReceiver, a, image.bytes() + a, 32, preamble);
        ++frames;
    }
    return out + F::endOfDataFrame(ToProgram, FromReceiver, true, frames + countOffset);
}

QByteArray mapPort(void* context, int) {
    return static_cast<FakeReceiver*>(context)->path();
}

class CloneDrv : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(receiver.path().isEmpty());
        cmcComm::setDeviceMap(mapPort, &receiver);
        drv.setModel(0x3250, 0);
        drv.setImageSize(mm::ImageSize);
        drv.setPort(3, "9600,N,8,1");
        drv.setPreludeWait(200);
        drv.setRequestWait(200);
        drv.setEchoCheck(true);
        drv.setBlockSize(32);
        drv.setAcknowledgeTimeout(10000);
    }
    void TearDown() override { cmcComm::setDeviceMap(nullptr, nullptr); }

    static void store(void* context, dst_CDrv_Result& result) {
        auto* self = static_cast<CloneDrv*>(context);
        self->result = result;
        self->finished = true;
    }

    // Runs the event loop until the operation ends; returns its result code.
    int run() {
        QElapsedTimer clock;
        clock.start();
        while (!finished && clock.elapsed() < 30000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        elapsed = clock.elapsed();
        return finished ? result.code : -1;
    }

    int information() {
        EXPECT_TRUE(drv.startInformation(store, this));
        return run();
    }
    int read() {
        EXPECT_TRUE(drv.startRead(mm::ReadRanges, store, this));
        return run();
    }
    int write(const cmcEeprom& image) {
        EXPECT_TRUE(drv.startWrite(image, mm::WriteRanges, store, this));
        return run();
    }

    FakeReceiver receiver;
    cmcCloneDrv drv;
    dst_CDrv_Result result;
    bool finished = false;
    qint64 elapsed = 0;
};

TEST_F(CloneDrv, InformationQuery) {
    receiver.respond = [](const QByteArray& frame) {
        return frame == F::request(F::InfoRequest, 0x3250, 0).chopped(1).mid(1)
                   ? F::infoReply(0x3250, 1, infoBlock())
                   : QByteArray();
    };
    ASSERT_EQ(information(), 0);
    EXPECT_EQ(result.model, 0x3250u);
    EXPECT_EQ(result.identifier, 1u);
    EXPECT_EQ(result.information, infoBlock());
    EXPECT_EQ(receiver.received, F::request(F::InfoRequest, 0x3250, 0));
    EXPECT_FALSE(drv.busy());
}

TEST_F(CloneDrv, InformationReplyWithNonDecimalVersionIsIllegal) {
    receiver.respond = [](const QByteArray&) { return F::infoReply(0x3250, 0x0A01, infoBlock()); };
    EXPECT_EQ(information(), 6);
}

TEST_F(CloneDrv, StartingWhileBusyIsRefused) {
    ASSERT_TRUE(drv.startInformation(store, this));
    EXPECT_FALSE(drv.startRead(mm::ReadRanges, store, this));
    EXPECT_EQ(run(), 5);
}

TEST_F(CloneDrv, CancelEndsTheOperationAtOnce) {
    EXPECT_FALSE(drv.cancel());
    ASSERT_TRUE(drv.startRead(mm::ReadRanges, store, this));
    EXPECT_TRUE(drv.cancel());
    EXPECT_TRUE(finished);
    EXPECT_EQ(result.code, cmcCloneDrv::Cancelled);
    EXPECT_EQ(result.mode, cmcCloneDrv::Mode::Read);
    EXPECT_FALSE(drv.busy());
    EXPECT_FALSE(drv.cancel());
    // Nothing is left running: the next operation starts and ends as usual.
    finished = false;
    EXPECT_EQ(information(), cmcCloneDrv::NoAnswer);
}

TEST_F(CloneDrv, ReadOfTheWholeReceiverArea) {
    const cmcEeprom image = patternImage();
    receiver.respond = [&](const QByteArray& frame) {
        return uint8_t(frame[3]) == F::ReadRequest ? readAnswer(image, 3) : QByteArray();
    };
    ASSERT_EQ(read(), 0);
    for (int a = 0; a < mm::ImageSize; ++a)
        ASSERT_EQ(result.image.getByte(a), a <= mm::ReceiverEnd ? image.getByte(a) : 0) << a;
    EXPECT_EQ(drv.dataByteCount(), mm::ReceiverSize);
}

struct ReadFault {
    const char* name;
    std::function<QByteArray(const cmcEeprom&)> answer;
    int code;
};

void PrintTo(const ReadFault& fault, std::ostream* os) {
    *os << fault.name << " -> " << fault.code;
}

class CloneDrvReadFault : public CloneDrv, public testing::WithParamInterface<ReadFault> {};

TEST_P(CloneDrvReadFault, EndsWithItsCode) {
    const cmcEeprom image = patternImage();
    receiver.respond = [&](const QByteArray& frame) {
        return uint8_t(frame[3]) == F::ReadRequest ? GetParam().answer(image) : QByteArray();
    };
    EXPECT_EQ(read(), GetParam().code);
}

// The extra frame is counted in the end of data, so that only its own fault shows.
QByteArray withFirstFrame(const cmcEeprom& image, const QByteArray& first) {
    return first + readAnswer(image, 0, -1, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CloneDrvReadFault,
    testing::Values(
        ReadFault{"MissingBlock", [](const cmcEeprom& i) { return readAnswer(i, 0, 0x100); }, 8},
        ReadFault{"WrongCount", [](const cmcEeprom& i) { return readAnswer(i, 0, -1, 1); }, 7},
        ReadFault{"LowerCaseHex",
                  [](const cmcEeprom& i) {
                      return withFirstFrame(
                          i, F::build(ToProgram, FromReceiver, F::Data, "00000201fdE0"));
                  },
                  6},
        ReadFault{"BadChecksum",
                  [](const cmcEeprom& i) {
                      return withFirstFrame(
                          i, F::build(ToProgram, FromReceiver, F::Data, "00000201FDE1"));
                  },
                  6},
        ReadFault{"OutsideTheImage",
                  [](const cmcEeprom& i) {
                      const uint8_t data[1] = {0};
                      return withFirstFrame(i,
                                            F::dataFrame(ToProgram, FromReceiver, 0x9130, data, 1));
                  },
                  9},
        ReadFault{"OutsideTheCoverage",
                  [](const cmcEeprom& i) {
                      const uint8_t data[1] = {0};
                      return withFirstFrame(i,
                                            F::dataFrame(ToProgram, FromReceiver, 0x7000, data, 1));
                  },
                  9},
        ReadFault{"UnexpectedCommand",
                  [](const cmcEeprom& i) {
                      return withFirstFrame(
                          i, F::build(ToProgram, FromReceiver, F::WriteResult, "00000000"));
                  },
                  6},
        ReadFault{"OversizedFrame",
                  [](const cmcEeprom& i) {
                      return withFirstFrame(
                          i, F::build(ToProgram, FromReceiver, F::Data, QByteArray(600, '0')));
                  },
                  6}),
    [](const testing::TestParamInfo<ReadFault>& info) { return std::string(info.param.name); });

TEST_F(CloneDrv, WriteSendsEveryBlockInRangeOrder) {
    const cmcEeprom image = patternImage();
    receiver.respond = [](const QByteArray& frame) {
        return uint8_t(frame[3]) == F::EndOfData ? F::writeResult(0) : QByteArray();
    };
    ASSERT_EQ(write(image), 0);
    ASSERT_EQ(receiver.frames.size(), 1 + 883 + 1);
    EXPECT_EQ(uint8_t(receiver.frames.front()[3]), F::WriteRequest);
    int expected = 0;
    for (int i = 1; i <= 883; ++i) {
        const QByteArray sent = receiver.frames[i];
        ASSERT_EQ(sent.size(), 76) << i; // 78 bytes less one preamble byte and the terminator
        const auto block = F::decodeData(sent.mid(4));
        ASSERT_TRUE(block);
        ASSERT_EQ(block->address, expected);
        ASSERT_EQ(block->bytes,
                  QByteArray(reinterpret_cast<const char*>(image.bytes()) + expected, 32));
        expected += 32;
    }
    EXPECT_EQ(expected, mm::ReceiverSize);
    EXPECT_EQ(receiver.frames.back().mid(4), "Vemo Inc.73");
    // Every frame went out with exactly two preamble bytes.
    EXPECT_EQ(receiver.received.count(QByteArray(3, char(0xFE))), 0);
}

TEST_F(CloneDrv, WriteNotAcknowledgedIsRefused) {
    receiver.respond = [](const QByteArray& frame) {
        return uint8_t(frame[3]) == F::EndOfData ? F::writeResult(1) : QByteArray();
    };
    EXPECT_EQ(write(patternImage()), 10);
}

TEST_F(CloneDrv, WriteResultIsAwaitedForTheAcknowledgementTimeOut) {
    drv.setAcknowledgeTimeout(3000);
    QElapsedTimer sinceEnd;
    receiver.respond = [&](const QByteArray& frame) {
        if (uint8_t(frame[3]) == F::EndOfData)
            sinceEnd.start();
        return QByteArray();
    };
    EXPECT_EQ(write(patternImage()), 5);
    ASSERT_TRUE(sinceEnd.isValid());
    EXPECT_GE(sinceEnd.elapsed(), 2900);
}

TEST_F(CloneDrv, HighSpeedPlaysThePreludeFirst) {
    drv.setPort(3, "38400,N,8,1");
    drv.setPreludeScript(F::speedSwitchScript(0x3250));
    drv.setExtraPreamble(12);
    receiver.respond = [](const QByteArray& frame) {
        return uint8_t(frame[3]) == F::InfoRequest ? F::infoReply(0x3250, 1, infoBlock())
                                                   : QByteArray();
    };
    ASSERT_EQ(information(), 0);
    const QByteArray speedSwitch =
        F::hexTextToBytes(F::speedSwitchScript(0x3250).mid(QByteArray("(9600,N,8,1)").size()));
    EXPECT_EQ(receiver.received, speedSwitch + F::request(F::InfoRequest, 0x3250, 0, 12));
}

TEST_F(CloneDrv, NoAnswerAfterAboutOneSecond) {
    EXPECT_EQ(information(), 5);
    EXPECT_GE(elapsed, 1000);
    EXPECT_LT(elapsed, 2500);
}

TEST_F(CloneDrv, PortThatCannotBeOpened) {
    cmcComm::setDeviceMap(nullptr, nullptr);
    drv.setPort(250, "9600,N,8,1");
    EXPECT_EQ(information(), 2);
}

TEST_F(CloneDrv, MissingEcho) {
    receiver.echo = FakeReceiver::Echo::None;
    EXPECT_EQ(information(), 4);
}

TEST_F(CloneDrv, CorruptedEcho) {
    receiver.echo = FakeReceiver::Echo::Corrupted;
    EXPECT_EQ(information(), 4);
    EXPECT_LT(elapsed, 1000);
}

TEST_F(CloneDrv, EchoStoppingMidWrite) {
    receiver.respond = [&](const QByteArray& frame) {
        if (uint8_t(frame[3]) == F::Data && receiver.frames.size() > 100)
            receiver.echo = FakeReceiver::Echo::None;
        return QByteArray();
    };
    EXPECT_EQ(write(patternImage()), 4);
}

} // namespace
