#pragma once

#include "cmcBuff.h"

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <functional>
#include <optional>

// Frames of the clone link. A frame is two or more preamble bytes, a destination and a source
// address, a command, a payload and the terminator. Binary data travels as upper-case hex text
// so that the preamble and terminator bytes never occur inside a data frame. Both ends of the
// link (the driver and the simulated receiver) build and parse frames here.
class cmcCloneFrame {
public:
    static constexpr uint8_t Preamble = 0xFE;
    static constexpr uint8_t Terminator = 0xFD;
    static constexpr uint8_t ReceiverAddress = 0xEE;
    static constexpr uint8_t ProgramAddress = 0xEF;

    enum Command : uint8_t {
        InfoRequest = 0xE0,
        InfoReply = 0xE1,
        ReadRequest = 0xE2,
        WriteRequest = 0xE3,
        Data = 0xE4,
        EndOfData = 0xE5,
        WriteResult = 0xE6,
        SpeedSwitch = 0xE8,
    };

    // A received frame, terminator included, that would grow longer is malformed.
    static constexpr int MaxFrame = 522;

    static constexpr char EndOfDataText[] = "Vemo Inc.";
    static constexpr int EndOfDataTextSize = 9;

    // A frame with 2 + extraPreamble preamble bytes.
    static QByteArray build(uint8_t to, uint8_t from, uint8_t command, QByteArrayView payload,
                            int extraPreamble = 0);
    // Information, read and write requests: the model code and second identifier, high first.
    static QByteArray request(uint8_t command, uint32_t model, uint32_t identifier,
                              int extraPreamble = 0);
    // Address (4 hex digits), count (2), the data (2 each) and the checksum (2).
    static QByteArray dataPayload(int address, const uint8_t* data, int count);
    static QByteArray dataFrame(uint8_t to, uint8_t from, int address, const uint8_t* data,
                                int count, int extraPreamble = 0);
    static QByteArray endOfDataPayload(bool withCount, int frameCount);
    static QByteArray endOfDataFrame(uint8_t to, uint8_t from, bool withCount, int frameCount);
    // The receiver's answer to an information request.
    static QByteArray infoReply(uint32_t model, uint32_t version, QByteArrayView block);
    static QByteArray writeResult(uint8_t code);
    // The script that switches a receiver of this model to the high speed before an operation.
    static QByteArray speedSwitchScript(uint32_t model);

    // Makes every decoded byte of a data frame sum to 0 modulo 256.
    static uint8_t checksum(int address, const uint8_t* data, int count);
    // Hex text to bytes: other characters are skipped, either case is read, and an odd last
    // digit becomes the high nibble of a last byte.
    static QByteArray hexTextToBytes(QByteArrayView text);

    // A received frame: the bytes from the first preamble byte up to the terminator, which is
    // not included. Repeated preamble bytes count as one.
    struct Parsed {
        uint8_t to = 0;
        uint8_t from = 0;
        uint8_t command = 0;
        QByteArray payload;
    };
    static std::optional<Parsed> parse(QByteArrayView frame);

    // Takes bytes from the front of `received` into `frame`. A preamble byte starts the frame
    // afresh, so a run of them leaves one; bytes outside a frame are dropped; the terminator
    // hands the frame without it to `onFrame`, which says whether to take more, and empties it.
    enum class Scan { AllTaken, Stopped, Overflow };
    using FrameHandler = std::function<bool(const cmcBuff& frame)>;
    static Scan scan(cmcBuff& received, cmcBuff& frame, const FrameHandler& onFrame);
    static QByteArrayView withSinglePreamble(QByteArrayView frame);

    struct DataBlock {
        int address = 0;
        QByteArray bytes;
    };
    // Even length, upper-case hex only, the count agreeing with the data and the checksum
    // holding; none otherwise.
    static std::optional<DataBlock> decodeData(QByteArrayView payload);

    struct InfoBlock {
        uint32_t model = 0;
        uint32_t version = 0;
        QByteArray information;
    };
    // Addresses and command of a reply to the program, model and version as two decimal
    // digits a byte; none otherwise.
    static std::optional<InfoBlock> decodeInfoReply(QByteArrayView frame);

    // Whether a payload is the end-of-data text with, when asked for, this frame count.
    enum class EndCheck { Matches, CountDiffers, Malformed };
    static EndCheck checkEndOfData(QByteArrayView payload, bool withCount, int frameCount);
};
