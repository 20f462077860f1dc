#include "MemoryMap.h"
#include "SimProcess.h"
#include "cmcEeprom.h"
#include "cmcGTex.h"
#include "cmcKcfDocument.h"
#include "datCh.h"
#include "indDestination.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct CliRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

class CliClone : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QDir().mkpath(dir.filePath("config"));
        QDir().mkpath(dir.filePath("run"));
        QFile::setPermissions(dir.filePath("run"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString file(const QString& name) const { return dir.filePath(name); }

    CliRun cli(const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", dir.path());
        environment.insert("XDG_CONFIG_HOME", file("config"));
        environment.insert("XDG_RUNTIME_DIR", file("run"));
        process.setProcessEnvironment(environment);
        process.start(MAVIK_CLI, arguments);
        CliRun run;
        if (!process.waitForFinished(ProcessLimitMs))
            return run;
        run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = process.readAllStandardOutput();
        run.err = process.readAllStandardError();
        return run;
    }

    // Runs the command with a pseudo-terminal as its standard streams; run.err gets everything
    // the terminal showed.
    CliRun cliOnTerminal(const QStringList& arguments) {
        std::vector<std::string> words{MAVIK_CLI};
        for (const QString& argument : arguments)
            words.push_back(argument.toStdString());
        std::vector<std::string> settings{"HOME=" + dir.path().toStdString(),
                                          "XDG_CONFIG_HOME=" + file("config").toStdString(),
                                          "XDG_RUNTIME_DIR=" + file("run").toStdString()};
        std::vector<char*> argv;
        for (std::string& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        std::vector<char*> environment;
        for (std::string& setting : settings)
            environment.push_back(setting.data());
        environment.push_back(nullptr);
        CliRun run;
        int terminal = -1;
        const pid_t child = forkpty(&terminal, nullptr, nullptr, nullptr);
        if (child < 0)
            return run;
        if (child == 0) {
            execve(argv[0], argv.data(), environment.data());
            _exit(127);
        }
        char chunk[4096];
        pollfd watch{terminal, POLLIN, 0};
        // The terminal reports an error once the command has ended and closed its side.
        while (poll(&watch, 1, ProcessLimitMs) > 0) {
            const ssize_t got = read(terminal, chunk, sizeof chunk);
            if (got <= 0)
                break;
            run.err.append(chunk, got);
        }
        close(terminal);
        int status = 0;
        if (waitpid(child, &status, 0) == child && WIFEXITED(status))
            run.status = WEXITSTATUS(status);
        return run;
    }

    static constexpr int ProcessLimitMs = 120000;

    // A clone file of the destination's default image with a few channels of its own, saved
    // as the program saves it.
    QString cloneFile(const QString& name, int destination,
                      std::initializer_list<uint32_t> frequencies = {}) {
        cmcEeprom templateImage;
        templateImage.loadTemplate(destination);
        cmcEeprom image = templateImage;
        datCh channel(&image);
        int n = 100;
        for (uint32_t frequency : frequencies) {
            channel.reset();
            channel.frequency = frequency;
            channel.store(datCh::KindMemory, n++);
        }
        for (int c = 40; c < 48; ++c)
            image.setByte(mm::Comment + c - 40, uint8_t('A' + c % 26));
        const QString path = file(name);
        EXPECT_EQ(cmcKcfDocument::save(path, image, indDestination(destination), templateImage), 0);
        return path;
    }

    static QByteArray receiverArea(const QString& path) {
        cmcEeprom image;
        image.resize(mm::ImageSize);
        int destination = 0;
        if (cmcKcfDocument::open(path, image, destination) != 0)
            return {};
        return QByteArray(reinterpret_cast<const char*>(image.bytes()), mm::ReceiverSize);
    }

    static QByteArray headLine(int code) {
        return cmcGTex::app().GetText("GI_Mess_CloneErr_Head", code);
    }

    QTemporaryDir dir;
};

TEST_F(CliClone, InfoPrintsWhatTheReceiverReports) {
    SimProcess sim({"--destination", "9", "--expansion", "1", "--cellular", "0"});
    const CliRun run = cli({"info", "--device", sim.device()});
    ASSERT_EQ(run.status, 0) << run.err.constData();
    EXPECT_TRUE(run.out.contains("model: 3250\n"));
    EXPECT_TRUE(run.out.contains("version: 0001\n"));
    EXPECT_TRUE(run.out.contains("destination: 9\n"));
    EXPECT_TRUE(run.out.contains("expansion: 1\n"));
    EXPECT_TRUE(run.out.contains("cellular: 0\n"));
    EXPECT_TRUE(run.out.contains("record: 23"));
}

class CliCloneSpeed : public CliClone, public testing::WithParamInterface<bool> {
protected:
    QStringList speed() const { return GetParam() ? QStringList{"--high-speed"} : QStringList{}; }
};

TEST_P(CliCloneSpeed, ReadTakesTheWholeReceiver) {
    const QString source = cloneFile("source.kcf", 6, {145500000, 430000000});
    SimProcess sim({"--image", source});
    const CliRun run = cli(QStringList{"read", "--device", sim.device()} + speed() +
                           QStringList{file("read.kcf")});
    ASSERT_EQ(run.status, 0) << run.err.constData();
    EXPECT_EQ(receiverArea(file("read.kcf")), receiverArea(source));
    // Standard error is a pipe here: no progress line.
    EXPECT_FALSE(run.err.contains('\r') || run.err.contains('%')) << run.err.constData();
}

TEST_P(CliCloneSpeed, WriteDeliversTheWholeDocument) {
    const QString source = cloneFile("source.kcf", 6, {145500000, 430000000});
    SimProcess sim({"--destination", "6", "--save-written", file("written.kcf")});
    const CliRun run =
        cli(QStringList{"write", "--device", sim.device()} + speed() + QStringList{source});
    ASSERT_EQ(run.status, 0) << run.err.constData();
    EXPECT_EQ(receiverArea(file("written.kcf")), receiverArea(source));
    EXPECT_FALSE(run.err.contains('\r') || run.err.contains('%')) << run.err.constData();
}

INSTANTIATE_TEST_SUITE_P(Speeds, CliCloneSpeed, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "High" : "Normal");
                         });

struct Fault {
    const char* fault;
    const char* command;
    int status;
    // A line that vanishes mid-write stops echoing (4), or refuses the bytes still queued for it
    // (17) when the hang-up catches some in the port's transmit queue.
    int orStatus = -1;
};

void PrintTo(const Fault& f, std::ostream* os) {
    *os << f.command << ' ' << f.fault << " -> " << f.status;
}

class CliCloneFault : public CliClone, public testing::WithParamInterface<Fault> {};

TEST_P(CliCloneFault, EndsWithItsResultAndMessage) {
    const Fault& f = GetParam();
    const QString source = cloneFile("source.kcf", 6);
    SimProcess sim({"--destination", "6", "--fault", f.fault});
    const QString target = QByteArray(f.command) == "write" ? source : file("read.kcf");
    const QStringList arguments = QByteArray(f.command) == "info"
                                      ? QStringList{"info", "--device", sim.device()}
                                      : QStringList{f.command, "--device", sim.device(), target};
    const CliRun run = cli(arguments);
    EXPECT_TRUE(run.status == f.status || run.status == f.orStatus)
        << run.status << run.err.constData();
    EXPECT_TRUE(
        run.err.contains(headLine(run.status == f.orStatus ? f.orStatus : f.status) + "\n\n"))
        << run.err.constData();
    EXPECT_FALSE(QFile::exists(file("read.kcf")));
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliCloneFault,
    testing::Values(Fault{"silent", "read", 5}, Fault{"no-echo", "info", 4},
                    Fault{"bad-echo", "read", 4}, Fault{"bad-record", "info", 11},
                    Fault{"wrong-model", "read", 11}, Fault{"wrong-version", "info", 14},
                    Fault{"bad-checksum", "read", 6}, Fault{"lowercase-hex", "read", 6},
                    Fault{"bad-count", "read", 7}, Fault{"missing-block", "read", 8},
                    Fault{"outside-image", "read", 9}, Fault{"no-signature", "read", 15},
                    Fault{"write-nak", "write", 10}, Fault{"hang-up", "write", 4, 17}),
    [](const testing::TestParamInfo<Fault>& info) {
        return QByteArray(info.param.fault).replace('-', '_').toStdString() + "_" +
               info.param.command;
    });

TEST_F(CliClone, ReadOnATerminalShowsItsProgressInPlace) {
    const QString source = cloneFile("source.kcf", 6);
    SimProcess sim({"--image", source});
    const CliRun run = cliOnTerminal({"read", "--device", sim.device(), file("read.kcf")});
    ASSERT_EQ(run.status, 0) << run.err.constData();
    EXPECT_EQ(receiverArea(file("read.kcf")), receiverArea(source));
    EXPECT_TRUE(run.err.contains("\r0%")) << run.err.constData();
    EXPECT_TRUE(run.err.contains("\r100%")) << run.err.constData();
}

TEST_F(CliClone, AFailureOnATerminalStartsOnANewLine) {
    SimProcess sim({"--destination", "6", "--fault", "missing-block"});
    const CliRun run = cliOnTerminal({"read", "--device", sim.device(), file("read.kcf")});
    EXPECT_EQ(run.status, 8);
    // The progress line ends before the message; the terminal shows a line end as CR LF.
    const qsizetype at = run.err.indexOf(headLine(8));
    ASSERT_GT(at, 2) << run.err.constData();
    EXPECT_EQ(run.err.mid(at - 2, 2), "\r\n");
    EXPECT_TRUE(run.err.left(at).contains("\r0%")) << run.err.constData();
}

TEST_F(CliClone, PortThatCannotBeOpenedNamesItsNumber) {
    QFile notATerminal(file("plain-file"));
    ASSERT_TRUE(notATerminal.open(QIODevice::WriteOnly));
    QDir().mkpath(file("config/Vemo"));
    QFile settings(file("config/Vemo/Mavik.conf"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[Ports]\nCOM7=" + file("plain-file").toLocal8Bit() + "\n");
    settings.close();
    const CliRun run = cli({"read", "--port", "7", file("read.kcf")});
    EXPECT_EQ(run.status, 2);
    // A plain file is no terminal; the line after the head names it with the system's reason.
    EXPECT_TRUE(run.err.contains("Cannot access COM 7.\n" + file("plain-file").toLocal8Bit() +
                                 ": Inappropriate ioctl for device.\n\n" +
                                 cmcGTex::app().GetText("GI_Mess_CloneErr_Check", 0)))
        << run.err.constData();
}

TEST_F(CliClone, WriteWithSettingErrorsSendsNothing) {
    const QString source = cloneFile("source.kcf", 6, {1310000000});
    SimProcess sim({"--destination", "6", "--save-written", file("written.kcf")});
    const CliRun run = cli({"write", "--yes", "--device", sim.device(), source});
    EXPECT_EQ(run.status, 18);
    EXPECT_TRUE(run.err.contains(cmcGTex::app().multiLineText("GI_Mess_DataError")));
    EXPECT_FALSE(QFile::exists(file("written.kcf")));
}

TEST_F(CliClone, WriteWithWarningsNeedsYes) {
    // 200 MHz lies in a listed range of destination 1, whose expansion is off.
    const QString source = cloneFile("source.kcf", 1, {200000000});
    SimProcess sim({"--destination", "1", "--save-written", file("written.kcf")});
    CliRun run = cli({"write", "--device", sim.device(), source});
    EXPECT_EQ(run.status, 19);
    EXPECT_TRUE(run.err.contains(cmcGTex::app().multiLineText("GI_Mess_DataWarn")));
    EXPECT_FALSE(QFile::exists(file("written.kcf")));
    run = cli({"write", "--yes", "--device", sim.device(), source});
    EXPECT_EQ(run.status, 0) << run.err.constData();
}

TEST_F(CliClone, WriteToAnotherDestinationNeedsYes) {
    const QString source = cloneFile("source.kcf", 6);
    SimProcess sim({"--destination", "9", "--save-written", file("written.kcf")});
    CliRun run = cli({"write", "--device", sim.device(), source});
    EXPECT_EQ(run.status, 19);
    EXPECT_TRUE(run.err.contains(cmcGTex::app().multiLineText("GI_AppMess_ChangeModel")));
    EXPECT_FALSE(QFile::exists(file("written.kcf")));
    run = cli({"write", "--yes", "--device", sim.device(), source});
    EXPECT_EQ(run.status, 0) << run.err.constData();
    EXPECT_TRUE(QFile::exists(file("written.kcf")));
}

TEST_F(CliClone, UsageErrors) {
    EXPECT_EQ(cli({"read", "out.kcf"}).status, 64);
    EXPECT_EQ(cli({"read", "--port", "1", "--device", "/dev/null", "out.kcf"}).status, 64);
    EXPECT_EQ(cli({"info", "--port", "1", "--yes"}).status, 64);
    EXPECT_EQ(cli({"write", "--port", "0", "in.kcf"}).status, 64);
}

} // namespace
