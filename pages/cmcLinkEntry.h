#pragma once

#include "datCh.h"

class cmcPageData;

// Rows of the program scan link pages: record 26 × link + row, row 0 being the "Add" row and
// row k the k-th member edge of the link in ascending edge number.
class cmcLinkEntry {
public:
    static bool valid(int record);
    // The entry of a row, loaded afresh; without a member edge past the last member.
    static datCh load(cmcPageData& data, int record);
    static bool member(const datCh& entry) { return entry.memberEdge != datCh::NoEdge; }
};
