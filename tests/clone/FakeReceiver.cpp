#include "FakeReceiver.h"

#include <QTimer>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

FakeReceiver::FakeReceiver() {
    master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        return;
    slavePath = ptsname(master);
    reader = std::make_unique<QSocketNotifier>(master, QSocketNotifier::Read);
    QObject::connect(reader.get(), &QSocketNotifier::activated, [this] { onReadable(); });
    writer = std::make_unique<QSocketNotifier>(master, QSocketNotifier::Write);
    writer->setEnabled(false);
    QObject::connect(writer.get(), &QSocketNotifier::activated, [this] { onWritable(); });
}

FakeReceiver::~FakeReceiver() {
    hangUp();
}

void FakeReceiver::hangUp() {
    reader.reset();
    writer.reset();
    if (master >= 0)
        ::close(master);
    master = -1;
}

void FakeReceiver::onReadable() {
    char chunk[4096];
    const ssize_t n = ::read(master, chunk, sizeof chunk);
    if (n <= 0) {
        // The program has the terminal closed for a moment: look again shortly.
        reader->setEnabled(false);
        QSocketNotifier* notifier = reader.get();
        QTimer::singleShot(5, notifier, [notifier] { notifier->setEnabled(true); });
        return;
    }
    const QByteArray bytes(chunk, n);
    received += bytes;
    if (echo == Echo::Faithful)
        send(bytes);
    else if (echo == Echo::Corrupted)
        send(QByteArray(bytes).replace(char(0xEE), char(0xEA)));
    for (char b : bytes)
        collect(b);
}

void FakeReceiver::collect(char byte) {
    if (uint8_t(byte) == 0xFE) {
        frame = QByteArray(1, byte);
    } else if (frame.isEmpty()) {
        return;
    } else if (uint8_t(byte) == 0xFD) {
        frames.append(frame);
        const QByteArray answer = respond ? respond(frame) : QByteArray();
        frame.clear();
        send(answer);
    } else {
        frame.append(byte);
    }
}

void FakeReceiver::send(const QByteArray& bytes) {
    outbox += bytes;
    onWritable();
}

void FakeReceiver::onWritable() {
    while (!outbox.isEmpty() && master >= 0) {
        const ssize_t n = ::write(master, outbox.constData(), size_t(outbox.size()));
        if (n <= 0)
            break;
        outbox.remove(0, n);
    }
    if (writer)
        writer->setEnabled(!outbox.isEmpty());
}
