#include "cmcDestinationDirective.h"

#include "cmcPageIndex.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

struct Directive {
    QByteArrayView word;
    bool (*holds)(int destination, int pageIndex);
};

bool inJapanKoreaUsa(int destination, int) {
    constexpr std::array<int, 5> destinations{0, 14, 15, 10, 6};
    return std::find(destinations.begin(), destinations.end(), destination) != destinations.end();
}

bool inUsa(int destination, int) {
    return destination == 6;
}

bool onCommonPage(int, int pageIndex) {
    return pageIndex == cmcPageIndex::CommonPage;
}

const Directive Directives[] = {
    {"Only_JPN_KOR_USA", inJapanKoreaUsa},
    {"Only_USA", inUsa},
    {"Only_Current", onCommonPage},
};

// The count after the word; 0 without one.
int lineCount(QByteArrayView rest) {
    rest = rest.trimmed();
    int count = 0;
    for (char c : rest) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return 0;
        count = std::min(count * 10 + (c - '0'), 1 << 20);
    }
    return count;
}

} // namespace

std::optional<int> cmcDestinationDirective::skippedLines(QByteArrayView group, int destination,
                                                         int pageIndex) {
    const qsizetype blank = group.indexOf(' ');
    const QByteArrayView word = blank < 0 ? group : group.first(blank);
    for (const Directive& directive : Directives) {
        if (word != directive.word)
            continue;
        if (directive.holds(destination, pageIndex))
            return 0;
        return blank < 0 ? 0 : lineCount(group.sliced(blank));
    }
    return std::nullopt;
}
