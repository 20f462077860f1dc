#include "datRowContext.h"

#include "MemoryMap.h"
#include "datCh.h"

#include <algorithm>
#include <iterator>

namespace {

struct KindLimits {
    int lowest;
    int highest;
    int flags;
};

constexpr int RowOperations = 1;

// By record kind 0 .. 5.
constexpr KindLimits Limits[] = {
    {0, 0, 0},
    {0, mm::MemoryChannels - 1, RowOperations},
    {0, mm::Banks* mm::BankPositions - 1, RowOperations},
    {0, mm::ScanEdges - 1, RowOperations},
    {0, mm::ScanEdges - 1, RowOperations},
    {0, mm::AutoWriteChannels - 1, RowOperations},
};

const KindLimits& limitsOf(int kind) {
    return kind >= 0 && kind < int(std::size(Limits)) ? Limits[kind] : Limits[0];
}

} // namespace

bool datRowContext::allowsRowOperations(int kind) {
    return limitsOf(kind).flags & RowOperations;
}

datRowContext datRowContext::forPage(int kind, int cursor, int bank) {
    datRowContext row;
    row.kind = kind;
    row.cursor = cursor;
    row.bank = bank;
    row.pageFirst = limitsOf(kind).lowest;
    row.pageLast = limitsOf(kind).highest;
    if (kind == datCh::KindMemory) {
        row.pageFirst = cursor / mm::BankPositions * mm::BankPositions;
        row.pageLast = row.pageFirst + mm::BankPositions - 1;
    } else if (kind == datCh::KindBank) {
        row.pageFirst = 0;
        row.pageLast = mm::BankPositions - 1;
    } else if (kind == datCh::KindScanLink) {
        row.pageFirst = cursor / datCh::ScanLinkRows * datCh::ScanLinkRows;
        row.pageLast = row.pageFirst + datCh::ScanLinkRows - 1;
    }
    return row;
}

void datRowContext::select(int first, int last) {
    selectionValid = true;
    selectionFirst = std::min(first, last);
    selectionLast = std::max(first, last);
}

bool datRowContext::block(int& first, int& last) const {
    first = std::max(selectionValid ? selectionFirst : cursor, pageFirst);
    last = std::min(selectionValid ? selectionLast : cursor, pageLast);
    return first <= last;
}

void datRowContext::selectAfter(int first, int last) {
    reselect = true;
    reselectFirst = first;
    reselectLast = last;
}
