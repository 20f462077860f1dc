#pragma once

#include <QByteArray>
#include <QList>
#include <QSocketNotifier>
#include <functional>
#include <memory>

// The far end of a pseudo-terminal playing cable and receiver inside the test: it echoes what
// the program sends (or not, or wrongly) and answers each complete frame through `respond`.
class FakeReceiver {
public:
    FakeReceiver();
    ~FakeReceiver();

    QByteArray path() const { return slavePath; }
    void hangUp();

    enum class Echo { Faithful, None, Corrupted };
    Echo echo = Echo::Faithful;
    // Gets a frame from its single preamble byte up to the terminator, not included.
    std::function<QByteArray(const QByteArray& frame)> respond;

    QByteArray received;
    QList<QByteArray> frames;

private:
    void onReadable();
    void onWritable();
    void send(const QByteArray& bytes);
    void collect(char byte);

    int master = -1;
    QByteArray slavePath;
    QByteArray frame;
    QByteArray outbox;
    std::unique_ptr<QSocketNotifier> reader;
    std::unique_ptr<QSocketNotifier> writer;
};
