#pragma once

#include "datCh.h"

#include <cstddef>
#include <vector>

class cmcEeprom;

// Records carried between rows and pages: a run of records of one kind, in row order, copied
// out of an image and pasted back at another place of the same kind.
class cmcClipCh {
public:
    virtual ~cmcClipCh() = default;

    // Empty again: no records, kind 0.
    virtual void clear();
    virtual void copy(cmcEeprom& image, int kind, int first, int count);
    virtual void loadOne(cmcEeprom& image, int kind, int number, datCh& target);
    // Only records of the same kind can be pasted.
    virtual bool canPasteInto(int kind) const;
    // Stores records 0, 1, ... at first, first + 1, ..., at most `count` of them; stops early
    // when a record finds no place. Returns how many were stored.
    virtual int paste(cmcEeprom& image, int kind, int first, int count);
    // False when the record could not be stored.
    virtual bool storeOne(cmcEeprom& image, int kind, int number, const datCh& record);

    int kind() const { return recordKind; }
    int first() const { return firstNumber; }
    int count() const { return int(records.size()); }
    const datCh& record(int i) const { return records[std::size_t(i)]; }
    // Auto-write channels are pasted as memory channels.
    void relabel(int kind) { recordKind = kind; }

private:
    std::vector<datCh> records;
    int recordKind = datCh::KindNone;
    int firstNumber = 0;
};
