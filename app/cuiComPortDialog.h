#pragma once

#include <QDialog>
#include <QList>
#include <QString>

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
    struct Device {
        QString path;
        QString description;
        QString maker;
        QString serialNumber;
    };
    // The serial devices the system reports.
    static QList<Device> presentDevices();

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
