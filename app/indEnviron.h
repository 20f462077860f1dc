#pragma once

#include "cmcRecent.h"

#include <QLockFile>
#include <QMap>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

// The settings store. It owns the single-instance lock, reads the user's settings when the
// program starts and writes them back when it ends; in between the other parts read and assign
// its fields directly. A second instance of the program neither reads nor writes anything.
class indEnviron {
public:
    static constexpr int ValidMarker = 753951;
    static constexpr int NoDestination = 16;
    static constexpr int FirstPort = 1;
    static constexpr int LastPort = 256;
    static bool validPort(int port) { return port >= FirstPort && port <= LastPort; }

    struct Places {
        // No lock name: the store takes no single-instance lock.
        QString lockName;
        QString lockDirectory;
        QString userFile;
        // Machine-wide settings, only ever read.
        QString machineFile;
    };
    // Whether the store takes the single-instance lock. The command line runs beside the
    // desktop program and needs no runtime folder.
    enum Locking { SingleInstance, Unlocked };
    // The program's own places: the user's configuration folder, the runtime folder for the
    // lock, and the system configuration folder. Unlocked places name no lock.
    static Places standardPlaces(Locking locking = SingleInstance);
    // 1 (Japanese) or 0 (English) from the machine-wide value, else from the locale's name.
    static int languageOf(const QString& machineValue, const QByteArray& locale);

    // `screen` is the size the default window bounds are taken from.
    indEnviron(const Places& places, const QStringList& arguments, QSize screen);
    indEnviron(const indEnviron&) = delete;
    indEnviron& operator=(const indEnviron&) = delete;
    // Writes the settings when this instance owns the lock and they are valid.
    ~indEnviron();

    bool allowedToRun() const { return mayRun; }
    // Where this store keeps its settings, for the parts that keep values of their own there.
    const Places& placesInUse() const { return places; }
    void write();

    // The stored window bounds, pulled back into the work area so that at least 16 pixels of
    // the window stay inside it and its top edge is not above it.
    QRect windowBounds(const QRect& workArea) const;

    // The device a COM port number opens: the stored one, else the n-th standard serial port.
    QString portDevice(int port) const;
    // The n-th standard serial port.
    static QString standardDevice(int port) { return QString("/dev/ttyS%1").arg(port - 1); }
    // An empty path goes back to the standard device.
    void setPortDevice(int port, const QString& path);
    // The devices set for COM numbers, by number.
    const QMap<int, QString>& portDevices() const { return boundDevices; }
    // Whether the COM port came from the user's settings rather than the defaults.
    bool portStored() const { return comPortRead; }

    int language = 0;
    cmcRecent recent{10};
    int settingsMarker = ValidMarker;
    int fontSizePercentage = 100;
    int toolbarVisible = 1;
    int printerFontSize = 10;
    int comPort = 1;
    int highCloneSpeed = 1;
    QString currentDirectory;
    int windowLeft = 0;
    int windowTop = 0;
    int windowWidth = 0;
    int windowHeight = 0;
    int splitter = 200;
    // Whether the splitter came from the store; the first window fits the tree's labels.
    bool splitterStored = false;
    int modelType = 0;
    int setupDone = 0;
    int destination = NoDestination;
    int optionFlagA = 0;
    int optionFlagB = 0;

private:
    void applyDefaults();
    bool takeLock();
    bool readUserSettings(QSettings& store);
    bool readGlobal(QSettings& store);
    bool readRecent(QSettings& store);
    bool readView(QSettings& store);
    bool readWindow(QSettings& store);
    bool readSetup(QSettings& store);
    void readPorts(QSettings& store);
    void readLanguage();
    static QString machineSettingsFile();
    static QByteArray localeName();
    void takeEtcData(int word);

    Places places;
    QSize screen;
    std::unique_ptr<QLockFile> lock;
    bool mayRun = false;
    bool comPortRead = false;
    QMap<int, QString> boundDevices;
};
