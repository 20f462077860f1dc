#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

// A running mavik-sim: the pseudo-terminal it serves, ended with the object.
class SimProcess {
public:
    explicit SimProcess(const QStringList& arguments);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    const QByteArray& device() const { return path; }

private:
    QProcess process;
    QByteArray path;
};
