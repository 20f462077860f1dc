#pragma once

#include "cmcRowOps.h"

// Row operations of the memory channel, scan edge, scan link and auto-write pages: rows are
// records of one kind, and no operation reaches past the page's first or last row.
class cmcListRowOps : public cmcRowOps {
public:
    cmcListRowOps(cmcPageData& data, datClipCh& clipboard) : cmcRowOps(data, clipboard) {}

    // Scan link pages take only Delete; the read-only auto-write page only Copy.
    bool run(int link, datRowContext& row);

    void copy(datRowContext& row);
    void paste(datRowContext& row);
    void moveUp(datRowContext& row);
    void moveDown(datRowContext& row);
    void clear(datRowContext& row);
    void remove(datRowContext& row);
    void insert(datRowContext& row);

private:
    void removeLinkEntry(datRowContext& row);
    bool anyUsed(int kind, int first, int last);
    // The records as the template image holds them, marked empty.
    void clearRecords(int kind, int first, int last);
    // Copies `count` records from `from` to `to`; the ranges may overlap.
    void moveRecords(int kind, int from, int to, int count);
    // Exchanges the block with the row above (step -1) or below (step 1).
    void swapNeighbour(int kind, int first, int last, int step);
};
