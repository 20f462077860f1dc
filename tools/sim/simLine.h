#pragma once

#include <QByteArray>
#include <cstdint>

// The receiver's side of the cable: the master end of a pseudo-terminal whose other end the
// program opens as its serial port.
class simLine {
public:
    simLine() = default;
    ~simLine();
    simLine(const simLine&) = delete;
    simLine& operator=(const simLine&) = delete;

    bool open();
    // Makes path a symbolic link to the device; it is removed again with the line.
    bool link(const QByteArray& path);
    const QByteArray& devicePath() const { return device; }
    int handle() const { return master; }

    // Appends what the program has sent; false when no program has the device open.
    bool read(QByteArray& into);
    // Bytes taken; the rest must be offered again.
    int write(const QByteArray& bytes);
    // The speed the program has set on its end: 9600 when it cannot be told, 0 for an odd one.
    uint32_t programBaud() const;
    // Closes the line as a pulled cable would.
    void hangUp();

private:
    int master = -1;
    QByteArray device;
    QByteArray linkPath;
};
