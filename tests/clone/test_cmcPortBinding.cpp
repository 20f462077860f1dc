#include "cmcPortBinding.h"

#include <gtest/gtest.h>

namespace {

using Bindings = cmcPortBinding::Bindings;
using Devices = cmcPortBinding::Devices;

const datSerialDevice usb0{"/dev/ttyUSB0", "USB cable", "Maker", "A1", datSerialDevice::Usb};
const datSerialDevice acm0{"/dev/ttyACM0", "Modem", "", "", datSerialDevice::Usb};
const datSerialDevice ttyS0{"/dev/ttyS0", "Built-in port", "", "", datSerialDevice::Other};
const datSerialDevice ttyS1{"/dev/ttyS1", "Built-in port", "", "", datSerialDevice::Other};

Bindings everyNumberBound() {
    Bindings all;
    for (int port = cmcPortBinding::FirstPort; port <= cmcPortBinding::LastPort; ++port)
        all.insert(port, QString("/dev/other%1").arg(port));
    return all;
}

struct BindingCase {
    const char* name;
    Bindings stored;
    Devices present;
    QString chosen;
    std::optional<int> port;
};

TEST(cmcPortBinding, AChosenDeviceGetsItsNumber) {
    const BindingCase cases[] = {
        {"first device, nothing stored", {}, {usb0}, "/dev/ttyUSB0", 1},
        {"already bound", {{3, "/dev/ttyUSB0"}}, {usb0}, "/dev/ttyUSB0", 3},
        {"lowest unbound number",
         {{1, "/dev/ttyUSB1"}, {2, "/dev/ttyACM1"}},
         {usb0},
         "/dev/ttyUSB0",
         3},
        {"a present port of the machine keeps its number", {}, {ttyS0, usb0}, "/dev/ttyUSB0", 2},
        {"a standard device keeps its own number", {}, {usb0, ttyS1}, "/dev/ttyS1", 2},
        {"unless that number is bound elsewhere", {{2, "/dev/ttyUSB0"}}, {ttyS1}, "/dev/ttyS1", 1},
        {"an absent device stays bound", {{1, "/dev/ttyUSB7"}}, {usb0}, "/dev/ttyUSB0", 2},
        {"every number taken", everyNumberBound(), {usb0}, "/dev/ttyUSB0", std::nullopt},
        {"no device", {}, {usb0}, "", std::nullopt},
    };
    for (const BindingCase& c : cases)
        EXPECT_EQ(cmcPortBinding::portFor(c.stored, c.present, c.chosen), c.port) << c.name;
}

TEST(cmcPortBinding, UsbDevicesComeFirstInTheSystemsOrder) {
    const Devices ordered = cmcPortBinding::usbFirst({ttyS1, usb0, ttyS0, acm0});
    QStringList paths;
    for (const datSerialDevice& device : ordered)
        paths << device.path;
    EXPECT_EQ(paths, QStringList({"/dev/ttyUSB0", "/dev/ttyACM0", "/dev/ttyS1", "/dev/ttyS0"}));
}

TEST(cmcPortBinding, TheSetupStartsWithTheOnlyUsbDeviceWhenNoPortIsStored) {
    struct Case {
        const char* name;
        cmcPortBinding::StoredPort stored;
        Devices present;
        std::optional<QString> choice;
    };
    const Case cases[] = {
        {"one USB device", cmcPortBinding::NoPortStored, {ttyS0, usb0}, "/dev/ttyUSB0"},
        {"a port is stored", cmcPortBinding::PortStored, {usb0}, std::nullopt},
        {"two USB devices", cmcPortBinding::NoPortStored, {usb0, acm0}, std::nullopt},
        {"only the machine's ports", cmcPortBinding::NoPortStored, {ttyS0}, std::nullopt},
        {"nothing present", cmcPortBinding::NoPortStored, {}, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cmcPortBinding::initialChoice(c.stored, c.present), c.choice) << c.name;
}

} // namespace
