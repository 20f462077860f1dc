#pragma once

#include "cmcCsvLayout.h"
#include "datCh.h"

#include <optional>

class cmcEeprom;

// The rows of a page as the CSV files see them: which record each row shows and where an
// imported record is kept. Memory, bank and auto-write pages have channel rows, the program
// scan edge page edge rows; the other pages have no records for a file.
class cmcCsvPage {
public:
    // None for a page without such rows. `firstRecord` is the memory channel of row 0 on a
    // memory page.
    static std::optional<cmcCsvPage> of(int pageIndex, int firstRecord);

    int kind() const { return recordKind; }
    cmcCsvLayout::Kind layout() const;
    int rowCount() const;
    int bank() const { return bankNumber; }

    // The record a row shows, not in use when the row is empty.
    datCh record(cmcEeprom& image, int row) const;
    // Makes every record of the page unused, out of any bank; a bank page empties its bank by
    // making its channels unused.
    void clear(cmcEeprom& image) const;
    // The record number a row's record is stored as (bank pages choose their channel).
    int number(int row) const { return first + row; }

private:
    cmcCsvPage(int kind, int first, int bank) : recordKind(kind), first(first), bankNumber(bank) {}
    void clearChannel(datCh& record) const;

    int recordKind;
    int first;
    int bankNumber;
};
