#include "cmcCloneFrame.h"

#include <cstdio>

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

void appendHexByte(QByteArray& out, uint8_t value) {
    out.append(HexDigits[value >> 4]);
    out.append(HexDigits[value & 0x0F]);
}

int hexValue(char c, bool upperOnly) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (!upperOnly && c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool isDecimalPair(uint8_t b) {
    return (b >> 4) <= 9 && (b & 0x0F) <= 9;
}

} // namespace

QByteArray cmcCloneFrame::build(uint8_t to, uint8_t from, uint8_t command, QByteArrayView payload,
                                int extraPreamble) {
    QByteArray out(2 + qMax(0, extraPreamble), char(Preamble));
    out.append(char(to));
    out.append(char(from));
    out.append(char(command));
    out.append(payload.data(), payload.size());
    out.append(char(Terminator));
    return out;
}

QByteArray cmcCloneFrame::request(uint8_t command, uint32_t model, uint32_t identifier,
                                  int extraPreamble) {
    const char payload[4] = {char(model >> 8), char(model), char(identifier >> 8),
                             char(identifier)};
    return build(ReceiverAddress, ProgramAddress, command, QByteArrayView(payload, 4),
                 extraPreamble);
}

uint8_t cmcCloneFrame::checksum(int address, const uint8_t* data, int count) {
    unsigned sum = (address & 0xFF) + ((address >> 8) & 0xFF) + (count & 0xFF);
    for (int i = 0; i < count; ++i)
        sum += data[i];
    return uint8_t((256 - (sum & 0xFF)) & 0xFF);
}

QByteArray cmcCloneFrame::dataPayload(int address, const uint8_t* data, int count) {
    QByteArray out;
    out.reserve(8 + 2 * count);
    appendHexByte(out, uint8_t(address >> 8));
    appendHexByte(out, uint8_t(address));
    appendHexByte(out, uint8_t(count));
    for (int i = 0; i < count; ++i)
        appendHexByte(out, data[i]);
    appendHexByte(out, checksum(address, data, count));
    return out;
}

QByteArray cmcCloneFrame::dataFrame(uint8_t to, uint8_t from, int address, const uint8_t* data,
                                    int count, int extraPreamble) {
    return build(to, from, Data, dataPayload(address, data, count), extraPreamble);
}

QByteArray cmcCloneFrame::endOfDataPayload(bool withCount, int frameCount) {
    QByteArray out(EndOfDataText, EndOfDataTextSize);
    if (withCount)
        appendHexByte(out, uint8_t(frameCount & 0xFF));
    return out;
}

QByteArray cmcCloneFrame::endOfDataFrame(uint8_t to, uint8_t from, bool withCount, int frameCount) {
    return build(to, from, EndOfData, endOfDataPayload(withCount, frameCount));
}

QByteArray cmcCloneFrame::infoReply(uint32_t model, uint32_t version, QByteArrayView block) {
    QByteArray payload;
    payload.append(char(model >> 8));
    payload.append(char(model));
    payload.append(char(version >> 8));
    payload.append(char(version));
    payload.append(block.data(), block.size());
    return build(ProgramAddress, ReceiverAddress, InfoReply, payload);
}

QByteArray cmcCloneFrame::writeResult(uint8_t code) {
    const char payload = char(code);
    return build(ProgramAddress, ReceiverAddress, WriteResult, QByteArrayView(&payload, 1));
}

QByteArray cmcCloneFrame::speedSwitchScript(uint32_t model) {
    constexpr char Format[] =
        "(9600,N,8,1)FEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFEFE EEEF E8 %04X%04X 0000 02 01 FD";
    char text[sizeof Format + 16];
    std::snprintf(text, sizeof text, Format, unsigned(model), 1u);
    return QByteArray(text);
}

QByteArray cmcCloneFrame::hexTextToBytes(QByteArrayView text) {
    QByteArray out;
    int high = -1;
    for (char c : text) {
        const int v = hexValue(c, false);
        if (v < 0)
            continue;
        if (high < 0) {
            high = v;
        } else {
            out.append(char(high << 4 | v));
            high = -1;
        }
    }
    if (high >= 0)
        out.append(char(high << 4));
    return out;
}

QByteArrayView cmcCloneFrame::withSinglePreamble(QByteArrayView frame) {
    qsizetype start = 0;
    while (start + 1 < frame.size() && uint8_t(frame[start + 1]) == Preamble)
        ++start;
    return frame.sliced(start);
}

std::optional<cmcCloneFrame::Parsed> cmcCloneFrame::parse(QByteArrayView frame) {
    frame = withSinglePreamble(frame);
    if (frame.size() < 4 || uint8_t(frame[0]) != Preamble)
        return std::nullopt;
    Parsed p;
    p.to = uint8_t(frame[1]);
    p.from = uint8_t(frame[2]);
    p.command = uint8_t(frame[3]);
    p.payload = frame.sliced(4).toByteArray();
    return p;
}

cmcCloneFrame::Scan cmcCloneFrame::scan(cmcBuff& received, cmcBuff& frame,
                                        const FrameHandler& onFrame) {
    int byte;
    while ((byte = received.takeFront()) >= 0) {
        if (byte == Preamble) {
            frame.clear();
            frame.append(uint8_t(byte));
        } else if (frame.isEmpty()) {
            continue;
        } else if (byte == Terminator) {
            const bool more = onFrame(frame);
            frame.clear();
            if (!more)
                return Scan::Stopped;
        } else if (frame.size() >= MaxFrame - 1) {
            frame.clear();
            return Scan::Overflow;
        } else {
            frame.append(uint8_t(byte));
        }
    }
    return Scan::AllTaken;
}

std::optional<cmcCloneFrame::DataBlock> cmcCloneFrame::decodeData(QByteArrayView payload) {
    if (payload.size() % 2 != 0 || payload.size() < 8)
        return std::nullopt;
    QByteArray bytes;
    bytes.reserve(payload.size() / 2);
    for (qsizetype i = 0; i < payload.size(); i += 2) {
        const int high = hexValue(payload[i], true);
        const int low = hexValue(payload[i + 1], true);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.append(char(high << 4 | low));
    }
    unsigned sum = 0;
    for (char b : bytes)
        sum += uint8_t(b);
    const int count = uint8_t(bytes[2]);
    if (count != bytes.size() - 4 || (sum & 0xFF) != 0)
        return std::nullopt;
    DataBlock block;
    block.address = uint8_t(bytes[0]) << 8 | uint8_t(bytes[1]);
    block.bytes = bytes.sliced(3, count);
    return block;
}

std::optional<cmcCloneFrame::InfoBlock> cmcCloneFrame::decodeInfoReply(QByteArrayView frame) {
    frame = withSinglePreamble(frame);
    if (frame.size() < 8 || uint8_t(frame[0]) != Preamble || uint8_t(frame[1]) != ProgramAddress ||
        uint8_t(frame[2]) != ReceiverAddress || uint8_t(frame[3]) != InfoReply)
        return std::nullopt;
    for (int i = 4; i < 8; ++i)
        if (!isDecimalPair(uint8_t(frame[i])))
            return std::nullopt;
    InfoBlock info;
    info.model = uint8_t(frame[4]) << 8 | uint8_t(frame[5]);
    info.version = uint8_t(frame[6]) << 8 | uint8_t(frame[7]);
    info.information = frame.sliced(8).toByteArray();
    return info;
}

cmcCloneFrame::EndCheck cmcCloneFrame::checkEndOfData(QByteArrayView payload, bool withCount,
                                                      int frameCount) {
    const QByteArray expected = endOfDataPayload(withCount, frameCount);
    if (payload.size() != expected.size() ||
        !payload.startsWith(QByteArrayView(EndOfDataText, EndOfDataTextSize)))
        return EndCheck::Malformed;
    return payload == QByteArrayView(expected) ? EndCheck::Matches : EndCheck::CountDiffers;
}
