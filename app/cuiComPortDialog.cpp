#include "cuiComPortDialog.h"

#include "cmcFont.h"
#include "cmcGTex.h"
#include "cmcPortBinding.h"
#include "cmcPrompt.h"
#include "cuiLook.h"
#include "indEnviron.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSerialPortInfo>
#include <QTreeWidget>

namespace {

enum DeviceColumn { Path, Description, Maker, SerialNumber, Columns };

// Device lines: the list's caption, its four column headers, and the standard device's entry.
enum DeviceText { ListCaption = 0, FirstHeader = 1, StandardEntry = 5 };

constexpr int PathRole = Qt::UserRole;
// COM 1 to 4, which the menu and the initial setup name on their own.
constexpr int StandardPorts = 4;

// Lines of the entry that names a present device.
enum PresentText { WithMaker, WithOneDetail, PathOnly };

bool isUsb(const QSerialPortInfo& info) {
    const QString name = info.portName();
    return info.hasVendorIdentifier() || name.startsWith("ttyUSB") || name.startsWith("ttyACM");
}

} // namespace

bool cuiComPortDialog::opensAsStandardPort(const indEnviron& settings, const QString& device) {
    for (int port = 1; port <= StandardPorts; ++port) {
        if (settings.portDevice(port) == device)
            return true;
    }
    return false;
}

QList<cuiComPortDialog::Device> cuiComPortDialog::presentDevices() {
    QList<Device> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        devices.append({info.systemLocation(), info.description(), info.manufacturer(),
                        info.serialNumber(), isUsb(info) ? Device::Usb : Device::Other});
    return devices;
}

QString cuiComPortDialog::caption(const Device& device, cmcGTex& table) {
    const QByteArray path = device.path.toLocal8Bit();
    const QByteArray description = table.stored(device.description);
    const QByteArray maker = table.stored(device.maker);
    const char* key = "GI_AppInd_Opt_ComSel_Present";
    QByteArray text;
    if (!description.isEmpty() && !maker.isEmpty())
        text = cmcGTex::formatted(table.GetText(key, WithMaker), path.constData(),
                                  description.constData(), maker.constData());
    else if (!description.isEmpty() || !maker.isEmpty())
        text = cmcGTex::formatted(table.GetText(key, WithOneDetail), path.constData(),
                                  (description + maker).constData());
    else
        text = cmcGTex::formatted(table.GetText(key, PathOnly), path.constData());
    return table.display(text);
}

QString cuiComPortDialog::boundCaption(const QString& device, cmcGTex& table) {
    if (device.isEmpty() || QFileInfo::exists(device))
        return device;
    const QByteArray path = device.toLocal8Bit();
    return table.display(
        cmcGTex::formatted(table.GetText("GI_AppInd_Opt_ComSel_Absent"), path.constData()));
}

cuiComPortDialog::cuiComPortDialog(indEnviron& store, cmcGTex& definitions,
                                   const QList<Device>& devices, QWidget* owner)
    : QDialog(owner), settings(store), table(definitions) {
    setObjectName("ComPortDialog");
    cmcFont font;
    font.apply(table.GetText("CellModel_BasicDialog"));
    setFont(cuiLook::font(font));
    setWindowTitle(text("GI_AppInd_Opt_ComSel_Caption"));
    buildControls(devices);
    sizeControls();
    showDeviceOf(settings.comPort);
    // Typing replaces the number.
    number->selectAll();
    number->setFocus();
}

QString cuiComPortDialog::text(const char* key, int line) const {
    return table.display(table.GetText(key, line));
}

void cuiComPortDialog::buildControls(const QList<Device>& devices) {
    auto* notice = new QLabel(text("GI_AppInd_Opt_ComSel_Notice"), this);
    number = new QLineEdit(QString::number(settings.comPort), this);
    number->setObjectName("Number");
    notice->setBuddy(number);
    connect(number, &QLineEdit::textEdited, this,
            [this](const QString& typed) { showDeviceOf(typed.trimmed().toInt()); });

    deviceList = new QTreeWidget(this);
    deviceList->setObjectName("Devices");
    deviceList->setRootIsDecorated(false);
    deviceList->setColumnCount(Columns);
    QStringList headers;
    for (int column = 0; column < Columns; ++column)
        headers << text("GI_AppInd_Opt_ComSel_Devices", FirstHeader + column);
    deviceList->setHeaderLabels(headers);
    for (const Device& device : cmcPortBinding::usbFirst(devices)) {
        auto* item = new QTreeWidgetItem(
            deviceList, {device.path, device.description, device.maker, device.serialNumber});
        item->setData(Path, PathRole, device.path);
    }
    standardItem = new QTreeWidgetItem(deviceList);
    standardItem->setData(Path, PathRole, QString());
    auto* caption = new QLabel(text("GI_AppInd_Opt_ComSel_Devices", ListCaption), this);
    caption->setBuddy(deviceList);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(text("GI_AppInd_Opt_ComSel_Buttons", 0), QDialogButtonBox::AcceptRole)
        ->setDefault(true);
    buttons->addButton(text("GI_AppInd_Opt_ComSel_Buttons", 1), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* choice = new QHBoxLayout;
    choice->addWidget(notice);
    choice->addWidget(number, 0, Qt::AlignVCenter);
    choice->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addSpacing(notice->fontMetrics().height() / 2);
    layout->addWidget(caption);
    layout->addWidget(deviceList);
    layout->addWidget(buttons, 0, Qt::AlignRight);
}

// The number field fits three digits with room; the buttons fit "Cancel" with room and are
// twice the text height.
void cuiComPortDialog::sizeControls() {
    const QFontMetrics metrics(font());
    number->setFixedWidth(metrics.horizontalAdvance("255WWWW"));
    const QString sample = text("GI_AppInd_Opt_ComSel_SizeOfButtons");
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setFixedSize(metrics.horizontalAdvance(sample), metrics.height() * 2);
    deviceList->setMinimumWidth(metrics.averageCharWidth() * 100);
    deviceList->setMinimumHeight(metrics.lineSpacing() * 8);
    deviceList->header()->resizeSection(Path, metrics.horizontalAdvance("/dev/ttyUSB00WW"));
    deviceList->header()->resizeSection(Description, metrics.averageCharWidth() * 36);
}

// Marks the device the number opens now. The standard entry names that number's own device; a
// stored device that is not present keeps an entry of its own, so OK does not drop it.
void cuiComPortDialog::showDeviceOf(int port) {
    const bool valid = indEnviron::validPort(port);
    const QString standardPath = valid ? indEnviron::standardDevice(port) : QString();
    standardItem->setText(Path, standardPath);
    standardItem->setText(Description,
                          valid ? text("GI_AppInd_Opt_ComSel_Devices", StandardEntry) : QString());
    const QString device = valid ? settings.portDevice(port) : QString();
    QTreeWidgetItem* current = standardItem;
    for (int i = 0; i < deviceList->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = deviceList->topLevelItem(i);
        if (item == standardItem)
            continue;
        const QString path = item->data(Path, PathRole).toString();
        item->setHidden(path == standardPath);
        if (path == device && device != standardPath)
            current = item;
    }
    if (current == standardItem && device != standardPath)
        current = keptItem(device);
    deviceList->setCurrentItem(current);
}

QTreeWidgetItem* cuiComPortDialog::keptItem(const QString& device) {
    if (!stored)
        stored = new QTreeWidgetItem(deviceList);
    stored->setText(Path, boundCaption(device, table));
    stored->setData(Path, PathRole, device);
    return stored;
}

QString cuiComPortDialog::chosenDevice() const {
    const QTreeWidgetItem* item = deviceList->currentItem();
    return item ? item->data(Path, PathRole).toString() : QString();
}

void cuiComPortDialog::accept() {
    const int port = number->text().trimmed().toInt();
    if (!indEnviron::validPort(port)) {
        cmcPrompt::app().message(cmcPrompt::titled(table.GetText("GI_AppInd_Opt_ComSel_OutofRange"),
                                                   cmcPrompt::Ok, cmcPrompt::AnswerOk,
                                                   cmcPrompt::Stop));
        number->setFocus();
        number->selectAll();
        return;
    }
    settings.comPort = port;
    settings.setPortDevice(port, chosenDevice());
    QDialog::accept();
}
