#pragma once

#include <QByteArrayView>
#include <optional>

// The directive lines of a cell list that keep lines for some destinations only, such as
// ":(Only_USA 6)": the next n lines stay in the sheet only when the directive's condition
// holds.
class cmcDestinationDirective {
public:
    // The number of lines the sheet skips for the directive group ("Only_USA 6"), 0 when its
    // condition holds or it has no count; none when the group is no destination directive.
    static std::optional<int> skippedLines(QByteArrayView group, int destination, int pageIndex);
};
