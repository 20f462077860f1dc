#pragma once

#include "cmcBuff.h"
#include "datPortFailure.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>
#include <optional>

// One serial port, opened by COM number. Reads hand out only what has already arrived; writes
// go to a transmit queue that a 10 ms timer hands to the driver in slices, each only once the
// driver's own transmit queue has drained. Nothing here waits on the line.
class cmcComm {
public:
    // Turns a COM port number into a device path; the settings store installs its port map.
    using DeviceMap = QByteArray (*)(void* context, int port);

    enum StopBits : uint8_t { OneStopBit = 0, OneAndHalfStopBits = 1, TwoStopBits = 2 };

    struct LineSettings {
        uint32_t baudRate = 9600;
        bool parityCheck = false;
        uint8_t byteSize = 8;
        uint8_t stopBits = OneStopBit;
    };

    cmcComm();
    ~cmcComm();
    cmcComm(const cmcComm&) = delete;
    cmcComm& operator=(const cmcComm&) = delete;

    // False when already open, when the device is missing, cannot be opened (permissions) or
    // is in use by another program, or when it refuses the line settings.
    bool open(int port, const QByteArray& settings);
    bool openDevice(const QByteArray& path, const QByteArray& settings);
    void close();
    bool isOpen() const { return handle >= 0; }
    int portNumber() const { return port; }
    // Why the last open of a device failed; no error after one that succeeded.
    const datPortFailure& openFailure() const { return failure; }

    void write(const uint8_t* bytes, int32_t count);
    int32_t read(uint8_t* buffer, int32_t maximum);
    int32_t inputQueued() const;
    int32_t outputQueued() const;
    int32_t pendingOutput() const { return outputQueued() + transmitQueue.size(); }
    bool writeFailed() const { return failed; }
    const LineSettings& lineSettings() const { return line; }

    static LineSettings parseSettings(const QByteArray& settings);
    // The index-th field of text split at separator; a separator byte that is the second byte of
    // a double-byte character does not split.
    static std::optional<QByteArray> fieldOfText(const QByteArray& text, char separator, int index);

    // The device of a COM port: the configured path when one is set, else /dev/ttyS<n-1>.
    static QByteArray devicePath(int port, const QByteArray& configured);
    static void setDeviceMap(DeviceMap map, void* context);
    static QByteArray deviceOfPort(int port);

    static constexpr int32_t InputQueueSize = 32000;
    static constexpr int32_t OutputQueueSize = 1024;
    static constexpr int PumpIntervalMs = 10;
    static constexpr int WriteTimeoutConstantMs = 3000;

private:
    bool refuse(int error);
    int claim();
    bool configure();
    void pump();
    void scheduleOrStop(bool again);

    int handle = -1;
    int port = 0;
    bool failed = false;
    // Set once this port holds the line exclusively, so that close gives it back.
    bool claimed = false;
    datPortFailure failure;
    LineSettings line;
    cmcBuff transmitQueue;
    QTimer transmitTimer;
    // A slice the driver took only in part is retried until the line's write time-out.
    QElapsedTimer sliceClock;
};
