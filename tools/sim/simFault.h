#pragma once

#include <QByteArrayView>
#include <optional>

// The one way the simulated cable and receiver misbehave.
enum class simFault {
    None,
    NoEcho,
    BadEcho,
    Silent,
    WrongModel,
    WrongVersion,
    BadRecord,
    BadChecksum,
    LowercaseHex,
    MissingBlock,
    BadCount,
    OutsideImage,
    NoSignature,
    WriteNak,
    HangUp,
};

std::optional<simFault> simFaultNamed(QByteArrayView name);
