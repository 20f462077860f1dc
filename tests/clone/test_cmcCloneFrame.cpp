#include "cmcCloneFrame.h"

#include <QList>
#include <gtest/gtest.h>

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

using F = cmcCloneFrame;

TEST(cmcCloneFrame, RequestsCarryModelAndIdentifierHighFirst) {
    EXPECT_EQ(F::request(F::InfoRequest, 0x3250, 0),
              bytes({0xFE, 0xFE, 0xEE, 0xEF, 0xE0, 0x32, 0x50, 0x00, 0x00, 0xFD}));
    EXPECT_EQ(F::request(F::WriteRequest, 0x1234, 0xABCD),
              bytes({0xFE, 0xFE, 0xEE, 0xEF, 0xE3, 0x12, 0x34, 0xAB, 0xCD, 0xFD}));
    const QByteArray withExtra = F::request(F::ReadRequest, 0x3250, 0, 12);
    EXPECT_EQ(withExtra.size(), 22);
    EXPECT_EQ(withExtra.left(14), QByteArray(14, char(0xFE)));
    EXPECT_EQ(withExtra.mid(14), bytes({0xEE, 0xEF, 0xE2, 0x32, 0x50, 0x00, 0x00, 0xFD}));
}

TEST(cmcCloneFrame, DataFrameIsHexTextWithChecksum) {
    const uint8_t data[2] = {0x01, 0xFD};
    // 0x00 + 0x20 + 0x02 + 0x01 + 0xFD = 0x120, so the checksum is 0xE0.
    EXPECT_EQ(F::dataFrame(0xEE, 0xEF, 0x0020, data, 2),
              bytes({0xFE, 0xFE, 0xEE, 0xEF, 0xE4}) + "00200201FDE0" + bytes({0xFD}));
    uint8_t block[32];
    for (int i = 0; i < 32; ++i)
        block[i] = uint8_t(0xF0 + i);
    const QByteArray frame = F::dataFrame(0xEE, 0xEF, 0x0020, block, 32);
    EXPECT_EQ(frame.size(), 78);
    EXPECT_EQ(frame.mid(5, 8), "002020F0");
    for (char c : frame.mid(5, 72))
        EXPECT_TRUE(QByteArray("0123456789ABCDEF").contains(c));
}

TEST(cmcCloneFrame, EndOfDataCarriesTheFrameCountModulo256) {
    EXPECT_EQ(F::endOfDataFrame(0xEE, 0xEF, true, 883),
              bytes({0xFE, 0xFE, 0xEE, 0xEF, 0xE5}) + "Vemo Inc.73" + bytes({0xFD}));
    EXPECT_EQ(F::endOfDataPayload(false, 883), "Vemo Inc.");
    EXPECT_EQ(F::checkEndOfData("Vemo Inc.73", true, 883), F::EndCheck::Matches);
    EXPECT_EQ(F::checkEndOfData("Vemo Inc.74", true, 883), F::EndCheck::CountDiffers);
    EXPECT_EQ(F::checkEndOfData("Vemo Inc.73", false, 883), F::EndCheck::Malformed);
    EXPECT_EQ(F::checkEndOfData("Vemo Inx.73", true, 883), F::EndCheck::Malformed);
}

TEST(cmcCloneFrame, SpeedSwitchScript) {
    const QByteArray script = F::speedSwitchScript(0x3250);
    ASSERT_TRUE(script.startsWith("(9600,N,8,1)"));
    EXPECT_EQ(F::hexTextToBytes(script.mid(12)),
              QByteArray(20, char(0xFE)) +
                  bytes({0xEE, 0xEF, 0xE8, 0x32, 0x50, 0x00, 0x01, 0x00, 0x00, 0x02, 0x01, 0xFD}));
}

TEST(cmcCloneFrame, HexTextSkipsOtherCharactersAndPadsAnOddDigit) {
    EXPECT_EQ(F::hexTextToBytes("fe Fe-0"), bytes({0xFE, 0xFE, 0x00}));
    EXPECT_EQ(F::hexTextToBytes("12 3"), bytes({0x12, 0x30}));
    EXPECT_EQ(F::hexTextToBytes("xyz"), QByteArray());
}

TEST(cmcCloneFrame, ParsingCollapsesAnyPreamble) {
    const QByteArray frame = F::writeResult(0);
    EXPECT_EQ(frame, bytes({0xFE, 0xFE, 0xEF, 0xEE, 0xE6, 0x00, 0xFD}));
    for (int extra : {0, 1, 7}) {
        const auto p = F::parse(QByteArray(extra, char(0xFE)) + frame.chopped(1));
        ASSERT_TRUE(p);
        EXPECT_EQ(p->to, 0xEF);
        EXPECT_EQ(p->from, 0xEE);
        EXPECT_EQ(p->command, 0xE6);
        EXPECT_EQ(p->payload, bytes({0x00}));
    }
    EXPECT_FALSE(F::parse(bytes({0xFE, 0xEF, 0xEE})));
    EXPECT_FALSE(F::parse(bytes({0xEF, 0xEE, 0xE6, 0x00})));
}

// What scanning a piece of input handed over, where it ended and what it left untaken.
struct Scanned {
    QList<QByteArray> frames;
    F::Scan end = F::Scan::AllTaken;
    QByteArray left;
};

Scanned scan(cmcBuff& frame, const QByteArray& input, int stopAfter = 0) {
    cmcBuff received;
    received.append(reinterpret_cast<const uint8_t*>(input.constData()), int32_t(input.size()));
    Scanned out;
    out.end = F::scan(received, frame, [&](const cmcBuff& f) {
        out.frames << QByteArray(reinterpret_cast<const char*>(f.data()), f.size());
        return out.frames.size() != stopAfter;
    });
    out.left = QByteArray(reinterpret_cast<const char*>(received.data()), received.size());
    return out;
}

TEST(cmcCloneFrame, ScanningKeepsOnePreambleByteAndFramesSplitAcrossReads) {
    const QByteArray reply = F::writeResult(0);
    const QByteArray single = reply.mid(1).chopped(1);
    cmcBuff frame;
    const Scanned first = scan(frame, bytes({0x00, 0xFD, 0x41}) + QByteArray(6, char(0xFE)) +
                                          reply.mid(2) + reply.left(4));
    EXPECT_EQ(first.frames, QList<QByteArray>{single});
    EXPECT_EQ(first.end, F::Scan::AllTaken);
    EXPECT_EQ(scan(frame, reply.mid(4)).frames, QList<QByteArray>{single});
}

TEST(cmcCloneFrame, ScanningStopsWhereTheHandlerSays) {
    const QByteArray reply = F::writeResult(0);
    cmcBuff frame;
    const Scanned s = scan(frame, reply + reply + reply, 2);
    EXPECT_EQ(s.frames.size(), 2);
    EXPECT_EQ(s.end, F::Scan::Stopped);
    EXPECT_EQ(s.left, reply);
}

TEST(cmcCloneFrame, ScanningRefusesAFrameLongerThanMaxFrame) {
    // MaxFrame counts the terminator: the longest frame holds MaxFrame - 1 bytes before it.
    const QByteArray longest = bytes({0xFE}) + QByteArray(F::MaxFrame - 2, '0');
    cmcBuff frame;
    EXPECT_EQ(scan(frame, longest + bytes({0xFD})).frames, QList<QByteArray>{longest});
    const Scanned s = scan(frame, longest + "00" + bytes({0xFD}));
    EXPECT_TRUE(s.frames.isEmpty());
    EXPECT_EQ(s.end, F::Scan::Overflow);
    EXPECT_EQ(s.left, "0" + bytes({0xFD}));
}

struct DataCase {
    const char* payload;
    bool valid;
};

void PrintTo(const DataCase& c, std::ostream* os) {
    *os << '"' << c.payload << '"' << (c.valid ? " valid" : " invalid");
}

class DecodeData : public testing::TestWithParam<DataCase> {};

TEST_P(DecodeData, AcceptsOnlyWellFormedUpperCasePayloads) {
    EXPECT_EQ(bool(F::decodeData(GetParam().payload)), GetParam().valid) << GetParam().payload;
}

INSTANTIATE_TEST_SUITE_P(
    Table, DecodeData,
    testing::Values(DataCase{"00200201FDE0", true}, DataCase{"00200201fdE0", false},
                    DataCase{"00200201FDE1", false}, // sum not 0 modulo 256
                    DataCase{"00200301FDDF", false}, // count disagrees with the data
                    DataCase{"00200201FDE", false},  // odd length
                    DataCase{"00200201FGE0", false}, // not a hex digit
                    DataCase{"912F010040", false},   // wrong checksum
                    DataCase{"912F01003F", true}, DataCase{"0000", false}));

TEST(cmcCloneFrame, DecodedDataRoundTrips) {
    uint8_t block[32];
    for (int i = 0; i < 32; ++i)
        block[i] = uint8_t(i * 37);
    const auto decoded = F::decodeData(F::dataPayload(0x6E40, block, 32));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->address, 0x6E40);
    EXPECT_EQ(decoded->bytes, QByteArray(reinterpret_cast<const char*>(block), 32));
}

TEST(cmcCloneFrame, InformationReply) {
    const QByteArray block = bytes({35, 1, 2});
    const QByteArray frame = F::infoReply(0x3250, 0x0001, block);
    EXPECT_EQ(frame, bytes({0xFE, 0xFE, 0xEF, 0xEE, 0xE1, 0x32, 0x50, 0x00, 0x01, 35, 1, 2, 0xFD}));
    const auto info = F::decodeInfoReply(frame.chopped(1));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->model, 0x3250u);
    EXPECT_EQ(info->version, 1u);
    EXPECT_EQ(info->information, block);

    EXPECT_FALSE(F::decodeInfoReply(F::infoReply(0x3250, 0x0A01, block).chopped(1)));
    EXPECT_FALSE(F::decodeInfoReply(F::infoReply(0x32A0, 0x0001, block).chopped(1)));
    EXPECT_FALSE(F::decodeInfoReply(F::writeResult(0).chopped(1)));
    EXPECT_FALSE(F::decodeInfoReply(bytes({0xFE, 0xEF, 0xEE, 0xE1, 0x32, 0x50, 0x00})));
}

} // namespace
