#include "indEnviron.h"

#include "clsEtcData.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

namespace {

const char LockName[] = "Vemo Mavik APP Exclusive Mutex";
const char SettingsFile[] = "/Vemo/Mavik.conf";
const char MachineFile[] = "/etc/xdg/Vemo/Mavik.conf";
const int RecentSlots = 10;

// A value that is missing or not a number ends the reading.
bool readInt(QSettings& store, const char* key, int& field, int low = INT_MIN, int high = INT_MAX) {
    bool ok = false;
    const int value = store.value(key).toString().toInt(&ok);
    if (!store.contains(key) || !ok)
        return false;
    field = std::clamp(value, low, high);
    return true;
}

bool readText(QSettings& store, const QString& key, QString& field) {
    if (!store.contains(key))
        return false;
    field = store.value(key).toString();
    return true;
}

// Reads one section: opens its group, runs the reader, closes it again.
template <typename Reader> bool inSection(QSettings& store, const char* name, Reader reader) {
    store.beginGroup(name);
    const bool complete = reader();
    store.endGroup();
    return complete;
}

} // namespace

// The machine-wide file is the first one in the system configuration folders (XDG_CONFIG_DIRS,
// /etc/xdg by default), so that it can be tried without root.
QString indEnviron::machineSettingsFile() {
    const QStringList folders =
        QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation).mid(1);
    for (const QString& folder : folders) {
        const QString file = folder + SettingsFile;
        if (QFileInfo::exists(file))
            return file;
    }
    return MachineFile;
}

indEnviron::Places indEnviron::standardPlaces(Locking locking) {
    const QString userFile =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + SettingsFile;
    if (locking == Unlocked)
        return {{}, {}, userFile, machineSettingsFile()};
    return {LockName, QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation), userFile,
            machineSettingsFile()};
}

indEnviron::indEnviron(const Places& givenPlaces, const QStringList& arguments, QSize screenSize)
    : places(givenPlaces), screen(screenSize) {
    applyDefaults();
    if (!takeLock())
        return;
    QSettings store(places.userFile, QSettings::IniFormat);
    readUserSettings(store);
    if (settingsMarker != ValidMarker)
        applyDefaults();
    readPorts(store);
    for (const QString& argument : arguments)
        if (argument.toLower() == "/setup")
            setupDone = 0;
    readLanguage();
}

bool indEnviron::takeLock() {
    if (places.lockName.isEmpty()) {
        mayRun = true;
        return mayRun;
    }
    QDir().mkpath(places.lockDirectory);
    lock = std::make_unique<QLockFile>(places.lockDirectory + '/' + places.lockName + ".lock");
    // Only a lock whose owner is gone is stale; its age says nothing about a long session.
    lock->setStaleLockTime(0);
    mayRun = lock->tryLock(0);
    return mayRun;
}

indEnviron::~indEnviron() {
    if (mayRun && settingsMarker == ValidMarker)
        write();
}

void indEnviron::applyDefaults() {
    recent.Clear();
    settingsMarker = ValidMarker;
    fontSizePercentage = 100;
    toolbarVisible = 1;
    printerFontSize = 10;
    comPort = 1;
    comPortRead = false;
    highCloneSpeed = 1;
    currentDirectory.clear();
    windowWidth = std::min(static_cast<int>(screen.width() * 0.9), 800);
    windowHeight = std::min(static_cast<int>(screen.height() * 0.9), 600);
    windowLeft = (screen.width() - windowWidth) / 2;
    windowTop = static_cast<int>((screen.height() - windowHeight) * 0.3);
    splitter = 200;
    splitterStored = false;
    modelType = 0;
    setupDone = 0;
    destination = NoDestination;
    optionFlagA = 0;
    optionFlagB = 0;
}

bool indEnviron::readUserSettings(QSettings& store) {
    settingsMarker = 0;
    return readGlobal(store) && readRecent(store) && readView(store) && readWindow(store) &&
           readSetup(store);
}

bool indEnviron::readGlobal(QSettings& store) {
    return inSection(store, "Global", [&] {
        if (!readInt(store, "BBT", settingsMarker))
            return false;
        comPortRead = readInt(store, "ComPort", comPort, FirstPort, LastPort);
        return comPortRead && readInt(store, "ComSpeedHigh", highCloneSpeed, 0, 1) &&
               readText(store, "Current Directory", currentDirectory);
    });
}

bool indEnviron::readRecent(QSettings& store) {
    return inSection(store, "Recent File List", [&] {
        for (int i = 0; i < RecentSlots; ++i) {
            QString path;
            if (!readText(store, QString("Recent%1").arg(i), path))
                return false;
            // Unused places are stored as empty texts; they are no files.
            if (!path.isEmpty())
                recent.AddLast(path);
        }
        return true;
    });
}

bool indEnviron::readView(QSettings& store) {
    return inSection(store, "View Option", [&] {
        return readInt(store, "FontSize Percentage", fontSizePercentage, 25, 1000) &&
               readInt(store, "Toolbar Visible", toolbarVisible) &&
               readInt(store, "FontSize Printer", printerFontSize, 8, 12);
    });
}

bool indEnviron::readWindow(QSettings& store) {
    return inSection(store, "Window Position", [&] {
        return readInt(store, "Left", windowLeft) && readInt(store, "Top", windowTop) &&
               readInt(store, "Width", windowWidth) && readInt(store, "Height", windowHeight) &&
               readInt(store, "SplitterV", splitter) && (splitterStored = true);
    });
}

bool indEnviron::readSetup(QSettings& store) {
    return inSection(store, "Setup", [&] {
        int word = 0;
        if (!readInt(store, "ModelType", modelType) || !readInt(store, "Etc Data", word))
            return false;
        takeEtcData(word);
        return true;
    });
}

void indEnviron::takeEtcData(int word) {
    const clsEtcData::Decoded decoded = clsEtcData::decode(word);
    // Only the indexes of built-in destinations are taken; anything else means none stored.
    // The option flags of a sound word stay even without a destination: the band plan of no
    // destination still follows them.
    const bool usable = decoded.valid && decoded.destination < NoDestination;
    destination = usable ? decoded.destination : NoDestination;
    optionFlagA = decoded.valid ? decoded.flagA : 0;
    optionFlagB = decoded.valid ? decoded.flagB : 0;
    setupDone = usable ? 1 : 0;
}

void indEnviron::readPorts(QSettings& store) {
    store.beginGroup("Ports");
    for (const QString& key : store.childKeys()) {
        bool ok = false;
        const int port = key.startsWith("COM") ? key.mid(3).toInt(&ok) : 0;
        if (ok && validPort(port))
            boundDevices.insert(port, store.value(key).toString());
    }
    store.endGroup();
}

void indEnviron::readLanguage() {
    QSettings machine(places.machineFile, QSettings::IniFormat);
    language = languageOf(machine.value("Language").toString(), localeName());
}

// The locale messages are shown in, by the variables' usual precedence.
QByteArray indEnviron::localeName() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(variable);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

int indEnviron::languageOf(const QString& machineValue, const QByteArray& locale) {
    bool ok = false;
    const int value = machineValue.toInt(&ok);
    if (ok && (value == 0 || value == 1))
        return value;
    // Without a machine-wide choice a Japanese desktop gets the Japanese edition.
    return machineValue.isEmpty() && locale.startsWith("ja") ? 1 : 0;
}

QRect indEnviron::windowBounds(const QRect& workArea) const {
    constexpr int Margin = 16;
    const int areaRight = workArea.x() + workArea.width();
    const int areaBottom = workArea.y() + workArea.height();
    int left = windowLeft;
    int top = windowTop;
    if (left > areaRight - Margin)
        left = areaRight - Margin;
    if (top > areaBottom - Margin)
        top = areaBottom - Margin;
    if (left + windowWidth < workArea.x() + Margin)
        left = workArea.x() + Margin - windowWidth;
    if (top < workArea.y())
        top = workArea.y();
    return QRect(left, top, windowWidth, windowHeight);
}

QString indEnviron::portDevice(int port) const {
    return boundDevices.value(port, standardDevice(port));
}

void indEnviron::setPortDevice(int port, const QString& path) {
    if (path.isEmpty())
        boundDevices.remove(port);
    else
        boundDevices.insert(port, path);
}

void indEnviron::write() {
    QSettings store(places.userFile, QSettings::IniFormat);
    store.beginGroup("Global");
    store.setValue("BBT", settingsMarker);
    store.setValue("ComPort", comPort);
    store.setValue("ComSpeedHigh", highCloneSpeed);
    store.setValue("Current Directory", currentDirectory);
    store.endGroup();
    store.beginGroup("Recent File List");
    for (int i = 0; i < RecentSlots; ++i)
        store.setValue(QString("Recent%1").arg(i), recent.at(i));
    store.endGroup();
    store.beginGroup("View Option");
    store.setValue("FontSize Percentage", fontSizePercentage);
    store.setValue("Toolbar Visible", toolbarVisible);
    store.setValue("FontSize Printer", printerFontSize);
    store.endGroup();
    store.beginGroup("Window Position");
    store.setValue("Left", windowLeft);
    store.setValue("Top", windowTop);
    store.setValue("Width", windowWidth);
    store.setValue("Height", windowHeight);
    store.setValue("SplitterV", splitter);
    store.endGroup();
    store.beginGroup("Setup");
    store.setValue("ModelType", modelType);
    store.setValue("Etc Data", clsEtcData::encode(destination, optionFlagA, optionFlagB));
    store.endGroup();
    store.remove("Ports");
    store.beginGroup("Ports");
    for (auto it = boundDevices.cbegin(); it != boundDevices.cend(); ++it)
        store.setValue(QString("COM%1").arg(it.key()), it.value());
    store.endGroup();
    store.sync();
}
