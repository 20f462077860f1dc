#pragma once

#include "cmcEeprom.h"
#include "datPortFailure.h"

#include <QByteArray>
#include <cstdint>

// What one clone operation produced. Handlers may change the code before the session reports
// it.
struct dst_CDrv_Result {
    enum class Mode : int32_t { None = 0, Information = 1, Read = 2, Write = 3 };

    Mode mode = Mode::None;
    int32_t code = 2;
    // As sent; an information query replaces them with the receiver's model code and version.
    uint32_t model = 0;
    uint32_t identifier = 0;
    QByteArray information;
    cmcEeprom image;
    // One bit per image address, least significant bit first: the addresses a read stored.
    QByteArray receivedMap;
    // With code 2: why the port did not open.
    datPortFailure portFailure;
};
