#pragma once

#include "datSerialDevice.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <functional>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class cmcGTex;
class indEnviron;

// The COM port dialog: the port number from 1 to 256 and, from the serial devices present, the
// device that number opens, so that a USB cable is found without guessing its name.
class cuiComPortDialog : public QDialog {
    Q_OBJECT
public:
    using Device = datSerialDevice;
    // The serial devices the system reports, read afresh on each call.
    static QList<Device> presentDevices();
    // Where the windows that list devices take them from; tests give their own.
    using DeviceSource = std::function<QList<Device>()>;
    // How a device is named in a list: its path, description and maker.
    static QString caption(const Device& device, cmcGTex& table);
    // A device set for a COM number that is no longer there is marked so.
    static QString boundCaption(const QString& device, cmcGTex& table);
    // Whether one of the menu's four standard numbers opens the device already, so that it is
    // not offered a second time beside them.
    static bool opensAsStandardPort(const indEnviron& settings, const QString& device);

    cuiComPortDialog(indEnviron& settings, cmcGTex& table, const QList<Device>& devices,
                     QWidget* owner);

    void accept() override;

private:
    void buildControls(const QList<Device>& devices);
    void sizeControls();
    void showDeviceOf(int port);
    QTreeWidgetItem* keptItem(const QString& device);
    QString chosenDevice() const;
    QString text(const char* key, int line = 0) const;

    indEnviron& settings;
    cmcGTex& table;
    QLineEdit* number = nullptr;
    QTreeWidget* deviceList = nullptr;
    QTreeWidgetItem* standardItem = nullptr;
    QTreeWidgetItem* stored = nullptr;
};
