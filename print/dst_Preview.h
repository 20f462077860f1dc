#pragma once

#include <QByteArray>
#include <QList>
#include <QPicture>

// One paper page of a job: which page it comes from, the columns and rows of the sheet it
// shows (the repeated fixed ones first), the font it was laid out at and, for the preview,
// the recorded drawing.
struct dst_Preview {
    QByteArray call;
    QList<int> columns;
    QList<int> rows;
    int fontHeight = 0;
    QPicture picture;
};
