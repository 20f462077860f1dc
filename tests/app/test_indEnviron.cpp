#include "indEnviron.h"

#include "clsEtcData.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRect>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QSize Screen(1920, 1080);

class indEnvironTest : public testing::Test {
protected:
    QTemporaryDir folder;
    indEnviron::Places places{"test instance lock", folder.path() + "/run",
                              folder.path() + "/user/Mavik.conf",
                              folder.path() + "/machine/Mavik.conf"};

    std::unique_ptr<indEnviron> start(const QStringList& arguments = {"mavik"}) {
        return std::make_unique<indEnviron>(places, arguments, Screen);
    }
    // A complete, valid store as a previous run leaves it, for destination 6.
    void storeValidSettings() {
        auto env = start();
        env->destination = 6;
        env->optionFlagB = 1;
        env->fontSizePercentage = 150;
        env->printerFontSize = 11;
        env->comPort = 4;
    }
    void poke(const QString& key, const QVariant& value) {
        QSettings(places.userFile, QSettings::IniFormat).setValue(key, value);
    }
    void drop(const QString& key) { QSettings(places.userFile, QSettings::IniFormat).remove(key); }
};

TEST_F(indEnvironTest, FirstStartGivesTheDefaultsAndTheInitialSetup) {
    QSettings(places.machineFile, QSettings::IniFormat).setValue("Language", 1);
    auto env = start();
    ASSERT_TRUE(env->allowedToRun());
    EXPECT_EQ(env->comPort, 1);
    EXPECT_EQ(env->highCloneSpeed, 1);
    EXPECT_EQ(env->fontSizePercentage, 100);
    EXPECT_EQ(env->toolbarVisible, 1);
    EXPECT_EQ(env->printerFontSize, 10);
    EXPECT_EQ(env->splitter, 200);
    EXPECT_EQ(env->destination, indEnviron::NoDestination);
    EXPECT_EQ(env->setupDone, 0);
    EXPECT_EQ(env->recent.Count(), 0);
    EXPECT_EQ(QRect(env->windowLeft, env->windowTop, env->windowWidth, env->windowHeight),
              QRect(560, 144, 800, 600));
    EXPECT_EQ(env->language, 1);
}

TEST_F(indEnvironTest, EverySettingSurvivesARun) {
    {
        auto env = start();
        env->recent.AddFirst("/a/one.kcf");
        env->recent.AddFirst("/b/two.kcf");
        env->currentDirectory = "/a";
        env->highCloneSpeed = 0;
        env->toolbarVisible = 0;
        env->windowLeft = -5;
        env->windowTop = 7;
        env->windowWidth = 640;
        env->windowHeight = 480;
        env->splitter = 321;
        env->modelType = 2;
        env->destination = 14;
        env->optionFlagA = 1;
        env->optionFlagB = 1;
        env->setPortDevice(3, "/dev/ttyUSB0");
    }
    auto env = start();
    EXPECT_EQ(env->recent.Count(), 2);
    EXPECT_EQ(env->recent.at(0), "/b/two.kcf");
    EXPECT_EQ(env->currentDirectory, "/a");
    EXPECT_EQ(env->highCloneSpeed, 0);
    EXPECT_EQ(env->toolbarVisible, 0);
    EXPECT_EQ(QRect(env->windowLeft, env->windowTop, env->windowWidth, env->windowHeight),
              QRect(-5, 7, 640, 480));
    EXPECT_EQ(env->splitter, 321);
    EXPECT_EQ(env->modelType, 2);
    EXPECT_EQ(env->destination, 14);
    EXPECT_EQ(env->optionFlagA, 1);
    EXPECT_EQ(env->optionFlagB, 1);
    EXPECT_EQ(env->setupDone, 1);
    EXPECT_EQ(env->portDevice(3), "/dev/ttyUSB0");
    EXPECT_EQ(env->portDevice(1), "/dev/ttyS0");
}

struct RangeCase {
    const char* key;
    int stored;
    int indEnviron::*field;
    int read;
};

class indEnvironRange : public indEnvironTest, public testing::WithParamInterface<RangeCase> {};

TEST_P(indEnvironRange, OutOfRangeNumbersAreLimited) {
    const RangeCase c = GetParam();
    storeValidSettings();
    poke(c.key, c.stored);
    auto env = start();
    EXPECT_EQ((*env).*c.field, c.read);
}

INSTANTIATE_TEST_SUITE_P(
    Table, indEnvironRange,
    testing::Values(
        RangeCase{"Global/ComPort", 0, &indEnviron::comPort, 1},
        RangeCase{"Global/ComPort", 300, &indEnviron::comPort, 256},
        RangeCase{"Global/ComSpeedHigh", 5, &indEnviron::highCloneSpeed, 1},
        RangeCase{"View Option/FontSize Percentage", 10, &indEnviron::fontSizePercentage, 25},
        RangeCase{"View Option/FontSize Percentage", 5000, &indEnviron::fontSizePercentage, 1000},
        RangeCase{"View Option/FontSize Printer", 20, &indEnviron::printerFontSize, 12},
        RangeCase{"View Option/FontSize Printer", 3, &indEnviron::printerFontSize, 8}));

struct BoundsCase {
    QRect stored;
    QRect shown;
};

class indEnvironBounds : public indEnvironTest, public testing::WithParamInterface<BoundsCase> {};

TEST_P(indEnvironBounds, WindowOutsideTheWorkAreaIsPulledBack) {
    auto env = start();
    const QRect s = GetParam().stored;
    env->windowLeft = s.x();
    env->windowTop = s.y();
    env->windowWidth = s.width();
    env->windowHeight = s.height();
    EXPECT_EQ(env->windowBounds(QRect(0, 30, 1600, 870)), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Table, indEnvironBounds,
                         testing::Values(BoundsCase{{100, 100, 800, 600}, {100, 100, 800, 600}},
                                         BoundsCase{{3000, 2000, 800, 600}, {1584, 884, 800, 600}},
                                         BoundsCase{{-900, 10, 800, 600}, {-784, 30, 800, 600}}));

// Only a port the user's settings hold counts as chosen; the defaults' COM 1 does not.
TEST_F(indEnvironTest, APortIsStoredOnceARunHasWrittenIt) {
    EXPECT_FALSE(start()->portStored());
    EXPECT_TRUE(start()->portStored());
    drop("Global/ComPort");
    EXPECT_FALSE(start()->portStored());
    poke("Global/BBT", 0);
    EXPECT_FALSE(start()->portStored());
}

TEST_F(indEnvironTest, ReadingStopsAtTheFirstMissingValueAndKeepsWhatCameBefore) {
    storeValidSettings();
    drop("View Option/Toolbar Visible");
    auto env = start();
    EXPECT_EQ(env->fontSizePercentage, 150);
    EXPECT_EQ(env->printerFontSize, 10);
    EXPECT_EQ(env->destination, indEnviron::NoDestination);
    EXPECT_EQ(env->setupDone, 0);
}

TEST_F(indEnvironTest, WithoutTheMarkerEverythingIsDefault) {
    storeValidSettings();
    poke("Global/BBT", 1);
    auto env = start();
    EXPECT_EQ(env->comPort, 1);
    EXPECT_EQ(env->fontSizePercentage, 100);
    EXPECT_EQ(env->destination, indEnviron::NoDestination);
    EXPECT_EQ(env->settingsMarker, indEnviron::ValidMarker);
}

TEST_F(indEnvironTest, EtcDataWithWrongCheckBitsOrAnUnknownDestinationLeadsToTheInitialSetup) {
    storeValidSettings();
    for (const int word : {clsEtcData::encode(6, 0, 1) ^ 1, clsEtcData::encode(20, 1, 1)}) {
        poke("Setup/Etc Data", word);
        auto env = start();
        EXPECT_EQ(env->destination, indEnviron::NoDestination) << word;
        EXPECT_EQ(env->setupDone, 0);
    }
}

TEST_F(indEnvironTest, OptionFlagsWithoutADestinationSurviveARun) {
    {
        auto env = start();
        env->optionFlagA = 1;
        env->optionFlagB = 1;
    }
    auto env = start();
    EXPECT_EQ(env->destination, indEnviron::NoDestination);
    EXPECT_EQ(env->optionFlagA, 1);
    EXPECT_EQ(env->optionFlagB, 1);
    EXPECT_EQ(env->setupDone, 0);
}

TEST_F(indEnvironTest, SetupArgumentInAnyCaseForcesTheInitialSetup) {
    storeValidSettings();
    EXPECT_EQ(start({"mavik"})->setupDone, 1);
    auto env = start({"mavik", "/SETUP"});
    EXPECT_EQ(env->destination, 6);
    EXPECT_EQ(env->setupDone, 0);
}

TEST_F(indEnvironTest, SecondInstanceNeitherReadsNorWrites) {
    storeValidSettings();
    auto first = start();
    {
        auto second = start();
        EXPECT_FALSE(second->allowedToRun());
        EXPECT_EQ(second->comPort, 1);
        second->comPort = 9;
    }
    first.reset();
    EXPECT_EQ(start()->comPort, 4);
}

TEST_F(indEnvironTest, LongRunningInstanceStillHoldsTheLock) {
    auto first = start();
    const QString lockFile = places.lockDirectory + '/' + places.lockName + ".lock";
    QFile file(lockFile);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime);
    file.close();
    EXPECT_FALSE(start()->allowedToRun());
}

TEST_F(indEnvironTest, LockLeftByACrashedInstanceDoesNotBlock) {
    const pid_t child = fork();
    if (child == 0) {
        QLockFile crashed(places.lockDirectory + '/' + places.lockName + ".lock");
        QDir().mkpath(places.lockDirectory);
        _exit(crashed.tryLock(0) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(start()->allowedToRun());
}

} // namespace

namespace {

TEST(indEnvironLanguage, MachineValueFirstThenAJapaneseLocale) {
    struct Case {
        const char* machine;
        const char* locale;
        int language;
    };
    const Case cases[] = {{"", "ja_JP.UTF-8", 1},
                          {"0", "ja_JP.UTF-8", 0},
                          {"1", "C", 1},
                          {"", "en_US.UTF-8", 0},
                          {"", "", 0},
                          {"7", "ja", 0},
                          {"x", "ja_JP", 0}};
    for (const Case& c : cases)
        EXPECT_EQ(indEnviron::languageOf(c.machine, c.locale), c.language)
            << c.machine << " " << c.locale;
}

// The machine-wide file is found in the system configuration folders, so it can be tried
// without root.
TEST(indEnvironLanguage, MachineFileComesFromTheSystemConfigurationFolders) {
    QTemporaryDir folder;
    QDir(folder.path()).mkpath("xdg/Vemo");
    const QString file = folder.filePath("xdg/Vemo/Mavik.conf");
    QSettings(file, QSettings::IniFormat).setValue("Language", 1);
    const QByteArray before = qgetenv("XDG_CONFIG_DIRS");
    qputenv("XDG_CONFIG_DIRS", (folder.filePath("none") + ":" + folder.filePath("xdg")).toUtf8());
    const indEnviron::Places places = indEnviron::standardPlaces();
    qputenv("XDG_CONFIG_DIRS", before);
    EXPECT_EQ(places.machineFile, file);
    indEnviron::Places mine{"language test lock", folder.path() + "/run",
                            folder.path() + "/user.conf", places.machineFile};
    indEnviron settings(mine, {"mavik"}, QSize(1280, 800));
    EXPECT_EQ(settings.language, 1);
}

} // namespace
