#pragma once

#include "cmcCloneFrame.h"
#include "cmcEeprom.h"
#include "simFault.h"

#include <QByteArray>
#include <cstdint>

// The receiver end of the clone link: it hears the program's bytes one at a time and answers
// information, read and write requests from its configuration memory.
class simReceiver {
public:
    struct Setup {
        int destination = 6;
        bool expansion = false;
        bool cellular = false;
        simFault fault = simFault::None;
    };

    struct Answer {
        QByteArray bytes;
        // The line goes dead once these bytes are out.
        bool hangUp = false;
        // An information query, a read or a write ended with these bytes.
        bool finished = false;
    };

    simReceiver(const cmcEeprom& memory, const Setup& setup);

    Answer hear(uint8_t byte);

    // After the speed-switch frame the receiver listens at the high speed until an operation
    // ends or the line falls idle. An answer goes out at the speed the receiver had before it
    // heard the byte that completed the request.
    bool highSpeed() const { return fast; }
    void dropHighSpeed() { fast = false; }

    const cmcEeprom& memory() const { return stored; }
    // Whether a write has been accepted since the last call.
    bool takeWritten();
    // The line dropped: a frame or a write in progress is lost.
    void abandon();
    QByteArray informationRecord() const;

    static constexpr uint32_t Model = 0x3250;
    static constexpr uint32_t Version = 0x0001;
    static constexpr uint32_t WrongModel = 0x3260;
    static constexpr uint32_t WrongVersion = 0x0002;
    static constexpr int BlockSize = 32;
    // The block that the data faults spoil; its address shows a hex letter.
    static constexpr int SpoiltBlock = 0x00A0;
    static constexpr int RecordSize = 35;

private:
    Answer handle(const cmcCloneFrame::Parsed& frame);
    Answer answerInformation() const;
    Answer answerRead() const;
    QByteArray readFrame(int address, const cmcEeprom& image, int& frames) const;
    Answer takeData(const QByteArray& payload);
    Answer endWrite(const QByteArray& payload);
    bool faulty(simFault fault) const { return setup.fault == fault; }

    cmcEeprom stored;
    Setup setup;
    QByteArray frame;
    bool fast = false;
    bool writing = false;
    bool writeSpoilt = false;
    bool written = false;
    int writtenFrames = 0;
    cmcEeprom incoming;
};
