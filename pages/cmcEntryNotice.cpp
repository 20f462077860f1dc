#include "cmcEntryNotice.h"

#include "cmcGTex.h"
#include "cmcMemInput.h"
#include "indDestination.h"

namespace {

constexpr int64_t LowestTrain = 300;
constexpr int64_t HighestTrain = 3000;

std::optional<int64_t> hertz(QByteArrayView text) {
    return cmcMemInput::number(text, 6);
}

// The typed text as the user will recognise it: without the blanks around it.
QByteArray shown(QByteArrayView text) {
    return text.toByteArray().trimmed();
}

} // namespace

cmcEntryNotice::Kind cmcEntryNotice::judge(Entry entry, QByteArrayView typed, QByteArrayView stored,
                                           bool accepted) {
    if (!accepted) {
        const bool numeric = entry != Entry::Plain && entry != Entry::Name;
        return numeric && !cmcMemInput::number(typed, 6) ? Kind::NotNumber : Kind::AsTyped;
    }
    switch (entry) {
    case Entry::Frequency:
        return frequency(typed, stored);
    case Entry::Offset:
        return offset(typed, stored);
    case Entry::Name:
        return name(typed, stored);
    case Entry::Train:
        return train(typed, stored);
    default:
        return Kind::AsTyped;
    }
}

cmcEntryNotice::Kind cmcEntryNotice::frequency(QByteArrayView typed, QByteArrayView stored) {
    const auto want = hertz(typed);
    if (!want || want == hertz(stored))
        return Kind::AsTyped;
    const bool outside = *want < indDestination::LowerLimit || *want > indDestination::HighestTyped;
    return outside ? Kind::FrequencyLimited : Kind::FrequencyPlaced;
}

cmcEntryNotice::Kind cmcEntryNotice::offset(QByteArrayView typed, QByteArrayView stored) {
    const auto want = hertz(typed);
    if (!want || want == hertz(stored))
        return Kind::AsTyped;
    const bool outside = *want < 0 || *want > indDestination::HighestOffset;
    return outside ? Kind::OffsetLimited : Kind::OffsetPlaced;
}

// Small letters become capitals without a word; anything else the receiver cannot show is.
cmcEntryNotice::Kind cmcEntryNotice::name(QByteArrayView typed, QByteArrayView stored) {
    if (typed.size() > cmcMemInput::NameLength)
        return Kind::NameCut;
    const QByteArray want = typed.toByteArray().toUpper();
    const QByteArray got = stored.toByteArray();
    for (qsizetype i = 0; i < want.size(); ++i) {
        if (i >= got.size() || got[i] != want[i])
            return Kind::NameReplaced;
    }
    return Kind::AsTyped;
}

cmcEntryNotice::Kind cmcEntryNotice::train(QByteArrayView typed, QByteArrayView stored) {
    const auto want = cmcMemInput::number(typed, 0);
    if (!want || want == cmcMemInput::number(stored, 0))
        return Kind::AsTyped;
    return *want < LowestTrain || *want > HighestTrain ? Kind::TrainLimited : Kind::TrainRounded;
}

QByteArray cmcEntryNotice::line(cmcGTex& table, Kind kind, QByteArrayView typed,
                                QByteArrayView stored) {
    if (kind == Kind::AsTyped)
        return {};
    const QByteArray pattern = table.GetText("GI_AppMess_Input_Notice", int(kind));
    const QByteArray want = shown(typed);
    const QByteArray got = stored.toByteArray().trimmed();
    return cmcGTex::formatted(pattern, want.constData(), got.constData());
}
