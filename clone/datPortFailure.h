#pragma once

#include <QByteArray>

// Why a port could not be opened: the device it named and the system's error number (an errno
// value such as ENOENT, EACCES or EBUSY; 0 when nothing failed).
struct datPortFailure {
    QByteArray device;
    int error = 0;
};
