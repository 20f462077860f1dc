#pragma once

#include <QByteArray>
#include <initializer_list>

// Table texts carry "%s" where a value goes; the values are put in from the left, so a
// translation may reword around them.
class cmcPlaceholders {
public:
    // Places without a value stay as they are; values without a place are dropped.
    static QByteArray fill(QByteArray format, std::initializer_list<QByteArray> values);
};
