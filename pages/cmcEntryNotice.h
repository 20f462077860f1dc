#pragma once

#include <QByteArray>
#include <QByteArrayView>

class cmcGTex;

// What became of a typed entry, told in the status bar: the data rules store some entries other
// than as typed (limits, the band's channel steps, names the receiver can show, the train's
// 10 Hz steps) and refuse text that is not a number; the user is told which, and what was stored.
class cmcEntryNotice {
public:
    // How a field takes typed text.
    enum class Entry { Plain, Number, Frequency, Offset, Name, Train };
    // Lines of the definition list of notices.
    enum class Kind {
        AsTyped = -1,
        NotNumber = 0,
        FrequencyLimited,
        FrequencyPlaced,
        OffsetLimited,
        OffsetPlaced,
        NameCut,
        NameReplaced,
        TrainLimited,
        TrainRounded,
    };

    // `stored` is what the cell shows after the edit; `accepted` is false when the edit was
    // refused.
    static Kind judge(Entry entry, QByteArrayView typed, QByteArrayView stored, bool accepted);
    // The status line for a kind, naming what was typed and what was stored; empty for AsTyped.
    static QByteArray line(cmcGTex& table, Kind kind, QByteArrayView typed, QByteArrayView stored);

private:
    static Kind frequency(QByteArrayView typed, QByteArrayView stored);
    static Kind offset(QByteArrayView typed, QByteArrayView stored);
    static Kind name(QByteArrayView typed, QByteArrayView stored);
    static Kind train(QByteArrayView typed, QByteArrayView stored);
};
