#pragma once

#include "datCsvColumn.h"

struct datMemField;

#include <QByteArray>
#include <QList>
#include <vector>

// The columns of the two CSV layouts: channels (memory, bank and auto-write pages) and
// program scan edges. The canceller columns belong to the channel layout only where the
// pages show them.
class cmcCsvLayout {
public:
    enum Kind { Channels, ScanEdges };
    static constexpr int Missing = -1;

    cmcCsvLayout(Kind kind, bool canceller);

    Kind kind() const { return layoutKind; }
    const std::vector<datCsvColumn>& columns() const { return shown; }
    // The row index: "%03d" on channel pages, "%02d" on the scan edge page.
    QByteArray rowText(int row) const;
    QByteArray titleLine(char separator) const;
    // The page field whose rules a column follows; none for the row index.
    const datMemField* field(const datCsvColumn& column) const;
    static bool isName(const datCsvColumn& column);

    // For each column, the first field of the title line whose text, blanks around it removed,
    // is its title in any case; Missing when there is none.
    std::vector<int> find(const QList<QByteArray>& titles) const;
    bool hasRequired(const std::vector<int>& found) const;

private:
    Kind layoutKind;
    std::vector<datCsvColumn> shown;
};
