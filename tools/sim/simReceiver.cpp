#include "simReceiver.h"

#include "MemoryMap.h"

using F = cmcCloneFrame;

namespace {

constexpr int LongestFrame = 600;
constexpr int ReceiverBlocks = mm::ReceiverSize / simReceiver::BlockSize;
constexpr uint8_t FirmwareRevision[] = {0x01, 0x00};
constexpr uint8_t SerialNumber[] = {0x00, 0x12, 0x34, 0x56};

bool onlyPreamble(const QByteArray& bytes) {
    for (char byte : bytes)
        if (uint8_t(byte) != F::Preamble)
            return false;
    return true;
}

bool isOurRequest(const QByteArray& payload, bool withIdentifier) {
    const int size = withIdentifier ? 4 : 2;
    if (payload.size() < size || (withIdentifier && payload.size() != size))
        return false;
    const uint32_t model = uint8_t(payload[0]) << 8 | uint8_t(payload[1]);
    const uint32_t identifier = withIdentifier ? uint8_t(payload[2]) << 8 | uint8_t(payload[3]) : 0;
    return model == simReceiver::Model && identifier == 0;
}

} // namespace

simReceiver::simReceiver(const cmcEeprom& memory, const Setup& setup)
    : stored(memory), setup(setup) {}

simReceiver::Answer simReceiver::hear(uint8_t byte) {
    if (byte == F::Preamble) {
        if (!onlyPreamble(frame))
            frame.clear();
        frame.append(char(byte));
        return {};
    }
    if (frame.isEmpty())
        return {};
    if (byte != F::Terminator) {
        frame.append(char(byte));
        if (frame.size() > LongestFrame)
            frame.clear();
        return {};
    }
    const auto parsed = F::parse(frame);
    frame.clear();
    if (!parsed || parsed->to != F::ReceiverAddress || parsed->from != F::ProgramAddress ||
        faulty(simFault::Silent))
        return {};
    return handle(*parsed);
}

simReceiver::Answer simReceiver::handle(const cmcCloneFrame::Parsed& frame) {
    switch (frame.command) {
    case F::SpeedSwitch:
        fast = fast || isOurRequest(frame.payload, false);
        return {};
    case F::InfoRequest:
        return isOurRequest(frame.payload, true) ? answerInformation() : Answer{};
    case F::ReadRequest:
        if (!isOurRequest(frame.payload, true))
            return {};
        fast = false;
        return answerRead();
    case F::WriteRequest:
        if (isOurRequest(frame.payload, true)) {
            writing = true;
            writeSpoilt = false;
            writtenFrames = 0;
            incoming = stored;
        }
        return {};
    case F::Data:
        return writing ? takeData(frame.payload) : Answer{};
    case F::EndOfData:
        return writing ? endWrite(frame.payload) : Answer{};
    default:
        return {};
    }
}

QByteArray simReceiver::informationRecord() const {
    QByteArray record(RecordSize, char(0xFF));
    record[0] = char(faulty(simFault::BadRecord) ? RecordSize + 1 : RecordSize);
    record[1] = 0;
    for (int i = 0; i < mm::CommentSize; ++i) {
        const uint8_t c = stored.getByte(mm::Comment + i);
        record[2 + i] = c >= 0x20 && c < 0x7F ? char(c) : ' ';
    }
    record[18] = char((setup.destination & 0x0F) | (setup.cellular ? 0x10 : 0) |
                      (setup.expansion ? 0x20 : 0));
    record.replace(19, 2, reinterpret_cast<const char*>(FirmwareRevision), 2);
    record.replace(21, 4, reinterpret_cast<const char*>(SerialNumber), 4);
    return record;
}

simReceiver::Answer simReceiver::answerInformation() const {
    const uint32_t model = faulty(simFault::WrongModel) ? WrongModel : Model;
    const uint32_t version = faulty(simFault::WrongVersion) ? WrongVersion : Version;
    return {F::infoReply(model, version, informationRecord()), false, true};
}

QByteArray simReceiver::readFrame(int address, const cmcEeprom& image, int& frames) const {
    const uint8_t* data = image.bytes() + address;
    if (address != SpoiltBlock) {
        ++frames;
        return F::dataFrame(F::ProgramAddress, F::ReceiverAddress, address, data, BlockSize);
    }
    if (faulty(simFault::MissingBlock))
        return {};
    QByteArray payload = F::dataPayload(address, data, BlockSize);
    if (faulty(simFault::BadChecksum))
        payload.back() = payload.back() == '0' ? '1' : '0';
    if (faulty(simFault::LowercaseHex))
        payload = payload.toLower();
    ++frames;
    QByteArray out = F::build(F::ProgramAddress, F::ReceiverAddress, F::Data, payload);
    if (faulty(simFault::OutsideImage)) {
        ++frames;
        out += F::dataFrame(F::ProgramAddress, F::ReceiverAddress, mm::ImageSize, data, BlockSize);
    }
    return out;
}

simReceiver::Answer simReceiver::answerRead() const {
    cmcEeprom image = stored;
    if (faulty(simFault::NoSignature))
        for (int i = 0; i < mm::SignatureSize; ++i)
            image.setByte(mm::Signature + i, 0xFF);
    Answer answer;
    int frames = 0;
    for (int block = 0; block < ReceiverBlocks; ++block)
        answer.bytes += readFrame(block * BlockSize, image, frames);
    const int counted = faulty(simFault::BadCount) ? frames + 1 : frames;
    answer.bytes += F::endOfDataFrame(F::ProgramAddress, F::ReceiverAddress, true, counted);
    answer.finished = true;
    if (faulty(simFault::HangUp)) {
        answer.bytes.truncate(answer.bytes.size() / 2);
        answer.hangUp = true;
    }
    return answer;
}

simReceiver::Answer simReceiver::takeData(const QByteArray& payload) {
    ++writtenFrames;
    const auto block = F::decodeData(payload);
    if (!block || block->address + block->bytes.size() > mm::ReceiverSize)
        writeSpoilt = true;
    else
        incoming.writeBlock(block->address, reinterpret_cast<const uint8_t*>(block->bytes.data()),
                            int32_t(block->bytes.size()));
    if (faulty(simFault::HangUp) && writtenFrames == ReceiverBlocks / 2)
        return {{}, true, true};
    return {};
}

simReceiver::Answer simReceiver::endWrite(const QByteArray& payload) {
    writing = false;
    fast = false;
    const bool accepted = !writeSpoilt && !faulty(simFault::WriteNak) &&
                          F::checkEndOfData(payload, true, writtenFrames) == F::EndCheck::Matches;
    if (accepted) {
        stored = incoming;
        written = true;
    }
    return {F::writeResult(accepted ? 0x00 : 0x01), false, true};
}

bool simReceiver::takeWritten() {
    const bool was = written;
    written = false;
    return was;
}

void simReceiver::abandon() {
    frame.clear();
    writing = false;
}
