#pragma once

#include <QByteArray>
#include <vector>

// The choices of one selection sheet bound to one link, ordered two ways: by choice number for
// value look-ups, and by on-screen position (down each column in turn) for stepping.
struct cmcFCacheRecord {
    struct Choice {
        int line;
        int position;
        int number;
        QByteArray value;
    };

    int lastLine = 0;
    int widestLine = 0;
    std::vector<Choice> byNumber;
    std::vector<Choice> byPosition;
};
