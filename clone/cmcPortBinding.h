#pragma once

#include "datSerialDevice.h"

#include <QList>
#include <QMap>
#include <QString>
#include <optional>

// Which COM number a serial device is opened by. The program speaks of COM numbers only, in its
// settings and messages alike; a device the user picks from the present ones is bound to a
// number, and the settings keep the binding.
class cmcPortBinding {
public:
    // COM number -> device path, as the settings keep them.
    using Bindings = QMap<int, QString>;
    using Devices = QList<datSerialDevice>;
    enum StoredPort { NoPortStored, PortStored };

    // The number a chosen device is to be opened by: the number already bound to it; else the
    // number whose standard device it is, while that number is unbound; else the lowest unbound
    // number whose standard device is not present, so that the machine's own ports keep their
    // numbers. None for an empty path or when every number is taken.
    static std::optional<int> portFor(const Bindings& stored, const Devices& present,
                                      const QString& device);
    // USB devices first; within each group the order the system gave.
    static Devices usbFirst(const Devices& devices);
    // The device the initial setup starts with: the only USB device present, when no port is
    // stored yet.
    static std::optional<QString> initialChoice(StoredPort stored, const Devices& present);

    static constexpr int FirstPort = 1;
    static constexpr int LastPort = 256;

private:
    static QString standardDevice(int port);
    static bool isPresent(const Devices& present, const QString& device);
};
