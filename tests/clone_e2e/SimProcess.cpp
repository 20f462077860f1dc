#include "SimProcess.h"

SimProcess::SimProcess(const QStringList& arguments) {
    process.setProgram(MAVIK_SIM);
    process.setArguments(arguments);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start();
    if (process.waitForStarted(5000))
        while (!process.canReadLine() && process.waitForReadyRead(5000)) {
        }
    path = process.readLine().trimmed();
}

SimProcess::~SimProcess() {
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(3000))
        process.kill();
    process.waitForFinished(3000);
}
