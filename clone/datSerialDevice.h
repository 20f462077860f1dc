#pragma once

#include <QString>

// One serial device that the system reports as present.
struct datSerialDevice {
    // A USB device is usually the cloning cable; the others are the machine's own ports.
    enum Bus { Other, Usb };

    QString path;
    QString description;
    QString maker;
    QString serialNumber;
    Bus bus = Other;
};
