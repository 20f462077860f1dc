#include "cmcPortBinding.h"

#include "cmcComm.h"

#include <algorithm>

QString cmcPortBinding::standardDevice(int port) {
    return QString::fromLocal8Bit(cmcComm::devicePath(port, {}));
}

bool cmcPortBinding::isPresent(const Devices& present, const QString& device) {
    return std::any_of(present.cbegin(), present.cend(),
                       [&](const datSerialDevice& each) { return each.path == device; });
}

std::optional<int> cmcPortBinding::portFor(const Bindings& stored, const Devices& present,
                                           const QString& device) {
    if (device.isEmpty())
        return std::nullopt;
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        if (it.value() == device)
            return it.key();
    for (int port = FirstPort; port <= LastPort; ++port)
        if (!stored.contains(port) && standardDevice(port) == device)
            return port;
    for (int port = FirstPort; port <= LastPort; ++port)
        if (!stored.contains(port) && !isPresent(present, standardDevice(port)))
            return port;
    return std::nullopt;
}

cmcPortBinding::Devices cmcPortBinding::usbFirst(const Devices& devices) {
    Devices ordered = devices;
    std::stable_partition(ordered.begin(), ordered.end(), [](const datSerialDevice& device) {
        return device.bus == datSerialDevice::Usb;
    });
    return ordered;
}

std::optional<QString> cmcPortBinding::initialChoice(StoredPort stored, const Devices& present) {
    if (stored == PortStored)
        return std::nullopt;
    std::optional<QString> only;
    for (const datSerialDevice& device : present) {
        if (device.bus != datSerialDevice::Usb)
            continue;
        if (only)
            return std::nullopt;
        only = device.path;
    }
    return only;
}
