#pragma once

// What a row operation needs to know of the page it runs on, and what it gives back. A page
// fills it from its cursor and its selected rows, runs the command, then moves its cursor to
// `cursor` and selects again as the operation says.
//
// Rows are record numbers of the page's kind: memory channels, scan edges, scan link entries
// (26 × link + row), auto-write rows; on a bank page the positions 0 .. 99 of `bank`.
struct datRowContext {
    int kind = 0;
    int cursor = 0;
    int pageFirst = 0;
    int pageLast = 0;
    // Bank pages only: the bank 0 .. 21 whose positions the rows are.
    int bank = -1;

    // A block of whole rows selected with the mouse; without it the block is the cursor row.
    bool selectionValid = false;
    int selectionFirst = 0;
    int selectionLast = 0;

    // Set by the operation: the rows to select afterwards, or that the selection is dropped.
    bool reselect = false;
    int reselectFirst = 0;
    int reselectLast = 0;
    bool dropSelection = false;

    // The context of a page of `kind` with the cursor on `cursor`: memory channel pages span
    // the 100 channels around the cursor, bank pages the positions of `bank`, scan link pages
    // the 26 rows of the cursor's link, other pages the whole kind.
    static datRowContext forPage(int kind, int cursor, int bank = -1);
    // Whether the pages of a record kind offer row operations at all.
    static bool allowsRowOperations(int kind);
    void select(int first, int last);

    // The selection, or the cursor row, clamped to the page; false when nothing is left.
    bool block(int& first, int& last) const;
    bool cursorOnPage() const { return cursor >= pageFirst && cursor <= pageLast; }
    void selectAfter(int first, int last);
};
